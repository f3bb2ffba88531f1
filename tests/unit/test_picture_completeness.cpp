// Cut-off BMP, GIF, JPEG, PNG, WebP and TIFF files are found by walking their structure; whole files, files
// with data after their end, and formats the check does not know pass.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/picture_completeness.h"
#include "support/memory_bytes.h"
#include "support/temp_folder.h"

using namespace quiltra;

namespace {

using Bytes = std::vector<unsigned char>;

// n little-endian bytes of v; bytes beyond the eighth are zero.
void le(Bytes& b, std::uint64_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b.push_back(i < 8 ? (v >> (8 * i)) & 0xFF : 0);
}

// A BMP of width x height at 24 bits with its full pixel rows (rows padded to 4 bytes).
Bytes bmp(int width, int height, std::uint32_t compression = 0, std::uint32_t stored = 0)
{
    Bytes b = {'B', 'M'};
    le(b, 0, 4);
    le(b, 0, 4);
    le(b, 54, 4);
    le(b, 40, 4);
    le(b, std::uint32_t(width), 4);
    le(b, std::uint32_t(height), 4);
    le(b, 1, 2);
    le(b, 24, 2);
    le(b, compression, 4);
    le(b, stored, 4);
    le(b, 0, 16);
    const int rows = height < 0 ? -height : height;
    b.resize(b.size() + std::size_t((width * 3 + 3) / 4 * 4 * rows), 0x80);
    return b;
}

Bytes jpeg(bool withEnd = true)
{
    Bytes b = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x06, 'J', 'F', 'I', 'F'};
    // An APP1 segment holding a thumbnail with its own end marker.
    const Bytes app1 = {0xFF, 0xE1, 0x00, 0x08, 0xFF, 0xD8, 0x12, 0x34, 0xFF, 0xD9};
    b.insert(b.end(), app1.begin(), app1.end());
    const Bytes sos = {0xFF, 0xDA, 0x00, 0x04, 0x01, 0x02,
                       0x11, 0xFF, 0x00, 0x22, 0xFF, 0xD3, 0x33, 0x44, 0xFF, 0xFF, 0xD4, 0x55};
    b.insert(b.end(), sos.begin(), sos.end());
    if (withEnd) {
        b.push_back(0xFF);
        b.push_back(0xD9);
    }
    return b;
}

// A JPEG whose scan data runs past the checker's 64 KiB reads, with a stuffed 0xFF, a restart
// marker and a run of fill bytes each straddling the edge between two reads; `endAt`, when given,
// puts the end marker's 0xFF at that offset instead, as the last byte of a read.
Bytes longScanJpeg(bool withEnd = true, std::size_t endAt = 0)
{
    Bytes b = jpeg(false);
    b.resize(4 * 65536, 0x37);
    const auto put = [&b](std::size_t at, Bytes bytes) {
        std::copy(bytes.begin(), bytes.end(), b.begin() + std::ptrdiff_t(at));
    };
    put(65535, {0xFF, 0x00});
    put(2 * 65536 - 1, {0xFF, 0xD5});
    put(3 * 65536 - 2, {0xFF, 0xFF, 0xFF, 0x00});
    if (endAt) {
        b.resize(endAt);
        b.push_back(0xFF);
        b.push_back(0xD9);
    } else if (withEnd) {
        b.push_back(0xFF);
        b.push_back(0xD9);
    }
    return b;
}

// n big-endian bytes of v.
void be(Bytes& b, std::uint64_t v, int n)
{
    for (int i = n - 1; i >= 0; --i)
        b.push_back((v >> (8 * i)) & 0xFF);
}

void chunk(Bytes& b, const char* type, std::size_t length)
{
    be(b, length, 4);
    b.insert(b.end(), type, type + 4);
    b.resize(b.size() + length + 4, 0x5A);   // data and checksum
}

Bytes png(bool withEnd = true)
{
    Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(b, "IHDR", 13);
    chunk(b, "IDAT", 40);
    if (withEnd)
        chunk(b, "IEND", 0);
    return b;
}

Bytes webp()
{
    Bytes b = {'R', 'I', 'F', 'F'};
    le(b, 4 + 8 + 20, 4);
    b.insert(b.end(), {'W', 'E', 'B', 'P', 'V', 'P', '8', 'L'});
    le(b, 20, 4);
    b.resize(b.size() + 20, 0x2F);
    return b;
}

