// Times a listed picture chosen from the Picture menu on the real game window, from the command to
// the whole picture painted and on the display: load + fit + size list + cut + paint.
// Usage: take_picture_timing <picture> [runs]
// The program starts in a temporary folder whose list holds a supplied picture and <picture>;
// each run first chooses the supplied picture (not timed), then <picture>. Prints one line:
//   taken <median ms> decode <median ms> runs <n> decoded <w>x<h> of <w>x<h> pieces <n> shown <w>x<h>
// where decode is the picture clip's load alone, at the size the game area asks for, and shown is
// the whole picture as the board shows it, in device pixels: the one copy the game must hold.
// or, when the picture is refused:  refused <median ms> message "<text>"
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench_rig.h"
#include "game/ui/board_widget.h"
#include "game/ui/game_window.h"
#include "platform/ui/qt_picture_clip.h"
#include "platform/window_units.h"

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <picture> [runs]\n", argv[0]);
        return 2;
    }
    const QString picture = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;

    quiltra::bench::ProgramRig rig({QStringLiteral(QUILTRA_DATA_DIR "/Graphics/Cat.jpg"), picture});
    quiltra::GameWindow& window = rig.window();
    QWidget* board = window.board();
    QElapsedTimer wait;
    wait.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && wait.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);

    std::vector<double> taken, decoded;
    bool refused = false;
    for (int i = 0; i < runs; ++i) {
        rig.choosePicture(0);
        board->repaint();
        QGuiApplication::sync();
        const std::size_t messages = rig.messages.shown.size();

        QElapsedTimer timer;
        timer.start();
        window.runGame([&rig] { rig.game().mnuPict_Click(1); });
        board->repaint();
        QGuiApplication::sync();
        taken.push_back(timer.nsecsElapsed() / 1e6);
        refused = rig.messages.shown.size() != messages;
        QApplication::processEvents();
    }
    if (refused) {
        std::printf("refused %.1f message \"%s\"\n", median(taken),
                    rig.messages.shown.back().text.c_str());
        return 0;
    }
    // The decoding alone, as the game asks for it: a clip told the same game area.
    quiltra::QtPictureClip clip;
    clip.setShownArea(board->size() * qGuiApp->devicePixelRatio());
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        std::string error;
        clip.load(picture.toStdString(), error);
        decoded.push_back(timer.nsecsElapsed() / 1e6);
    }
    const QSize decodedSize = clip.image().size();
    const QSize naturalSize(clip.pixelWidth(), clip.pixelHeight());
    const quiltra::Element& shown = rig.game().form().Image1;
    const double ratio = qGuiApp->devicePixelRatio();
    std::printf("taken %.1f decode %.1f runs %d decoded %dx%d of %dx%d pieces %d shown %dx%d\n",
                median(taken), median(decoded), runs, decodedSize.width(), decodedSize.height(),
                naturalSize.width(), naturalSize.height(), int(rig.game().board().PieceCount),
                int(std::lround(quiltra::pixels(shown.Width) * ratio)),
                int(std::lround(quiltra::pixels(shown.Height) * ratio)));
    return 0;
}
