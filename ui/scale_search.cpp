#include "scale_search.h"

#include <algorithm>

namespace ui {
namespace {

// How far each further try raises the scale when whole pixels fall short, and how often.
constexpr double kScaleStep = 1.0 / 64;
constexpr int kMostTries = 64;
// The spare pixel at the right of and below a text: glyphs may reach the last pixel of their
// advance and of their font's height.
constexpr int kSparePixels = 1;

PixelSize Need(const TextMeasure& measure, const TextToFit& fit) {
    const PixelSize extent = measure.Extent(fit.control, fit.text);
    return {extent.width + kSparePixels, extent.height + kSparePixels};
}

bool Fits(PixelSize need, PixelSize room) { return need.width <= room.width && need.height <= room.height; }

// The scale at which this text would just fit, if frames and margins kept their size.
double ScaleNeeded(const TextMeasure& measure, const TextToFit& fit) {
    const PixelSize box = measure.Box(fit.control), room = measure.Room(fit.control), need = Need(measure, fit);
    const double across = static_cast<double>(need.width + box.width - room.width) / box.width;
    const double down = static_cast<double>(need.height + box.height - room.height) / box.height;
    return std::max(across, down);
}

bool EveryTextFits(std::span<const TextToFit> texts, const TextMeasure& measure) {
    return std::all_of(texts.begin(), texts.end(),
                       [&](const TextToFit& fit) { return Fits(Need(measure, fit), measure.Room(fit.control)); });
}

}  // namespace

double SmallestFittingScale(std::span<const TextToFit> texts, const TextMeasure& measure,
                            const std::function<void(double)>& layOut) {
    return SmallestFittingScale(
        layOut, [&] { return EveryTextFits(texts, measure); },
        [&] {
            double scale = 0;
            for (const TextToFit& fit : texts) scale = std::max(scale, ScaleNeeded(measure, fit));
            return scale;
        });
}

double SmallestFittingScale(const std::function<void(double)>& layOut, const std::function<bool()>& everyTextFits,
                            const std::function<double()>& neededAtOne) {
    layOut(1);
    if (everyTextFits()) return 1;
    double scale = std::max(1.0, neededAtOne());
    for (int tries = 1;; ++tries) {
        layOut(scale);
        if (everyTextFits() || tries == kMostTries) return scale;
        scale += kScaleStep;
    }
}

}  // namespace ui
