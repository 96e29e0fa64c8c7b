// A second reference for start-up measurements: the same kinds and number of widgets as the
// program's window, built the plain way (images loaded with format detection), and nothing else.
// What the program costs beyond this is the program's own.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(492, 417);
    for (int i = 0; i < 4; ++i) new QLabel(QStringLiteral("Label"), &window);
    for (int i = 0; i < 8; ++i) new QLineEdit(QStringLiteral("..."), &window);
    for (int i = 0; i < 2; ++i) new QPushButton(QStringLiteral("Button"), &window);
    const char* images[] = {"compass.png", "flag_uk.jpg", "flag_it.jpg", "ruler.jpg"};
    for (const char* image : images) {
        auto* picture = new QLabel(&window);
        picture->setPixmap(QPixmap(QStringLiteral(TARVOLIN_IMAGES "/") + image));
    }
    window.show();
    return app.exec();
}
