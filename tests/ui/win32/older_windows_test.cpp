// The window as Windows 7 and 8.1 build it, without the functions of Windows 10 1607, against the
// window as this system builds it: the same DPI, font, scale, layout, frame and icons, at the DPI
// the test runs at and at each DPI a move to another monitor brings. (Under Wine every function
// exists: the older systems are the window given fewer of them.)
#include "window_fixture.h"

#include "ui/control_table.h"
#include "ui/win32/system_functions.h"

#include <string>
#include <vector>

namespace {

using ui::win32::Form2Window;
using win32_test::Describe;
using win32_test::RectInParent;
using ui::win32::SystemFunctions;


SIZE IconSize(HWND window, WPARAM which) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
}

// What a window shows of its build, as one text a line, so that a difference reads as one.
std::vector<std::string> Build(const Form2Window& form) {
    std::vector<std::string> lines;
    lines.push_back("dpi " + std::to_string(form.Dpi()) + ", scale " + std::to_string(form.Scale()));
    RECT frame, client;
    GetWindowRect(form.WindowHandle(), &frame);
    GetClientRect(form.WindowHandle(), &client);
    lines.push_back("frame " + Describe(frame) + ", client " + Describe(client));
    for (const ui::ControlRow& row : ui::ControlTable()) {
        if (!ui::IsShown(row)) continue;
        const RECT r = RectInParent(form.ControlHandle(row.id));
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.ControlHandle(row.id), WM_GETFONT, 0, 0)), sizeof font, &font);
        const std::wstring face = font.lfFaceName;
        lines.push_back(std::string(row.name) + " at " + Describe(r) + " in " + std::string(face.begin(), face.end()) +
                        " " + std::to_string(font.lfHeight) + " px, weight " + std::to_string(font.lfWeight));
    }
    for (const WPARAM which : {ICON_BIG, ICON_SMALL}) {
        const SIZE icon = IconSize(form.WindowHandle(), which);
        lines.push_back((which == ICON_BIG ? "large icon " : "small icon ") + std::to_string(icon.cx) + "x" +
                        std::to_string(icon.cy));
    }
    return lines;
}

// A monitor whose DPI is not the system's: 120, the display settings' 125 %, as the effective DPI
// that the window asks for (MDT_EFFECTIVE_DPI); its raw and angular DPIs, which the window must
// not take for it, are others.
constexpr UINT kMonitorDpi = 120;
constexpr int kEffectiveDpi = 0;
HRESULT WINAPI DpiOfTheMonitor(HMONITOR, int type, UINT* x, UINT* y) {
    *x = *y = type == kEffectiveDpi ? kMonitorDpi : 110;
    return S_OK;
}
UINT WINAPI DpiOfAWindowOnTheMonitor(HWND) { return kMonitorDpi; }

// Windows 8.1 on that monitor, and this system there, whose window's frame Windows 8.1 draws at
// the system's DPI all the same.
SystemFunctions AsOnWindows81OnTheMonitor() {
    SystemFunctions system = ui::win32::AsOnWindows81();
    system.getDpiForMonitor = DpiOfTheMonitor;
    return system;
}
SystemFunctions ThisSystemOnTheMonitor() {
    SystemFunctions system = SystemFunctions::OfThisSystem();
    system.getDpiForWindow = DpiOfAWindowOnTheMonitor;
    system.adjustWindowRectExForDpi = nullptr;
    return system;
}

struct OlderSystem {
    const char* name;
    SystemFunctions functions;
    SystemFunctions reference = SystemFunctions::OfThisSystem();  // this system, where the older one is
};

std::vector<OlderSystem> OlderSystems() {
    return {{"Windows 8.1", ui::win32::AsOnWindows81()},
            {"Windows 7", ui::win32::AsOnWindows7()},
            {"Windows 8.1 on a monitor of 120 dpi", AsOnWindows81OnTheMonitor(), ThisSystemOnTheMonitor()}};
}

// A monitor of another DPI: the message Windows sends, with the rectangle it proposes.
void MoveToDpi(Form2Window& form, UINT dpi) {
    const RECT proposed{20, 10, 20 + MulDiv(520, dpi, 96), 10 + MulDiv(460, dpi, 96)};
    SendMessageW(form.WindowHandle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&proposed));
}

// What each older system has of the functions the window looks up (Microsoft's documentation).
TEST(OlderSystems, LackTheFunctionsOfLaterVersions) {
    struct Row {
        const char* name;
        SystemFunctions functions;
        bool dpiForMonitor;
    };
    const Row rows[] = {{"Windows 8.1", ui::win32::AsOnWindows81(), true}, {"Windows 7", ui::win32::AsOnWindows7(), false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.functions.getDpiForWindow, nullptr);
        EXPECT_EQ(row.functions.adjustWindowRectExForDpi, nullptr);
        EXPECT_EQ(row.functions.systemParametersInfoForDpi, nullptr);
        EXPECT_EQ(row.functions.getDpiForMonitor != nullptr, row.dpiForMonitor);
    }
}

TEST_F(Win32WindowTest, OlderSystemsBuildTheSameWindow) {
    const SystemFunctions& system = SystemFunctions::OfThisSystem();
    ASSERT_TRUE(system.getDpiForWindow && system.systemParametersInfoForDpi && system.adjustWindowRectExForDpi &&
                system.getDpiForMonitor)
        << "this system lacks a function of Windows 10 1607: there is nothing to compare with";
    for (const OlderSystem& older : OlderSystems()) {
        SCOPED_TRACE(older.name);
        const Form2Window reference(GetModuleHandleW(nullptr), older.reference);
        const Form2Window form(GetModuleHandleW(nullptr), older.functions);
        ASSERT_NE(form.WindowHandle(), nullptr);
        EXPECT_EQ(Build(form), Build(reference));
    }
}

TEST_F(Win32WindowTest, OlderSystemsFollowANewDpiAsThisOneDoes) {
    for (const OlderSystem& older : OlderSystems()) {
        for (const UINT dpi : {120u, 144u, 192u, 96u}) {
            SCOPED_TRACE(std::string(older.name) + " to " + std::to_string(dpi) + " dpi");
            Form2Window reference(GetModuleHandleW(nullptr), older.reference);
            Form2Window form(GetModuleHandleW(nullptr), older.functions);
            MoveToDpi(reference, dpi);
            MoveToDpi(form, dpi);
            EXPECT_EQ(Build(form), Build(reference));
        }
    }
}

}  // namespace
