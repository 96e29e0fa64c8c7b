// The window's logic on the in-memory window: what only the logic's own view shows, such as the
// order of its writes, how deep its handlers nest and what it asks of the window besides texts.
#include "memory_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using behaviour::MemoryWindow;
using enum ui::Control;

std::vector<ui::Control> FieldsWritten(const MemoryWindow& window, std::size_t from = 0) {
    std::vector<ui::Control> fields;
    for (std::size_t i = from; i < window.writes.size(); ++i) fields.push_back(window.writes[i].field);
    return fields;
}

TEST(Form2, LoadSetsTheItalianTagAndWhatFollowsTheLanguage) {
    MemoryWindow window;
    EXPECT_EQ(window.form().LanguageTag(), u"ita");
    EXPECT_EQ(window.followedLanguages, std::vector{ui::Language::Italian});
    EXPECT_TRUE(window.writes.empty()) << "loading writes no field";
}

TEST(Form2, FlagsSetTheTagAndWhatFollowsTheLanguage) {
    MemoryWindow window;
    const std::pair<ui::Control, std::u16string_view> flags[] = {{Picture2, u"eng"}, {Picture3, u"ita"}, {Picture2, u"eng"}};
    for (const auto& [flag, tag] : flags) {
        window.Click(flag);
        EXPECT_EQ(window.form().LanguageTag(), tag);
        EXPECT_EQ(window.followedLanguages.back(), tag == u"eng" ? ui::Language::English : ui::Language::Italian);
    }
    EXPECT_EQ(window.followedLanguages.size(), 4u);
    EXPECT_TRUE(window.writes.empty()) << "flags change no field";
}

// Typed letters arrive in upper case, so the handler has nothing to write back; a lower-case text
// written by the program is written back in upper case, which runs the same handler once more,
// nested, and the nested run finds nothing to change. Every run puts the caret after the last
// character.
TEST(Form2, UpperCasingNestsExactlyOnce) {
    for (ui::Control field : {Text3, Text5}) {
        MemoryWindow window;
        window.Type(field, u"jn");
        EXPECT_EQ(window.Text(field), u"JN");
        EXPECT_EQ(window.Caret(field), 2u);
        EXPECT_EQ(window.deepestNesting, 1) << "typing needs no write-back";
        EXPECT_EQ(window.changes, std::vector<ui::Control>(3, field)) << "clearing, then J, then N";

        window.changes.clear();
        window.SetText(field, u"jn61");
        EXPECT_EQ(window.Text(field), u"JN61");
        EXPECT_EQ(window.Caret(field), 4u);
        EXPECT_EQ(window.deepestNesting, 2);
        EXPECT_EQ(window.changes, std::vector<ui::Control>(2, field)) << "the write and its write-back";
        const std::size_t before = window.changes.size();
        window.Append(field, u"1");
        EXPECT_EQ(window.changes.size(), before + 1) << "a digit needs no write-back";
        EXPECT_EQ(window.writes.back().text, u"JN611");
        EXPECT_EQ(window.writes.back().depth, 1);
    }
}

// The completion signal follows every change that leaves exactly six characters in the second
// field: twice for a lower-case text the program writes (the nested run and the outer run), never
// for the first field.
TEST(Form2, CompletionSignalOnlyForSixCharactersInTheSecondField) {
    MemoryWindow window;
    window.Type(Text3, u"JN61FV");
    window.Type(Text5, u"JN61F");
    EXPECT_EQ(window.completionSignals, 0);
    window.Append(Text5, u"V");
    EXPECT_EQ(window.completionSignals, 1);
    window.Backspace(Text5);
    window.Append(Text5, u"v");
    EXPECT_EQ(window.completionSignals, 2) << "typed in upper case";
    window.SetText(Text5, u"JN61Fv");
    EXPECT_EQ(window.completionSignals, 4) << "nested and outer run";
    window.Append(Text5, u"X");
    EXPECT_EQ(window.completionSignals, 4);
}

// The coordinate fields are written first latitude, first longitude, second latitude, second
// longitude; the bad-input response empties Text3 before Text5 and before the distance.
TEST(Form2, FieldsAreWrittenInTheirOrder) {
    MemoryWindow window;
    window.Type(Text5, u"JN45LL");
    const std::size_t start = window.writes.size();
    window.Click(Command1);
    EXPECT_EQ(FieldsWritten(window, start), (std::vector{Text7, Text2, Text4, Text8, Text1, Text6}));

    window.Type(Text3, u"FN31PR");
    window.Type(Text5, u"IO91WMX");
    const std::size_t bad = window.writes.size();
    window.Click(Command1);
    // The emptied fields' handlers run nested and write back the empty text.
    EXPECT_EQ(FieldsWritten(window, bad), (std::vector{Text3, Text3, Text5, Text5, Text6, Text7, Text2, Text4, Text8,
                                                        Text1, Text6, Text3, Text5}));
}

TEST(Form2, ExitClosesAndNothingElse) {
    MemoryWindow window;
    window.Click(Command2);
    EXPECT_TRUE(window.Closed());
    EXPECT_TRUE(window.writes.empty());
}

// A distance beyond the double range leaves field and unit alone, and the window tells the user so.
TEST(Form2, OverflowAlertsTheUser) {
    MemoryWindow window;
    window.Write(Text6, u"1e400");
    window.Click(Picture4);
    EXPECT_EQ(window.alerts, 1);
    window.Write(Text6, u"100");
    window.Click(Picture4);
    EXPECT_EQ(window.alerts, 1);
}

// The in-memory window keeps the contract's promise itself: a write of the same text raises no
// change, so that a handler's write-back cannot recurse.
TEST(MemoryWindow, AnUnchangedWriteRaisesNoChange) {
    MemoryWindow window;
    window.SetText(Text3, u"JN61FV");
    EXPECT_TRUE(window.changes.empty());
    window.SetText(Text3, u"jn61fv");
    EXPECT_EQ(window.changes, std::vector<ui::Control>(2, Text3));
    EXPECT_EQ(window.Text(Text3), u"JN61FV");
}

}  // namespace
