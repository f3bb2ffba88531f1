// Taking a picture into play: load through the picture clip, fit, size list, cut, and the board
// widget's first paint (which scales the picture once) into an offscreen image.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench_inputs.h"
#include "bench_rig.h"
#include "game/ui/board_widget.h"
#include "platform/ui/qt_picture_clip.h"

namespace quiltra::bench {

namespace {

// The game, its picture clip and a board widget of the game area's size, outside any window.
struct PictureRig {
    ProgramState program;
    PictureList pictures;
    test::FakeClock clock;
    ClockSeededRandom random;
    SilentSound sound;
    test::ScriptedMessages messages;
    test::ScriptedColors colors;
    QtPictureClip clip;
    Game game;
    BoardWidget board;
    QImage target;

    explicit PictureRig(int screen)
        : game(program, pictures, services()), board(game, clip)
    {
        program.ProgramFolder = program.SettingsFolder = "/nonexistent";
        game.Form_Load();
        if (screen > 0)
            game.mnuScreen_Click(screen);
        // The game area below the menu bar: the window less its nominal frame.
        const QSize client(qRound((game.form().Window.Width - 120) / kTwipsPerPixel),
                           qRound((game.form().Window.Height - 750) / kTwipsPerPixel));
        board.resize(client);
        // As the game window does: pictures are decoded as large as the game area shows them.
        clip.setShownArea(client);
        target = QImage(client, QImage::Format_ARGB32_Premultiplied);
    }

    GameServices services()
    {
        GameServices s;
        s.clock = &clock;
        s.random = &random;
        s.sound = &sound;
        s.messages = &messages;
        s.clip = &clip;
        s.colors = &colors;
        return s;
    }

    // The steps a listed picture goes through when it is chosen, then the first paint.
    bool takeIntoPlay(const std::string& path)
    {
        std::string error;
        if (!clip.load(path, error))
            return false;
        ++game.form().pictureGeneration;
        game.pic_handler();
        game.Find_Size();
        game.Set_Size();
        game.Divide_Pic();
        board.render(&target);
        return game.board().PieceCount > 0;
    }
};

void BM_TakePicture(benchmark::State& state, Input input, int screen)
{
    const QString path = inputPath(input);
    if (path.isEmpty()) {
        state.SkipWithError("the input picture could not be generated");
        return;
    }
    PictureRig rig(screen);
    const std::string file = path.toStdString();
    for (auto _ : state) {
        if (!rig.takeIntoPlay(file)) {
            state.SkipWithError("the picture was not taken into play");
            break;
        }
    }
    state.SetLabel(QStringLiteral("%1 x %2 px, decoded %3 x %4")
                       .arg(rig.clip.pixelWidth())
                       .arg(rig.clip.pixelHeight())
                       .arg(rig.clip.image().width())
                       .arg(rig.clip.image().height())
                       .toStdString());
}

// Each input in the default window, and the 24-megapixel photo in the largest one.
const bool registered = [] {
    struct Case {
        const char* name;
        Input input;
        int screen;
    };
    for (const Case& c : {Case{"TakePicture/jpeg-1mp", Input::Jpeg1MP, 0},
                          Case{"TakePicture/jpeg-12mp", Input::Jpeg12MP, 0},
                          Case{"TakePicture/jpeg-24mp", Input::Jpeg24MP, 0},
                          Case{"TakePicture/jpeg-48mp", Input::Jpeg48MP, 0},
                          Case{"TakePicture/gif-0.8mp", Input::Gif, 0},
                          Case{"TakePicture/bmp-1.9mp", Input::Bmp, 0},
                          Case{"TakePicture/jpeg-24mp/largest-screen", Input::Jpeg24MP, 5}})
        benchmark::RegisterBenchmark(c.name, BM_TakePicture, c.input, c.screen)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0);
    return true;
}();

} // namespace

} // namespace quiltra::bench
