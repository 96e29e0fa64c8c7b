#include "desktop_identity.h"

#include <QGuiApplication>

namespace ui::qt {

void IdentifyToDesktop() {
    QGuiApplication::setApplicationName(QStringLiteral("tarvolin"));
    QGuiApplication::setApplicationVersion(QStringLiteral(TARVOLIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVOLIN_APP_ID));
}

}  // namespace ui::qt
