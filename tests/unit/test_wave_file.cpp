// Wave files as the sound device reads them: the game's own sounds, every stored format, and
// files that are cut short, padded oddly or not wave files at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/wave_file.h"
#include "support/temp_folder.h"

namespace quiltra {
namespace {

std::string le16(unsigned v) { return {char(v & 0xFF), char((v >> 8) & 0xFF)}; }
std::string le32(std::uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); }
std::string chunk(const std::string& id, const std::string& body, std::uint32_t claimed)
{
    return id + le32(claimed) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}
std::string chunk(const std::string& id, const std::string& body)
{
    return chunk(id, body, static_cast<std::uint32_t>(body.size()));
}
std::string fmtBody(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits,
                    unsigned blockAlign)
{
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) +
           le16(bits);
}
// An extensible fmt body whose subformat GUID is derived from `subTag`.
std::string extensibleBody(unsigned subTag, unsigned channels, std::uint32_t rate, unsigned bits,
                           unsigned validBits)
{
    const std::string guidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return fmtBody(0xFFFE, channels, rate, bits, channels * bits / 8) + le16(22) + le16(validBits) +
           le32(0x3) + le16(subTag) + guidTail;
}
std::string riff(const std::string& chunks)
{
    return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}
// 24 bytes: whole frames in every layout the cases use.
const std::string kSamples = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C"
                             "\x0D\x0E\x0F\x10\x11\x12\x13\x14\x15\x16\x17\x18";

TEST(WaveFile, TheGameSoundsAre22kMono16Bit)
{
    struct Case { const char* name; std::size_t frames; };
    for (const Case c : {Case{"move.wav", 1543}, Case{"intro.wav", 29988}, Case{"finish.wav", 31971}}) {
        SCOPED_TRACE(c.name);
        const auto sound = readWaveFile(std::string(QUILTRA_SOUND_FOLDER) + "/" + c.name);
        ASSERT_TRUE(sound);
        EXPECT_EQ(sound->rate, 22050u);
        EXPECT_EQ(sound->channels, 1u);
        EXPECT_EQ(sound->format, SampleFormat::Signed16);
        EXPECT_EQ(sound->samples.size(), c.frames * 2);
    }
}

TEST(WaveFile, EveryStoredFormatKeepsItsSamples)
{
    struct Case { const char* name; std::string fmt; SampleFormat format; unsigned channels; };
    const Case cases[] = {
        {"unsigned 8 stereo", fmtBody(1, 2, 8000, 8, 2), SampleFormat::Unsigned8, 2},
        {"signed 16 mono", fmtBody(1, 1, 22050, 16, 2), SampleFormat::Signed16, 1},
        {"signed 24 stereo", fmtBody(1, 2, 48000, 24, 6), SampleFormat::Signed24, 2},
        {"signed 32 mono", fmtBody(1, 1, 96000, 32, 4), SampleFormat::Signed32, 1},
        {"float 32 mono", fmtBody(3, 1, 44100, 32, 4), SampleFormat::Float32, 1},
        {"a-law 6 channels", fmtBody(6, 6, 8000, 8, 6), SampleFormat::ALaw, 6},
        {"mu-law mono", fmtBody(7, 1, 8000, 8, 1), SampleFormat::MuLaw, 1},
        {"extensible pcm 16 stereo", extensibleBody(1, 2, 44100, 16, 16), SampleFormat::Signed16, 2},
        {"extensible 24 in 32", extensibleBody(1, 1, 48000, 32, 24), SampleFormat::Signed32, 1},
        {"extensible float", extensibleBody(3, 2, 48000, 32, 32), SampleFormat::Float32, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto sound = parseWave(riff(chunk("fmt ", c.fmt) + chunk("data", kSamples)));
        ASSERT_TRUE(sound);
        EXPECT_EQ(sound->format, c.format);
        EXPECT_EQ(sound->channels, c.channels);
        EXPECT_EQ(sound->samples, std::vector<unsigned char>(kSamples.begin(), kSamples.end()));
    }
}

TEST(WaveFile, UnknownChunksAreSkippedWithTheirPadding)
{
    const std::string fmt = chunk("fmt ", fmtBody(1, 1, 22050, 16, 2));
    const std::string data = chunk("data", kSamples);
    // An odd-sized chunk is followed by a pad byte that its size does not count.
    for (const std::string& file : {riff(chunk("LIST", "abc") + fmt + chunk("fact", "wxyz") + data),
                                    riff(fmt + chunk("junk", "q") + data)}) {
        const auto sound = parseWave(file);
        ASSERT_TRUE(sound);
        EXPECT_EQ(sound->samples.size(), kSamples.size());
        EXPECT_EQ(sound->samples.front(), 0x01);
    }
}

TEST(WaveFile, DataCutShortPlaysTheWholeFramesThatAreThere)
{
    // Stereo 16-bit: 4 bytes a frame. The chunk claims 1000 bytes, the file holds 11.
    const std::string head = riff(chunk("fmt ", fmtBody(1, 2, 22050, 16, 4)));
    const auto sound = parseWave(head + "data" + le32(1000) + kSamples.substr(0, 11));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->samples.size(), 8u);
    // An empty data chunk is a silent sound, not a broken file.
    const auto empty = parseWave(head + chunk("data", ""));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->samples.empty());
}

