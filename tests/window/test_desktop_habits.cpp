// Desktop habits of the game window: a click or a key skips the intro, the window manager's
// resizes lay the game area out, File > Restart replays the deal, and the Keyboard Shortcuts
// window lists the keys.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QFile>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

#include "game/ui/board_widget.h"
#include "game/ui/game_window.h"
#include "help/ui/shortcuts_window.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

bool enabled(GameWindow& w, const char* name)
{
    QAction* a = w.action(QString::fromLatin1(name));
    return a && a->isEnabled();
}

// The cell each piece stands on, piece by piece (0 for a piece on no cell).
std::vector<int> cellsOfPieces(const Game& g)
{
    const Board& b = g.board();
    std::vector<int> cells;
    for (int k = 1; k <= b.pieceTotal(); ++k)
        cells.push_back(b.cells().cellAt(b.piece(k).Left, b.piece(k).Top));
    return cells;
}

void clickPiece(GameWindow& w, int k)
{
    const Game& g = w.game();
    const Piece& p = g.board().piece(k);
    const QPoint centre(int(toPixels(g.form().Picture2.Left + p.Left + g.board().pieceWidth() / 2)),
                        int(toPixels(g.form().Picture2.Top + p.Top + g.board().pieceHeight() / 2)));
    QTest::mouseClick(w.board(), Qt::LeftButton, {}, centre);
}

// The title from the moves on: the counters and the time.
QString countsOf(const QString& title) { return title.mid(title.indexOf(QStringLiteral("Moves:"))); }

