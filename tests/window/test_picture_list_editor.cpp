// The Picture List Editor driven through its widgets: the 22-entry limit, adding several files,
// the size check, removing, dragging, Cancel and OK, and the preview's messages.
#include <QAction>
#include <QPushButton>
#include <QtTest>

#include "game/ui/game_window.h"
#include "game/sizes.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/ui/picture_list_editor.h"
#include "platform/ui/picture_loader.h"
#include "window/picture_files.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

using Names = std::vector<std::string>;

struct EditorRig {
    ProgramRig rig{{"Cat.jpg", "Fig.jpg", "Wine.jpg"}};
    PictureFolder pics;
    PictureListEditor& editor = rig.program->editor();

    EditorRig() { rig.finishIntro(); }
    Game& game() { return rig.game(); }
    PictureList& lists() { return editor.lists(); }

    void open() { rig.window().action("mnuEdit")->trigger(); }
    template <typename T>
    T* element(const char* name)
    {
        return editor.findChild<T*>(QLatin1String(name));
    }
    FileList* files() { return element<FileList>("File1"); }
    PictureListBox* list() { return element<PictureListBox>("List2"); }
    void click(const char* button) { element<QPushButton>(button)->click(); }
    void goToPictures()
    {
        QString error;
        QVERIFY(element<FolderList>("Dir1")->setPath(pics.path(), error));
    }
    // Selects exactly these files of the file list, the first one current.
    void selectFiles(const QStringList& names)
    {
        files()->clearSelection();
        for (const QString& n : names) {
            const auto found = files()->findItems(n, Qt::MatchExactly);
            QVERIFY2(!found.isEmpty(), qPrintable(n));
            if (n == names.front())
                files()->setCurrentItem(found.front());
            else
                found.front()->setSelected(true);
        }
    }
    QPoint rowCentre(int row)
    {
        QCoreApplication::processEvents();
        return list()->visualItemRect(list()->item(row)).center();
    }
    void drag(int from, int to)
    {
        QTest::mousePress(list()->viewport(), Qt::LeftButton, {}, rowCentre(from));
        QTest::mouseMove(list()->viewport(), rowCentre(to));
        QTest::mouseRelease(list()->viewport(), Qt::LeftButton, {}, rowCentre(to));
    }
    Names shown()
    {
        Names names;
        for (int i = 0; i < list()->count(); ++i)
            names.push_back(list()->item(i)->text().toStdString());
        return names;
    }
    Names menu()
    {
        Names names;
        for (const MenuItem& m : game().menus().mnuPict())
            names.push_back(m.Caption);
        return names;
    }
    std::string path(const char* name) { return pics.file(name).toStdString(); }
};

Names paths(const char* prefix, int n)
{
    Names out;
    for (int i = 0; i < n; ++i)
        out.push_back(prefix + std::to_string(i) + ".jpg");
    return out;
}

} // namespace

class PictureListEditorTest : public QObject {
    Q_OBJECT
private slots:
    void addsSeveralFilesUpTo22Entries()
    {
        EditorRig r;
        for (const char* n : {"a.jpg", "b.jpg", "c.jpg"})
            QVERIFY(r.pics.picture(n, 640, 480));
        r.open();
        QVERIFY(r.editor.isVisible());
        QVERIFY(!r.rig.window().isVisible());
        r.goToPictures();

        r.editor.setEntries(paths("/x/P", 22));
        r.selectFiles({"a.jpg"});
        r.click("Add");
        QCOMPARE(r.lists().List1, paths("/x/P", 22));
        QVERIFY(r.rig.messages.shown.empty());

        // The limit is checked once: 21 entries and three files make 24.
        r.editor.setEntries(paths("/x/P", 21));
        r.selectFiles({"a.jpg", "b.jpg", "c.jpg"});
        r.click("Add");
        Names expected = paths("/x/P", 21);
        for (const char* n : {"a.jpg", "b.jpg", "c.jpg"})
            expected.push_back(r.path(n));
        QCOMPARE(r.lists().List1, expected);
        QCOMPARE(r.lists().List2.back(), std::string("c.jpg"));
        QCOMPARE(r.shown(), r.lists().List2);
        QVERIFY(r.rig.messages.shown.empty());

        // Files already listed are not added again (paths compared exactly).
        r.editor.setEntries({r.path("a.jpg")});
        r.selectFiles({"a.jpg", "b.jpg"});
        r.click("Add");
        QCOMPARE(r.lists().List1, (Names{r.path("a.jpg"), r.path("b.jpg")}));
        r.selectFiles({"a.jpg"});
        r.click("Add");
        QCOMPARE(r.lists().List1.size(), std::size_t(2));
    }

