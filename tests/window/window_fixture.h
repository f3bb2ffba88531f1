// A program folder in a temporary directory and a whole program started in it with a scripted
// clock, random source, sound device, message boxes and colour dialog.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

#include "startup/ui/startup.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace quiltra::test {

class ProgramRig {
public:
    // `pictures`: names of supplied pictures to copy into Graphics/ (all 20 when empty and
    // `allPictures` is set). `initText`: an "init.txt" to start from, or none.
    // `startPicture`: a picture named on the command line. `prepare` runs on the program folder
    // just before the program starts.
    explicit ProgramRig(const QStringList& pictures = {}, bool allPictures = false,
                        const std::string* initText = nullptr, const QString& startPicture = {},
                        const std::function<void(const TempFolder&)>& prepare = {});

    TempFolder folder;
    FakeClock clock;
    ScriptedRandom random;
    RecordingSound sound;
    ScriptedMessages messages;
    ScriptedColors colors;
    std::unique_ptr<Program> program;

    GameWindow& window() { return *program->form9; }
    Game& game();
    // Runs the timer after moving the scripted clock on by `seconds`.
    void advance(double seconds);
    // Plays the intro through to its end (the first picture loaded, menus enabled).
    void finishIntro();
    QString path(const QString& name) const;
};

// The folder with the supplied pictures, sounds and intro picture.
QString dataFolder();

// Piece k on the board as the widget places it: its position rounded, the piece size rounded.
QRect pieceOnScreen(const Game& g, int k);

// Drags `url` onto the window and drops it there; false when the window refused the drag.
bool dropUrl(GameWindow& w, const QUrl& url);

} // namespace quiltra::test
