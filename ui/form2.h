// The logic of the program's one window: the event handlers and the result writers, written
// against the window contract (window.h) and the geometry. It holds the window's only variable
// besides its controls, the language tag, the exact kilometres behind the distance it wrote, and
// the texts of the coordinate fields, which no control shows.
//
// A front end creates its controls from the control table, makes one Form2 over them, runs
// Form_Load before the window is first shown, and then hands each event to HandleEvent: a click
// on Command1, Command2, Picture2, Picture3 or Picture4, a change of the text of Text3 or Text5.
#pragma once

#include "caption_table.h"
#include "distance_unit.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace geometry {
struct GeoPosition;
struct PathResult;
}  // namespace geometry

namespace ui {

class Window;

class Form2 {
public:
    explicit Form2(Window& window);
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    // "ita" or "eng": the caption language the flags last chose.
    std::u16string_view LanguageTag() const { return languageTag_; }

    // Runs the handler of the control's event (its click, or the change of its text); a control
    // with none does nothing.
    void HandleEvent(Control control);

    // The window's texts as the handlers read and write them: a field's text, a label's or a
    // button's caption. The coordinate fields' texts are held here, every other one is the
    // window's. What a control already holds is never written again, so a write raises a change
    // only when it changes the text: the upper-casing write-back would otherwise recur for ever.
    std::u16string Text(Control field) const;
    void SetText(Control field, std::u16string_view text);
    std::u16string Caption(Control control) const;
    void SetCaption(Control control, std::u16string_view caption);

    // Event handlers, one per control and event.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();
    void Text3_Change();
    void Text5_Change();

private:
    void UpperCaseAndCaretToEnd(Control field);
    void ApplyLanguage(Language language);
    Language CurrentLanguage() const;

    // Result writers.
    void ShowCoordinates(const geometry::GeoPosition& first, const geometry::GeoPosition& second);
    void ShowResults(const geometry::PathResult& path, bool badInput);
    void WriteDistance(std::u16string_view text, std::optional<double> kilometres);

    Window& window_;
    std::u16string languageTag_;
    DistanceMemory distance_;
    std::array<std::u16string, kControlCount> hiddenTexts_;  // the coordinate fields', by control
};

}  // namespace ui
