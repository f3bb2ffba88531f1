// Desktop habits of the game window: a click or a key skips the intro.
#include <QAction>
#include <QApplication>
#include <QRegularExpression>
#include <QtTest>

#include "game/game_window.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

bool enabled(GameWindow& w, const char* name)
{
    QAction* a = w.action(QString::fromLatin1(name));
    return a && a->isEnabled();
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
                QCOMPARE(rig.game().GameState, State::IntroReassembling);
            }
            const std::size_t soundBefore = rig.sound.log.size();
            const double width = rig.game().Width;
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
            QCOMPARE(rig.game().GameState, State::WholePicture);
            QVERIFY2(kShortCaption.match(w.windowTitle()).hasMatch(), qPrintable(w.windowTitle()));
            for (const char* menu : {"mnuFile", "mnuV", "mnuPic", "mnus", "mnuPr", "mnuHe"})
                QVERIFY2(enabled(w, menu), menu);
            QVERIFY(!rig.game().clock().running());
            QCOMPARE(rig.game().Width, width);
            // The intro sound is closed and the move sound opened.
            const std::vector<std::string> after(rig.sound.log.begin() + long(soundBefore),
                                                 rig.sound.log.end());
            const auto at = [&after](const std::string& entry) {
                return std::find(after.begin(), after.end(), entry) - after.begin();
            };
            QVERIFY(at("Command=close") < at("Command=Open"));
            QVERIFY(at("Command=Open") < long(after.size()));
            QVERIFY(after.back() == "Command=Open");
            QVERIFY(rig.sound.log[soundBefore + std::size_t(at("Command=close")) + 1].find(
                        "/Sound/move.wav") != std::string::npos);

            // The intro's remaining steps never run, and nothing of it comes back later.
            const QString title = w.windowTitle();
            rig.advance(10);
            QCOMPARE(w.windowTitle(), title);
            QCOMPARE(rig.game().GameState, State::WholePicture);
            QCOMPARE(rig.sound.count("Command=Play"), by == By::ClickBeforeFirstStep ? 0 : 1);

            // The next + is a key of its own again: one step of 10 twips.
            QTest::keyClick(&w, Qt::Key_Plus);
            QCOMPARE(rig.game().Height, 6750.0 + 10);
        }
    }
};

QTEST_MAIN(DesktopHabitsTest)
#include "test_desktop_habits.moc"