TEST(WaveFile, MalformedOrUnsupportedFilesGiveNothing)
{
    const std::string fmt = chunk("fmt ", fmtBody(1, 1, 22050, 16, 2));
    const std::string data = chunk("data", kSamples);
    const std::string good = riff(fmt + data);
    ASSERT_TRUE(parseWave(good));
    std::string wrongGuid = extensibleBody(1, 1, 8000, 16, 16);
    wrongGuid[30] = 'x';
    struct Case { const char* name; std::string bytes; };
    const Case cases[] = {
        {"empty", ""},
        {"not riff", "RIFX" + good.substr(4)},
        {"not wave", good.substr(0, 8) + "AVI " + good.substr(12)},
        {"header only", good.substr(0, 12)},
        {"cut inside fmt", good.substr(0, 30)},
        {"cut after fmt", riff(fmt)},
        {"no fmt", riff(data)},
        {"data before fmt", riff(data + fmt)},
        {"two fmt", riff(fmt + fmt + data)},
        {"fmt too short", riff(chunk("fmt ", fmtBody(1, 1, 22050, 16, 2).substr(0, 14)) + data)},
        {"chunk past the end", riff(chunk("LIST", "abcd", 5000) + fmt + data)},
        {"adpcm", riff(chunk("fmt ", fmtBody(2, 1, 22050, 4, 256)) + data)},
        {"pcm 12 bit", riff(chunk("fmt ", fmtBody(1, 1, 22050, 12, 2)) + data)},
        {"float 64", riff(chunk("fmt ", fmtBody(3, 1, 22050, 64, 8)) + data)},
        {"no channel", riff(chunk("fmt ", fmtBody(1, 0, 22050, 16, 0)) + data)},
        {"nine channels", riff(chunk("fmt ", fmtBody(1, 9, 22050, 16, 18)) + data)},
        {"rate zero", riff(chunk("fmt ", fmtBody(1, 1, 0, 16, 2)) + data)},
        {"rate too high", riff(chunk("fmt ", fmtBody(1, 1, 400000, 16, 2)) + data)},
        {"block align wrong", riff(chunk("fmt ", fmtBody(1, 2, 22050, 16, 2)) + data)},
        {"extensible too short", riff(chunk("fmt ", extensibleBody(1, 1, 8000, 16, 16).substr(0, 30)) + data)},
        {"extensible foreign guid", riff(chunk("fmt ", wrongGuid) + data)},
        {"extensible a-law", riff(chunk("fmt ", extensibleBody(6, 1, 8000, 8, 8)) + data)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(parseWave(c.bytes));
    }
    test::TempFolder folder;
    EXPECT_FALSE(readWaveFile(folder / "missing.wav"));
    EXPECT_FALSE(readWaveFile(folder.path()));
    folder.write("cut.wav", good.substr(0, 20));
    EXPECT_FALSE(readWaveFile(folder / "cut.wav"));
}

} // namespace
} // namespace quiltra
