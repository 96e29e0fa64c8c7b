// A single-line text field that:
//   - passes what the user types, pastes or drops through an input rule before taking it (the
//     first line of a paste; upper case in the locator fields), so that the field's own edit
//     history, and with it undo, stays intact;
//   - selects its whole text when it gets the focus while it holds the placeholder "...", by a
//     click as by Tab, so that what the user types replaces the placeholder instead of landing
//     after it.
#pragma once

#include <QClipboard>
#include <QLineEdit>

#include <functional>

namespace ui::qt {

class TextBox : public QLineEdit {
    Q_OBJECT

public:
    using InputRule = std::function<QString(const QString&)>;
    TextBox(const QString& text, InputRule rule, QWidget* parent = nullptr);

    // Pastes the clipboard's text through the input rule, as Ctrl+V and the context menu do.
    void pasteFiltered(QClipboard::Mode mode = QClipboard::Clipboard);
    // Replaces the whole text as one edit of its own, which undo takes back; the caret ends after it.
    void replaceAsOneEdit(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void insertAsOneEdit(const QString& text);

    InputRule rule_;
    bool clickBringsFocus_ = false;
};

}  // namespace ui::qt
