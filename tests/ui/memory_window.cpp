#include "memory_window.h"

#include "behaviour_table.h"

#include "ui/field_input.h"
#include "ui/text_rules.h"

#include <gtest/gtest.h>

namespace behaviour {
namespace {

using enum ui::Control;

bool RaisesChange(ui::Control field) { return field == Text3 || field == Text5; }

bool IsButton(ui::Control control) { return ui::RowOf(control).kind == ui::ControlKind::Button; }

// A handler runs inside its own write-back once at most; anything deeper is a runaway recursion.
constexpr int kDeepestAllowedNesting = 2;

}  // namespace

MemoryWindow::MemoryWindow() {
    for (const ui::ControlRow& row : ui::ControlTable()) contents_[Index(row.id)] = row.content;
    form_.Form_Load();
}

std::u16string MemoryWindow::Text(ui::Control field) const { return contents_[Index(field)]; }

void MemoryWindow::SetText(ui::Control field, std::u16string_view text) {
    writes.push_back({field, std::u16string(text), handlersRunning_});
    if (contents_[Index(field)] == text) return;  // an unchanged text raises nothing
    contents_[Index(field)] = text;
    carets_[Index(field)] = 0;  // where a program's write leaves it is the toolkit's business
    RaiseChange(field);
}

std::u16string MemoryWindow::Caption(ui::Control control) const { return contents_[Index(control)]; }

void MemoryWindow::SetCaption(ui::Control control, std::u16string_view caption) { contents_[Index(control)] = caption; }

void MemoryWindow::PlaceCaret(ui::Control field, std::size_t position) {
    EXPECT_LE(position, ui::CharacterCount(Text(field))) << "caret beyond the text";
    carets_[Index(field)] = position;
}

void MemoryWindow::ShowMessage(std::u16string_view message, std::u16string_view caption) {
    messages_.push_back({std::u16string(caption), std::u16string(message), TakeSnapshot(*this)});
}

void MemoryWindow::RaiseChange(ui::Control field) {
    if (!RaisesChange(field)) return;
    changes.push_back(field);
    ++handlersRunning_;
    deepestNesting = std::max(deepestNesting, handlersRunning_);
    if (handlersRunning_ > kDeepestAllowedNesting) {
        ADD_FAILURE() << "change handlers nest " << handlersRunning_ << " deep";
    } else if (field == Text3) {
        form_.Text3_Change();
    } else {
        form_.Text5_Change();
    }
    --handlersRunning_;
}

void MemoryWindow::UserEdit(ui::Control field, std::u16string text, std::size_t caret) {
    if (contents_[Index(field)] == text) return;
    contents_[Index(field)] = std::move(text);
    carets_[Index(field)] = caret;
    RaiseChange(field);
}

// Typed or pasted text lands at the caret, one change, as the field's input rule takes it.
void MemoryWindow::InsertAtCaret(ui::Control field, std::u16string_view typed) {
    const std::u16string accepted = ui::AcceptedInput(field, typed);
    std::u16string text = Text(field);
    const std::size_t caret = Caret(field);
    text.insert(ui::Utf16Offset(text, caret), accepted);
    UserEdit(field, std::move(text), caret + ui::CharacterCount(accepted));
}

void MemoryWindow::Type(ui::Control field, std::u16string_view keys) {
    UserEdit(field, u"", 0);
    Append(field, keys);
}

void MemoryWindow::Append(ui::Control field, std::u16string_view keys) {
    carets_[Index(field)] = ui::CharacterCount(Text(field));
    for (std::size_t i = 0; i < keys.size();) {
        const std::size_t units = ui::Utf16Offset(keys.substr(i), 1);
        InsertAtCaret(field, keys.substr(i, units));
        i += units;
    }
}

void MemoryWindow::Backspace(ui::Control field) {
    std::u16string text = Text(field);
    const std::size_t length = ui::CharacterCount(text);
    if (length == 0) return;
    text.erase(ui::Utf16Offset(text, length - 1));
    UserEdit(field, std::move(text), length - 1);
}

void MemoryWindow::Paste(ui::Control field, std::u16string_view text) {
    UserEdit(field, u"", 0);
    InsertAtCaret(field, text);
}

void MemoryWindow::Click(ui::Control control) {
    switch (control) {
    case Command1: form_.Command1_Click(); break;
    case Command2: form_.Command2_Click(); break;
    case Picture2: form_.Picture2_Click(); break;
    case Picture3: form_.Picture3_Click(); break;
    case Picture4: form_.Picture4_Click(); break;
    default: break;  // the other controls only take the focus
    }
}

// Enter presses a focused button or picture, and in a locator field the default button, which
// Calculate is once the completion signal came.
void MemoryWindow::PressEnter(ui::Control control) {
    if (IsButton(control) || ui::RowOf(control).kind == ui::ControlKind::PictureBox) {
        Click(control);
    } else if ((control == Text3 || control == Text5) && completionSignals > 0) {
        Click(Command1);
    }
}

void MemoryWindow::Write(ui::Control control, std::u16string_view text) {
    const ui::ControlKind kind = ui::RowOf(control).kind;
    if (kind == ui::ControlKind::Label || kind == ui::ControlKind::Button) {
        SetCaption(control, text);
    } else {
        SetText(control, text);
    }
}

std::u16string MemoryWindow::Shown(ui::Control control) { return contents_[Index(control)]; }

}  // namespace behaviour
