// A reference for start-up measurements under Windows: a plain Win32 window with the program's
// eighteen controls at their places (4 labels, 8 edit fields of which 4 hidden, 2 buttons, 4
// picture boxes showing the pictures as WIC decodes them from the resources), and nothing else.
// What tarvolin.exe costs beyond this is its own. Closing the window ends it.
#include "ui/win32/resource.h"
#include "ui/win32/resource_data.h"
#include "ui/win32/wic_image.h"

#include <windows.h>

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kClientWidthTwips = 7380, kClientHeightTwips = 6255;
constexpr wchar_t kWindowClass[] = L"TarvolinBareWindow";
constexpr wchar_t kPictureClass[] = L"TarvolinBarePicture";

struct Control {
    const wchar_t* windowClass;  // nullptr: a picture box
    const wchar_t* text;
    int left, top, width, height;  // twips
    bool visible;
    const char16_t* picture;  // the RCDATA resource of a picture box's image
};

// The program's layout table, in twips.
constexpr Control kControls[] = {
    {L"STATIC", L"Locatore 1", 3600, 480, 1335, 375, true, nullptr},
    {L"STATIC", L"Locatore 2", 3600, 960, 1335, 255, true, nullptr},
    {L"STATIC", L"Km", 3600, 1440, 1095, 255, true, nullptr},
    {L"STATIC", L"Puntamento", 3600, 1920, 1215, 255, true, nullptr},
    {L"EDIT", L"...", 5040, 1800, 1215, 375, true, nullptr},
    {L"EDIT", L"Text2", 3720, 4440, 1215, 375, false, nullptr},
    {L"EDIT", L"JN61FV", 5040, 360, 1215, 375, true, nullptr},
    {L"EDIT", L"Text4", 3720, 4920, 1215, 375, false, nullptr},
    {L"EDIT", L"...", 5040, 840, 1215, 375, true, nullptr},
    {L"EDIT", L"...", 5040, 1320, 1215, 375, true, nullptr},
    {L"EDIT", L"Text7", 5160, 4440, 1095, 375, false, nullptr},
    {L"EDIT", L"Text8", 5160, 4920, 1095, 375, false, nullptr},
    {L"BUTTON", L"Calcola", 3480, 3000, 1575, 375, true, nullptr},
    {L"BUTTON", L"Esci", 5160, 3000, 1455, 375, true, nullptr},
    {nullptr, nullptr, 0, 0, 2775, 6400, true, u"compass"},
    {nullptr, nullptr, 3360, 3720, 640, 370, true, u"flag_uk"},
    {nullptr, nullptr, 4440, 3720, 640, 375, true, u"flag_it"},
    {nullptr, nullptr, 5400, 3650, 1540, 495, true, u"ruler"},
};

int Pixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch); }

// A picture box paints its bitmap (window data) at its top-left corner, unscaled, clipped.
LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBITMAP bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA));
        BITMAP size{};
        if (bitmap && GetObjectW(bitmap, sizeof size, &size)) {
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ previous = SelectObject(source, bitmap);
            BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
            SelectObject(source, previous);
            DeleteDC(source);
        }
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_NCDESTROY) DeleteObject(reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    return DefWindowProcW(window, message, wParam, lParam);
}

HBITMAP PictureBitmap(const char16_t* name) {
    const ui::win32::ResourceBytes bytes = ui::win32::RcdataResource(name);
    const auto pixels = ui::win32::DecodeImage(bytes.data, bytes.size);
    return pixels ? ui::win32::CreateBitmap(*pixels) : nullptr;
}

void CreateControls(HWND window, UINT dpi, HFONT font) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const Control& c : kControls) {
        const DWORD visible = c.visible ? WS_VISIBLE : 0;
        const bool picture = c.windowClass == nullptr;
        const bool edit = !picture && lstrcmpW(c.windowClass, L"EDIT") == 0;
        const DWORD exStyle = picture || edit ? WS_EX_CLIENTEDGE : 0;
        const DWORD style = WS_CHILD | visible | (edit ? ES_AUTOHSCROLL : 0);
        HWND control = CreateWindowExW(exStyle, picture ? kPictureClass : c.windowClass, c.text, style,
                                       Pixels(c.left, dpi), Pixels(c.top, dpi), Pixels(c.width, dpi),
                                       Pixels(c.height, dpi), window, nullptr, instance, nullptr);
        if (picture) SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(PictureBitmap(c.picture)));
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HFONT MessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

bool RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW window{};
    window.cbSize = sizeof window;
    window.lpfnWndProc = WindowProc;
    window.hInstance = instance;
    window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_WINDOW), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    window.lpszClassName = kWindowClass;
    WNDCLASSEXW picture{};
    picture.cbSize = sizeof picture;
    picture.lpfnWndProc = PictureProc;
    picture.hInstance = instance;
    picture.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    picture.lpszClassName = kPictureClass;
    return RegisterClassExW(&window) && RegisterClassExW(&picture);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) || !RegisterClasses(instance)) return 1;
    const DWORD style = WS_OVERLAPPEDWINDOW, exStyle = 0;
    const UINT dpi = GetDpiForSystem();
    RECT frame{0, 0, Pixels(kClientWidthTwips, dpi), Pixels(kClientHeightTwips, dpi)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HWND window = CreateWindowExW(exStyle, kWindowClass, L"Tarvolin utility: bare Win32 window", style,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                  instance, nullptr);
    if (!window) return 1;
    HFONT font = MessageFont(dpi);
    CreateControls(window, dpi, font);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
    CoUninitialize();
    return 0;
}
