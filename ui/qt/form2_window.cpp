#include "form2_window.h"

#include "command_button.h"
#include "images.h"
#include "picture_box.h"
#include "qt_text.h"
#include "text_box.h"
#include "picture_accessibility.h"
#include "window_scale.h"

#include "ui/control_table.h"
#include "ui/field_input.h"
#include "ui/fitted_texts.h"
#include "ui/text_rules.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <vector>

namespace ui::qt {
namespace {

// What a window manager's title bar holds beside the title, for the message box's width.
constexpr int kTitleBarControls = 5;
constexpr int kTitleBarPadding = 8;


QAccessible::Role AccessibleRole(PictureRole role) {
    switch (role) {
    case PictureRole::Image: return QAccessible::Graphic;
    case PictureRole::Button: return QAccessible::Button;
    case PictureRole::LanguageChoice: return QAccessible::RadioButton;
    }
    return QAccessible::Graphic;
}

}  // namespace

Form2Window::Form2Window(QWidget* parent) : QWidget(parent) {
    InstallPictureAccessibility();
    setObjectName("Form2");
    setWindowTitle(ToQString(kWindowTitle));
    setWindowIcon(LoadWindowIcon());
    createControls();
    orderTabs();
    connectEvents();
    const WidgetMeasure measure([this](Control id) { return control(id); });
    scale_ = ui::SmallestFittingScale(TextsToFit(), measure, [this](double scale) { layOut(scale); });
    centreOnScreen();
    form_.Form_Load();
}

void Form2Window::createControls() {
    for (const ControlRow& row : ControlTable()) {
        if (!IsShown(row)) continue;
        QWidget* widget = createControl(row);
        widget->setObjectName(row.name);
        controls_[static_cast<std::size_t>(row.id)] = widget;
    }
    for (const ControlRow& row : ControlTable()) {
        if (row.kind == ControlKind::Label) static_cast<QLabel*>(control(row.id))->setBuddy(control(row.labelFor));
    }
    for (const PictureNameRow& row : PictureNameTable()) picture(row.picture)->setAccessibleRole(AccessibleRole(row.role));
}

QWidget* Form2Window::createControl(const ControlRow& row) {
    const QString content = ToQString(row.content);
    switch (row.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(content, this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox: {
        const Control id = row.id;
        auto* field = new TextBox(
            content, [id](const QString& input) { return ToQString(AcceptedInput(id, FromQString(input))); }, this);
        field->setMaxLength(kLongestFieldText);  // every change re-lays out the whole line
        return field;
    }
    case ControlKind::HiddenTextBox: break;
    case ControlKind::Button: {
        auto* button = new CommandButton(content, this);
        button->setAutoDefault(false);  // no default button until the second locator is complete
        return button;
    }
    case ControlKind::PictureBox: {
        auto* picture = new PictureBox(this);
        picture->setPicture(Picture(QStringLiteral(":/images/") + content));
        return picture;
    }
    }
    Q_UNREACHABLE();
}

void Form2Window::orderTabs() {
    const std::vector<Control> order = TabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(control(order[i - 1]), control(order[i]));
    control(order.front())->setFocus();
}

// Each control's event, as the control table names it. textChanged, not textEdited: the change
// handlers also run, nested, when the program writes the text.
void Form2Window::connectEvents() {
    for (const ControlRow& row : ControlTable()) {
        const auto handle = [this, id = row.id] { form_.HandleEvent(id); };
        if (row.event == Event::Change) {
            connect(field(row.id), &QLineEdit::textChanged, this, handle, Qt::DirectConnection);
        } else if (row.event == Event::Click && row.kind == ControlKind::Button) {
            connect(button(row.id), &QPushButton::clicked, this, handle);
        } else if (row.event == Event::Click) {
            connect(picture(row.id), &PictureBox::clicked, this, handle);
        }
    }
    for (const Control locator : {kFirstLocatorField, kSecondLocatorField}) {
        connect(field(locator), &QLineEdit::returnPressed, this, &Form2Window::pressDefaultButton);
    }
}

// Every control and the client area at the window's scale; 1 is the window as designed.
void Form2Window::layOut(qreal scale) {
    for (const ControlRow& row : ControlTable()) {
        if (!IsShown(row)) continue;
        const PixelRect r = TwipsToPixels(row, scale);
        control(row.id)->setGeometry(r.left, r.top, r.width, r.height);
        if (row.kind == ControlKind::PictureBox) picture(row.id)->setScale(scale);
    }
    resize(TwipsToPixels(kClientWidthTwips, scale), TwipsToPixels(kClientHeightTwips, scale));
}

void Form2Window::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }
}

void Form2Window::pressDefaultButton() {
    if (button(kCalculateButton)->isDefault()) button(kCalculateButton)->click();
}

TextBox* Form2Window::field(Control id) const { return static_cast<TextBox*>(control(id)); }
PictureBox* Form2Window::picture(Control id) const { return static_cast<PictureBox*>(control(id)); }
QPushButton* Form2Window::button(Control id) const { return static_cast<QPushButton*>(control(id)); }

std::u16string Form2Window::Text(Control id) const { return FromQString(field(id)->text()); }

// The text is replaced as an edit of its own, which Ctrl+Z takes back: bad input empties the
// locator fields, and undo brings back what was typed (setText would clear the edit history).
// QLineEdit notifies textChanged before the replacement returns, which runs the change handler
// nested.
void Form2Window::SetText(Control id, std::u16string_view text) { field(id)->replaceAsOneEdit(ToQString(text)); }

std::u16string Form2Window::Caption(Control id) const { return FromQString(control(id)->property("text").toString()); }

void Form2Window::SetCaption(Control id, std::u16string_view caption) {
    control(id)->setProperty("text", ToQString(caption));
}

void Form2Window::PlaceCaret(Control id, std::size_t position) {
    QLineEdit* f = field(id);
    f->setCursorPosition(static_cast<int>(Utf16Offset(Text(id), position)));
}

void Form2Window::ShowMessage(std::u16string_view message, std::u16string_view caption) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(caption), ToQString(message), QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    widenForTitle(box);
    box.exec();
}

// The over-length box has no message, so its title is all it says: the box is made wide enough
// for the whole title in the desktop's title font, bold as title bars mostly set it, beside the
// frame's icon and buttons (each about as wide as the bar is high; room for five). Without this a
// window manager elides the title to "..." or cuts it.
void Form2Window::widenForTitle(QMessageBox& box) {
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int barHeight = metrics.height() + kTitleBarPadding;
    const int width = metrics.horizontalAdvance(box.windowTitle()) + kTitleBarControls * barHeight + 2 * kTitleBarPadding;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
}

// From now on Calculate is the default button: Enter in a locator field presses it.
void Form2Window::SignalCompletion() { button(kCalculateButton)->setDefault(true); }

// What goes with the captions: the names assistive tools read, the chosen flag, and Qt's own texts.
// A name is set only when it changes: each setting tells assistive tools of a new name.
void Form2Window::FollowLanguage(Language language) {
    for (const PictureNameRow& row : PictureNameTable()) {
        const QString name = ToQString(Name(row, language));
        if (picture(row.picture)->accessibleName() != name) picture(row.picture)->setAccessibleName(name);
        picture(row.picture)->setChecked(Checked(row, language));
    }
    qtTranslation_.Follow(language);
}

void Form2Window::Alert() { QApplication::beep(); }

void Form2Window::Close() { close(); }

}  // namespace ui::qt
