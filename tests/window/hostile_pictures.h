// Hostile picture files for the tests, written into a temporary folder: empty and text files,
// cut-off JPEGs, headers claiming enormous sizes, odd GIFs, JPEGs and BMPs of every depth, each
// with what the game must make of it.
#pragma once

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QtEndian>
#include <functional>
#include <vector>

#include "game/sizes.h"
#include "platform/picture_completeness.h"
#include "window/picture_files.h"

namespace quiltra::test {

// One hostile file. A picture that plays has its upright natural size and, where it is checked,
// the colours at the centres of the upper and lower halves of the upright picture; a picture
// that is refused has the message the player reads.
struct HostilePicture {
    QString name;
    QString refusal;      // empty: the picture plays
    QSize natural;
    QColor top, bottom;   // invalid: not checked
};

namespace hostile {

inline const QColor kTop(200, 40, 40), kBottom(40, 60, 200);

inline QByteArray le16(int v)
{
    QByteArray b(2, '\0');
    qToLittleEndian<quint16>(quint16(v), b.data());
    return b;
}
inline QByteArray le32(qint64 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(quint32(v), b.data());
    return b;
}

// The two-colour picture every playable case shows: upper half kTop, lower half kBottom.
inline QImage halves(int w, int h, QColor top = kTop, QColor bottom = kBottom)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(bottom);
    QPainter(&image).fillRect(0, 0, w, h / 2, top);
    return image;
}

// A BMP written byte by byte: any depth of 1, 4, 8, 16, 24 or 32 bits, RLE8 (compression 1 at 8
// bits) or RLE4 (compression 2 at 4 bits), bottom-up or top-down (negative height).
inline QByteArray bmp(int w, int h, int bits, int compression = 0, bool topDown = false)
{
    const auto rgb = [](QColor c) { return std::array<int, 3>{c.red(), c.green(), c.blue()}; };
    QByteArray palette;
    if (bits <= 8)
        for (int i = 0; i < (1 << bits); ++i) {
            const QColor c = i == 1 ? kTop : i == 2 ? kBottom : QColor(Qt::black);
            palette += char(c.blue()), palette += char(c.green()), palette += char(c.red());
            palette += '\0';
        }
    QByteArray pixels;
    for (int fileRow = 0; fileRow < h; ++fileRow) {
        const int y = topDown ? fileRow : h - 1 - fileRow;
        const bool upper = y < h / 2;
        const int index = bits == 1 ? (upper ? 1 : 0) : (upper ? 1 : 2);
        const QColor colour = upper ? kTop : kBottom;
        QByteArray row;
        if (compression == 1 || compression == 2) {   // runs of up to 254 pixels, end of line
            for (int left = w; left > 0; left -= 254)
                row += char(std::min(left, 254)), row += char(bits == 4 ? index * 17 : index);
            pixels += row + QByteArray("\0\0", 2);
            continue;
        }
        for (int x = 0; x < w; ++x) {
            if (bits == 1 || bits == 4) {
                const int perByte = 8 / bits;
                if (x % perByte == 0)
                    row += '\0';
                row.back() = char(row.back() | index << (8 - bits * (x % perByte + 1)));
            } else if (bits == 8) {
                row += char(index);
            } else if (bits == 16) {
                const auto [r, g, b] = rgb(colour);
                row += le16((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
            } else {
                const auto [r, g, b] = rgb(colour);
                row += char(b), row += char(g), row += char(r);
                if (bits == 32)
                    row += '\0';
            }
        }
        while (row.size() % 4)
            row += '\0';
        pixels += row;
    }
    if (compression)
        pixels += QByteArray("\0\1", 2);   // end of bitmap
    const int offset = 54 + int(palette.size());
    return "BM" + le32(offset + pixels.size()) + le32(0) + le32(offset) + le32(40) + le32(w) +
           le32(topDown ? -h : h) + le16(1) + le16(bits) + le32(compression) +
           le32(compression ? pixels.size() : 0) + le32(2835) + le32(2835) + le32(0) + le32(0) +
           palette + pixels;
}

// A BMP header claiming w x h pixels of 24 bits with no pixel data behind it.
inline QByteArray bmpClaim(qint64 w, qint64 h)
{
    return "BM" + le32(54 + w * 3 * h) + le32(0) + le32(54) + le32(40) + le32(w) + le32(h) +
           le16(1) + le16(24) + le32(0) + le32(0) + le32(2835) + le32(2835) + le32(0) + le32(0);
}

// GIF image data for 8-bit indices: LZW of literal codes only, with a clear code well before the
// code width would grow, in sub-blocks of at most 255 bytes.
inline QByteArray gifData(const std::vector<int>& indices)
{
    QByteArray packed;
    quint32 acc = 0;
    int held = 0;
    const auto put = [&](int code) {
        acc |= quint32(code) << held;
        for (held += 9; held >= 8; held -= 8, acc >>= 8)
            packed += char(acc & 0xFF);
    };
    put(256);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i > 0 && i % 250 == 0)
            put(256);
        put(indices[i]);
    }
    put(257);
    if (held > 0)
        packed += char(acc & 0xFF);
    QByteArray out(1, char(8));
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        out += char(block.size()) + block;
    }
    return out + QByteArray(1, '\0');
}

