#include "behaviour_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace behaviour {

using enum ui::Control;
using Kind = Step::Kind;

Step Type(ui::Control field, std::u16string_view keys) { return {Kind::Type, field, std::u16string(keys)}; }
Step Append(ui::Control field, std::u16string_view keys) { return {Kind::Append, field, std::u16string(keys)}; }
Step Backspace(ui::Control field) { return {Kind::Backspace, field, {}}; }
Step Paste(ui::Control field, std::u16string_view text) { return {Kind::Paste, field, std::u16string(text)}; }
Step Click(ui::Control control) { return {Kind::Click, control, {}}; }
Step DoubleClick(ui::Control control) { return {Kind::DoubleClick, control, {}}; }
Step ReleaseOutside(ui::Control control) { return {Kind::ReleaseOutside, control, {}}; }
Step Focus(ui::Control control) { return {Kind::Focus, control, {}}; }
Step Press(Key key) { return {Kind::Press, Text1, {}, key}; }
// Focuses the control, then presses the key on it.
Step Press(ui::Control control, Key key) { return {Kind::Press, control, {}, key, 0, true}; }
Step Enter(ui::Control control) { return Press(control, Key::Enter); }
Step Keys(std::u16string_view keys) { return {Kind::Keys, Text1, std::u16string(keys)}; }
Step Write(ui::Control control, std::u16string_view text) { return {Kind::Write, control, std::u16string(text)}; }
Step PressAccessibly(ui::Control control) { return {Kind::PressAccessibly, control, {}}; }
namespace {

Step Shows(ui::Control control, std::u16string_view text) { return {Kind::Shows, control, std::u16string(text)}; }
Step NothingChanged() { return {Kind::NothingChanged, Text1, {}}; }
Step MessageBox(std::u16string_view caption) { return {Kind::MessageBox, Text1, std::u16string(caption)}; }
Step Closed() { return {Kind::Closed, Text1, {}}; }
Step HasFocus(ui::Control control) { return {Kind::HasFocus, control, {}}; }
Step DefaultButton(ui::Control button) { return {Kind::DefaultButton, button, {}}; }
Step NoDefaultButton() { return {Kind::NoDefaultButton, Text1, {}}; }
Step Notified(ui::Control field, int count) { return {Kind::Notified, field, {}, Key::Enter, count}; }
Step Placed(ui::Control control, ui::PixelRect place) { return {Kind::Placed, control, {}, Key::Enter, 0, false, place}; }
Step Named(ui::Control control, std::u16string_view name) { return {Kind::Named, control, std::u16string(name)}; }
Step Checked(ui::Control control) { return {Kind::Checked, control, {}}; }
Step NotChecked(ui::Control control) { return {Kind::NotChecked, control, {}}; }
Step HasRole(ui::Control control, Role role) {
    Step step{Kind::HasRole, control, {}};
    step.role = role;
    return step;
}
Step Pressable(ui::Control control, bool pressable = true) { return {Kind::Pressable, control, {}, Key::Enter, pressable}; }
Step Announced(std::vector<std::string> events) {
    Step step{Kind::Announced, Text1, {}};
    step.events = std::move(events);
    std::sort(step.events.begin(), step.events.end());
    return step;
}


// Types both locators and presses Calculate.
std::vector<Step> Calculate(std::u16string_view first, std::u16string_view second) {
    return {Type(Text3, first), Type(Text5, second), Click(Command1)};
}

std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

constexpr std::u16string_view kEmoji = u"\U0001F600";
// How much of a step's text a failure message shows.
constexpr std::size_t kTracedText = 40;

void AddCalculateRows(std::vector<Row>& rows) {
    rows.push_back({"RoadOfOnePress",
                    Calculate(u"JN61FV", u"jn45ll") +
                        std::vector<Step>{Shows(Text5, u"JN45LL"), Shows(Text7, u"41.8958333333333"),
                                          Shows(Text2, u"-12.4583333333333"), Shows(Text4, u"45.4791666666667"),
                                          Shows(Text8, u"-8.95833333333333"), Shows(Text1, u" 326"),
                                          Shows(Text6, u" 487"), Shows(Label3, u"Km"), Click(Picture4),
                                          Shows(Text6, u"302"), Shows(Label3, u"Miglia"), Click(Picture2),
                                          Shows(Label3, u"Miles"), Shows(Text6, u"302")}});
    rows.push_back({"PlaceholderPressChangesNothing",
                    {Type(Text3, u"garbage that would be rejected"), Click(Command1), NothingChanged(),
                     Shows(Text7, u"Text7")}});

    struct Result {
        const char* name;
        std::u16string_view first, second, bearing, distance;
    };
    const Result results[] = {
        {"EqualLocatorsShowZero", u"JN61FV", u"JN61FV", u"0", u" 0"},  // "0", not " 270"
        {"EqualLocatorsNearTheEquator", u"JJ00AA", u"JJ00AA", u"0", u" 1"},
        {"SamePositionDifferentTexts", u"FN31", u"FN31LL", u" 270", u" 0"},
        {"DueNorth", u"JN61FA", u"JN61FV", u" 360", u" 97"},
        {"ComputedZeroKeepsItsBlank", u"JN61FA", u"JN67GM", u" 0", u" 721"},
        {"Transatlantic", u"IO91WM", u"FN20XR", u" 288", u" 5559"},
        {"Antipodes", u"JN61FV", u"AE68FC", u" 90", u" 19970"},
    };
    for (const Result& r : results) {
        rows.push_back({r.name, Calculate(r.first, r.second) +
                                    std::vector<Step>{Shows(Text1, r.bearing), Shows(Text6, r.distance)}});
    }
    rows.push_back({"WestOfGreenwichIsPositive", Calculate(u"IO91WM", u"JN61FV") + std::vector{Shows(Text2, u"0.125")}});

    struct Bad {
        const char* name;
        std::u16string_view first, second;
        std::u16string_view hiddenLatitude;  // Text7: the first text is still decoded
    };
    const Bad bad[] = {
        {"FirstEmpty", u"", u"IO91WM", u"-790.6875"},
        {"SecondEmpty", u"FN31PR", u"", u"41.7291666666667"},
        {"BothEmpty", u"", u"", u"-790.6875"},
        {"SecondTooLong", u"FN31PR", u"IO91WMX", u"41.7291666666667"},
        {"FiveCharacters", u"FN31P", u"IO91WM", u"38.3125"},
        {"ThreeCharacters", u"FN3", u"IO91WM", u"65.3125"},
        {"DigitsForLetters", u"9931ZZ", u"IO91WM", u"-167.9375"},
        {"LetterForDigit", u"FNA1PR", u"IO91WM", u"41.7291666666667"},
        // Only exactly "..." is the placeholder.
        {"FourDots", u"JN61FV", u"....", u"41.8958333333333"},
        {"BlankThenDots", u"JN61FV", u" ...", u"41.8958333333333"},
        {"DotsThenBlank", u"JN61FV", u"... ", u"41.8958333333333"},
    };
    for (const Bad& b : bad) {
        // Miles first, so that the reset to "Km" shows; a press after a rejected press rejects
        // again, quietly.
        rows.push_back({std::string("BadInput") + b.name,
                        std::vector{Click(Picture4)} + Calculate(b.first, b.second) +
                            std::vector{Shows(Text3, u""), Shows(Text5, u""), Shows(Text1, u"??????"),
                                        Shows(Text6, u"??????"), Shows(Label3, u"Km"), Shows(Text7, b.hiddenLatitude),
                                        Click(Command1), Shows(Text1, u"??????")}});
    }
    rows.push_back({"FirstTooLongShowsTheEmptyBoxBeforeAnyFieldChanges",
                    {Type(Text3, u"FN31PRX"), Type(Text5, u"IO91WM"), Click(Picture4), Click(Command1),
                     MessageBox(u"Tarvolin_11"), Shows(Text3, u""), Shows(Text6, u"??????"), Shows(Label3, u"Km")}});

    // The calculation reads Latin-1, one byte per character: "É" is one character of code 201, and
    // a character outside Latin-1 (an emoji too) is one "?" of code 63. None is a locator letter, so
    // the input is bad, but the coordinate fields show the codes that were read.
    struct Latin1 {
        const char* name;
        std::u16string second;
        ui::Control field;
        std::u16string_view coordinate;
    };
    const Latin1 latin1[] = {
        {"Latin1Letter", u"JN45L\u00C9", Text4, u"50.6875"},   // (201 - 64.5) / 24 past 45
        {"EuroSign", u"JN45L\u20AC", Text4, u"44.9375"},       // (63 - 64.5) / 24 past 45
        {"Emoji", u"JN4" + std::u16string(kEmoji) + u"LL", Text8, u"-8.95833333333333"},  // "JN4?LL"
    };
    for (const Latin1& l : latin1) {
        rows.push_back({std::string("ReachesTheCalculationAsLatin1") + l.name,
                        {Write(Text3, u"JN61FV"), Write(Text5, l.second), Click(Command1), Shows(l.field, l.coordinate),
                         Shows(Text6, u"??????")}});
    }
}

void AddLocatorFieldRows(std::vector<Row>& rows) {
    // "é" is no ASCII letter.
    rows.push_back({"PunctuationAndNonAsciiStayAsTyped", {Type(Text5, u"az io 9/1.\u00E9"), Shows(Text5, u"AZ IO 9/1.\u00E9")}});
    // The completion signal makes Calculate the button that Enter in a locator field presses.
    rows.push_back({"CompletionSignalMakesCalculateTheDefaultButton",
                    {NoDefaultButton(), Type(Text3, u"JN61FA"),  // six characters in the first field do nothing
                     NoDefaultButton(), Enter(Text3), Shows(Text1, u"..."), Type(Text5, u"JN61F"), Enter(Text5),
                     Shows(Text1, u"..."), Append(Text5, u"V"), DefaultButton(Command1), Enter(Text5), Shows(Text1, u" 360"),
                     Write(Text1, u"..."), Press(Text5, Key::KeypadEnter), Shows(Text1, u" 360"),
                     // Seven characters, then back: the signal stays on, and Enter in the first field works too.
                     Append(Text5, u"X"), Backspace(Text5), Type(Text3, u"JN61FV"), Type(Text5, u"JN45LL"),
                     Enter(Text3), Shows(Text1, u" 326"), Type(Text5, u"JN61FA"), Enter(Text5), Shows(Text1, u" 180")}});
    rows.push_back({"EnterOnAFieldOtherThanTheLocatorsDoesNothing",
                    {Type(Text5, u"JN45LL"), Enter(Text6), Enter(Text1), Shows(Text1, u"...")}});

    // Lengths count characters, not UTF-16 units: an emoji is one character, and one "?" for the
    // geometry, which reads Latin-1.
    struct EmojiLength {
        const char* name;
        std::u16string pasted;
        std::u16string_view afterEnter;
    };
    const EmojiLength emoji[] = {
        {"FiveCharacters", u"io91" + std::u16string(kEmoji), u"..."},
        {"SixCharacters", u"io91w" + std::u16string(kEmoji), u"??????"},
        {"SevenCharacters", u"io91wm" + std::u16string(kEmoji), u"..."},
    };
    for (const EmojiLength& e : emoji) {
        rows.push_back({std::string("AnEmojiIsOneCharacter") + e.name,
                        {Paste(Text5, e.pasted), Enter(Text5), Shows(Text1, e.afterEnter)}});
    }
    // The caret goes after the last character, an emoji counting as one: what is typed next lands
    // after it.
    rows.push_back({"TypingGoesOnAfterAnEmoji",
                    {Type(Text3, u"a" + std::u16string(kEmoji) + u"b"), Shows(Text3, u"A" + std::u16string(kEmoji) + u"B")}});
    rows.push_back({"AnEmojiInTheFirstLocatorIsNotTooLong",
                    {Type(Text5, u"IO91WM"), Type(Text3, u"JN61F" + std::u16string(kEmoji)), Click(Command1),
                     Shows(Text7, u"40.9375")}});  // decoded as "JN61F?"
    // A single-line field takes the first line of what is pasted; blanks within it stay.
    rows.push_back({"PastedLineBreakIsLeftOut",
                    {Paste(Text5, u"jn45ll\n"), Shows(Text5, u"JN45LL"), Enter(Text5), Shows(Text1, u" 326"),
                     Shows(Text3, u"JN61FV"), Paste(Text3, u"JN61FV\r\nJN45LL\r\n"), Shows(Text3, u"JN61FV"),
                     Paste(Text6, u"100\r"), Shows(Text6, u"100"), Paste(Text1, u"\nlater lines"), Shows(Text1, u"")}});
    rows.push_back({"PastedBlanksWithinTheLineStay",
                    {Paste(Text5, u" jn45ll"), Shows(Text5, u" JN45LL"), Enter(Text5), Shows(Text1, u"..."),
                     Paste(Text5, u"JN 5LL\n"), Shows(Text5, u"JN 5LL"), Enter(Text5), Shows(Text1, u"??????")}});
    rows.push_back({"PastingALowerCaseLocatorCompletesIt",
                    {Paste(Text5, u"io91wmx"), Shows(Text5, u"IO91WMX"), Enter(Text5), Shows(Text1, u"..."),
                     Paste(Text5, u"io91wm"), Shows(Text5, u"IO91WM"), Enter(Text5), Shows(Text1, u" 323")}});

    // A field holds at most 32,767 characters, however much is pasted; a first locator that long
    // brings the over-length box, and every field the bad-input marks.
    const std::u16string novel(1'000'000, u'a');
    for (const ui::Control field : {Text3, Text5, Text1, Text6}) {
        const bool locator = field == Text3 || field == Text5;
        std::vector<Step> steps = {Paste(field, novel),
                                   Shows(field, std::u16string(ui::kLongestFieldText, locator ? u'A' : u'a'))};
        if (field == Text3) steps = steps + std::vector{Type(Text5, u"JN45LL"), Click(Command1), MessageBox(u"Tarvolin_11")};
        if (field == Text5) steps = steps + std::vector{Click(Command1)};
        if (locator) steps = steps + std::vector{Shows(field, u""), Shows(Text6, u"??????")};
        rows.push_back({std::string("AHugePasteIsCutToWhatTheFieldHolds") + ui::RowOf(field).name, steps});
    }

    // A write by the program runs the field's handler nested when, and only when, it changes the
    // text: a lower-case text is written back upper-cased, and the write-back, which changes
    // nothing, raises nothing more. Typed letters arrive upper-cased and need no write-back. Each
    // run puts the caret after the last character, where typing goes on.
    rows.push_back({"AChangeNotifiesOnceAndAWriteBackOnceMore",
                    {Write(Text5, u"jn45ll"), Notified(Text5, 2), Shows(Text5, u"JN45LL"), Focus(Text5), Keys(u"x"),
                     Shows(Text5, u"JN45LLX"), Notified(Text5, 1), Write(Text3, u"IO91WM"), Notified(Text3, 1),
                     Write(Text3, u"IO91WM"), Notified(Text3, 0), Write(Text5, u"..."), Notified(Text5, 1),
                     Write(Text5, u"..."), Notified(Text5, 0), Append(Text3, u"a"), Notified(Text3, 1),
                     Shows(Text3, u"IO91WMA"), Write(Text6, u"abc"), Notified(Text3, 0), Notified(Text5, 0)}});

    // Typing or deleting in the middle of a locator moves the caret to the end: the next key lands there.
    rows.push_back({"EditsInTheMiddleLeaveTheCaretAtTheEnd",
                    {Focus(Text3), Press(Key::Home), Keys(u"x-"), Shows(Text3, u"XJN61FV-"), Press(Key::Home),
                     Press(Key::Delete), Keys(u"1"), Shows(Text3, u"JN61FV-1")}});

    // A field that gets the focus while it shows the placeholder selects it, by a click or by Tab,
    // so that what is typed replaces it; a click into any other text puts the caret at its end.
    struct FocusCase {
        const char* name;
        ui::Control field, before;
        std::u16string_view shown;
        bool byTab;
        std::u16string_view typed, after;
    };
    const FocusCase focus[] = {
        {"ClickSelectsTheSecondLocatorsPlaceholder", Text5, Text3, u"...", false, u"io91wm", u"IO91WM"},
        {"TabSelectsTheSecondLocatorsPlaceholder", Text5, Text3, u"...", true, u"io91wm", u"IO91WM"},
        {"ClickSelectsTheDistancePlaceholder", Text6, Text5, u"...", false, u"100", u"100"},
        {"TabSelectsTheBearingPlaceholder", Text1, Picture1, u"...", true, u"90", u"90"},
        {"ClickOnFourDotsSelectsNothing", Text6, Text5, u"....", false, u"1", u"....1"},
        {"ClickOnBlankAndDotsSelectsNothing", Text6, Text5, u" ...", false, u"1", u" ...1"},
    };
    for (const FocusCase& f : focus) {
        rows.push_back({std::string("Focus") + f.name,
                        {Write(f.field, f.shown), Focus(f.before), f.byTab ? Press(Key::Tab) : Click(f.field),
                         HasFocus(f.field), Keys(f.typed), Shows(f.field, f.after)}});
    }

    // Ctrl+Z takes back the last edit, typed or pasted, in the locator fields as in the others:
    // there the upper-casing must not have rewritten the text the edit made.
    struct UndoCase {
        const char* name;
        ui::Control field;
        bool pasted;
        std::u16string_view shown, before;
    };
    const UndoCase undo[] = {
        {"FirstLocatorTyped", Text3, false, u"JN45LL", u"JN61FV"}, {"SecondLocatorTyped", Text5, false, u"JN45LL", u"..."},
        {"DistanceTyped", Text6, false, u"jn45ll", u"..."},        {"FirstLocatorPasted", Text3, true, u"JN45LL", u"JN61FV"},
        {"SecondLocatorPasted", Text5, true, u"JN45LL", u"..."},   {"DistancePasted", Text6, true, u"jn45ll", u"..."},
    };
    for (const UndoCase& u : undo) {
        rows.push_back({std::string("UndoTakesBackAnEdit") + u.name,
                        {u.pasted ? Paste(u.field, u"jn45ll\r\nnext line") : Type(u.field, u"jn45ll"),
                         Shows(u.field, u.shown), Press(Key::Undo), Shows(u.field, u.before)}});
    }
    // Bad input empties both locator fields, as an edit: Ctrl+Z brings back what was typed there.
    rows.push_back({"UndoBringsBackALocatorThatBadInputEmptied",
                    {Type(Text3, u"fn31prx"), Type(Text5, u"io91wm"), Click(Command1), MessageBox(u"Tarvolin_11"),
                     Shows(Text3, u""), Shows(Text5, u""), Press(Text3, Key::Undo), Shows(Text3, u"FN31PRX"),
                     Press(Text5, Key::Undo), Shows(Text5, u"IO91WM"), Shows(Text6, u"??????"), Type(Text3, u"JN61FV"),
                     Click(Command1), Shows(Text1, u" 323")}});

}

void AddButtonRows(std::vector<Row>& rows) {
    // Enter, the keypad's Enter and the space bar press a focused button and click a focused picture.
    for (const auto& [name, key] :
         {std::pair{"Enter", Key::Enter}, std::pair{"KeypadEnter", Key::KeypadEnter}, std::pair{"Space", Key::Space}}) {
        rows.push_back({std::string(name) + "PressesTheFocusedButtonOrPicture",
                        {Write(Text6, u"100"), Press(Picture4, key), Shows(Text6, u"62"), Shows(Label3, u"Miglia"),
                         Press(Picture2, key), Shows(Command1, u"Calculate"), Shows(Label3, u"Miles"),
                         Press(Picture3, key), Shows(Command1, u"Calcola"), Press(Picture1, key), NothingChanged(),
                         Type(Text5, u"JN45LL"), Press(Command1, key), Shows(Text1, u" 326"), Press(Command2, key),
                         Closed()}});
    }
    // A press released outside a button or a picture is no click; the space bar pressed and
    // released on a focused button presses it once.
    rows.push_back({"APressReleasedOutsideIsNoClick",
                    {Type(Text3, u"FN31PRX"), Type(Text5, u"IO91WM"), ReleaseOutside(Command1), NothingChanged(),
                     ReleaseOutside(Picture4), NothingChanged(), ReleaseOutside(Picture2), NothingChanged(),
                     ReleaseOutside(Command2), NothingChanged()}});
    rows.push_back({"SpacePressesAFocusedButtonOnce",
                    {Type(Text3, u"FN31PRX"), Type(Text5, u"IO91WM"), Press(Command1, Key::Space),
                     MessageBox(u"Tarvolin_11")}});
    rows.push_back({"ExitClosesTheWindow", Calculate(u"JN61FV", u"JN45LL") + std::vector{Click(Command2), Closed()}});
    // The second press of a double-click is no new click.
    rows.push_back({"ADoubleClickOnAPictureIsOneClick",
                    {Write(Text6, u"100"), DoubleClick(Picture4), Shows(Text6, u"62"), Shows(Label3, u"Miglia"),
                     DoubleClick(Picture4), Shows(Text6, u"100"), Shows(Label3, u"Km"), DoubleClick(Picture2),
                     Shows(Command1, u"Calculate"), DoubleClick(Picture3), Shows(Command1, u"Calcola")}});
    // The focus starts on the compass; Tab goes through the controls by their tab index, labels
    // skipped, and round again; Shift+Tab goes back.
    const ui::Control chain[] = {Picture1, Text1,    Text3,    Text5,    Text6,   Command1,
                                 Command2, Picture2, Picture3, Picture4, Picture1};
    std::vector<Step> tabs = {HasFocus(Picture1)};
    for (std::size_t i = 1; i < std::size(chain); ++i) tabs = tabs + std::vector{Press(Key::Tab), HasFocus(chain[i])};
    for (std::size_t i = std::size(chain) - 1; i > 0; --i) {
        tabs = tabs + std::vector{Press(Key::ShiftTab), HasFocus(chain[i - 1])};
    }
    rows.push_back({"FocusStartsOnTheCompassAndTabFollowsTheTabIndex", tabs});
}

void AddCaptionRows(std::vector<Row>& rows) {
    struct CaptionSet {
        ui::Control flag;
        std::u16string_view calculate, exit, locator1, locator2, bearing, miles;
    };
    const CaptionSet sets[] = {
        {Picture2, u"Calculate", u"Exit", u"Locator 1", u"Locator 2", u"Bearing", u"Miles"},
        {Picture3, u"Calcola", u"Esci", u"Locatore 1", u"Locatore 2", u"Puntamento", u"Miglia"},
        {Picture2, u"Calculate", u"Exit", u"Locator 1", u"Locator 2", u"Bearing", u"Miles"},
    };
    std::vector<Step> steps = {Type(Text5, u"JN45LL"), Click(Command1)};
    for (const CaptionSet& s : sets) {
        steps = steps + std::vector{Click(s.flag),  // kilometres stay "Km"
                                    Shows(Command1, s.calculate), Shows(Command2, s.exit), Shows(Label1, s.locator1),
                                    Shows(Label2, s.locator2), Shows(Label4, s.bearing), Shows(Label3, u"Km"),
                                    // The toggle writes the current language's word, and a flag translates it.
                                    Click(Picture4), Shows(Label3, s.miles), Click(s.flag), Shows(Label3, s.miles),
                                    // The round trip restores the kilometres; flags change no field.
                                    Click(Picture4), Shows(Text6, u"487"), Shows(Text1, u" 326"),
                                    Shows(Text3, u"JN61FV"), Shows(Text5, u"JN45LL")};
    }
    rows.push_back({"FlagsSwitchEveryCaptionAndTranslateOnlyTheMilesWord", steps});
    // Only exactly "Km" means kilometres.
    rows.push_back({"OnlyExactlyKmIsKilometres", {Write(Label3, u"km"), Click(Picture3), Shows(Label3, u"Miglia")}});
}

void AddUnitToggleRows(std::vector<Row>& rows) {
    struct Toggle {
        const char* name;
        std::u16string_view typed, converted;
    };
    const Toggle toggles[] = {
        {"Plain", u"100", u"62"},           {"CalculatedText", u" 487", u"302"}, {"QuestionMarks", u"??????", u"0"},
        {"Placeholder", u"...", u"0"},      {"Empty", u"", u"0"},                {"NegativeFloors", u"-100", u"-63"},
        {"Fraction", u"12.9", u"8"},        {"CommaStops", u"1,5", u"0"},        {"Exponent", u"1.609e3", u"1000"},
        {"BlanksAnywhere", u"  2 0 0 km", u"124"}, {"LeadingLineFeed", u"\n100", u"62"}, {"LeadingTab", u"\t100", u"62"},
        {"SubnormalFloors", u"-1e-320", u"-1"},  // a number too small for a normal double is not 0
    };
    for (const Toggle& t : toggles) {
        // Written directly, as typed or pasted: a line feed cannot be typed.
        rows.push_back({std::string("KilometresToMiles") + t.name,
                        {Write(Text6, t.typed), Shows(Label3, u"Km"), Click(Picture4), Shows(Text6, t.converted),
                         Shows(Label3, u"Miglia")}});
    }
    rows.push_back({"MilesTypedByTheUserConvertByTheRule",
                    {Click(Picture4), Type(Text6, u"62"), Click(Picture4), Shows(Text6, u"99"), Shows(Label3, u"Km"),
                     // Anything but exactly "Km" is miles.
                     Write(Label3, u"leagues"), Type(Text6, u"-1"), Click(Picture4), Shows(Text6, u"-2"),
                     Shows(Label3, u"Km"), Write(Label3, u"km"), Type(Text6, u"-1"), Click(Picture4),
                     Shows(Text6, u"-2"), Shows(Label3, u"Km")}});

    std::vector<Step> trips = {Type(Text5, u"JN45LL"), Click(Command1)};
    for (int trip = 0; trip < 5; ++trip) {
        trips = trips + std::vector{Click(Picture4), Shows(Text6, u"302"), Click(Picture4), Shows(Text6, u"487"),
                                    Shows(Label3, u"Km")};
    }
    trips = trips + std::vector{Type(Text6, u"100"), Click(Picture4), Click(Picture4), Shows(Text6, u"100"),
                                Type(Text6, u"12.9"), Click(Picture4), Shows(Text6, u"8"), Click(Picture4),
                                Shows(Text6, u"12.9")};
    for (std::u16string_view digits : {u"1234567890123456", u"1000000000000000000000"}) {
        trips = trips + std::vector{Type(Text6, digits), Click(Picture4), Click(Picture4), Shows(Text6, digits)};
    }
    // An edit of the miles breaks the link to the remembered kilometres.
    trips = trips + std::vector{Click(Picture4), Type(Text6, u"300"), Click(Picture4), Shows(Text6, u"482")};
    rows.push_back({"RoundTripsKeepTheKilometres", trips});

    rows.push_back({"CalculateAfterMilesWritesKilometres",
                    Calculate(u"JN61FV", u"JN45LL") +
                        std::vector{Click(Picture4), Click(Command1), Shows(Text6, u" 487"), Shows(Label3, u"Km")}});
    rows.push_back({"OverflowLeavesFieldAndUnitAlone",
                    {Type(Text6, u"1e400"), Click(Picture4), Shows(Text6, u"1e400"), Shows(Label3, u"Km"),
                     Type(Text6, u"1e9999999999999999999"), Click(Picture4), Shows(Text6, u"1e9999999999999999999"),
                     Shows(Label3, u"Km"), Type(Text6, u"1e308"), Click(Picture4), Shows(Label3, u"Miglia"),
                     // Times 1.609 is beyond the double range.
                     Type(Text6, u"1.5e308"), Click(Picture4), Shows(Text6, u"1.5e308"), Shows(Label3, u"Miglia")}});
}

void AddOpeningRows(std::vector<Row>& rows) {
    rows.push_back({"AFreshWindowShowsItsTextsAndItalianCaptions",
                    {Shows(Text3, u"JN61FV"), Shows(Text5, u"..."), Shows(Text1, u"..."), Shows(Text6, u"..."),
                     Shows(Label1, u"Locatore 1"), Shows(Label2, u"Locatore 2"), Shows(Label3, u"Km"),
                     Shows(Label4, u"Puntamento"), Shows(Command1, u"Calcola"), Shows(Command2, u"Esci"),
                     // The coordinate fields hold their own names until the first calculation.
                     Shows(Text2, u"Text2"), Shows(Text4, u"Text4"), Shows(Text7, u"Text7"), Shows(Text8, u"Text8")}});

    // Written out by hand from the window's design (twips divided by 15), not derived from the
    // program's own table.
    const std::pair<ui::Control, ui::PixelRect> places[] = {
        {Label1, {240, 32, 89, 25}},      {Label2, {240, 64, 89, 17}},     {Label3, {240, 96, 73, 17}},
        {Label4, {240, 128, 81, 17}},     {Text1, {336, 120, 81, 25}},     {Text3, {336, 24, 81, 25}},
        {Text5, {336, 56, 81, 25}},       {Text6, {336, 88, 81, 25}},      {Command1, {232, 200, 105, 25}},
        {Command2, {344, 200, 97, 25}},   {Picture1, {0, 0, 185, 427}},    {Picture2, {224, 248, 43, 25}},
        {Picture3, {296, 248, 43, 25}},   {Picture4, {360, 243, 103, 33}},
    };
    std::vector<Step> layout = {{Kind::ClientArea, Text1, {}, Key::Enter, 0, false, {0, 0, 492, 417}}};
    for (const auto& [control, place] : places) layout.push_back(Placed(control, place));
    rows.push_back({"EveryControlLiesWhereTheWindowWasDrawn", layout});

    // Fields are named by their labels, the buttons by their captions, the pictures by names of
    // their own, in the caption language; the flag of that language is checked.
    struct Naming {
        ui::Control control;
        std::u16string_view italian, english;
    };
    const Naming names[] = {
        {Text3, u"Locatore 1", u"Locator 1"}, {Text5, u"Locatore 2", u"Locator 2"}, {Text1, u"Puntamento", u"Bearing"},
        {Text6, u"Km", u"Km"},                {Command1, u"Calcola", u"Calculate"}, {Command2, u"Esci", u"Exit"},
        {Picture1, u"Bussola", u"Compass"},   {Picture2, u"English", u"English"},   {Picture3, u"Italiano", u"Italiano"},
        {Picture4, u"Km/miglia", u"Km/miles"},
    };
    std::vector<Step> named;
    for (const bool english : {false, true, false}) {
        named.push_back(Click(english ? Picture2 : Picture3));
        for (const Naming& n : names) named.push_back(Named(n.control, english ? n.english : n.italian));
        named.push_back(english ? Checked(Picture2) : NotChecked(Picture2));
        named.push_back(english ? NotChecked(Picture3) : Checked(Picture3));
    }
    // The distance field is named after its unit caption.
    named = named + std::vector{Click(Picture4), Named(Text6, u"Miglia"), Click(Picture2), Named(Text6, u"Miles")};
    rows.push_back({"AssistiveToolsReadNamesInTheCaptionLanguage", named});

    // The compass is an image; the ruler is a button and the flags are choices, which an
    // assistive tool presses as a click would.
    rows.push_back({"AssistiveToolsReadRolesAndPressThePictures",
                    {HasRole(Picture1, Role::Image), HasRole(Picture2, Role::Choice), HasRole(Picture3, Role::Choice),
                     HasRole(Picture4, Role::Button), HasRole(Text1, Role::Text), HasRole(Text3, Role::Text),
                     HasRole(Text5, Role::Text), HasRole(Text6, Role::Text), Pressable(Picture1, false),
                     Pressable(Picture2), Pressable(Picture3), Pressable(Picture4), Write(Text6, u"100"),
                     PressAccessibly(Picture4), Shows(Text6, u"62"), PressAccessibly(Picture2),
                     Shows(Command1, u"Calculate"), Shows(Label3, u"Miles"), Checked(Picture2),
                     PressAccessibly(Picture1), NothingChanged()}});

    // A flag's checked state and a picture's name that change with the language are told as they
    // change, and only then.
    const std::vector<std::string> switched = {"Picture1 name", "Picture2 state", "Picture3 state", "Picture4 name"};
    rows.push_back({"AssistiveToolsHearTheChosenFlagAndTheNewNames",
                    {Click(Picture2), Announced(switched), Click(Picture2), Announced({}), Click(Picture3),
                     Announced(switched), Click(Picture3), Announced({})}});
}

std::vector<Row> AllRows() {
    std::vector<Row> rows;
    AddOpeningRows(rows);
    AddCalculateRows(rows);
    AddLocatorFieldRows(rows);
    AddButtonRows(rows);
    AddCaptionRows(rows);
    AddUnitToggleRows(rows);
    return rows;
}

bool IsAction(Kind kind) { return kind <= Kind::PressAccessibly; }

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Type: return "type";
    case Kind::Append: return "append";
    case Kind::Backspace: return "backspace";
    case Kind::Paste: return "paste";
    case Kind::Click: return "click";
    case Kind::DoubleClick: return "double-click";
    case Kind::ReleaseOutside: return "release outside";
    case Kind::Focus: return "focus";
    case Kind::Press: return "press";
    case Kind::Keys: return "keys";
    case Kind::Write: return "write";
    case Kind::PressAccessibly: return "press accessibly";
    case Kind::Shows: return "shows";
    case Kind::NothingChanged: return "nothing changed";
    case Kind::MessageBox: return "message box";
    case Kind::Closed: return "closed";
    case Kind::HasFocus: return "has the focus";
    case Kind::DefaultButton: return "default button";
    case Kind::NoDefaultButton: return "no default button";
    case Kind::Notified: return "notified";
    case Kind::Placed: return "placed";
    case Kind::ClientArea: return "client area";
    case Kind::Named: return "named";
    case Kind::Checked: return "checked";
    case Kind::NotChecked: return "not checked";
    case Kind::HasRole: return "has role";
    case Kind::Pressable: return "pressable";
    case Kind::Announced: return "announced";
    }
    return "?";
}

