#include "wic_image.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstring>
#include <limits>

namespace ui::win32 {
namespace {

using Microsoft::WRL::ComPtr;

constexpr UINT kBytesPerPixel = 4;
constexpr UINT kFirstFrame = 0;

// The frame converted to 32-bit BGRA on the fly, or nullptr; WIC converts from any pixel format.
ComPtr<IWICFormatConverter> ConvertedFirstFrame(IWICImagingFactory* factory, const void* data, std::size_t size) {
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    // The stream reads the caller's bytes in place; WIC's interface wants them non-const.
    BYTE* bytes = static_cast<BYTE*>(const_cast<void*>(data));
    if (size > std::numeric_limits<DWORD>::max() || FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(bytes, static_cast<DWORD>(size))) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(kFirstFrame, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom)))
        return nullptr;
    return converter;
}

}  // namespace

std::optional<Pixels> DecodeImage(const void* data, std::size_t size) {
    if (!data || size == 0) return std::nullopt;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))))
        return std::nullopt;
    const ComPtr<IWICFormatConverter> converter = ConvertedFirstFrame(factory.Get(), data, size);
    UINT width = 0, height = 0;
    if (!converter || FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > std::numeric_limits<UINT>::max() / kBytesPerPixel / height)
        return std::nullopt;
    Pixels pixels;
    pixels.width = static_cast<int>(width);
    pixels.height = static_cast<int>(height);
    const UINT stride = width * kBytesPerPixel;
    pixels.bgra.resize(static_cast<std::size_t>(stride) * height);
    if (FAILED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.bgra.size()), pixels.bgra.data())))
        return std::nullopt;
    return pixels;
}

HBITMAP CreateBitmap(const Pixels& pixels) {
    if (pixels.width <= 0 || pixels.height <= 0 ||
        pixels.bgra.size() != static_cast<std::size_t>(pixels.width) * pixels.height * kBytesPerPixel)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;  // negative: rows top-down, as decoded
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) return nullptr;
    std::memcpy(bits, pixels.bgra.data(), pixels.bgra.size());  // 32-bit rows need no padding
    return bitmap;
}

}  // namespace ui::win32
