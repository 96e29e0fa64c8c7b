// The pictures as WIC decodes them from the exe's resources under Windows (or Wine).
#include "../pictures.h"

#include "ui/win32/resource_data.h"
#include "ui/win32/wic_image.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>

namespace {

using ui::win32::DecodeImage;
using ui::win32::Pixels;

// WIC needs COM on the thread; every test here runs on the main thread.
class WicImage : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    static void TearDownTestSuite() { CoUninitialize(); }
};

std::optional<Pixels> DecodeResource(std::u16string_view name) {
    const ui::win32::ResourceBytes bytes = ui::win32::RcdataResource(name);
    if (!bytes.data) return std::nullopt;
    return DecodeImage(bytes.data, bytes.size);
}

struct Colour {
    int blue, green, red, alpha;
};

std::ostream& operator<<(std::ostream& os, const Colour& c) {
    return os << "rgb(" << c.red << ", " << c.green << ", " << c.blue << ") alpha " << c.alpha;
}

Colour At(const Pixels& p, int x, int y) {
    const std::uint8_t* px = &p.bgra[(static_cast<std::size_t>(y) * p.width + x) * 4];
    return {px[0], px[1], px[2], px[3]};
}

// --- Every picture and its drawing at twice the size (named name_2x), at their sizes ---

TEST_F(WicImage, EveryPictureDecodesToItsSize) {
    for (const auto& [name, width, height] : pictures::kNaturalSizes) {
        for (const int scale : {1, 2}) {
            SCOPED_TRACE(testing::Message() << name << " at " << scale);
            const std::u16string resource = std::u16string(name.begin(), name.end()) + (scale == 2 ? u"_2x" : u"");
            const std::optional<Pixels> p = DecodeResource(resource);
            ASSERT_TRUE(p.has_value());
            EXPECT_EQ(p->width, width * scale);
            EXPECT_EQ(p->height, height * scale);
            EXPECT_EQ(p->bgra.size(), static_cast<std::size_t>(p->width) * p->height * 4);
        }
    }
}

// --- The photographs: colours where the drawing puts them ---

// One point of a picture drawn at scale 1, in the generator's own coordinates, and the colour
// the generator painted there.
struct Sample {
    const char* what;
    int x, y;
    Colour colour;
};

struct JpegCase {
    const char* name;
    std::u16string_view resource;
    int scale;
    std::vector<Sample> samples;
    int tolerance;  // per channel: JPEG's loss at quality 90 to 92, and the generator's grain
};

void PrintTo(const JpegCase& c, std::ostream* os) { *os << c.name; }

class JpegPictures : public WicImage, public testing::WithParamInterface<JpegCase> {};

TEST_P(JpegPictures, ColoursWhereTheDrawingPutsThem) {
    const JpegCase& c = GetParam();
    const std::optional<Pixels> p = DecodeResource(c.resource);
    ASSERT_TRUE(p.has_value());
    for (const Sample& s : c.samples) {
        // The middle of the scale x scale pixels that one generator pixel became.
        const Colour got = At(*p, s.x * c.scale + c.scale / 2, s.y * c.scale + c.scale / 2);
        const Colour& want = s.colour;
        EXPECT_LE(std::abs(got.red - want.red), c.tolerance) << s.what << ": " << got;
        EXPECT_LE(std::abs(got.green - want.green), c.tolerance) << s.what << ": " << got;
        EXPECT_LE(std::abs(got.blue - want.blue), c.tolerance) << s.what << ": " << got;
        EXPECT_EQ(got.alpha, 255) << s.what;
    }
}

