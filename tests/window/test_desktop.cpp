// The game window as a desktop citizen: a picture file dropped on it, and a picture named on the
// command line, are taken into play once the intro is over; bad files only say why.
#include <QMimeData>
#include <QUrl>
#include <QtTest>
#include <cstdio>
#include <unistd.h>

#include "game/ui/game_window.h"
#include "window/picture_files.h"
#include "window/window_fixture.h"

using namespace quiltra;
using namespace quiltra::test;

namespace {

// Drags a file onto the window and drops it; returns whether the window accepted the drag.
bool dropFile(GameWindow& w, const QString& path)
{
    return dropUrl(w, QUrl::fromLocalFile(path));
}

// What the program writes to standard error while it lives.
class TerminalCapture {
public:
    TerminalCapture()
    {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        file_ = std::tmpfile();
        dup2(fileno(file_), STDERR_FILENO);
    }
    ~TerminalCapture()
    {
        restore();
        std::fclose(file_);
    }
    QString text()
    {
        restore();
        std::rewind(file_);
        QByteArray all;
        char buffer[4096];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, file_))
            all.append(buffer, qsizetype(n));
        return QString::fromLocal8Bit(all);
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    int saved_ = -1;
    std::FILE* file_ = nullptr;
};

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void aDroppedPictureIsTakenIntoPlay()
    {
        PictureFolder files;
        QVERIFY(files.picture("dropped.jpg", 640, 480));
        QVERIFY(files.bytes("broken.jpg", "not a picture at all"));
        QVERIFY(files.bytes("notes.txt", "a text file"));
        ProgramRig rig({"Cat.jpg"});
        GameWindow& w = rig.window();
        QVERIFY(!dropFile(w, files.file("dropped.jpg"))); // not during the intro
        rig.finishIntro();
        Game& g = rig.game();
        QCOMPARE(g.menus().mnuCurrent().Caption, std::string("Cat.jpg"));

        QVERIFY(!dropFile(w, files.file("notes.txt")));
        QVERIFY(dropFile(w, files.file("broken.jpg")));
        QCOMPARE(g.menus().mnuCurrent().Caption, std::string("Cat.jpg"));
        QCOMPARE(rig.messages.shown.back().title, std::string("Quiltra"));
        QCOMPARE(QString::fromStdString(rig.messages.shown.back().text),
                 files.file("broken.jpg") + "\nUnsupported image format");

        QVERIFY(dropFile(w, files.file("dropped.jpg")));
        QCOMPARE(g.menus().mnuCurrent().Caption, std::string("dropped.jpg"));
        QCOMPARE(rig.program->state.CurrentPicturePath, files.file("dropped.jpg").toStdString());
        QCOMPARE(g.form().GameState, State::WholePicture);
        QVERIFY(g.form().Image1.Visible && g.board().pieceCount() > 0);
        QCOMPARE(w.windowTitle().left(30), QStringLiteral("Quiltra - puzzle: dropped.jpg "));

        // PNG, WebP and TIFF are taken as well, and a picture is known by its bytes when its
        // name has no extension.
        for (const QString name : {"dropped.png", "dropped.webp", "dropped.tif"}) {
            QVERIFY(files.picture(name, 320, 240));
            QVERIFY2(dropFile(w, files.file(name)), qPrintable(name));
            QCOMPARE(QString::fromStdString(g.menus().mnuCurrent().Caption), name);
        }
        QVERIFY(files.picture("photo.png", 330, 240));
        QVERIFY(QFile::rename(files.file("photo.png"), files.file("photo")));
        QVERIFY(dropFile(w, files.file("photo")));
        QCOMPARE(g.menus().mnuCurrent().Caption, std::string("photo"));
        QCOMPARE(g.form().Image1.Width, Single(330 * 15));
    }

    void aPictureOnTheCommandLineReplacesTheListPicture()
    {
        PictureFolder files;
        QVERIFY(files.picture("start.bmp", 300, 200));
        const QString good = files.file("start.bmp");
        ProgramRig rig({"Cat.jpg"}, false, nullptr, good);
        rig.finishIntro();
        QCOMPARE(rig.game().menus().mnuCurrent().Caption, std::string("start.bmp"));
        QCOMPARE(rig.game().form().Image1.Width, Single(300 * 15));

        // A bad file says which and why, in the box and on the terminal, and the list's picture
        // stays.
        QVERIFY(files.picture("tiny.bmp", 120, 120));
        const struct {
            QString file, reason;
        } cases[] = {
            {files.file("missing.jpg"), "File not found"},
            {files.file("tiny.bmp"), "Picture is too small to divide into a puzzle."},
        };
        for (const auto& c : cases) {
            TerminalCapture terminal;
            ProgramRig bad({"Cat.jpg"}, false, nullptr, c.file);
            bad.finishIntro();
            const QString said = terminal.text();
            QVERIFY2(said.contains("quiltra: " + c.file + ": " + c.reason + "\n"), qPrintable(said));
            QCOMPARE(bad.game().menus().mnuCurrent().Caption, std::string("Cat.jpg"));
            QCOMPARE(bad.messages.shown.size(), size_t(1));
            QCOMPARE(bad.messages.shown[0].title, std::string("Quiltra"));
            QCOMPARE(QString::fromStdString(bad.messages.shown[0].text), c.file + "\n" + c.reason);
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
