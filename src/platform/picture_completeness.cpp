// Walks the structure of BMP, GIF, JPEG, PNG, WebP and TIFF files to find files cut off before
// their end.
#include "platform/picture_completeness.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/byte_reader.h"

namespace quiltra {

namespace {

using Bytes = ByteReader;

// A BMP is whole when the file reaches the end of its pixel rows (the last row's padding may be
// missing); compressed rows must reach the stored image size.
bool bmpWhole(Bytes& b, std::uint64_t size)
{
    if (!b.skip(10))
        return false;
    const std::int64_t offset = b.le(4), header = b.le(4);
    if (offset < 0 || header < 0)
        return false;
    std::int64_t width = 0, height = 0, bits = 0, compression = 0, stored = 0;
    if (header == 12) {
        width = b.le(2), height = b.le(2), b.le(2), bits = b.le(2);
    } else if (header >= 40) {
        width = b.le(4), height = b.le(4), b.le(2), bits = b.le(2);
        compression = b.le(4), stored = b.le(4);
        if (height >= 0x80000000LL)
            height = 0x100000000LL - height;   // top-down rows
    } else {
        return true;
    }
    if (width < 0 || height < 0 || bits < 0 || compression < 0 || stored < 0)
        return false;
    if (compression == 1 || compression == 2)
        return std::uint64_t(offset + stored) <= size;
    if (compression != 0 && compression != 3)
        return true;
    const std::uint64_t rowBytes = (std::uint64_t(width) * std::uint64_t(bits) + 7) / 8;
    const std::uint64_t stride = (std::uint64_t(width) * std::uint64_t(bits) + 31) / 32 * 4;
    if (height == 0)
        return true;
    return std::uint64_t(offset) + stride * std::uint64_t(height - 1) + rowBytes <= size;
}

// Skips a run of GIF sub-blocks up to its empty terminator.
bool gifSubBlocks(Bytes& b)
{
    for (;;) {
        const int n = b.get();
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!b.skip(std::uint64_t(n)))
            return false;
    }
}

// A GIF is whole when every block it starts is complete. A file that ends between blocks after
// at least one whole frame lacks only its trailer and is accepted, as other viewers do.
bool gifWhole(Bytes& b)
{
    if (!b.skip(10))
        return false;
    const int packed = b.get();
    if (packed < 0 || !b.skip(2))
        return false;
    if ((packed & 0x80) && !b.skip(3u << ((packed & 7) + 1)))
        return false;
    bool frame = false;
    for (;;) {
        const int block = b.get();
        if (block < 0)
            return frame;
        if (block == 0x3B)
            return true;
        if (block == 0x21) {
            if (b.get() < 0 || !gifSubBlocks(b))
                return false;
        } else if (block == 0x2C) {
            if (!b.skip(8))
                return false;
            const int local = b.get();
            if (local < 0 || ((local & 0x80) && !b.skip(3u << ((local & 7) + 1))))
                return false;
            if (b.get() < 0 || !gifSubBlocks(b))
                return false;
            frame = true;
        } else {
            return true;   // not a block this check knows: the decoder decides
        }
    }
}

// A JPEG is whole when its markers lead to the end-of-image marker. Segments are skipped by
// their length (thumbnails inside them included); scan data runs to the next marker that is
// neither a stuffed 0xFF nor a restart marker. Data after the end marker does not matter.
bool jpegWhole(Bytes& b)
{
    if (b.get() != 0xFF || b.get() != 0xD8)
        return false;
    int marker = -1;
    for (;;) {
        if (marker < 0) {
            const int c = b.get();
            if (c < 0)
                return false;
            if (c != 0xFF)
                return true;   // not a marker: the decoder decides
            do
                marker = b.get();
            while (marker == 0xFF);
        }
        if (marker < 0)
            return false;
        if (marker == 0xD9)
            return true;
        const int m = marker;
        marker = -1;
        if ((m >= 0xD0 && m <= 0xD7) || m == 0x01)
            continue;
        const int hi = b.get(), lo = b.get();
        if (hi < 0 || lo < 0)
            return false;
        const int length = hi << 8 | lo;
        if (length < 2 || !b.skip(std::uint64_t(length - 2)))
            return false;
        if (m != 0xDA)
            continue;
        // Entropy-coded data.
        for (;;) {
            if (!b.skipTo(0xFF))
                return false;
            int c = b.get();
            do
                c = b.get();
            while (c == 0xFF);
            if (c < 0)
                return false;
            if (c == 0x00 || (c >= 0xD0 && c <= 0xD7))
                continue;
            marker = c;
            break;
        }
    }
}

// A PNG is whole when its chunks lead to the end chunk (IEND); each chunk is skipped by its length
// with its checksum.
bool pngWhole(Bytes& b)
{
    if (!b.skip(8))
        return false;
    for (;;) {
        const std::int64_t length = b.be(4), type = b.be(4);
        if (length < 0 || type < 0)
            return false;
        if (type == 0x49454E44)   // "IEND", with its checksum
            return b.skip(4);
        if (length > 0x7FFFFFFF)
            return true;   // not a length a PNG may hold: the decoder decides
        if (!b.skip(std::uint64_t(length) + 4))
            return false;
    }
}

// A WebP is whole when the file holds the length its RIFF header announces.
bool webpWhole(Bytes& b, std::uint64_t size)
{
    if (!b.skip(4))
        return false;
    const std::int64_t length = b.le(4);
    return length >= 0 && std::uint64_t(length) + 8 <= size;
}

// A baseline TIFF is whole when its first directory (the picture that is played) and every strip
// or tile it names lie inside the file. BigTIFF and directories this check does not understand
// are left to the decoder.
bool tiffWhole(Bytes& b, std::uint64_t size)
{
    const int order = b.get();
    if (order != 'I' && order != 'M')
        return true;
    b.get();
    const bool little = order == 'I';
    const auto value = [&b, little](int n) { return little ? b.le(n) : b.be(n); };
    const std::int64_t magic = value(2);
    if (magic < 0)
        return false;
    if (magic != 42)
        return true;   // BigTIFF (43) and others: the decoder decides
    const std::int64_t directory = value(4);
    if (directory < 0 || std::uint64_t(directory) + 2 > size)
        return false;
    b.seek(std::uint64_t(directory));
    const std::int64_t entries = value(2);
    if (entries < 0 || std::uint64_t(directory) + 2 + std::uint64_t(entries) * 12 > size)
        return false;
    // The places (273 strips, 324 tiles) and lengths (279, 325) of the picture data.
    struct Field {
        std::int64_t type = 0, count = 0, inlineValue = 0, at = 0;
    } places, lengths;
    for (std::int64_t i = 0; i < entries; ++i) {
        const std::uint64_t entry = std::uint64_t(directory) + 2 + std::uint64_t(i) * 12;
        b.seek(entry);
        const std::int64_t tag = value(2), type = value(2), count = value(4);
        if (tag < 0 || type < 0 || count < 0)
            return false;
        Field* field = (tag == 273 || tag == 324) ? &places : (tag == 279 || tag == 325) ? &lengths
                                                                                          : nullptr;
        if (!field)
            continue;
        field->type = type;
        field->count = count;
        field->at = std::int64_t(entry) + 8;
        field->inlineValue = type == 3 ? value(2) : value(4);
    }
    if (places.count == 0 || places.count != lengths.count)
        return true;
    const auto width = [](const Field& f) { return f.type == 3 ? 2 : f.type == 4 ? 4 : 0; };
    if (width(places) == 0 || width(lengths) == 0)
        return true;
    // A long array is read in parts, so a hostile count never makes one large allocation.
    const auto read = [&](const Field& f, std::int64_t first, std::int64_t n,
                          std::vector<std::int64_t>& out) {
        out.clear();
        if (f.count == 1) {
            out.push_back(f.inlineValue);
            return true;
        }
        std::uint64_t from = std::uint64_t(f.at);
        if (std::uint64_t(f.count) * std::uint64_t(width(f)) > 4) {
            b.seek(from);
            const std::int64_t offset = value(4);
            if (offset < 0)
                return false;
            from = std::uint64_t(offset);
        }
        if (from + std::uint64_t(f.count) * std::uint64_t(width(f)) > size)
            return false;
        b.seek(from + std::uint64_t(first) * std::uint64_t(width(f)));
        for (std::int64_t i = 0; i < n; ++i) {
            const std::int64_t v = value(width(f));
            if (v < 0)
                return false;
            out.push_back(v);
        }
        return true;
    };
    constexpr std::int64_t kPart = 4096;
    std::vector<std::int64_t> starts, counts;
    for (std::int64_t first = 0; first < places.count; first += kPart) {
        const std::int64_t n = std::min(kPart, places.count - first);
        if (!read(places, first, n, starts) || !read(lengths, first, n, counts))
            return false;
        for (std::int64_t i = 0; i < n; ++i)
            if (std::uint64_t(starts[std::size_t(i)]) + std::uint64_t(counts[std::size_t(i)]) > size)
                return false;
    }
    return true;
}

} // namespace

std::string incompletePicture(ByteSource& in, std::uint64_t size, std::string_view format)
{
    Bytes bytes(in);
    bool whole = true;
    if (format == "bmp")
        whole = bmpWhole(bytes, size);
    else if (format == "gif")
        whole = gifWhole(bytes);
    else if (format == "jpeg" || format == "jpg")
        whole = jpegWhole(bytes);
    else if (format == "png")
        whole = pngWhole(bytes);
    else if (format == "webp")
        whole = webpWhole(bytes, size);
    else if (format == "tiff" || format == "tif")
        whole = tiffWhole(bytes, size);
    return whole ? std::string() : std::string(kIncompletePicture);
}

} // namespace quiltra
