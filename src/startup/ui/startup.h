// The start-up procedure: builds the program-wide state, the hidden intro picture holder, the
// game window with the saved preferences applied, and shows it. The other windows are built when
// they are first used.
#pragma once

#include <QImage>
#include <QPointer>
#include <QSize>
#include <QString>
#include <memory>
#include <string>

#include "game/game.h"
#include "game/program_state.h"
#include "pictures/ui/open_file.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_picture_clip.h"
#include "platform/system_services.h"

namespace quiltra {

class GameWindow;
class IntroPictureHolder;
class OpenPictureWindow;
class PictureListEditor;
class PictureViewer;
class SoundDevice;
struct ViewerHost;
enum class ViewCaller;

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
    // The picture list for the whole run: the editor edits it, the Picture menu shows it.
    PictureList pictures;
    std::unique_ptr<IntroPictureHolder> form2;
    std::unique_ptr<GameWindow> form9;
    // The Open Picture window while it is open; it deletes itself when it closes.
    QPointer<OpenPictureWindow> form10;

    // The Picture List Editor, built hidden the first time it is asked for and kept for the
    // whole run: the first window shows without it.
    PictureListEditor& editor();

    // Writes "init.txt" from the game window, the editor and the picture list; tells the player
    // and returns false when it cannot be written.
    bool Save_Info();

    // Opens the Picture Viewer in the place of `opener` (see PictureViewer::open).
    PictureViewer* openViewer(ViewCaller viewCaller, const std::string& name, const QImage& picture,
                              QSize naturalSize, QWidget* opener, const QString& path = {});

private:
    GameRunner gameRunner();
    ViewerHost viewerHost();

    std::unique_ptr<PictureListEditor> form1_;
    SteadyClock clock_;
    ClockSeededRandom random_;
    std::unique_ptr<SoundDevice> sound_;
    QtMessageBoxes messages_;
    QtColorDialog colors_;
    QtPictureClip clip_;
};


} // namespace quiltra
