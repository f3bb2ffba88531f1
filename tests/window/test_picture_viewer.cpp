// The Picture Viewer driven through Qt: opening in the opener's place, the Size caption, held zoom
// keys and the Zoom panel, Original Size and Fit to screen, click to centre, its Help, the return
// to the opener, and a 48-megapixel picture within the memory budget.
#include <QAction>
#include <QLabel>
#include <QtTest>

#include "game/ui/game_window.h"
#include "help/ui/help_window.h"
#include "platform/ui/picture_loader.h"
#include "viewer/ui/picture_viewer.h"
#include "viewer/ui/viewer_canvas.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

QImage gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
    return image;
}

// A viewer opened by the game window on a generated picture of w x h pixels.
PictureViewer* openOn(ProgramRig& rig, int w, int h)
{
    return rig.program->openViewer(ViewCaller::GameWindow, "test.jpg", gradient(w, h), QSize(w, h),
                                   &rig.window());
}

void key(QWidget* w, QEvent::Type type, Qt::Key k, bool repeat = false,
         Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent event(type, k, mods, QString(), repeat);
    QApplication::sendEvent(w, &event);
}

// Holding a key: one press and `repeats` auto-repeated presses.
void hold(QWidget* w, Qt::Key k, int repeats, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    key(w, QEvent::KeyPress, k, false, mods);
    for (int i = 0; i < repeats; ++i)
        key(w, QEvent::KeyPress, k, true, mods);
}

