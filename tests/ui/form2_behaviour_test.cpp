// The window driven as a user drives it: typing, pasting, clicks on buttons and pictures.
#include "ui/picture_box.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <map>

namespace {

// Every text and caption of the window, to prove that something changed nothing.
std::map<QString, QString> Snapshot(const QWidget& form) {
    std::map<QString, QString> all;
    for (QWidget* w : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QVariant text = w->property("text");
        if (text.isValid() && !w->isWindow()) all[w->objectName()] = text.toString();
    }
    return all;
}

// Runs action while watching for a modal dialog: the dialog is handed to inspect and then
// dismissed with OK, so that a dialog can never block a test.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QMessageBox*)> inspect) : inspect_(std::move(inspect)) {}
    int seen() const { return seen_; }
    void run(const std::function<void()>& action) {
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++seen_;
                inspect_(box);
                if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                    ok->click();
                } else {
                    box->close();
                }
            }
        });
        timer.start();
        action();
    }

private:
    std::function<void(QMessageBox*)> inspect_;
    int seen_ = 0;
};

class CalculateTest : public WindowTest {
protected:
    // Types both locators and presses Calculate; fails on any message box.
    void calculate(const QString& first, const QString& second) {
        type("Text3", first);
        type("Text5", second);
        ModalWatcher watcher([](QMessageBox*) { ADD_FAILURE() << "unexpected message box"; });
        watcher.run([&] { click("Command1"); });
    }
};

TEST_F(CalculateTest, RoadOfOnePress) {
    calculate("JN61FV", "jn45ll");
    EXPECT_EQ(text("Text5"), "JN45LL");
    EXPECT_EQ(text("Text7"), "41.8958333333333");
    EXPECT_EQ(text("Text2"), "-12.4583333333333");
    EXPECT_EQ(text("Text4"), "45.4791666666667");
    EXPECT_EQ(text("Text8"), "-8.95833333333333");
    EXPECT_EQ(text("Text1"), " 326");
    EXPECT_EQ(text("Text6"), " 487");
    EXPECT_EQ(caption("Label3"), "Km");
    for (const char* hidden : {"Text2", "Text4", "Text7", "Text8"}) EXPECT_FALSE(field(hidden)->isVisible());

    click("Picture4");
    EXPECT_EQ(text("Text6"), "302");
    EXPECT_EQ(caption("Label3"), "Miglia");
    click("Picture2");
    EXPECT_EQ(caption("Label3"), "Miles");
    EXPECT_EQ(text("Text6"), "302");
}

TEST_F(CalculateTest, PlaceholderPressChangesNothing) {
    type("Text3", "garbage that would be rejected");
    const auto before = Snapshot(*form);
    click("Command1");
    EXPECT_EQ(Snapshot(*form), before);
    EXPECT_EQ(text("Text7"), "Text7");
}

struct ResultCase {
    const char* first;
    const char* second;
    const char* bearing;
    const char* distance;
};

TEST_F(CalculateTest, ResultTexts) {
    const ResultCase cases[] = {
        {"JN61FV", "JN61FV", "0", " 0"},      // equal locators: "0", not " 270"
        {"JJ00AA", "JJ00AA", "0", " 1"},
        {"FN31", "FN31LL", " 270", " 0"},     // same position, different texts
        {"JN61FA", "JN61FV", " 360", " 97"},  // due north
        {"JN61FA", "JN67GM", " 0", " 721"},   // computed 0 keeps its blank
        {"IO91WM", "FN20XR", " 288", " 5559"},
        {"JN61FV", "AE68FC", " 90", " 19970"},
    };
    for (const ResultCase& c : cases) {
        calculate(c.first, c.second);
        EXPECT_EQ(text("Text1"), c.bearing) << c.first << " " << c.second;
        EXPECT_EQ(text("Text6"), c.distance) << c.first << " " << c.second;
    }
    calculate("IO91WM", "JN61FV");
    EXPECT_EQ(text("Text2"), "0.125");
}

struct BadCase {
    const char* first;
    const char* second;
    const char* hiddenLatitude;  // Text7: the first text is still decoded
};

