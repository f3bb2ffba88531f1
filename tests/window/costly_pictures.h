// Small picture files that cost a decoder far more than their size: a chunk length beyond the
// file, canvases and pictures of 64 megapixels in a few kilobytes, a TIFF of a million strips.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <vector>

#include "window/hostile_pictures.h"

namespace quiltra::test::costly {

using hostile::be32;
using hostile::le16;
using hostile::le32;

inline QByteArray le24(int v)
{
    return le32(v).left(3);
}

// Bits written from the least significant end of each byte, as VP8L reads them.
class BitWriter {
public:
    void put(quint32 value, int bits)
    {
        for (int i = 0; i < bits; ++i, ++held_) {
            if (held_ % 8 == 0)
                out_ += '\0';
            if (value >> i & 1)
                out_.back() = char(out_.back() | 1 << (held_ % 8));
        }
    }
    QByteArray bytes() const { return out_; }

private:
    QByteArray out_;
    int held_ = 0;
};

// A lossless (VP8L) bitstream of w x h pixels of one colour: no transforms, and every prefix code
// has a single symbol, so each pixel takes no bits at all. 21 bytes for any size.
inline QByteArray vp8lOneColour(int w, int h, quint8 grey)
{
    BitWriter bits;
    bits.put(0x2F, 8);   // signature
    bits.put(quint32(w - 1), 14);
    bits.put(quint32(h - 1), 14);
    bits.put(0, 1);      // no alpha
    bits.put(0, 3);      // version
    bits.put(0, 1);      // no transform
    bits.put(0, 1);      // no colour cache
    bits.put(0, 1);      // no meta prefix codes
    for (int code = 0; code < 5; ++code) {   // green, red, blue, alpha, distance
        bits.put(1, 1);                        // simple code
        bits.put(0, 1);                        // one symbol
        if (code == 4) {
            bits.put(0, 1), bits.put(0, 1);    // a one-bit symbol: distance 0
        } else {
            bits.put(1, 1);                    // an eight-bit symbol
            bits.put(code == 3 ? 0xFF : grey, 8);
        }
    }
    return bits.bytes();
}

// A RIFF chunk with its length, padded to an even length.
inline QByteArray riffChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk = QByteArray(type, 4) + le32(data.size()) + data;
    if (data.size() % 2)
        chunk += '\0';
    return chunk;
}

inline QByteArray riffWebp(const QByteArray& chunks)
{
    return "RIFF" + le32(chunks.size() + 4) + "WEBP" + chunks;
}

// A still lossless WebP of w x h pixels of one colour.
inline QByteArray losslessWebp(int w, int h)
{
    return riffWebp(riffChunk("VP8L", vp8lOneColour(w, h, 0x80)));
}

// An animated WebP with a w x h canvas and `frames` frames, each filling the whole canvas.
inline QByteArray animatedWebp(int w, int h, int frames)
{
    QByteArray chunks = riffChunk("VP8X", char(0x02) + QByteArray(3, '\0') + le24(w - 1) +
                                              le24(h - 1));
    chunks += riffChunk("ANIM", le32(0) + le16(0));
    const QByteArray frame = riffChunk("VP8L", vp8lOneColour(w, h, 0x80));
    for (int i = 0; i < frames; ++i)
        chunks += riffChunk("ANMF", le24(0) + le24(0) + le24(w - 1) + le24(h - 1) + le24(100) +
                                        char(0x02) + frame);   // no blending
    return riffWebp(chunks);
}

// An RLE8 BMP of w x h pixels whose every row is only its end-of-line code: two bytes a row.
inline QByteArray emptyRowsBmp(int w, int h)
{
    QByteArray rows;
    for (int y = 0; y < h; ++y)
        rows += QByteArray("\0\0", 2);
    rows += QByteArray("\0\1", 2);   // end of bitmap
    const QByteArray palette = le32(0x00C02828) + le32(0x00283CC8);
    const int offset = 54 + int(palette.size());
    return "BM" + le32(offset + rows.size()) + le32(0) + le32(offset) + le32(40) + le32(w) +
           le32(h) + le16(1) + le16(8) + le32(1) + le32(rows.size()) + le32(2835) + le32(2835) +
           le32(2) + le32(0) + palette + rows;
}

