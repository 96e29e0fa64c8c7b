#include "form2.h"

#include "command_button.h"
#include "control_table.h"
#include "images.h"
#include "latin1_text.h"
#include "picture_box.h"
#include "text_box.h"
#include "window_accessibility.h"
#include "window_scale.h"

#include "geometry/locator.h"
#include "geometry/number_text.h"
#include "geometry/path.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {
namespace {

constexpr const char* kApplicationTitle = "Tarvolin_11";
// The second field's placeholder: no second locator has been typed yet.
const QString kNoSecondLocator = QString::fromLatin1(kPlaceholderText);
const QString kBadInputText = QStringLiteral("??????");
const QString kEqualLocatorsBearing = QStringLiteral("0");
// The longest distance text a calculation writes: half the way round the globe.
const QString kLongestDistanceText = QStringLiteral(" 19970");
// A locator of the broadest letters, for the room a typed locator needs.
const QString kWidestLocator = QStringLiteral("MM00WW");
constexpr qsizetype kLocatorLength = 6;
constexpr int kLongestFieldText = 32767;
// Kilometres per mile, to three decimals as the program has always used.
constexpr double kKilometresPerMile = 1.609;

// Only "a" to "z" change: locators are plain ASCII, and the fields keep every other character.
QString UpperCaseAscii(QString text) {
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    }
    return text;
}

// Kilometres restored after a round trip through miles: plain digits when whole, as the toggle
// writes them, otherwise the number as it was typed in value.
std::string FormatKilometres(double kilometres) {
    return kilometres == std::floor(kilometres) ? geometry::FormatWholeNumber(kilometres)
                                                : geometry::FormatGeneralNumber(kilometres);
}

}  // namespace

Form2::Form2(QWidget* parent) : QWidget(parent) {
    InstallWindowAccessibility();
    setObjectName("Form2");
    setWindowTitle("Tarvolin utility 1.1 - QZ9XQW");
    setWindowIcon(LoadWindowIcon());
    CreateControls();
    SetTabOrder();
    ConnectEvents();
    scale_ = SmallestFittingScale(TextsToFit(), [this](qreal scale) { LayOut(scale); });
    CentreOnScreen();
    Form_Load();
    FollowLanguage(Language::Italian);
}

void Form2::CreateControls() {
    for (const ControlRow& row : ControlTable()) CreateControl(row)->setObjectName(row.name);
    Text1 = Control<QLineEdit>("Text1");
    Text2 = Control<QLineEdit>("Text2");
    Text3 = Control<QLineEdit>("Text3");
    Text4 = Control<QLineEdit>("Text4");
    Text5 = Control<QLineEdit>("Text5");
    Text6 = Control<QLineEdit>("Text6");
    Text7 = Control<QLineEdit>("Text7");
    Text8 = Control<QLineEdit>("Text8");
    Label1 = Control<QLabel>("Label1");
    Label2 = Control<QLabel>("Label2");
    Label3 = Control<QLabel>("Label3");
    Label4 = Control<QLabel>("Label4");
    Command1 = Control<QPushButton>("Command1");
    Command2 = Control<QPushButton>("Command2");
    Picture1 = Control<PictureBox>("Picture1");
    Picture2 = Control<PictureBox>("Picture2");
    Picture3 = Control<PictureBox>("Picture3");
    Picture4 = Control<PictureBox>("Picture4");
    for (const ControlRow& row : ControlTable()) {
        if (row.labelFor) Control<QLabel>(row.name)->setBuddy(Control<QWidget>(row.labelFor));
    }
    SetAccessibleRoles();
}

// The compass is an image; the ruler is a button; the flags are the choice of language.
void Form2::SetAccessibleRoles() {
    Picture1->setAccessibleRole(QAccessible::Graphic);
    Picture2->setAccessibleRole(QAccessible::RadioButton);
    Picture3->setAccessibleRole(QAccessible::RadioButton);
    Picture4->setAccessibleRole(QAccessible::Button);
}

// The window's own control of that name; the tables and the code name the same controls.
template <typename T>
T* Form2::Control(const char* name) const {
    T* control = findChild<T*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(control, "Form2::Control", name);
    return control;
}

