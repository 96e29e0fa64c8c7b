// The program's resources as Windows sees them in the built exe: icons, pictures, version, manifest.
#include "ui/win32/resource.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <cstdint>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

// The bytes of a resource of this exe; empty when there is none.
std::string ResourceBytes(LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(nullptr, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const char* data = static_cast<const char*>(LockResource(loaded));
    return data ? std::string(data, SizeofResource(nullptr, found)) : std::string();
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An icon group resource: a header, then one entry per image (GRPICONDIR, GRPICONDIRENTRY).
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

struct IconImage {
    int size, bitCount;
    bool png = false;  // stored as a PNG file, as Windows reads the large ones since Vista
    bool operator==(const IconImage&) const = default;
};

void PrintTo(const IconImage& i, std::ostream* os) {
    *os << i.size << " px " << i.bitCount << " bit" << (i.png ? " PNG" : "");
}

std::vector<IconImage> IconGroup(int id) {
    const std::string group = ResourceBytes(MAKEINTRESOURCEW(id), RT_GROUP_ICON);
    std::vector<IconImage> images;
    if (group.size() < 6) return images;
    const WORD count = static_cast<WORD>(static_cast<unsigned char>(group[4]) | static_cast<unsigned char>(group[5]) << 8);
    for (WORD i = 0; i < count && 6 + (i + 1) * sizeof(GroupIconEntry) <= group.size(); ++i) {
        GroupIconEntry e;
        memcpy(&e, group.data() + 6 + i * sizeof e, sizeof e);
        const bool png = ResourceBytes(MAKEINTRESOURCEW(e.id), RT_ICON).starts_with("\x89PNG\r\n\x1a\n");
        images.push_back({e.width == 0 ? 256 : e.width, e.bitCount, png});
    }
    return images;
}

// The program file's icon holds exactly the sizes that Windows shell surfaces use, in 32-bit
// colour, the 256 px image as PNG; the window's, the two 24 px images.
TEST(ProgramResources, IconsHoldTheirSizes) {
    const std::vector<IconImage> program = {{16, 32}, {20, 32}, {24, 32}, {32, 32},
                                            {40, 32}, {48, 32}, {64, 32}, {256, 32, true}};
    EXPECT_EQ(IconGroup(IDI_PROGRAM), program);
    const std::vector<IconImage> window = {{24, 8}, {24, 32}};
    EXPECT_EQ(IconGroup(IDI_WINDOW), window);
}

// The system picks the image of the size asked for, the PNG one included.
TEST(ProgramResources, ProgramIconLoadsAtEachSize) {
    for (const int size : {16, 32, 48, 256}) {
        HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << size;
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

// Each picture's file, named by its stem (compass@2x.jpg as compass_2x).
TEST(ProgramResources, PicturesHoldTheirFilesUnchanged) {
    const std::pair<const wchar_t*, const char*> pictures[] = {
        {L"compass", "compass.png"}, {L"compass_2x", "compass@2x.jpg"}, {L"flag_uk", "flag_uk.jpg"},
        {L"flag_uk_2x", "flag_uk@2x.jpg"}, {L"flag_it", "flag_it.jpg"}, {L"flag_it_2x", "flag_it@2x.jpg"},
        {L"ruler", "ruler.jpg"}, {L"ruler_2x", "ruler@2x.jpg"}};
    for (const auto& [name, file] : pictures) {
        const std::string bytes = FileBytes(std::string(TARVOLIN_IMAGES_DIR) + "/" + file);
        ASSERT_FALSE(bytes.empty()) << "cannot read " << file;
        EXPECT_TRUE(ResourceBytes(name, RT_RCDATA) == bytes) << file;
    }
}

// The version block, read the documented way: a copy of the exe's version resource.
std::vector<char> VersionBlock() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const DWORD size = GetFileVersionInfoSizeW(path, nullptr);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, block.data())) block.clear();
    return block;
}

TEST(ProgramResources, VersionIsTheProjectVersion) {
    std::vector<char> block = VersionBlock();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const std::string version = TARVOLIN_PROJECT_VERSION;  // "major.minor"
    const DWORD major = std::stoul(version), minor = std::stoul(version.substr(version.find('.') + 1));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(minor, major));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(minor, major));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\000004b0\\ProductVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), std::wstring(version.begin(), version.end()));
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\000004b0\\ProductName",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), L"Tarvolin utility");
}

TEST(ProgramResources, ManifestIsEmbeddedAsResourceOne) {
    const std::string manifest = ResourceBytes(MAKEINTRESOURCEW(1), RT_MANIFEST);
    EXPECT_EQ(manifest, FileBytes(std::string(TARVOLIN_WIN32_DIR) + "/tarvolin.manifest"));
    for (const char* part : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "level=\"asInvoker\"",
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", ">PerMonitorV2, PerMonitor<", ">true/pm<",
                             // Windows 7, 8 and 8.1
                             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
    return text;
}

// The manifest takes effect: the loader binds the side-by-side Common Controls 6 (from WinSxS)
// instead of the system directory's version 5. The file says so; DllGetVersion does not under
// Wine 8, whose side-by-side copy reports 5.80 too.
TEST(ProgramResources, ManifestSelectsCommonControlsSix) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_STANDARD_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(comctl, path, MAX_PATH), 0u);
    EXPECT_NE(Lower(path).find(L"\\winsxs\\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
              std::wstring::npos)
        << "comctl32 loaded from " << testing::PrintToString(std::wstring(path));
}

// Per-Monitor V2 where the system knows it, else the manifest's fallback Per-Monitor (Wine 8 knows
// no V2). Wine makes every process per-monitor aware, manifest or none: there this checks only
// that the manifest does not make it less.
TEST(ProgramResources, ManifestMakesTheProcessPerMonitorAware) {
    const DPI_AWARENESS_CONTEXT context = GetThreadDpiAwarenessContext();
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(context), DPI_AWARENESS_PER_MONITOR_AWARE);
    if (IsValidDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
        EXPECT_TRUE(AreDpiAwarenessContextsEqual(context, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2));
    }
}

}  // namespace