const char* KeyName(Key key) {
    switch (key) {
    case Key::Tab: return " Tab";
    case Key::ShiftTab: return " Shift+Tab";
    case Key::Home: return " Home";
    case Key::End: return " End";
    case Key::ShiftHome: return " Shift+Home";
    case Key::Delete: return " Delete";
    case Key::Backspace: return " Backspace";
    case Key::Paste: return " Ctrl+V";
    case Key::Undo: return " Ctrl+Z";
    case Key::Space: return " Space";
    case Key::Enter: return " Enter";
    case Key::KeypadEnter: return " keypad Enter";
    }
    return " ?";
}

std::string NameOf(std::optional<ui::Control> control) { return control ? ui::RowOf(*control).name : "none"; }

std::string Describe(const ui::PixelRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) + "x" +
           std::to_string(r.height);
}

std::optional<Ability> Needs(Kind kind) {
    switch (kind) {
    case Kind::DoubleClick:
    case Kind::ReleaseOutside: return Ability::Mouse;
    case Kind::Placed:
    case Kind::ClientArea: return Ability::Layout;
    case Kind::Named:
    case Kind::Checked:
    case Kind::NotChecked:
    case Kind::HasRole:
    case Kind::Pressable:
    case Kind::PressAccessibly: return Ability::AssistiveTools;
    case Kind::Announced: return Ability::Announcements;
    default: return std::nullopt;
    }
}

