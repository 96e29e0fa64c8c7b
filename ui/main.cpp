#include "form2.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::Form2 form;
    form.show();
    return app.exec();
}
