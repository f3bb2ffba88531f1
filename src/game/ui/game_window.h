// The game window (Form9): shows the game's menus, caption and board, and forwards the player's
// menu choices, keys, mouse, focus and close requests to the game.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <utility>

#include "game/game.h"

class QAction;
class QMenu;
class QLabel;

namespace quiltra {

class BoardWidget;
class QtPictureClip;

class GameWindow : public QMainWindow {
    Q_OBJECT
public:
    GameWindow(ProgramState& program, PictureList& pictures, GameServices services,
               QtPictureClip& clip, QWidget* parent = nullptr);

    Game& game() { return game_; }
    BoardWidget* board() const { return board_; }
    // The action shown for a menu item of the game, found by its name ("mnuSave").
    QAction* action(const QString& name);

    // Runs the game's timer now (tests with a scripted clock call it directly).
    void tick();
    // Mirrors the game's state into the window: caption, menus, geometry, board.
    void refresh();

    // Hooks for the windows that take the game window's place or open beside it.
    std::function<void()> onEditList;
    std::function<void()> onOpen;            // File > Open
    std::function<void()> onPictureViewer;   // View > Picture Viewer
    std::function<void()> onContents;        // Help > Contents
    std::function<void()> onAbout;           // Help > About
    std::function<void()> onShortcuts;       // Help > Keyboard Shortcuts
    std::function<void(const QString&)> onDropPicture; // a picture file dropped on the window
    std::function<void()> onIntroEnded;      // once, when the intro has loaded the first picture
    std::function<bool()> onSaveInfo;   // writes "init.txt"; false when it could not
    std::function<void()> onGainedFocus;
    std::function<void()> onGameAreaPressed; // a mouse press on the game area, before the game

    // Applies a change to the game and refreshes the window, e.g. runGame([&]{ g.mnuHint_Click(); }).
    void runGame(const std::function<void()>& handler);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildStatusCorner();
    void showStatusCorner();
    void openWindow(const std::function<void()>& opener);
    void showRules(void (Game::*rules)());
    void showBestTimes();
    void applicationStateChanged(Qt::ApplicationState state);
    QAction* addItem(QMenu* menu, const MenuItem& item, const char* name, const QKeySequence& keys,
                     std::function<void()> handler, bool checkable = false);
    QMenu* addMenu(QMenu* parent, const MenuItem& item, const char* name);
    void rebuildDynamicMenus();
    void buildPictureActions();
    void dropPictureActions();
    void syncMenus();
    void applyGeometry();
    // The window manager's resizes have stopped: the game area is laid out for the size reached.
    void resizeSettled();
    void schedule();
    // The player ended the intro with a click or a key.
    void skipIntro();
    // Tells onIntroEnded, once, that the intro has handed over to a picture.
    void noticeIntroEnd();

    Game game_;
    QLabel* status_ = nullptr;
    QtPictureClip& clip_;
    BoardWidget* board_ = nullptr;
    QTimer timer_;
    // Waits for the window manager's resizes to stop before the game area is laid out again.
    QTimer settleTimer_;
    // The game's window size (twips) before the window was maximised or made full screen, which
    // restoring brings back exactly rather than as whole pixels.
    std::optional<std::pair<double, double>> sizeBeforeMaximised_;
    // Each action bound to its menu item; `translated` for the game's own captions, not for the
    // picture in play and the sizes, which are shown as they stand.
    struct BoundItem {
        QAction* action;
        const MenuItem* item;
        bool translated;
    };
    std::vector<BoundItem> items_;
    std::map<QString, QAction*> byName_;
    QMenu* picMenu_ = nullptr;
    QMenu* sizeMenu_ = nullptr;
    QAction* pictSeparator_ = nullptr;
    std::vector<QAction*> sizeActions_;
    // The Picture menu's items, made on first need (buildPictureActions) for the list as shown.
    std::vector<std::string> shownPictures_;
    std::vector<QAction*> pictureActions_;
    std::vector<QMenu*> pictureGroups_;
    bool picturesBuilt_ = false;
    int shownMenuGeneration_ = -1;
    bool applyingGeometry_ = false;
    bool geometryChanged_ = true;   // the game set a size or place not applied yet
    bool closing_ = false;
    bool introOver_ = false;
    // The key that ended the intro: its repeats and its release belong to that press.
    int introSkipKey_ = 0;
    bool rulesBoxOpen_ = false;   // a rules box of the Help menu is showing
};

} // namespace quiltra
