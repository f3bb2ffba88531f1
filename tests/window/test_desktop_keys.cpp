// Keys and the wheel as a desktop user expects them: Escape closes each secondary window as its
// own Cancel, Exit or Okay does; the wheel and the page keys scroll the Help text; the wheel
// scrolls a large picture in the Picture Viewer and Ctrl+wheel zooms it one step a notch.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "game/ui/game_window.h"
#include "help/ui/about_window.h"
#include "help/ui/help_window.h"
#include "pictures/ui/open_picture_window.h"
#include "pictures/ui/picture_list_editor.h"
#include "platform/ui/qt_dialogs.h"
#include "viewer/ui/picture_viewer.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

void escape(QWidget* w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

// A wheel turn of `delta` eighths of a degree (120 is one notch) over the window `w`.
void wheel(QWidget* w, int delta, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

PictureViewer* openViewer(ProgramRig& rig, int w, int h)
{
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    return rig.program->openViewer(ViewCaller::GameWindow, "test.jpg", picture, QSize(w, h),
                                   &rig.window());
}

// The contrast ratio of two colours by their relative luminances (sRGB), 1 to 21.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// One notch of the desktop's setting, in twips.
int notchTwips() { return QApplication::wheelScrollLines() * 240; }

} // namespace

class DesktopKeysTest : public QObject {
    Q_OBJECT
private slots:
    void escapeClosesEachWindowAsItsOwnButton()
    {
        ProgramRig rig({"Cat.jpg", "Fig.jpg"});
        rig.finishIntro();
        GameWindow& game = rig.window();

        game.action("mnuAbout")->trigger();
        QPointer<AboutWindow> about = AboutWindow::current();
        QVERIFY(about && about->isVisible());
        escape(about);
        QVERIFY(!about || !about->isVisible());
        QVERIFY(!AboutWindow::current());

        game.action("mnuContents")->trigger();
        QPointer<HelpWindow> help = HelpWindow::current();
        QVERIFY(help && help->isVisible());
        escape(help);
        QVERIFY(!help || !help->isVisible());
        QVERIFY(!HelpWindow::current());

        game.action("mnuPicView")->trigger();
        auto* viewer = game.findChild<PictureViewer*>();
        QVERIFY(viewer && viewer->isVisible() && !game.isVisible());
        escape(viewer);
        QVERIFY(!viewer->isVisible());
        QVERIFY(game.isVisible());

        game.action("mnuOpen")->trigger();
        QPointer<OpenPictureWindow> open = rig.program->form10;
        QVERIFY(open && open->isVisible() && !game.isVisible());
        open->findChild<QCheckBox*>("View")->setChecked(false);
        escape(open);
        QVERIFY(!open || !open->isVisible());
        QVERIFY(game.isVisible());
        QCOMPARE(rig.program->state.OpenViewSetting, std::int16_t(0));   // kept, as Cancel does

        // The editor's Escape throws away the edits, as Cancel does.
        PictureListEditor& editor = rig.program->editor();
        const std::vector<std::string> committed = editor.lists().List1;
        game.action("mnuEdit")->trigger();
        QVERIFY(editor.isVisible());
        auto* list = editor.findChild<QListWidget*>("List2");
        list->item(0)->setSelected(true);
        editor.findChild<QPushButton*>("Remove")->click();
        QCOMPARE(editor.lists().List1.size(), committed.size() - 1);
        escape(list);
        QVERIFY(!editor.isVisible());
        QVERIFY(game.isVisible());
        QCOMPARE(editor.lists().List1, committed);
    }

    void theWheelAndThePageKeysScrollTheHelpText()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        rig.window().action("mnuContents")->trigger();
        HelpWindow* help = HelpWindow::current();
        QVERIFY(help);
        help->setDocTop(help::kStartDocTop);
        wheel(help, -120);
        QCOMPARE(help->DocTop(), help::kStartDocTop - notchTwips());
        // A high-resolution wheel's parts of a notch scroll a part each, a notch in all.
        for (int i = 0; i < 8; ++i)
            wheel(help, -15);
        QCOMPARE(help->DocTop(), help::kStartDocTop - 2 * notchTwips());
        wheel(help, 3 * 120);
        QCOMPARE(help->DocTop(), help::kStartDocTop);   // never above the start
        for (int i = 0; i < 200; ++i)
            wheel(help, -120);
        QCOMPARE(help->DocTop(), help::kEndDocTop);     // nor past the end

        help->setDocTop(help::kStartDocTop);
        QTest::keyClick(help, Qt::Key_PageDown);
        QCOMPARE(help->DocTop(), help::kStartDocTop - 5800);
        QTest::keyClick(help, Qt::Key_PageUp);   // a page up is 5600
        QCOMPARE(help->DocTop(), help::kStartDocTop - 200);
    }

    void theWheelScrollsAPictureLargerThanTheViewer()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        // 1500 x 1000 pixels: 22500 x 15000 twips at natural size, at the margin from the corner.
        PictureViewer* viewer = openViewer(rig, 1500, 1000);
        QVERIFY(viewer);
        const viewer::Rect opened = viewer->displayed();
        QCOMPARE(opened.Left, 20.0);
        QCOMPARE(opened.Top, 20.0);
        wheel(viewer, -120);
        QCOMPARE(viewer->displayed().Top, 20.0 - notchTwips());
        QCOMPARE(viewer->displayed().Left, 20.0);
        wheel(viewer, -120, Qt::ShiftModifier);
        QCOMPARE(viewer->displayed().Left, 20.0 - notchTwips());
        for (int i = 0; i < 100; ++i)
            wheel(viewer, -120);
        // The bottom edge stops at the bottom of the view: the view stays covered.
        const viewer::ViewNumbers view = viewer::viewNumbers({rig.game().form().Window.Width, rig.game().form().Window.Height});
        QCOMPARE(viewer->displayed().Top, view.ViewHeight - 15000);
        for (int i = 0; i < 100; ++i)
            wheel(viewer, 120);
        QCOMPARE(viewer->displayed().Top, 20.0);
        QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : 22500x15000"));
        viewer->close();

        // A picture that fits stays where it is.
        PictureViewer* small = openViewer(rig, 300, 200);
        const viewer::Rect before = small->displayed();
        wheel(small, -120);
        wheel(small, -120, Qt::ShiftModifier);
        QCOMPARE(small->displayed(), before);
        small->close();
    }

    void ctrlWheelZoomsOneStepANotch()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        PictureViewer* viewer = openViewer(rig, 600, 400);
        QCOMPARE(viewer->displayed().Width, 9000.0);
        wheel(viewer, 120, Qt::ControlModifier);
        // The step of the zoom control, applied at once: 100 twips wider, the height following.
        QCOMPARE(viewer->displayed().Width, 9100.0);
        QCOMPARE(viewer->displayed().Height, 6067.0);
        QCOMPARE(viewer->sizeCaption(), QStringLiteral("Size : 9100x6067"));
        // A touchpad's small parts zoom only when they make a whole notch.
        for (int i = 0; i < 7; ++i)
            wheel(viewer, 15, Qt::ControlModifier);
        QCOMPARE(viewer->displayed().Width, 9100.0);
        wheel(viewer, 15, Qt::ControlModifier);
        QCOMPARE(viewer->displayed().Width, 9200.0);
        // Two notches at once are two steps; towards the player zooms out.
        wheel(viewer, -240, Qt::ControlModifier);
        QCOMPARE(viewer->displayed().Width, 9000.0);
        QVERIFY(!viewer->zoom().Zooming);
        viewer->close();
    }

    // The Zoom panel shows the game's background colour; its captions must stand out on it
    // (at least 4.5 : 1, the usual rule for text), whatever colour the player chose.
    void theZoomPanelReadsOnEveryBackground()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        const QColor backgrounds[] = {Qt::black,           Qt::white,          QColor(0, 0, 128),
                                      QColor(255, 255, 0), QColor(118, 118, 118), QColor(128, 0, 0),
                                      QColor(0, 128, 128), QColor(192, 192, 192)};
        for (const QColor& background : backgrounds) {
            rig.colors.answers.push_back(fromQColor(background));
            rig.window().runGame([&] { rig.game().mnuColor_Click(); });
            QCOMPARE(rig.game().form().BackColor, fromQColor(background));
            PictureViewer* viewer = openViewer(rig, 600, 400);
            viewer->action("mnuZoom")->trigger();
            QFrame* panel = viewer->zoomPanel();
            QVERIFY(panel->isVisible());
            const QImage shown = panel->grab().toImage();
            QCOMPARE(shown.pixelColor(shown.width() / 2, 2).rgb(), background.rgb());
            for (QLabel* label : panel->findChildren<QLabel*>()) {
                const QColor ink = label->palette().color(QPalette::WindowText);
                QVERIFY2(contrast(ink, background) >= 4.5,
                         qPrintable(background.name() + " " + label->text() + " " + ink.name()));
            }
            viewer->close();
        }
    }
};

QTEST_MAIN(DesktopKeysTest)
#include "test_desktop_keys.moc"
