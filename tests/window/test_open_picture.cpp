// The Open Picture window driven through its widgets: the folder label, opening pictures of
// every kind by double click and by the Open button, the start folder, file types and preview.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "game/ui/game_window.h"
#include "game/sizes.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/ui/open_picture_window.h"
#include "platform/ui/picture_loader.h"
#include "window/picture_files.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

// A program past its intro with Cat.jpg in play, and a folder of generated pictures.
// `moves` moves of a Puzzle game that change nothing: piece 1 clicked twice, each pair a move.
void playMovesInPlace(Game& g, int moves)
{
    for (int i = 0; i < moves; ++i) {
        g.image2_Click(1);
        g.image2_Click(1);
    }
}

struct OpenRig {
    ProgramRig rig{{"Cat.jpg"}};
    PictureFolder pics;

    OpenRig() { rig.finishIntro(); }
    Game& game() { return rig.game(); }

    OpenPictureWindow* open()
    {
        rig.window().action("mnuOpen")->trigger();
        return rig.program->form10;
    }
    template <typename T>
    T* element(const char* name)
    {
        return rig.program->form10 ? rig.program->form10->findChild<T*>(QLatin1String(name))
                                   : nullptr;
    }
    FileList* files() { return element<FileList>("File1"); }
    FolderList* folders() { return element<FolderList>("Dir1"); }
    bool goTo(const QString& folder)
    {
        QString error;
        return folders()->setPath(folder, error);
    }
    QListWidgetItem* item(const QString& name)
    {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    }
    void select(const QString& name) { files()->setCurrentItem(item(name)); }
    void doubleClick(const QString& name)
    {
        QListWidgetItem* it = item(name);
        QVERIFY2(it, qPrintable(name));
        // Items are laid out when events run.
        QCoreApplication::processEvents();
        QVERIFY(!files()->visualItemRect(it).isEmpty());
        // As the platform delivers it: press, release, the second press as a double click,
        // release.
        const QPoint at = files()->visualItemRect(it).center();
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(files()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(files()->viewport(), Qt::LeftButton, {}, at);
    }
    void clickOpen() { element<QPushButton>("Open")->click(); }
    // Lets the closed window go.
    bool closed()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return rig.program->form10.isNull();
    }
    QStringList listed()
    {
        QStringList names;
        for (int i = 0; i < files()->count(); ++i)
            names << files()->item(i)->text();
        return names;
    }
};

// What the game window shows of the picture in play.
struct GameView {
    std::string caption, current, path;
    int generation;
    bool operator==(const GameView&) const = default;
};
GameView viewOf(const Game& g)
{
    return {g.form().Caption, g.menus().mnuCurrent().Caption, g.programState().CurrentPicturePath, g.form().pictureGeneration};
}

} // namespace

class OpenPictureTest : public QObject {
    Q_OBJECT
private slots:
    void folderLabelShownWholeUpTo26Characters()
    {
        OpenRig r;
        const QString base = r.pics.path();
        QVERIFY(base.size() <= 20);
        const QString at26 = base + "/" + QString(25 - base.size(), 'a');
        const QString at27 = base + "/" + QString(26 - base.size(), 'b');
        // The worked example: 40 characters whose last folder name has 7.
        const QString at40 = base + "/" + QString(31 - base.size(), 'c') + "/Seaside";
        for (const QString& f : {at26, at27, at40})
            QVERIFY(QDir().mkpath(f));
        QCOMPARE(at40.size(), 40);
        r.open();
        QLabel* label = r.element<QLabel>("Label6");

        QVERIFY(r.goTo(at26));
        QCOMPARE(label->text(), at26);
        QVERIFY(r.goTo(at27));
        QCOMPARE(label->text(), at27.left(3) + at27.mid(3, 20 - (27 - base.size())) + "..." +
                                    at27.mid(base.size()));
        QVERIFY(r.goTo(at40));
        QCOMPARE(label->text(), at40.left(15) + ".../Seaside");
    }

