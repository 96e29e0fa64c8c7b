#include "system_functions.h"

namespace ui::win32 {
namespace {

// A function of a loaded DLL as the type it has, or nullptr. (Through void (*)(), the one type
// that GCC lets a function pointer be cast to and from without a warning.)
template <typename Function>
void Find(Function& function, HMODULE dll, const char* name) {
    const FARPROC found = dll ? GetProcAddress(dll, name) : nullptr;
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// shcore.dll only from the system directory; Windows 7 has none, and the look-up fails there.
// Loaded for the rest of the program's run.
HMODULE LoadShcore() { return LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32); }

SystemFunctions LookUp() {
    SystemFunctions found;
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    Find(found.getDpiForWindow, user32, "GetDpiForWindow");
    Find(found.adjustWindowRectExForDpi, user32, "AdjustWindowRectExForDpi");
    Find(found.systemParametersInfoForDpi, user32, "SystemParametersInfoForDpi");
    Find(found.getDpiForMonitor, LoadShcore(), "GetDpiForMonitor");
    return found;
}

}  // namespace

const SystemFunctions& SystemFunctions::OfThisSystem() {
    static const SystemFunctions found = LookUp();
    return found;
}

SystemFunctions AsOnWindows81(const SystemFunctions& system) {
    SystemFunctions older;
    older.getDpiForMonitor = system.getDpiForMonitor;
    return older;
}

SystemFunctions AsOnWindows7(const SystemFunctions&) { return SystemFunctions{}; }

}  // namespace ui::win32