// An 8-bit grey PNG of w x h black pixels: every row filtered with "none", deflated by zlib
// (through qCompress, which prefixes the stream with its length).
inline QByteArray greyPng(int w, int h)
{
    const QByteArray raw(qsizetype(w + 1) * h, '\0');
    const QByteArray deflated = qCompress(raw).mid(4);
    return QByteArray("\x89PNG\r\n\x1A\n", 8) +
           hostile::pngChunk("IHDR", be32(w) + be32(h) + QByteArray("\x08\0\0\0\0", 5)) +
           hostile::pngChunk("IDAT", deflated) + hostile::pngChunk("IEND", {});
}

// A whole small PNG whose second chunk declares `length` bytes of the kind `type`, with only a
// few of them behind it.
inline QByteArray pngLongChunk(const char* type, quint32 length)
{
    const QByteArray png = hostile::encoded(hostile::halves(4, 4), "png");
    const QByteArray body = QByteArray(type, 4) + QByteArray(96, 'x');
    return png.left(33) + be32(length) + body + be32(hostile::crc32(body)) + png.mid(33);
}

// An 8-bit grey TIFF of w x h pixels with one row to a strip, every strip naming the same row of
// the file: h strips in 8 bytes a strip.
inline QByteArray manyStripsTiff(int w, int h)
{
    struct Entry {
        int tag, type;
        qint64 count, value;
    };
    const qint64 directory = 8, entries = 9;
    const qint64 offsetsAt = directory + 2 + entries * 12 + 4;
    const qint64 countsAt = offsetsAt + 4ll * h, rowAt = countsAt + 4ll * h;
    const Entry table[] = {
        {256, 4, 1, w},         {257, 4, 1, h},      {258, 3, 1, 8},
        {259, 3, 1, 1},         {262, 3, 1, 1},      {273, 4, h, offsetsAt},
        {277, 3, 1, 1},         {278, 4, 1, 1},      {279, 4, h, countsAt},
    };
    QByteArray out = QByteArray("II*\0", 4) + le32(directory) + le16(int(entries));
    for (const Entry& e : table)
        out += le16(e.tag) + le16(e.type) + le32(e.count) +
               (e.type == 3 ? le16(int(e.value)) + le16(0) : le32(e.value));
    out += le32(0);
    out.reserve(rowAt + w);
    const QByteArray offset = le32(rowAt), count = le32(w);
    for (int i = 0; i < h; ++i)
        out += offset;
    for (int i = 0; i < h; ++i)
        out += count;
    return out + QByteArray(w, char(0x80));
}

} // namespace quiltra::test::costly

namespace quiltra::test {

// Writes the costly files into `folder` with what the game must make of each: a 249-byte PNG
// whose zTXt chunk claims 2 GiB is incomplete, whatever asks about it first; pictures whose
// whole decode would take more than the memory budget, and a TIFF whose strips would hold the
// decoder for seconds, are too large, from their headers alone. `failure` names the first file
// that could not be made.
inline std::vector<HostilePicture> writeCostlyPictures(const PictureFolder& folder,
                                                       QString& failure)
{
    std::vector<HostilePicture> cases;
    const auto add = [&](const QString& name, const QByteArray& data, const QString& refusal) {
        if (data.isEmpty() || !folder.bytes(name, data))
            failure = failure.isEmpty() ? name : failure;
        cases.push_back(HostilePicture{name, refusal, {}, {}, {}});
    };
    const auto tooLarge = [](int w, int h) {
        return QStringLiteral("The picture is too large to open (%1 x %2 pixels)").arg(w).arg(h);
    };
    add("long-chunk.png", costly::pngLongChunk("zTXt", 0x7FFFFFFF), kIncompletePicture);
    add("animated8000.webp", costly::animatedWebp(8000, 8000, 1000), tooLarge(8000, 8000));
    add("rle8000.bmp", costly::emptyRowsBmp(8000, 7999), tooLarge(8000, 7999));
    add("grey8000.png", costly::greyPng(8000, 8000), tooLarge(8000, 8000));
    add("lossless8000.webp", costly::losslessWebp(8000, 8000), tooLarge(8000, 8000));
    add("strips.tif", costly::manyStripsTiff(64, 1000000), tooLarge(64, 1000000));
    return cases;
}

} // namespace quiltra::test
