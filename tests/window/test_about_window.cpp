// The About window: centred over the game window wherever it stands, its texts and credits, the
// terms of use, and its closing when the player turns back to the game window.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "game/ui/board_widget.h"
#include "game/ui/game_window.h"
#include "help/ui/about_window.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

AboutWindow* openAbout(ProgramRig& rig)
{
    rig.window().action("mnuAbout")->trigger();
    return AboutWindow::current();
}

QString text(QWidget* w, const char* name)
{
    if (auto* l = w->findChild<QLabel*>(QString::fromLatin1(name)))
        return l->text();
    if (auto* b = w->findChild<QPushButton*>(QString::fromLatin1(name)))
        return b->text();
    return QString();
}

// The authors named in the credits file's table: the fourth column, less any remark in brackets.
QStringList creditedAuthors()
{
    QFile file(dataFolder() + QStringLiteral("/CREDITS.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList authors;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QStringList cells = line.split(QLatin1Char('|'));
        if (cells.size() < 6 || !line.contains(QLatin1String(".jpg")))
            continue;
        authors << cells[3].section(QLatin1Char('('), 0, 0).trimmed();
    }
    return authors;
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void centredOverTheGameWindowWhereverItStands()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        Game& g = rig.window().game();
        const std::pair<double, double> places[] = {{20, 20}, {3000, 1515}, {15000, 9000}};
        for (const auto& [left, top] : places) {
            rig.window().runGame([&] { g.windowMoved(left, top); });
            AboutWindow* about = openAbout(rig);
            QVERIFY(about && about->isVisible());
            QVERIFY(g.clock().paused());
            // Outer size 8070 x 4455 twips: the client area with a frame and a title bar.
            QCOMPARE(about->LeftTwips(), (g.form().Window.Width - 8070) / 2 + left);
            QCOMPARE(about->TopTwips(), (g.form().Window.Height - 4455) / 2 + top);
            QCOMPARE(about->pos(), QPoint(qRound(about->LeftTwips() / 15), qRound(about->TopTwips() / 15)));
            QCOMPARE(about->size(), QSize(530, 267));
            about->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            QVERIFY(!about->isVisible());
            QVERIFY(!AboutWindow::current());
        }
    }

    void textsCreditsAndTheTermsOfUse()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        AboutWindow* about = openAbout(rig);
        QCOMPARE(about->objectName(), QStringLiteral("About"));
        QCOMPARE(about->windowTitle(), QStringLiteral("About Quiltra"));
        QCOMPARE(text(about, "Label1"), QStringLiteral("Quiltra"));
        QCOMPARE(text(about, "Label2"), QStringLiteral("Version 1.3, requires Windows 95"));
        QCOMPARE(text(about, "Label8"), QStringLiteral("Warning"));
        QCOMPARE(text(about, "Command1"), QStringLiteral("Okay"));
        QCOMPARE(text(about, "Command2"), QStringLiteral("License Agreement"));
        const QFont title = about->findChild<QLabel*>(QStringLiteral("Label1"))->font();
        QVERIFY(title.bold() && title.italic());
        QCOMPARE(title.pointSizeF(), 13.5);

        const QStringList authors = creditedAuthors();
        QCOMPARE(authors.size(), 20);
        for (const QString& author : authors)
            QVERIFY2(text(about, "Credits").contains(author), qPrintable(author));

        about->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QCOMPARE(rig.messages.shown.size(), size_t(1));
        const ScriptedMessages::Shown& box = rig.messages.shown[0];
        QCOMPARE(box.title, std::string("Quiltra License Agreement"));
        QVERIFY(box.buttons == MessageButtons::Ok);
        const QStringList paragraphs = QString::fromStdString(box.text).split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 2);
        QVERIFY(paragraphs[0].contains(QStringLiteral("without warranty")));
        QVERIFY(paragraphs[1].contains(QStringLiteral("one copy")));
        QVERIFY(about->isVisible());   // the box leaves the About window open
    }

    void turningBackToTheGameWindowClosesIt()
    {
        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        GameWindow& game = rig.window();
        // A press on the game area.
        AboutWindow* about = openAbout(rig);
        QTest::mousePress(game.board(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(game.board(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!about->isVisible());
        QVERIFY(!AboutWindow::current());
        // The game window getting the focus back.
        about = openAbout(rig);
        QVERIFY(about->isVisible());
        QApplication::setActiveWindow(about);
        QApplication::setActiveWindow(&game);
        QVERIFY(!about->isVisible());
    }

    void onlyTheGameWindowShowsAtStartUp()
    {
        ProgramRig rig({"Cat.jpg"});
        for (int i = 0; i < 3; ++i) {
            QStringList shown;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    shown << w->objectName();
            QCOMPARE(shown, QStringList{QStringLiteral("Form9")});
            rig.finishIntro();
        }
    }
};

QTEST_MAIN(AboutWindowTest)
#include "test_about_window.moc"