// The README's table of keys as (window, keys, what they do), its bold marks left out.
std::vector<QStringList> readmeKeys()
{
    QFile file(QStringLiteral(QUILTRA_SOURCE_FOLDER "/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    std::vector<QStringList> rows;
    qsizetype at = lines.indexOf(QStringLiteral("### Keys"));
    while (at >= 0 && ++at < lines.size() && !lines[at].startsWith(QStringLiteral("#"))) {
        if (!lines[at].startsWith(QStringLiteral("| ")))
            continue;
        QStringList cells = lines[at].mid(2, lines[at].size() - 4).split(QStringLiteral(" | "));
        for (QString& cell : cells)
            cell = cell.remove(QStringLiteral("**")).trimmed();
        if (cells.size() == 3 && cells[0] != QStringLiteral("Key") && !cells[0].startsWith(u'-'))
            rows.push_back({cells[1], cells[0], cells[2]});
    }
    return rows;
}

// The Keyboard Shortcuts window's list as (window, keys, what they do): a row across both
// columns names the window of the rows below it.
std::vector<QStringList> shownKeys(const ShortcutsWindow& window)
{
    std::vector<QStringList> rows;
    const QTableWidget* list = window.list();
    QString heading;
    for (int r = 0; r < list->rowCount(); ++r) {
        if (list->columnSpan(r, 0) == 2)
            heading = list->item(r, 0)->text();
        else
            rows.push_back({heading, list->item(r, 0)->text().trimmed(), list->item(r, 1)->text()});
    }
    return rows;
}

// The short caption of a picture in play, before a game starts.
const QRegularExpression kShortCaption(
    QStringLiteral("^Quiltra - puzzle: Cat\\.jpg  Size: [0-9]+x[0-9]+=[0-9]+$"));

} // namespace

class DesktopHabitsTest : public QObject {
    Q_OBJECT
private slots:
    // A key (a menu shortcut among them) or a click at any intro step ends the intro as its last
    // step does, and does nothing else: no game, no clock, no resize from the + key's release.
    void aKeyOrAClickSkipsTheIntro()
    {
        enum class By { PlusKey, ShortcutKey, Click, ClickBeforeFirstStep };
        for (const By by : {By::PlusKey, By::ShortcutKey, By::Click, By::ClickBeforeFirstStep}) {
            ProgramRig rig({"Cat.jpg"});
            GameWindow& w = rig.window();
            if (by != By::ClickBeforeFirstStep) {
                rig.advance(0);
                rig.advance(1.0);
                QCOMPARE(rig.game().form().GameState, State::IntroReassembling);
            }
            const std::size_t soundBefore = rig.sound.log.size();
            const double width = rig.game().form().Window.Width;
            switch (by) {
            case By::PlusKey:
                QTest::keyPress(&w, Qt::Key_Plus);
                QTest::keyPress(&w, Qt::Key_Plus, Qt::NoModifier, -1);
                QTest::keyRelease(&w, Qt::Key_Plus);
                break;
            case By::ShortcutKey:
                // Shortcuts act only in the active window.
                w.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&w));
                QTest::keyClick(&w, Qt::Key_F5);
                break;
            case By::Click:
            case By::ClickBeforeFirstStep:
                QTest::mouseClick(w.board(), Qt::LeftButton, {}, QPoint(200, 150));
                break;
            }
            QCOMPARE(rig.game().form().GameState, State::WholePicture);
            QVERIFY2(kShortCaption.match(w.windowTitle()).hasMatch(), qPrintable(w.windowTitle()));
            for (const char* menu : {"mnuFile", "mnuV", "mnuPic", "mnus", "mnuPr", "mnuHe"})
                QVERIFY2(enabled(w, menu), menu);
            QVERIFY(!rig.game().clock().running());
            QCOMPARE(rig.game().form().Window.Width, width);
            // The intro sound is closed and the move sound opened.
            const std::vector<std::string> after(rig.sound.log.begin() + long(soundBefore),
                                                 rig.sound.log.end());
            const auto at = [&after](const std::string& entry) {
                return std::find(after.begin(), after.end(), entry) - after.begin();
            };
            QVERIFY(at("close") < at("open move"));
            QVERIFY(at("open move") < long(after.size()));
            QVERIFY(after.back() == "open move");

            // The intro's remaining steps never run, and nothing of it comes back later.
            const QString title = w.windowTitle();
            rig.advance(10);
            QCOMPARE(w.windowTitle(), title);
            QCOMPARE(rig.game().form().GameState, State::WholePicture);
            QCOMPARE(rig.sound.count("play"), by == By::ClickBeforeFirstStep ? 0 : 1);

            // The next + is a key of its own again: one step of 10 twips.
            QTest::keyClick(&w, Qt::Key_Plus);
            QCOMPARE(rig.game().form().Window.Height, 6750.0 + 10);
        }
    }

    // A resize by the window manager is laid out once it settles, as a Screen Size choice lays
    // the game area out: every piece keeps its cell, the selection and the board frame go, the
    // counts stay, the Size menu stays as it is, and the new size is what "init.txt" keeps.
    // Maximising and restoring do the same; the window cannot be made smaller than the - key
    // makes it.
    void windowManagerResizesLayTheGameAreaOut()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        Game& g = rig.game();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.action("mnuPuz")->trigger();
        clickPiece(w, 1);
        clickPiece(w, 2);
        clickPiece(w, 3);
        QCOMPARE(g.board().selected(), 3);
        const std::vector<int> cells = cellsOfPieces(g);
        const QString counts = countsOf(w.windowTitle());
        QAction* firstSize = w.action(QStringLiteral("mnuSize(0)"));
        const QSize before = w.size();

        // Maximised and restored: the earlier size comes back, and every piece is in its cell.
        const double width = g.form().Window.Width, height = g.form().Window.Height;
        w.showMaximized();
        QTRY_VERIFY(g.form().Window.Width > width + 1500 && g.form().Window.Height > height + 1000);
        QCOMPARE(cellsOfPieces(g), cells);
        QCOMPARE(g.board().selected(), -1);
        w.showNormal();
        QTRY_COMPARE(g.form().Window.Width, width);
        QCOMPARE(g.form().Window.Height, height);
        QCOMPARE(cellsOfPieces(g), cells);
        QCOMPARE(countsOf(w.windowTitle()), counts);

        // Intermediate sizes lay nothing out; the last one does, once.
        clickPiece(w, 3);
        QCOMPARE(g.board().selected(), 3);
        w.resize(before + QSize(37, 23));
        QCoreApplication::processEvents();
        w.resize(before + QSize(201, 99));
        QCoreApplication::processEvents();
        QCOMPARE(g.form().Window.Width, width);
        QTRY_COMPARE(g.form().Window.Width, toTwips(w.board()->width()) + kFrameWidthTwips);
        QCOMPARE(w.size(), before + QSize(201, 99));
        QCOMPARE(g.form().Window.Height, toTwips(w.board()->height()) + kFrameHeightTwips);
        QCOMPARE(g.form().Picture2.Width, Single(g.form().Window.Width - 150));
        QCOMPARE(g.form().Picture2.Height, Single(g.form().Window.Height - 600));
        QCOMPARE(cellsOfPieces(g), cells);
        QCOMPARE(g.board().selected(), -1);
        QVERIFY(!g.board().boardFrame().Visible);
        QCOMPARE(countsOf(w.windowTitle()), counts);
        QCOMPARE(w.action(QStringLiteral("mnuSize(0)")), firstSize);
        QVERIFY(rig.program->Save_Info());
        const QStringList fields =
            QString::fromStdString(rig.folder.read("init.txt")).split(QLatin1Char(','));
        QCOMPARE(fields.value(1).toDouble(), g.form().Window.Width);
        QCOMPARE(fields.value(2).toDouble(), g.form().Window.Height);

        // The smallest window is the one the - key reaches.
        w.resize(100, 100);
        QTRY_VERIFY(g.form().Window.Height < 6750);
        QVERIFY(g.form().Window.Height >= kSmallestWindowHeight);
        QVERIFY(g.form().Window.Height < kSmallestWindowHeight + 15);
        QVERIFY(g.form().Window.Width >= 9000);
        QCOMPARE(cellsOfPieces(g), cells);

        // The deal moved with the pieces: Restart finds every piece's first cell.
        std::vector<int> deal = cellsOfPieces(g);
        std::swap(deal[0], deal[1]);
        w.action("mnuRestart")->trigger();
        QCOMPARE(cellsOfPieces(g), deal);
    }

    // Restart (Ctrl+R) deals the same arrangement again in either mode, with the counters, the
    // clock, the selection and the history of a new game; it is there only during a game.
    void restartReplaysTheDeal()
    {
        for (const bool slider : {false, true}) {
            ProgramRig rig({"Cat.jpg"});
            rig.finishIntro();
            GameWindow& w = rig.window();
            w.show();
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QVERIFY(!enabled(w, "mnuRestart"));
            w.action(slider ? "mnuSlide" : "mnuPuz")->trigger();
            QVERIFY(enabled(w, "mnuRestart"));
            const std::vector<int> deal = cellsOfPieces(rig.game());
            const QString fresh = w.windowTitle();

            if (slider) {
                for (const Qt::Key arrow : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
                    QTest::keyClick(&w, arrow);
            } else {
                clickPiece(w, 1);
                clickPiece(w, 2);
                clickPiece(w, 3); // selected
            }
            w.action("mnuHint")->trigger();
            rig.advance(3);
            QVERIFY(cellsOfPieces(rig.game()) != deal);
            QVERIFY(countsOf(w.windowTitle()) != countsOf(fresh));

            QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
            QCOMPARE(cellsOfPieces(rig.game()), deal);
            QCOMPARE(w.windowTitle(), fresh);
            QCOMPARE(rig.game().form().GameState, State::Playing);
            QVERIFY(rig.game().form().Picture2.Visible);
            QVERIFY(!rig.game().clock().running());
            QCOMPARE(rig.game().board().selected(), -1);
            QVERIFY(!rig.game().form().HintsShown);
            QVERIFY(!enabled(w, "mnuUndo") && !enabled(w, "mnuSave"));
            QVERIFY(enabled(w, "mnuRestart"));
            QCOMPARE(rig.game().board().piece(rig.game().board().pieceTotal()).Visible, !slider);
            // The clock starts afresh with the next move.
            rig.advance(5);
            QCOMPARE(w.windowTitle(), fresh);
        }
    }

    // A loaded game restarts from the arrangement it was loaded with; a restarted game that is
    // finished is a result like any other, and the finish leaves nothing to restart.
    void restartOfALoadedGameAndItsFinish()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        w.action("mnuPuz")->trigger();
        clickPiece(w, 1);
        clickPiece(w, 2);
        w.action("mnuSave")->trigger();
        const std::vector<int> saved = cellsOfPieces(rig.game());
        w.action("mnuPuz")->trigger();
        w.action("mnuRestore")->trigger();
        QCOMPARE(cellsOfPieces(rig.game()), saved);
        QVERIFY(countsOf(w.windowTitle()).startsWith(QStringLiteral("Moves: 001")));
        clickPiece(w, 3);
        clickPiece(w, 4);

        w.action("mnuRestart")->trigger();
        QCOMPARE(cellsOfPieces(rig.game()), saved);
        // As after New Game, the counts show again with the first move.
        QVERIFY2(kShortCaption.match(w.windowTitle()).hasMatch(), qPrintable(w.windowTitle()));
        QCOMPARE(rig.game().counters().moves(), std::int16_t(0));
        QVERIFY(!rig.game().clock().running());

        // Every piece swapped home, one swap a second.
        const int n = rig.game().board().pieceTotal();
        int moves = 0;
        for (int cell = 1; cell <= n; ++cell) {
            const std::vector<int> cells = cellsOfPieces(rig.game());
            if (cells[std::size_t(cell - 1)] == cell)
                continue;
            const int occupant = int(std::find(cells.begin(), cells.end(), cell) - cells.begin()) + 1;
            clickPiece(w, cell);
            rig.advance(1);
            clickPiece(w, occupant);
            ++moves;
        }
        QCOMPARE(rig.game().form().GameState, State::Solved);
        QVERIFY(!enabled(w, "mnuRestart"));
        const std::vector<TimeResult> results = rig.game().bestTimes().listing("Cat.jpg");
        QCOMPARE(results.size(), std::size_t(1));
        QCOMPARE(int(results[0].Moves), moves);
        QCOMPARE(int(results[0].Seconds), moves);
    }

    // Help > Keyboard Shortcuts (Ctrl+?) lists, window by window, exactly the keys of the README's
    // table, in its order; Escape closes the window.
    void theShortcutsWindowListsTheReadmeKeys()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& w = rig.window();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_Question, Qt::ControlModifier);
        QPointer<ShortcutsWindow> window = ShortcutsWindow::current();
        QVERIFY(window && window->isVisible());

        const std::vector<QStringList> readme = readmeKeys();
        QVERIFY(readme.size() > 20);
        QCOMPARE(shownKeys(*window), readme);

        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window);
    }
};

QTEST_MAIN(DesktopHabitsTest)
#include "test_desktop_habits.moc"
