// Taking a picture into play: every route applies the same size rule and leaves a refused game as
// it was, and the picture in play is recognised by its file, whatever path names it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/sizes.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace quiltra {
namespace {

using test::GameRig;
using test::TempFolder;

// Pictures that exist as files in a temporary folder, with the sizes the clip reports for them.
struct EntryRig : GameRig {
    TempFolder tmp;
    std::string cat = tmp / "Pics/Cat.jpg";         // 640 x 480: takes any route
    std::string narrow = tmp / "Pics/Narrow.jpg";   // 93 x 201: forms a 2x5 grid, fails the rule
    std::string tiny = tmp / "Pics/Tiny.jpg";       // 40 x 40: forms no grid at all

    EntryRig()
    {
        for (const char* name : {"Pics/Cat.jpg", "Pics/Narrow.jpg", "Pics/Tiny.jpg",
                                 "Other/Cat.jpg"})
            tmp.write(name, "picture");
        clip.files = {{cat, 640, 480}, {narrow, 93, 201}, {tiny, 40, 40},
                      {tmp / "Other/Cat.jpg", 800, 600}};
        for (const std::string& path : {cat, narrow, tiny}) {
            pictures.List1.push_back(path);
            pictures.List2.push_back(std::filesystem::path(path).filename().string());
        }
        game.Form_Load();
    }

    // Cat.jpg in play, a game in progress on it: New Game, then pieces 1 and 2 exchanged four
    // times (the first click starts the clock, which enables Save).
    void catInPlay()
    {
        ASSERT_TRUE(game.takePictureIntoPlay(openedPicture("Cat.jpg", tmp / "Pics")).taken());
        game.mnuPuz_Click();
        for (int i = 0; i < 4; ++i) {
            game.image2_Click(1);
            game.image2_Click(2);
        }
        ASSERT_EQ(game.form().GameState, State::Playing);
        ASSERT_EQ(game.counters().moves(), 4);
        ASSERT_TRUE(game.menus().mnuHint().Enabled && game.menus().mnuSave().Enabled);
    }

    // What a refused picture must leave as it was.
    struct Snapshot {
        std::string current, path, folder, size;
        std::vector<std::string> sizes;
        std::vector<Piece> pieces; // 1..n, as painted
        State state;
        std::int16_t moves;
        bool hint, save;
        int clipW, clipH, generation;
        bool operator==(const Snapshot& o) const
        {
            auto samePieces = [&] {
                if (pieces.size() != o.pieces.size())
                    return false;
                for (std::size_t k = 0; k < pieces.size(); ++k)
                    if (pieces[k].Left != o.pieces[k].Left || pieces[k].Top != o.pieces[k].Top ||
                        pieces[k].Visible != o.pieces[k].Visible)
                        return false;
                return true;
            };
            return current == o.current && path == o.path && folder == o.folder &&
                   size == o.size && sizes == o.sizes && samePieces() && state == o.state &&
                   moves == o.moves && hint == o.hint && save == o.save && clipW == o.clipW &&
                   clipH == o.clipH && generation == o.generation;
        }
    };
    Snapshot snapshot() const
    {
        Snapshot s{game.menus().mnuCurrent().Caption, program.CurrentPicturePath,
                   program.CurrentPictureFolder, game.menus().mnuCurSize().Caption, {}, {},
                   game.form().GameState, game.counters().moves(), game.menus().mnuHint().Enabled,
                   game.menus().mnuSave().Enabled, clip.pixelWidth(), clip.pixelHeight(),
                   game.form().pictureGeneration};
        for (const MenuItem& m : game.menus().mnuSize())
            s.sizes.push_back(m.Caption);
        for (int k = 1; k <= game.board().pieceTotal(); ++k)
            s.pieces.push_back(game.board().piece(k));
        return s;
    }
};

} // namespace

