// Pictures for the benchmarks and measurements, generated on the spot into a temporary folder.
#include "bench_inputs.h"

#include <QFile>
#include <QImage>
#include <QDir>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <vector>

namespace quiltra::bench {

namespace {

// A photo-like picture: two slow colour waves and a gradient, with grain of about +-12 levels so
// that a JPEG of it holds about a third of a byte per pixel at quality 90, as camera photos do.
QImage photoLike(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    std::vector<int> waveX(static_cast<std::size_t>(width)), waveY(static_cast<std::size_t>(height));
    for (int x = 0; x < width; ++x)
        waveX[std::size_t(x)] = int(60 * std::sin(x * 6.0 / width) + 30 * std::sin(x * 40.0 / width));
    for (int y = 0; y < height; ++y)
        waveY[std::size_t(y)] = int(60 * std::cos(y * 5.0 / height) + 30 * std::sin(y * 33.0 / height));
    std::uint32_t seed = 2463534242u;
    const auto grain = [&seed] {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        return int(seed % 25) - 12;
    };
    const auto level = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int wy = waveY[std::size_t(y)];
        const int blue = 40 + 150 * y / height;
        for (int x = 0; x < width; ++x) {
            const int wx = waveX[std::size_t(x)];
            line[x] = qRgb(level(128 + wx + wy / 2 + grain()), level(60 + 140 * x / width + wy / 2 + grain()),
                           level(blue + wx / 2 + grain()));
        }
    }
    return image;
}

struct InputFile {
    const char* name;
    int width, height;
};

InputFile fileOf(Input input)
{
    switch (input) {
    case Input::Jpeg1MP: return {"photo-1mp.jpg", 1152, 864};
    case Input::Jpeg12MP: return {"photo-12mp.jpg", 4000, 3000};
    case Input::Jpeg24MP: return {"photo-24mp.jpg", 6000, 4000};
    case Input::Jpeg48MP: return {"photo-48mp.jpg", 8000, 6000};
    case Input::Gif: return {"photo.gif", 1024, 768};
    case Input::Bmp: return {"photo.bmp", 1600, 1200};
    }
    return {"", 0, 0};
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quiltra-bench-XXXXXX"));
    return dir;
}

} // namespace

bool writePhotoLike(const QString& path, int width, int height)
{
    const QImage image = photoLike(width, height);
    if (image.isNull())
        return false;
    if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) {
        // Qt reads GIF but cannot write it: ImageMagick turns a BMP of the picture into one.
        const QString bmp = path + QStringLiteral(".bmp");
        if (!image.save(bmp, "BMP"))
            return false;
        const int status = QProcess::execute(QStringLiteral("convert"), {bmp, path});
        QFile::remove(bmp);
        return status == 0 && QFile::exists(path);
    }
    QImageWriter writer(path);
    if (path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
        writer.setQuality(90);
    return writer.write(image);
}

QString inputFolder() { return folder().path(); }

QString inputPath(Input input)
{
    static std::map<Input, QString> made;
    const auto it = made.find(input);
    if (it != made.end())
        return it->second;
    const InputFile file = fileOf(input);
    const QString path = inputFolder() + QLatin1Char('/') + QLatin1String(file.name);
    const bool ok = writePhotoLike(path, file.width, file.height);
    return made[input] = ok ? path : QString();
}

} // namespace quiltra::bench
