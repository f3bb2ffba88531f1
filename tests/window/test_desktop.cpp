// The game window as a desktop citizen: a picture file dropped on it, and a picture named on the
// command line, are taken into play once the intro is over; bad files only say why.
#include <QMimeData>
#include <QUrl>
#include <QtTest>

#include "game/game_window.h"
#include "window/picture_files.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

// Drags a file onto the window and drops it; returns whether the window accepted the drag.
bool dropFile(GameWindow& w, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
    return true;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void aDroppedPictureIsTakenIntoPlay()
    {
        PictureFolder files;
        QVERIFY(files.picture("dropped.jpg", 640, 480));
        QVERIFY(files.bytes("broken.jpg", "not a picture at all"));
        QVERIFY(files.bytes("notes.txt", "a text file"));
        ProgramRig rig({"Cat.jpg"});
        GameWindow& w = rig.window();
        QVERIFY(!dropFile(w, files.file("dropped.jpg"))); // not during the intro
        rig.finishIntro();
        Game& g = rig.game();
        QCOMPARE(g.mnuCurrent.Caption, std::string("Cat.jpg"));

        QVERIFY(!dropFile(w, files.file("notes.txt")));
        QVERIFY(dropFile(w, files.file("broken.jpg")));
        QCOMPARE(g.mnuCurrent.Caption, std::string("Cat.jpg"));
        QCOMPARE(rig.messages.shown.back().title, std::string("Quiltra"));

        QVERIFY(dropFile(w, files.file("dropped.jpg")));
        QCOMPARE(g.mnuCurrent.Caption, std::string("dropped.jpg"));
        QCOMPARE(rig.program->state.CurrentPicturePath, files.file("dropped.jpg").toStdString());
        QCOMPARE(g.GameState, State::WholePicture);
        QVERIFY(g.Image1.Visible && g.board.PieceCount > 0);
        QCOMPARE(w.windowTitle().left(30), QStringLiteral("Quiltra - puzzle: dropped.jpg "));
    }

    void aPictureOnTheCommandLineReplacesTheListPicture()
    {
        PictureFolder files;
        QVERIFY(files.picture("start.bmp", 300, 200));
        const QString good = files.file("start.bmp");
        ProgramRig rig({"Cat.jpg"}, false, nullptr, good);
        rig.finishIntro();
        QCOMPARE(rig.game().mnuCurrent.Caption, std::string("start.bmp"));
        QCOMPARE(rig.game().Image1.Width, Single(300 * 15));

        // A bad file says why and the list's picture stays.
        ProgramRig bad({"Cat.jpg"}, false, nullptr, files.file("missing.jpg"));
        bad.finishIntro();
        QCOMPARE(bad.game().mnuCurrent.Caption, std::string("Cat.jpg"));
        QCOMPARE(bad.messages.shown.size(), size_t(1));
        QCOMPARE(bad.messages.shown[0].title, std::string("Quiltra"));
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
