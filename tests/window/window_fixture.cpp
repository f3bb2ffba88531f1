// A program folder in a temporary directory and a whole program started in it.
#include "window/window_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <cmath>
#include <filesystem>

#include "game/ui/game_window.h"
#include "platform/window_units.h"

namespace quiltra::test {

namespace fs = std::filesystem;

QString dataFolder() { return qEnvironmentVariable("QUILTRA_DATA_DIR"); }

QRect pieceOnScreen(const Game& g, int k)
{
    const Piece& p = g.board().piece(k);
    return QRect(int(std::lround(toPixels(g.form().Picture2.Left + p.Left))),
                 int(std::lround(toPixels(g.form().Picture2.Top + p.Top))),
                 int(std::lround(toPixels(g.board().pieceWidth()))),
                 int(std::lround(toPixels(g.board().pieceHeight()))));
}

bool dropUrl(GameWindow& w, const QUrl& url)
{
    QMimeData data;
    data.setUrls({url});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
    return true;
}

ProgramRig::ProgramRig(const QStringList& pictures, bool allPictures, const std::string* initText,
                       const QString& startPicture,
                       const std::function<void(const TempFolder&)>& prepare)
{
    const fs::path data = dataFolder().toStdString();
    const fs::path root = folder.path();
    fs::create_directories(root / "Graphics");
    fs::copy(data / "Sound", root / "Sound", fs::copy_options::recursive);
    fs::copy(data / "intro.bmp", root / "intro.bmp");
    fs::copy(data / "portable.txt", root / "portable.txt");
    for (const auto& entry : fs::directory_iterator(data / "Graphics")) {
        const QString name = QString::fromStdString(entry.path().filename().string());
        if (allPictures || pictures.contains(name))
            fs::copy(entry.path(), root / "Graphics" / entry.path().filename());
    }
    if (initText)
        folder.write("init.txt", *initText);
    if (prepare)
        prepare(folder);

    GameServices services;
    services.clock = &clock;
    services.random = &random;
    services.sound = &sound;
    services.messages = &messages;
    services.colors = &colors;
    program = std::make_unique<Program>(QString::fromStdString(folder.path()), &services, startPicture);
}

Game& ProgramRig::game() { return program->form9->game(); }

void ProgramRig::advance(double seconds)
{
    clock.advance(seconds);
    program->form9->tick();
}

void ProgramRig::finishIntro()
{
    for (int i = 0; i < 200 && (isBusy(game().form().GameState)); ++i)
        advance(0.25);
    advance(4.1);
}

QString ProgramRig::path(const QString& name) const
{
    return QString::fromStdString(folder.path()) + QLatin1Char('/') + name;
}

} // namespace quiltra::test
