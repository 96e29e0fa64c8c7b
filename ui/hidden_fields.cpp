#include "hidden_fields.h"

namespace ui {

HiddenFields::HiddenFields() {
    for (const ControlRow& row : ControlTable()) {
        if (Holds(row.id)) SetText(row.id, row.content);
    }
}

}  // namespace ui
