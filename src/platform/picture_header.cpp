// Reads the headers of BMP, GIF, JPEG, PNG, WebP and TIFF files for their size and what decoding
// them costs, without a decoder.
#include "platform/picture_header.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/byte_reader.h"

namespace quiltra {

namespace {

// Unsigned values of 1 to 8 bytes at any position; -1 where the file ends first or the value
// does not fit 63 bits.
class At {
public:
    At(ByteSource& in, bool little) : in_(in), little_(little) {}
    std::int64_t value(std::uint64_t position, int n) const
    {
        std::array<unsigned char, 8> b{};
        if (in_.read(position, b.data(), std::size_t(n)) != std::size_t(n))
            return -1;
        std::uint64_t v = 0;
        for (int i = 0; i < n; ++i)
            v |= std::uint64_t(b[std::size_t(little_ ? i : n - 1 - i)]) << (8 * i);
        return v > std::uint64_t(INT64_MAX) ? -1 : std::int64_t(v);
    }

private:
    ByteSource& in_;
    bool little_;
};

// The bytes a pixel a decode holds at its peak for a decoded picture of `decoded` bytes a pixel:
// a picture of fewer than 4 is copied into 32-bit pixels beside itself; one of 4 or more is
// converted where it lies.
int withConversion(int decoded)
{
    return decoded < 4 ? decoded + 4 : decoded;
}

// Qt's reader turns a BMP of up to 8 bits a pixel (palette and RLE pictures) into one byte a
// pixel, every other depth into 32-bit pixels.
PictureHeader bmpHeader(ByteSource& in)
{
    const At at(in, true);
    PictureHeader h;
    const std::int64_t header = at.value(14, 4);
    std::int64_t bits = 0;
    if (header == 12) {
        h.width = std::max<std::int64_t>(at.value(18, 2), 0);
        h.height = std::max<std::int64_t>(at.value(20, 2), 0);
        bits = at.value(24, 2);
    } else if (header >= 16) {
        h.width = std::max<std::int64_t>(at.value(18, 4), 0);
        std::int64_t height = at.value(22, 4);
        if (height >= 0x80000000LL)
            height = 0x100000000LL - height;   // rows stored top-down
        h.height = std::max<std::int64_t>(height, 0);
        bits = at.value(28, 2);
    }
    h.bytesPerPixel = withConversion(bits > 0 && bits <= 8 ? 1 : 4);
    return h;
}

// Qt's reader decodes a GIF into 32-bit pixels the size of its logical screen, or of its first
// frame where the screen is empty or implausibly larger than that frame; a first frame to be
// restored when it is done with keeps a second copy of its area.
PictureHeader gifHeader(ByteSource& in)
{
    const At at(in, true);
    PictureHeader h;
    std::int64_t screenW = at.value(6, 2), screenH = at.value(8, 2);
    const std::int64_t packed = at.value(10, 1);
    if (screenW < 0 || screenH < 0 || packed < 0)
        return h;
    std::uint64_t position = 13 + ((packed & 0x80) ? 3u << ((packed & 7) + 1) : 0u);
    bool restores = false;
    for (int blocks = 0; blocks < 4096; ++blocks) {
        const std::int64_t block = at.value(position, 1);
        if (block == 0x21) {
            const std::int64_t label = at.value(position + 1, 1);
            if (label == 0xF9)
                restores = (at.value(position + 3, 1) >> 2 & 7) == 3;
            position += 2;
            for (std::int64_t n = at.value(position, 1); n > 0; n = at.value(position, 1))
                position += std::uint64_t(n) + 1;
            position += 1;
            continue;
        }
        if (block != 0x2C)
            break;
        const std::int64_t left = at.value(position + 1, 2), top = at.value(position + 3, 2);
        const std::int64_t w = at.value(position + 5, 2), hh = at.value(position + 7, 2);
        if (left < 0 || top < 0 || w < 0 || hh < 0)
            break;
        if (screenW / 10 > std::max<std::int64_t>(w, 16384))
            screenW = 0;
        if (screenH / 10 > std::max<std::int64_t>(hh, 16384))
            screenH = 0;
        if (screenW == 0)
            screenW = left + w;
        if (screenH == 0)
            screenH = top + hh;
        break;
    }
    h.width = screenW;
    h.height = screenH;
    h.bytesPerPixel = restores ? 8 : 4;
    return h;
}

// The size in the first frame header (SOF0 to SOF15 but the table markers among them).
PictureHeader jpegHeader(ByteSource& in)
{
    const At at(in, false);
    PictureHeader h;
    h.reducesWhileDecoding = true;
    std::uint64_t position = 2;
    for (int segments = 0; segments < 4096; ++segments) {
        if (at.value(position, 1) != 0xFF)
            return h;
        std::int64_t marker = at.value(position + 1, 1);
        if (marker == 0xFF) {   // fill bytes before a marker
            ++position;
            continue;
        }
        const std::int64_t length = at.value(position + 2, 2);
        if (marker < 0 || length < 2)
            return h;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                           marker != 0xC8 && marker != 0xCC;
        if (frame) {
            h.height = std::max<std::int64_t>(at.value(position + 5, 2), 0);
            h.width = std::max<std::int64_t>(at.value(position + 7, 2), 0);
            return h;
        }
        position += 2 + std::uint64_t(length);
    }
    return h;
}

// Qt's reader decodes a PNG by its colour type and depth: grey and palette pictures into one
// byte a pixel (16-bit grey into two, or eight with a transparent grey), 16-bit colour into
// eight, and 8-bit colour into 32-bit pixels, reduced row by row unless it is interlaced.
PictureHeader pngHeader(ByteSource& in)
{
    const At at(in, false);
    PictureHeader h;
    if (at.value(12, 4) != 0x49484452)   // "IHDR"
        return h;
    h.width = std::max<std::int64_t>(at.value(16, 4), 0);
    h.height = std::max<std::int64_t>(at.value(20, 4), 0);
    const std::int64_t depth = at.value(24, 1), colour = at.value(25, 1);
    const bool interlaced = at.value(28, 1) == 1;
    bool transparency = false;
    ByteReader chunks(in);
    chunks.seek(8);
    for (;;) {
        const std::int64_t length = chunks.be(4), type = chunks.be(4);
        if (length < 0 || type < 0 || type == 0x49454E44)   // "IEND"
            break;
        if (type == 0x74524E53)   // "tRNS"
            transparency = true;
        if (type != 0x49444154)   // "IDAT"
            h.longestSideChunk = std::max(h.longestSideChunk, length);
        if (!chunks.skip(std::uint64_t(length) + 4))
            break;
    }
    int decoded = 4;
    if (colour == 0 && depth == 16)
        decoded = transparency ? 8 : 2;
    else if (colour == 0 || colour == 3)
        decoded = 1;
    else if (depth == 16)
        decoded = 8;
    else
        h.reducesRows = !interlaced;
    h.bytesPerPixel = withConversion(decoded);
    return h;
}

// Qt's reader decodes a WebP into 32-bit pixels. A lossless picture is decoded through a
// second picture of its size, a lossy one's transparency through a plane of a byte a pixel and
// more; an animation decodes its frame (at most the canvas, and perhaps lossless) and draws it on
// its canvas.
PictureHeader webpHeader(ByteSource& in)
{
    const At at(in, true);
    PictureHeader h;
    const std::int64_t chunk = at.value(12, 4);
    if (chunk == 0x58385056) {   // "VP8X"
        const std::int64_t flags = at.value(20, 1);
        h.width = at.value(24, 3) + 1;
        h.height = at.value(27, 3) + 1;
        if (flags & 0x02) {      // an animation, whose frames may be lossless
            h.bytesPerPixel = 12;
            return h;
        }
        // The picture's own chunk follows the extended header's metadata chunks; a lossy
        // picture's transparency ("ALPH") comes before it and is decoded into a plane of its own.
        std::uint64_t position = 30;
        for (int chunks = 0; chunks < 64; ++chunks) {
            const std::int64_t type = at.value(position, 4), length = at.value(position + 4, 4);
            if (type < 0 || length < 0)
                return h;
            if (type == 0x4C385056) {   // "VP8L"
                h.bytesPerPixel = 8;
                return h;
            }
            if (type == 0x48504C41)     // "ALPH"
                h.bytesPerPixel = 6;
            if (type == 0x20385056)     // "VP8 "
                return h;
            position += 8 + std::uint64_t(length) + std::uint64_t(length & 1);
        }
        return h;
    }
    if (chunk == 0x20385056) {   // "VP8 ": lossy
        h.width = at.value(26, 2) & 0x3FFF;
        h.height = at.value(28, 2) & 0x3FFF;
    } else if (chunk == 0x4C385056) {   // "VP8L": lossless
        const std::int64_t bits = at.value(21, 4);
        h.width = (bits & 0x3FFF) + 1;
        h.height = (bits >> 14 & 0x3FFF) + 1;
        h.bytesPerPixel = 8;
    }
    h.width = std::max<std::int64_t>(h.width, 0);
    h.height = std::max<std::int64_t>(h.height, 0);
    return h;
}

// Qt's reader decodes a TIFF (or a BigTIFF) into as many bytes a pixel as its samples hold,
// rounded up to one, two, four, eight or sixteen (32-bit floating-point colour).
PictureHeader tiffHeader(ByteSource& in)
{
    PictureHeader h;
    const At probe(in, true);
    const std::int64_t order = probe.value(0, 2);
    const bool little = order == 0x4949;
    if (!little && order != 0x4D4D)
        return h;
    const At at(in, little);
    // BigTIFF (43) has 8-byte offsets and counts, and 20-byte directory entries.
    const std::int64_t version = at.value(2, 2);
    if (version != 42 && version != 43)
        return h;
    const bool big = version == 43;
    const int wide = big ? 8 : 4;   // the bytes of an offset, a count and an inline value
    const std::int64_t directory = at.value(big ? 8 : 4, wide);
    const std::int64_t entries =
        directory < 0 ? -1 : at.value(std::uint64_t(directory), big ? 8 : 2);
    if (entries < 0)
        return h;
    std::int64_t bits = 1, samples = 1, strips = 0, tiles = 0, rowsPerStrip = 0;
    std::int64_t tileWidth = 0, tileLength = 0;
    for (std::int64_t i = 0; i < std::min<std::int64_t>(entries, 4096); ++i) {
        const std::uint64_t entry =
            std::uint64_t(directory) + (big ? 8 : 2) + std::uint64_t(i) * (big ? 20 : 12);
        const std::int64_t tag = at.value(entry, 2), type = at.value(entry + 2, 2);
        const std::int64_t count = at.value(entry + 4, wide);
        const std::uint64_t inlineAt = entry + 4 + std::uint64_t(wide);
        const std::int64_t value = at.value(inlineAt, type == 3 ? 2 : type == 16 ? 8 : 4);
        if (tag == 256)
            h.width = std::max<std::int64_t>(value, 0);
        else if (tag == 257)
            h.height = std::max<std::int64_t>(value, 0);
        else if (tag == 258)   // one value a sample: inline when they fit, else where it points
            bits = count * 2 <= wide ? value
                                     : at.value(std::uint64_t(std::max<std::int64_t>(
                                                    at.value(inlineAt, wide), 0)),
                                                2);
        else if (tag == 277)
            samples = value;
        else if (tag == 273)
            strips = count;
        else if (tag == 324)
            tiles = count;
        else if (tag == 278)
            rowsPerStrip = value;
        else if (tag == 322)
            tileWidth = value;
        else if (tag == 323)
            tileLength = value;
    }
    h.pieces = std::max<std::int64_t>(std::max(strips, tiles), 0);
    const std::int64_t sampleBits = std::clamp<std::int64_t>(bits, 1, 64) *
                                    std::clamp<std::int64_t>(samples, 1, 16);
    int decoded = 16;
    for (int bytes : {1, 2, 4, 8})
        if (sampleBits <= 8 * bytes) {
            decoded = bytes;
            break;
        }
    h.bytesPerPixel = withConversion(decoded);
    // A strip runs the picture's width for its rows (all of them when the tag is missing).
    const std::int64_t pieceWidth = tiles > 0 ? tileWidth : h.width;
    const std::int64_t pieceRows = tiles > 0 ? tileLength
                                   : rowsPerStrip > 0 ? std::min(rowsPerStrip, h.height)
                                                      : h.height;
    const std::int64_t rowBytes =
        (std::clamp<std::int64_t>(pieceWidth, 0, 1 << 24) * sampleBits + 7) / 8;
    h.workingBytes = rowBytes * std::clamp<std::int64_t>(pieceRows, 0, 1 << 24);
    return h;
}

} // namespace

PictureHeader readPictureHeader(ByteSource& in, std::string_view format)
{
    if (format == "bmp")
        return bmpHeader(in);
    if (format == "gif")
        return gifHeader(in);
    if (format == "jpeg" || format == "jpg")
        return jpegHeader(in);
    if (format == "png")
        return pngHeader(in);
    if (format == "webp")
        return webpHeader(in);
    if (format == "tiff" || format == "tif")
        return tiffHeader(in);
    return {};
}

} // namespace quiltra
