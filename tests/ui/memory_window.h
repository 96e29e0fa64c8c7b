// A window held in memory: a test double of the window contract that keeps every promise a front
// end keeps (above all the nested change handler), drives the handlers as a user's clicks and keys
// would, records what the logic asked of it, and fails the test when the logic writes a text or
// caption that a control already holds.
//
// Its fields behave as the desktop's do where the behaviour table looks: the focus moves by Tab
// in tab order and by clicks, Tab into a field selects its text, a click selects the placeholder
// (the shared rule of ui/field_input.h), typing replaces a selection, what is typed or pasted is cut
// to what a field holds, and Ctrl+Z takes back the last edit of a field (typing goes on as one
// edit until the caret moves), the program's writes included.
#pragma once

#include "window_driver.h"

#include "ui/form2.h"
#include "ui/window.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace behaviour {

class MemoryWindow : public ui::Window, public WindowDriver {
public:
    // Creates the controls with their initial contents and runs the load handler.
    MemoryWindow();

    ui::Form2& Logic() { return form_; }

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
    void Focus(ui::Control control) override;
    void Press(Key key) override;
    void Keys(std::u16string_view keys) override;
    void Copy(std::u16string_view text) override { clipboard_ = text; }
    void Click(ui::Control control) override;
    ui::Control Focused() override { return focus_; }
    std::optional<ui::Control> DefaultButton() override;
    int ChangesNotified(ui::Control field) override;
    const std::vector<SeenMessage>& Messages() override { return messages_; }
    bool Closed() override { return closed_; }
    // It has no mouse to double-click with, no screen and no assistive tools.
    bool Has(Ability) const override { return false; }

    // What the logic asked of the window.
    std::vector<ui::Control> writes;       // the field of every SetText
    std::vector<ui::Control> changes;      // every change handler run, in order
    int deepestNesting = 0;                // the most change handlers running at once
    int completionSignals = 0;
    int alerts = 0;
    std::vector<ui::Language> followedLanguages;

protected:
    ui::Form2& Program() override { return form_; }
    void Act(const std::function<void()>& action) override;

private:
    // What a field holds besides its text.
    struct FieldState {
        std::size_t caret = 0;
        bool allSelected = false;
        std::optional<std::u16string> undo;  // the text before its last edit
        bool editing = false;                 // typing goes on one edit until the caret is moved
    };

    static std::size_t Index(ui::Control control) { return static_cast<std::size_t>(control); }
    void BeginAction() { changesBeforeAction_ = changes.size(); }
    // Replaces a field's text as an edit that Ctrl+Z takes back, then runs its change handler.
    void Edit(ui::Control field, std::u16string text, std::size_t caret, bool byUser = true);
    // Moves the caret or the selection, which ends the edit going on.
    void Select(ui::Control field, std::size_t caret, bool all);
    void RaiseChange(ui::Control field);
    // Typed or pasted text replaces the selection or lands at the caret, as the input rule takes it.
    void Insert(ui::Control field, std::u16string_view typed);
    // Backspace or Delete: the selection, or the character before or after the caret.
    void Erase(ui::Control field, bool before);
    void Undo(ui::Control field);

    std::array<std::u16string, ui::kControlCount> contents_;
    std::array<FieldState, ui::kControlCount> fields_{};
    ui::Control focus_;
    std::vector<SeenMessage> messages_;
    std::u16string clipboard_;
    bool closed_ = false;
    int handlersRunning_ = 0;
    std::size_t changesBeforeAction_ = 0;
    ui::Form2 form_{*this};
};

}  // namespace behaviour
