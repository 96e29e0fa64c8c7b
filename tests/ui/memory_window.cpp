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

// A field whose change the control table wires to a handler.
bool RaisesChange(ui::Control field) { return ui::RowOf(field).handler != nullptr; }

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
    writes.push_back({field, std::u16string(text), handlersRunning_});
    if (contents_[Index(field)] == text) return;  // an unchanged text raises nothing
    Edit(field, std::u16string(text), 0);  // where a program's write leaves the caret is the toolkit's business
}

std::u16string MemoryWindow::Caption(ui::Control control) const { return contents_[Index(control)]; }

void MemoryWindow::SetCaption(ui::Control control, std::u16string_view caption) { contents_[Index(control)] = caption; }

void MemoryWindow::PlaceCaret(ui::Control field, std::size_t position) {
    EXPECT_LE(position, ui::CharacterCount(Text(field))) << "caret beyond the text";
    fields_[Index(field)].caret = position;
    fields_[Index(field)].allSelected = false;
}

void MemoryWindow::ShowMessage(std::u16string_view message, std::u16string_view caption) {
    messages_.push_back({std::u16string(caption), std::u16string(message), TakeSnapshot(*this)});
}

// What one action does to a field is one edit for Ctrl+Z, as typing is on the desktops.
void MemoryWindow::BeginAction() {
    changesBeforeAction_ = changes.size();
    for (FieldState& state : fields_) state.editedInAction = false;
}

void MemoryWindow::Edit(ui::Control field, std::u16string text, std::size_t caret) {
    if (contents_[Index(field)] == text) return;
    FieldState& state = fields_[Index(field)];
    std::u16string before = std::exchange(contents_[Index(field)], std::move(text));
    if (!state.editedInAction) state.undo = std::move(before);
    state.editedInAction = true;
    state.caret = caret;
    state.allSelected = false;
    RaiseChange(field);
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
    const std::u16string accepted = ui::AcceptedInput(field, typed);
    const FieldState& state = fields_[Index(field)];
    std::u16string text = state.allSelected ? std::u16string() : Text(field);
    const std::size_t caret = state.allSelected ? 0 : state.caret;
    text.insert(ui::Utf16Offset(text, caret), accepted);
    Edit(field, std::move(text), caret + ui::CharacterCount(accepted));
}

// One key, one change.
void MemoryWindow::TypeKeys(ui::Control field, std::u16string_view keys) {
    for (std::size_t i = 0; i < keys.size();) {
        const std::size_t units = ui::Utf16Offset(keys.substr(i), 1);
        Insert(field, keys.substr(i, units));
        i += units;
    }
}

void MemoryWindow::SelectAll(ui::Control field) { fields_[Index(field)].allSelected = true; }

// One level, as on Windows: a second Ctrl+Z takes the first back.
void MemoryWindow::Undo(ui::Control field) {
    const std::optional<std::u16string> before = fields_[Index(field)].undo;
    if (before) Edit(field, *before, ui::CharacterCount(*before));
}

void MemoryWindow::Type(ui::Control field, std::u16string_view keys) {
    BeginAction();
    focus_ = field;
    Edit(field, u"", 0);
    TypeKeys(field, keys);
}

void MemoryWindow::Append(ui::Control field, std::u16string_view keys) {
    BeginAction();
    focus_ = field;
    PlaceCaret(field, ui::CharacterCount(Text(field)));
    TypeKeys(field, keys);
}

void MemoryWindow::Backspace(ui::Control field) {
    BeginAction();
    focus_ = field;
    std::u16string text = Text(field);
    const std::size_t length = ui::CharacterCount(text);
    if (length == 0) return;
    text.erase(ui::Utf16Offset(text, length - 1));
    Edit(field, std::move(text), length - 1);
}

void MemoryWindow::Paste(ui::Control field, std::u16string_view text) {
    BeginAction();
    focus_ = field;
    SelectAll(field);
    Insert(field, text);
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
    PlaceCaret(control, ui::CharacterCount(Text(control)));
    if (focusArrives && ui::SelectsTextOnClick(Text(control))) SelectAll(control);
}

void MemoryWindow::DoubleClick(ui::Control) { ADD_FAILURE() << "the in-memory window takes no double-clicks"; }

void MemoryWindow::Focus(ui::Control control) {
    BeginAction();
    focus_ = control;
}

// Tab selects the text of the field it reaches. Space and Enter press a focused button or picture;
// Enter in a locator field presses the default button, Space in a field types a blank.
void MemoryWindow::Press(Key key) {
    BeginAction();
    const std::vector<ui::Control> order = ui::TabOrder();
    const auto at = std::find(order.begin(), order.end(), focus_);
    const std::size_t index = static_cast<std::size_t>(at - order.begin());
    switch (key) {
    case Key::Tab:
    case Key::ShiftTab:
        focus_ = order[(index + (key == Key::Tab ? 1 : order.size() - 1)) % order.size()];
        if (IsField(focus_)) SelectAll(focus_);
        break;
    case Key::Undo:
        if (IsField(focus_)) Undo(focus_);
        break;
    case Key::Space:
        if (IsField(focus_)) {
            TypeKeys(focus_, u" ");
        } else {
            form_.HandleEvent(focus_);
        }
        break;
    case Key::Enter:
        if (!IsField(focus_)) {
            form_.HandleEvent(focus_);
        } else if ((focus_ == Text3 || focus_ == Text5) && DefaultButton()) {
            form_.HandleEvent(*DefaultButton());
        }
        break;
    }
}

void MemoryWindow::Keys(std::u16string_view keys) {
    BeginAction();
    if (IsField(focus_)) TypeKeys(focus_, keys);
}

void MemoryWindow::Write(ui::Control control, std::u16string_view text) {
    BeginAction();
    const ui::ControlKind kind = ui::RowOf(control).kind;
    if (kind == ui::ControlKind::Label || kind == ui::ControlKind::Button) {
        SetCaption(control, text);
    } else {
        SetText(control, text);
    }
}

std::u16string MemoryWindow::Shown(ui::Control control) { return contents_[Index(control)]; }

std::optional<ui::Control> MemoryWindow::DefaultButton() {
    if (completionSignals > 0) return Command1;
    return std::nullopt;
}

int MemoryWindow::ChangesNotified(ui::Control field) {
    return static_cast<int>(std::count(changes.begin() + static_cast<std::ptrdiff_t>(changesBeforeAction_), changes.end(), field));
}

}  // namespace behaviour
