// The Help window: opening from Contents, the scrolling keys and their limits, the index entries,
// the running text fitting its room, and a fresh layout after Exit.
#include <QAction>
#include <QLabel>
#include <QtTest>

#include "game/ui/game_window.h"
#include "help/ui/help_window.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

HelpWindow* openContents(ProgramRig& rig)
{
    rig.window().action("mnuContents")->trigger();
    return HelpWindow::current();
}

// Where a label stands below the top of the document area, in twips.
int twipsBelowTop(HelpWindow* help, QLabel* label)
{
    return label->mapTo(help->documentPanel()->parentWidget(), QPoint(0, 0)).y() * 15;
}

// "Selecting Picture From List" -> "SELECTING PICTURE FROM LIST": headings keep double spaces.
QString simplifiedUpper(const QString& s) { return s.simplified().toUpper(); }

void forgetClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void keysScrollWithinTheDocument()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        HelpWindow* help = openContents(rig);
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->objectName(), QStringLiteral("Form5"));
        QCOMPARE(help->windowTitle(), QStringLiteral("Quiltra -  Help"));
        QCOMPARE(help->DocTop(), 120);

        struct Step {
            int key;
            int docTop;
        };
        const Step steps[] = {
            {help::Keys::Home, 240},
            {help::Keys::Up, 240},           // nothing above the start
            {help::Keys::Down, 160},
            {help::Keys::PageUp, 240},       // near the start: never past 240
            {help::Keys::PageDown, -5560},
            {help::Keys::PageUp, 40},        // 5800 down and 5600 up do not return
            {help::Keys::End, -58700},
            {help::Keys::Down, -58700},      // at the end Down and Page Down change nothing
            {help::Keys::PageDown, -58700},
            {help::Keys::Up, -58620},
            {help::Keys::PageDown, -58700},  // a page down near the end stops at the end
            {65, -58700},                    // any other key only clamps
            {help::Keys::Home, 240},
        };
        for (const Step& s : steps) {
            help->keyDown(s.key);
            QCOMPARE(help->DocTop(), s.docTop);
        }
        // The real keys reach the same handler.
        QTest::keyClick(help, Qt::Key_End);
        QCOMPARE(help->DocTop(), -58700);
        QTest::keyClick(help, Qt::Key_Home);
        QCOMPARE(help->DocTop(), 240);
        QCOMPARE(help->documentPanel()->y(), 16);
    }

    void everyIndexEntryBringsItsHeading400BelowTheTop()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        HelpWindow* help = openContents(rig);
        QCOMPARE(help->indexCount(), 31);
        std::map<QString, int> docTops;
        for (int i = 0; i < help->indexCount(); ++i) {
            QLabel* entry = help->indexLabel(i);
            help->keyDown(help::Keys::Home);
            QTest::mouseClick(entry, Qt::LeftButton);
            const QString wanted = simplifiedUpper(entry->text());
            bool found = false;
            for (const help::PlacedSection& s : help::layoutDocument())
                for (const help::PlacedHeading& h : s.Headings)
                    if (simplifiedUpper(QString::fromStdString(h.Caption)) == wanted &&
                        help->DocTop() == 400 - h.Top)
                        found = true;
            QVERIFY2(found, qPrintable(entry->text()));
            docTops[entry->text() + QString::number(i)] = help->DocTop();
        }
        // The two "Viewing A Picture" entries lead to different headings.
        QCOMPARE(help->indexLabel(23)->text(), QStringLiteral("Viewing A Picture"));
        QCOMPARE(help->indexLabel(26)->text(), QStringLiteral("Viewing A Picture"));
        QVERIFY(docTops[QStringLiteral("Viewing A Picture23")] !=
                docTops[QStringLiteral("Viewing A Picture26")]);

        // "Picture Viewer Window" puts its heading 400 twips below the top of the document area.
        QTest::mouseClick(help->indexLabel(27), Qt::LeftButton);
        const std::vector<QLabel*> heading = help->headingLabels(QStringLiteral("PICTURE VIEWER WINDOW"));
        QCOMPARE(heading.size(), size_t(1));
        QCOMPARE(heading[0]->objectName(), QStringLiteral("Label82"));
        QVERIFY(std::abs(twipsBelowTop(help, heading[0]) - 400) <= 15);
        QCOMPARE(help->DocTop(), 400 - (55600 - 400));

        // The second "RESIZING THE PICTURE" caption scrolls to the top of that section's text.
        QTest::mouseClick(help->resizingLabel(), Qt::LeftButton);
        QCOMPARE(help->DocTop(), 400 - 55600);
    }

    void runningTextFitsItsRoom()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        HelpWindow* help = openContents(rig);
        int parts = 0;
        for (QLabel* label : help->documentPanel()->findChildren<QLabel*>()) {
            if (!label->wordWrap())
                continue;
            ++parts;
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->text().left(60)));
        }
        QCOMPARE(parts, 29);
    }

    void contentsPausesBringsToFrontAndExitStartsAfresh()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        Game& g = rig.game();
        // The rules boxes do not pause the clock; Contents does.
        rig.window().action("mnuPuz")->trigger();
        rig.window().action("mnuHint")->trigger();
        QVERIFY(g.clock().running() && !g.clock().paused());
        rig.window().action("mnuPz")->trigger();
        rig.window().action("mnuSldr")->trigger();
        QVERIFY(!g.clock().paused());
        HelpWindow* help = openContents(rig);
        QVERIFY(g.clock().paused());
        // Centred over the game window.
        QCOMPARE(help->pos(), QPoint(qRound((g.form().Window.Width - 9550) / 2 / 15 + g.form().Window.Left / 15),
                                     qRound((g.form().Window.Height - 6750) / 2 / 15 + g.form().Window.Top / 15)));

        help->keyDown(help::Keys::End);
        help->showMinimized();
        QVERIFY(help->isMinimized());
        QCOMPARE(openContents(rig), help);   // the same window, restored, scroll kept
        QVERIFY(!help->isMinimized());
        QCOMPARE(help->DocTop(), -58700);

        QPointer<HelpWindow> old = help;
        help->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!help->isVisible());
        forgetClosedWindows();
        QVERIFY(old.isNull());
        HelpWindow* again = openContents(rig);
        QVERIFY(again && again->isVisible());
        QCOMPARE(again->DocTop(), 120);
        QCOMPARE(again->documentPanel()->y(), 8);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "test_help_window.moc"