QWidget* Form2::CreateControl(const ControlRow& row) {
    switch (row.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(row.content, this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox:
    case ControlKind::HiddenTextBox: {
        auto* field = new TextBox(row.content, this);
        // Far beyond any locator or distance, yet short enough that a pasted novel cannot stall
        // the window: every change re-lays out the whole line, 150-250 ms for a million characters.
        field->setMaxLength(kLongestFieldText);
        if (row.kind == ControlKind::HiddenTextBox) {
            field->setFocusPolicy(Qt::NoFocus);
            field->hide();
        }
        return field;
    }
    case ControlKind::Button: {
        auto* button = new CommandButton(row.content, this);
        button->setAutoDefault(false);  // no default button until the second locator is complete
        return button;
    }
    case ControlKind::PictureBox: {
        auto* picture = new PictureBox(this);
        picture->setPicture(Picture(row.content));
        return picture;
    }
    }
    Q_UNREACHABLE();
}

// Tab goes through the controls that take the focus in increasing tab index.
void Form2::SetTabOrder() {
    std::vector<const ControlRow*> order;
    for (const ControlRow& row : ControlTable()) {
        if (row.kind != ControlKind::Label && row.kind != ControlKind::HiddenTextBox) order.push_back(&row);
    }
    std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(Control<QWidget>(order[i - 1]->name), Control<QWidget>(order[i]->name));
    }
    Control<QWidget>(order.front()->name)->setFocus();
}

// Every control and the client area at the window's scale; 1 is the window as designed.
void Form2::LayOut(qreal scale) {
    for (const ControlRow& row : ControlTable()) Control<QWidget>(row.name)->setGeometry(TwipsToPixels(row, scale));
    for (PictureBox* picture : {Picture1, Picture2, Picture3, Picture4}) picture->setScale(scale);
    resize(TwipsToPixels(kClientWidthTwips, scale), TwipsToPixels(kClientHeightTwips, scale));
}

// Every caption in both languages, and the longest texts the window writes into its fields or a
// locator may hold.
std::vector<TextToFit> Form2::TextsToFit() const {
    std::vector<TextToFit> texts;
    for (const CaptionRow& row : CaptionTable()) {
        for (Language language : {Language::Italian, Language::English}) {
            texts.push_back({Control<QWidget>(row.control), Caption(row, language)});
        }
    }
    for (const char* unit : {kKilometresCaption, MilesCaption(Language::Italian), MilesCaption(Language::English)}) {
        texts.push_back({Label3, unit});
    }
    for (const QLineEdit* field : {Text1, Text3, Text5, Text6}) {
        for (const QString& text : {kBadInputText, kLongestDistanceText, kWidestLocator, QString(kHomeLocator)}) {
            texts.push_back({field, text});
        }
    }
    return texts;
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
    connect(Text3, &QLineEdit::returnPressed, this, &Form2::PressDefaultButton);
    connect(Text5, &QLineEdit::returnPressed, this, &Form2::PressDefaultButton);
}

void Form2::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }
}

void Form2::Form_Load() { LanguageTag = LanguageTagOf(Language::Italian); }

// Calculate: check, decode, compute and show. Bad input is answered in the fields and never
// stops the command; only the placeholder "..." in the second field ends it at once.
void Form2::Command1_Click() {
    if (Text5->text() == kNoSecondLocator) return;
    const geometry::LocatorCheck check = geometry::CheckLocators(ToLatin1(Text3->text()), ToLatin1(Text5->text()));
    if (check.FirstTooLong) ShowOverLengthMessage();
    if (check.BadInput) {
        Text3->setText(QString());
        Text5->setText(QString());
        WriteDistance(kBadInputText, std::nullopt);
    }
    const geometry::GeoPosition first = geometry::DecodeLocator(check.First);
    const geometry::GeoPosition second = geometry::DecodeLocator(check.Second);
    ShowCoordinates(first, second);
    const geometry::PathResult path = geometry::ComputeBearingDistance(first, second);
    ShowResults(path, check.BadInput);
}

void Form2::Command2_Click() { close(); }

void Form2::Picture2_Click() { ApplyLanguage(Language::English); }

void Form2::Picture3_Click() { ApplyLanguage(Language::Italian); }

// The unit toggle: kilometres to miles when the unit caption is exactly "Km", else back.
void Form2::Picture4_Click() {
    const bool toMiles = Label3->text() == kKilometresCaption;
    const std::optional<DistanceConversion> converted = toMiles ? ConvertToMiles() : ConvertToKilometres();
    if (!converted) {
        QApplication::beep();  // too large for a double: leave the field and the unit as they are
        return;
    }
    WriteDistance(converted->text, converted->kilometres);
    Label3->setText(toMiles ? MilesCaption(CurrentLanguage()) : kKilometresCaption);
}

void Form2::Text3_Change() { UpperCaseAndCaretToEnd(Text3); }

void Form2::Text5_Change() {
    UpperCaseAndCaretToEnd(Text5);
    if (CharacterCount(Text5->text()) == kLocatorLength) SignalSecondLocatorComplete();
}