// A TIFF whose first directory names `strips` strips of 10 bytes each, big-endian when `motorola`;
// more than one strip puts both arrays after the directory.
Bytes tiff(int strips, bool motorola = false)
{
    const auto put = [motorola](Bytes& b, std::uint64_t v, int n) {
        motorola ? be(b, v, n) : le(b, v, n);
    };
    Bytes b = motorola ? Bytes{'M', 'M'} : Bytes{'I', 'I'};
    put(b, 42, 2);
    put(b, 8, 4);
    put(b, 2, 2);
    const std::uint64_t arrays = 8 + 2 + 2 * 12 + 4;
    const std::uint64_t data = arrays + (strips > 1 ? 8 * std::uint64_t(strips) : 0);
    for (int tag : {273, 279}) {
        put(b, std::uint64_t(tag), 2);
        put(b, 4, 2);
        put(b, std::uint64_t(strips), 4);
        if (strips == 1)
            put(b, tag == 273 ? data : 10, 4);
        else
            put(b, arrays + (tag == 273 ? 0 : 4 * std::uint64_t(strips)), 4);
    }
    put(b, 0, 4);
    if (strips > 1) {
        for (int i = 0; i < strips; ++i)
            put(b, data + 10 * std::uint64_t(i), 4);
        for (int i = 0; i < strips; ++i)
            put(b, 10, 4);
    }
    b.resize(b.size() + 10 * std::size_t(strips), 0x11);
    return b;
}

Bytes gif(bool trailer = true)
{
    Bytes b = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0};
    b.insert(b.end(), {0, 0, 0, 255, 255, 255});               // global table, 2 colours
    b.insert(b.end(), {0x21, 0xF9, 4, 0, 0, 0, 0, 0});         // graphic control extension
    b.insert(b.end(), {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0, 2});    // image descriptor, LZW size 2
    b.insert(b.end(), {3, 0x44, 0x01, 0x05, 0});                // one sub-block and the end
    if (trailer)
        b.push_back(0x3B);
    return b;
}

bool whole(const Bytes& b, const char* format)
{
    const std::string bytes(b.begin(), b.end());
    test::MemoryBytes in(bytes);
    return incompletePicture(in, b.size(), format).empty();
}

Bytes cut(Bytes b, std::size_t keep)
{
    b.resize(keep);
    return b;
}

// The file without its last n bytes.
Bytes shorter(Bytes b, std::size_t n)
{
    b.resize(b.size() - n);
    return b;
}

Bytes append(Bytes b, const Bytes& more)
{
    b.insert(b.end(), more.begin(), more.end());
    return b;
}

} // namespace

