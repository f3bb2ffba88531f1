// The start-up procedure: builds the program-wide state, the hidden intro picture holder and
// Picture List Editor, the game window with the saved preferences applied, and shows it.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "game/game.h"
#include "game/program_state.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_picture_clip.h"
#include "platform/system_services.h"

namespace quiltra {

class GameWindow;
class IntroPictureHolder;
class OpenPictureWindow;
class PictureListEditor;
class SoundDevice;

// Everything the program keeps for its whole run.
class Program {
public:
    // Runs start-up for the program folder; `services` may replace the real clock, random
    // source, sound device and message boxes (tests script them).
    // `startPicture`, when given, is taken into play once the intro ends.
    explicit Program(const QString& programFolder, GameServices* services = nullptr,
                     const QString& startPicture = {});
    ~Program();

    ProgramState state;
    std::unique_ptr<IntroPictureHolder> form2;
    std::unique_ptr<PictureListEditor> form1;
    std::unique_ptr<GameWindow> form9;
    // The Open Picture window while it is open; it deletes itself when it closes.
    QPointer<OpenPictureWindow> form10;

private:
    SteadyClock clock_;
    ClockSeededRandom random_;
    std::unique_ptr<SoundDevice> sound_;
    QtMessageBoxes messages_;
    QtColorDialog colors_;
    QtPictureClip clip_;
};

// Rebuilds the game window's picture menu from the editor's display names.
void rebuildPictureMenu(class Game& game, const PictureList& pictures);

} // namespace quiltra
