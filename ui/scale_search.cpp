#include "scale_search.h"

#include <algorithm>

namespace ui {
namespace {

// How far each further try raises the scale when whole pixels fall short, and how often.
constexpr double kScaleStep = 1.0 / 64;
constexpr int kMostTries = 64;

}  // namespace

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
