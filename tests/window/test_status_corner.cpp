// The status in the menu bar's corner: shown while the title has its long form, refreshed with
// it, shortened as the window narrows, and "Paused" while the clock is.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

#include "game/ui/board_widget.h"
#include "game/ui/game_window.h"
#include "viewer/ui/picture_viewer.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

QLabel* corner(GameWindow& w) { return w.findChild<QLabel*>(QStringLiteral("StatusCorner")); }

QString shown(GameWindow& w)
{
    QLabel* label = corner(w);
    return label && label->isVisible() ? label->text() : QString();
}

QPoint centreOfPiece(const Game& g, int k) { return pieceOnScreen(g, k).center(); }

// The right edge of the last menu in the bar.
int menusRight(GameWindow& w)
{
    int right = 0;
    for (QAction* a : w.menuBar()->actions())
        if (a->isVisible())
            right = std::max(right, w.menuBar()->actionGeometry(a).right());
    return right;
}

} // namespace

class StatusCornerTest : public QObject {
    Q_OBJECT
private slots:
    void followsTheTitle()
    {
        ProgramRig rig({"Cat.jpg"});
        GameWindow& w = rig.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(shown(w), QString()); // the welcome caption has no counts
        rig.finishIntro();
        QCOMPARE(shown(w), QString()); // nor has the whole picture before a game

        Game& g = rig.game();
        w.runGame([&] { g.mnuPuz_Click(); });
        QCOMPARE(shown(w), QString()); // nor has a dealt game before its first click
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 1));
        rig.advance(1);
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("Time:  0:00:01")));
        QCOMPARE(shown(w), QStringLiteral("Moves 000   Hints 000   0:00:01"));
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 2));
        QCOMPARE(shown(w), QStringLiteral("Moves 001   Hints 000   0:00:01"));
        rig.advance(6);
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("Time:  0:00:07")));
        QCOMPARE(shown(w), QStringLiteral("Moves 001   Hints 000   0:00:07"));
        w.runGame([&] { g.mnuHint_Click(); });
        w.runGame([&] { g.mnuHint_Click(); });
        QVERIFY(w.windowTitle().contains(QStringLiteral("Hints: 001")));
        QCOMPARE(shown(w), QStringLiteral("Moves 001   Hints 001   0:00:07"));

        // Never over the menus.
        QLabel* label = corner(w);
        QVERIFY(label->geometry().left() > menusRight(w));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());

        QTest::keyClick(&w, Qt::Key_P);
        QCOMPARE(shown(w), QStringLiteral("Moves 001   Hints 001   Paused"));
        rig.advance(30);
        QCOMPARE(shown(w), QStringLiteral("Moves 001   Hints 001   Paused"));
        QTest::keyClick(&w, Qt::Key_A);
        rig.advance(1);
        QCOMPARE(shown(w), QStringLiteral("Moves 001   Hints 001   0:00:08"));
        // The corner grows with its text: nothing of the wider clock is cut off.
        const auto whole = [label] {
            return label->fontMetrics().horizontalAdvance(label->text()) +
                       label->contentsMargins().right() <=
                   label->width();
        };
        QVERIFY(whole());
        // The same after the Picture Viewer stood in the game window's place meanwhile.
        QImage picture(800, 600, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        PictureViewer* viewer = rig.program->openViewer(ViewCaller::GameWindow, "test.jpg", picture,
                                                        picture.size(), &w);
        QVERIFY(viewer);
        viewer->close();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_A);
        rig.advance(1);
        QVERIFY(shown(w).endsWith(QStringLiteral("0:00:09")));
        QVERIFY2(whole(), qPrintable(QString::number(label->width())));
    }

    // With a large menu font the default window has no room for the longest text: shorter forms
    // stand in, and the longer ones return as the window widens.
    void shortensAsTheWindowNarrows()
    {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * 2);
        QApplication::setFont(font);
        ProgramRig rig({"Cat.jpg"});
        GameWindow& w = rig.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        rig.finishIntro();
        Game& g = rig.game();
        w.runGame([&] { g.mnuPuz_Click(); });
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfPiece(g, 1));
        rig.advance(1);
        const QString first = shown(w);
        QVERIFY2(!first.startsWith(QStringLiteral("Moves 000   ")), qPrintable(first));

        // The largest screen size leaves room for the longest text; the smallest for less again.
        w.runGame([&] { g.mnuScreen_Click(5); });
        QCOMPARE(shown(w), QStringLiteral("Moves 000   Hints 000   0:00:01"));
        QVERIFY(corner(w)->geometry().left() > menusRight(w));
        w.runGame([&] { g.mnuScreen_Click(0); });
        QCOMPARE(shown(w), first);
        QTest::keyClick(&w, Qt::Key_P);
        QVERIFY(shown(w).endsWith(QStringLiteral("Paused")));
        for (QAction* a : w.menuBar()->actions())
            QVERIFY(!w.menuBar()->actionGeometry(a).isEmpty()); // no menu pushed out of sight
        QApplication::setFont(QFont());
    }
};

QTEST_MAIN(StatusCornerTest)
#include "test_status_corner.moc"
