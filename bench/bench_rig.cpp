// The whole program in a temporary program folder, for the benchmarks that drive the real window.
#include "bench_rig.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <filesystem>
#include <map>

#include "game/ui/board_widget.h"
#include "game/ui/game_window.h"

namespace quiltra::bench {

namespace {

class PaintCounter : public QObject {
public:
    using QObject::QObject;
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

std::map<QWidget*, PaintCounter*>& counters()
{
    static std::map<QWidget*, PaintCounter*> all;
    return all;
}

} // namespace

int paintsOf(QWidget* widget)
{
    PaintCounter*& counter = counters()[widget];
    if (!counter) {
        counter = new PaintCounter(widget);
        widget->installEventFilter(counter);
        QObject::connect(widget, &QObject::destroyed, [widget] { counters().erase(widget); });
    }
    return counter->paints;
}

ProgramRig::ProgramRig(const QStringList& pictures)
{
    namespace fs = std::filesystem;
    const fs::path data = QUILTRA_DATA_DIR;
    fs::copy(data / "intro.bmp", fs::path(folder.path()) / "intro.bmp");
    // A portable folder keeps its "init.txt" beside the program.
    fs::copy(data / "portable.txt", fs::path(folder.path()) / "portable.txt");
    fs::copy(data / "Sound", fs::path(folder.path()) / "Sound", fs::copy_options::recursive);
    fs::create_directories(fs::path(folder.path()) / "Graphics");
    std::string init = "*,9550,6750,20,20,&H80FF80,&H0080FFFF,12632256,1,1,1,1,1,1,1,";
    for (const QString& p : pictures)
        init += p.toStdString() + ",";
    folder.write("init.txt", init + "end\n");

    GameServices services;
    services.clock = &clock;
    services.random = &random;
    services.sound = &sound;
    services.messages = &messages;
    services.colors = &colors;
    program = std::make_unique<Program>(QString::fromStdString(folder.path()), &services);
    for (int i = 0; i < 400 && isBusy(game().form().GameState); ++i) {
        clock.advance(0.25);
        window().tick();
    }
    clock.advance(4.1);
    window().tick();
    QCoreApplication::processEvents();
}

Game& ProgramRig::game() { return program->form9->game(); }

void ProgramRig::chooseScreenSize(int index)
{
    window().runGame([this, index] { game().mnuScreen_Click(index); });
    QCoreApplication::processEvents();
}

bool ProgramRig::choosePicture(int index)
{
    const int generation = game().form().pictureGeneration;
    window().runGame([this, index] { game().mnuPict_Click(index); });
    QCoreApplication::processEvents();
    return game().form().pictureGeneration != generation;
}

bool ProgramRig::chooseSize(const std::string& prefix)
{
    Game& g = game();
    int index = prefix.empty() ? g.form().SizeCount - 1 : -1;
    for (int i = 0; index < 0 && i < g.form().SizeCount; ++i)
        if (g.menus().mnuSize()[std::size_t(i)].Caption.rfind(prefix + "=", 0) == 0)
            index = i;
    if (index < 0)
        return false;
    window().runGame([this, index] { game().mnuSize_Click(index); });
    QCoreApplication::processEvents();
    return true;
}

void ProgramRig::startGame(const std::string& mode)
{
    window().runGame([this, &mode] {
        if (mode == "slider")
            game().mnuSlide_Click();
        else
            game().mnuPuz_Click();
    });
    if (game().form().GameState == State::WholePicture)
        window().runGame([this] { game().Image1_Click(); });
    QCoreApplication::processEvents();
}

void ProgramRig::clickPiece(int k)
{
    const Game& g = game();
    const Piece& p = g.board().piece(k);
    const QPointF at(toPixels(g.form().Picture2.Left + p.Left + g.board().PieceWidth / 2),
                     toPixels(g.form().Picture2.Top + p.Top + g.board().PieceHeight / 2));
    BoardWidget* board = window().board();
    const QPointF global = board->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(board, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(board, &release);
}

} // namespace quiltra::bench
