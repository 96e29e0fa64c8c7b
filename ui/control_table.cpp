#include "control_table.h"

#include "form2.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

using enum Control;
using enum ControlKind;

// Sorted by name as in the window's design; the tab order comes from the tab column.
constexpr ControlRow kControls[] = {
    // id     name        kind           left   top  width height content          tab  handler                   label for
    {Label1,   "Label1",   Label,          3600,  480, 1335,  375, u"Locatore 1",     9, nullptr,                  Text3},
    {Label2,   "Label2",   Label,          3600,  960, 1335,  255, u"Locatore 2",    10, nullptr,                  Text5},
    {Label3,   "Label3",   Label,          3600, 1440, 1095,  255, u"Km",            11, nullptr,                  Text6},
    {Label4,   "Label4",   Label,          3600, 1920, 1215,  255, u"Puntamento",    12, nullptr,                  Text1},
    {Text1,    "Text1",    TextBox,        5040, 1800, 1215,  375, kPlaceholderText,  1},
    {Text2,    "Text2",    HiddenTextBox,  3720, 4440, 1215,  375, u"Text2",          2},
    {Text3,    "Text3",    TextBox,        5040,  360, 1215,  375, kHomeLocator,      3, &Form2::Text3_Change},
    {Text4,    "Text4",    HiddenTextBox,  3720, 4920, 1215,  375, u"Text4",          4},
    {Text5,    "Text5",    TextBox,        5040,  840, 1215,  375, kPlaceholderText,  5, &Form2::Text5_Change},
    {Text6,    "Text6",    TextBox,        5040, 1320, 1215,  375, kPlaceholderText,  6},
    {Text7,    "Text7",    HiddenTextBox,  5160, 4440, 1095,  375, u"Text7",          7},
    {Text8,    "Text8",    HiddenTextBox,  5160, 4920, 1095,  375, u"Text8",          8},
    {Command1, "Command1", Button,         3480, 3000, 1575,  375, u"Calcola",       13, &Form2::Command1_Click},
    {Command2, "Command2", Button,         5160, 3000, 1455,  375, u"Esci",          14, &Form2::Command2_Click},
    {Picture1, "Picture1", PictureBox,        0,    0, 2775, 6400, u"compass",        0},
    {Picture2, "Picture2", PictureBox,     3360, 3720,  640,  370, u"flag_uk",       15, &Form2::Picture2_Click},
    {Picture3, "Picture3", PictureBox,     4440, 3720,  640,  375, u"flag_it",       16, &Form2::Picture3_Click},
    {Picture4, "Picture4", PictureBox,     5400, 3650, 1540,  495, u"ruler",         17, &Form2::Picture4_Click},
};

// The table lists the controls in the order of their ids, so that an id indexes its row.
constexpr bool RowsFollowTheIds() {
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        if (static_cast<std::size_t>(kControls[i].id) != i) return false;
    }
    return true;
}
static_assert(RowsFollowTheIds());
static_assert(std::size(kControls) == kControlCount);

bool TakesFocus(const ControlRow& row) { return row.kind != Label && IsShown(row); }

}  // namespace

bool IsShown(const ControlRow& row) { return row.kind != HiddenTextBox; }

std::span<const ControlRow> ControlTable() { return kControls; }

const ControlRow& RowOf(Control control) { return kControls[static_cast<std::size_t>(control)]; }

std::vector<Control> TabOrder() {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : kControls) {
        if (TakesFocus(row)) rows.push_back(&row);
    }
    std::sort(rows.begin(), rows.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    std::vector<Control> order;
    for (const ControlRow* row : rows) order.push_back(row->id);
    return order;
}

int TwipsToPixels(int twips, double scale) {
    return static_cast<int>(std::floor(twips * scale / kTwipsPerPixel + 0.5));
}

PixelRect TwipsToPixels(const ControlRow& row, double scale) {
    return {TwipsToPixels(row.left, scale), TwipsToPixels(row.top, scale), TwipsToPixels(row.width, scale),
            TwipsToPixels(row.height, scale)};
}

}  // namespace ui
