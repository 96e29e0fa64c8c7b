#include "desktop_identity.h"
#include "display_check.h"
#include "form2_window.h"

int main(int argc, char* argv[]) {
    if (!ui::qt::PrepareDisplay(argc, argv)) return 1;
    ui::qt::IdentifyToDesktop();
    ui::qt::Application app(argc, argv);
    ui::qt::Form2Window form;
    form.show();
    return app.exec();
}
