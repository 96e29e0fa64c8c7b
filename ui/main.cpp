#include "desktop_identity.h"
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
    ui::IdentifyToDesktop();
    QApplication app(argc, argv);
    ui::Form2 form;
    form.show();
    return app.exec();
}
