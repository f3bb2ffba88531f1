// Picture headers read without a decoder: the stored size of every format and header kind, what
// tells a costly decode from a cheap one, and the structure that costs a decoder time.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/picture_header.h"
#include "support/memory_bytes.h"

using namespace quiltra;

namespace {

// n bytes of v, little-endian or big-endian; bytes beyond the eighth are zero.
std::string le(std::uint64_t v, int n)
{
    std::string b;
    for (int i = 0; i < n; ++i)
        b += char(i < 8 ? v >> (8 * i) & 0xFF : 0);
    return b;
}
std::string be(std::uint64_t v, int n)
{
    std::string b;
    for (int i = n - 1; i >= 0; --i)
        b += char(i < 8 ? v >> (8 * i) & 0xFF : 0);
    return b;
}

PictureHeader header(const std::string& bytes, const char* format)
{
    test::MemoryBytes in(bytes);
    return readPictureHeader(in, format);
}

std::string bmp(std::int64_t w, std::int64_t h, int bits)
{
    return "BM" + le(0, 12) + le(40, 4) + le(std::uint64_t(w), 4) + le(std::uint64_t(h), 4) +
           le(1, 2) + le(bits, 2) + le(0, 24);
}

std::string pngChunk(const char* type, const std::string& data)
{
    return be(data.size(), 4) + type + data + le(0, 4);
}

std::string png(int w, int h, int depth, int colour, bool interlaced = false,
                const std::string& more = {})
{
    return "\x89PNG\r\n\x1A\n" +
           pngChunk("IHDR", be(w, 4) + be(h, 4) + char(depth) + char(colour) +
                                std::string(2, '\0') + char(interlaced)) +
           more + pngChunk("IDAT", "xx") + pngChunk("IEND", "");
}

// A GIF screen of w x h with no colour table, then `blocks`.
std::string gif(int w, int h, const std::string& blocks)
{
    return "GIF89a" + le(w, 2) + le(h, 2) + std::string(3, '\0') + blocks + ";";
}
std::string gifFrame(int left, int top, int w, int h)
{
    return "," + le(left, 2) + le(top, 2) + le(w, 2) + le(h, 2) + std::string("\0\x08\x01\0\0", 5);
}

std::string riff(const std::string& chunks)
{
    return "RIFF" + le(chunks.size() + 4, 4) + "WEBP" + chunks;
}

// A TIFF whose first directory holds `entries` (tag, type, count, value), in either byte order.
std::string tiff(const std::vector<std::array<std::uint32_t, 4>>& entries, bool motorola = false)
{
    const auto n = [motorola](std::uint64_t v, int bytes) {
        return motorola ? be(v, bytes) : le(v, bytes);
    };
    std::string out = (motorola ? "MM" : "II") + n(42, 2) + n(8, 4) + n(entries.size(), 2);
    for (const auto& [tag, type, count, value] : entries)
        out += n(tag, 2) + n(type, 2) + n(count, 4) +
               (type == 3 ? n(value, 2) + n(0, 2) : n(value, 4));
    return out + n(0, 4);
}

// The same for a BigTIFF (little-endian): 8-byte offsets and counts, 20-byte entries.
std::string bigTiff(const std::vector<std::array<std::uint32_t, 4>>& entries)
{
    std::string out = "II" + le(43, 2) + le(8, 2) + le(0, 2) + le(16, 8) + le(entries.size(), 8);
    for (const auto& [tag, type, count, value] : entries)
        out += le(tag, 2) + le(type, 2) + le(count, 8) + le(value, 8);
    return out + le(0, 8);
}

} // namespace