    void pictureInPlayClosesWithoutCuttingButResetsTheMoves()
    {
        OpenRig r;
        Game& g = r.game();
        r.rig.window().runGame([&] {
            g.Image1_Click();   // a game in progress, with 7 moves made
            playMovesInPlace(g, 7);
        });
        QCOMPARE(g.counters().moves(), std::int16_t(7));
        const int generation = g.form().pictureGeneration;
        const std::string size = g.menus().mnuCurSize().Caption;

        r.open();
        QVERIFY(!r.rig.window().isVisible());
        QCOMPARE(r.folders()->path(), r.rig.path("Graphics"));
        r.doubleClick("Cat.jpg");

        QVERIFY(r.closed());
        QVERIFY(r.rig.window().isVisible());
        QCOMPARE(g.form().pictureGeneration, generation);
        QCOMPARE(g.counters().moves(), std::int16_t(0));
        QVERIFY(g.form().Image1.Visible);
        QVERIFY(!g.form().Picture2.Visible);
        QCOMPARE(g.form().Caption, "Quiltra - puzzle: Cat.jpg Size: " + size);
        QVERIFY(r.rig.messages.shown.empty());
    }

    void filesThatAreNotPicturesLeaveEverythingAsItWas()
    {
        OpenRig r;
        QVERIFY(r.pics.bytes("notes.jpg", "These are not the pictures you are looking for.\n"));
        QVERIFY(r.pics.bytes("empty.jpg", {}));
        QVERIFY(r.pics.truncated("cut.bmp", 300, 200));
        QVERIFY(r.pics.truncated("cut.jpg", 300, 200));
        QVERIFY(r.pics.hostileBmp("huge.bmp"));
        const GameView before = viewOf(r.game());
        r.open();
        QVERIFY(r.goTo(r.pics.path()));
        for (bool viewing : {false, true}) {
            for (const char* name : {"notes.jpg", "empty.jpg", "cut.bmp", "cut.jpg", "huge.bmp"}) {
                r.rig.messages.shown.clear();
                r.element<ViewBox>("View")->setValue(viewing ? 1 : 0);
                r.files()->clearSelection();
                r.doubleClick(name);
                // The open reports at once; with View checked the selection's preview reports
                // too, when its decode ends.
                QTRY_VERIFY2(int(r.rig.messages.shown.size()) == (viewing ? 2 : 1), name);
                const QString expected = loadPicture(r.pics.file(name)).error;
                QVERIFY2(!expected.isEmpty(), name);
                for (const auto& m : r.rig.messages.shown) {
                    QCOMPARE(QString::fromStdString(m.text), expected);
                    QCOMPARE(m.title, std::string("Quiltra"));
                }
                QVERIFY(!r.closed());
                QVERIFY(r.rig.program->form10->isVisible());
                QVERIFY(!r.element<PreviewImage>("Image1")->isVisible());
                QCOMPARE(r.rig.program->form10->windowTitle(), openPictureCaption());
                QVERIFY(viewOf(r.game()) == before);
                QVERIFY(!r.rig.window().isVisible());
            }
        }
    }

    void validityRuleAndSizesDecide()
    {
        struct Case {
            const char* name;
            int w, h;
            const char* size;   // the size in play after the open; empty when refused
        };
        // 100 x 133 px is 1500 x 1995 twips; 101 px (1515 twips) passes the rule, but 101 x 101
        // has no size to offer (largest grid 2 x 2); 101 x 201 offers 2x5=10.
        const Case cases[] = {{"short.bmp", 100, 133, ""},
                              {"square.bmp", 101, 101, ""},
                              {"tall.bmp", 101, 201, "2x5=10"}};
        for (const Case& c : cases) {
            OpenRig r;
            QVERIFY(r.pics.picture(c.name, c.w, c.h));
            const GameView before = viewOf(r.game());
            r.open();
            QVERIFY(r.goTo(r.pics.path()));
            r.doubleClick(c.name);
            if (*c.size == 0) {
                QCOMPARE(int(r.rig.messages.shown.size()), 1);
                QCOMPARE(r.rig.messages.shown[0].text, std::string(kTooSmallMessage));
                QCOMPARE(r.rig.messages.shown[0].title, std::string("Quiltra"));
                QVERIFY(!r.closed());
                QCOMPARE(r.rig.program->form10->windowTitle(), openPictureCaption());
                QCOMPARE(r.game().menus().mnuCurrent().Caption, before.current);
                QCOMPARE(r.game().form().pictureGeneration, before.generation);
            } else {
                QVERIFY(r.rig.messages.shown.empty());
                QVERIFY(r.closed());
                QCOMPARE(r.game().menus().mnuCurrent().Caption, std::string(c.name));
                QCOMPARE(QString::fromStdString(r.rig.program->state.CurrentPicturePath),
                         r.pics.file(c.name));
                QCOMPARE(r.game().menus().mnuCurSize().Caption, std::string(c.size));
                QCOMPARE(r.rig.window().windowTitle(),
                         QStringLiteral("Quiltra - puzzle: tall.bmp Size: 2x5=10"));
            }
        }
    }

