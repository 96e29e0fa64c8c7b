// Pictures scaled smoothly, by area averaging: each pixel of the result is the mean of the part
// of the picture it covers. Done here rather than by the system, whose scalers differ: WIC's are
// nearest-neighbour under Wine whatever mode is asked for, and StretchBlt's HALFTONE averages
// differently under Wine and under Windows. This way a scaled picture is the same everywhere.
#pragma once

#include "wic_image.h"

namespace ui::win32 {

// The picture at width x height pixels (both at least 1); the source unchanged at its own size.
Pixels ScaledSmoothly(const Pixels& source, int width, int height);

}  // namespace ui::win32
