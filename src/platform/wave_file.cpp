// Reads RIFF/WAVE sound files into their samples, untouched, with the format they are stored in.
#include "platform/wave_file.h"

#include "platform/file_system.h"

#include <cstdint>

namespace quiltra {

namespace {

// Format tags of the fmt chunk (and the first two bytes of an extensible file's subformat).
constexpr std::uint16_t kTagPcm = 0x0001;
constexpr std::uint16_t kTagFloat = 0x0003;
constexpr std::uint16_t kTagALaw = 0x0006;
constexpr std::uint16_t kTagMuLaw = 0x0007;
constexpr std::uint16_t kTagExtensible = 0xFFFE;

// Bytes 2..15 of every subformat GUID derived from a format tag.
constexpr unsigned char kSubformatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                              0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

// Sound servers accept up to eight times 48 kHz; below 1 kHz nothing is a real recording.
constexpr std::uint32_t kMinRate = 1000;
constexpr std::uint32_t kMaxRate = 384000;
constexpr unsigned kMaxChannels = 8;

std::uint16_t le16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

std::uint32_t le32(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(le16(b, at)) | static_cast<std::uint32_t>(le16(b, at + 2)) << 16;
}

std::optional<SampleFormat> formatOf(std::uint16_t tag, unsigned bits)
{
    switch (tag) {
    case kTagPcm:
        switch (bits) {
        case 8: return SampleFormat::Unsigned8;
        case 16: return SampleFormat::Signed16;
        case 24: return SampleFormat::Signed24;
        case 32: return SampleFormat::Signed32;
        default: return std::nullopt;
        }
    case kTagFloat:
        if (bits == 32)
            return SampleFormat::Float32;
        return std::nullopt;
    case kTagALaw:
        if (bits == 8)
            return SampleFormat::ALaw;
        return std::nullopt;
    case kTagMuLaw:
        if (bits == 8)
            return SampleFormat::MuLaw;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// The fmt chunk's body: its channels, rate and sample format, checked against each other.
std::optional<WaveSound> parseFormat(std::string_view body)
{
    if (body.size() < 16)
        return std::nullopt;
    std::uint16_t tag = le16(body, 0);
    WaveSound sound;
    sound.channels = le16(body, 2);
    const std::uint32_t rate = le32(body, 4);
    const std::uint16_t blockAlign = le16(body, 12);
    const unsigned bits = le16(body, 14);
    if (tag == kTagExtensible) {
        // cbSize, valid bits, channel mask, then the subformat GUID. The container size decides
        // the layout: 24 valid bits in 32-bit words play as 32-bit samples.
        if (body.size() < 40 || le16(body, 16) < 22)
            return std::nullopt;
        for (std::size_t i = 0; i < sizeof kSubformatTail; ++i)
            if (static_cast<unsigned char>(body[26 + i]) != kSubformatTail[i])
                return std::nullopt;
        tag = le16(body, 24);
        if (tag != kTagPcm && tag != kTagFloat)
            return std::nullopt;
    }
    const auto format = formatOf(tag, bits);
    if (!format || sound.channels < 1 || sound.channels > kMaxChannels || rate < kMinRate ||
        rate > kMaxRate)
        return std::nullopt;
    sound.format = *format;
    sound.rate = rate;
    if (blockAlign != sound.frameBytes())
        return std::nullopt;
    return sound;
}

} // namespace

std::size_t sampleBytes(SampleFormat format)
{
    switch (format) {
    case SampleFormat::Unsigned8:
    case SampleFormat::ALaw:
    case SampleFormat::MuLaw:
        return 1;
    case SampleFormat::Signed16:
        return 2;
    case SampleFormat::Signed24:
        return 3;
    case SampleFormat::Signed32:
    case SampleFormat::Float32:
        return 4;
    }
    return 1;
}

// Walks the chunks after the RIFF header. Each chunk is padded to an even size; the fmt chunk
// must come before the data chunk, which ends the walk. The RIFF size itself is not trusted:
// many writers leave it wrong, and the file's own end is the limit.
std::optional<WaveSound> parseWave(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveSound> sound;
    std::size_t at = 12;
    while (bytes.size() - at >= 8) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint32_t size = le32(bytes, at + 4);
        at += 8;
        const std::size_t left = bytes.size() - at;
        if (id == "data") {
            if (!sound)
                return std::nullopt;
            std::size_t length = size < left ? size : left;
            length -= length % sound->frameBytes();
            sound->samples.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                  bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
            return sound;
        }
        if (size > left)
            return std::nullopt;
        if (id == "fmt ") {
            if (sound)
                return std::nullopt;
            sound = parseFormat(bytes.substr(at, size));
            if (!sound)
                return std::nullopt;
        }
        at += size;
        if (size % 2 != 0 && at < bytes.size())
            ++at;
    }
    return std::nullopt;
}

std::optional<WaveSound> readWaveFile(const std::string& path)
{
    // Only a regular file is read (a folder or a device is no sound), and none larger than the
    // whole-file limit.
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return parseWave(*bytes);
}

} // namespace quiltra
