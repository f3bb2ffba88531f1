// The Picture menu: the random picture at the end of the intro, choosing a listed picture,
// adding the picture in play to the list, and opening the list editor.
#include <algorithm>
#include <cstddef>

#include "game/game.h"
#include "game/sizes.h"
#include "platform/message_box.h"
#include "platform/picture_clip.h"
#include "platform/random_source.h"
#include "startup/settings_file.h"

namespace quiltra {

namespace {

// "&Add" extends the list only up to this many pictures.
constexpr std::size_t kMaxListedPictures = 22;

// The folder part of a listed path: the path less its display name, so it keeps its final
// separator.
std::string folderOf(const std::string& path, const std::string& name)
{
    if (name.size() > path.size())
        return std::string();
    return path.substr(0, path.size() - name.size());
}

// Loads a listed picture into the clip. Fails with the loader's description, or when the
// picture, fitted into the game area, could not be cut into any size: such a picture is never
// taken into play. On failure the clip holds the picture it held before: `previousPath` (the
// picture in play) or, when there is none, the intro picture.
bool loadPlayablePicture(Game& g, const std::string& path, const std::string& previousPath,
                         std::string& error)
{
    if (!g.services.clip->load(path, error))
        return false;
    if (g.clipFormsPuzzle())
        return true;

    error = kTooSmallMessage;
    std::string ignored;
    if (previousPath.empty() || !g.services.clip->load(previousPath, ignored))
        g.services.clip->loadIntro();
    return false;
}

void removeListEntry(Game& g, std::size_t index)
{
    auto& l1 = g.pictures.List1;
    auto& l2 = g.pictures.List2;
    if (index < l1.size())
        l1.erase(l1.begin() + static_cast<std::ptrdiff_t>(index));
    if (index < l2.size())
        l2.erase(l2.begin() + static_cast<std::ptrdiff_t>(index));
    if (index < g.mnuPict.size())
        g.mnuPict.erase(g.mnuPict.begin() + static_cast<std::ptrdiff_t>(index));
    ++g.menuGeneration;
}

} // namespace

// Draws a listed picture and takes it into play. A picture that fails (missing, damaged, or too
// small for any size) is dropped from the list and its menu (the committed copy keeps it) and
// another is drawn; each failure shortens the list, so the loop ends at the latest with the
// empty list.
void Game::LoadRandomPicture()
{
    services.random->seedFromClock();
    const std::string oldCaption = Caption;
    const std::string oldCurrent = mnuCurrent.Caption;
    const std::string oldPath = program.CurrentPicturePath;
    const std::string oldFolder = program.CurrentPictureFolder;

    for (;;) {
        const std::size_t count = std::min(pictures.List1.size(), pictures.List2.size());
        if (count == 0) {
            services.messages->show("No pictures in Picture List.", "Quiltra",
                                    MessageButtons::Ok);
            GameState = State::NoPicture;
            Picture2.Visible = false;
            Image1.Visible = false;
            Shape1.Visible = false;
            return;
        }

        const Single r = services.random->next();
        const Single scaled = static_cast<Single>(count) * r;
        const std::size_t index =
            std::min(static_cast<std::size_t>(truncate(scaled)), count - 1);

        const std::string& path = pictures.List1[index];
        const std::string& name = pictures.List2[index];
        mnuCurrent.Caption = name;
        program.CurrentPicturePath = path;
        program.CurrentPictureFolder = folderOf(path, name);
        Caption = loadingCaption(index < mnuPict.size() ? mnuPict[index].Caption : name);

        std::string error;
        if (!loadPlayablePicture(*this, path, oldPath, error)) {
            Caption = oldCaption;
            mnuCurrent.Caption = oldCurrent;
            program.CurrentPicturePath = oldPath;
            program.CurrentPictureFolder = oldFolder;
            removeListEntry(*this, index);
            continue;
        }

        ++pictureGeneration;
        pic_handler();
        Find_Size();
        Set_Size();
        RefreshStatus();
        Divide_Pic();
        return;
    }
}

// A listed picture that cannot be loaded is reported and leaves the game window as it was.
void Game::mnuPict_Click(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= mnuPict.size() ||
        static_cast<std::size_t>(index) >= pictures.List1.size())
        return;
    const std::size_t i = static_cast<std::size_t>(index);
    const std::string chosen = mnuPict[i].Caption;
    if (mnuCurrent.Caption == chosen)
        return;

    const std::string oldCaption = Caption;
    const bool hintWasEnabled = mnuHint.Enabled;
    Caption = loadingCaption(chosen);
    mnuHint.Enabled = false;

    const std::string path = pictures.List1[i];
    std::string error;
    if (!loadPlayablePicture(*this, path, program.CurrentPicturePath, error)) {
        services.messages->show(error, "Quiltra", MessageButtons::Ok);
        Caption = oldCaption;
        mnuHint.Enabled = hintWasEnabled;
        return;
    }

    ++pictureGeneration;
    mnuCurrent.Caption = chosen;
    program.CurrentPicturePath = path;
    // The folder comes from the chosen entry, so that "Add" forms this picture's own path.
    program.CurrentPictureFolder =
        folderOf(path, i < pictures.List2.size() ? pictures.List2[i] : chosen);

    pic_handler();
    Find_Size();
    Set_Size();
    Divide_Pic();
    ResetBoard();
    RefreshStatus();

    mnuNew.Enabled = true;
    mnuV.Enabled = true;
    mnus.Enabled = true;
    mnuAddCur.Enabled = true;
    prepareMoveSound();
    mnuView.Caption = "Puzzle";
}

void Game::mnuAddCur_Click()
{
    if (pictures.List1.size() < kMaxListedPictures)
        AddCurrentPicture();
}

// Appends the picture in play to the list (not to the committed copy: the editor's OK or the
// exit saves it). Paths are compared exactly, letter case included.
void Game::AddCurrentPicture()
{
    const std::string& name = mnuCurrent.Caption;
    if (name.empty())
        return;
    const std::string path = program.CurrentPictureFolder + name;
    if (std::find(pictures.List1.begin(), pictures.List1.end(), path) != pictures.List1.end())
        return;
    if (!isStorablePath(path)) {
        services.messages->show("This picture cannot be added to the Picture List: its name "
                                "contains a double quote or a line break.",
                                "Quiltra", MessageButtons::Ok);
        return;
    }
    pictures.List2.push_back(name);
    pictures.List1.push_back(path);
    mnuPict.push_back(MenuItem{name});
    ++menuGeneration;
}

// The window shows the Picture List Editor and hides itself; the game pauses its clock and
// remembers its geometry for the editor to restore.
void Game::mnuEdit_Click()
{
    pauseClock();
    program.WindowWidth = Width;
    program.WindowHeight = Height;
    program.WindowLeft = Left;
    program.WindowTop = Top;
}

} // namespace quiltra