const char* AbilityName(Ability ability) {
    switch (ability) {
    case Ability::Mouse: return "mouse";
    case Ability::Layout: return "layout";
    case Ability::AssistiveTools: return "assistive tools";
    case Ability::Announcements: return "announcements to assistive tools";
    }
    return "?";
}

}  // namespace

// Typing and pasting as a user does it: the focus, the caret to the end, the whole text selected.
void Take(const Step& step, WindowDriver& driver) {
    switch (step.kind) {
    case Kind::Type:
    case Kind::Append:
    case Kind::Backspace:
        driver.Focus(step.control);
        driver.Press(Key::End);
        if (step.kind == Kind::Type) {
            driver.Press(Key::ShiftHome);
            driver.Press(Key::Delete);
        }
        if (step.kind == Kind::Backspace) {
            driver.Press(Key::Backspace);
        } else {
            driver.Keys(step.text);
        }
        break;
    case Kind::Paste:
        driver.Copy(step.text);
        driver.Focus(step.control);
        driver.Press(Key::End);
        driver.Press(Key::ShiftHome);
        driver.Press(Key::Paste);
        break;
    case Kind::Click: driver.Click(step.control); break;
    case Kind::DoubleClick: driver.DoubleClick(step.control); break;
    case Kind::ReleaseOutside: driver.ReleaseOutside(step.control); break;
    case Kind::Focus: driver.Focus(step.control); break;
    case Kind::Press:
        if (step.focusFirst) driver.Focus(step.control);
        driver.Press(step.key);
        break;
    case Kind::Keys: driver.Keys(step.text); break;
    case Kind::Write: driver.Write(step.control, step.text); break;
    case Kind::PressAccessibly: driver.PressAccessibly(step.control); break;
    default: break;
    }
}

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = AllRows();
    return rows;
}

