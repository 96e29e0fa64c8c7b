#include "window_texts.h"

#include "geometry/number_text.h"
#include "ui/control_table.h"
#include "ui/form2.h"
#include "ui/text_rules.h"
#include "ui/window.h"

#include <array>
#include <initializer_list>
#include <optional>

namespace crosscheck {
namespace {

// The window's logic over a window of bare texts: each control holds its text or caption, and a
// write of a field's text runs its change handler, nested, as the window contract promises. There
// is nothing to see, click or close: the rest does nothing.
class TextWindow final : public ui::Window {
public:
    // Opens the window afresh: every control as the control table has it, a new Form2 over them
    // (forgetting what the last one remembered), and its load handler run. Cheaper than a new
    // window per case, since the texts keep their storage.
    ui::Form2& Open() {
        for (const ui::ControlRow& row : ui::ControlTable()) contents_[Index(row.id)] = row.content;
        form_.emplace(*this);
        form_->Form_Load();
        return *form_;
    }

    std::u16string Text(ui::Control field) const override { return contents_[Index(field)]; }
    void SetText(ui::Control field, std::u16string_view text) override {
        contents_[Index(field)] = text;
        form_->HandleEvent(field);
    }
    std::u16string Caption(ui::Control control) const override { return contents_[Index(control)]; }
    void SetCaption(ui::Control control, std::u16string_view caption) override { contents_[Index(control)] = caption; }
    void PlaceCaret(ui::Control, std::size_t) override {}
    void ShowMessage(std::u16string_view, std::u16string_view) override {}
    void SignalCompletion() override {}
    void FollowLanguage(ui::Language) override {}
    void Alert() override {}
    void Close() override {}

private:
    static std::size_t Index(ui::Control control) { return static_cast<std::size_t>(control); }

    std::array<std::u16string, ui::kControlCount> contents_;
    std::optional<ui::Form2> form_;
};

void Append(std::uint64_t& hash, const std::u16string& text) {
    constexpr std::uint64_t kPrime = 0x100000001b3;
    for (const char16_t c : text) hash = (hash ^ c) * kPrime;
    hash *= kPrime;  // the terminating zero: "ab","c" and "a","bc" differ
}

std::u16string NumberText(const std::string& text) { return ui::FromLatin1(text); }

}  // namespace

WindowTexts CalculateTexts(const std::string& first, const std::string& second,
                           geometry::PathWorkingValues& values) {
    static TextWindow window;  // one window for the whole run, opened afresh for each case
    ui::Form2& form = window.Open();
    form.SetText(ui::kFirstLocatorField, ui::FromLatin1(first));
    form.SetText(ui::kSecondLocatorField, ui::FromLatin1(second));
    const geometry::LocatorCheck check = geometry::CheckLocators(ui::ToLatin1(form.Text(ui::kFirstLocatorField)),
                                                                 ui::ToLatin1(form.Text(ui::kSecondLocatorField)));
    geometry::ComputeBearingDistance(geometry::DecodeLocator(check.First), geometry::DecodeLocator(check.Second),
                                     values);
    form.Command1_Click();
    WindowTexts t{form.Text(ui::kFirstLatitudeField),  form.Text(ui::kFirstLongitudeField),
                  form.Text(ui::kSecondLatitudeField), form.Text(ui::kSecondLongitudeField),
                  form.Text(ui::kBearingField),        form.Text(ui::kDistanceField),
                  {}};
    form.Picture4_Click();
    t.miles = form.Text(ui::kDistanceField);
    return t;
}

WindowTexts CalculateTexts(const geometry::GeoPosition& first, const geometry::GeoPosition& second,
                           geometry::PathWorkingValues& values) {
    const geometry::PathResult r = geometry::ComputeBearingDistance(first, second, values);
    return {NumberText(geometry::FormatGeneralNumber(first.Latitude)),
            NumberText(geometry::FormatGeneralNumber(first.Longitude)),
            NumberText(geometry::FormatGeneralNumber(second.Latitude)),
            NumberText(geometry::FormatGeneralNumber(second.Longitude)),
            NumberText(geometry::FormatSignedNumber(r.Bearing)),
            NumberText(geometry::FormatSignedNumber(r.DistanceKm)),
            {}};
}

std::uint64_t Digest(const WindowTexts& t) {
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const std::u16string* text : {&t.firstLatitude, &t.firstLongitude, &t.secondLatitude,
                                       &t.secondLongitude, &t.bearing, &t.distance, &t.miles})
        Append(hash, *text);
    return hash;
}

}  // namespace crosscheck
