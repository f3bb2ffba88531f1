// Pictures whose file names are not UTF-8 (a Latin-1 "Lat\xe9n1.jpg"): they are listed, played,
// stored byte for byte and shown readably everywhere a path crosses between Qt and the OS.
#include <QAction>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QtTest>
#include <filesystem>
#include <random>
#include <unistd.h>

#include "game/ui/game_window.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/ui/open_picture_window.h"
#include "pictures/ui/picture_list_editor.h"
#include "platform/ui/native_path.h"
#include "platform/ui/picture_loader.h"
#include "platform/ui/qt_picture_clip.h"
#include "startup/settings_file.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

const std::string kName = "Lat\xe9n1.jpg";       // é in Latin-1: not UTF-8
const std::string kFolder = "D\xfcr";            // ü in Latin-1
const QString kShownName = QStringLiteral("Lat\uFFFDn1.jpg");
const QString kShownFolder = QStringLiteral("D\uFFFDr");

// A copy of a supplied picture under a name of raw bytes.
void copyPicture(const char* supplied, const std::string& to)
{
    fs::create_directories(fs::path(to).parent_path());
    fs::copy_file(fs::path(dataFolder().toStdString()) / "Graphics" / supplied, to);
}

// Graphics/ of a program folder gets the Latin-1 picture, a copy of Fig.jpg.
void addLatin1Picture(const TempFolder& programFolder)
{
    copyPicture("Fig.jpg", programFolder / ("Graphics/" + kName));
}

QStringList itemTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QListWidgetItem* itemShowing(QListWidget* list, const QString& text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

// Drops a file URL as a file manager sends it: the name's bytes percent-encoded.
bool dropEncodedUrl(GameWindow& w, const std::string& path)
{
    return dropUrl(w, QUrl::fromEncoded("file://" +
                                        QByteArray::fromStdString(path).toPercentEncoding("/")));
}

} // namespace

class NativeNamesTest : public QObject {
    Q_OBJECT
private slots:
    void everyByteStringSurvivesTheWindowsForm()
    {
        std::vector<std::string> cases = {
            kName, "caf\xc3\xa9.jpg", "\xf0\x9f\x98\x80.jpg", "\xc0\x80", "\xed\xa0\x80",
            "\xf4\x90\x80\x80", "\xe2\x82", "\xe2\x82\xac\xff", "\xed\xb3\xa9", "a\0b"s};
        for (int b = 0; b < 256; ++b)
            for (int c = 0; c < 256; c += 17)
                cases.push_back(std::string{char(b), char(c)});
        std::mt19937 draw(7);
        for (int i = 0; i < 20000; ++i) {
            std::string s(std::size_t(1 + draw() % 12), '\0');
            for (char& ch : s)
                ch = char(draw() % 4 == 0 ? 0x80 + draw() % 0x80 : draw() % 256);
            cases.push_back(s);
        }
        for (const std::string& bytes : cases) {
            const QString held = fromNativePath(bytes);
            QCOMPARE(toNativePath(held), bytes);
            // Valid UTF-8 is held as the text it is, so Qt's own names mean the same.
            const QString decoded = QString::fromStdString(bytes);
            if (decoded.toStdString() == bytes) {
                QCOMPARE(held, decoded);
                QCOMPARE(readableName(held), decoded);
            }
        }
        // Text from Qt encodes as UTF-8.
        QCOMPARE(toNativePath(QStringLiteral("caf\u00e9 \U0001F600")), "caf\xc3\xa9 \xf0\x9f\x98\x80"s);
        QCOMPARE(readableName(fromNativePath("/a/" + kFolder + "/" + kName)),
                 QStringLiteral("/a/") + kShownFolder + QStringLiteral("/") + kShownName);
    }

