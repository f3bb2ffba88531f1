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

inline QByteArray be32(qint64 v)
{
    QByteArray b(4, '\0');
    qToBigEndian<quint32>(quint32(v), b.data());
    return b;
}

// A picture in a format Qt writes ("png", "tiff"; "webp" lossless, so colours stay exact).
inline QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(100);
    return writer.write(image) ? out : QByteArray();
}

// The same TIFF header and first directory as an Exif block holds: an orientation tag only.
inline QByteArray exifOrientation(int orientation)
{
    return QByteArray("II*\0", 4) + le32(8) + le16(1) + le16(0x0112) + le16(3) + le32(1) +
           le16(orientation) + le16(0) + le32(0);
}

inline quint32 crc32(const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG chunk with its length and checksum.
inline QByteArray pngChunk(const char* type, const QByteArray& data)
{
    const QByteArray body = QByteArray(type, 4) + data;
    return be32(data.size()) + body + be32(crc32(body));
}

// A PNG with an eXIf chunk right after its header chunk.
inline QByteArray pngWithOrientation(const QByteArray& png, int orientation)
{
    return png.left(33) + pngChunk("eXIf", exifOrientation(orientation)) + png.mid(33);
}

// A PNG whose header claims w x h pixels, its checksum mended, with its small data behind it.
inline QByteArray pngClaim(const QByteArray& png, qint64 w, qint64 h)
{
    return png.left(8) + pngChunk("IHDR", be32(w) + be32(h) + png.mid(24, 5)) + png.mid(33);
}

// A lossless WebP (a VP8L chunk) in the extended container, with an EXIF chunk after the picture.
inline QByteArray webpWithOrientation(const QByteArray& webp, int orientation, QSize size)
{
    const auto le24 = [](int v) { return le32(v).left(3); };
    const QByteArray vp8x = QByteArray("VP8X", 4) + le32(10) + char(0x08) + QByteArray(3, '\0') +
                            le24(size.width() - 1) + le24(size.height() - 1);
    const QByteArray exif = QByteArray("EXIF", 4) + le32(exifOrientation(orientation).size()) +
                            exifOrientation(orientation);
    const QByteArray chunks = vp8x + webp.mid(12) + exif;
    return "RIFF" + le32(chunks.size() + 4) + "WEBP" + chunks;
}

// A lossless WebP whose header claims w x h pixels (each at most 16384).
inline QByteArray webpClaim(QByteArray webp, int w, int h)
{
    if (webp.mid(12, 4) != "VP8L")
        return {};
    const quint32 bits = qFromLittleEndian<quint32>(webp.constData() + 21);
    qToLittleEndian<quint32>((bits & 0xF0000000u) | quint32(w - 1) | quint32(h - 1) << 14,
                             webp.data() + 21);
    return webp;
}

// An uncompressed 24-bit TIFF of the two-colour picture, written field by field: one strip, an
// orientation tag when `orientation` is not 0, and `claim` in place of its size when valid.
inline QByteArray tiff(const QImage& picture, int orientation = 0, QSize claim = {})
{
    const int w = picture.width(), h = picture.height();
    QByteArray pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = picture.pixel(x, y);
            pixels += char(qRed(c)), pixels += char(qGreen(c)), pixels += char(qBlue(c));
        }
    const QSize told = claim.isValid() ? claim : QSize(w, h);
    struct Entry {
        int tag, type;
        qint64 count, value;
    };
    std::vector<Entry> entries = {
        {256, 4, 1, told.width()}, {257, 4, 1, told.height()}, {258, 3, 3, 0}, {259, 3, 1, 1},
        {262, 3, 1, 2},            {273, 4, 1, 0},             {277, 3, 1, 3}, {278, 4, 1, told.height()},
        {279, 4, 1, pixels.size()},
    };
    if (orientation)
        entries.insert(entries.begin() + 6, Entry{274, 3, 1, orientation});
    const qint64 directory = 8, bitsAt = directory + 2 + qint64(entries.size()) * 12 + 4;
    const qint64 dataAt = bitsAt + 6;
    QByteArray out = QByteArray("II*\0", 4) + le32(directory) + le16(int(entries.size()));
    for (Entry e : entries) {
        if (e.tag == 258)
            e.value = bitsAt;
        if (e.tag == 273)
            e.value = dataAt;
        out += le16(e.tag) + le16(e.type) + le32(e.count) +
               (e.type == 3 && e.count == 1 ? le16(int(e.value)) + le16(0) : le32(e.value));
    }
    return out + le32(0) + le16(8) + le16(8) + le16(8) + pixels;
}

// A picture of two frames or pages made by ImageMagick (installed with the build tools): the
// two-colour picture first, an all-green one second.
inline QByteArray twoFrames(const PictureFolder& folder, const QString& name)
{
    halves(240, 160).save(folder.file("frame1.png"));
    QImage green(240, 160, QImage::Format_RGB32);
    green.fill(Qt::green);
    green.save(folder.file("frame2.png"));
    QProcess::execute("convert", {"-delay", "10", folder.file("frame1.png"),
                                  folder.file("frame2.png"), "-quality", "100",
                                  folder.file("made-" + name)});
    for (const char* f : {"frame1.png", "frame2.png"})
        QFile::remove(folder.file(f));
    QFile made(folder.file("made-" + name));
    const QByteArray data = made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
    made.remove();
    return data;
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

    // PNG, WebP and TIFF: whole, cut short, claiming too much, turned by their orientation, and
    // with a second frame or page.
    const QImage picture = halves(240, 160);
    const QImage turned = halves(120, 240).transformed(anticlockwise);
    const QByteArray png = encoded(picture, "png"), webp = encoded(picture, "webp");
    const QByteArray tif = tiff(picture);
    add("plain.png", png, plays(240, 160));
    add("plain.webp", webp, plays(240, 160));
    add("plain.tif", tif, plays(240, 160));
    add("cut.png", png.left(png.size() - 13), refused(kIncompletePicture));   // no IEND
    add("cut.webp", webp.left(webp.size() - 4), refused(kIncompletePicture));
    add("cut.tif", tif.left(tif.size() - 100), refused(kIncompletePicture));
    add("claim20000.png", pngClaim(png, 20000, 20000), tooLarge(20000, 20000));
    add("wide2000000.png", pngClaim(png, 2000000, 300), tooLarge(2000000, 300));
    add("claim16000.webp", webpClaim(webp, 16000, 16000), tooLarge(16000, 16000));
    add("claim30000.tif", tiff(picture, 0, QSize(30000, 30000)), tooLarge(30000, 30000));
    add("turned.png", pngWithOrientation(encoded(turned, "png"), 6), plays(120, 240));
    add("turned.webp", webpWithOrientation(encoded(turned, "webp"), 6, turned.size()),
        plays(120, 240));
    add("turned.tif", tiff(turned, 6), plays(120, 240));
    add("animated.webp", twoFrames(folder, "animated.webp"), plays(240, 160));
    add("pages.tif", twoFrames(folder, "pages.tif"), plays(240, 160));
    // A PNG saved without its extension is still a PNG.
    add("no-extension.jpg", png, plays(240, 160));
    return cases;
}

} // namespace quiltra::test