    // The window starts in the folder of the picture in play; the Open button, not the double
    // click, also makes its folder the one to fall back on.
    void openButtonMovesTheStartFolderDoubleClickDoesNot()
    {
        OpenRig r;
        QVERIFY(r.pics.picture("Sea.jpg", 640, 480));
        QVERIFY(r.pics.picture("Sky.jpg", 480, 640));
        const QString graphics = r.rig.path("Graphics");

        r.open();
        QVERIFY(r.goTo(r.pics.path()));
        r.rig.sound.log.clear();
        r.doubleClick("Sea.jpg");
        QVERIFY(r.closed());
        QCOMPARE(r.game().menus().mnuCurrent().Caption, std::string("Sea.jpg"));
        QCOMPARE(r.rig.sound.count("open tone"), 0);

        QCOMPARE(r.rig.program->state.GraphicsFolder, graphics.toStdString());
        // A game of Sea.jpg: the View command offers the original picture.
        r.rig.window().runGame([&] { r.game().mnuPuz_Click(); });
        QCOMPARE(r.game().menus().mnuView().Caption, std::string("Original"));
        r.open();
        QCOMPARE(r.folders()->path(), r.pics.path());
        r.select("Sky.jpg");
        r.clickOpen();
        QVERIFY(r.closed());
        QCOMPARE(r.game().menus().mnuCurrent().Caption, std::string("Sky.jpg"));
        QCOMPARE(r.game().menus().mnuView().Caption, std::string("Puzzle"));
        QCOMPARE(r.rig.sound.count("open tone"), 1);
        QCOMPARE(r.rig.sound.log.back(), std::string("open tone"));

        QCOMPARE(r.rig.program->state.GraphicsFolder, r.pics.path().toStdString());
        r.open();
        QCOMPARE(r.folders()->path(), r.pics.path());
        r.element<QPushButton>("Cancel")->click();
        QVERIFY(r.closed());
        QVERIFY(r.rig.window().isVisible());
    }

    void openButtonWithoutAFileKeepsTheWindow()
    {
        OpenRig r;
        r.rig.window().runGame([&] {
            r.game().Image1_Click();
            playMovesInPlace(r.game(), 4);
        });
        QCOMPARE(r.game().counters().moves(), std::int16_t(4));
        r.open();
        r.files()->clearSelection();
        r.clickOpen();
        QVERIFY(!r.closed());
        QCOMPARE(r.rig.program->form10->windowTitle(), openPictureCaption());
        QCOMPARE(r.game().counters().moves(), std::int16_t(0));
    }

    void missingStartFolderFallsBackToGraphics()
    {
        OpenRig r;
        r.rig.program->state.GraphicsFolder = r.pics.file("gone").toStdString();
        r.open();
        QCOMPARE(r.folders()->path(), r.rig.path("Graphics"));
    }