    void refusesWhatCannotBeListedAndAddsNothing()
    {
        EditorRig r;
        QVERIFY(r.pics.picture("ok.jpg", 640, 480));
        QVERIFY(r.pics.picture("short.bmp", 100, 133));
        QVERIFY(r.pics.picture("square.bmp", 101, 101));
        QVERIFY(r.pics.picture("tall.bmp", 101, 201));
        QVERIFY(r.pics.bytes("notes.jpg", "not a picture"));
        QVERIFY(r.pics.picture("say \"cheese\".jpg", 640, 480));
        r.editor.setViewState(0);
        r.open();
        r.goToPictures();
        const Names before = r.lists().List1;
        const struct {
            QStringList files;
            std::string message;   // empty: added
        } cases[] = {
            {{"short.bmp"}, kTooSmallMessage},
            {{"ok.jpg", "square.bmp"}, kTooSmallMessage},
            {{"notes.jpg"}, loadPicture(r.pics.file("notes.jpg")).error.toStdString()},
            {{"say \"cheese\".jpg"}, "\"say \"cheese\".jpg\" cannot be added to the Picture List: "
                                     "its name or folder contains a double quote or a line break."},
            {{"tall.bmp"}, ""},
        };
        for (const auto& c : cases) {
            r.rig.messages.shown.clear();
            r.selectFiles(c.files);
            r.click("Add");
            if (c.message.empty()) {
                QVERIFY(r.rig.messages.shown.empty());
                QCOMPARE(r.lists().List1.back(), r.path("tall.bmp"));
                continue;
            }
            QCOMPARE(int(r.rig.messages.shown.size()), 1);
            QCOMPARE(r.rig.messages.shown[0].text, c.message);
            QCOMPARE(r.rig.messages.shown[0].title, std::string("Quiltra"));
            QCOMPARE(r.lists().List1, before);
            QVERIFY(!r.element<QLabel>("Label9")->isVisible());
        }
    }

    void dragsAnEntryInBothLists()
    {
        EditorRig r;
        r.editor.setEntries({"/p/A.jpg", "/p/B.jpg", "/p/C.jpg", "/p/D.jpg"});
        r.editor.setViewState(0);
        r.open();
        r.drag(0, 0);
        QCOMPARE(r.lists().List2, (Names{"A.jpg", "B.jpg", "C.jpg", "D.jpg"}));
        r.drag(0, 2);
        QCOMPARE(r.lists().List2, (Names{"B.jpg", "C.jpg", "A.jpg", "D.jpg"}));
        QCOMPARE(r.lists().List1, (Names{"/p/B.jpg", "/p/C.jpg", "/p/A.jpg", "/p/D.jpg"}));
        QCOMPARE(r.shown(), r.lists().List2);
        QCOMPARE(r.list()->currentRow(), 2);
        r.drag(3, 0);
        QCOMPARE(r.lists().List1, (Names{"/p/D.jpg", "/p/B.jpg", "/p/C.jpg", "/p/A.jpg"}));
        QCOMPARE(r.lists().List3, (Names{"/p/A.jpg", "/p/B.jpg", "/p/C.jpg", "/p/D.jpg"}));
    }

    void removesSelectedEntries()
    {
        EditorRig r;
        r.editor.setEntries({"/p/A.jpg", "/p/B.jpg", "/p/C.jpg", "/p/D.jpg", "/p/E.jpg"});
        r.open();
        r.list()->item(1)->setSelected(true);
        r.list()->item(3)->setSelected(true);
        QTest::keyClick(r.list(), Qt::Key_Delete);
        QCOMPARE(r.lists().List1, (Names{"/p/A.jpg", "/p/C.jpg", "/p/E.jpg"}));
        QCOMPARE(r.lists().List2, (Names{"A.jpg", "C.jpg", "E.jpg"}));
        r.list()->clearSelection();
        r.list()->item(0)->setSelected(true);
        r.list()->item(2)->setSelected(true);
        r.click("Remove");
        QCOMPARE(r.lists().List1, (Names{"/p/C.jpg"}));
        QCOMPARE(r.shown(), (Names{"C.jpg"}));
    }

