// The wave-audio device: the game's commands decide what is heard, libcanberra plays it.
#include "platform/ui/system_sound_device.h"

#include <QThreadPool>
#include <alsa/asoundlib.h>
#include <canberra.h>
#include <cstdlib>
#include <utility>

namespace quiltra {

namespace {

// How long the game's end waits for the worker to finish with the library.
constexpr int kEndWaitMs = 500;

// ALSA reports a missing device on the terminal; the game is silent instead.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

struct SystemSoundDevice::Output {
    std::string asked;   // "pulse", "alsa", or empty for either
    bool tried = false;
    ca_context* context = nullptr;

    // A context on the first output that opens: the one asked for, or PulseAudio, then ALSA.
    void openOnce()
    {
        if (tried)
            return;
        tried = true;
        snd_lib_error_set_handler(ignoreAlsaError);
        for (const char* driver : {"pulse", "alsa"}) {
            if (!asked.empty() && asked != driver)
                continue;
            if (ca_context_create(&context) != CA_SUCCESS)
                return;
            ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Quiltra",
                                    CA_PROP_APPLICATION_ID, "org.quiltra.Quiltra", nullptr);
            if (ca_context_set_driver(context, driver) == CA_SUCCESS &&
                ca_context_open(context) == CA_SUCCESS)
                return;
            ca_context_destroy(context);
            context = nullptr;
        }
    }
};

SystemSoundDevice::SystemSoundDevice(std::string programFolder)
    : programFolder_(std::move(programFolder))
{
    const char* variable = std::getenv("QUILTRA_AUDIO");
    const std::string asked = variable ? variable : "";
    if (asked == "none")
        return;
    output_ = std::make_shared<Output>();
    output_->asked = asked == "pulse" || asked == "alsa" ? asked : std::string();
    worker_ = std::make_unique<QThreadPool>();
    worker_->setMaxThreadCount(1);
}

SystemSoundDevice::~SystemSoundDevice()
{
    if (!worker_)
        return;
    if (!worker_->waitForDone(kEndWaitMs)) {
        // The worker is stuck in the library: leave it, and what it uses, to the end of the process.
        (void)worker_.release();
        return;
    }
    if (output_->context)
        ca_context_destroy(output_->context);
}

void SystemSoundDevice::open(SoundEffect effect)
{
    stopPlaying();
    file_ = soundFile(programFolder_, effect);
}

void SystemSoundDevice::close()
{
    stopPlaying();
    file_.clear();
}

void SystemSoundDevice::rewind() { stopPlaying(); }

void SystemSoundDevice::play()
{
    if (!output_ || file_.empty() || played_)
        return;
    played_ = true;
    worker_->start([output = output_, id = ++playId_, file = file_] {
        output->openOnce();
        // A file that is missing, or that the library cannot read, is silent.
        if (output->context)
            ca_context_play(output->context, id, CA_PROP_MEDIA_FILENAME, file.c_str(),
                            CA_PROP_MEDIA_ROLE, "game", nullptr);
    });
}

// Stops the last sound played, if it still plays, and rewinds to the start.
void SystemSoundDevice::stopPlaying()
{
    if (played_) {
        worker_->start([output = output_, id = playId_] {
            if (output->context)
                ca_context_cancel(output->context, id);
        });
    }
    played_ = false;
}

} // namespace quiltra
