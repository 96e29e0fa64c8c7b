#include "form2.h"

#include "control_table.h"
#include "picture_box.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <limits>
#include <vector>

namespace ui {

Form2::Form2(QWidget* parent) : QWidget(parent) {
    setObjectName("Form2");
    setWindowTitle("Tarvolin utility 1.1 - QZ9XQW");
    setWindowIcon(QIcon(":/images/tarvolin.ico"));
    resize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    CreateControls();
    SetTabOrder();
    ConnectEvents();
    CentreOnScreen();
    Form_Load();
}

void Form2::CreateControls() {
    for (const ControlSpec& spec : ControlTable()) {
        QWidget* control = CreateControl(spec);
        control->setObjectName(spec.name);
        control->setGeometry(TwipsToPixels(spec));
    }
    const auto find = [this](auto*& member, const char* name) {
        member = findChild<std::remove_reference_t<decltype(*member)>*>(name, Qt::FindDirectChildrenOnly);
        Q_ASSERT(member);
    };
    find(Text1, "Text1"), find(Text2, "Text2"), find(Text3, "Text3"), find(Text4, "Text4");
    find(Text5, "Text5"), find(Text6, "Text6"), find(Text7, "Text7"), find(Text8, "Text8");
    find(Label1, "Label1"), find(Label2, "Label2"), find(Label3, "Label3"), find(Label4, "Label4");
    find(Command1, "Command1"), find(Command2, "Command2");
    find(Picture1, "Picture1"), find(Picture2, "Picture2"), find(Picture3, "Picture3"), find(Picture4, "Picture4");
}

QWidget* Form2::CreateControl(const ControlSpec& spec) {
    switch (spec.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(spec.content, this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox:
    case ControlKind::HiddenTextBox: {
        auto* field = new QLineEdit(spec.content, this);
        field->setMaxLength(std::numeric_limits<int>::max());  // no length limit
        if (spec.kind == ControlKind::HiddenTextBox) {
            field->setFocusPolicy(Qt::NoFocus);
            field->hide();
        }
        return field;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(spec.content, this);
        button->setAutoDefault(false);  // no default button until the second locator is complete
        return button;
    }
    case ControlKind::PictureBox: {
        auto* picture = new PictureBox(this);
        picture->setPixmap(QPixmap(spec.content));
        return picture;
    }
    }
    Q_UNREACHABLE();
}

// Tab goes through the controls that take the focus in increasing tab index.
void Form2::SetTabOrder() {
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& spec : ControlTable()) {
        if (spec.kind != ControlKind::Label && spec.kind != ControlKind::HiddenTextBox) order.push_back(&spec);
    }
    std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(findChild<QWidget*>(order[i - 1]->name), findChild<QWidget*>(order[i]->name));
    }
    findChild<QWidget*>(order.front()->name)->setFocus();
}

void Form2::ConnectEvents() {
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Picture2, &PictureBox::clicked, this, &Form2::Picture2_Click);
    connect(Picture3, &PictureBox::clicked, this, &Form2::Picture3_Click);
    connect(Picture4, &PictureBox::clicked, this, &Form2::Picture4_Click);
    // textChanged, not textEdited: the handlers also run, nested, when the program writes the text.
    connect(Text3, &QLineEdit::textChanged, this, &Form2::Text3_Change, Qt::DirectConnection);
    connect(Text5, &QLineEdit::textChanged, this, &Form2::Text5_Change, Qt::DirectConnection);
}

void Form2::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }
}

void Form2::Form_Load() { LanguageTag = LanguageTagOf(Language::Italian); }

void Form2::Command1_Click() {}
void Form2::Command2_Click() { close(); }
void Form2::Picture2_Click() {}
void Form2::Picture3_Click() {}
void Form2::Picture4_Click() {}
void Form2::Text3_Change() {}
void Form2::Text5_Change() {}

}  // namespace ui
