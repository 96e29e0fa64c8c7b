// The names the program gives the desktop match its desktop entry.
#include "ui/qt/desktop_identity.h"

#include <QFile>
#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(DesktopIdentity, NamesItsDesktopEntryAndTheEntryMatchesTheWindowClass) {
    ui::qt::IdentifyToDesktop();
    QFile entry(QStringLiteral(TARVOLIN_DATA_DIR "/") + QGuiApplication::desktopFileName() + ".desktop");
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly)) << entry.fileName().toStdString();
    const QByteArray text = entry.readAll();
    EXPECT_TRUE(text.contains("\nStartupWMClass=" + QGuiApplication::applicationName().toUtf8() + "\n"));
    EXPECT_EQ(QGuiApplication::applicationVersion(), TARVOLIN_PROJECT_VERSION);
}