// A GIF with a 256-colour table (1 = kTop, 2 = kBottom, 3 = green) and one frame per entry of
// `frames`, each filling the screen with the index its function gives for (x, y). `claim`, when
// valid, replaces the sizes in the header and the first frame's descriptor (its data stays).
inline QByteArray gif(int w, int h, const std::vector<std::function<int(int, int)>>& frames,
                      QSize claim = {})
{
    const QSize told = claim.isValid() ? claim : QSize(w, h);
    QByteArray out = "GIF89a" + le16(told.width()) + le16(told.height()) + char(0xF7) +
                     QByteArray(2, '\0');
    for (int i = 0; i < 256; ++i) {
        const QColor c = i == 1   ? kTop
                         : i == 2 ? kBottom
                         : i == 3 ? QColor(Qt::green)
                                  : QColor(Qt::black);
        out += char(c.red()), out += char(c.green()), out += char(c.blue());
    }
    if (frames.size() > 1)
        out += QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\0\0\0", 19);
    for (const auto& frame : frames) {
        out += QByteArray("\x21\xF9\x04\x04\x0A\0\0\0", 8);   // 0.1 s per frame
        out += ',' + le16(0) + le16(0) + le16(told.width()) + le16(told.height()) + '\0';
        std::vector<int> indices;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                indices.push_back(frame(x, y));
        out += gifData(indices);
    }
    return out + ';';
}

inline QByteArray jpeg(const QImage& image, bool progressive = false)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image) ? out : QByteArray();
}

// The offset of the first frame header (SOF0 to SOF2) of a JPEG, or -1.
inline qsizetype frameHeader(const QByteArray& j, int* marker = nullptr)
{
    for (qsizetype at = 2; at + 4 <= j.size() && uchar(j[at]) == 0xFF;) {
        const int m = uchar(j[at + 1]);
        if (m >= 0xC0 && m <= 0xC2) {
            if (marker)
                *marker = m;
            return at;
        }
        at += 2 + (uchar(j[at + 2]) << 8 | uchar(j[at + 3]));
    }
    return -1;
}
inline int jpegComponents(const QByteArray& j)
{
    const qsizetype at = frameHeader(j);
    return at < 0 || at + 9 >= j.size() ? 0 : uchar(j[at + 9]);
}
inline QByteArray withClaimedSize(QByteArray j, int w, int h)
{
    const qsizetype at = frameHeader(j);
    if (at < 0)
        return {};
    qToBigEndian<quint16>(quint16(h), j.data() + at + 5);
    qToBigEndian<quint16>(quint16(w), j.data() + at + 7);
    return j;
}
// An Exif segment holding only an orientation tag, placed right after the start marker.
inline QByteArray withOrientation(const QByteArray& j, int orientation)
{
    const QByteArray tiff = QByteArray("II*\0", 4) + le32(8) + le16(1) + le16(0x0112) + le16(3) +
                            le32(1) + le16(orientation) + le16(0) + le32(0);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    segment += char((payload.size() + 2) >> 8), segment += char((payload.size() + 2) & 0xFF);
    return j.left(2) + segment + payload + j.mid(2);
}

} // namespace hostile

