#include "memory_window.h"

#include "behaviour_table.h"

#include "ui/field_input.h"
#include "ui/text_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace behaviour {
namespace {

using enum ui::Control;

bool IsField(ui::Control control) { return ui::RowOf(control).kind == ui::ControlKind::TextBox; }

// A field whose change the control table says it raises.
bool RaisesChange(ui::Control field) { return ui::RowOf(field).event == ui::Event::Change; }

// A handler runs inside its own write-back once at most; anything deeper is a runaway recursion.
constexpr int kDeepestAllowedNesting = 2;

}  // namespace

MemoryWindow::MemoryWindow() : focus_(ui::TabOrder().front()) {
    for (const ui::ControlRow& row : ui::ControlTable()) contents_[Index(row.id)] = row.content;
    form_.Form_Load();
}

std::u16string MemoryWindow::Text(ui::Control field) const { return contents_[Index(field)]; }

// The program's write is an edit too: Ctrl+Z takes it back.
void MemoryWindow::SetText(ui::Control field, std::u16string_view text) {
    writes.push_back(field);
    EXPECT_NE(contents_[Index(field)], text) << ui::RowOf(field).name << " written as it stood";
    Edit(field, std::u16string(text), 0, false);  // where a program's write leaves the caret is the toolkit's business
}

std::u16string MemoryWindow::Caption(ui::Control control) const { return contents_[Index(control)]; }

void MemoryWindow::SetCaption(ui::Control control, std::u16string_view caption) {
    EXPECT_NE(contents_[Index(control)], caption) << ui::RowOf(control).name << " captioned as it stood";
    contents_[Index(control)] = caption;
}

void MemoryWindow::PlaceCaret(ui::Control field, std::size_t position) {
    EXPECT_LE(position, ui::CharacterCount(Text(field))) << "caret beyond the text";
    Select(field, position, false);
}

void MemoryWindow::ShowMessage(std::u16string_view message, std::u16string_view caption) {
    messages_.push_back({std::u16string(caption), std::u16string(message), TakeSnapshot(*this)});
}

void MemoryWindow::Edit(ui::Control field, std::u16string text, std::size_t caret, bool byUser) {
    if (contents_[Index(field)] == text) return;
    FieldState& state = fields_[Index(field)];
    std::u16string before = std::exchange(contents_[Index(field)], std::move(text));
    if (!state.editing || !byUser) state.undo = std::move(before);  // a program's write is an edit of its own
    state.editing = byUser;
    state.caret = caret;
    state.allSelected = false;
    RaiseChange(field);
}

void MemoryWindow::Select(ui::Control field, std::size_t caret, bool all) {
    FieldState& state = fields_[Index(field)];
    if (state.caret == caret && state.allSelected == all) return;
    state.caret = caret;
    state.allSelected = all;
    state.editing = false;
}

void MemoryWindow::RaiseChange(ui::Control field) {
    if (!RaisesChange(field)) return;
    changes.push_back(field);
    ++handlersRunning_;
    deepestNesting = std::max(deepestNesting, handlersRunning_);
    if (handlersRunning_ > kDeepestAllowedNesting) {
        ADD_FAILURE() << "change handlers nest " << handlersRunning_ << " deep";
    } else {
        form_.HandleEvent(field);
    }
    --handlersRunning_;
}

void MemoryWindow::Insert(ui::Control field, std::u16string_view typed) {
    std::u16string accepted = ui::AcceptedInput(field, typed);
    const FieldState& state = fields_[Index(field)];
    std::u16string text = state.allSelected ? std::u16string() : Text(field);
    const std::size_t holds = ui::kLongestFieldText;
    accepted.resize(std::min(accepted.size(), holds - std::min(text.size(), holds)));
    const std::size_t caret = state.allSelected ? 0 : state.caret;
    text.insert(ui::Utf16Offset(text, caret), accepted);
    Edit(field, std::move(text), caret + ui::CharacterCount(accepted));
}

