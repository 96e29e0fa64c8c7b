// The window's controls as data: one row per control, what it is, positions and sizes in twips.
// Every front end builds its window from this table, and the handlers name the controls by its ids.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace ui {

// The window's eighteen controls, by the names of the window's design.
enum class Control {
    Label1, Label2, Label3, Label4,
    Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8,
    Command1, Command2,
    Picture1, Picture2, Picture3, Picture4,
};

constexpr std::size_t kControlCount = 18;

// The controls that the logic and the front ends single out, by what they are (the table's role
// column says it of every control).
constexpr Control kBearingField = Control::Text1;
constexpr Control kFirstLocatorField = Control::Text3;   // the own station
constexpr Control kSecondLocatorField = Control::Text5;  // the station to reach
constexpr Control kDistanceField = Control::Text6;
constexpr Control kUnitCaption = Control::Label3;  // "Km" or the word for miles: the distance's unit
constexpr Control kCalculateButton = Control::Command1;
constexpr Control kExitButton = Control::Command2;
// The coordinate fields, which no control shows.
constexpr Control kFirstLatitudeField = Control::Text7;
constexpr Control kFirstLongitudeField = Control::Text2;
constexpr Control kSecondLatitudeField = Control::Text4;
constexpr Control kSecondLongitudeField = Control::Text8;

constexpr bool IsLocatorField(Control field) { return field == kFirstLocatorField || field == kSecondLocatorField; }

enum class ControlKind { Label, TextBox, HiddenTextBox, Button, PictureBox };

// What a control tells the window's logic of: nothing, a click (of a button or a picture), or a
// change of its text. Which handler runs is the logic's business (Form2::HandleEvent).
enum class Event { None, Click, Change };

struct ControlRow {
    Control id;
    const char* name;       // the id as the window's design spells it
    std::string_view role;  // what the control is to the user
    ControlKind kind;
    int left, top;        // twips, from the top-left corner of the client area
    int width, height;    // twips, outer size including the border
    std::u16string_view content;  // initial text or caption; for a picture box, its picture's name
    int tabIndex;
    Event event = Event::None;  // what it raises
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
// and never take the focus: the logic holds their texts (Form2).
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