void mouse(QWidget* w, QEvent::Type type)
{
    QMouseEvent event(type, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

class PictureViewerTest : public QObject {
    Q_OBJECT
private slots:
    void viewMenuOpensTheCurrentPictureInTheGameWindowsPlace()
    {
        ProgramRig rig({"Coffee.jpg"});
        rig.finishIntro();
        GameWindow& game = rig.window();
        game.action("mnuPicView")->trigger();
        auto* viewer = game.findChild<PictureViewer*>();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(!game.isVisible());
        QVERIFY(rig.game().clock().paused());
        QCOMPARE(viewer->objectName(), QStringLiteral("Form3"));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Quiltra - Picture Viewer:  Press Exit to "
                                                       "return to previous screen.  Coffee.jpg"));
        QCOMPARE(viewer->viewCaller(), ViewCaller::GameWindow);
        QCOMPARE(viewer->pos(), game.pos());
        QCOMPARE(viewer->size(), game.size());
        // 600 x 400 pixels at natural size, centred across, at the margin from the top.
        QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : 9000x6000"));
        QCOMPARE(viewer->displayed(), (viewer::Rect{230, 20, 9000, 6000}));
        QCOMPARE(viewer->canvas()->picture().size(), QSize(600, 400));
        for (const auto& [name, keys] : {std::pair{"mnuNormal", Qt::Key_F5},
                                         std::pair{"mnuFit", Qt::Key_F6},
                                         std::pair{"mnuZoom", Qt::Key_F7}})
            QCOMPARE(viewer->action(name)->shortcut(), QKeySequence(keys));
        QCOMPARE(viewer->action("mnuNormal")->text(), QStringLiteral("&Original Size "));

        viewer->action("mnuOK")->trigger();
        QVERIFY(!viewer->isVisible());
        QVERIFY(game.isVisible());
    }

    void nothingOpensWithoutAPicture()
    {
        ProgramRig rig;
        rig.finishIntro();
        QCOMPARE(rig.game().form().GameState, State::NoPicture);
        rig.window().onPictureViewer();
        QVERIFY(!rig.window().findChild<PictureViewer*>());
        QVERIFY(rig.window().isVisible());
    }

    void aHeldKeyChangesOnlyTheCaptionUntilRelease()
    {
        ProgramRig rig({"Cat.jpg"});
        PictureViewer* viewer = openOn(rig, 640, 480);
        QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : 9600x7200"));
        QVERIFY(!viewer->repeating());   // nothing held: the timer sleeps
        viewer->canvas()->grab();
        const int stretched = viewer->canvas()->stretchCount();
        const viewer::Rect opened = viewer->displayed();

        hold(viewer, Qt::Key_Plus, 4);
        QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : 10100x7575"));
        QCOMPARE(viewer->displayed(), opened);
        viewer->canvas()->grab();
        QCOMPARE(viewer->canvas()->stretchCount(), stretched);
        key(viewer, QEvent::KeyRelease, Qt::Key_Plus, true);   // an auto-repeat release
        QCOMPARE(viewer->displayed(), opened);
        key(viewer, QEvent::KeyRelease, Qt::Key_Plus);
        QCOMPARE(viewer->displayed().Width, 10100);
        QCOMPARE(viewer->displayed().Height, 7575);
        QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : 10100x7575"));
        viewer->canvas()->grab();
        QCOMPARE(viewer->canvas()->stretchCount(), stretched + 1);

        // The numeric pad's keys zoom too; minus keys zoom out.
        hold(viewer, Qt::Key_Minus, 2, Qt::KeypadModifier);
        key(viewer, QEvent::KeyRelease, Qt::Key_Minus, false, Qt::KeypadModifier);
        QCOMPARE(viewer->displayed().Width, 9800);
        hold(viewer, Qt::Key_Plus, 0, Qt::KeypadModifier);
        key(viewer, QEvent::KeyRelease, Qt::Key_Plus, false, Qt::KeypadModifier);
        QCOMPARE(viewer->displayed().Width, 9900);
        // Zooming out stops at 1000 in the smaller dimension, centred in the view.
        hold(viewer, Qt::Key_Minus, 200);
        key(viewer, QEvent::KeyRelease, Qt::Key_Minus);
        QCOMPARE(viewer->displayed().Height, 1000);
        QCOMPARE(viewer->displayed().Left, std::nearbyint((9480 - viewer->displayed().Width) / 2));
        QCOMPARE(viewer->displayed().Top, std::nearbyint((6135 - 1000) / 2.0));
    }

    void theZoomPanelRepeatsOnlyWhileHeld()
    {
        ProgramRig rig({"Cat.jpg"});
        PictureViewer* viewer = openOn(rig, 640, 480);
        QVERIFY(!viewer->zoomPanel()->isVisible());
        viewer->action("mnuZoom")->trigger();
        QVERIFY(viewer->zoomPanel()->isVisible());
        auto* in = viewer->zoomPanel()->findChild<QLabel*>(QStringLiteral("Label1"));
        QCOMPARE(in->text(), QStringLiteral("In (+)"));
        mouse(in, QEvent::MouseButtonPress);
        QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : 9700x7275"));
        QVERIFY(viewer->repeating());
        viewer->Timer1_Timer();
        viewer->Timer1_Timer();
        QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : 9900x7425"));
        QCOMPARE(viewer->displayed().Width, 9600);
        mouse(in, QEvent::MouseButtonRelease);
        QVERIFY(!viewer->repeating());
        QCOMPARE(viewer->displayed().Width, 9900);
        mouse(viewer->zoomPanel()->findChild<QLabel*>(QStringLiteral("Label4")),
              QEvent::MouseButtonRelease);
        QVERIFY(!viewer->zoomPanel()->isVisible());
    }

    void originalSizeAndFitToScreen()
    {
        ProgramRig rig({"Cat.jpg"});
        PictureViewer* viewer = openOn(rig, 640, 480);
        const viewer::Rect opened = viewer->displayed();
        // At natural size Original Size changes nothing, not even a caption a step has changed.
        hold(viewer, Qt::Key_Plus, 0);
        viewer->action("mnuNormal")->trigger();
        QCOMPARE(viewer->displayed(), opened);
        QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : 9700x7275"));

        viewer->action("mnuFit")->trigger();
        QCOMPARE(viewer->displayed(), (viewer::Rect{736, 20, 7987, 5990}));
        QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : 9600x7200"));
        viewer->action("mnuNormal")->trigger();
        QCOMPARE(viewer->displayed(), (viewer::Rect{20, 20, 9600, 7200}));

        // A small picture is enlarged by Fit to screen.
        PictureViewer* small = openOn(rig, 120, 90);
        small->action("mnuFit")->trigger();
        QCOMPARE(small->displayed().Height, 5990);
        QCOMPARE(small->sizeCaption(), QStringLiteral("Size : 1800x1350"));
    }

    void clickToCentre()
    {
        ProgramRig rig({"Cat.jpg"});
        // Narrower than the window: nothing moves, yet the click counts.
        PictureViewer* small = openOn(rig, 300, 200);
        const viewer::Rect before = small->displayed();
        QTest::mouseClick(small->canvas(), Qt::LeftButton, {}, QPoint(int(before.Left / 15) + 20,
                                                                       int(before.Top / 15) + 20));
        QCOMPARE(small->displayed(), before);
        QVERIFY(small->clickCentred());

        PictureViewer* large = openOn(rig, 1600, 1200);
        QVERIFY(!large->clickCentred());
        QTest::mouseClick(large->canvas(), Qt::LeftButton, {}, QPoint(500, 300));
        // The clicked point (7480, 4480 into the picture) comes to (4705, 3075).
        QCOMPARE(large->displayed().Left, 4705 - 7480);
        QCOMPARE(large->displayed().Top, 3075 - 4480);
        QVERIFY(large->clickCentred());
    }

    void helpOpensAtThePictureViewerSection()
    {
        ProgramRig rig({"Cat.jpg"});
        PictureViewer* viewer = openOn(rig, 640, 480);
        viewer->action("mnuHlp")->trigger();
        HelpWindow* help = HelpWindow::current();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->DocTop(), 400 - 55200);
    }

    void closingReturnsToTheWindowThatOpenedIt()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.window().hide();   // the Open Picture window has taken the game window's place
        QWidget openPicture;
        openPicture.show();
        PictureViewer* viewer = rig.program->openViewer(ViewCaller::OpenPicture, "preview.jpg",
                                                        gradient(64, 48), QSize(64, 48),
                                                        &openPicture);
        QVERIFY(viewer->isVisible());
        QVERIFY(!openPicture.isVisible());
        QCOMPARE(viewer->viewCaller(), ViewCaller::OpenPicture);
        QVERIFY(viewer->windowTitle().endsWith(QStringLiteral("  preview.jpg")));
        viewer->action("mnuOK")->trigger();
        QVERIFY(openPicture.isVisible());
        QVERIFY(!rig.window().isVisible());
        // No picture, no viewer.
        QVERIFY(!rig.program->openViewer(ViewCaller::Editor, "x", QImage(), {}, &openPicture));
        QVERIFY(openPicture.isVisible());
    }

    void aPictureBeyondTheBudgetIsDecodedReduced()
    {
        ProgramRig rig({"Cat.jpg"});
        struct Case {
            int w, h;
            QSize decoded;
        } cases[] = {
            {8000, 6000, QSize(4000, 3000)},   // 48 megapixels: halved to fit 64 MiB
            {3000, 2000, QSize(3000, 2000)},   // within the budget: natural size
        };
        for (const Case& c : cases) {
            QImage grey(c.w, c.h, QImage::Format_Grayscale8);
            for (int y = 0; y < c.h; ++y)
                memset(grey.scanLine(y), y * 255 / c.h, size_t(c.w));
            const QString path = rig.path(QStringLiteral("big.jpg"));
            QVERIFY(grey.save(path, "JPEG", 50));
            grey = QImage();
            const LoadedPicture preview = loadPicture(path);
            QVERIFY(preview.ok());
            QVERIFY(preview.image.width() <= 2048);   // the game's own decode
            PictureViewer* viewer = rig.program->openViewer(ViewCaller::GameWindow, "big.jpg",
                                                            preview.image, preview.naturalSize,
                                                            &rig.window(), path);
            QCOMPARE(viewer->picture().size(), c.decoded);
            QVERIFY(viewer->picture().sizeInBytes() <= kViewerPictureBudgetBytes);
            QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : %1x%2").arg(c.w * 15).arg(c.h * 15));
            const QString tip = viewer->action("mSize")->toolTip();
            QCOMPARE(tip.contains(QStringLiteral("copy of 4000 x 3000")), c.decoded.width() == 4000);
            viewer->close();
        }

        // A picture window's small preview of a PNG beyond the budget: the viewer shows the
        // loader's bounded copy, as the preview once held it, not the preview stretched.
        QImage grey(4200, 4100, QImage::Format_Grayscale8);
        grey.fill(128);
        const QString png = rig.path(QStringLiteral("big.png"));
        QVERIFY(grey.save(png, "PNG", 0));
        grey = QImage();
        const LoadedPicture small = loadPicture(png, 128);
        QVERIFY(small.ok());
        QVERIFY(small.image.width() <= 128);
        PictureViewer* viewer = rig.program->openViewer(ViewCaller::OpenPicture, "big.png",
                                                        small.image, small.naturalSize,
                                                        &rig.window(), png);
        QCOMPARE(viewer->picture().size(), loadPicture(png).image.size());
        QVERIFY(viewer->picture().width() > 1000);
        viewer->close();
    }
};

QTEST_MAIN(PictureViewerTest)
#include "test_picture_viewer.moc"
