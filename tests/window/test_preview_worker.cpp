// Previews decoded off the window's thread, in the Open Picture window and the Picture List
// Editor: keys are answered while a decode runs, the old preview stays until the new one is
// ready, a superseded decode's picture is never shown, one decode runs at a time, and a preview is
// decoded at the preview's size without making the opened picture smaller.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSemaphore>
#include <QtTest>
#include <atomic>
#include <mutex>

#include "game/ui/game_window.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/ui/open_picture_window.h"
#include "pictures/ui/picture_list_editor.h"
#include "pictures/ui/preview_loader.h"
#include "platform/ui/qt_picture_clip.h"
#include "window/picture_files.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

// Holds every decode of a window's preview loader until the test lets it through, and counts
// what the worker did.
struct HeldDecodes {
    QSemaphore gate;
    std::atomic<int> started{0};
    std::atomic<int> running{0};
    std::atomic<int> mostAtOnce{0};
    std::mutex lock;
    QStringList paths;
    QList<bool> stopped;   // whether each decode had been told to stop when it was let through

    void install(PreviewLoader* loader)
    {
        QVERIFY(loader);
        loader->decode = [this](const QString& path, int side, const std::atomic<bool>& stop) {
            {
                std::lock_guard<std::mutex> hold(lock);
                paths << QFileInfo(path).fileName();
            }
            const int now = ++running;
            for (int most = mostAtOnce; now > most && !mostAtOnce.compare_exchange_weak(most, now);)
                ;
            ++started;
            gate.acquire();
            {
                std::lock_guard<std::mutex> hold(lock);
                stopped << stop.load();
            }
            const PictureProbe probe = probePicture(path);
            LoadedPicture loaded = loadPicture(probe, previewLongSide(probe, side));
            --running;
            return loaded;
        };
    }
    QStringList decoded()
    {
        std::lock_guard<std::mutex> hold(lock);
        return paths;
    }
    // No worker may stay blocked past the test.
    ~HeldDecodes()
    {
        gate.release(100);
        QTest::qWait(0);
        for (int i = 0; i < 200 && running > 0; ++i)
            QTest::qWait(10);
    }
};

// The arrow-key scenario both windows share: `files` lists A.jpg, B.jpg, C.jpg with A.jpg shown
// in the preview and the worker held.
void arrowingWhileDecoding(HeldDecodes& held, QListWidget* files, PreviewImage* image,
                           QLabel* caption, const QString& folder)
{
    QCOMPARE(image->picturePath(), folder + QStringLiteral("/A.jpg"));
    const QImage shownA = image->picture();

    // Down to B.jpg: its decode starts and is held; the selection has moved, the caption says
    // "Loading", the old picture stays.
    QTest::keyClick(files, Qt::Key_Down);
    QCOMPARE(files->currentItem()->text(), QStringLiteral("B.jpg"));
    QTRY_COMPARE(held.started.load(), 2);
    QCOMPARE(caption->text(), QStringLiteral("Loading"));
    QCOMPARE(image->picturePath(), folder + QStringLiteral("/A.jpg"));
    QVERIFY(image->isVisible());

    // Down again while B.jpg decodes: answered at once; C.jpg waits, no second decode starts.
    QTest::keyClick(files, Qt::Key_Down);
    QCOMPARE(files->currentItem()->text(), QStringLiteral("C.jpg"));
    QTest::qWait(50);
    QCOMPARE(held.started.load(), 2);

    // B.jpg's picture arrives superseded: dropped, and C.jpg's decode starts.
    held.gate.release();
    QTRY_COMPARE(held.started.load(), 3);
    QTest::qWait(20);
    QCOMPARE(image->picturePath(), folder + QStringLiteral("/A.jpg"));
    QCOMPARE(caption->text(), QStringLiteral("Loading"));

    // The latest one wins.
    held.gate.release();
    QTRY_COMPARE(image->picturePath(), folder + QStringLiteral("/C.jpg"));
    QCOMPARE(caption->text(), QStringLiteral("C.jpg"));
    QVERIFY(image->isVisible());
    QVERIFY(image->picture() != shownA);
    QCOMPARE(held.decoded(), (QStringList{"A.jpg", "B.jpg", "C.jpg"}));
    QCOMPARE(held.mostAtOnce.load(), 1);
    {
        std::lock_guard<std::mutex> hold(held.lock);
        QCOMPARE(held.stopped, (QList<bool>{false, true, false}));
    }
}

