// The Picture Viewer (Form3): opening, the View menu, zoom gestures and click to centre.
#include "viewer/ui/picture_viewer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "game/game.h"
#include "platform/ui/native_path.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_picture_clip.h"
#include "platform/translation.h"
#include "platform/window_units.h"
#include "viewer/ui/viewer_canvas.h"

namespace quiltra {

namespace {

//: The two blanks after the colon belong to the title.
const char* const kDesignTitle = QUILTRA_TRANSLATABLE(
    "PictureViewer", "Quiltra - Picture Viewer:  Press Exit to return to previous screen.");

// Virtual key codes of the zoom keys: the numeric pad's plus and minus, and the "=+" and "-"
// keys of the main keyboard.
constexpr int kPadPlus = 107, kPadMinus = 109, kPlus = 187, kMinus = 189;


int zoomKeyCode(const QKeyEvent* event)
{
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return keypad ? kPadPlus : kPlus;
    case Qt::Key_Minus: return keypad ? kPadMinus : kMinus;
    default: return 0;
    }
}

// Black or white, whichever stands out more against `background`: the one with the larger
// contrast ratio of relative luminances (sRGB), so the ink never has less than 4.58 : 1.
QColor contrastingInk(const QColor& background)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(background.redF()) +
                             0.7152 * linear(background.greenF()) +
                             0.0722 * linear(background.blueF());
    const double againstBlack = (luminance + 0.05) / 0.05;
    const double againstWhite = 1.05 / (luminance + 0.05);
    return againstBlack >= againstWhite ? QColor(Qt::black) : QColor(Qt::white);
}

bool zoomsIn(int code) { return code == kPadPlus || code == kPlus; }
bool zoomsOut(int code) { return code == kPadMinus || code == kMinus; }

} // namespace

PictureViewer* PictureViewer::open(const ViewerHost& host, ViewCaller viewCaller, const std::string& name,
                                   const QImage& picture, QSize naturalSize, QWidget* opener,
                                   const QString& path)
{
    if (picture.isNull())
        return nullptr;
    auto* viewer = new PictureViewer(host, viewCaller, name,
                                     viewerPicture(picture, naturalSize, path), opener);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    if (opener)
        opener->hide();
    return viewer;
}

PictureViewer* PictureViewer::openFromGame(const ViewerHost& host)
{
    const Game& g = *host.game;
    if (g.form().GameState == State::NoPicture)
        return nullptr;
    const auto* clip = dynamic_cast<const QtPictureClip*>(g.gameServices().clip);
    if (!clip)
        return nullptr;
    return open(host, ViewCaller::GameWindow, g.menus().mnuCurrent().Caption, clip->image(),
                QSize(clip->pixelWidth(), clip->pixelHeight()), host.gameWindow,
                fromNativePath(host.program->CurrentPicturePath));
}

PictureViewer::PictureViewer(const ViewerHost& host, ViewCaller viewCaller, std::string name,
                             ViewerPicture picture, QWidget* opener)
    : QMainWindow(opener ? opener : host.gameWindow, Qt::Window), host_(host),
      viewCaller_(viewCaller), ViewPicName_(std::move(name)), opener_(opener), picture_(std::move(picture))
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    canvas_ = new ViewerCanvas(this);
    setCentralWidget(canvas_);
    connect(canvas_, &ViewerCanvas::picturePressed, this,
            [this](double x, double y) { Image1_MouseDown(x, y); });
    buildMenus();
    buildZoomPanel();
    // The auto-repeat timer runs only while "In (+)" or "Out (-)" is held down.
    Timer1_.setInterval(20);
    connect(&Timer1_, &QTimer::timeout, this, &PictureViewer::Timer1_Timer);
    Form_Load();
}

