#include "smooth_scaling.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace ui::win32 {
namespace {

constexpr int kChannels = 4;  // blue, green, red, alpha

// The source pixels that one result pixel covers along one axis, each with its share. Lengths are
// counted in units of 1 / (source length x result length), where both grids have whole edges, so
// the shares are exact and add up to the source length.
struct Coverage {
    int first = 0;
    std::vector<std::uint64_t> shares;
};

std::vector<Coverage> CoverageAlong(int sourceLength, int resultLength) {
    std::vector<Coverage> coverage(static_cast<std::size_t>(resultLength));
    for (int i = 0; i < resultLength; ++i) {
        // Result pixel i spans [i, i + 1) x sourceLength; source pixel s spans [s, s + 1) x resultLength.
        const std::int64_t begin = std::int64_t{i} * sourceLength, end = begin + sourceLength;
        Coverage& c = coverage[static_cast<std::size_t>(i)];
        c.first = static_cast<int>(begin / resultLength);
        for (std::int64_t s = c.first; s * resultLength < end; ++s) {
            const std::int64_t overlap = std::min(end, (s + 1) * resultLength) - std::max(begin, s * resultLength);
            c.shares.push_back(static_cast<std::uint64_t>(overlap));
        }
    }
    return coverage;
}

}  // namespace

Pixels ScaledSmoothly(const Pixels& source, int width, int height) {
    if (width == source.width && height == source.height) return source;
    const std::vector<Coverage> columns = CoverageAlong(source.width, width);
    const std::vector<Coverage> rows = CoverageAlong(source.height, height);
    const std::uint64_t whole = std::uint64_t(source.width) * std::uint64_t(source.height);  // the shares' sum
    Pixels result;
    result.width = width;
    result.height = height;
    result.bgra.resize(static_cast<std::size_t>(width) * height * kChannels);
    for (int y = 0; y < height; ++y) {
        const Coverage& row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            const Coverage& column = columns[static_cast<std::size_t>(x)];
            std::uint64_t sum[kChannels] = {};
            for (std::size_t j = 0; j < row.shares.size(); ++j) {
                const std::size_t sourceRow = static_cast<std::size_t>(row.first) + j;
                for (std::size_t i = 0; i < column.shares.size(); ++i) {
                    const std::uint64_t share = row.shares[j] * column.shares[i];
                    const std::size_t at = (sourceRow * source.width + column.first + i) * kChannels;
                    for (int c = 0; c < kChannels; ++c) sum[c] += share * source.bgra[at + c];
                }
            }
            const std::size_t out = (static_cast<std::size_t>(y) * width + x) * kChannels;
            for (int c = 0; c < kChannels; ++c) result.bgra[out + c] = static_cast<std::uint8_t>((sum[c] + whole / 2) / whole);
        }
    }
    return result;
}

}  // namespace ui::win32
