// A window held in memory: a test double of the window contract that keeps every promise a front
// end keeps (above all the nested change handler, raised only for a real change), drives the
// handlers as a user's clicks and keys would, and records what the handlers asked of it.
#pragma once

#include "window_driver.h"

#include "ui/form2.h"
#include "ui/window.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace behaviour {

class MemoryWindow : public ui::Window, public WindowDriver {
public:
    // Creates the controls with their initial contents and runs the load handler.
    MemoryWindow();

    ui::Form2& form() { return form_; }

    // The window operations.
    std::u16string Text(ui::Control field) const override;
    void SetText(ui::Control field, std::u16string_view text) override;
    std::u16string Caption(ui::Control control) const override;
    void SetCaption(ui::Control control, std::u16string_view caption) override;
    void PlaceCaret(ui::Control field, std::size_t position) override;
    void ShowMessage(std::u16string_view message, std::u16string_view caption) override;
    void SignalCompletion() override { ++completionSignals; }
    void FollowLanguage(ui::Language language) override { followedLanguages.push_back(language); }
    void Alert() override { ++alerts; }
    void Close() override { closed_ = true; }

    // A user at the window.
    void Type(ui::Control field, std::u16string_view keys) override;
    void Append(ui::Control field, std::u16string_view keys) override;
    void Backspace(ui::Control field) override;
    void Paste(ui::Control field, std::u16string_view text) override;
    void Click(ui::Control control) override;
    void PressEnter(ui::Control control) override;
    void Write(ui::Control control, std::u16string_view text) override;
    std::u16string Shown(ui::Control control) override;
    const std::vector<SeenMessage>& Messages() override { return messages_; }
    bool Closed() override { return closed_; }

    // What the handlers asked of the window.
    struct FieldWrite {
        ui::Control field;
        std::u16string text;
        int depth;  // how many change handlers were running when it was asked for
    };
    std::vector<FieldWrite> writes;            // every SetText, changed or not
    std::vector<ui::Control> changes;     // every change handler run, in order
    int deepestNesting = 0;                // the most change handlers running at once
    int completionSignals = 0;
    int alerts = 0;
    std::vector<ui::Language> followedLanguages;
    std::size_t Caret(ui::Control field) const { return carets_[Index(field)]; }

private:
    static std::size_t Index(ui::Control control) { return static_cast<std::size_t>(control); }
    // The user's own edit of a field: the text changes, then its change handler runs.
    void UserEdit(ui::Control field, std::u16string text, std::size_t caret);
    void RaiseChange(ui::Control field);
    void InsertAtCaret(ui::Control field, std::u16string_view typed);

    std::array<std::u16string, 18> contents_;
    std::array<std::size_t, 18> carets_{};
    std::vector<SeenMessage> messages_;
    bool closed_ = false;
    int handlersRunning_ = 0;
    ui::Form2 form_{*this};
};

}  // namespace behaviour
