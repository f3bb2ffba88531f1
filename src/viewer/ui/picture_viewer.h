// The Picture Viewer (Form3): shows one picture at its natural size, fitted, or zoomed in steps,
// in the place of the window that opened it.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <string>

#include "platform/wheel_notches.h"
#include "viewer/viewer_geometry.h"
#include "viewer/ui/viewer_picture.h"

class QAction;
class QFrame;
class QLabel;

namespace quiltra {

class Game;
struct ProgramState;
class ViewerCanvas;

// Who opened the viewer: the window shown again when it closes.
enum class ViewCaller { Editor = 1, GameWindow = 9, OpenPicture = 10 };

// What the viewer takes from the program that opens it.
struct ViewerHost {
    const Game* game = nullptr;       // its window's size, place and background colour
    const ProgramState* program = nullptr;  // the picture in play
    QWidget* gameWindow = nullptr;    // the parent when no other window opens the viewer
    std::function<void()> onHelp;     // the viewer's Help
    // The game window has taken the viewer's place again and shows the game as it is now.
    std::function<void()> onGameWindowShown;
};

class PictureViewer : public QMainWindow {
    Q_OBJECT
public:
    // Opens the viewer in the place of `opener`, which it hides and shows again when the viewer
    // closes, and shows `name` in its title. `picture` is the opener's decoded picture (its
    // preview) and `naturalSize` the file's own size in pixels; `path`, when given, lets the
    // viewer decode the same file more sharply within its memory budget. The viewer takes the
    // game window's size, place and background colour. Returns nothing when there is no picture.
    static PictureViewer* open(const ViewerHost& host, ViewCaller viewCaller, const std::string& name,
                               const QImage& picture, QSize naturalSize, QWidget* opener,
                               const QString& path = {});
    // View > Picture Viewer of the game window: the current picture; nothing while the game
    // window has no picture (`State::NoPicture`).
    static PictureViewer* openFromGame(const ViewerHost& host);

    // The menu items by name: mnuOK, mnuNormal, mnuFit, mnuZoom, mSize, mnuHlp.
    QAction* action(const QString& name) const;
    QString sizeCaption() const;
    const viewer::Rect& displayed() const { return Image1_; }
    const viewer::Zoom& zoom() const { return zoom_; }
    bool clickCentred() const { return ClickCentred_; }
    viewer::FitSize fitSize() const { return fit_; }
    QSize naturalSize() const { return picture_.naturalSize; }
    const QImage& picture() const { return picture_.image; }
    ViewerCanvas* canvas() const { return canvas_; }
    QFrame* zoomPanel() const { return Frame1_; }
    bool repeating() const { return Timer1_.isActive(); }
    ViewCaller viewCaller() const { return viewCaller_; }

    // The commands, as the menus, keys and mouse run them (virtual key codes).
    void mnuNormal_Click();
    void mnuFit_Click();
    void mnuZoom_Click();
    void mnuHlp_Click();
    void ZoomInStep();
    void ZoomOutStep();
    void ApplyZoom();
    void keyDown(int keyCode);
    void keyUp(int keyCode);
    void Image1_MouseDown(double x, double y);
    void Timer1_Timer();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // The wheel scrolls a picture larger than the view; with Ctrl each notch is one zoom step.
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PictureViewer(const ViewerHost& host, ViewCaller viewCaller, std::string name,
                  ViewerPicture picture, QWidget* opener);
    void buildMenus();
    void buildZoomPanel();
    void Form_Load();
    void showPicture();
    void setSizeCaption(double width, double height);
    void endGesture();

    ViewerHost host_;
    ViewCaller viewCaller_;
    std::string ViewPicName_;
    QPointer<QWidget> opener_;
    ViewerPicture picture_;
    WindowGeometry window_;
    ViewerCanvas* canvas_ = nullptr;
    QFrame* Frame1_ = nullptr;
    QLabel* zoomIn_ = nullptr;
    QLabel* zoomOut_ = nullptr;
    QLabel* zoomOk_ = nullptr;
    QTimer Timer1_;
    std::map<QString, QAction*> actions_;

    viewer::Rect Image1_;
    viewer::Zoom zoom_;
    viewer::FitSize fit_;
    Single OrgWidth_ = 0;
    Single OrgHeight_ = 0;
    bool ZoomInHeld_ = false;
    bool ZoomOutHeld_ = false;
    bool ClickCentred_ = false;
    WheelNotches zoomNotches_;
};

} // namespace quiltra
