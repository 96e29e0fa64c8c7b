#include "control_table.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

using enum Control;
using enum ControlKind;
using enum Event;

// A row's id and its name, spelled once.
#define CONTROL(id) id, #id

// Sorted by name as in the window's design; the tab order comes from the tab column.
constexpr ControlRow kControls[] = {
    // id, name        role                      kind           left   top  width height content          tab  event  label for
    {CONTROL(Label1),   "first locator's label",  Label,          3600,  480, 1335,  375, u"Locatore 1",     9, None,  Text3},
    {CONTROL(Label2),   "second locator's label", Label,          3600,  960, 1335,  255, u"Locatore 2",    10, None,  Text5},
    {CONTROL(Label3),   "distance unit",          Label,          3600, 1440, 1095,  255, u"Km",            11, None,  Text6},
    {CONTROL(Label4),   "bearing's label",        Label,          3600, 1920, 1215,  255, u"Puntamento",    12, None,  Text1},
    {CONTROL(Text1),    "bearing",                TextBox,        5040, 1800, 1215,  375, kPlaceholderText,  1},
    {CONTROL(Text2),    "first longitude",        HiddenTextBox,  3720, 4440, 1215,  375, u"Text2",          2},
    {CONTROL(Text3),    "first locator",          TextBox,        5040,  360, 1215,  375, kHomeLocator,      3, Change},
    {CONTROL(Text4),    "second latitude",        HiddenTextBox,  3720, 4920, 1215,  375, u"Text4",          4},
    {CONTROL(Text5),    "second locator",         TextBox,        5040,  840, 1215,  375, kPlaceholderText,  5, Change},
    {CONTROL(Text6),    "distance",               TextBox,        5040, 1320, 1215,  375, kPlaceholderText,  6},
    {CONTROL(Text7),    "first latitude",         HiddenTextBox,  5160, 4440, 1095,  375, u"Text7",          7},
    {CONTROL(Text8),    "second longitude",       HiddenTextBox,  5160, 4920, 1095,  375, u"Text8",          8},
    {CONTROL(Command1), "Calculate",              Button,         3480, 3000, 1575,  375, u"Calcola",       13, Click},
    {CONTROL(Command2), "Exit",                   Button,         5160, 3000, 1455,  375, u"Esci",          14, Click},
    {CONTROL(Picture1), "compass",                PictureBox,        0,    0, 2775, 6400, u"compass",        0},
    {CONTROL(Picture2), "English flag",           PictureBox,     3360, 3720,  640,  370, u"flag_uk",       15, Click},
    {CONTROL(Picture3), "Italian flag",           PictureBox,     4440, 3720,  640,  375, u"flag_it",       16, Click},
    {CONTROL(Picture4), "ruler",                  PictureBox,     5400, 3650, 1540,  495, u"ruler",         17, Click},
};

#undef CONTROL

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
