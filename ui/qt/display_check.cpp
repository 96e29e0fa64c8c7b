#include "display_check.h"

#include <cstdlib>
#include <cstring>

namespace ui::qt {
namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

bool PlatformOnCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
    }
    return false;
}

}  // namespace

const char* const kNoDisplayMessage =
    "tarvolin: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
    "start it from a desktop session, or on a virtual display with: xvfb-run -a tarvolin\n";

bool DisplayAvailable(int argc, char** argv) {
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM") ||
           PlatformOnCommandLine(argc, argv);
}

}  // namespace ui::qt
