#include "display_check.h"
#include "form2.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Qt would abort without a display, with advice meant for a broken installation.
    if (!ui::DisplayAvailable(argc, argv)) {
        std::fputs(ui::kNoDisplayMessage, stderr);
        return 1;
    }
    // The desktop entry's name ties the window to its launcher and icon: Wayland compositors take
    // it as the window's app id; X11 docks match the entry's StartupWMClass with the window class,
    // which is the application name.
    QApplication::setApplicationName(QStringLiteral("tarvolin"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TARVOLIN_APP_ID));
    QApplication app(argc, argv);
    ui::Form2 form;
    form.show();
    return app.exec();
}