// Writes every hostile file into `folder`; `failure` names the first that could not be made.
inline std::vector<HostilePicture> writeHostilePictures(const PictureFolder& folder,
                                                        QString& failure)
{
    using namespace hostile;
    std::vector<HostilePicture> cases;
    const auto add = [&](const QString& name, const QByteArray& data, HostilePicture expected) {
        expected.name = name;
        if (!folder.bytes(name, data) || (data.isEmpty() && name != "empty.jpg"))
            failure = failure.isEmpty() ? name : failure;
        cases.push_back(expected);
    };
    const auto plays = [](int w, int h, QColor top = kTop, QColor bottom = kBottom) {
        return HostilePicture{{}, {}, QSize(w, h), top, bottom};
    };
    const auto refused = [](const QString& message) {
        return HostilePicture{{}, message, {}, {}, {}};
    };
    const auto tooLarge = [&](int w, int h) {
        return refused(
            QStringLiteral("The picture is too large to open (%1 x %2 pixels)").arg(w).arg(h));
    };

    add("empty.jpg", {}, refused("The file is empty and holds no picture"));
    add("notes.jpg", "Not a picture at all, only a few words of text.\n",
        refused("Unsupported image format"));

    // A detailed baseline JPEG, cut short in its tables, and early, midway and late in its scan.
    QImage detail(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            detail.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    const QByteArray whole = jpeg(detail);
    add("cut-tables.jpg", whole.left(200), refused(kIncompletePicture));
    for (int percent : {10, 50, 90, 99})
        add(QStringLiteral("cut%1.jpg").arg(percent), whole.left(whole.size() * percent / 100),
            refused(kIncompletePicture));

    // Headers that claim more than the memory budget or the largest picture allows.
    const QByteArray small = jpeg(halves(16, 16));
    add("claim30000.jpg", withClaimedSize(small, 30000, 30000), tooLarge(30000, 30000));
    const auto fill = [](int index) { return [index](int, int) { return index; }; };
    add("claim30000.gif", gif(2, 2, {fill(1)}, QSize(30000, 30000)), tooLarge(30000, 30000));
    add("claim16000.gif", gif(2, 2, {fill(1)}, QSize(16000, 16000)), tooLarge(16000, 16000));
    // Complete, but more pixels than the decoder itself will take.
    add("rle20000.bmp", bmp(20000, 20000, 8, 1), tooLarge(20000, 20000));
    // 12 GiB of pixel rows announced, none there.
    add("claim65535.bmp", bmpClaim(65535, 65535), refused(kIncompletePicture));
    // At the 400-megapixel ceiling: decoded at an eighth and reduced, the missing data filled.
    add("claim20000.jpg", withClaimedSize(small, 20000, 20000), plays(20000, 20000, {}, {}));
    // Within the full-decode budget: a few bytes of data decoded into 8000 x 8000 pixels.
    add("claim8000.gif", gif(2, 2, {fill(1)}, QSize(8000, 8000)), plays(8000, 8000, {}, {}));

    const auto upper = [](int upperIndex, int h) {
        return [upperIndex, h](int, int y) { return y < h / 2 ? upperIndex : 2; };
    };
    add("one.gif", gif(1, 1, {fill(1)}), refused(kTooSmallMessage));
    add("animated.gif", gif(240, 160, {upper(1, 160), fill(3)}), plays(240, 160));

    // JPEG kinds: progressive, greyscale, CMYK and turned by an orientation tag.
    const QByteArray progressive = jpeg(halves(240, 160), true);
    int sof = 0;
    if (frameHeader(progressive, &sof) < 0 || sof != 0xC2)
        failure = "progressive.jpg";
    add("progressive.jpg", progressive, plays(240, 160));
    const QColor dark(60, 60, 60), light(200, 200, 200);
    const QByteArray grey =
        jpeg(halves(240, 160, dark, light).convertToFormat(QImage::Format_Grayscale8));
    add("grey.jpg", jpegComponents(grey) == 1 ? grey : QByteArray(), plays(240, 160, dark, light));
    // Qt writes no CMYK JPEG: ImageMagick (installed with the build tools) converts one.
    halves(240, 160).save(folder.file("rgb.bmp"));
    QProcess::execute("convert", {folder.file("rgb.bmp"), "-colorspace", "CMYK", "-quality", "95",
                                  folder.file("cmyk.jpg")});
    QFile::remove(folder.file("rgb.bmp"));
    QFile cmykFile(folder.file("cmyk.jpg"));
    const QByteArray cmyk = cmykFile.open(QIODevice::ReadOnly) ? cmykFile.readAll() : QByteArray();
    add("cmyk.jpg", jpegComponents(cmyk) == 4 ? cmyk : QByteArray(), plays(240, 160));
    // Stored turned a quarter anticlockwise; orientation 6 turns it back clockwise.
    const QTransform anticlockwise = QTransform().rotate(-90);
    add("turned.jpg", withOrientation(jpeg(halves(120, 240).transformed(anticlockwise)), 6),
        plays(120, 240));
    // Large enough to be reduced while decoding: 3000 x 1500 stored, 1500 x 3000 upright.
    add("turned-large.jpg", withOrientation(jpeg(halves(1500, 3000).transformed(anticlockwise)), 6),
        plays(1500, 3000));

    // BMPs of every depth and both RLE kinds, and rows stored top-down.
    for (int bits : {1, 4, 8, 16, 24, 32})
        add(QStringLiteral("bits%1.bmp").arg(bits), bmp(240, 160, bits),
            plays(240, 160, kTop, bits == 1 ? QColor(Qt::black) : kBottom));
    add("rle8.bmp", bmp(240, 160, 8, 1), plays(240, 160));
    add("rle4.bmp", bmp(300, 160, 4, 2), plays(300, 160));
    add("topdown.bmp", bmp(240, 160, 24, 0, true), plays(240, 160));
    const QByteArray topDown = bmp(240, 160, 8, 0, true);
    add("topdown-cut.bmp", topDown.left(topDown.size() / 2), refused(kIncompletePicture));
    return cases;
}

} // namespace quiltra::test
