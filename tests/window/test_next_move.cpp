// Next Move and Solve in the game window: their items and keys beside Hint, Solve played to the
// finish on the timer with the solved-for-you banner and no best time, a key that stops Solve and
// Undo afterwards, and a window that answers keys while a long search runs.
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

#include "game/ui/board_widget.h"
#include "game/ui/game_window.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

// Chooses the Size item of the grid with `cells` cells; false when the picture offers none.
bool chooseGrid(GameWindow& w, int cols, int rows)
{
    const Game& g = w.game();
    for (int i = 0; i < g.form().SizeCount; ++i) {
        const Grid grid = g.menus().mnuSize()[std::size_t(i)].grid;
        if (grid.cols == cols && grid.rows == rows) {
            w.action(QStringLiteral("mnuSize(%1)").arg(i))->trigger();
            return true;
        }
    }
    return false;
}

QString sizesOffered(const Game& g)
{
    QStringList out;
    for (int i = 0; i < g.form().SizeCount; ++i)
        out << QString::fromStdString(g.menus().mnuSize()[std::size_t(i)].Caption);
    return out.join(QStringLiteral(", "));
}

// Time within which the window has handled a key, ms: far below the seconds the 4 x 4 tables
// take to build, which a window waiting for them would take, and loose enough for a busy machine.
constexpr qint64 kPrompt = 1000;

// Runs the timer on the scripted clock, step by step, letting the solver's answers arrive first.
void play(ProgramRig& rig, double seconds, double step = 0.125)
{
    for (double t = 0; t < seconds; t += step) {
        QElapsedTimer waited;
        waited.start();
        while (rig.game().searching() && waited.elapsed() < 20000)
            QTest::qWait(5);
        rig.advance(step);
    }
}

// A Slider game at cols x rows, the window active; false with what the picture offers when it
// offers no such grid.
bool startSliderGame(ProgramRig& rig, int cols, int rows, QString& why)
{
    GameWindow& w = rig.window();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) {
        why = QStringLiteral("the window is not active");
        return false;
    }
    if (!chooseGrid(w, cols, rows)) {
        why = QStringLiteral("no %1x%2 among %3").arg(cols).arg(rows).arg(sizesOffered(rig.game()));
        return false;
    }
    w.action(QStringLiteral("mnuSlide"))->trigger();
    return rig.game().form().GameState == State::Playing;
}

} // namespace

