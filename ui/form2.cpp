#include "form2.h"

#include "text_rules.h"
#include "window.h"

#include "geometry/locator.h"
#include "geometry/number_text.h"
#include "geometry/path.h"

namespace ui {
namespace {

using enum Control;

constexpr std::u16string_view kApplicationTitle = u"Tarvolin_11";
constexpr std::u16string_view kBadInputText = u"??????";
constexpr std::u16string_view kEqualLocatorsBearing = u"0";
constexpr std::size_t kLocatorLength = 6;

std::u16string NumberText(const std::string& text) { return FromLatin1(text); }

std::size_t Index(Control control) { return static_cast<std::size_t>(control); }

// The handler that each control's event runs: the control table says which event a control
// raises (a click, a change of its text), this says what runs.
struct Wiring {
    Control control;
    void (Form2::*handler)();
};
constexpr Wiring kHandlers[] = {
    {Command1, &Form2::Command1_Click}, {Command2, &Form2::Command2_Click}, {Picture2, &Form2::Picture2_Click},
    {Picture3, &Form2::Picture3_Click}, {Picture4, &Form2::Picture4_Click}, {Text3, &Form2::Text3_Change},
    {Text5, &Form2::Text5_Change},
};

}  // namespace

// The coordinate fields hold their own names until the first calculation.
Form2::Form2(Window& window) : window_(window) {
    for (const ControlRow& row : ControlTable()) {
        if (!IsShown(row)) hiddenTexts_[Index(row.id)] = row.content;
    }
}

void Form2::HandleEvent(Control control) {
    for (const Wiring& wiring : kHandlers) {
        if (wiring.control == control) (this->*wiring.handler)();
    }
}

std::u16string Form2::Text(Control field) const {
    return IsShown(RowOf(field)) ? window_.Text(field) : hiddenTexts_[Index(field)];
}

void Form2::SetText(Control field, std::u16string_view text) {
    if (!IsShown(RowOf(field))) {
        hiddenTexts_[Index(field)] = text;
    } else if (window_.Text(field) != text) {
        window_.SetText(field, text);
    }
}

std::u16string Form2::Caption(Control control) const { return window_.Caption(control); }

void Form2::SetCaption(Control control, std::u16string_view caption) {
    if (window_.Caption(control) != caption) window_.SetCaption(control, caption);
}

// The layout opens the window in Italian; the tag, and what follows the language, agree with it.
void Form2::Form_Load() {
    languageTag_ = LanguageTagOf(Language::Italian);
    window_.FollowLanguage(Language::Italian);
}

// Calculate: check, decode, compute and show. Bad input is answered in the fields and never
// stops the command; only the placeholder "..." in the second field ends it at once.
void Form2::Command1_Click() {
    if (Text(kSecondLocatorField) == kPlaceholderText) return;
    const geometry::LocatorCheck check =
        geometry::CheckLocators(ToLatin1(Text(kFirstLocatorField)), ToLatin1(Text(kSecondLocatorField)));
    if (check.FirstTooLong) window_.ShowMessage(u"", kApplicationTitle);
    if (check.BadInput) {
        SetText(kFirstLocatorField, u"");
        SetText(kSecondLocatorField, u"");
        WriteDistance(kBadInputText, std::nullopt);
    }
    const geometry::GeoPosition first = geometry::DecodeLocator(check.First);
    const geometry::GeoPosition second = geometry::DecodeLocator(check.Second);
    ShowCoordinates(first, second);
    const geometry::PathResult path = geometry::ComputeBearingDistance(first, second);
    ShowResults(path, check.BadInput);
}

void Form2::Command2_Click() { window_.Close(); }

void Form2::Picture2_Click() { ApplyLanguage(Language::English); }

void Form2::Picture3_Click() { ApplyLanguage(Language::Italian); }

// The unit toggle: kilometres to miles when the unit caption is exactly "Km", else back. A
// distance beyond the double range leaves the field and the unit as they are.
void Form2::Picture4_Click() {
    const bool toMiles = Caption(kUnitCaption) == kKilometresCaption;
    const std::u16string shown = Text(kDistanceField);
    const std::optional<double> remembered = distance_.KilometresBehind(shown);
    const std::optional<DistanceConversion> converted =
        toMiles ? ConvertToMiles(shown, remembered) : ConvertToKilometres(shown, remembered);
    if (!converted) {
        window_.Alert();
        return;
    }
    WriteDistance(converted->text, converted->kilometres);
    SetCaption(kUnitCaption, toMiles ? MilesCaption(CurrentLanguage()) : kKilometresCaption);
}

void Form2::Text3_Change() { UpperCaseAndCaretToEnd(kFirstLocatorField); }

void Form2::Text5_Change() {
    UpperCaseAndCaretToEnd(kSecondLocatorField);
    if (CharacterCount(Text(kSecondLocatorField)) == kLocatorLength) window_.SignalCompletion();
}

// Writes the field in upper case (which runs this field's change handler once more, nested, when
// it changes anything) and puts the caret after the last character.
void Form2::UpperCaseAndCaretToEnd(Control field) {
    SetText(field, UpperCaseAscii(Text(field)));
    window_.PlaceCaret(field, CharacterCount(Text(field)));
}

void Form2::ShowCoordinates(const geometry::GeoPosition& first, const geometry::GeoPosition& second) {
    // Longitudes are shown west-positive.
    SetText(kFirstLatitudeField, NumberText(geometry::FormatGeneralNumber(first.Latitude)));
    SetText(kFirstLongitudeField, NumberText(geometry::FormatGeneralNumber(-first.Longitude)));
    SetText(kSecondLatitudeField, NumberText(geometry::FormatGeneralNumber(second.Latitude)));
    SetText(kSecondLongitudeField, NumberText(geometry::FormatGeneralNumber(-second.Longitude)));
}

void Form2::ShowResults(const geometry::PathResult& path, bool badInput) {
    if (!badInput) {
        SetText(kBearingField, NumberText(geometry::FormatSignedNumber(path.Bearing)));
        WriteDistance(NumberText(geometry::FormatSignedNumber(path.DistanceKm)), path.DistanceKm);
    } else {
        SetText(kBearingField, kBadInputText);
        WriteDistance(kBadInputText, std::nullopt);
        SetText(kFirstLocatorField, u"");
        SetText(kSecondLocatorField, u"");
    }
    // Two identical locators show a bearing of "0": the computed one would be meaningless.
    if (!badInput && Text(kFirstLocatorField) == Text(kSecondLocatorField)) {
        SetText(kBearingField, kEqualLocatorsBearing);
    }
    SetCaption(kUnitCaption, kKilometresCaption);
}

// The unit word for miles follows the language tag: exactly "ita" is Italian, anything else English.
Language Form2::CurrentLanguage() const {
    return languageTag_ == LanguageTagOf(Language::Italian) ? Language::Italian : Language::English;
}

void Form2::ApplyLanguage(Language language) {
    for (const CaptionRow& row : CaptionTable()) SetCaption(row.control, ui::Caption(row, language));
    SetCaption(kUnitCaption,
               Caption(kUnitCaption) == kKilometresCaption ? kKilometresCaption : MilesCaption(language));
    languageTag_ = LanguageTagOf(language);
    window_.FollowLanguage(language);
}

// Remembers the exact kilometres behind a distance text the window writes.
void Form2::WriteDistance(std::u16string_view text, std::optional<double> kilometres) {
    SetText(kDistanceField, text);
    distance_.Remember(text, kilometres);
}

}  // namespace ui
