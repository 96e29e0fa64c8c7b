#include "window_placement.h"

#include <algorithm>

namespace ui::win32 {
namespace {

// Centred in [low, high), but not starting before low.
LONG CentredFrom(LONG low, LONG high, LONG size) { return std::max(low, low + (high - low - size) / 2); }

}  // namespace

POINT FramePositionOn(const RECT& workArea, SIZE frame) {
    return {CentredFrom(workArea.left, workArea.right, frame.cx), CentredFrom(workArea.top, workArea.bottom, frame.cy)};
}

}  // namespace ui::win32