void makePictures(const PictureFolder& pics)
{
    QVERIFY(pics.picture("A.jpg", 640, 480, QColor(200, 40, 40)));
    QVERIFY(pics.picture("B.jpg", 640, 480, QColor(40, 200, 40)));
    QVERIFY(pics.picture("C.jpg", 640, 480, QColor(40, 40, 200)));
}

} // namespace

class PreviewWorkerTest : public QObject {
    Q_OBJECT
private slots:
    void openWindowAnswersKeysWhileAPreviewDecodes()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        PictureFolder pics;
        makePictures(pics);
        rig.program->state.OpenViewSetting = 1;
        rig.window().action("mnuOpen")->trigger();
        OpenPictureWindow* open = rig.program->form10;
        QVERIFY(open);
        HeldDecodes held;
        held.install(open->findChild<PreviewLoader*>());
        auto* files = open->findChild<FileList*>("File1");
        QString error;
        QVERIFY(open->findChild<FolderList*>("Dir1")->setPath(pics.path(), error));
        files->setFocus();
        files->setCurrentRow(0);
        held.gate.release();
        auto* image = open->findChild<PreviewImage*>("Image1");
        QTRY_COMPARE(image->picturePath(), pics.file("A.jpg"));
        arrowingWhileDecoding(held, files, image, open->findChild<QLabel*>("Label9"), pics.path());
    }

    void editorAnswersKeysWhileAPreviewDecodes()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        PictureFolder pics;
        makePictures(pics);
        PictureListEditor& editor = rig.program->editor();
        editor.setViewState(1);
        rig.window().action("mnuEdit")->trigger();
        HeldDecodes held;
        held.install(editor.findChild<PreviewLoader*>());
        auto* files = editor.findChild<FileList*>("File1");
        QString error;
        QVERIFY(editor.findChild<FolderList*>("Dir1")->setPath(pics.path(), error));
        files->setFocus();
        files->setCurrentRow(0);
        held.gate.release();
        auto* image = editor.findChild<PreviewImage*>("Image1");
        QTRY_COMPARE(image->picturePath(), pics.file("A.jpg"));
        arrowingWhileDecoding(held, files, image, editor.findChild<QLabel*>("Label10"),
                              pics.path());
    }

    // The preview is decoded no larger than its square needs; the picture opened from it is
    // still decoded for the game area, and the viewer still gets the picture's own size.
    void previewsAreDecodedAtThePreviewsSize()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        PictureFolder pics;
        QVERIFY(pics.picture("Big.jpg", 1600, 1200));
        rig.program->state.OpenViewSetting = 1;
        rig.window().action("mnuOpen")->trigger();
        OpenPictureWindow* open = rig.program->form10;
        QString error;
        QVERIFY(open->findChild<FolderList*>("Dir1")->setPath(pics.path(), error));
        auto* files = open->findChild<FileList*>("File1");
        files->setCurrentRow(0);
        auto* image = open->findChild<PreviewImage*>("Image1");
        QTRY_COMPARE(image->picturePath(), pics.file("Big.jpg"));
        const int side = previewSide(image);
        QVERIFY(image->picture().width() >= side && image->picture().height() >= side);
        QVERIFY2(image->picture().height() < 2 * side, qPrintable(QString::number(side)));
        QCOMPARE(open->previewNaturalSize(), QSize(1600, 1200));
        // A decode told to stop gives no picture.
        const std::atomic<bool> raised{true};
        QCOMPARE(loadPicture(pics.file("Big.jpg"), side, &raised).error,
                 QString::fromLatin1(kStoppedDecode));

        open->findChild<QPushButton*>("Open")->click();
        QTRY_VERIFY(rig.program->form10.isNull());
        const auto* clip = dynamic_cast<const QtPictureClip*>(rig.game().gameServices().clip);
        QVERIFY(clip);
        QCOMPARE(QSize(clip->pixelWidth(), clip->pixelHeight()), QSize(1600, 1200));
        QVERIFY(clip->image().width() > 2 * side);
    }
};

QTEST_MAIN(PreviewWorkerTest)
#include "test_preview_worker.moc"