TEST_F(CalculateTest, BadInputEmptiesTheLocatorsAndShowsQuestionMarks) {
    const BadCase cases[] = {
        {"", "IO91WM", "-790.6875"}, {"FN31PR", "", "41.7291666666667"}, {"", "", "-790.6875"},
        {"FN31PR", "IO91WMX", "41.7291666666667"}, {"FN31P", "IO91WM", "38.3125"},
        {"FN3", "IO91WM", "65.3125"}, {"9931ZZ", "IO91WM", "-167.9375"}, {"FNA1PR", "IO91WM", "41.7291666666667"},
        // Only exactly "..." is the placeholder.
        {"JN61FV", "....", "41.8958333333333"}, {"JN61FV", " ...", "41.8958333333333"},
        {"JN61FV", "... ", "41.8958333333333"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " / " + c.second);
        click("Picture4");  // miles, so that the reset to "Km" shows
        calculate(c.first, c.second);
        EXPECT_EQ(text("Text3"), "");
        EXPECT_EQ(text("Text5"), "");
        EXPECT_EQ(text("Text1"), "??????");
        EXPECT_EQ(text("Text6"), "??????");
        EXPECT_EQ(caption("Label3"), "Km");
        EXPECT_EQ(text("Text7"), c.hiddenLatitude);
    }
    // A press after a rejected press rejects again, quietly.
    ModalWatcher watcher([](QMessageBox*) {});
    watcher.run([&] { click("Command1"); });
    EXPECT_EQ(watcher.seen(), 0);
    EXPECT_EQ(text("Text1"), "??????");
}

TEST_F(CalculateTest, FirstTooLongShowsTheEmptyModalBoxBeforeAnyFieldChanges) {
    type("Text3", "FN31PRX");
    type("Text5", "IO91WM");
    click("Picture4");  // "Miglia": the unit caption too must wait for the box
    const auto before = Snapshot(*form);
    ModalWatcher watcher([&](QMessageBox* box) {
        EXPECT_TRUE(box->isModal());
        EXPECT_EQ(box->windowTitle(), "Tarvolin_11");
        EXPECT_EQ(box->text(), "");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(Snapshot(*form), before) << "a field changed before the box was dismissed";
    });
    watcher.run([&] { click("Command1"); });
    EXPECT_EQ(watcher.seen(), 1);
    EXPECT_EQ(text("Text3"), "");
    EXPECT_EQ(text("Text6"), "??????");
    EXPECT_EQ(caption("Label3"), "Km");
}

// The calculation reads Latin-1, one byte per character: "É" is one character of code 201, and a
// character outside Latin-1 (an emoji too) is one "?" of code 63. None is a locator letter, so the
// input is bad, but the coordinate fields show the codes that were read.
TEST_F(CalculateTest, LocatorsReachTheCalculationAsLatin1) {
    struct Row {
        const char* second;
        const char* field;
        const char* coordinate;
    };
    const Row rows[] = {{"JN45L\u00C9", "Text4", "50.6875"},   // (201 - 64.5) / 24 past 45
                        {"JN45L\u20AC", "Text4", "44.9375"},   // (63 - 64.5) / 24 past 45
                        {"JN4\U0001F600LL", "Text8", "-8.95833333333333"}};  // "JN4?LL": the fifth is "L"
    for (const Row& row : rows) {
        field("Text3")->setText("JN61FV");
        field("Text5")->setText(QString::fromUtf8(row.second));
        click("Command1");
        EXPECT_EQ(text(row.field), row.coordinate) << row.second;
        EXPECT_EQ(text("Text6"), "??????") << row.second;
    }
}

// The coordinate fields are written first latitude, first longitude, second latitude, second longitude.
TEST_F(CalculateTest, CoordinateFieldsAreWrittenInTheirOrder) {
    QStringList order;
    for (const char* name : {"Text2", "Text4", "Text7", "Text8"}) {
        QObject::connect(field(name), &QLineEdit::textChanged, [&order, name] { order << name; });
    }
    calculate("JN61FV", "JN45LL");
    EXPECT_EQ(order, QStringList({"Text7", "Text2", "Text4", "Text8"}));
}

