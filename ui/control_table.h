// The window's controls as data: one row per control, positions and sizes in twips. Every front
// end builds its window from this table, and the handlers name the controls by its ids.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace ui {

// The window's nineteen controls, by the names the handlers use.
enum class Control {
    Label1, Label2, Label3, Label4,
    Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8,
    Command1, Command2,
    Picture1, Picture2, Picture3, Picture4,
};

constexpr std::size_t kControlCount = 18;

enum class ControlKind { Label, TextBox, HiddenTextBox, Button, PictureBox };

class Form2;
// The handler of Form2 that a control's event runs: the click of a button or a picture, the change
// of a field's text.
using Handler = void (Form2::*)();

struct ControlRow {
    Control id;
    const char* name;     // the control's name, as the handlers and the tables spell it
    ControlKind kind;
    int left, top;        // twips, from the top-left corner of the client area
    int width, height;    // twips, outer size including the border
    std::u16string_view content;  // initial text or caption; for a picture box, its picture's name
    int tabIndex;
    Handler handler = nullptr;  // what its click or text change runs; none for most
    Control labelFor = id;      // for a label: the field it names, also for assistive tools
};

// The window's title, the same in both caption languages.
constexpr std::u16string_view kWindowTitle = u"Tarvolin utility 1.1 - QZ9XQW";

// 1440 twips to the inch, 96 device-independent pixels to the inch.
constexpr int kTwipsPerPixel = 15;

// The client area of the window, in twips.
constexpr int kClientWidthTwips = 7380;
constexpr int kClientHeightTwips = 6255;

// Three full stops: what the result fields and the second locator field hold until something is
// written there; in the second field it tells Calculate that no locator has been typed yet.
constexpr std::u16string_view kPlaceholderText = u"...";

// The most characters a text field holds: far beyond any locator or distance, yet short enough
// that a pasted novel cannot stall the window.
constexpr int kLongestFieldText = 32767;

// A picture box's sunken border, and the frame that shows its focus inside it, in pixels at
// scale 1.
constexpr int kPictureBorderPixels = 2;
constexpr int kFocusFramePixels = 2;

// The locator that the first field holds when the window opens.
constexpr std::u16string_view kHomeLocator = u"JN61FV";

std::span<const ControlRow> ControlTable();
const ControlRow& RowOf(Control control);

// Whether a front end makes a control for the row. The hidden coordinate fields are never shown
// and never take the focus: their texts are held without one (HiddenFields).
bool IsShown(const ControlRow& row);

// The controls that take the focus, in the order Tab moves through them: increasing tab index,
// labels and hidden fields skipped. The first one has the focus when the window opens.
std::vector<Control> TabOrder();

// A place in device-independent pixels.
struct PixelRect {
    int left, top, width, height;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Device-independent pixels at the window's scale (1 as designed), rounded to the nearest; the
// toolkit scales them further to the display's density.
int TwipsToPixels(int twips, double scale = 1);
PixelRect TwipsToPixels(const ControlRow& row, double scale = 1);

}  // namespace ui
