// What Save_Info writes, gathered from the game window, the editor and the program-wide state.
#include "startup/save_info.h"

#include "game/shown_text.h"
#include "platform/file_system.h"
#include "platform/translation.h"
#include "startup/settings_file.h"

namespace quiltra {

std::string saveInfoTextFor(const Game& game, const ProgramState& program,
                            const PictureList& pictures, std::int16_t editorView)
{
    SaveInfoValues v;
    v.Window = game.form().Window;
    v.writeCurrent = game.menus().mnuSv().Checked && program.ExitSaving;
    v.current.SelectionColor = program.SelectionColor;
    v.current.HintColor = program.HintColor;
    v.current.BackColor = game.form().BackColor;
    v.current.SoundEffects = game.menus().mnuEffects().Checked ? 1 : 0;
    v.current.IntroSound = game.menus().SndInt().Checked ? 1 : 0;
    v.current.MoveSound = game.menus().SndMv().Checked ? 1 : 0;
    v.current.EndSound = game.menus().SndEnd().Checked ? 1 : 0;
    v.current.EditorView = editorView;
    v.current.OpenView = program.OpenViewSetting;
    v.loaded = program.Loaded;
    v.saveOnExitChecked = game.menus().mnuSv().Checked;
    v.entries = pictures.List1;
    return saveInfoText(v);
}

bool writeSettingsFile(const ProgramState& program, const std::string& text, std::string& error)
{
    if (!program.SettingsUnread.empty()) {
        //: Completes "The settings could not be saved to "init.txt": %1."; %1 is the system's
        //: description of the failure.
        error = withValue(translate("Startup", "the file could not be read when Quiltra started "
                                               "(%1)"),
                          program.SettingsUnread);
        return false;
    }
    return replaceFile(program.SettingsFolder + "/init.txt", text, error);
}

} // namespace quiltra
