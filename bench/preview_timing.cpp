// Times arrowing through a folder of photos in the Open Picture window or the Picture List Editor
// with View checked, on the real window: how long each Down key takes to be answered (the
// selection moved and the list repainted), and how long after the last key the latest preview
// shows, against that picture's preview decode alone.
// Usage: preview_timing <folder> open|editor [keys] [milliseconds between keys]
// Prints one line:
//   answer <median ms> max <ms> latest <ms> decode <ms> keys <n>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_rig.h"
#include "game/ui/game_window.h"
#include "pictures/ui/browse_lists.h"
#include "pictures/ui/open_picture_window.h"
#include "pictures/ui/picture_list_editor.h"
#include "pictures/ui/preview_loader.h"
#include "platform/ui/picture_loader.h"

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs events until `done` holds or `ms` pass; false on the timeout. It sleeps between events,
// woken each millisecond to look, so that it does not take a core from the decoding thread.
template <typename Done>
bool waitFor(Done done, int ms = 20000)
{
    QElapsedTimer t;
    t.start();
    QTimer tick;
    tick.start(1);
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <folder> open|editor [keys] [ms between keys]\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool editor = QByteArray(argv[2]) == "editor";
    const int keys = argc > 3 ? std::max(1, std::atoi(argv[3])) : 4;
    const int gap = argc > 4 ? std::max(0, std::atoi(argv[4])) : 30;

    quiltra::bench::ProgramRig rig({QStringLiteral(QUILTRA_DATA_DIR "/Graphics/Cat.jpg")});
    QWidget* window = nullptr;
    if (editor) {
        rig.program->editor().setViewState(1);
        rig.window().action("mnuEdit")->trigger();
        window = &rig.program->editor();
    } else {
        rig.program->state.OpenViewSetting = 1;
        rig.window().action("mnuOpen")->trigger();
        window = rig.program->form10;
    }
    auto* files = window->findChild<quiltra::FileList*>(QStringLiteral("File1"));
    auto* image = window->findChild<quiltra::PreviewImage*>(QStringLiteral("Image1"));
    QString error;
    if (!window->findChild<quiltra::FolderList*>(QStringLiteral("Dir1"))->setPath(folder, error) ||
        files->count() < keys + 1) {
        std::fprintf(stderr, "%s needs %d pictures\n", argv[1], keys + 1);
        return 1;
    }
    waitFor([&] { return window->windowHandle() && window->windowHandle()->isExposed(); });
    window->activateWindow();
    files->setFocus();
    files->setCurrentRow(0);
    if (!waitFor([&] { return image->picturePath() == files->filePath(files->item(0)); })) {
        std::fprintf(stderr, "the first preview never showed\n");
        return 1;
    }

    std::vector<double> answers;
    QElapsedTimer sinceLast;
    for (int k = 0; k < keys; ++k) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(files, &press);
        QApplication::sendEvent(files, &release);
        files->repaint();
        QGuiApplication::sync();
        answers.push_back(timer.nsecsElapsed() / 1e6);
        sinceLast.start();
        if (k + 1 < keys)
            waitFor([&] { return sinceLast.elapsed() >= gap; });
    }
    const QString last = files->filePath(files->item(keys));
    if (files->currentRow() != keys ||
        !waitFor([&] { return image->picturePath() == last; })) {
        std::fprintf(stderr, "the latest preview never showed\n");
        return 1;
    }
    const double latest = sinceLast.nsecsElapsed() / 1e6;

    // The same picture's preview decode alone, on this thread, as the worker runs it.
    std::vector<double> decodes;
    const int side = quiltra::previewSide(image);
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        const quiltra::PictureProbe probe = quiltra::probePicture(last);
        const quiltra::LoadedPicture p =
            quiltra::loadPicture(probe, quiltra::previewLongSide(probe, side));
        decodes.push_back(timer.nsecsElapsed() / 1e6);
        if (!p.ok())
            return 1;
    }
    std::printf("answer %.2f max %.2f latest %.1f decode %.1f keys %d\n", median(answers),
                *std::max_element(answers.begin(), answers.end()), latest, median(decodes), keys);
    return 0;
}
