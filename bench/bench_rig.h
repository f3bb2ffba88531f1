// The whole program in a temporary program folder, with a scripted clock and silent sound, for
// the benchmarks that drive the real game window (offscreen).
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/sound_device.h"
#include "platform/system_services.h"
#include "startup/ui/startup.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace quiltra::bench {

// Commands go nowhere: a benchmark measures the game, not the audio device.
class SilentSound : public SoundDevice {
public:
    void open(SoundEffect) override {}
    void close() override {}
    void rewind() override {}
    void play() override {}
};

class ProgramRig {
public:
    // Starts the program in a new folder whose "init.txt" lists `pictures` (full paths) and plays
    // the intro through to the first picture.
    explicit ProgramRig(const QStringList& pictures);

    GameWindow& window() { return *program->form9; }
    Game& game();

    // The player's commands, each through the window as a menu choice would run it.
    void chooseScreenSize(int index);
    bool choosePicture(int index);
    // Chooses the entry of the Size menu whose caption starts with `prefix` ("20x15"); the
    // largest size when `prefix` is empty. False when there is no such entry.
    bool chooseSize(const std::string& prefix = {});
    // Starts a game in the play mode given ("puzzle" or "slider") by a click on the whole picture.
    void startGame(const std::string& mode = "puzzle");

    // Presses and releases the mouse on piece k; returns once the click has been handled (the
    // window's repaint is pending until the events are processed).
    void clickPiece(int k);

    test::TempFolder folder;
    test::FakeClock clock;
    ClockSeededRandom random;
    SilentSound sound;
    test::ScriptedMessages messages;
    test::ScriptedColors colors;
    std::unique_ptr<Program> program;
};

// Counts the paint events a widget receives, so that a benchmark can check that a repaint it
// waited for did happen.
int paintsOf(class QWidget* widget);

} // namespace quiltra::bench
