// Start-up applies the settings file to the game window and shows only that window.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QtTest>

#include "game/ui/game_window.h"
#include "help/ui/intro_picture_holder.h"
#include "pictures/ui/picture_list_editor.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void defaultsApplyToTheGameWindow()
    {
        ProgramRig rig({"Cat.jpg", "Fig.jpg"});
        QVERIFY(!rig.program->form2->pictureRead());
        GameWindow& w = rig.window();
        QCOMPARE(w.objectName(), QStringLiteral("Form9"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Welcome to Quiltra v1.3"));
        for (const char* name : {"mnuEffects", "SndInt", "SndMv", "SndEnd", "mnuSv"}) {
            QVERIFY2(w.action(name)->isChecked(), name);
            QVERIFY2(w.action(name)->isEnabled(), name);
        }
        QCOMPARE(rig.program->pictures.List2, (std::vector<std::string>{"Cat.jpg", "Fig.jpg"}));
        QCOMPARE(w.action("mnuPict(0)")->text(), QStringLiteral("Cat.jpg"));
        QCOMPARE(w.action("mnuPict(1)")->text(), QStringLiteral("Fig.jpg"));
        QCOMPARE(rig.game().form().BackColor, 0xC0C0C0u);
        // No window but the game window is shown.
        QVERIFY(w.isVisible());
        QVERIFY(!rig.program->form2->isVisible());
        // Windows the first one does not show are not built until they are first used.
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(top->objectName() != QLatin1String("Form1") &&
                         top->objectName() != QLatin1String("Form10"),
                     qPrintable(top->objectName()));
        QVERIFY(rig.program->form10.isNull());
        PictureListEditor& editor = rig.program->editor();
        QVERIFY(!editor.isVisible());
        QCOMPARE(editor.lists().List2, (std::vector<std::string>{"Cat.jpg", "Fig.jpg"}));
        QCOMPARE(&rig.program->editor(), &editor);
        // The intro picture is read when the intro first needs it, not before the first window.
        QVERIFY(!rig.program->form2->pictureRead());
        rig.advance(0.1);
        QVERIFY(rig.program->form2->pictureRead());
        QCOMPARE(rig.program->form2->picture().size(), QSize(573, 367));
        QCOMPARE(rig.game().gameServices().clip->pixelWidth(), 573);
    }

    // A hand-made list of 247 entries: every entry has its item, found by name, in submenus of
    // 100 named for their first and last pictures; an item plays its own entry, and a new size
    // leaves the items as they were.
    void aLongListIsInThePictureMenuInGroups()
    {
        const QStringList names{"Cat.jpg",    "Fig.jpg",       "Wine.jpg",    "Sunset.jpg",
                                "Coffee.jpg", "Dragonfly.jpg", "Nuthatch.jpg"};
        std::string init = "*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,";
        std::vector<std::string> entries;
        for (int i = 0; i < 247; ++i) {
            const QString name = names[i % names.size()];
            entries.push_back((dataFolder() + "/Graphics/" + name).toStdString());
            init += entries.back() + ",";
        }
        init += "end\n";
        ProgramRig rig({}, false, &init);
        rig.finishIntro();
        GameWindow& w = rig.window();

        for (int i = 0; i < 247; ++i) {
            QAction* item = w.action(QStringLiteral("mnuPict(%1)").arg(i));
            QVERIFY2(item, qPrintable(QString::number(i)));
            QCOMPARE(item->text(), names[i % names.size()]);
        }
        QVERIFY(!w.action("mnuPict(247)"));
        QStringList groups;
        QList<QMenu*> groupMenus;
        for (QAction* a : w.findChild<QMenu*>("mnuPic")->actions())
            if (a->menu()) {
                groups << a->text();
                groupMenus << a->menu();
            }
        QCOMPARE(groups, (QStringList{QStringLiteral("Cat.jpg \u2013 Fig.jpg"),
                                      QStringLiteral("Wine.jpg \u2013 Sunset.jpg"),
                                      QStringLiteral("Coffee.jpg \u2013 Fig.jpg")}));
        QCOMPARE(groupMenus[1]->actions().size(), 100);
        QCOMPARE(groupMenus[1]->actions().first(), w.action("mnuPict(100)"));
        QCOMPARE(groupMenus[2]->actions().size(), 47);
        QCOMPARE(groupMenus[2]->actions().last(), w.action("mnuPict(246)"));

        const int chosen = rig.game().menus().mnuCurrent().Caption == "Coffee.jpg" ? 152 : 151;
        QAction* item = w.action(QStringLiteral("mnuPict(%1)").arg(chosen));
        item->trigger();
        QCOMPARE(rig.program->state.CurrentPicturePath, entries[std::size_t(chosen)]);
        w.runGame([&] { rig.game().mnuSize_Click(0); });
        QCOMPARE(w.action(QStringLiteral("mnuPict(%1)").arg(chosen)), item);
    }

    void switchesFollowTheFile()
    {
        // Sound effects off: the three sound items are disabled but keep their own marks.
        const std::string init =
            "*,10753,7600,30,40,255,65280,&H00FF00,0,1,2,-1,0,0,0,end\n";
        ProgramRig rig({}, false, &init);
        GameWindow& w = rig.window();
        QVERIFY(!w.action("mnuEffects")->isChecked());
        QVERIFY(w.action("SndInt")->isChecked());
        QVERIFY(!w.action("SndMv")->isChecked());
        QVERIFY(!w.action("SndEnd")->isChecked());
        for (const char* name : {"SndInt", "SndMv", "SndEnd"})
            QVERIFY2(!w.action(name)->isEnabled(), name);
        QVERIFY(!w.action("mnuSv")->isChecked());
        QCOMPARE(rig.game().form().BackColor, 0x00FF00u);
        QCOMPARE(rig.program->state.SelectionColor, 255.0);
        QCOMPARE(rig.program->editor().viewState(), std::int16_t(0));
        QCOMPARE(rig.game().form().Window.Width, 10753.0);
        QCOMPARE(rig.game().form().Window.Top, 40.0);
    }

    void exitWithoutSaveOnExitKeepsTheStartupPreferences()
    {
        const std::string init = "*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,end\n";
        ProgramRig rig({}, false, &init);
        Game& g = rig.game();
        // Save On Exit and Move switched off and a background chosen, in Preferences.
        QVERIFY(g.menus().mnuSv().Checked && g.menus().SndMv().Checked);
        rig.colors.answers.push_back(0x123456);
        rig.window().runGame([&] {
            g.mnuSv_Click();
            g.mnuColor_Click();
            g.SndMv_Click();
        });
        QVERIFY(!g.menus().mnuSv().Checked && !g.menus().SndMv().Checked);
        QCOMPARE(g.form().BackColor, 0x123456u);
        rig.messages.answers.push_back(MessageResult::Yes);
        QVERIFY(g.closeRequest());
        QVERIFY(rig.program->Save_Info());
        QCOMPARE(QString::fromStdString(rig.folder.read("init.txt")),
                 QStringLiteral("*,9550,6750,20,20,8454016,8454143,12632256,1,1,1,1,1,1,0,end\n"));

        rig.window().runGame([&] { g.mnuSv_Click(); });
        QVERIFY(g.menus().mnuSv().Checked);
        QVERIFY(rig.program->Save_Info());
        QCOMPARE(QString::fromStdString(rig.folder.read("init.txt")),
                 QStringLiteral("*,9550,6750,20,20,8454016,8454143,1193046,1,1,0,1,1,1,1,end\n"));
    }

    void whatSaveInfoWritesStartsTheNextRunInTheSameState()
    {
        ProgramRig first({"Cat.jpg", "Wine.jpg"});
        Game& g = first.game();
        first.colors.answers.push_back(0x010203);
        first.window().runGame([&] {
            g.mnuColor_Click();
            g.mnuEffects_Click();
        });
        QCOMPARE(g.form().BackColor, 0x010203u);
        QVERIFY(!g.menus().mnuEffects().Checked);
        first.program->state.HintColor = 77;
        first.program->editor().setViewState(2);
        first.program->state.ExitSaving = true;
        QVERIFY(first.program->Save_Info());
        const std::string written = first.folder.read("init.txt");

        ProgramRig second({}, false, &written);
        // The pictures of the first folder still exist, so the list comes back whole.
        QCOMPARE(second.program->pictures.List1, first.program->pictures.List1);
        QCOMPARE(second.game().form().BackColor, 0x010203u);
        QVERIFY(!second.game().menus().mnuEffects().Checked);
        QVERIFY(!second.game().menus().SndInt().Enabled);
        QCOMPARE(second.program->state.HintColor, 77.0);
        // Saved before the editor was ever built, the View box keeps the state it was read in.
        QVERIFY(second.program->Save_Info());
        QCOMPARE(second.folder.read("init.txt"), written);
        QCOMPARE(second.program->editor().viewState(), std::int16_t(2));
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
