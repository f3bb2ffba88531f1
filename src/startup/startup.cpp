// The start-up procedure: runs once, before any window is visible.
#include "startup/startup.h"

#include <QApplication>
#include <QDir>
#include <cmath>

#include "game/game_window.h"
#include "help/about_window.h"
#include "help/help_window.h"
#include "help/intro_picture_holder.h"
#include "pictures/open_file.h"
#include "pictures/open_picture_window.h"
#include "pictures/picture_list_editor.h"
#include "platform/file_system.h"
#include "platform/native_path.h"
#include "platform/sdl_sound_device.h"
#include "startup/settings_file.h"
#include "startup/startup_settings.h"
#include "viewer/picture_viewer.h"

namespace quiltra {

void rebuildPictureMenu(Game& game, const PictureList& pictures)
{
    game.mnuPict.clear();
    for (const std::string& name : pictures.List2)
        game.mnuPict.push_back(MenuItem{name});
    ++game.menuGeneration;
}

Program::Program(const QString& programFolder, GameServices* custom, const QString& startPicture)
{
    // The intro picture holder is loaded hidden and never shown.
    form2 = std::make_unique<IntroPictureHolder>(programFolder);
    clip_.setIntro(form2->picture());

    // Settings: read "init.txt" or replace it with the defaults; never fails.
    const std::string folder = toNativePath(programFolder);
    QDir::setCurrent(programFolder);
    StartupSettings settings = loadStartupSettings(folder, chooseSettingsFolder(folder));
    state = settings.state;

    form1 = std::make_unique<PictureListEditor>(state);
    form1->setEntries(settings.entries);
    form1->setViewState(state.Loaded.EditorView);
    state.OpenViewSetting = state.Loaded.OpenView;

    GameServices services;
    if (custom) {
        services = *custom;
    } else {
        sound_ = std::make_unique<SdlSoundDevice>();
        services.clock = &clock_;
        services.random = &random_;
        services.sound = sound_.get();
        services.messages = &messages_;
        services.colors = &colors_;
    }
    services.clip = &clip_;
    form9 = std::make_unique<GameWindow>(state, form1->lists(), services, clip_);
    messages_.setParent(form9.get());
    Game& g = form9->game();
    form1->setGame(&g, services.messages);
    g.Form_Load();

    // The switches: a switch is on only when its value is 1. With sound effects off the three
    // sound items are disabled but keep their own check marks.
    g.mnuEffects.Checked = switchOn(state.Loaded.SoundEffects);
    g.SndInt.Checked = switchOn(state.Loaded.IntroSound);
    g.SndMv.Checked = switchOn(state.Loaded.MoveSound);
    g.SndEnd.Checked = switchOn(state.Loaded.EndSound);
    g.mnuSv.Checked = switchOn(state.Loaded.SaveOnExit);
    g.SndInt.Enabled = g.SndMv.Enabled = g.SndEnd.Enabled = g.mnuEffects.Checked;
    state.SelectionColor = state.Loaded.SelectionColor;
    state.HintColor = state.Loaded.HintColor;
    g.BackColor = static_cast<std::uint32_t>(std::nearbyint(state.Loaded.BackColor));

    // The editor takes the game window's place while it is open.
    form9->onEditList = [this] {
        form1->EditorClosedByOK = false;
        form1->show();
        form9->hide();
    };
    form1->onClosed = [this] {
        rebuildPictureMenu(form9->game(), form1->lists());
        form9->show();
        form9->refresh();
    };
    // The Picture Viewer takes the game window's place; Help and About open beside it, and a
    // click back into the game window dismisses About.
    form9->onPictureViewer = [this] { PictureViewer::openFromGame(*this); };
    form9->onContents = [this] { HelpWindow::showContents(*form9); };
    form9->onAbout = [this] { AboutWindow::showFor(*form9, form9->game().services.messages); };
    form9->onGainedFocus = [] { AboutWindow::closeOpen(); };
    form9->onSaveInfo = [this] { return form1->Save_Info(); };
    form1->onViewPicture = [this] {
        PictureViewer::open(*this, ViewCallers::Editor, state.ViewPicName, form1->previewPicture(),
                            form1->previewNaturalSize(), form1.get(), form1->previewPath());
    };
    // File > Open: the Open Picture window takes the game window's place until it closes.
    form9->onOpen = [this] {
        if (!form10) {
            form10 = new OpenPictureWindow(*form9, clip_);
            form10->onViewPicture = [this] {
                PictureViewer::open(*this, ViewCallers::OpenPicture, state.ViewPicName,
                                    form10->previewPicture(), form10->previewNaturalSize(),
                                    form10.data(), form10->previewPath());
            };
        }
        form10->show();
        form9->hide();
    };

    // A picture dropped on the game window, or named on the command line, is taken into play as
    // a double click in the Open Picture window does; a bad one keeps the list's picture.
    form9->onDropPicture = [this](const QString& path) { openPictureFile(*form9, clip_, path); };
    if (!startPicture.isEmpty())
        form9->onIntroEnded = [this, startPicture] { openPictureFile(*form9, clip_, startPicture); };

    form9->refresh();
    form9->show();
    form9->runGame([] {});
}

// An Open Picture window still open goes first: it refers to the game window.
Program::~Program() { delete form10.data(); }

} // namespace quiltra
