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

}  // namespace

void Form2::HandleEvent(Control control) {
    if (const Handler handler = RowOf(control).handler) (this->*handler)();
}

// The layout opens the window in Italian; the tag, and what follows the language, agree with it.
void Form2::Form_Load() {
    languageTag_ = LanguageTagOf(Language::Italian);
    window_.FollowLanguage(Language::Italian);
}

// Calculate: check, decode, compute and show. Bad input is answered in the fields and never
// stops the command; only the placeholder "..." in the second field ends it at once.
void Form2::Command1_Click() {
    if (window_.Text(Text5) == kPlaceholderText) return;
    const geometry::LocatorCheck check =
        geometry::CheckLocators(ToLatin1(window_.Text(Text3)), ToLatin1(window_.Text(Text5)));
    if (check.FirstTooLong) window_.ShowMessage(u"", kApplicationTitle);
    if (check.BadInput) {
        window_.SetText(Text3, u"");
        window_.SetText(Text5, u"");
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
    const bool toMiles = window_.Caption(Label3) == kKilometresCaption;
    const std::u16string shown = window_.Text(Text6);
    const std::optional<double> remembered = distance_.KilometresBehind(shown);
    const std::optional<DistanceConversion> converted =
        toMiles ? ConvertToMiles(shown, remembered) : ConvertToKilometres(shown, remembered);
    if (!converted) {
        window_.Alert();
        return;
    }
    WriteDistance(converted->text, converted->kilometres);
    window_.SetCaption(Label3, toMiles ? MilesCaption(CurrentLanguage()) : kKilometresCaption);
}

void Form2::Text3_Change() { UpperCaseAndCaretToEnd(Text3); }

void Form2::Text5_Change() {
    UpperCaseAndCaretToEnd(Text5);
    if (CharacterCount(window_.Text(Text5)) == kLocatorLength) window_.SignalCompletion();
}

// Writes the field in upper case (which runs this field's change handler once more, nested, when
// it changes anything) and puts the caret after the last character.
void Form2::UpperCaseAndCaretToEnd(Control field) {
    window_.SetText(field, UpperCaseAscii(window_.Text(field)));
    window_.PlaceCaret(field, CharacterCount(window_.Text(field)));
}

void Form2::ShowCoordinates(const geometry::GeoPosition& first, const geometry::GeoPosition& second) {
    // Longitudes are shown west-positive.
    window_.SetText(Text7, NumberText(geometry::FormatGeneralNumber(first.Latitude)));
    window_.SetText(Text2, NumberText(geometry::FormatGeneralNumber(-first.Longitude)));
    window_.SetText(Text4, NumberText(geometry::FormatGeneralNumber(second.Latitude)));
    window_.SetText(Text8, NumberText(geometry::FormatGeneralNumber(-second.Longitude)));
}

void Form2::ShowResults(const geometry::PathResult& path, bool badInput) {
    if (!badInput) {
        window_.SetText(Text1, NumberText(geometry::FormatSignedNumber(path.Bearing)));
        WriteDistance(NumberText(geometry::FormatSignedNumber(path.DistanceKm)), path.DistanceKm);
    } else {
        window_.SetText(Text1, kBadInputText);
        WriteDistance(kBadInputText, std::nullopt);
        window_.SetText(Text3, u"");
        window_.SetText(Text5, u"");
    }
    // Two identical locators show a bearing of "0": the computed one would be meaningless.
    if (!badInput && window_.Text(Text3) == window_.Text(Text5)) window_.SetText(Text1, kEqualLocatorsBearing);
    window_.SetCaption(Label3, kKilometresCaption);
}

// The unit word for miles follows the language tag: exactly "ita" is Italian, anything else English.
Language Form2::CurrentLanguage() const {
    return languageTag_ == LanguageTagOf(Language::Italian) ? Language::Italian : Language::English;
}

void Form2::ApplyLanguage(Language language) {
    for (const CaptionRow& row : CaptionTable()) window_.SetCaption(row.control, Caption(row, language));
    window_.SetCaption(Label3, window_.Caption(Label3) == kKilometresCaption ? kKilometresCaption
                                                                             : MilesCaption(language));
    languageTag_ = LanguageTagOf(language);
    window_.FollowLanguage(language);
}

// Remembers the exact kilometres behind a distance text the window writes.
void Form2::WriteDistance(std::u16string_view text, std::optional<double> kilometres) {
    window_.SetText(Text6, text);
    distance_.Remember(text, kilometres);
}

}  // namespace ui
