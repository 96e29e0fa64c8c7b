// Qt's own texts (here the fields' context menu) follow the caption language.
#include "ui/qt/qt_translation.h"
#include "window_fixture.h"

#include <QMenu>

#include <memory>

namespace {

QString SelectAllText(QLineEdit* field) {
    const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    return menu->actions().constLast()->text().remove('&').section('\t', 0, 0);
}

TEST_F(WindowTest, QtOwnTextsFollowTheCaptionLanguage) {
    EXPECT_EQ(SelectAllText(Field("Text3")), "Seleziona tutto") << "at start";
    const std::pair<const char*, const char*> rows[] = {
        {"Picture2", "Select All"}, {"Picture3", "Seleziona tutto"}, {"Picture3", "Seleziona tutto"}, {"Picture2", "Select All"}};
    for (const auto& [flag, selectAll] : rows) {
        Click(flag);
        EXPECT_EQ(SelectAllText(Field("Text5")), selectAll) << "after " << flag;
    }
}

// Where Qt's translations are not installed, Qt's English texts stay, and nothing is reported.
TEST(QtTranslation, MissingFileLeavesEnglishQuietly) {
    static int messages = 0;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++messages; });
    ui::qt::QtTranslation translation(QStringLiteral("/nonexistent"));
    translation.Follow(ui::Language::Italian);
    qInstallMessageHandler(previous);
    QLineEdit field;
    EXPECT_EQ(SelectAllText(&field), "Select All");
    EXPECT_EQ(messages, 0);
}

}  // namespace