class NextMoveWindowTest : public QObject {
    Q_OBJECT
private slots:
    void itemsSitBesideHintAndFollowIt()
    {
        ProgramRig rig({"Astronaut.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        QAction* next = w.action(QStringLiteral("mnuNextMove"));
        QAction* solve = w.action(QStringLiteral("mnuSolve"));
        QVERIFY(next && solve);
        QCOMPARE(next->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(solve->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
        QCOMPARE(next->text(), QStringLiteral("&Next Move"));
        QCOMPARE(solve->text(), QStringLiteral("S&olve"));
        QVERIFY(!next->isEnabled() && !solve->isEnabled());

        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.action(QStringLiteral("mnuPuz"))->trigger();
        QVERIFY(next->isEnabled() && solve->isEnabled());
        const Game& g = rig.game();
        const int misplaced = int(g.board().puzzle().misplaced().size());
        QTest::keyClick(&w, Qt::Key_F3);
        QVERIFY(int(g.board().puzzle().misplaced().size()) <= misplaced - 1);
        QCOMPARE(g.counters().moves(), 1);
        QCOMPARE(g.counters().hints(), 1);
    }

    void solveFinishesTheSliderGameForThePlayer()
    {
        ProgramRig rig({"Astronaut.jpg"});
        rig.finishIntro();
        QString why;
        QVERIFY2(startSliderGame(rig, 3, 3, why), qPrintable(why));
        Game& g = rig.game();
        GameWindow& w = rig.window();
        QTest::keyClick(&w, Qt::Key_F3, Qt::ShiftModifier);
        QVERIFY(g.solvePlaying());
        for (int i = 0; i < 400 && g.form().GameState == State::Playing; ++i)
            play(rig, 0.125);
        QCOMPARE(g.form().GameState, State::Solved);
        QVERIFY(g.counters().moves() > 0);
        QCOMPARE(g.counters().hints(), g.counters().moves());
        rig.advance(3);
        QCOMPARE(g.form().GameState, State::WholePicture);
        QCOMPARE(g.newBestBanner(), std::string("Solved for you"));
        QCOMPARE(g.bestTimes().size(), 0u);
    }

    void aKeyStopsSolveAndUndoTakesItsMovesBack()
    {
        ProgramRig rig({"Astronaut.jpg"});
        rig.finishIntro();
        QString why;
        QVERIFY2(startSliderGame(rig, 3, 3, why), qPrintable(why));
        Game& g = rig.game();
        GameWindow& w = rig.window();
        w.action(QStringLiteral("mnuSolve"))->trigger();
        QTRY_VERIFY(g.counters().moves() > 0 || !g.searching());
        play(rig, 0.5);
        const int moves = g.counters().moves();
        QVERIFY(moves >= 3);
        QTest::keyClick(&w, Qt::Key_A);
        QVERIFY(!g.solvePlaying());
        play(rig, 1);
        QCOMPARE(int(g.counters().moves()), moves);

        const Puzzle stopped = g.board().puzzle();
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(int(g.counters().moves()), moves - 1);
        QCOMPARE(int(g.counters().hints()), moves - 1);
        QVERIFY(!(g.board().puzzle() == stopped));
        QCOMPARE(g.form().GameState, State::Playing);

        // A click on the board stops Solve too, and does nothing else.
        w.action(QStringLiteral("mnuSolve"))->trigger();
        play(rig, 0.25);
        QVERIFY(g.solvePlaying());
        const Puzzle clicked = g.board().puzzle();
        QTest::mouseClick(w.board(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!g.solvePlaying());
        QVERIFY(g.board().puzzle() == clicked);
        QCOMPARE(g.board().selected(), -1);
    }

    // The first Next Move on a 4 x 4 grid builds the solver's tables, which takes seconds: the
    // window shows "Thinking..." and answers a key at once, and the key's move cancels the search.
    void theWindowAnswersKeysWhileALongSearchRuns()
    {
        ProgramRig rig({"Astronaut.jpg"});
        rig.finishIntro();
        QString why;
        QVERIFY2(startSliderGame(rig, 4, 4, why), qPrintable(why));
        Game& g = rig.game();
        GameWindow& w = rig.window();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(&w, Qt::Key_F3);
        QVERIFY2(timer.elapsed() < kPrompt, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(g.searching());
        rig.advance(0.2);
        QVERIFY(g.thinking());
        auto* corner = w.menuBar()->findChild<QLabel*>(QStringLiteral("StatusCorner"));
        QVERIFY(corner);
        QCOMPARE(corner->text(), QStringLiteral("Thinking..."));

        // The empty cell starts in a corner or beside it; one of two arrows slides a piece.
        const Puzzle before = g.board().puzzle();
        timer.restart();
        QTest::keyClick(&w, Qt::Key_Left);
        if (g.board().puzzle() == before)
            QTest::keyClick(&w, Qt::Key_Right);
        QVERIFY2(timer.elapsed() < kPrompt, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!(g.board().puzzle() == before));
        QCOMPARE(g.counters().moves(), 1);
        QVERIFY(!g.searching() && !g.thinking());
        QVERIFY(corner->text() != QStringLiteral("Thinking..."));

        // Whatever the cancelled search still sends is dropped.
        const Puzzle afterKey = g.board().puzzle();
        QTest::qWait(300);
        QVERIFY(g.board().puzzle() == afterKey);
        QCOMPARE(g.counters().moves(), 1);
        QCOMPARE(g.counters().hints(), 0);
    }
};

QTEST_MAIN(NextMoveWindowTest)
#include "test_next_move.moc"