// Writes the field in upper case (which runs this field's change handler once more, nested, when
// it changes anything) and puts the caret after the last character.
void Form2::UpperCaseAndCaretToEnd(QLineEdit* field) {
    field->setText(UpperCaseAscii(field->text()));
    field->setCursorPosition(field->text().size());
}

// From now on Calculate is the default button: Enter in a locator field presses it.
void Form2::SignalSecondLocatorComplete() { Command1->setDefault(true); }

void Form2::PressDefaultButton() {
    if (Command1->isDefault()) Command1->click();
}

void Form2::ShowOverLengthMessage() {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, QString(), QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void Form2::ShowCoordinates(const geometry::GeoPosition& first, const geometry::GeoPosition& second) {
    // Longitudes are shown west-positive.
    Text7->setText(FromLatin1(geometry::FormatGeneralNumber(first.Latitude)));
    Text2->setText(FromLatin1(geometry::FormatGeneralNumber(-first.Longitude)));
    Text4->setText(FromLatin1(geometry::FormatGeneralNumber(second.Latitude)));
    Text8->setText(FromLatin1(geometry::FormatGeneralNumber(-second.Longitude)));
}

void Form2::ShowResults(const geometry::PathResult& path, bool badInput) {
    if (!badInput) {
        Text1->setText(FromLatin1(geometry::FormatSignedNumber(path.Bearing)));
        WriteDistance(FromLatin1(geometry::FormatSignedNumber(path.DistanceKm)), path.DistanceKm);
    } else {
        Text1->setText(kBadInputText);
        WriteDistance(kBadInputText, std::nullopt);
        Text3->setText(QString());
        Text5->setText(QString());
    }
    // Two identical locators show a bearing of "0": the computed one would be meaningless.
    if (!badInput && Text3->text() == Text5->text()) Text1->setText(kEqualLocatorsBearing);
    Label3->setText(kKilometresCaption);
}

// The unit word for miles follows the language tag: exactly "ita" is Italian, anything else English.
Language Form2::CurrentLanguage() const {
    return LanguageTag == LanguageTagOf(Language::Italian) ? Language::Italian : Language::English;
}

void Form2::ApplyLanguage(Language language) {
    for (const CaptionRow& row : CaptionTable()) {
        Control<QWidget>(row.control)->setProperty("text", QString(Caption(row, language)));
    }
    Label3->setText(Label3->text() == kKilometresCaption ? kKilometresCaption : MilesCaption(language));
    LanguageTag = LanguageTagOf(language);
    FollowLanguage(language);
}

// What goes with the captions: the names assistive tools read, the chosen flag, and Qt's own texts.
void Form2::FollowLanguage(Language language) {
    ApplyAccessibleNames(language);
    Picture2->setChecked(language == Language::English);
    Picture3->setChecked(language == Language::Italian);
    qtTranslation_.follow(language);
}

void Form2::ApplyAccessibleNames(Language language) {
    for (const CaptionRow& row : AccessibleNameTable()) {
        Control<QWidget>(row.control)->setAccessibleName(Caption(row, language));
    }
}

// Remembers the exact kilometres behind a distance text the window writes, so that a round trip
// through miles gives the kilometres back instead of losing one to each floor.
void Form2::WriteDistance(const QString& text, std::optional<double> kilometres) {
    Text6->setText(text);
    writtenDistance_ = text;
    writtenKilometres_ = kilometres;
}

// The exact kilometres behind the distance field, when it still shows what the window wrote.
std::optional<double> Form2::RememberedKilometres() const {
    if (!writtenKilometres_ || Text6->text() != writtenDistance_) return std::nullopt;
    return writtenKilometres_;
}

std::optional<Form2::DistanceConversion> Form2::ConvertToMiles() const {
    std::optional<double> kilometres = RememberedKilometres();
    if (!kilometres) kilometres = geometry::ReadLeadingNumber(ToLatin1(Text6->text()));
    if (!kilometres) return std::nullopt;
    const double miles = std::floor(*kilometres / kKilometresPerMile);
    return DistanceConversion{FromLatin1(geometry::FormatWholeNumber(miles)), *kilometres};
}

std::optional<Form2::DistanceConversion> Form2::ConvertToKilometres() const {
    if (const std::optional<double> kilometres = RememberedKilometres()) {
        return DistanceConversion{FromLatin1(FormatKilometres(*kilometres)), *kilometres};
    }
    const std::optional<double> miles = geometry::ReadLeadingNumber(ToLatin1(Text6->text()));
    if (!miles) return std::nullopt;
    const double kilometres = std::floor(*miles * kKilometresPerMile);
    if (!std::isfinite(kilometres)) return std::nullopt;
    return DistanceConversion{FromLatin1(geometry::FormatWholeNumber(kilometres)), kilometres};
}

}  // namespace ui
