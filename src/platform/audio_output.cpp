// Playback streams on the PulseAudio server or the ALSA device, through libraries loaded at first use.
#include "platform/audio_output.h"

#include <QLibrary>

#include <alsa/asoundlib.h>
#include <pulse/simple.h>

#include <cerrno>
#include <cstring>

namespace quiltra {

namespace {

template <typename Function>
bool resolve(QLibrary& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

// The sound libraries are loaded, never linked: a player with sound effects off maps none of
// them, and the program starts on a machine that lacks one.
struct PulseApi {
    decltype(&pa_simple_new) simpleNew = nullptr;
    decltype(&pa_simple_free) simpleFree = nullptr;
    decltype(&pa_simple_write) simpleWrite = nullptr;
    decltype(&pa_simple_flush) simpleFlush = nullptr;
    decltype(&pa_simple_drain) simpleDrain = nullptr;
};

const PulseApi* pulseApi()
{
    static const PulseApi* const api = []() -> const PulseApi* {
        static QLibrary library;
        library.setFileNameAndVersion(QStringLiteral("pulse-simple"), 0);
        static PulseApi loaded;
        if (!library.load() || !resolve(library, "pa_simple_new", loaded.simpleNew) ||
            !resolve(library, "pa_simple_free", loaded.simpleFree) ||
            !resolve(library, "pa_simple_write", loaded.simpleWrite) ||
            !resolve(library, "pa_simple_flush", loaded.simpleFlush) ||
            !resolve(library, "pa_simple_drain", loaded.simpleDrain))
            return nullptr;
        return &loaded;
    }();
    return api;
}

struct AlsaApi {
    decltype(&snd_pcm_open) open = nullptr;
    decltype(&snd_pcm_close) close = nullptr;
    decltype(&snd_pcm_set_params) setParams = nullptr;
    decltype(&snd_pcm_writei) writei = nullptr;
    decltype(&snd_pcm_recover) recover = nullptr;
    decltype(&snd_pcm_drop) drop = nullptr;
    decltype(&snd_pcm_prepare) prepare = nullptr;
    decltype(&snd_pcm_start) start = nullptr;
    decltype(&snd_pcm_state) state = nullptr;
};

// ALSA reports its own errors (a missing card, an unknown "default" device) on standard error,
// where a player can do nothing with them; the game is silent instead.
void muteAlsaReports(const char*, int, const char*, int, const char*, ...) {}

const AlsaApi* alsaApi()
{
    static const AlsaApi* const api = []() -> const AlsaApi* {
        static QLibrary library;
        library.setFileNameAndVersion(QStringLiteral("asound"), 2);
        if (!library.load())
            return nullptr;
        decltype(&snd_lib_error_set_handler) setHandler = nullptr;
        if (resolve(library, "snd_lib_error_set_handler", setHandler))
            setHandler(muteAlsaReports);
        static AlsaApi loaded;
        if (!resolve(library, "snd_pcm_open", loaded.open) ||
            !resolve(library, "snd_pcm_close", loaded.close) ||
            !resolve(library, "snd_pcm_set_params", loaded.setParams) ||
            !resolve(library, "snd_pcm_writei", loaded.writei) ||
            !resolve(library, "snd_pcm_recover", loaded.recover) ||
            !resolve(library, "snd_pcm_drop", loaded.drop) ||
            !resolve(library, "snd_pcm_prepare", loaded.prepare) ||
            !resolve(library, "snd_pcm_start", loaded.start) ||
            !resolve(library, "snd_pcm_state", loaded.state))
            return nullptr;
        return &loaded;
    }();
    return api;
}

pa_sample_format_t pulseFormat(SampleFormat format)
{
    switch (format) {
    case SampleFormat::Unsigned8: return PA_SAMPLE_U8;
    case SampleFormat::Signed16: return PA_SAMPLE_S16LE;
    case SampleFormat::Signed24: return PA_SAMPLE_S24LE;
    case SampleFormat::Signed32: return PA_SAMPLE_S32LE;
    case SampleFormat::Float32: return PA_SAMPLE_FLOAT32LE;
    case SampleFormat::ALaw: return PA_SAMPLE_ALAW;
    case SampleFormat::MuLaw: return PA_SAMPLE_ULAW;
    }
    return PA_SAMPLE_INVALID;
}

snd_pcm_format_t alsaFormat(SampleFormat format)
{
    switch (format) {
    case SampleFormat::Unsigned8: return SND_PCM_FORMAT_U8;
    case SampleFormat::Signed16: return SND_PCM_FORMAT_S16_LE;
    case SampleFormat::Signed24: return SND_PCM_FORMAT_S24_3LE;
    case SampleFormat::Signed32: return SND_PCM_FORMAT_S32_LE;
    case SampleFormat::Float32: return SND_PCM_FORMAT_FLOAT_LE;
    case SampleFormat::ALaw: return SND_PCM_FORMAT_A_LAW;
    case SampleFormat::MuLaw: return SND_PCM_FORMAT_MU_LAW;
    }
    return SND_PCM_FORMAT_UNKNOWN;
}

// Wave files order their channels front left, front right, centre, bass, rear left, rear right,
// then the sides of the centre; PulseAudio's own default order differs beyond stereo.
pa_channel_map waveChannelMap(unsigned channels)
{
    static constexpr pa_channel_position_t order[] = {
        PA_CHANNEL_POSITION_FRONT_LEFT, PA_CHANNEL_POSITION_FRONT_RIGHT,
        PA_CHANNEL_POSITION_FRONT_CENTER, PA_CHANNEL_POSITION_LFE,
        PA_CHANNEL_POSITION_REAR_LEFT, PA_CHANNEL_POSITION_REAR_RIGHT,
        PA_CHANNEL_POSITION_FRONT_LEFT_OF_CENTER, PA_CHANNEL_POSITION_FRONT_RIGHT_OF_CENTER};
    pa_channel_map map{};
    map.channels = static_cast<std::uint8_t>(channels);
    for (unsigned i = 0; i < channels && i < 8; ++i)
        map.map[i] = order[i];
    if (channels == 1)
        map.map[0] = PA_CHANNEL_POSITION_MONO;
    return map;
}

class PulseStream final : public AudioStream {
public:
    PulseStream(const PulseApi& api, pa_simple* stream, const SoundFormat& format, std::size_t prebuf)
        : api_(api), stream_(stream), format_(format), prebuf_(prebuf) {}
    ~PulseStream() override { api_.simpleFree(stream_); }

    const SoundFormat& format() const override { return format_; }
    bool write(const unsigned char* data, std::size_t bytes) override
    {
        int error = 0;
        return api_.simpleWrite(stream_, data, bytes, &error) == 0;
    }
    void flush() override
    {
        int error = 0;
        api_.simpleFlush(stream_, &error);
    }
    // The server starts playing once prebuf bytes are there; a play shorter than that is
    // started by draining, which waits no longer than the play itself.
    void finish(std::size_t playBytes) override
    {
        if (playBytes >= prebuf_)
            return;
        int error = 0;
        api_.simpleDrain(stream_, &error);
    }

private:
    const PulseApi& api_;
    pa_simple* stream_;
    SoundFormat format_;
    std::size_t prebuf_;
};

// The stream holds kStreamBufferTime ahead of the speaker and starts once a fifth of that is
// there. A start threshold of zero would keep the stream running through the silence between
// sounds and skip the start of the next one; the full buffer would hold back the start of every
// sound by its length.
std::unique_ptr<AudioStream> openPulse(const SoundFormat& format)
{
    const PulseApi* api = pulseApi();
    if (!api)
        return nullptr;
    pa_sample_spec sampleLayout{};
    sampleLayout.format = pulseFormat(format.format);
    sampleLayout.rate = format.rate;
    sampleLayout.channels = static_cast<std::uint8_t>(format.channels);
    const pa_channel_map map = waveChannelMap(format.channels);
    const std::size_t prebuf = bytesFor(format, kStreamBufferTime / 5);
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = static_cast<std::uint32_t>(bytesFor(format, kStreamBufferTime));
    attr.prebuf = static_cast<std::uint32_t>(prebuf);
    attr.minreq = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(-1);
    int error = 0;
    pa_simple* stream = api->simpleNew(nullptr, "Quiltra", PA_STREAM_PLAYBACK, nullptr,
                                       "Sound effects", &sampleLayout, &map, &attr, &error);
    if (!stream)
        return nullptr;
    return std::make_unique<PulseStream>(*api, stream, format, prebuf);
}

class AlsaStream final : public AudioStream {
public:
    AlsaStream(const AlsaApi& api, snd_pcm_t* pcm, const SoundFormat& format)
        : api_(api), pcm_(pcm), format_(format) {}
    ~AlsaStream() override { api_.close(pcm_); }

    const SoundFormat& format() const override { return format_; }
    // An underrun between two sounds (or a suspend) is recovered from and the write repeated.
    bool write(const unsigned char* data, std::size_t bytes) override
    {
        const std::size_t frameBytes = format_.frameBytes();
        snd_pcm_uframes_t frames = bytes / frameBytes;
        while (frames > 0) {
            const snd_pcm_sframes_t written = api_.writei(pcm_, data, frames);
            if (written < 0) {
                if (api_.recover(pcm_, static_cast<int>(written), 1) < 0)
                    return false;
                continue;
            }
            frames -= static_cast<snd_pcm_uframes_t>(written);
            data += static_cast<std::size_t>(written) * frameBytes;
        }
        return true;
    }
    void flush() override
    {
        api_.drop(pcm_);
        api_.prepare(pcm_);
    }
    // A sound shorter than the start threshold would wait in the buffer forever.
    void finish(std::size_t) override
    {
        if (api_.state(pcm_) == SND_PCM_STATE_PREPARED)
            api_.start(pcm_);
    }

private:
    const AlsaApi& api_;
    snd_pcm_t* pcm_;
    SoundFormat format_;
};

std::unique_ptr<AudioStream> openAlsa(const SoundFormat& format)
{
    const AlsaApi* api = alsaApi();
    if (!api)
        return nullptr;
    snd_pcm_t* pcm = nullptr;
    if (api->open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0)
        return nullptr;
    const auto latency = static_cast<unsigned>(
        std::chrono::duration_cast<std::chrono::microseconds>(kStreamBufferTime).count());
    if (api->setParams(pcm, alsaFormat(format.format), SND_PCM_ACCESS_RW_INTERLEAVED,
                       format.channels, format.rate, 1, latency) < 0) {
        api->close(pcm);
        return nullptr;
    }
    return std::make_unique<AlsaStream>(*api, pcm, format);
}

} // namespace

std::size_t bytesFor(const SoundFormat& format, std::chrono::milliseconds time)
{
    const auto frames = static_cast<std::size_t>(format.rate) * static_cast<std::size_t>(time.count()) / 1000;
    return (frames > 0 ? frames : 1) * format.frameBytes();
}

AudioOutputChoice audioOutputChoice(const char* environmentValue)
{
    if (!environmentValue)
        return AudioOutputChoice::Any;
    if (std::strcmp(environmentValue, "none") == 0)
        return AudioOutputChoice::None;
    if (std::strcmp(environmentValue, "pulse") == 0)
        return AudioOutputChoice::Pulse;
    if (std::strcmp(environmentValue, "alsa") == 0)
        return AudioOutputChoice::Alsa;
    return AudioOutputChoice::Any;
}

std::unique_ptr<AudioStream> AudioOutput::open(const SoundFormat& format)
{
    std::unique_ptr<AudioStream> stream;
    switch (choice_) {
    case AudioOutputChoice::None:
        return nullptr;
    case AudioOutputChoice::Pulse:
        stream = openPulse(format);
        break;
    case AudioOutputChoice::Alsa:
        stream = openAlsa(format);
        break;
    case AudioOutputChoice::Any:
        stream = openPulse(format);
        if (stream) {
            choice_ = AudioOutputChoice::Pulse;
        } else {
            stream = openAlsa(format);
            if (stream)
                choice_ = AudioOutputChoice::Alsa;
        }
        break;
    }
    if (!stream && !tried_)
        choice_ = AudioOutputChoice::None;
    tried_ = true;
    return stream;
}

} // namespace quiltra