// tools/imagegen: the tricolore's bands (0-12, 13-26, 27-39 of 40), the union flag's blue field
// between the diagonals and the red centre of its cross, the ruler's yellow wood between its
// scales (the gradient's colour at that height).
const Colour kGreen{70, 146, 0, 255}, kWhite{240, 245, 244, 255}, kRed{55, 43, 206, 255};
const Colour kUnionBlue{105, 33, 1, 255}, kUnionRed{46, 16, 200, 255}, kWood{37, 189, 232, 255};
const std::vector<Sample> kItalianBands = {{"green band", 4, 10, kGreen},  {"green band", 8, 3, kGreen},
                                           {"white band", 19, 10, kWhite}, {"white band", 21, 16, kWhite},
                                           {"red band", 33, 10, kRed},     {"red band", 36, 4, kRed}};
const std::vector<Sample> kUnionFlag = {{"blue field, upper left", 13, 2, kUnionBlue},
                                        {"blue field, lower right", 26, 17, kUnionBlue},
                                        {"red centre of the cross", 20, 10, kUnionRed}};
const std::vector<Sample> kRulerWood = {{"wood between the scales", 80, 22, kWood},
                                        {"wood between the scales", 90, 21, kWood}};

INSTANTIATE_TEST_SUITE_P(
    Photographs, JpegPictures,
    testing::Values(JpegCase{"FlagIt", u"flag_it", 1, kItalianBands, 16},
                    JpegCase{"FlagIt2x", u"flag_it_2x", 2, kItalianBands, 16},
                    JpegCase{"FlagUk", u"flag_uk", 1, kUnionFlag, 20},
                    JpegCase{"FlagUk2x", u"flag_uk_2x", 2, kUnionFlag, 20},
                    JpegCase{"Ruler", u"ruler", 1, kRulerWood, 28},
                    JpegCase{"Ruler2x", u"ruler_2x", 2, kRulerWood, 28}),
    [](const auto& info) { return std::string(info.param.name); });

// --- What is not a picture, and the bitmap for drawing ---

TEST_F(WicImage, BytesThatAreNoPictureGiveNothing) {
    const char garbage[] = "not a picture at all, neither BMP nor JPEG";
    EXPECT_FALSE(DecodeImage(garbage, sizeof garbage).has_value());
    EXPECT_FALSE(DecodeImage(garbage, 0).has_value());
    EXPECT_FALSE(DecodeImage(nullptr, 100).has_value());
    const ui::win32::ResourceBytes jpeg = ui::win32::RcdataResource(u"flag_it");
    ASSERT_NE(jpeg.data, nullptr);
    EXPECT_FALSE(DecodeImage(jpeg.data, 16).has_value()) << "the first 16 bytes of a JPEG";
}

COLORREF Rgb(const Colour& c) { return RGB(c.red, c.green, c.blue); }

// GDI reads the bitmap's rows the way they were decoded: the compass's top row on top.
TEST_F(WicImage, BitmapHoldsThePixelsTopDown) {
    const std::optional<Pixels> p = DecodeResource(u"compass");
    ASSERT_TRUE(p.has_value());
    HBITMAP bitmap = ui::win32::CreateBitmap(*p);
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, p->width);
    EXPECT_EQ(dib.dsBm.bmHeight, p->height);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
    ASSERT_NE(dib.dsBm.bmBits, nullptr);
    EXPECT_EQ(std::memcmp(dib.dsBm.bmBits, p->bgra.data(), p->bgra.size()), 0);

    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const int bottom = p->height - 1;
    ASSERT_NE(Rgb(At(*p, 5, 0)), Rgb(At(*p, 5, bottom))) << "the test needs rows that differ";
    EXPECT_EQ(GetPixel(dc, 5, 0), Rgb(At(*p, 5, 0)));
    EXPECT_EQ(GetPixel(dc, 5, bottom), Rgb(At(*p, 5, bottom)));
    EXPECT_EQ(GetPixel(dc, 150, 262), Rgb(At(*p, 150, 262)));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    EXPECT_EQ(ui::win32::CreateBitmap(Pixels{}), nullptr);
    EXPECT_EQ(ui::win32::CreateBitmap(Pixels{2, 2, std::vector<std::uint8_t>(3)}), nullptr) << "too few bytes";
}

}  // namespace