class LocatorFieldTest : public WindowTest {};

// Counts the change notifications of a field and the text each one carried.
struct ChangeLog {
    QStringList texts;
    explicit ChangeLog(QLineEdit* f) { QObject::connect(f, &QLineEdit::textChanged, [this](const QString& t) { texts << t; }); }
};

TEST_F(LocatorFieldTest, UpperCasingNestsExactlyOnce) {
    for (const char* name : {"Text3", "Text5"}) {
        SCOPED_TRACE(name);
        QLineEdit* f = field(name);
        f->setFocus();
        f->end(false);
        ChangeLog log(f);
        QTest::keyClick(f, Qt::Key_A);
        // The nested run's notification ("...A") finishes before the outer one ("...a") is seen.
        ASSERT_EQ(log.texts.size(), 2);
        EXPECT_TRUE(log.texts[0].endsWith('A'));
        EXPECT_TRUE(log.texts[1].endsWith('a'));
        EXPECT_EQ(f->cursorPosition(), f->text().size());
        log.texts.clear();
        QTest::keyClick(f, Qt::Key_1);
        EXPECT_EQ(log.texts.size(), 1) << "a digit needs no write-back";
    }
}

TEST_F(LocatorFieldTest, CaretGoesToTheEndAfterAnEditInTheMiddle) {
    QLineEdit* f = field("Text3");
    f->setFocus();
    f->setCursorPosition(2);
    QTest::keyClicks(f, "x-");  // the "-" lands at the end, where the caret went
    EXPECT_EQ(f->text(), "JNX61FV-");
    EXPECT_EQ(f->cursorPosition(), 8);
    f->setCursorPosition(1);
    QTest::keyClick(f, Qt::Key_Backspace);
    EXPECT_EQ(f->text(), "NX61FV-");
    EXPECT_EQ(f->cursorPosition(), 7);
    EXPECT_FALSE(f->hasSelectedText());
}

TEST_F(LocatorFieldTest, PunctuationAndNonAsciiStayAsTyped) {
    type("Text5", "az io 9/1.");
    QTest::sendKeyEvent(QTest::Click, field("Text5"), Qt::Key_unknown, QStringLiteral("é"), Qt::NoModifier);
    EXPECT_EQ(text("Text5"), "AZ IO 9/1.é");
}

TEST_F(LocatorFieldTest, CompletionSignalMakesCalculateTheDefaultForEnter) {
    auto* calculateButton = control<QPushButton>("Command1");
    type("Text3", "JN61FA");  // six characters in the first field do nothing
    EXPECT_FALSE(calculateButton->isDefault());
    QTest::keyClick(field("Text3"), Qt::Key_Return);
    EXPECT_EQ(text("Text1"), "...") << "Enter before the signal";
    type("Text5", "JN61F");
    EXPECT_FALSE(calculateButton->isDefault());
    QTest::keyClick(field("Text5"), Qt::Key_Return);
    EXPECT_EQ(text("Text1"), "...");
    QTest::keyClick(field("Text5"), Qt::Key_V);
    EXPECT_TRUE(calculateButton->isDefault());
    QTest::keyClick(field("Text5"), Qt::Key_Return);
    EXPECT_EQ(text("Text1"), " 360");
    // Seven characters, then back: the signal stays on, and Enter in the first field works too.
    QTest::keyClick(field("Text5"), Qt::Key_X);
    QTest::keyClick(field("Text5"), Qt::Key_Backspace);
    EXPECT_TRUE(calculateButton->isDefault());
    type("Text3", "JN61FV");
    type("Text5", "JN45LL");
    QTest::keyClick(field("Text3"), Qt::Key_Enter);
    EXPECT_EQ(text("Text1"), " 326");
    type("Text5", "JN61FA");
    QTest::keyClick(field("Text5"), Qt::Key_Enter, Qt::KeypadModifier);  // the keypad's Enter
    EXPECT_EQ(text("Text1"), " 180");
}

