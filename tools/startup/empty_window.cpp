// The baseline for start-up measurements: a Qt application with one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(492, 417);
    window.show();
    return app.exec();
}
