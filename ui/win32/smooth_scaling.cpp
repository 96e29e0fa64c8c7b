#include "smooth_scaling.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace ui::win32 {
namespace {

constexpr int kChannels = 4;  // blue, green, red, alpha

// The source pixels that one result pixel covers along one axis, with the share of each.
struct Coverage {
    int first = 0;
    std::vector<double> shares;  // sum to 1
};

std::vector<Coverage> CoverageAlong(int sourceLength, int resultLength) {
    std::vector<Coverage> coverage(static_cast<std::size_t>(resultLength));
    const double step = static_cast<double>(sourceLength) / resultLength;  // source pixels per result pixel
    for (int i = 0; i < resultLength; ++i) {
        const double begin = i * step, end = std::min((i + 1) * step, static_cast<double>(sourceLength));
        Coverage& c = coverage[static_cast<std::size_t>(i)];
        c.first = static_cast<int>(std::floor(begin));
        for (int s = c.first; s < end; ++s) {
            c.shares.push_back((std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s))) / (end - begin));
        }
    }
    return coverage;
}

}  // namespace

Pixels ScaledSmoothly(const Pixels& source, int width, int height) {
    if (width == source.width && height == source.height) return source;
    const std::vector<Coverage> columns = CoverageAlong(source.width, width);
    const std::vector<Coverage> rows = CoverageAlong(source.height, height);
    Pixels result;
    result.width = width;
    result.height = height;
    result.bgra.resize(static_cast<std::size_t>(width) * height * kChannels);
    for (int y = 0; y < height; ++y) {
        const Coverage& row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            const Coverage& column = columns[static_cast<std::size_t>(x)];
            double sum[kChannels] = {};
            for (std::size_t j = 0; j < row.shares.size(); ++j) {
                const std::size_t sourceRow = static_cast<std::size_t>(row.first) + j;
                for (std::size_t i = 0; i < column.shares.size(); ++i) {
                    const double share = row.shares[j] * column.shares[i];
                    const std::size_t at = (sourceRow * source.width + column.first + i) * kChannels;
                    for (int c = 0; c < kChannels; ++c) sum[c] += share * source.bgra[at + c];
                }
            }
            const std::size_t out = (static_cast<std::size_t>(y) * width + x) * kChannels;
            for (int c = 0; c < kChannels; ++c) {
                result.bgra[out + c] = static_cast<std::uint8_t>(std::clamp(std::lround(sum[c]), 0L, 255L));
            }
        }
    }
    return result;
}

}  // namespace ui::win32
