// Pictures decoded by the system: Windows Imaging Component (WIC) reads the program's PNG and JPEG
// files from memory (their RCDATA resources), so the program carries no decoder of its own.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace ui::win32 {

// A decoded picture: rows top-down, 4 bytes a pixel in the order blue, green, red, alpha (not
// premultiplied), no padding between rows.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;
};

// Decodes the first frame of an image file held in memory (any format WIC knows: BMP, JPEG, PNG,
// ...). No value when WIC cannot read it. COM must be initialised on the calling thread
// (CoInitializeEx); the bytes are only read during the call.
std::optional<Pixels> DecodeImage(const void* data, std::size_t size);

// A top-down 32-bit DIB section holding the pixels, for drawing with BitBlt; nullptr when GDI
// cannot make one. The caller owns it (DeleteObject).
HBITMAP CreateBitmap(const Pixels& pixels);

}  // namespace ui::win32