TEST(PictureHeader, GivesTheStoredSizeOfEveryFormat)
{
    const struct {
        const char* what;
        std::string bytes;
        const char* format;
        std::int64_t w, h;
    } cases[] = {
        {"BMP", bmp(640, 480, 24), "bmp", 640, 480},
        {"BMP stored top-down", bmp(640, -480, 24), "bmp", 640, 480},
        {"OS/2 BMP", "BM" + le(0, 12) + le(12, 4) + le(300, 2) + le(200, 2) + le(1, 2) + le(8, 2),
         "bmp", 300, 200},
        {"GIF", gif(320, 240, gifFrame(0, 0, 320, 240)), "gif", 320, 240},
        {"GIF with an empty screen: its first frame's extent", gif(0, 0, gifFrame(10, 20, 100, 50)),
         "gif", 110, 70},
        {"JPEG, frame header after a segment and fill bytes",
         "\xFF\xD8\xFF\xE0" + be(6, 2) + "JFIF" + "\xFF\xFF\xC4" + be(4, 2) + "xx" + "\xFF\xC2" +
             be(11, 2) + char(8) + be(1080, 2) + be(1920, 2) + "\x03",
         "jpeg", 1920, 1080},
        {"PNG", png(5000, 20, 8, 2), "png", 5000, 20},
        {"lossy WebP",
         riff("VP8 " + le(10, 4) + std::string("\x10\x02\0\x9D\x01\x2A", 6) + le(800, 2) +
              le(600, 2)),
         "webp", 800, 600},
        {"lossless WebP", riff("VP8L" + le(5, 4) + "\x2F" + le(99 | 49u << 14, 4)), "webp", 100,
         50},
        {"extended WebP", riff("VP8X" + le(10, 4) + le(0, 4) + le(7999, 3) + le(3999, 3)), "webp",
         8000, 4000},
        {"TIFF, Intel order", tiff({{256, 3, 1, 1200}, {257, 4, 1, 900}}), "tiff", 1200, 900},
        {"TIFF, Motorola order", tiff({{256, 4, 1, 1200}, {257, 3, 1, 900}}, true), "tiff", 1200,
         900},
        {"BigTIFF", bigTiff({{256, 16, 1, 1200}, {257, 3, 1, 900}}), "tiff", 1200, 900},
        {"not a format this reads", "P6 10 10 255\n", "ppm", 0, 0},
        {"a header cut short", "\x89PNG\r\n\x1A\n" + be(13, 4) + "IHDR" + be(70, 2), "png", 0, 0},
    };
    for (const auto& c : cases) {
        const PictureHeader h = header(c.bytes, c.format);
        EXPECT_EQ(h.width, c.w) << c.what;
        EXPECT_EQ(h.height, c.h) << c.what;
    }
}