    void theLoaderAndTheClipDecodeIt()
    {
        TempFolder pics;
        copyPicture("Fig.jpg", pics / kName);
        const std::string bmp = pics / "Lat\xe9n2.bmp";
        QVERIFY(QImage(300, 200, QImage::Format_RGB32).save(QString::fromStdString(pics / "plain.bmp")));
        fs::rename(pics / "plain.bmp", bmp);

        const LoadedPicture jpeg = loadPicture(fromNativePath(pics / kName));
        QVERIFY2(jpeg.ok(), qPrintable(jpeg.error));
        const LoadedPicture other = loadPicture(fromNativePath(bmp));
        QVERIFY2(other.ok(), qPrintable(other.error));
        QCOMPARE(other.naturalSize, QSize(300, 200));

        QtPictureClip clip;
        std::string error;
        QVERIFY2(clip.load(bmp, error), error.c_str());
        QCOMPARE(clip.pixelWidth(), 300);
        QVERIFY2(clip.load(pics / kName, error), error.c_str());
        QCOMPARE(QSize(clip.pixelWidth(), clip.pixelHeight()), jpeg.naturalSize);
        QVERIFY(!clip.load(pics / "Lat\xe9n3.jpg", error));
        QCOMPARE(error, std::string("File not found"));
    }

    // The default list takes it, the intro plays it, and "init.txt" keeps its bytes.
    void theDefaultListKeepsAndPlaysIt()
    {
        ProgramRig rig({}, false, nullptr, {}, addLatin1Picture);
        const std::string path = rig.folder / ("Graphics/" + kName);
        const std::string first = rig.folder.read("init.txt");
        rig.finishIntro();
        const PictureList& lists = rig.program->editor().lists();
        QCOMPARE(lists.List1, std::vector<std::string>{path});
        QCOMPARE(lists.List2, std::vector<std::string>{kName});
        QCOMPARE(rig.program->state.CurrentPicturePath, path);
        QCOMPARE(rig.game().menus().mnuCurrent().Caption, kName);
        QVERIFY(rig.game().form().Image1.Visible);
        QVERIFY(rig.messages.shown.empty());
        QCOMPARE(rig.window().action("mnuPict(0)")->text(), kShownName);

        // The list after the first run is the list before it, byte for byte.
        QVERIFY(rig.program->Save_Info());
        const std::vector<std::string> before = splitFields(first);
        const std::vector<std::string> after = splitFields(rig.folder.read("init.txt"));
        QCOMPARE(std::vector<std::string>(after.begin() + 15, after.end()),
                 (std::vector<std::string>{path, "end"}));
        QCOMPARE(std::vector<std::string>(before.begin() + 15, before.end()),
                 (std::vector<std::string>{path, "end"}));
    }

    // The saved game names the picture by its bytes and brings it back.
    void theSavedGameRoundTripsIt()
    {
        ProgramRig rig({"Cat.jpg"}, false, nullptr, {}, addLatin1Picture);
        rig.finishIntro();
        GameWindow& w = rig.window();
        QVERIFY(w.action("mnuPict(1)"));
        QCOMPARE(w.action("mnuPict(1)")->text(), kShownName);
        w.action("mnuPict(1)")->trigger();
        w.action("mnuPuz")->trigger();
        w.runGame([&] {
            rig.game().image2_Click(1);
            rig.game().image2_Click(2);
        });
        w.action("mnuSave")->trigger();
        QVERIFY(rig.messages.shown.empty());
        const std::vector<std::string> fields = splitFields(rig.folder.read("last.txt"));
        QVERIFY(fields.size() > 2);
        QCOMPARE(fields[0], rig.folder / ("Graphics/" + kName));
        QCOMPARE(fields[1], kName);

        w.action("mnuPict(0)")->trigger();
        QCOMPARE(rig.game().menus().mnuCurrent().Caption, std::string("Cat.jpg"));
        w.action("mnuRestore")->trigger();
        QVERIFY(rig.messages.shown.empty());
        QCOMPARE(rig.game().menus().mnuCurrent().Caption, kName);
        QCOMPARE(rig.program->state.CurrentPicturePath, fields[0]);
        QCOMPARE(rig.game().form().GameState, State::Playing);
    }

