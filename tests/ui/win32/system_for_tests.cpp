#include "system_for_tests.h"

#include <cstring>
#include <string_view>

namespace win32_test {
namespace {

ui::win32::SystemFunctions chosen = ui::win32::SystemFunctions::OfThisSystem();

}  // namespace

const ui::win32::SystemFunctions& SystemForTests() { return chosen; }

bool ChooseSystemForTests(int& argc, char** argv) {
    constexpr std::string_view kOption = "--as-on=";
    bool known = true;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!argument.starts_with(kOption)) {
            argv[kept++] = argv[i];
            continue;
        }
        const std::string_view system = argument.substr(kOption.size());
        if (system == "windows7") {
            chosen = ui::win32::AsOnWindows7();
        } else if (system == "windows8.1") {
            chosen = ui::win32::AsOnWindows81();
        } else {
            known = false;
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return known;
}

}  // namespace win32_test