// What decides the cost is read from the right fields: depth and colour type, transparency,
// interlacing, the kind of WebP, a GIF frame's disposal and a TIFF's samples.
TEST(PictureHeader, TellsACostlyDecodeFromACheapOne)
{
    const PictureHeader colour = header(png(100, 100, 8, 2), "png");
    EXPECT_TRUE(colour.reducesRows);
    EXPECT_FALSE(colour.reducesWhileDecoding);
    EXPECT_FALSE(header(png(100, 100, 8, 6, true), "png").reducesRows);   // interlaced
    const PictureHeader grey = header(png(100, 100, 8, 0), "png");
    const PictureHeader grey16 = header(png(100, 100, 16, 0), "png");
    const std::string transparent = pngChunk("tRNS", std::string(2, '\0'));
    const PictureHeader clearGrey16 = header(png(100, 100, 16, 0, false, transparent), "png");
    const PictureHeader deep = header(png(100, 100, 16, 6), "png");
    EXPECT_FALSE(grey.reducesRows);
    EXPECT_LT(colour.bytesPerPixel, grey.bytesPerPixel);
    EXPECT_LT(grey.bytesPerPixel, grey16.bytesPerPixel);
    EXPECT_LT(grey16.bytesPerPixel, clearGrey16.bytesPerPixel);
    EXPECT_EQ(clearGrey16.bytesPerPixel, deep.bytesPerPixel);
    EXPECT_EQ(header(png(100, 100, 8, 3), "png").bytesPerPixel, grey.bytesPerPixel);   // palette
    EXPECT_EQ(header(bmp(100, 100, 8), "bmp").bytesPerPixel, grey.bytesPerPixel);
    EXPECT_EQ(header(bmp(100, 100, 24), "bmp").bytesPerPixel, colour.bytesPerPixel);

    const std::string frame = gifFrame(0, 0, 10, 10);
    const PictureHeader plainGif = header(gif(10, 10, frame), "gif");
    const std::string restore("\x21\xF9\x04\x0C\0\0\0\0", 8);   // disposal 3
    const PictureHeader restoringGif = header(gif(10, 10, restore + frame), "gif");
    EXPECT_LT(plainGif.bytesPerPixel, restoringGif.bytesPerPixel);

    const PictureHeader lossy = header(riff("VP8 " + le(10, 4) + std::string(10, '\0')), "webp");
    const PictureHeader lossless = header(riff("VP8L" + le(5, 4) + std::string(5, '\0')), "webp");
    const std::string vp8x = "VP8X" + le(10, 4);
    const PictureHeader extendedLossless =
        header(riff(vp8x + le(0, 10) + "ICCP" + le(3, 4) + std::string("abc\0", 4) + "VP8L" +
                    le(5, 4) + le(0, 6)),
               "webp");
    const PictureHeader animated = header(riff(vp8x + "\x02" + le(0, 9)), "webp");
    const PictureHeader clearLossy = header(
        riff(vp8x + "\x10" + le(0, 9) + "ALPH" + le(2, 4) + "ab" + "VP8 " + le(2, 4) + "ab"), "webp");
    EXPECT_LT(lossy.bytesPerPixel, clearLossy.bytesPerPixel);
    EXPECT_LT(clearLossy.bytesPerPixel, lossless.bytesPerPixel);
    EXPECT_EQ(extendedLossless.bytesPerPixel, lossless.bytesPerPixel);
    EXPECT_LT(lossless.bytesPerPixel, animated.bytesPerPixel);

    const PictureHeader greyTiff = header(tiff({{258, 3, 1, 8}, {277, 3, 1, 1}}), "tiff");
    const PictureHeader rgbTiff = header(tiff({{258, 3, 1, 8}, {277, 3, 1, 3}}), "tiff");
    const PictureHeader floatTiff = header(tiff({{258, 3, 1, 32}, {277, 3, 1, 4}}), "tiff");
    EXPECT_EQ(greyTiff.bytesPerPixel, grey.bytesPerPixel);
    EXPECT_EQ(rgbTiff.bytesPerPixel, colour.bytesPerPixel);
    EXPECT_EQ(floatTiff.bytesPerPixel, 16);
    EXPECT_TRUE(header("\xFF\xD8\xFF\xD9", "jpeg").reducesWhileDecoding);
}

// A TIFF's strips and tiles are counted, and the buffer one of them needs decoded is its rows
// across the picture (all of them without a rows-per-strip tag) or its tile; a PNG's longest
// chunk other than picture data is found wherever it lies.
TEST(PictureHeader, MeasuresTheStructureThatCostsTheDecoder)
{
    const PictureHeader strips = header(tiff({{256, 4, 1, 64}, {257, 4, 1, 1000000}, {258, 3, 1, 8},
                                              {273, 4, 1000000, 0}, {278, 4, 1, 1}}),
                                        "tiff");
    EXPECT_EQ(strips.pieces, 1000000);
    EXPECT_EQ(strips.workingBytes, 64);
    EXPECT_EQ(header(bigTiff({{256, 4, 1, 64}, {257, 4, 1, 1000000}, {273, 16, 1000000, 0}}), "tiff")
                  .pieces,
              1000000);
    const PictureHeader oneStrip =
        header(tiff({{256, 4, 1, 1000}, {257, 4, 1, 500}, {258, 3, 1, 8}, {277, 3, 1, 3},
                     {273, 4, 1, 0}}),
               "tiff");
    EXPECT_EQ(oneStrip.pieces, 1);
    EXPECT_EQ(oneStrip.workingBytes, 1000 * 500 * 3);
    const PictureHeader tiles = header(
        tiff({{256, 4, 1, 4096}, {257, 4, 1, 4096}, {258, 3, 1, 8}, {322, 3, 1, 256},
              {323, 3, 1, 128}, {324, 4, 512, 0}}),
        "tiff");
    EXPECT_EQ(tiles.pieces, 512);
    EXPECT_EQ(tiles.workingBytes, 256 * 128);

    const std::string text = pngChunk("tEXt", std::string(300, 'x'));
    const PictureHeader chunks =
        header(png(10, 10, 8, 2, false, pngChunk("iCCP", "ab") + text), "png");
    EXPECT_EQ(chunks.longestSideChunk, 300);
}