TEST(PictureCompleteness, FindsFilesCutOffBeforeTheirEnd)
{
    struct Case {
        const char* what;
        Bytes data;
        const char* format;
        bool whole;
    };
    const Bytes b4x2 = bmp(4, 2);   // rows of 12 bytes: 54 + 24
    const Bytes b2x2 = bmp(2, 2);   // rows of 6 bytes padded to 8: 54 + 16
    const Case cases[] = {
        {"bmp whole", b4x2, "bmp", true},
        {"bmp one byte short", cut(b4x2, 77), "bmp", false},
        {"bmp header only", cut(b4x2, 54), "bmp", false},
        {"bmp header cut", cut(b4x2, 20), "bmp", false},
        {"bmp last padding missing", cut(b2x2, 68), "bmp", true},
        {"bmp into the last row", cut(b2x2, 67), "bmp", false},
        {"bmp top-down rows", bmp(4, -2), "bmp", true},
        {"bmp top-down cut", cut(bmp(4, -2), 70), "bmp", false},
        {"bmp huge header", cut(bmp(1, 1), 54), "bmp", false},
        {"bmp rle within size", bmp(4, 2, 1, 10), "bmp", true},
        {"bmp rle beyond size", bmp(4, 2, 1, 100), "bmp", false},
        {"jpeg whole", jpeg(), "jpeg", true},
        {"jpeg with data after its end", append(jpeg(), Bytes(5000, 0x42)), "jpeg", true},
        {"jpeg without end", jpeg(false), "jpeg", false},
        {"jpeg cut after thumbnail", cut(jpeg(), 20), "jpeg", false},
        {"jpeg cut in a segment", cut(jpeg(), 14), "jpeg", false},
        {"jpeg cut in a marker", cut(jpeg(), 37), "jpeg", false},
        {"jpeg long scan whole", longScanJpeg(), "jpeg", true},
        {"jpeg long scan without end", longScanJpeg(false), "jpeg", false},
        {"jpeg long scan cut after a stuffed 0xFF", cut(longScanJpeg(), 65536), "jpeg", false},
        {"jpeg long scan ending at a read's edge", longScanJpeg(true, 4 * 65536 - 1), "jpeg", true},
        {"jpeg long scan cut at a read's edge", cut(longScanJpeg(true, 4 * 65536 - 1), 4 * 65536),
         "jpeg", false},
        {"gif whole", gif(), "gif", true},
        {"gif without trailer", gif(false), "gif", true},
        {"gif cut in image data", cut(gif(), 30), "gif", false},
        {"gif cut in colour table", cut(gif(), 15), "gif", false},
        {"gif without its colour table", cut(gif(), 13), "gif", false},
        {"gif without any frame", cut(gif(), 27), "gif", false},
        {"gif unknown block", append(cut(gif(), 19), {0x99, 0x01}), "gif", true},
        {"png whole", png(), "png", true},
        {"png without its end chunk", png(false), "png", false},
        {"png cut in its data", cut(png(), 40), "png", false},
        {"png cut in its end chunk", shorter(png(), 2), "png", false},
        {"png cut in its signature", cut(png(), 5), "png", false},
        {"webp whole", webp(), "webp", true},
        {"webp with data after it", append(webp(), {1, 2, 3}), "webp", true},
        {"webp cut", shorter(webp(), 1), "webp", false},
        {"tiff one strip", tiff(1), "tiff", true},
        {"tiff one strip cut", shorter(tiff(1), 1), "tiff", false},
        {"tiff many strips", tiff(5000), "tiff", true},
        {"tiff many strips cut in the last", shorter(tiff(5000), 5), "tiff", false},
        {"tiff many strips cut in the arrays", cut(tiff(5000), 30000), "tiff", false},
        {"tiff big-endian whole", tiff(3, true), "tiff", true},
        {"tiff big-endian cut", shorter(tiff(3, true), 1), "tiff", false},
        {"tiff cut in its header", cut(tiff(3), 6), "tiff", false},
        {"tiff cut in its directory", cut(tiff(3), 20), "tiff", false},
        {"other format", cut(b4x2, 10), "ico", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(whole(c.data, c.format), c.whole) << c.what;
}

TEST(PictureCompleteness, DescribesTheFailure)
{
    const Bytes data = jpeg(false);
    const std::string bytes(data.begin(), data.end());
    test::MemoryBytes in(bytes);
    EXPECT_EQ(incompletePicture(in, data.size(), "jpeg"), kIncompletePicture);
}

// The loader checks the file itself: reads at every position of a file give what the same bytes
// in memory give, across the reads' edges, and a file that cannot be opened reads as empty.
TEST(PictureCompleteness, ChecksFilesAsItChecksTheirBytes)
{
    const test::TempFolder folder;
    const struct {
        Bytes data;
        bool whole;
    } files[] = {{longScanJpeg(), true}, {longScanJpeg(false), false}, {longScanJpeg(true, 2 * 65536 - 1), true},
                 {cut(longScanJpeg(), 3 * 65536 + 7), false}};
    for (const auto& f : files) {
        folder.write("photo.jpg", std::string(f.data.begin(), f.data.end()));
        FileBytes in(folder / "photo.jpg");
        ASSERT_TRUE(in.isOpen());
        EXPECT_EQ(incompletePicture(in, f.data.size(), "jpeg").empty(), f.whole) << f.data.size();
    }
    FileBytes missing(folder / "missing.jpg");
    EXPECT_FALSE(missing.isOpen());
    char byte = 0;
    EXPECT_EQ(missing.read(0, &byte, 1), 0u);
    EXPECT_EQ(incompletePicture(missing, 1000, "jpeg"), kIncompletePicture);
}