    void cancelRestoresTheCommittedListAndTheMenu()
    {
        EditorRig r;
        QVERIFY(r.pics.picture("Sea.jpg", 640, 480));
        QVERIFY(r.pics.picture("Sky.jpg", 640, 480));
        const Names committed = r.lists().List1;
        const Names names = {"Cat.jpg", "Fig.jpg", "Wine.jpg"};
        QCOMPARE(r.lists().List2, names);

        // Picture > Add changes the working list and the menu, not the committed copy.
        r.rig.window().runGame([&] {
            QVERIFY(r.game().takePictureIntoPlay(openedPicture("Sea.jpg", r.pics.path().toStdString())).taken());
        });
        QCOMPARE(r.game().menus().mnuCurrent().Caption, std::string("Sea.jpg"));
        r.rig.window().action("mnuAddCur")->trigger();
        QCOMPARE(r.menu().size(), std::size_t(4));

        r.open();
        QCOMPARE(r.shown().back(), std::string("Sea.jpg"));
        r.goToPictures();
        r.selectFiles({"Sky.jpg"});
        r.click("Add");
        r.list()->clearSelection();
        r.list()->item(1)->setSelected(true);
        r.click("Remove");
        QCOMPARE(r.lists().List2, (Names{"Cat.jpg", "Wine.jpg", "Sea.jpg", "Sky.jpg"}));

        r.click("Cancel");
        QCOMPARE(r.lists().List1, committed);
        QCOMPARE(r.lists().List2, names);
        QCOMPARE(r.shown(), names);
        QCOMPARE(r.menu(), names);
        QVERIFY(!r.editor.isVisible());
        QVERIFY(r.rig.window().isVisible());
        QVERIFY(r.rig.window().action("mnuPict(2)"));
        QVERIFY(!r.rig.window().action("mnuPict(3)"));

        // The close box does the same.
        r.open();
        r.list()->item(0)->setSelected(true);
        r.click("Remove");
        r.editor.close();
        QCOMPARE(r.lists().List1, committed);
        QVERIFY(!r.editor.isVisible());
    }

    void okCommitsAndWritesTheListWithTheStartupPreferences()
    {
        EditorRig r;
        QVERIFY(r.pics.picture("Sea.jpg", 640, 480));
        // A background chosen in Preferences is not saved: only Save On Exit saves current colours.
        r.rig.colors.answers.push_back(0x123456);
        r.rig.window().runGame([&] { r.game().mnuColor_Click(); });
        QCOMPARE(r.game().form().BackColor, 0x123456u);
        r.open();
        r.goToPictures();
        r.selectFiles({"Sea.jpg"});
        r.click("Add");
        r.list()->clearSelection();
        r.list()->item(0)->setSelected(true);
        r.click("Remove");
        r.click("OK");

        const Names expected = {r.rig.path("Graphics/Fig.jpg").toStdString(),
                                r.rig.path("Graphics/Wine.jpg").toStdString(), r.path("Sea.jpg")};
        QCOMPARE(r.lists().List1, expected);
        QCOMPARE(r.lists().List3, expected);
        QCOMPARE(r.menu(), (Names{"Fig.jpg", "Wine.jpg", "Sea.jpg"}));
        QCOMPARE(r.rig.window().action("mnuPict(2)")->text(), QStringLiteral("Sea.jpg"));
        QVERIFY(r.rig.window().isVisible());
        QVERIFY(!r.editor.isVisible());
        std::string file = "*,9550,6750,20,20,8454016,8454143,12632256,1,1,1,1,1,1,1,";
        for (const std::string& p : expected)
            file += p + ",";
        QCOMPARE(r.rig.folder.read("init.txt"), file + "end\n");

        // A later Cancel keeps what OK committed.
        r.open();
        r.list()->item(0)->setSelected(true);
        r.click("Remove");
        r.click("Cancel");
        QCOMPARE(r.lists().List1, expected);
    }