// Lengths count characters, not UTF-16 units: an emoji is one character, and one "?" for the
// geometry, which reads Latin-1.
TEST_F(LocatorFieldTest, AnEmojiIsOneCharacter) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    struct Row {
        const char* typed;
        bool completes;
    };
    for (const Row& row : {Row{"io91", false}, Row{"io91w", true}, Row{"io91wm", false}}) {
        type("Text5", row.typed);
        control<QPushButton>("Command1")->setDefault(false);
        field("Text5")->insert(emoji);
        EXPECT_EQ(control<QPushButton>("Command1")->isDefault(), row.completes) << row.typed << " and an emoji";
    }
    type("Text5", "IO91WM");
    type("Text3", "JN61F");
    field("Text3")->insert(emoji);  // six characters: not too long
    ModalWatcher watcher([](QMessageBox*) {});
    watcher.run([&] { click("Command1"); });
    EXPECT_EQ(watcher.seen(), 0);
    EXPECT_EQ(text("Text7"), "40.9375") << "decoded as \"JN61F?\"";
}

TEST_F(LocatorFieldTest, PastingALowerCaseLocatorCompletesIt) {
    for (const auto& [pasted, completes] : {std::pair{"io91wmx", false}, std::pair{"io91wm", true}}) {
        QApplication::clipboard()->setText(pasted);
        type("Text5", "");
        QTest::keyClick(field("Text5"), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(text("Text5"), QString(pasted).toUpper());
        EXPECT_EQ(control<QPushButton>("Command1")->isDefault(), completes) << pasted;
    }
}

// A huge paste is cut to the field's length and answered like any bad input, quickly.
TEST_F(LocatorFieldTest, MillionCharacterPasteAndCalculateStayFast) {
    const QString huge(1'000'000, QChar('a'));
    QApplication::clipboard()->setText(huge);
    for (const char* name : {"Text5", "Text3"}) {
        SCOPED_TRACE(name);
        type("Text3", "JN61FV");
        type("Text5", "JN45LL");
        QElapsedTimer timer;
        timer.start();
        type(name, "");
        QTest::keyClick(field(name), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(text(name), QString(32767, QChar('A'))) << "kept up to the field's length, upper-cased";
        ModalWatcher watcher([](QMessageBox*) {});  // a first locator this long brings the box
        watcher.run([&] { click("Command1"); });
        QApplication::processEvents();  // and draw the result
        const qint64 ms = timer.elapsed();
        std::printf("%s: paste of 1,000,000 characters, Calculate and redraw: %lld ms\n", name,
                    static_cast<long long>(ms));
        EXPECT_LT(ms, 20000) << "catches a hang only: a busy or sanitizer build is several times slower";
        EXPECT_EQ(text("Text6"), "??????");
        EXPECT_EQ(text(name), "");
    }
}

class DesktopHabitsTest : public WindowTest {};

// Typing into a field that shows the placeholder replaces it, whether the field got the focus by a
// click or by Tab; any other text keeps the caret where the click put it.
TEST_F(DesktopHabitsTest, FocusOnThePlaceholderSelectsIt) {
    struct Row {
        const char* field;
        const char* before;  // the control that has the focus first
        const char* shown;
        bool byTab;
        const char* typed;
        const char* after;
    };
    const Row rows[] = {
        {"Text5", "Text3", "...", false, "io91wm", "IO91WM"}, {"Text5", "Text3", "...", true, "io91wm", "IO91WM"},
        {"Text6", "Text5", "...", false, "100", "100"},       {"Text1", "Picture1", "...", true, "90", "90"},
        {"Text6", "Text5", "....", false, "1", "....1"},      {"Text6", "Text5", " ...", false, "1", " ...1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.field << " \"" << row.shown << "\" by " << (row.byTab ? "Tab" : "click"));
        field(row.field)->setText(row.shown);
        control(row.before)->setFocus();
        if (row.byTab) {
            QTest::keyClick(control(row.before), Qt::Key_Tab);
        } else {
            QTest::mouseClick(field(row.field), Qt::LeftButton, {}, QPoint(field(row.field)->width() - 4, 12));
        }
        ASSERT_TRUE(field(row.field)->hasFocus());
        QTest::keyClicks(field(row.field), row.typed);
        EXPECT_EQ(text(row.field), row.after);
    }
}

// The second press of a double-click is no new click, as on the desktops the window was drawn for.
TEST_F(DesktopHabitsTest, ADoubleClickOnAPictureIsOneClick) {
    type("Text6", "100");
    for (const char* name : {"Picture2", "Picture3", "Picture4"}) {
        int clicks = 0;
        QObject::connect(control<ui::PictureBox>(name), &ui::PictureBox::clicked, [&clicks] { ++clicks; });
        QWidget* picture = control(name);
        QTest::mousePress(picture, Qt::LeftButton);
        QTest::mouseRelease(picture, Qt::LeftButton);
        QTest::mouseDClick(picture, Qt::LeftButton);
        QTest::mouseRelease(picture, Qt::LeftButton);
        EXPECT_EQ(clicks, 1) << name;
    }
    EXPECT_EQ(text("Text6"), "62") << "one conversion to miles";
}

// Return and the keypad's Enter press a focused button, as Space does.
TEST_F(DesktopHabitsTest, EnterPressesTheFocusedButton) {
    struct Row {
        const char* button;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const Row& row : {Row{"Command1", Qt::Key_Return, {}}, Row{"Command1", Qt::Key_Enter, Qt::KeypadModifier},
                           Row{"Command1", Qt::Key_Space, {}}, Row{"Command2", Qt::Key_Enter, Qt::KeypadModifier}}) {
        SCOPED_TRACE(row.button);
        type("Text5", "JN45LL");
        field("Text1")->setText("...");
        control(row.button)->setFocus();
        QTest::keyClick(control(row.button), row.key, row.modifiers);
        if (row.button == std::string("Command1")) EXPECT_EQ(text("Text1"), " 326");
    }
    EXPECT_FALSE(form->isVisible()) << "Exit pressed by Enter";
}

class CaptionTest : public WindowTest {};

struct CaptionSet {
    const char* flag;
    const char* tag;
    const char* calculate;
    const char* exit;
    const char* locator1;
    const char* locator2;
    const char* bearing;
    const char* miles;
};

TEST_F(CaptionTest, FlagsSwitchEveryCaptionAndTranslateOnlyTheMilesWord) {
    const CaptionSet sets[] = {
        {"Picture2", "eng", "Calculate", "Exit", "Locator 1", "Locator 2", "Bearing", "Miles"},
        {"Picture3", "ita", "Calcola", "Esci", "Locatore 1", "Locatore 2", "Puntamento", "Miglia"},
        {"Picture2", "eng", "Calculate", "Exit", "Locator 1", "Locator 2", "Bearing", "Miles"},
    };
    type("Text5", "JN45LL");
    click("Command1");
    for (const CaptionSet& s : sets) {
        SCOPED_TRACE(s.flag);
        const QString distance = text("Text6"), bearing = text("Text1");
        click(s.flag);  // kilometres stay "Km"
        EXPECT_EQ(form->languageTag(), s.tag);
        EXPECT_EQ(caption("Command1"), s.calculate);
        EXPECT_EQ(caption("Command2"), s.exit);
        EXPECT_EQ(caption("Label1"), s.locator1);
        EXPECT_EQ(caption("Label2"), s.locator2);
        EXPECT_EQ(caption("Label4"), s.bearing);
        EXPECT_EQ(caption("Label3"), "Km");
        click("Picture4");
        EXPECT_EQ(caption("Label3"), s.miles) << "toggle writes the current language's word";
        click(s.flag);
        EXPECT_EQ(caption("Label3"), s.miles);
        click("Picture4");
        EXPECT_EQ(text("Text6"), distance.trimmed()) << "the round trip restores the kilometres";
        EXPECT_EQ(text("Text1"), bearing) << "flags change no field";
        EXPECT_EQ(text("Text3"), "JN61FV");
        EXPECT_EQ(text("Text5"), "JN45LL");
        EXPECT_EQ(form->windowTitle(), "Tarvolin utility 1.1 - QZ9XQW");
    }
    // Only exactly "Km" means kilometres.
    control<QLabel>("Label3")->setText("km");
    click("Picture3");
    EXPECT_EQ(caption("Label3"), "Miglia");
}

class UnitToggleTest : public WindowTest {};

struct ToggleCase {
    const char* typed;
    const char* converted;
};

TEST_F(UnitToggleTest, KilometresToMilesReadsTheLeadingNumberAndFloors) {
    const ToggleCase cases[] = {{"100", "62"},   {" 487", "302"},  {"??????", "0"}, {"...", "0"},
                                {"", "0"},       {"-100", "-63"},  {"12.9", "8"},   {"1,5", "0"},
                                {"1.609e3", "1000"}, {"  2 0 0 km", "124"}, {"\n100", "62"},
                                {"\t100", "62"}};
    for (const ToggleCase& c : cases) {
        field("Text6")->setText(c.typed);  // as typed or pasted; a line feed cannot be typed
        ASSERT_EQ(caption("Label3"), "Km");
        click("Picture4");
        EXPECT_EQ(text("Text6"), c.converted) << "typed " << c.typed;
        EXPECT_EQ(caption("Label3"), "Miglia");
        click("Picture4");  // back to kilometres for the next row
    }
}

TEST_F(UnitToggleTest, MilesTypedByTheUserConvertByTheRule) {
    click("Picture4");
    type("Text6", "62");
    click("Picture4");
    EXPECT_EQ(text("Text6"), "99");
    EXPECT_EQ(caption("Label3"), "Km");
    for (const char* unit : {"leagues", "km"}) {  // anything but exactly "Km" is miles
        control<QLabel>("Label3")->setText(unit);
        type("Text6", "-1");
        click("Picture4");
        EXPECT_EQ(text("Text6"), "-2") << unit;
        EXPECT_EQ(caption("Label3"), "Km");
    }
}

TEST_F(UnitToggleTest, RoundTripsKeepTheKilometres) {
    type("Text5", "JN45LL");
    click("Command1");
    for (int trip = 0; trip < 5; ++trip) {
        click("Picture4");
        EXPECT_EQ(text("Text6"), "302");
        click("Picture4");
        EXPECT_EQ(text("Text6"), "487") << "trip " << trip;
        EXPECT_EQ(caption("Label3"), "Km");
    }
    type("Text6", "100");
    click("Picture4");
    click("Picture4");
    EXPECT_EQ(text("Text6"), "100");
    type("Text6", "12.9");
    click("Picture4");
    EXPECT_EQ(text("Text6"), "8");
    click("Picture4");
    EXPECT_EQ(text("Text6"), "12.9");
    for (const char* digits : {"1234567890123456", "1000000000000000000000"}) {
        type("Text6", digits);
        click("Picture4");
        click("Picture4");
        EXPECT_EQ(text("Text6"), digits) << "digit for digit";
    }
    // An edit of the miles breaks the link to the remembered kilometres.
    click("Picture4");
    type("Text6", "300");
    click("Picture4");
    EXPECT_EQ(text("Text6"), "482");
}

TEST_F(UnitToggleTest, CalculateAfterMilesWritesKilometres) {
    type("Text5", "JN45LL");
    click("Command1");
    click("Picture4");
    click("Command1");
    EXPECT_EQ(text("Text6"), " 487");
    EXPECT_EQ(caption("Label3"), "Km");
}

TEST_F(UnitToggleTest, OverflowLeavesFieldAndUnitAlone) {
    for (const char* tooLarge : {"1e400", "1e9999999999999999999"}) {
        type("Text6", tooLarge);
        click("Picture4");
        EXPECT_EQ(text("Text6"), tooLarge);
        EXPECT_EQ(caption("Label3"), "Km");
    }
    type("Text6", "1e308");
    click("Picture4");
    EXPECT_EQ(caption("Label3"), "Miglia");
    type("Text6", "1.5e308");  // times 1.609 is beyond the double range
    click("Picture4");
    EXPECT_EQ(text("Text6"), "1.5e308");
    EXPECT_EQ(caption("Label3"), "Miglia");
}

TEST_F(WindowTest, ExitClosesTheWindow) {
    type("Text5", "JN45LL");
    click("Command1");
    click("Command2");
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