void PictureViewer::buildMenus()
{
    auto add = [this](QMenu* menu, const QString& caption, const char* name,
                      const QKeySequence& keys, void (PictureViewer::*handler)()) {
        QAction* a = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        if (handler)
            connect(a, &QAction::triggered, this, handler);
        actions_[a->objectName()] = a;
        return a;
    };
    add(nullptr, QCoreApplication::translate("PictureViewer", "E&xit"), "mnuOK", {}, nullptr);
    connect(actions_["mnuOK"], &QAction::triggered, this, &QWidget::close);
    QMenu* view = menuBar()->addMenu(QCoreApplication::translate("PictureViewer", "&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    //: The blank at the end belongs to the caption.
    add(view, QCoreApplication::translate("PictureViewer", "&Original Size "), "mnuNormal",
        Qt::Key_F5, &PictureViewer::mnuNormal_Click);
    add(view, QCoreApplication::translate("PictureViewer", "&Fit to screen"), "mnuFit", Qt::Key_F6,
        &PictureViewer::mnuFit_Click);
    add(view, QCoreApplication::translate("PictureViewer", "&Zoom"), "mnuZoom", Qt::Key_F7,
        &PictureViewer::mnuZoom_Click);
    add(nullptr, QCoreApplication::translate("PictureViewer", "Size: size"), "mSize", {}, nullptr);
    add(nullptr, QCoreApplication::translate("PictureViewer", "&Help"), "mnuHlp", {},
        &PictureViewer::mnuHlp_Click);
}

void PictureViewer::buildZoomPanel()
{
    // The Zoom panel, hidden at first, at its design place (twips, relative to the panel).
    Frame1_ = new QFrame(canvas_);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setFrameStyle(QFrame::Box | QFrame::Plain);
    Frame1_->setAutoFillBackground(true);
    Frame1_->setGeometry(pixels(120), pixels(-40), pixels(1575), pixels(930));
    QFont small = font();
    small.setPointSizeF(8);
    auto label = [this, &small](const char* name, const QString& text, int left, int top,
                                int width, int height, bool pressable) {
        auto* l = new QLabel(text, Frame1_);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(small);
        l->setAlignment(Qt::AlignCenter);
        if (pressable) {
            l->setFrameStyle(QFrame::Panel | QFrame::Raised);
            l->installEventFilter(this);
        }
        // The design size, widened when the platform font needs more room.
        const QSize hint = l->sizeHint();
        l->setGeometry(pixels(left), pixels(top), std::max(pixels(width), hint.width()),
                       std::max(pixels(height), hint.height()));
        return l;
    };
    label("Label3", QCoreApplication::translate("PictureViewer", "Zoom"), 480, 120, 495, 255,
          false);
    zoomIn_ = label("Label1", QCoreApplication::translate("PictureViewer", "In (+)"), 120, 360, 375,
                    255, true);
    zoomOut_ = label("Label2", QCoreApplication::translate("PictureViewer", "Out (-)"), 960, 360,
                     495, 255, true);
    zoomOk_ = label("Label4", QCoreApplication::translate("PictureViewer", "OK"), 600, 600, 255,
                    255, true);
    Frame1_->resize(std::max(Frame1_->width(), zoomOut_->geometry().right() + 4),
                    std::max(Frame1_->height(), zoomOk_->geometry().bottom() + 4));
    Frame1_->hide();
}

QAction* PictureViewer::action(const QString& name) const
{
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QString PictureViewer::sizeCaption() const { return action(QStringLiteral("mSize"))->text(); }

void PictureViewer::setSizeCaption(double width, double height)
{
    action(QStringLiteral("mSize"))->setText(QString::fromStdString(viewer::sizeCaption(width, height)));
}

void PictureViewer::Form_Load()
{
    ZoomInHeld_ = false;
    ClickCentred_ = false;

    // The viewer covers the game window exactly, in its background colour: its outer size
    // includes the same nominal frame as the game window's.
    const Game& g = *host_.game;
    window_ = g.form().Window;
    const QSize client(std::max(1, pixels(g.form().Window.Width - kFrameWidthTwips)),
                       std::max(1, pixels(g.form().Window.Height - kFrameHeightTwips)));
    canvas_->setFixedSize(client);
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
    move(pixels(g.form().Window.Left), pixels(g.form().Window.Top));
    canvas_->setBackground(toQColor(g.form().BackColor));
    // The Zoom panel shows the background colour: its captions and its box take the ink that
    // stands out on it.
    QPalette panel = Frame1_->palette();
    panel.setColor(QPalette::WindowText, contrastingInk(toQColor(g.form().BackColor)));
    Frame1_->setPalette(panel);
    setWindowTitle(QString::fromStdString(translateStored("PictureViewer", kDesignTitle)) +
                   QStringLiteral("  ") + QString::fromStdString(ViewPicName_));

    canvas_->setPicture(picture_.image);
    const QSize natural = picture_.naturalSize;
    OrgWidth_ = Single(natural.width() * kTwipsPerPixel);
    OrgHeight_ = Single(natural.height() * kTwipsPerPixel);
    setSizeCaption(OrgWidth_, OrgHeight_);
    if (picture_.reduced()) {
        // A picture beyond the memory budget shows from a smaller copy, stretched.
        action(QStringLiteral("mSize"))
            ->setToolTip(QCoreApplication::translate(
                             "PictureViewer", "Natural size %1 x %2 pixels, shown from a copy of "
                                              "%3 x %4 pixels to save memory")
                             .arg(natural.width())
                             .arg(natural.height())
                             .arg(picture_.image.width())
                             .arg(picture_.image.height()));
    }
    fit_ = viewer::fittedSize(OrgWidth_, OrgHeight_, window_);
    Image1_ = viewer::placeAtOpening(OrgWidth_, OrgHeight_, window_);
    zoom_.Working = Image1_;
    showPicture();
}

void PictureViewer::showPicture() { canvas_->place(Image1_, viewer::frameAround(Image1_)); }

void PictureViewer::mnuNormal_Click()
{
    const std::optional<viewer::Rect> r =
        viewer::originalSize(Image1_, OrgWidth_, OrgHeight_, window_);
    if (!r)
        return;
    Image1_ = *r;
    showPicture();
    setSizeCaption(OrgWidth_, OrgHeight_);
}

void PictureViewer::mnuFit_Click()
{
    Image1_ = viewer::placeAtOpening(fit_.Width, fit_.Height, window_);
    showPicture();
    // The caption keeps the natural size, not the fitted one.
    setSizeCaption(OrgWidth_, OrgHeight_);
}

void PictureViewer::mnuZoom_Click()
{
    Frame1_->show();
    Frame1_->raise();
}

void PictureViewer::mnuHlp_Click()
{
    if (host_.onHelp)
        host_.onHelp();
}

void PictureViewer::ZoomInStep()
{
    viewer::zoomInStep(zoom_, Image1_, ClickCentred_, window_);
    setSizeCaption(zoom_.Working.Width, zoom_.Working.Height);
}

void PictureViewer::ZoomOutStep()
{
    viewer::zoomOutStep(zoom_, Image1_, ClickCentred_, window_);
    setSizeCaption(zoom_.Working.Width, zoom_.Working.Height);
}

void PictureViewer::ApplyZoom()
{
    // The picture is stretched once, here, at the size the steps reached; Qt's double buffering
    // keeps the screen from showing it half drawn.
    if (!viewer::applyZoom(Image1_, zoom_))
        return;
    showPicture();
    setSizeCaption(Image1_.Width, Image1_.Height);
}

void PictureViewer::endGesture()
{
    // A zoom key released without a step of its own (pressed in another window) changes nothing.
    const bool stepped = zoom_.Zooming;
    zoom_.Zooming = false;
    if (stepped)
        ApplyZoom();
}

void PictureViewer::keyDown(int keyCode)
{
    if (zoomsIn(keyCode))
        ZoomInStep();
    else if (zoomsOut(keyCode))
        ZoomOutStep();
}

void PictureViewer::keyUp(int keyCode)
{
    if (zoomsIn(keyCode) || zoomsOut(keyCode))
        endGesture();
}

void PictureViewer::Image1_MouseDown(double x, double y)
{
    Image1_ = viewer::clickToCentre(Image1_, x, y, window_);
    showPicture();
    ClickCentred_ = true;
}

void PictureViewer::Timer1_Timer()
{
    if (ZoomInHeld_)
        ZoomInStep();
    if (ZoomOutHeld_)
        ZoomOutStep();
}

void PictureViewer::keyPressEvent(QKeyEvent* event)
{
    // Escape leaves the viewer as Exit does.
    if (event->key() == Qt::Key_Escape) {
        action(QStringLiteral("mnuOK"))->trigger();
        return;
    }
    const int code = zoomKeyCode(event);
    if (code == 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // Holding a key repeats its key-down: one step per repetition.
    keyDown(code);
}

void PictureViewer::keyReleaseEvent(QKeyEvent* event)
{
    const int code = zoomKeyCode(event);
    if (code == 0 || event->isAutoRepeat()) {
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    keyUp(code);
}

// A notch with Ctrl is the zoom control pressed and released once: one step, then applied.
void PictureViewer::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const QPoint delta = event->angleDelta();
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        for (int notches = zoomNotches_.add(delta.y()); notches != 0;) {
            notches > 0 ? ZoomInStep() : ZoomOutStep();
            notches += notches > 0 ? -1 : 1;
            endGesture();
        }
        return;
    }
    const int lines = QApplication::wheelScrollLines();
    // Shift turns the wheel sideways, as elsewhere on the desktop.
    const bool sideways = event->modifiers().testFlag(Qt::ShiftModifier) && delta.x() == 0;
    const double dx = wheelScrollTwips(sideways ? delta.y() : delta.x(), lines);
    const double dy = sideways ? 0 : wheelScrollTwips(delta.y(), lines);
    const viewer::Rect moved = viewer::scrollPicture(Image1_, dx, dy, window_);
    if (moved == Image1_)
        return;
    Image1_ = moved;
    showPicture();
}

bool PictureViewer::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if ((!press && !release) || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return QMainWindow::eventFilter(watched, event);
    if (watched == zoomIn_ || watched == zoomOut_) {
        bool& held = watched == zoomIn_ ? ZoomInHeld_ : ZoomOutHeld_;
        if (press) {
            watched == zoomIn_ ? ZoomInStep() : ZoomOutStep();
            held = true;
            Timer1_.start();
        } else {
            held = false;
            if (!ZoomInHeld_ && !ZoomOutHeld_)
                Timer1_.stop();
            endGesture();
        }
        return true;
    }
    if (watched == zoomOk_ && release) {
        Frame1_->hide();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void PictureViewer::closeEvent(QCloseEvent* event)
{
    Timer1_.stop();
    event->accept();
    // The window that opened the viewer takes its place again.
    if (opener_) {
        opener_->show();
        if (opener_ == host_.gameWindow && host_.onGameWindowShown)
            host_.onGameWindowShown();
    }
}

} // namespace quiltra
