// Writes a picture file as the system decodes it (WIC) into a binary PPM, so that a screenshot of
// the program can be compared with exactly the pixels the program was given to draw: JPEG
// decoders differ in their last bits (Wine's WIC and libjpeg by up to a quarter of the range).
//   decode_picture PICTURE OUT.ppm      (Windows paths; under Wine, Z: is the Linux root)
#include "ui/win32/wic_image.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto pixels = ui::win32::DecodeImage(bytes.data(), bytes.size());
    if (!pixels) return 1;
    FILE* out = _wfopen(argv[2], L"wb");
    if (!out) return 1;
    std::fprintf(out, "P6\n%d %d\n255\n", pixels->width, pixels->height);
    for (std::size_t i = 0; i < pixels->bgra.size(); i += 4) {
        const unsigned char rgb[3] = {pixels->bgra[i + 2], pixels->bgra[i + 1], pixels->bgra[i]};
        std::fwrite(rgb, 1, sizeof rgb, out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
