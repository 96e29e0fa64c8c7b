#include "desktop_identity.h"
#include "display_check.h"
#include "form2_window.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Qt would abort without a display, with advice meant for a broken installation.
    if (!ui::qt::DisplayAvailable(argc, argv)) {
        std::fputs(ui::qt::kNoDisplayMessage, stderr);
        return 1;
    }
    ui::qt::IdentifyToDesktop();
    QApplication app(argc, argv);
    ui::qt::Form2Window form;
    form.show();
    return app.exec();
}
