// The window's controls as data: one row per control, positions and sizes in twips.
#pragma once

#include <QRect>
#include <QtGlobal>
#include <span>

namespace ui {

enum class ControlKind { Label, TextBox, HiddenTextBox, Button, PictureBox };

struct ControlRow {
    const char* name;     // objectName, and the name the handlers use
    ControlKind kind;
    int left, top;        // twips, from the top-left corner of the client area
    int width, height;    // twips, outer size including the border
    const char* content;  // initial text or caption; for a picture box, its image resource
    int tabIndex;
    const char* labelFor = nullptr;  // for a label: the field it names, also for assistive tools
};

// 1440 twips to the inch, 96 device-independent pixels to the inch.
constexpr int kTwipsPerPixel = 15;

// The client area of the window, in twips.
constexpr int kClientWidthTwips = 7380;
constexpr int kClientHeightTwips = 6255;

// Three full stops: what the result fields and the second locator field hold until something is
// written there; in the second field it tells Calculate that no locator has been typed yet.
constexpr const char* kPlaceholderText = "...";

// The locator that the first field holds when the window opens.
constexpr const char* kHomeLocator = "JN61FV";

std::span<const ControlRow> ControlTable();

// Device-independent pixels at the window's scale (1 as designed); Qt scales them further to the
// display's density.
int TwipsToPixels(int twips, qreal scale = 1);
QRect TwipsToPixels(const ControlRow& row, qreal scale = 1);

}  // namespace ui
