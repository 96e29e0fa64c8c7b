// Build tool: writes a picture kept compressed (PNG) out as an uncompressed bitmap, pixel for
// pixel, for the Qt program's resources. Qt then shows it straight from the program file: the
// compass's PNG would cost a tenth of the program's start-up to inflate at every start.
//   unpack_picture IN.png OUT.bmp
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: unpack_picture IN.png OUT.bmp\n", stderr);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]), "BMP")) {
        std::fprintf(stderr, "unpack_picture: cannot write %s from %s\n", argv[2], argv[1]);
        return 1;
    }
    return 0;
}
