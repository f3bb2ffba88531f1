// Finds the Exif block of PNG and WebP files and reads its orientation tag.
#include "platform/picture_exif.h"

#include <cstdint>
#include <string>

namespace quiltra {

namespace {

constexpr std::uint32_t kLargestExif = 64u << 10;

std::uint32_t be32(const unsigned char* p)
{
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}
std::uint32_t le32(const unsigned char* p)
{
    return std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
}

// Reads on from a position, as a stream would, through any byte source.
class Reader {
public:
    Reader(ByteSource& in, std::uint64_t position) : in_(in), at_(position) {}
    bool read(void* into, std::size_t n)
    {
        const std::size_t got = in_.read(at_, into, n);
        at_ += got;
        return got == n;
    }
    bool readExactly(std::string& out, std::uint32_t n)
    {
        out.resize(n);
        return read(out.data(), n);
    }
    void skip(std::uint64_t n) { at_ += n; }

private:
    ByteSource& in_;
    std::uint64_t at_;
};

// PNG: the eXIf chunk must come before the first picture data (IDAT) to count.
std::string pngExif(ByteSource& source)
{
    Reader in(source, 8);
    unsigned char head[8];
    std::string block;
    while (in.read(head, 8)) {
        const std::uint32_t length = be32(head);
        const std::string_view type(reinterpret_cast<const char*>(head + 4), 4);
        if (type == "IDAT" || type == "IEND" || length > 0x7FFFFFFFu)
            break;
        if (type == "eXIf")
            return length <= kLargestExif && in.readExactly(block, length) ? block : std::string();
        in.skip(std::uint64_t(length) + 4);
    }
    return {};
}

// WebP: an EXIF chunk anywhere in the RIFF container (chunks are padded to an even length).
std::string webpExif(ByteSource& source)
{
    Reader in(source, 12);
    unsigned char head[8];
    std::string block;
    while (in.read(head, 8)) {
        const std::uint32_t length = le32(head + 4);
        if (std::string_view(reinterpret_cast<const char*>(head), 4) == "EXIF") {
            if (length > kLargestExif || !in.readExactly(block, length))
                return {};
            // Some writers keep the "Exif\0\0" prefix of JPEG's segment.
            if (block.compare(0, 6, std::string("Exif\0\0", 6)) == 0)
                block.erase(0, 6);
            return block;
        }
        in.skip(std::uint64_t(length) + (length & 1));
    }
    return {};
}

} // namespace

int orientationOfExif(std::string_view tiff)
{
    if (tiff.size() < 8 || (tiff.substr(0, 4) != std::string_view("II*\0", 4) &&
                            tiff.substr(0, 4) != std::string_view("MM\0*", 4)))
        return 1;
    const bool little = tiff[0] == 'I';
    const auto value = [&](std::size_t at, int n) -> std::uint32_t {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) {
            const auto byte = std::uint32_t(static_cast<unsigned char>(tiff[at + std::size_t(i)]));
            v |= little ? byte << (8 * i) : byte << (8 * (n - 1 - i));
        }
        return v;
    };
    const std::uint32_t directory = value(4, 4);
    if (directory > tiff.size() || tiff.size() - directory < 2)
        return 1;
    const std::uint32_t entries = value(directory, 2);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::size_t entry = std::size_t(directory) + 2 + std::size_t(i) * 12;
        if (entry + 12 > tiff.size())
            return 1;
        if (value(entry, 2) == 0x0112 && value(entry + 2, 2) == 3) {
            const std::uint32_t orientation = value(entry + 8, 2);
            return orientation >= 1 && orientation <= 8 ? int(orientation) : 1;
        }
    }
    return 1;
}

int exifOrientation(ByteSource& in, std::string_view format)
{
    std::string block;
    if (format == "png")
        block = pngExif(in);
    else if (format == "webp")
        block = webpExif(in);
    return orientationOfExif(block);
}

} // namespace quiltra
