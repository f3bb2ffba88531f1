// The game window driven through Qt: the intro with a scripted clock, the menus it enables, the
// + and - keys, pausing, the exit question, the board widget's clicks, Undo and Redo, the keyboard
// cursor's frame and the new best time's banner.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QtTest>

#include "game/ui/board_widget.h"
#include "game/ui/game_window.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

bool enabled(GameWindow& w, const char* name)
{
    QAction* a = w.action(QString::fromLatin1(name));
    return a && a->isEnabled();
}

QPoint centreOfPiece(const Game& g, int k)
{
    const Piece& p = g.board().piece(k);
    return QPoint(int(toPixels(g.form().Picture2.Left + p.Left + g.board().pieceWidth() / 2)),
                  int(toPixels(g.form().Picture2.Top + p.Top + g.board().pieceHeight() / 2)));
}

QImage boardImage(GameWindow& w)
{
    return w.board()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pure black and pure white pixels in a rectangle of the board.
std::pair<int, int> blackAndWhite(const QImage& image, const QRect& area)
{
    int black = 0, white = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            black += p == qRgb(0, 0, 0);
            white += p == qRgb(255, 255, 255);
        }
    return {black, white};
}

// A key pressed and released alone, as the keyboard sends it (QTest knows no text for some).
void tap(QWidget* w, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// What a key could change: where each piece stands, the selection, the cursor and the counts.
struct PlayView {
    std::vector<std::pair<float, float>> pieces;
    int selected, cursorCell, moves, hints;
    bool cursorShown;
    bool operator==(const PlayView&) const = default;
};

PlayView playView(const Game& g)
{
    PlayView v{{}, g.board().selected(), g.cursor().cell(), g.counters().moves(),
               g.counters().hints(), g.cursor().visible()};
    for (int k = 1; k <= g.board().pieceTotal(); ++k)
        v.pieces.emplace_back(g.board().piece(k).Left, g.board().piece(k).Top);
    return v;
}

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT
private slots:
    void introAssemblesThenLoadsAPictureAndEnablesTheMenus()
    {
        ProgramRig rig({"Cat.jpg", "Coffee.jpg"});
        GameWindow& w = rig.window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Welcome to Quiltra v1.3"));
        for (const char* menu : {"mnuFile", "mnuV", "mnuPic", "mnus", "mnuPr", "mnuHe"})
            QVERIFY2(!enabled(w, menu), menu);

        std::vector<State> states{rig.game().form().GameState};
        rig.advance(0); // builds and shuffles the 4 x 4 intro puzzle
        states.push_back(rig.game().form().GameState);
        QCOMPARE(rig.game().board().pieceCount(), std::int16_t(16));
        QVERIFY(rig.game().form().Picture2.Visible);
        QCOMPARE(rig.sound.count("play"), 1); // the intro sound
        // Pieces come home one every 0.2 s; none moves sooner.
        while (rig.game().form().GameState == State::IntroReassembling)
            rig.advance(0.21);
        states.push_back(rig.game().form().GameState);
        QVERIFY(rig.game().form().Image1.Visible);
        rig.advance(3.9);
        QCOMPARE(rig.game().form().GameState, State::IntroFinished);
        rig.advance(0.2);
        states.push_back(rig.game().form().GameState);
        QCOMPARE(states, (std::vector<State>{State::IntroPending, State::IntroReassembling,
                                             State::IntroFinished, State::WholePicture}));
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("Quiltra - puzzle: ")));
        for (const char* menu : {"mnuFile", "mnuV", "mnuPic", "mnus", "mnuPr", "mnuHe"})
            QVERIFY2(enabled(w, menu), menu);
        QVERIFY(w.action("mnuSize(0)")->isVisible());
        QVERIFY(!w.action("mnuCurSize")->text().isEmpty());
        QCOMPARE(QString::fromStdString(rig.sound.log.back()), QStringLiteral("open move"));
    }

    void anEmptyListLeavesNoPictureToPlay()
    {
        ProgramRig rig;
        rig.finishIntro();
        GameWindow& w = rig.window();
        QCOMPARE(rig.game().form().GameState, State::NoPicture);
        QCOMPARE(rig.messages.shown.size(), size_t(1));
        QCOMPARE(rig.messages.shown[0].text, std::string("No pictures in Picture List."));
        QCOMPARE(rig.messages.shown[0].title, std::string("Quiltra"));
        for (const char* off : {"mnuV", "mnus", "mnuAddCur", "mnuNew"})
            QVERIFY2(!enabled(w, off), off);
        for (const char* on : {"mnuFile", "mnuPic", "mnuPr", "mnuHe"})
            QVERIFY2(enabled(w, on), on);
    }

    void plusAndMinusResizeTheWindow()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        const QSize before = w.size();
        QTest::keyClick(&w, Qt::Key_Equal);
        QCOMPARE(rig.game().form().Window.Height, 6760.0);
        QVERIFY(std::abs(rig.game().form().Window.Width - (9550 + 10 * 9550.0 / 6750.0)) < 0.01);
        QCOMPARE(rig.program->state.Window.Height, 6760.0);

        // Holding - repeats its key-down; the window never gets lower than 6400 twips.
        for (int i = 0; i < 200; ++i)
            QTest::sendKeyEvent(QTest::KeyAction::Press, &w, Qt::Key_Minus, '-', Qt::NoModifier);
        QTest::sendKeyEvent(QTest::KeyAction::Release, &w, Qt::Key_Minus, '-', Qt::NoModifier);
        QCOMPARE(rig.game().form().Window.Height, 6400.0);
        QVERIFY(w.size().height() < before.height());
        QTest::keyClick(&w, Qt::Key_Minus);
        QCOMPARE(rig.game().form().Window.Height, 6400.0);
    }

    void pIsAPauseAndAnyOtherKeyResumes()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = rig.game();
        w.runGame([&] { g.mnuPuz_Click(); });
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 1)); // starts the clock
        QVERIFY(g.clock().running());
        rig.advance(5);
        QTest::keyClick(&w, Qt::Key_P);
        QVERIFY(g.clock().paused());
        rig.advance(100);
        QTest::keyClick(&w, Qt::Key_A);
        QVERIFY(!g.clock().paused());
        rig.advance(1);
        QCOMPARE(QString::fromStdString(g.clock().seconds()), QStringLiteral("06"));
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("Time:  0:00:06")));
    }

    // A modifier or lock key pressed alone is "another key": it resumes a paused clock and moves,
    // selects and swaps nothing, with the cursor shown and with a piece selected, in both modes.
    void modifierAndLockKeysAloneDoNothingButResume()
    {
        const Qt::Key lone[] = {Qt::Key_Shift,    Qt::Key_Control, Qt::Key_Alt,
                                Qt::Key_AltGr,    Qt::Key_Meta,    Qt::Key_Super_L,
                                Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock};
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = rig.game();
        for (const char* mode : {"mnuPuz", "mnuSlide"}) {
            w.action(QString::fromLatin1(mode))->trigger();
            QTest::keyClick(&w, Qt::Key_Space); // shows the cursor
            QVERIFY(g.cursor().visible());
            for (int round = 0; round < 2; ++round) {
                if (round == 1) {
                    // A piece selected: in Puzzle mode by Space under the cursor, in Slider mode
                    // by a click on a piece.
                    int k = 1;
                    while (!g.board().piece(k).Visible)
                        ++k;
                    if (QLatin1String(mode) == QLatin1String("mnuPuz"))
                        QTest::keyClick(&w, Qt::Key_Space);
                    else
                        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, k));
                    QVERIFY2(g.board().selected() != -1, mode);
                }
                for (const Qt::Key key : lone) {
                    const PlayView before = playView(g);
                    tap(&w, key);
                    QVERIFY2(playView(g) == before, qPrintable(QStringLiteral("%1, key %2")
                                                                   .arg(QLatin1String(mode))
                                                                   .arg(key, 0, 16)));
                }
            }
            QTest::keyClick(&w, Qt::Key_P);
            QVERIFY(g.clock().paused());
            tap(&w, Qt::Key_NumLock);
            QVERIFY2(!g.clock().paused(), mode);
        }
    }

    // "+" typed with Shift enlarges the window and touches no piece; Ctrl+Shift+Z with a piece
    // selected redoes the undone move.
    void shiftedKeysReachTheGameAsThemselves()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = rig.game();
        w.action(QStringLiteral("mnuPuz"))->trigger();
        QTest::keyClick(&w, Qt::Key_Right);
        QTest::keyClick(&w, Qt::Key_Space);
        QTest::keyClick(&w, Qt::Key_Right);
        PlayView before = playView(g);
        const double height = g.form().Window.Height;
        QTest::keyClick(&w, Qt::Key_Plus, Qt::ShiftModifier);
        QTest::keyClick(&w, Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(g.counters().moves(), before.moves);
        QVERIFY(g.form().Window.Height > height);

        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 1));
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 2));
        QCOMPARE(g.counters().moves(), 1);
        const PlayView swapped = playView(g);
        w.action(QStringLiteral("mnuUndo"))->trigger();
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 3));
        QCOMPARE(g.board().selected(), 3);
        QApplication::setActiveWindow(&w); // shortcuts reach the active window only
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        before = playView(g);
        QCOMPARE(before.pieces, swapped.pieces);
        QCOMPARE(before.moves, 1);
    }

    // A rules box takes the focus like any box, yet the clock runs on through it; losing the focus
    // to anything else, or the player turning to another program while the box is open, pauses.
    void theRulesBoxesKeepTheClockRunning()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = rig.game();
        QWidget box;   // stands in for the box, which is shown by the scripted messages
        box.show();
        QApplication::setActiveWindow(&w);
        w.runGame([&] { g.mnuPuz_Click(); });
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 1)); // starts the clock
        rig.advance(2);
        bool wasActive = true;
        rig.messages.whileShown = [&] {
            QApplication::setActiveWindow(&box);
            wasActive = w.isActiveWindow();
            rig.clock.advance(10);
        };
        for (const char* rules : {"mnuPz", "mnuSldr"}) {
            w.action(QString::fromLatin1(rules))->trigger();
            QApplication::setActiveWindow(&w);   // the box has closed
            QVERIFY2(!wasActive, rules);
            QVERIFY2(!g.clock().paused(), rules);
        }
        rig.advance(1);
        QVERIFY2(w.windowTitle().endsWith(QStringLiteral("Time:  0:00:23")),
                 qPrintable(w.windowTitle()));

        rig.messages.whileShown = [&] {
            QApplication::setActiveWindow(&box);
            emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        };
        w.action(QStringLiteral("mnuPz"))->trigger();
        QApplication::setActiveWindow(&w);
        QVERIFY(g.clock().paused());
        QTest::keyClick(&w, Qt::Key_A);
        QVERIFY(!g.clock().paused());

        rig.messages.whileShown = {};
        QApplication::setActiveWindow(&box);
        QVERIFY(g.clock().paused());
        QApplication::setActiveWindow(&w);
        QVERIFY(g.clock().paused());
        QCOMPARE(rig.messages.shown.size(), size_t(3));
    }

    void noAtTheExitQuestionLeavesEverythingAsItWas()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        const QString title = w.windowTitle();
        const std::string settings = rig.folder.read("init.txt");
        rig.messages.answers.push_back(MessageResult::No);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowTitle(), title);
        QCOMPARE(rig.folder.read("init.txt"), settings);
        const auto& asked = rig.messages.shown.back();
        QCOMPARE(asked.text, std::string("Are you sure you want to exit the program?"));
        QVERIFY(asked.buttons == MessageButtons::YesNo && asked.icon == MessageIcon::Question);
    }

    void clicksOnTheBoardPlayAPuzzleGame()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = rig.game();
        // A click on the whole picture starts a game.
        QTest::mouseClick(w.board(), Qt::LeftButton, {},
                          QPoint(int(toPixels(g.form().Image1.Left + g.form().Image1.Width / 2)),
                                 int(toPixels(g.form().Image1.Top + g.form().Image1.Height / 2))));
        QCOMPARE(g.form().GameState, State::Playing);
        // The caption keeps its short form until the first click on a piece refreshes it.
        QVERIFY(!w.windowTitle().contains(QStringLiteral("Moves")));
        const Piece a = g.board().piece(1), b = g.board().piece(2);
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 1));
        rig.advance(0.1); // the running clock refreshes the caption
        QVERIFY(w.windowTitle().contains(QStringLiteral("Moves: 000")));
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 2));
        QVERIFY(w.windowTitle().contains(QStringLiteral("Moves: 001")));
        QCOMPARE(g.board().piece(1).Left, b.Left);
        QCOMPARE(g.board().piece(2).Top, a.Top);
    }

    void undoAndRedoItemsFollowTheHistory()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = rig.game();
        w.action(QStringLiteral("mnuPuz"))->trigger();
        QVERIFY(!enabled(w, "mnuUndo") && !enabled(w, "mnuRedo"));
        QCOMPARE(w.action(QStringLiteral("mnuUndo"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QVERIFY(w.action(QStringLiteral("mnuRedo"))->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 1));
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 2));
        QVERIFY(w.windowTitle().contains(QStringLiteral("Moves: 001")));
        QVERIFY(enabled(w, "mnuUndo") && !enabled(w, "mnuRedo"));
        w.action(QStringLiteral("mnuUndo"))->trigger();
        QVERIFY(w.windowTitle().contains(QStringLiteral("Moves: 000")));
        QVERIFY(!enabled(w, "mnuUndo") && enabled(w, "mnuRedo"));
        w.action(QStringLiteral("mnuRedo"))->trigger();
        QVERIFY(w.windowTitle().contains(QStringLiteral("Moves: 001")));
        w.action(QStringLiteral("mnuSlide"))->trigger();
        QVERIFY(!enabled(w, "mnuUndo") && !enabled(w, "mnuRedo"));
    }

    void theCursorFrameAndTheNewBestBannerArePainted()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = rig.game();
        const QImage wholeBefore = boardImage(w);
        w.action(QStringLiteral("mnuPuz"))->trigger();

        // The cursor: black and white dashes inside the top-left cell, clear of its edge.
        int k = 1;
        for (int j = 2; j <= g.board().pieceCount(); ++j) {
            const QRect p = pieceOnScreen(g, j), best = pieceOnScreen(g, k);
            if (p.top() < best.top() || (p.top() == best.top() && p.left() < best.left()))
                k = j;
        }
        const QRect topLeft = pieceOnScreen(g, k);
        const QRect edge(topLeft.left() + 8, topLeft.top() + 7, topLeft.width() - 16, 3);
        const QImage before = boardImage(w);
        QTest::keyClick(&w, Qt::Key_Right);
        QVERIFY(g.cursor().visible());
        const QImage after = boardImage(w);
        QVERIFY(before.copy(edge) != after.copy(edge));
        const auto [black, white] = blackAndWhite(after, edge);
        QVERIFY2(black > edge.width() / 2 && white > edge.width() / 2,
                 qPrintable(QStringLiteral("%1 black, %2 white").arg(black).arg(white)));
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, k));
        QVERIFY(!g.cursor().visible());
        QCOMPARE(boardImage(w).copy(edge), before.copy(edge));
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, k));

        // The finish: when the whole picture returns, a dark band with white text crosses it.
        for (int i = 0; i < 400 && g.form().GameState != State::Solved; ++i)
            w.action(QStringLiteral("mnuHint"))->trigger();
        QCOMPARE(g.form().GameState, State::Solved);
        rig.advance(3);
        QCOMPARE(g.form().GameState, State::WholePicture);
        QVERIFY(QString::fromStdString(g.newBestBanner()).startsWith(QStringLiteral("New best time  ")));
        const QImage banner = boardImage(w);
        const QRect picture(int(toPixels(g.form().Image1.Left)), int(toPixels(g.form().Image1.Top)),
                            int(toPixels(g.form().Image1.Width)), int(toPixels(g.form().Image1.Height)));
        const QRect band(picture.left() + 2, picture.center().y() - 3, picture.width() - 4, 6);
        int darker = 0, lighter = 0;
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x) {
                const int was = qGray(wholeBefore.pixel(x, y)), now = qGray(banner.pixel(x, y));
                darker += now < was;
                lighter += qGray(banner.pixel(x, y)) > 200 && now > was;
            }
        QVERIFY2(darker > band.width() * band.height() / 2 && lighter > 0,
                 qPrintable(QStringLiteral("%1 darker, %2 lighter").arg(darker).arg(lighter)));
        QVERIFY(QFile::exists(rig.path(QStringLiteral("times.txt"))));
    }
};

QTEST_MAIN(GameWindowTest)
#include "test_game_window.moc"
