// Finding one's own pictures: the drive lists offer the home and Pictures folders of the XDG user
// directories, and the Open Picture window starts in the folder of the picture in play, however
// that picture came.
#include <QAction>
#include <QtTest>
#include <cstdlib>

#include "game/ui/game_window.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/ui/open_picture_window.h"
#include "pictures/ui/picture_list_editor.h"
#include "platform/ui/volumes.h"
#include "window/picture_files.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

// Sets an environment variable for the life of the value, then puts the old one back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QString& value) : name_(name)
    {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        old_ = had_ ? old : "";
        setenv(name, value.toLocal8Bit().constData(), 1);
    }
    ~ScopedVariable() { had_ ? setenv(name_, old_.c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

QStringList driveEntries(const DriveList* drives)
{
    QStringList entries;
    for (int i = 0; i < drives->count(); ++i)
        entries << drives->itemData(i).toString();
    return entries;
}

QString startFolderOfOpenWindow(ProgramRig& rig)
{
    rig.window().action("mnuOpen")->trigger();
    OpenPictureWindow* open = rig.program->form10;
    if (!open)
        return QStringLiteral("<no window>");
    const QString folder = open->findChild<FolderList*>("Dir1")->path();
    open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return folder;
}

} // namespace

class FindingPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void theDriveListsOfferTheHomeAndPicturesFolders()
    {
        PictureFolder t;
        const QString home = t.file("home"), photos = home + "/My Photos";
        QVERIFY(QDir().mkpath(photos) && QDir().mkpath(home + "/Pictures"));
        QVERIFY(t.bytes("config/user-dirs.dirs", "# written by xdg-user-dirs-update\n"
                                                 "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                 "XDG_PICTURES_DIR=\"$HOME/My Photos\"\n"));
        ScopedVariable h("HOME", home), c("XDG_CONFIG_HOME", t.file("config"));
        QVERIFY(t.picture("home/My Photos/Beach.jpg", 640, 480));

        ProgramRig rig({"Cat.jpg"});
        rig.finishIntro();
        rig.window().action("mnuOpen")->trigger();
        OpenPictureWindow* open = rig.program->form10;
        QVERIFY(open);
        auto* drives = open->findChild<DriveList*>("Drive1");
        const QStringList entries = driveEntries(drives);
        // The volumes first, the root among them, then the home folder and the Pictures folder.
        QCOMPARE(entries.front(), QStringLiteral("/"));
        QCOMPARE(entries.mid(entries.size() - 2), QStringList({home, photos}));
        const int at = drives->findData(photos);
        drives->setCurrentIndex(at);
        emit drives->activated(at);
        QCOMPARE(open->findChild<FolderList*>("Dir1")->path(), photos);
        QVERIFY(!open->findChild<FileList*>("File1")->findItems("Beach.jpg", Qt::MatchExactly).isEmpty());
        QCOMPARE(drives->drive(), photos);   // the entry that holds the folder most closely
        open->close();

        auto* editorDrives = rig.program->editor().findChild<DriveList*>("Drive1");
        const QStringList editorEntries = driveEntries(editorDrives);
        QCOMPARE(editorEntries.mid(editorEntries.size() - 2), QStringList({home, photos}));

        // Without the desktop's file, ~/Pictures; without that folder, the home folder alone.
        QVERIFY(QFile::remove(t.file("config/user-dirs.dirs")));
        QCOMPARE(playerFolders(), (std::vector<QString>{home, home + "/Pictures"}));
        QVERIFY(QDir(home + "/Pictures").removeRecursively());
        QCOMPARE(playerFolders(), std::vector<QString>{home});
        // A Pictures folder named but missing is left out; one turned off ($HOME) falls back.
        QVERIFY(t.bytes("config/user-dirs.dirs", "XDG_PICTURES_DIR=\"/no/such/folder\"\n"));
        QCOMPARE(playerFolders(), std::vector<QString>{home});
        QVERIFY(t.bytes("config/user-dirs.dirs", "XDG_PICTURES_DIR=\"" + photos.toLocal8Bit() +
                                                     "/\"\n"));
        QCOMPARE(playerFolders(), (std::vector<QString>{home, photos}));
        QVERIFY(QDir().mkpath(home + "/Pictures"));
        QVERIFY(t.bytes("config/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/\"\n"));
        QCOMPARE(playerFolders(), (std::vector<QString>{home, home + "/Pictures"}));
    }

    void theOpenWindowStartsInTheFolderOfThePictureInPlay()
    {
        PictureFolder pics;
        for (const char* name : {"given/Start.png", "dropped/Drop.jpg", "opened/Open.bmp"})
            QVERIFY(pics.picture(name, 640, 480));
        ProgramRig rig({"Cat.jpg"}, false, nullptr, pics.file("given/Start.png"));
        rig.finishIntro();
        GameWindow& w = rig.window();
        const QString graphics = rig.path("Graphics");
        // The command line.
        QCOMPARE(rig.game().menus().mnuCurrent().Caption, std::string("Start.png"));
        QCOMPARE(startFolderOfOpenWindow(rig), pics.file("given"));
        // The Picture menu.
        w.action("mnuPict(0)")->trigger();
        QCOMPARE(startFolderOfOpenWindow(rig), graphics);
        // A drop, then a saved game brought back after another picture.
        QVERIFY(dropUrl(w, QUrl::fromLocalFile(pics.file("dropped/Drop.jpg"))));
        QCOMPARE(startFolderOfOpenWindow(rig), pics.file("dropped"));
        w.action("mnuPuz")->trigger();
        w.runGame([&] {
            rig.game().image2_Click(1);
            rig.game().image2_Click(2);
        });
        w.action("mnuSave")->trigger();
        w.action("mnuPict(0)")->trigger();
        w.action("mnuRestore")->trigger();
        QCOMPARE(rig.game().menus().mnuCurrent().Caption, std::string("Drop.jpg"));
        QCOMPARE(startFolderOfOpenWindow(rig), pics.file("dropped"));
        // The Open window's own double click.
        w.action("mnuOpen")->trigger();
        OpenPictureWindow* open = rig.program->form10;
        QString error;
        QVERIFY(open->findChild<FolderList*>("Dir1")->setPath(pics.file("opened"), error));
        auto* files = open->findChild<FileList*>("File1");
        files->setCurrentRow(0);
        open->File1_DblClick();
        QCOMPARE(rig.game().menus().mnuCurrent().Caption, std::string("Open.bmp"));
        QCOMPARE(startFolderOfOpenWindow(rig), pics.file("opened"));
        // A folder that has gone since: the folder last opened with the Open button, as before.
        QVERIFY(QDir(pics.file("opened")).removeRecursively());
        QCOMPARE(startFolderOfOpenWindow(rig), graphics);
    }
};

QTEST_MAIN(FindingPicturesTest)
#include "test_finding_pictures.moc"
