// Build tool: writes a picture kept compressed (PNG) out as an uncompressed bitmap, pixel for
// pixel, for the Qt program's resources. Qt then shows it straight from the program file: the
// compass's PNG would cost a tenth of the program's start-up to inflate at every start.
//   unpack_picture IN.png OUT.bmp
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    const QImage picture = argc == 3 ? QImage(QString::fromLocal8Bit(argv[1])) : QImage();
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]), "BMP")) {
        std::fputs("usage: unpack_picture IN.png OUT.bmp (IN readable, OUT writable)\n", stderr);
        return 1;
    }
    return 0;
}
