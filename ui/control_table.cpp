#include "control_table.h"

#include <QtMath>

namespace ui {
namespace {

using enum ControlKind;

// Sorted by name as in the window's design; the tab order comes from the last column.
constexpr ControlRow kControls[] = {
    // name        kind           left   top  width height content              tab  label for
    {"Label1",   Label,          3600,  480, 1335,  375, "Locatore 1",          9, "Text3"},
    {"Label2",   Label,          3600,  960, 1335,  255, "Locatore 2",         10, "Text5"},
    {"Label3",   Label,          3600, 1440, 1095,  255, "Km",                 11, "Text6"},
    {"Label4",   Label,          3600, 1920, 1215,  255, "Puntamento",         12, "Text1"},
    {"Text1",    TextBox,        5040, 1800, 1215,  375, kPlaceholderText,      1},
    {"Text2",    HiddenTextBox,  3720, 4440, 1215,  375, "Text2",               2},
    {"Text3",    TextBox,        5040,  360, 1215,  375, kHomeLocator,          3},
    {"Text4",    HiddenTextBox,  3720, 4920, 1215,  375, "Text4",               4},
    {"Text5",    TextBox,        5040,  840, 1215,  375, kPlaceholderText,      5},
    {"Text6",    TextBox,        5040, 1320, 1215,  375, kPlaceholderText,      6},
    {"Text7",    HiddenTextBox,  5160, 4440, 1095,  375, "Text7",               7},
    {"Text8",    HiddenTextBox,  5160, 4920, 1095,  375, "Text8",               8},
    {"Command1", Button,         3480, 3000, 1575,  375, "Calcola",            13},
    {"Command2", Button,         5160, 3000, 1455,  375, "Esci",               14},
    {"Picture1", PictureBox,        0,    0, 2775, 6400, ":/images/compass.bmp", 0},
    {"Picture2", PictureBox,     3360, 3720,  640,  370, ":/images/flag_uk.jpg", 15},
    {"Picture3", PictureBox,     4440, 3720,  640,  375, ":/images/flag_it.jpg", 16},
    {"Picture4", PictureBox,     5400, 3650, 1540,  495, ":/images/ruler.jpg",  17},
};

}  // namespace

std::span<const ControlRow> ControlTable() { return kControls; }

int TwipsToPixels(int twips, qreal scale) { return qRound(twips * scale / kTwipsPerPixel); }

QRect TwipsToPixels(const ControlRow& row, qreal scale) {
    return QRect(TwipsToPixels(row.left, scale), TwipsToPixels(row.top, scale), TwipsToPixels(row.width, scale),
                 TwipsToPixels(row.height, scale));
}

}  // namespace ui
