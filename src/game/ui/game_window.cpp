// The game window (Form9): mirrors the game's state and forwards the player's events to it.
#include "game/ui/game_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QWindowStateChangeEvent>
#include <cmath>

#include "game/ui/board_widget.h"
#include "platform/clock.h"
#include "platform/ui/native_path.h"
#include "platform/ui/picture_loader.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_picture_clip.h"
#include "platform/window_units.h"

namespace quiltra {

namespace {

// The game's code for a key event. Keys are told apart by Qt's own values; every key the game has
// no use for (Shift, Num Lock and the other modifier and lock keys among them) is Key::Other, so
// that no key ever reads as another.
int keyCode(const QKeyEvent* event)
{
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    switch (event->key()) {
    case Qt::Key_P: return Key::P;
    case Qt::Key_F1: return Key::F1;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return keypad ? Key::AddKeypad : Key::Plus;
    case Qt::Key_Minus: return keypad ? Key::SubtractKeypad : Key::Minus;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Return;
    case Qt::Key_Space: return Key::Space;
    default: return Key::Other;
    }
}

// The game area's size in pixels for a window of the given outer size in twips.
QSize clientSize(double width, double height)
{
    return QSize(pixels(width - kFrameWidthTwips), pixels(height - kFrameHeightTwips))
        .expandedTo(QSize(1, 1));
}

// A window manager sends a stream of sizes while the player drags a border; the game area is laid
// out once the stream has paused this long.
constexpr int kResizeSettleMs = 200;

} // namespace

GameWindow::GameWindow(ProgramState& program, PictureList& pictures, GameServices services,
                       QtPictureClip& clip, QWidget* parent)
    : QMainWindow(parent), game_(program, pictures, std::move(services)), clip_(clip)
{
    setObjectName(QStringLiteral("Form9"));
    // Handlers run to their end before the next event is handled; the points at which the game
    // lets pending events run only bring the caption and the board on screen. The board is
    // refreshed, not merely repainted, so that what it paints here counts as shown and the
    // refresh at the handler's end repaints all that differs from it.
    // The title follows the game's caption as it changes; a new size or place the game sets is
    // applied once its handler is done.
    game_.setChangeListener([this](GameChange change) {
        switch (change) {
        case GameChange::Caption:
            setWindowTitle(QString::fromStdString(game_.form().Caption));
            break;
        case GameChange::WindowGeometry:
            geometryChanged_ = true;
            break;
        }
    });
    game_.setEventPump([this] {
        showStatusCorner();
        board_->refreshNow();
    });
    // The solver's answers come from its thread; they are used here, between the window's events.
    game_.setPoster([this](std::function<void()> task) {
        QMetaObject::invokeMethod(this, [this, task = std::move(task)] { runGame(task); },
                                  Qt::QueuedConnection);
    });
    board_ = new BoardWidget(game_, clip_, this);
    setCentralWidget(board_);
    board_->installEventFilter(this);
    menuBar()->installEventFilter(this);
    connect(board_, &BoardWidget::gameChanged, this, [this] {
        refresh();
        schedule();
    });
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GameWindow::tick);
    settleTimer_.setSingleShot(true);
    settleTimer_.setInterval(kResizeSettleMs);
    connect(&settleTimer_, &QTimer::timeout, this, &GameWindow::resizeSettled);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            &GameWindow::applicationStateChanged);
    buildMenus();
    buildStatusCorner();
}

// A rules box changes nothing and does not pause the clock, although it takes the focus from the
// game window while it is open. Turning away from the program altogether still pauses.
void GameWindow::showRules(void (Game::*rules)())
{
    rulesBoxOpen_ = true;
    (game_.*rules)();
    rulesBoxOpen_ = false;
}

void GameWindow::applicationStateChanged(Qt::ApplicationState state)
{
    if (rulesBoxOpen_ && state != Qt::ApplicationActive)
        runGame([this] { game_.lostFocus(); });
}

void GameWindow::openWindow(const std::function<void()>& opener)
{
    // Every command that opens another window pauses the game clock first.
    game_.pauseClock();
    refresh();
    if (opener)
        opener();
}

// The window's outer size in twips includes the nominal frame; the game area widget gets the rest.
// The window manager may resize the window too, down to the smallest size the - key reaches (or
// the size the game set, when that is smaller); a size the game sets ends a maximised state.
void GameWindow::applyGeometry()
{
    if (!geometryChanged_)
        return;
    geometryChanged_ = false;
    applyingGeometry_ = true;
    const QSize client = clientSize(game_.form().Window.Width, game_.form().Window.Height);
    // Pictures are decoded as large as the game area shows them.
    clip_.setShownArea(client * qGuiApp->devicePixelRatio());
    const QSize smallest = clientSize(kSmallestWindowHeight * game_.programState().WindowAspect,
                                      kSmallestWindowHeight);
    board_->setMinimumSize(smallest.boundedTo(client));
    if (board_->size() != client || !isVisible()) {
        if (isMaximized() || isFullScreen())
            showNormal();
        resize(client.width(), client.height() + menuBar()->sizeHint().height());
        board_->resize(client);
    }
    move(pixels(game_.form().Window.Left), pixels(game_.form().Window.Top));
    applyingGeometry_ = false;
}

void GameWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!applyingGeometry_)
        settleTimer_.start();
}

// A size the game itself set needs no new layout; minimising lays nothing out.
void GameWindow::resizeSettled()
{
    if (isMinimized() || !isVisible())
        return;
    const QSize client = board_->size();
    if (client == clientSize(game_.form().Window.Width, game_.form().Window.Height))
        return;
    double width = toTwips(client.width()) + kFrameWidthTwips;
    double height = toTwips(client.height()) + kFrameHeightTwips;
    if (!isMaximized() && !isFullScreen() && sizeBeforeMaximised_) {
        const auto [earlierWidth, earlierHeight] = *sizeBeforeMaximised_;
        sizeBeforeMaximised_.reset();
        if (client == clientSize(earlierWidth, earlierHeight)) {
            width = earlierWidth;
            height = earlierHeight;
        }
    }
    runGame([this, width, height] { game_.windowResized(width, height); });
}

void GameWindow::refresh()
{
    syncMenus();
    applyGeometry();
    showStatusCorner();
    board_->refresh();
}

void GameWindow::schedule()
{
    const std::optional<double> due = game_.nextDue();
    if (!due) {
        timer_.stop();
        return;
    }
    const double wait = (*due - game_.now()) * 1000.0;
    timer_.start(wait <= 0 ? 0 : int(std::ceil(wait)));
}

void GameWindow::tick()
{
    game_.Timer1_Timer();
    refresh();
    schedule();
    noticeIntroEnd();
}

void GameWindow::noticeIntroEnd()
{
    if (!introOver_ && !game_.form().introRunning && !isBusy(game_.form().GameState)) {
        introOver_ = true;
        if (onIntroEnded)
            onIntroEnded();
    }
}

void GameWindow::skipIntro()
{
    runGame([this] { game_.skipIntro(); });
    noticeIntroEnd();
}

void GameWindow::runGame(const std::function<void()>& handler)
{
    handler();
    refresh();
    schedule();
}

void GameWindow::keyPressEvent(QKeyEvent* event)
{
    if (introSkipKey_ != 0 && event->key() == introSkipKey_)
        return;
    // The menus are disabled during the intro, so their shortcut keys come here too.
    if (game_.form().introRunning) {
        // The key only ends the intro: it does not also pause, resize or play.
        introSkipKey_ = event->key();
        skipIntro();
        return;
    }
    const int code = keyCode(event);
    runGame([this, code] { game_.keyDown(code); });
}

void GameWindow::keyReleaseEvent(QKeyEvent* event)
{
    // Holding a key repeats its key-down event; only the final release is a key-up.
    if (event->isAutoRepeat())
        return;
    if (introSkipKey_ != 0 && event->key() == introSkipKey_) {
        introSkipKey_ = 0;
        return;
    }
    const int code = keyCode(event);
    runGame([this, code] { game_.keyUp(code); });
}

void GameWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            runGame([this] { game_.gainedFocus(); });
            if (onGainedFocus)
                onGainedFocus();
        } else if (!rulesBoxOpen_) {
            runGame([this] { game_.lostFocus(); });
        }
    } else if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized())
            runGame([this] { game_.Form_Resize(true); });
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
        if ((windowState() & large) && !(change->oldState() & large))
            sizeBeforeMaximised_ = std::pair(game_.form().Window.Width, game_.form().Window.Height);
    }
    QMainWindow::changeEvent(event);
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->accept();
        return;
    }
    bool end = false;
    runGame([this, &end] { end = game_.closeRequest(); });
    if (!end) {
        event->ignore();
        return;
    }
    closing_ = true;
    if (onSaveInfo)
        onSaveInfo();
    event->accept();
    QCoreApplication::exit(0);
}

namespace {

// The one local picture file a drag carries, or nothing. A picture is known by its name or, when
// the name does not tell (a photo saved without its extension), by its first bytes.
QString droppedPicture(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QString path = localFileOfUrl(data->urls().front());
    if (path.isEmpty() || (!isPictureFileName(path) && pictureFormat(path).isEmpty()))
        return {};
    return path;
}

} // namespace

// A BMP, GIF, JPEG, PNG, WebP or TIFF file dropped on the window is taken into play once the intro is over.
void GameWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (introOver_ && !droppedPicture(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void GameWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedPicture(event->mimeData());
    if (!introOver_ || path.isEmpty())
        return;
    event->acceptProposedAction();
    if (onDropPicture)
        onDropPicture(path);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && game_.form().introRunning &&
        (watched == board_ || watched == menuBar())) {
        // A click during the intro only ends it.
        skipIntro();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && game_.solvePlaying() &&
        (watched == board_ || watched == menuBar())) {
        // A click stops Solve where it is; on the board it does nothing else, while the menu bar
        // still opens its menu.
        runGame([this] { game_.stopSolveByPlayer(); });
        if (watched == board_)
            return true;
    }
    if (watched == board_ && event->type() == QEvent::MouseButtonPress && onGameAreaPressed)
        onGameAreaPressed();
    return QMainWindow::eventFilter(watched, event);
}

void GameWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (!applyingGeometry_ && isVisible())
        game_.windowMoved(toTwips(pos().x()), toTwips(pos().y()));
}

} // namespace quiltra