Snapshot TakeSnapshot(WindowDriver& driver) {
    Snapshot all;
    for (const ui::ControlRow& row : ui::ControlTable()) {
        if (row.kind != ui::ControlKind::PictureBox) all[row.id] = driver.Shown(row.id);
    }
    return all;
}

void Run(const Row& row, WindowDriver& driver) {
    for (const Step& step : row.steps) {
        if (const std::optional<Ability> needed = Needs(step.kind); needed && !driver.Has(*needed)) {
            GTEST_SKIP() << "this window has no " << AbilityName(*needed);
        }
    }
    Snapshot beforeAction;
    std::size_t messagesBeforeAction = 0;
    for (std::size_t i = 0; i < row.steps.size(); ++i) {
        const Step& step = row.steps[i];
        const ui::ControlRow& control = ui::RowOf(step.control);
        SCOPED_TRACE(testing::Message() << "step " << i + 1 << ": " << KindName(step.kind) << " " << control.name << " ("
                                        << control.role << ") " << testing::PrintToString(step.text.substr(0, kTracedText))
                                        << (step.kind == Kind::Press ? KeyName(step.key) : "")
                                        << (step.kind == Kind::Notified ? " " + std::to_string(step.count) : ""));
        if (IsAction(step.kind)) {
            ASSERT_FALSE(driver.Closed()) << "the window closed before this step";
            beforeAction = TakeSnapshot(driver);
            messagesBeforeAction = driver.Messages().size();
            Take(step, driver);
            const bool boxExpected = i + 1 < row.steps.size() && row.steps[i + 1].kind == Kind::MessageBox;
            if (!boxExpected) {
                EXPECT_EQ(driver.Messages().size(), messagesBeforeAction) << "unexpected message box";
            }
            continue;
        }
        switch (step.kind) {
        case Kind::Shows: EXPECT_EQ(driver.Shown(step.control), step.text); break;
        case Kind::NothingChanged: EXPECT_EQ(TakeSnapshot(driver), beforeAction); break;
        case Kind::MessageBox: {
            const std::vector<SeenMessage>& seen = driver.Messages();
            ASSERT_EQ(seen.size(), messagesBeforeAction + 1) << "one message box";
            const SeenMessage& box = seen.back();
            EXPECT_EQ(box.caption, step.text);
            EXPECT_EQ(box.message, u"");
            EXPECT_EQ(box.buttons, 1);
            EXPECT_TRUE(box.okButton);
            EXPECT_FALSE(box.icon);
            EXPECT_FALSE(box.windowTookInput) << "the box was not modal";
            EXPECT_EQ(box.window, beforeAction) << "a field changed before the box was dismissed";
            break;
        }
        case Kind::Closed: EXPECT_TRUE(driver.Closed()); break;
        case Kind::HasFocus: EXPECT_EQ(NameOf(driver.Focused()), NameOf(step.control)); break;
        case Kind::DefaultButton: EXPECT_EQ(NameOf(driver.DefaultButton()), NameOf(step.control)); break;
        case Kind::NoDefaultButton: EXPECT_EQ(NameOf(driver.DefaultButton()), NameOf(std::nullopt)); break;
        case Kind::Notified: EXPECT_EQ(driver.ChangesNotified(step.control), step.count); break;
        case Kind::Placed: EXPECT_EQ(Describe(driver.Place(step.control)), Describe(step.place)); break;
        case Kind::ClientArea: EXPECT_EQ(Describe(driver.ClientArea()), Describe(step.place)); break;
        case Kind::Named: EXPECT_EQ(driver.AccessibleName(step.control), step.text); break;
        case Kind::Checked: EXPECT_TRUE(driver.AccessiblyChecked(step.control)); break;
        case Kind::NotChecked: EXPECT_FALSE(driver.AccessiblyChecked(step.control)); break;
        case Kind::HasRole: EXPECT_EQ(driver.AccessibleRole(step.control), step.role); break;
        case Kind::Pressable: EXPECT_EQ(driver.AccessiblyPressable(step.control), step.count == 1); break;
        case Kind::Announced: {
            std::vector<std::string> told = driver.Announced();
            std::sort(told.begin(), told.end());
            EXPECT_EQ(told, step.events);
            break;
        }
        default: break;
        }
    }
}

namespace {

bool HasCaption(ui::Control control) {
    const ui::ControlKind kind = ui::RowOf(control).kind;
    return kind == ui::ControlKind::Label || kind == ui::ControlKind::Button;
}

}  // namespace

void WindowDriver::Write(ui::Control control, std::u16string_view text) {
    Act([&] {
        if (HasCaption(control)) {
            Program().SetCaption(control, text);
        } else {
            Program().SetText(control, text);
        }
    });
}

std::u16string WindowDriver::Shown(ui::Control control) {
    return HasCaption(control) ? Program().Caption(control) : Program().Text(control);
}

std::string RowName(const Row& row) {
    std::string name = row.name;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

}  // namespace behaviour