    void okThatCannotWriteTheSettingsSaysSoAndStillCommits()
    {
        EditorRig r;
        r.rig.program->state.SettingsFolder = r.rig.path(QStringLiteral("gone")).toStdString();
        r.open();
        r.list()->clearSelection();
        r.list()->item(0)->setSelected(true);
        r.click("Remove");
        r.click("OK");

        QCOMPARE(r.rig.messages.shown.size(), std::size_t(1));
        QCOMPARE(r.rig.messages.shown[0].title, std::string("Quiltra"));
        const QString text = QString::fromStdString(r.rig.messages.shown[0].text);
        QVERIFY(text.startsWith(
            QStringLiteral("The settings could not be saved to \"init.txt\": ")));
        QCOMPARE(r.lists().List3, r.lists().List1);
        QCOMPARE(r.menu(), (Names{"Fig.jpg", "Wine.jpg"}));
        QVERIFY(r.rig.window().isVisible());
        QVERIFY(!r.editor.isVisible());
    }

    void previewMessages()
    {
        EditorRig r;
        QVERIFY(r.pics.picture("a.jpg", 640, 480));
        QVERIFY(r.pics.bytes("notes.jpg", "not a picture"));
        QVERIFY(r.pics.picture("gone.jpg", 640, 480));
        r.editor.setViewState(0);
        r.open();
        auto* caption = r.element<QLabel>("Label10");
        auto* image = r.element<PreviewImage>("Image1");
        auto* view = r.element<ViewBox>("View");

        // Nothing chosen yet: checking View has nothing to preview.
        view->click();
        QCOMPARE(int(r.rig.messages.shown.size()), 1);
        QCOMPARE(r.rig.messages.shown[0].text, std::string("Invalid picture"));

        // "Invalid file" only for a file that cannot be loaded.
        const auto lastMessage = [&r] {
            return r.rig.messages.shown.empty() ? std::string() : r.rig.messages.shown.back().text;
        };
        r.goToPictures();
        r.rig.messages.shown.clear();
        r.selectFiles({"a.jpg"});
        QTRY_COMPARE(caption->text(), QStringLiteral("a.jpg"));
        QVERIFY(r.rig.messages.shown.empty());
        QVERIFY(image->isVisible());
        QCOMPARE(r.editor.previewNaturalSize(), QSize(640, 480));
        std::vector<std::string> viewed;
        r.editor.onViewPicture = [&](const std::string& name) { viewed.push_back(name); };
        QTest::mouseClick(image, Qt::LeftButton);
        QCOMPARE(viewed, std::vector<std::string>{r.path("a.jpg")});
        QVERIFY(!r.editor.isVisible());
        // The viewer shows the editor again as it was.
        r.editor.show();
        QCOMPARE(caption->text(), QStringLiteral("a.jpg"));
        QVERIFY(image->isVisible());
        r.selectFiles({"notes.jpg"});
        QTRY_COMPARE(int(r.rig.messages.shown.size()), 1);
        QCOMPARE(r.rig.messages.shown[0].text, std::string("Invalid file"));
        QVERIFY(caption->text().isEmpty());
        QVERIFY(r.files()->selectedItems().isEmpty());
        r.selectFiles({"a.jpg"});
        QTRY_COMPARE(caption->text(), QStringLiteral("a.jpg"));
        QCOMPARE(int(r.rig.messages.shown.size()), 1);

        // A file gone since the list was read is reported and leaves the list.
        QVERIFY(QFile::remove(r.pics.file("gone.jpg")));
        r.selectFiles({"gone.jpg"});
        QTRY_COMPARE(lastMessage(), std::string("File not found"));
        QVERIFY(r.files()->findItems("gone.jpg", Qt::MatchExactly).isEmpty());

        // A listed picture that cannot be loaded is reported and taken out of the working list.
        r.rig.messages.shown.clear();
        r.editor.setEntries({"/p/missing.jpg", r.path("a.jpg")});
        r.drag(0, 0);
        QTRY_COMPARE(lastMessage(), std::string("File not found"));
        QCOMPARE(r.lists().List1, (Names{r.path("a.jpg")}));
        QCOMPARE(r.lists().List3.size(), std::size_t(2));
    }
};

QTEST_MAIN(PictureListEditorTest)
#include "test_picture_list_editor.moc"