// A picture that offers no grid is refused by the Open window's route, the Picture menu and a
// saved game alike, with the rule's message, and the game in progress, its board and the clip stay
// as they were. One that offers a grid but fails the validity rule is the Open window's to
// refuse: the Picture menu plays it.
TEST(PictureEntry, EveryRouteRefusesATooSmallPictureTheSameWay)
{
    for (const bool formsAGrid : {true, false}) {
        const char* label = formsAGrid ? "narrow" : "tiny";
        {
            EntryRig r;
            r.catInPlay();
            const auto before = r.snapshot();
            const std::string file = formsAGrid ? "Narrow.jpg" : "Tiny.jpg";
            const PictureResult result =
                r.game.takePictureIntoPlay(openedPicture(file, r.tmp / "Pics"));
            EXPECT_EQ(result.outcome, PictureOutcome::TooSmall) << label;
            EXPECT_EQ(result.message, kTooSmallMessage) << label;
            EXPECT_TRUE(r.snapshot() == before) << "open window, " << label;
        }
        {
            EntryRig r;
            r.catInPlay();
            const auto before = r.snapshot();
            r.game.mnuPict_Click(formsAGrid ? 1 : 2);
            if (formsAGrid) {
                EXPECT_TRUE(r.messages.shown.empty());
                EXPECT_EQ(r.program.CurrentPicturePath, r.narrow);
                EXPECT_EQ(r.game.menus().mnuCurSize().Caption, "2x5=10");
                continue;
            }
            ASSERT_EQ(r.messages.shown.size(), 1u) << label;
            EXPECT_EQ(r.messages.shown[0].text, kTooSmallMessage) << label;
            EXPECT_TRUE(r.snapshot() == before) << "picture menu, " << label;
        }
        {
            EntryRig r;
            r.catInPlay();
            const auto before = r.snapshot();
            PictureRequest saved;
            saved.path = r.tiny;
            saved.name = "Saved.jpg";
            saved.folder = r.tmp / "Pics/";
            saved.grid = Grid{2, 2};
            EXPECT_EQ(r.game.takePictureIntoPlay(saved).outcome, PictureOutcome::TooSmall);
            EXPECT_TRUE(r.snapshot() == before) << "saved game, " << label;
        }
    }
}

// A file the loader cannot use is reported with the loader's own description and changes nothing.
TEST(PictureEntry, AnUnreadableFileKeepsTheGameAndReportsTheLoader)
{
    EntryRig r;
    r.catInPlay();
    const auto before = r.snapshot();
    const PictureResult result =
        r.game.takePictureIntoPlay(openedPicture("Gone.jpg", r.tmp / "Pics"));
    EXPECT_EQ(result.outcome, PictureOutcome::Unreadable);
    EXPECT_EQ(result.message, "File not found");
    EXPECT_TRUE(r.snapshot() == before);
}

// The picture in play is recognised by its file: another path to it ("..", a link) neither loads
// nor cuts it again, while a file of the same name in another folder is a new picture.
TEST(PictureEntry, TheFileInPlayIsRecognisedWhateverItsPath)
{
    EntryRig r;
    r.catInPlay();
    std::filesystem::create_symlink(r.tmp / "Pics", r.tmp / "Link");
    const auto before = r.snapshot();
    const std::size_t loads = r.clip.loads.size();

    for (const std::string& folder : {r.tmp / "Other/../Pics", r.tmp / "Link"}) {
        const PictureResult result = r.game.takePictureIntoPlay(openedPicture("Cat.jpg", folder));
        EXPECT_EQ(result.outcome, PictureOutcome::AlreadyInPlay) << folder;
        EXPECT_EQ(r.clip.loads.size(), loads) << folder;
        EXPECT_TRUE(r.snapshot() == before) << folder;
    }

    const PictureResult other =
        r.game.takePictureIntoPlay(openedPicture("Cat.jpg", r.tmp / "Other"));
    EXPECT_TRUE(other.taken());
    EXPECT_EQ(r.program.CurrentPicturePath, r.tmp / "Other/Cat.jpg");
    EXPECT_EQ(r.clip.pixelWidth(), 800);
    EXPECT_EQ(r.game.form().GameState, State::WholePicture);
    EXPECT_EQ(r.game.counters().moves(), 0);
    EXPECT_FALSE(r.game.menus().mnuHint().Enabled || r.game.menus().mnuSave().Enabled);
}

// A fixed grid is taken as given, with its caption; one that leaves a piece no room for its marker
// frame is refused like a picture that is too small.
TEST(PictureEntry, AFixedGridIsTakenOnlyWhenEveryPieceHasRoom)
{
    EntryRig r;
    PictureRequest request;
    request.path = r.cat;
    request.name = "Cat.jpg";
    request.folder = r.tmp / "Pics/";
    request.grid = Grid{7, 3};
    ASSERT_TRUE(r.game.takePictureIntoPlay(request).taken());
    EXPECT_EQ(r.game.menus().mnuCurSize().Caption, "7x3=21");
    EXPECT_EQ(r.game.board().pieceCount(), 21);
    EXPECT_EQ(r.game.menus().mnuCurrent().Caption, "Cat.jpg");

    request.grid = Grid{300, 1};   // fitted about 9400 twips across: 31 twips a piece
    const auto before = r.snapshot();
    EXPECT_EQ(r.game.takePictureIntoPlay(request).outcome, PictureOutcome::TooSmall);
    EXPECT_TRUE(r.snapshot() == before);
}

} // namespace quiltra
