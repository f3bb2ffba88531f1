// Writes a generated photo-like picture, the same kind the benchmarks use.
// Usage: make_picture <file.jpg|file.bmp|file.gif> <width> <height>
#include <QCoreApplication>
#include <cstdio>

#include "bench_inputs.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <file.jpg|file.bmp|file.gif> <width> <height>\n", argv[0]);
        return 2;
    }
    const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
    if (width < 1 || height < 1 || !quiltra::bench::writePhotoLike(QString::fromLocal8Bit(argv[1]), width, height)) {
        std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
