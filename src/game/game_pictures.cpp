// The Picture menu: the random picture at the end of the intro, choosing a listed picture,
// adding the picture in play to the list, and opening the list editor.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "game/game.h"
#include "game/sizes.h"
#include "game/text_fields.h"
#include "platform/message_box.h"
#include "platform/random_source.h"
#include "platform/translation.h"

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

// The request for listed picture `index`. Its folder is the path less the display name, so it
// keeps its final separator and "Add" forms this picture's own path.
PictureRequest listedPicture(const PictureList& pictures, std::size_t index,
                             const std::string& name)
{
    PictureRequest request;
    request.path = pictures.List1[index];
    request.name = name;
    request.folder = folderOf(request.path, index < pictures.List2.size() ? pictures.List2[index]
                                                                          : name);
    return request;
}

} // namespace

void Game::removeListEntry(std::size_t index)
{
    auto& l1 = pictures.List1;
    auto& l2 = pictures.List2;
    if (index < l1.size())
        l1.erase(l1.begin() + static_cast<std::ptrdiff_t>(index));
    if (index < l2.size())
        l2.erase(l2.begin() + static_cast<std::ptrdiff_t>(index));
    menus_.removePicture(index);
}

// Draws a listed picture and takes it into play. A picture that fails (missing, damaged, or too
// small for any size in any window) is dropped from the list and its menu (the committed copy
// keeps it) and another is drawn; each failure shortens the list, so the loop ends at the latest
// with the empty list. A picture too small only for this window stays listed, since a larger
// window plays it, and is left out of the later draws of this call; when only such pictures
// remain the player is told the pictures are too small, and the game waits as with an empty list.
void Game::LoadRandomPicture()
{
    services.random->seedFromClock();
    const std::string oldCaption = Caption;

    std::vector<bool> keptBack(std::min(pictures.List1.size(), pictures.List2.size()), false);
    std::size_t keptBackCount = 0;
    for (;;) {
        const std::size_t count = std::min(pictures.List1.size(), pictures.List2.size());
        if (count == 0 || keptBackCount == count) {
            services.messages->show(count == 0 ? translate("Game", "No pictures in Picture List.")
                                               : translateStored("Messages", kTooSmallMessage),
                                    "Quiltra", MessageButtons::Ok);
            GameState = State::NoPicture;
            Picture2.Visible = false;
            Image1.Visible = false;
            Shape1.Visible = false;
            return;
        }

        // The draw is over the entries still in question; with none kept back that is the whole
        // list, index for index.
        const std::size_t pool = count - keptBackCount;
        const Single r = services.random->next();
        const Single scaled = static_cast<Single>(pool) * r;
        std::size_t index = std::min(static_cast<std::size_t>(truncate(scaled)), pool - 1);
        if (keptBackCount > 0)
            for (std::size_t i = 0, seen = 0; i < count; ++i)
                if (!keptBack[i] && seen++ == index) {
                    index = i;
                    break;
                }

        setCaption(loadingCaption(index < menus_.mnuPict().size() ? menus_.mnuPict()[index].Caption
                                                        : pictures.List2[index]));
        PictureRequest request = listedPicture(pictures, index, pictures.List2[index]);
        request.refreshBeforeCut = true;
        const PictureResult result = takePictureIntoPlay(request);
        if (!result.taken()) {
            setCaption(oldCaption);
            if (result.outcome == PictureOutcome::TooSmall && result.playsInLargerWindow) {
                keptBack[index] = true;
                ++keptBackCount;
            } else {
                removeListEntry(index);
                keptBack.erase(keptBack.begin() + static_cast<std::ptrdiff_t>(index));
            }
            continue;
        }
        return;
    }
}

// A listed picture that cannot be loaded is reported and leaves the game window as it was.
void Game::mnuPict_Click(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= menus_.mnuPict().size() ||
        static_cast<std::size_t>(index) >= pictures.List1.size())
        return;
    const std::size_t i = static_cast<std::size_t>(index);
    const std::string chosen = menus_.mnuPict()[i].Caption;
    if (menus_.items_.mnuCurrent.Caption == chosen)
        return;

    const std::string oldCaption = Caption;
    const bool hintWasEnabled = menus_.items_.mnuHint.Enabled;
    setCaption(loadingCaption(chosen));
    menus_.items_.mnuHint.Enabled = false;

    PictureRequest request = listedPicture(pictures, i, chosen);
    request.endGame = true;
    request.enableMenus = true;
    const PictureResult result = takePictureIntoPlay(request);
    if (!result.taken()) {
        services.messages->show(result.message, "Quiltra", MessageButtons::Ok);
        setCaption(oldCaption);
        menus_.items_.mnuHint.Enabled = hintWasEnabled;
        return;
    }
    RefreshStatus();
    prepareMoveSound();
    menus_.offerPuzzleView();
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
    const std::string& name = menus_.items_.mnuCurrent.Caption;
    if (name.empty())
        return;
    const std::string path = program.CurrentPictureFolder + name;
    if (std::find(pictures.List1.begin(), pictures.List1.end(), path) != pictures.List1.end())
        return;
    if (!isStorablePath(path)) {
        services.messages->show(translate("Game", "This picture cannot be added to the Picture "
                                                  "List: its name contains a double quote or a "
                                                  "line break."),
                                "Quiltra", MessageButtons::Ok);
        return;
    }
    pictures.List2.push_back(name);
    pictures.List1.push_back(path);
    menus_.addPicture(name);
}

// The window shows the Picture List Editor and hides itself; the game pauses its clock and
// remembers its geometry for the editor to restore.
void Game::mnuEdit_Click()
{
    pauseClock();
    program.Window = Window;
}

} // namespace quiltra
