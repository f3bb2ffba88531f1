// Taking a picture into play: the one way every route (Open window, Picture menu, intro, saved
// game, command line, drop) brings a picture to the board, and the size rule it applies.
#include "game/game.h"
#include "game/board_layout.h"
#include "game/sizes.h"
#include "platform/file_system.h"
#include "platform/picture_clip.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

// A marker frame lies 20 twips inside its piece on every side, so a piece must be wider and
// higher than 40 twips for its frame to have a size at all.
constexpr Single kSmallestPiece = 40;

// Whether a fixed grid leaves every piece of a picture of this natural size (pixels), fitted
// into the game area as it is now, room for its marker frame.
bool gridFits(const GameForm& g, int pixelWidth, int pixelHeight, Grid grid)
{
    const FittedPicture fitted =
        fitPicture(Single(pixelWidth * kTwipsPerPixel), Single(pixelHeight * kTwipsPerPixel),
                   g.Picture2.Width, g.Picture2.Height, Single(g.Window.Width), Single(g.Window.Height));
    return pieceExtent(fitted.Width, grid.cols) > kSmallestPiece &&
           pieceExtent(fitted.Height, grid.rows) > kSmallestPiece;
}

} // namespace

// The clip holds the accepted picture: it becomes the picture in play, is fitted, sized and cut.
// The order is that of every route: fit and find the largest grid, build the Size menu, choose
// the grid, cut.
void Game::enterPlay(const PictureRequest& request)
{
    const bool introPicture = request.path.empty();
    if (!introPicture) {
        menus_.items_.mnuCurrent.Caption = request.name;
        program.CurrentPicturePath = request.path;
        program.CurrentPictureFolder = request.folder;
    }
    forgetGame();
    ++pictureGeneration;
    pic_handler();
    // pic_handler leaves "no game"; a saved game keeps its loading state while it is cut.
    if (request.holdPlayWhileCutting)
        GameState = State::LoadingSaved;
    Find_Size();
    if (request.grid) {
        board_.chooseGrid(*request.grid);
        if (!introPicture)
            menus_.items_.mnuCurSize.showSize(SizeItem::of(*request.grid));
    } else {
        Set_Size();
    }
    if (request.refreshBeforeCut)
        RefreshStatus();
    Divide_Pic();

    if (request.endGame) {
        ResetBoard();
        menus_.items_.mnuHint.Enabled = false;
    }
    if (request.enableMenus) {
        menus_.enableForPicture();
    }
}


PictureRequest openedPicture(const std::string& name, const std::string& folder)
{
    PictureRequest request;
    request.name = name;
    // Paths use "/"; a folder that already ends with one (the root) gets no second one.
    request.folder = (!folder.empty() && folder.back() == '/') ? folder : folder + "/";
    request.path = request.folder + name;
    request.validityRule = true;
    request.recogniseInPlay = true;
    request.endGame = true;
    request.enableMenus = true;
    return request;
}

// A picture is taken only when it passes the validity rule on its natural size and, fitted into
// the game area as it is now, offers at least one size: a picture that passes the rule but could
// form no grid (101 x 101 pixels gives a largest grid of 2 x 2) is refused with the same message.
bool Game::openablePicture(int pixelWidth, int pixelHeight) const
{
    const Single w = Single(pixelWidth) * Single(kTwipsPerPixel);
    const Single h = Single(pixelHeight) * Single(kTwipsPerPixel);
    return pictureLargeEnough(w, h) &&
           formsAnySize(w, h, Picture2.Width, Picture2.Height, kPieceGap);
}

// The clip is asked to take the file only under the size rule, so a refused or unreadable
// picture leaves the clip, like the game, as it was.
PictureResult Game::takePictureIntoPlay(const PictureRequest& request)
{
    if (request.path.empty()) {
        services.clip->loadIntro();
        enterPlay(request);
        return {};
    }
    if (request.recogniseInPlay && sameFile(request.path, program.CurrentPicturePath))
        return {PictureOutcome::AlreadyInPlay, {}};

    // Fitting only ever reduces a picture, so in a game area this large it keeps its natural size
    // and no gap overflows: what it offers there, some window offers.
    constexpr Single unbounded = 1.0e7f;
    const auto playable = [&](int pixelWidth, int pixelHeight, Single areaW, Single areaH) {
        const Single w = Single(pixelWidth) * Single(kTwipsPerPixel);
        const Single h = Single(pixelHeight) * Single(kTwipsPerPixel);
        return (!request.validityRule || pictureLargeEnough(w, h)) &&
               formsAnySize(w, h, areaW, areaH, kPieceGap);
    };
    bool playsInLargerWindow = false;
    const auto accepts = [&](int pixelWidth, int pixelHeight) {
        if (playable(pixelWidth, pixelHeight, Picture2.Width, Picture2.Height))
            return !request.grid || gridFits(*this, pixelWidth, pixelHeight, *request.grid);
        playsInLargerWindow = playable(pixelWidth, pixelHeight, unbounded, unbounded);
        return false;
    };
    std::string error;
    switch (services.clip->loadIf(request.path, accepts, program.CurrentPicturePath, error)) {
    case ClipLoad::Failed:
        return {PictureOutcome::Unreadable, error};
    case ClipLoad::Refused:
        return {PictureOutcome::TooSmall, translateStored("Messages", kTooSmallMessage),
                playsInLargerWindow};
    case ClipLoad::Taken:
        break;
    }
    enterPlay(request);
    return {};
}

void Game::takeOpenedPicture(const std::string& name, const std::string& folder)
{
    enterPlay(openedPicture(name, folder));
}

} // namespace quiltra
