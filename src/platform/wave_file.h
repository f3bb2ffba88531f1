// Reads RIFF/WAVE sound files into their samples, untouched, with the format they are stored in.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quiltra {

// How one sample is stored; multi-byte formats are little-endian, as in every wave file.
enum class SampleFormat {
    Unsigned8,
    Signed16,
    Signed24,   // three bytes per sample, packed
    Signed32,
    Float32,
    ALaw,
    MuLaw,
};

// Bytes per sample of a format.
std::size_t sampleBytes(SampleFormat format);

// How a sound's samples are laid out; a playback stream is opened for one layout.
struct SoundFormat {
    unsigned rate = 0;       // frames per second
    unsigned channels = 0;   // 1 to 8
    SampleFormat format = SampleFormat::Signed16;

    std::size_t frameBytes() const { return sampleBytes(format) * channels; }
    bool operator==(const SoundFormat&) const = default;
};

// A whole sound: interleaved frames of `channels` samples each, a whole number of frames.
struct WaveSound : SoundFormat {
    std::vector<unsigned char> samples;
};

// The sound held by the bytes of a wave file, or nothing when they are not a wave file this
// reader can play: malformed chunks, a compression other than PCM, IEEE float, A-law or mu-law,
// no channel or more than eight, an implausible rate. A data chunk that claims more bytes than
// the file holds gives what is there, cut to whole frames.
std::optional<WaveSound> parseWave(std::string_view bytes);

// The same for a file on disk; nothing when it cannot be read.
std::optional<WaveSound> readWaveFile(const std::string& path);

} // namespace quiltra