    // The Open window lists the folder and the picture readably and opens it.
    void theOpenWindowListsAndOpensIt()
    {
        ProgramRig rig({"Cat.jpg"});
        TempFolder pics;
        copyPicture("Fig.jpg", pics / (kFolder + "/" + kName));
        rig.finishIntro();
        rig.window().action("mnuOpen")->trigger();
        OpenPictureWindow* window = rig.program->form10;
        QVERIFY(window);
        auto* folders = window->findChild<FolderList*>("Dir1");
        auto* files = window->findChild<FileList*>("File1");
        QString error;
        QVERIFY(folders->setPath(fromNativePath(pics.path()), error));
        QListWidgetItem* folder = itemShowing(folders, kShownFolder);
        QVERIFY2(folder, qPrintable(itemTexts(folders).join('|')));
        emit folders->itemActivated(folder);
        QCOMPARE(toNativePath(folders->path()), pics / kFolder);
        QCOMPARE(itemTexts(files), QStringList{kShownName});

        files->setCurrentItem(files->item(0));
        window->File1_DblClick();
        QVERIFY(rig.messages.shown.empty());
        QCOMPARE(rig.program->state.CurrentPicturePath, pics / (kFolder + "/" + kName));
        QCOMPARE(rig.game().menus().mnuCurrent().Caption, kName);
        QVERIFY(rig.window().windowTitle().contains(kShownName));
    }

    // The editor lists it, previews it, adds it and stores its bytes.
    void theEditorListsAndAddsIt()
    {
        ProgramRig rig({"Cat.jpg"});
        TempFolder pics;
        copyPicture("Fig.jpg", pics / kName);
        rig.finishIntro();
        PictureListEditor& editor = rig.program->editor();
        rig.window().action("mnuEdit")->trigger();
        editor.setViewState(1);
        QString error;
        QVERIFY(editor.findChild<FolderList*>("Dir1")->setPath(fromNativePath(pics.path()), error));
        auto* files = editor.findChild<FileList*>("File1");
        QCOMPARE(itemTexts(files), QStringList{kShownName});
        files->setCurrentItem(files->item(0));
        QTRY_COMPARE(editor.findChild<QLabel*>("Label10")->text(), kShownName);
        QVERIFY(rig.messages.shown.empty());
        QVERIFY(!editor.previewPicture().isNull());

        editor.findChild<QPushButton*>("Add")->click();
        QVERIFY(rig.messages.shown.empty());
        QCOMPARE(editor.lists().List1.back(), pics / kName);
        QCOMPARE(editor.lists().List2.back(), kName);
        QVERIFY(rig.program->Save_Info());
        QVERIFY(rig.folder.read("init.txt").find("," + (pics / kName) + ",") != std::string::npos);
        editor.findChild<QPushButton*>("OK")->click();
        QVERIFY(rig.window().action("mnuPict(1)"));
        QCOMPARE(rig.window().action("mnuPict(1)")->text(), kShownName);
        rig.window().action("mnuPict(1)")->trigger();
        QCOMPARE(rig.game().menus().mnuCurrent().Caption, kName);
    }

    // Named on the command line (relative to the directory it was named in), or dropped.
    void theCommandLineAndADropTakeIt()
    {
        TempFolder pics;
        copyPicture("Fig.jpg", pics / kName);
        // Starting a program moves the current directory to its folder, so none is kept here.
        QCOMPARE(::chdir(pics.path().c_str()), 0);
        const QString named = absoluteNativePath("./" + kName);
        QCOMPARE(::chdir("/"), 0);
        QCOMPARE(toNativePath(named), pics / kName);

        ProgramRig rig({"Cat.jpg"}, false, nullptr, named);
        rig.finishIntro();
        QVERIFY(rig.messages.shown.empty());
        QCOMPARE(rig.game().menus().mnuCurrent().Caption, kName);
        QCOMPARE(rig.program->state.CurrentPicturePath, pics / kName);

        ProgramRig dropped({"Cat.jpg"});
        dropped.finishIntro();
        QCOMPARE(dropped.game().menus().mnuCurrent().Caption, std::string("Cat.jpg"));
        QVERIFY(dropEncodedUrl(dropped.window(), pics / kName));
        QVERIFY(dropped.messages.shown.empty());
        QCOMPARE(dropped.game().menus().mnuCurrent().Caption, kName);
        QCOMPARE(dropped.program->state.CurrentPicturePath, pics / kName);
    }
};

QTEST_MAIN(NativeNamesTest)
#include "test_native_names.moc"
