#include "control_ids.h"

#include <windows.h>

namespace ui::win32 {
namespace {

// Far from IDOK, IDCANCEL and the other identifiers that dialog code gives a meaning.
constexpr int kFirstControlId = 1000;

}  // namespace

int ControlId(Control control) {
    if (control == kExitButton) return IDCANCEL;
    return kFirstControlId + static_cast<int>(control);
}

std::optional<Control> ControlOfId(int id) {
    if (id == IDCANCEL) return kExitButton;
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(ControlTable().size())) return std::nullopt;
    const auto control = static_cast<Control>(index);
    if (control == kExitButton) return std::nullopt;
    return control;
}

}  // namespace ui::win32
