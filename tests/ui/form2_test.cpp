// The window's logic on the in-memory window: what only the logic's own view shows, such as the
// order of its writes, how deep its handlers nest and what it asks of the window besides texts.
#include "behaviour_table.h"
#include "memory_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using behaviour::Append;
using behaviour::Backspace;
using behaviour::MemoryWindow;
using behaviour::Take;
using behaviour::Type;
using enum ui::Control;

TEST(Form2, LoadSetsTheItalianTagAndWhatFollowsTheLanguage) {
    MemoryWindow window;
    EXPECT_EQ(window.Logic().LanguageTag(), u"ita");
    EXPECT_EQ(window.followedLanguages, std::vector{ui::Language::Italian});
    EXPECT_TRUE(window.writes.empty()) << "loading writes no field";
}

TEST(Form2, FlagsSetTheTagAndWhatFollowsTheLanguage) {
    MemoryWindow window;
    const std::pair<ui::Control, std::u16string_view> flags[] = {{Picture2, u"eng"}, {Picture3, u"ita"}, {Picture2, u"eng"}};
    for (const auto& [flag, tag] : flags) {
        window.Click(flag);
        EXPECT_EQ(window.Logic().LanguageTag(), tag);
        EXPECT_EQ(window.followedLanguages.back(), tag == u"eng" ? ui::Language::English : ui::Language::Italian);
    }
    EXPECT_EQ(window.followedLanguages.size(), 4u);
    EXPECT_TRUE(window.writes.empty()) << "flags change no field";
}

// The completion signal follows every change that leaves exactly six characters in the second
// field: twice for a lower-case text the program writes (the nested run and the outer run), never
// for the first field.
TEST(Form2, CompletionSignalOnlyForSixCharactersInTheSecondField) {
    MemoryWindow window;
    Take(Type(Text3, u"JN61FV"), window);
    Take(Type(Text5, u"JN61F"), window);
    EXPECT_EQ(window.completionSignals, 0);
    Take(Append(Text5, u"V"), window);
    EXPECT_EQ(window.completionSignals, 1);
    Take(Backspace(Text5), window);
    Take(Append(Text5, u"v"), window);
    EXPECT_EQ(window.completionSignals, 2) << "typed in upper case";
    window.Write(Text5, u"JN61Fv");
    EXPECT_EQ(window.completionSignals, 4) << "nested and outer run";
    Take(Append(Text5, u"X"), window);
    EXPECT_EQ(window.completionSignals, 4);
}

// The logic writes the bearing before the distance; the bad-input response empties Text3 before
// Text5 and before the distance. What a field already holds is not written again: not the empty
// text that the emptied fields' handlers write back, nor the second "??????" of the distance.
TEST(Form2, FieldsAreWrittenInTheirOrder) {
    MemoryWindow window;
    Take(Type(Text5, u"JN45LL"), window);
    window.writes.clear();
    window.Click(Command1);
    EXPECT_EQ(window.writes, (std::vector{Text1, Text6}));

    Take(Type(Text3, u"FN31PR"), window);
    Take(Type(Text5, u"IO91WMX"), window);
    window.writes.clear();
    window.Click(Command1);
    EXPECT_EQ(window.writes, (std::vector{Text3, Text5, Text6, Text1}));
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

}  // namespace