    void fileTypesAndTypedPatterns()
    {
        OpenRig r;
        for (const char* name : {"a.bmp", "b.jpg", "C.JPG", "d.jpeg", "e.gif", "f.txt", "g.png",
                                 "h.webp", "i.tif", "j.TIFF"})
            QVERIFY(r.pics.bytes(name, "x"));
        r.open();
        QVERIFY(r.goTo(r.pics.path()));
        const QStringList all{"a.bmp", "b.jpg", "C.JPG", "d.jpeg", "e.gif",
                              "g.png", "h.webp", "i.tif", "j.TIFF"};
        QCOMPARE(r.listed(), all);

        // The four original entries first, then one for each of the other types.
        auto* types = r.element<QComboBox>("FileTypes");
        QStringList entries;
        for (int i = 0; i < types->count(); ++i)
            entries << types->itemText(i);
        QCOMPARE(entries, QStringList({"All graphic files", "Bitmap: *.bmp", "GIF: *.gif",
                                       "JPEG: *.jpg", "PNG: *.png", "WebP: *.webp",
                                       "TIFF: *.tif"}));
        const struct {
            int entry;
            QStringList files;
        } choices[] = {{3, {"b.jpg", "C.JPG", "d.jpeg"}}, {1, {"a.bmp"}}, {2, {"e.gif"}},
                       {4, {"g.png"}}, {5, {"h.webp"}}, {6, {"i.tif", "j.TIFF"}}, {0, all}};
        for (const auto& c : choices) {
            types->setCurrentIndex(c.entry);
            emit types->activated(c.entry);
            QCOMPARE(r.listed(), c.files);
        }
        types->lineEdit()->setText("*.txt;*.GIF");
        QTest::keyClick(types->lineEdit(), Qt::Key_Return);
        QCOMPARE(r.listed(), QStringList({"e.gif", "f.txt"}));
    }

    void previewFollowsTheViewBox()
    {
        OpenRig r;
        QVERIFY(r.pics.picture("Sea.jpg", 640, 480));
        r.rig.program->state.OpenViewSetting = 0;
        r.open();
        QVERIFY(r.goTo(r.pics.path()));
        auto* image = r.element<PreviewImage>("Image1");
        auto* caption = r.element<QLabel>("Label9");
        r.select("Sea.jpg");
        QVERIFY(!image->isVisible());
        QVERIFY(caption->text().isEmpty());

        r.element<ViewBox>("View")->click();
        QCOMPARE(caption->text(), QStringLiteral("Loading"));
        QTRY_VERIFY(image->isVisible());
        QCOMPARE(caption->text(), QStringLiteral("Sea.jpg"));
        QCOMPARE(r.rig.program->form10->previewNaturalSize(), QSize(640, 480));

        // A click on the preview hands it to the viewer and hides the window.
        std::vector<std::string> viewed;
        r.rig.program->form10->onViewPicture = [&](const std::string& name) {
            viewed.push_back(name);
        };
        QTest::mouseClick(image, Qt::LeftButton);
        QCOMPARE(viewed, std::vector<std::string>{"Sea.jpg"});
        QVERIFY(!r.rig.program->form10->isVisible());
        QVERIFY(!r.rig.window().isVisible());
        r.rig.program->form10->show();

        r.element<QPushButton>("Cancel")->click();
        QVERIFY(r.closed());
        QCOMPARE(r.rig.program->state.OpenViewSetting, std::int16_t(1));
    }

    void aVolumeThatIsNotReadyKeepsTheFolder()
    {
        OpenRig r;
        r.open();
        auto* drives = r.element<DriveList>("Drive1");
        QCOMPARE(drives->itemData(0).toString(), QStringLiteral("/"));
        const QString before = r.folders()->path();
        drives->addItem("/no/such/volume", "/no/such/volume");
        drives->setCurrentIndex(drives->count() - 1);
        emit drives->activated(drives->count() - 1);
        QCOMPARE(int(r.rig.messages.shown.size()), 1);
        QCOMPARE(r.rig.messages.shown[0].text, std::string("Device unavailable"));
        QCOMPARE(r.folders()->path(), before);
        QCOMPARE(drives->drive(), QStringLiteral("/"));
        emit drives->activated(0);
        QCOMPARE(r.folders()->path(), QStringLiteral("/"));
        QCOMPARE(r.element<QLabel>("Label6")->text(), QStringLiteral("/"));
        QCOMPARE(int(r.rig.messages.shown.size()), 1);
    }
};

QTEST_MAIN(OpenPictureTest)
#include "test_open_picture.moc"