void MemoryWindow::Erase(ui::Control field, bool before) {
    const FieldState& state = fields_[Index(field)];
    std::u16string text = Text(field);
    if (state.allSelected) {
        Edit(field, u"", 0);
    } else if (before ? state.caret > 0 : state.caret < ui::CharacterCount(text)) {
        const std::size_t at = before ? state.caret - 1 : state.caret;
        const std::size_t from = ui::Utf16Offset(text, at);
        text.erase(from, ui::Utf16Offset(text, at + 1) - from);
        Edit(field, std::move(text), at);
    }
}

// One level, as on Windows: a second Ctrl+Z takes the first back.
void MemoryWindow::Undo(ui::Control field) {
    const std::optional<std::u16string> before = fields_[Index(field)].undo;
    if (!before) return;
    Edit(field, *before, ui::CharacterCount(*before));
    fields_[Index(field)].editing = false;
}

void MemoryWindow::Focus(ui::Control control) {
    BeginAction();
    focus_ = control;
}

void MemoryWindow::Press(Key key) {
    BeginAction();
    const bool field = IsField(focus_);
    const std::vector<ui::Control> order = ui::TabOrder();
    const std::size_t index = static_cast<std::size_t>(std::find(order.begin(), order.end(), focus_) - order.begin());
    switch (key) {
    // Tab selects the text of the field it reaches.
    case Key::Tab:
    case Key::ShiftTab:
        focus_ = order[(index + (key == Key::Tab ? 1 : order.size() - 1)) % order.size()];
        if (IsField(focus_)) Select(focus_, ui::CharacterCount(Text(focus_)), true);
        break;
    case Key::Home:
    case Key::End:
        if (field) Select(focus_, key == Key::Home ? 0 : ui::CharacterCount(Text(focus_)), false);
        break;
    case Key::ShiftHome:
        if (field) Select(focus_, 0, true);
        break;
    case Key::Delete:
    case Key::Backspace:
        if (field) Erase(focus_, key == Key::Backspace);
        break;
    case Key::Paste:
        if (field) Insert(focus_, clipboard_);
        break;
    case Key::Undo:
        if (field) Undo(focus_);
        break;
    // Space and Enter press a focused button or picture; Space in a field types a blank, Enter in
    // a locator field presses the default button.
    case Key::Space:
        if (field) {
            Insert(focus_, u" ");
        } else {
            form_.HandleEvent(focus_);
        }
        break;
    case Key::Enter:
    case Key::KeypadEnter:
        if (!field) {
            form_.HandleEvent(focus_);
        } else if ((focus_ == Text3 || focus_ == Text5) && DefaultButton()) {
            form_.HandleEvent(*DefaultButton());
        }
        break;
    }
}

// One key, one change.
void MemoryWindow::Keys(std::u16string_view keys) {
    BeginAction();
    if (!IsField(focus_)) return;
    for (std::size_t i = 0; i < keys.size();) {
        const std::size_t units = ui::Utf16Offset(keys.substr(i), 1);
        Insert(focus_, keys.substr(i, units));
        i += units;
    }
}

// A click into a field puts the caret after a short text, and a field it brings the focus to
// selects its placeholder; buttons and pictures take the focus and run their handler.
void MemoryWindow::Click(ui::Control control) {
    BeginAction();
    const bool focusArrives = focus_ != control;
    focus_ = control;
    if (!IsField(control)) {
        form_.HandleEvent(control);
        return;
    }
    Select(control, ui::CharacterCount(Text(control)), focusArrives && ui::SelectsTextOnClick(Text(control)));
}

void MemoryWindow::Act(const std::function<void()>& action) {
    BeginAction();
    action();
}

std::optional<ui::Control> MemoryWindow::DefaultButton() {
    if (completionSignals > 0) return Command1;
    return std::nullopt;
}

int MemoryWindow::ChangesNotified(ui::Control field) {
    return static_cast<int>(std::count(changes.begin() + static_cast<std::ptrdiff_t>(changesBeforeAction_), changes.end(), field));
}

}  // namespace behaviour
