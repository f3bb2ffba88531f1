// The start-up procedure: runs once, before any window is visible.
#include "startup/ui/startup.h"

#include <QApplication>
#include <QDir>
#include <cmath>
#include <cstdio>

#include "game/ui/game_window.h"
#include "help/ui/about_window.h"
#include "help/ui/help_window.h"
#include "help/ui/intro_picture_holder.h"
#include "help/ui/shortcuts_window.h"
#include "pictures/ui/open_file.h"
#include "pictures/ui/open_picture_window.h"
#include "pictures/ui/picture_list_editor.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/ui/native_path.h"
#include "platform/ui/system_sound_device.h"
#include "platform/translation.h"
#include "startup/save_info.h"
#include "startup/settings_file.h"
#include "startup/startup_settings.h"
#include "viewer/ui/picture_viewer.h"

namespace quiltra {


Program::Program(const QString& programFolder, GameServices* custom, const QString& startPicture)
{
    // The intro picture holder is loaded hidden and never shown; its picture is read when the
    // intro first needs it, after the game window is up.
    form2 = std::make_unique<IntroPictureHolder>(programFolder);
    clip_.setIntroSource([holder = form2.get()] { return holder->picture(); });

    // Settings: read "init.txt" or replace it with the defaults; never fails.
    const std::string folder = toNativePath(programFolder);
    QDir::setCurrent(programFolder);
    StartupSettings settings = loadStartupSettings(folder, chooseSettingsFolder(folder));
    state = settings.state;

    fillPictureList(pictures, settings.entries);
    state.OpenViewSetting = state.Loaded.OpenView;

    GameServices services;
    if (custom) {
        services = *custom;
    } else {
        sound_ = std::make_unique<SystemSoundDevice>(folder);
        services.clock = &clock_;
        services.random = &random_;
        services.sound = sound_.get();
        services.messages = &messages_;
        services.colors = &colors_;
    }
    services.clip = &clip_;
    form9 = std::make_unique<GameWindow>(state, pictures, services, clip_);
    messages_.setParent(form9.get());
    Game& g = form9->game();
    g.Form_Load();

    g.applyPreferences(state.Loaded);

    // The editor takes the game window's place while it is open.
    form9->onEditList = [this] {
        PictureListEditor& e = editor();
        e.EditorClosedByOK = false;
        e.show();
        form9->hide();
    };
    // The Picture Viewer takes the game window's place; Help and About open beside it, and a
    // click back into the game window, or a press on its game area, dismisses About.
    form9->onPictureViewer = [this] { PictureViewer::openFromGame(viewerHost()); };
    form9->onContents = [this] { HelpWindow::showContents(*form9, form9->game()); };
    form9->onAbout = [this] {
        AboutWindow::showFor(*form9, form9->game(), form9->game().gameServices().messages);
    };
    form9->onShortcuts = [this] { ShortcutsWindow::showFor(*form9); };
    form9->onGainedFocus = [] { AboutWindow::closeOpen(); };
    form9->onGameAreaPressed = [] { AboutWindow::closeOpen(); };
    form9->onSaveInfo = [this] { return Save_Info(); };
    // File > Open: the Open Picture window takes the game window's place until it closes.
    form9->onOpen = [this] {
        if (!form10) {
            form10 = new OpenPictureWindow(form9->game(), state, clip_, gameRunner());
            form10->onViewPicture = [this](const std::string& name) {
                openViewer(ViewCaller::OpenPicture, name, form10->previewPicture(),
                           form10->previewNaturalSize(), form10.data(), form10->previewPath());
            };
            form10->onFolderOpened = [this](const std::string& folder) {
                state.GraphicsFolder = folder;
            };
            form10->onClosed = [this](std::int16_t viewSetting) {
                state.OpenViewSetting = viewSetting;
                form9->show();
                form9->refresh();
            };
        }
        form10->show();
        form9->hide();
    };

    // A picture dropped on the game window, or named on the command line, is taken into play as
    // a double click in the Open Picture window does; a bad one keeps the list's picture.
    form9->onDropPicture = [this](const QString& path) {
        openPictureFile(form9->game(), gameRunner(), path);
    };
    // A refused command-line picture is also reported on the terminal it was named in.
    if (!startPicture.isEmpty())
        form9->onIntroEnded = [this, startPicture] {
            openPictureFile(form9->game(), gameRunner(), startPicture,
                            [&startPicture](const QString& reason) {
                                const QByteArray line =
                                    "quiltra: " +
                                    QByteArray::fromStdString(toNativePath(startPicture)) + ": " +
                                    reason.toLocal8Bit() + "\n";
                                std::fputs(line.constData(), stderr);
                                std::fflush(stderr);
                            });
        };

    form9->refresh();
    form9->show();
    form9->runGame([] {});
}

// An Open Picture window still open goes first: it refers to the game.
Program::~Program() { delete form10.data(); }

PictureListEditor& Program::editor()
{
    if (form1_)
        return *form1_;
    form1_ = std::make_unique<PictureListEditor>(state, pictures);
    form1_->setViewState(state.Loaded.EditorView);
    form1_->setGame(&form9->game(), form9->game().gameServices().messages);
    form1_->onClosed = [this] {
        form9->game().showPictureList();
        form9->show();
        form9->refresh();
    };
    form1_->onSaveInfo = [this] { return Save_Info(); };
    form1_->onViewPicture = [this](const std::string& name) {
        openViewer(ViewCaller::Editor, name, form1_->previewPicture(),
                   form1_->previewNaturalSize(), form1_.get(), form1_->previewPath());
    };
    return *form1_;
}

bool Program::Save_Info()
{
    Game& g = form9->game();
    // An editor never opened still holds the View box as it was read.
    const std::int16_t editorView = form1_ ? form1_->viewState() : state.Loaded.EditorView;
    const std::string text = saveInfoTextFor(g, state, pictures, editorView);
    std::string error;
    if (writeSettingsFile(state, text, error))
        return true;
    if (g.gameServices().messages) {
        //: %1 is the system's description of the failure; "init.txt" is a file name.
        std::string text = translate("Startup", "The settings could not be saved to \"init.txt\": "
                                                "%1. The previous settings file is unchanged.");
        // The description goes in as it is, never read for placeholders itself.
        if (const std::size_t at = text.find("%1"); at != std::string::npos)
            text.replace(at, 2, error);
        g.gameServices().messages->show(text, "Quiltra", MessageButtons::Ok);
    }
    return false;
}

GameRunner Program::gameRunner()
{
    return [this](const std::function<void()>& change) { form9->runGame(change); };
}

ViewerHost Program::viewerHost()
{
    ViewerHost host;
    host.game = &form9->game();
    host.program = &state;
    host.gameWindow = form9.get();
    host.onHelp = [this] { HelpWindow::showForViewer(*form9, form9->game()); };
    host.onGameWindowShown = [this] { form9->refresh(); };
    return host;
}

PictureViewer* Program::openViewer(ViewCaller viewCaller, const std::string& name, const QImage& picture,
                                   QSize naturalSize, QWidget* opener, const QString& path)
{
    return PictureViewer::open(viewerHost(), viewCaller, name, picture, naturalSize, opener, path);
}

} // namespace quiltra
