// The game window's menus: the fixed menus built once, the size and picture items made from the
// game's lists, and the QActions kept in step with the game's menu state.
#include <algorithm>

#include <QMenuBar>

#include "game/ui/best_times_window.h"
#include "game/ui/game_window.h"
#include "platform/translation.h"

namespace quiltra {

QAction* GameWindow::action(const QString& name)
{
    static const QString picture = QStringLiteral("mnuPict(");
    if (name.startsWith(picture) && name.endsWith(u')')) {
        bool ok = false;
        const qlonglong index =
            name.sliced(picture.size(), name.size() - picture.size() - 1).toLongLong(&ok);
        syncMenus();
        buildPictureActions();
        return ok && index >= 0 && std::size_t(index) < pictureActions_.size()
                   ? pictureActions_[std::size_t(index)]
                   : nullptr;
    }
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

QMenu* GameWindow::addMenu(QMenu* parent, const MenuItem& item, const char* name)
{
    QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    items_.push_back({menu->menuAction(), &item, true});
    byName_[QString::fromLatin1(name)] = menu->menuAction();
    return menu;
}

QAction* GameWindow::addItem(QMenu* menu, const MenuItem& item, const char* name,
                             const QKeySequence& keys, std::function<void()> handler,
                             bool checkable)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(checkable);
    // A menu item chosen while Solve plays stops Solve first, as any key or click does.
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] {
            runGame([this, &handler] {
                game_.stopSolveByPlayer();
                handler();
            });
        });
    const GameMenus& menus = game_.menus();
    items_.push_back({action, &item, &item != &menus.mnuCurrent() && &item != &menus.mnuCurSize()});
    byName_[QString::fromLatin1(name)] = action;
    return action;
}

void GameWindow::buildMenus()
{
    Game& g = game_;
    QMenu* file = addMenu(nullptr, g.menus().mnuFile(), "mnuFile");
    QMenu* newGame = addMenu(file, g.menus().mnuNew(), "mnuNew");
    addItem(newGame, g.menus().mnuPuz(), "mnuPuz", Qt::Key_F5, [&g] { g.mnuPuz_Click(); });
    addItem(newGame, g.menus().mnuSlide(), "mnuSlide", Qt::Key_F6, [&g] { g.mnuSlide_Click(); });
    addItem(file, g.menus().mnuRestore(), "mnuRestore", Qt::Key_F7, [&g] { g.mnuRestore_Click(); });
    addItem(file, g.menus().mnuSave(), "mnuSave", Qt::Key_F8, [&g] { g.mnuSave_Click(); });
    addItem(file, g.menus().mnuOpen(), "mnuOpen", Qt::Key_F9, [this] { openWindow(onOpen); });
    file->addSeparator();
    addItem(file, g.menus().mnuRestart(), "mnuRestart", QKeySequence(Qt::CTRL | Qt::Key_R),
            [&g] { g.mnuRestart_Click(); });
    addItem(file, g.menus().mnuUndo(), "mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z),
            [&g] { g.undo(); });
    QAction* redo = addItem(file, g.menus().mnuRedo(), "mnuRedo",
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [&g] { g.redo(); });
    // Ctrl+Y redoes too; the menu shows the one shortcut.
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                        QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addItem(file, g.menus().mnuTimes(), "mnuTimes", {}, [this] { openWindow([this] { showBestTimes(); }); });
    file->addSeparator();
    addItem(file, g.menus().mnuExit(), "mnuExit", QKeySequence(Qt::CTRL | Qt::Key_X), [this] { close(); });

    QMenu* view = addMenu(nullptr, g.menus().mnuV(), "mnuV");
    addItem(view, g.menus().mnuView(), "mnuView", Qt::Key_F4, [&g] { g.mnuView_Click(); });
    addItem(view, g.menus().mnuPicView(), "mnuPicView", {}, [this] { openWindow(onPictureViewer); });

    picMenu_ = addMenu(nullptr, g.menus().mnuPic(), "mnuPic");
    addItem(picMenu_, g.menus().mnuCurrent(), "mnuCurrent", {}, {});
    addItem(picMenu_, g.menus().mnuAddCur(), "mnuAddCur", {}, [&g] { g.mnuAddCur_Click(); });
    addItem(picMenu_, g.menus().mnuEdit(), "mnuEdit", {}, [this] {
        game_.mnuEdit_Click();
        if (onEditList)
            onEditList();
    });
    pictSeparator_ = picMenu_->addSeparator();
    connect(picMenu_, &QMenu::aboutToShow, this, &GameWindow::buildPictureActions);

    sizeMenu_ = addMenu(nullptr, g.menus().mnus(), "mnus");
    addItem(sizeMenu_, g.menus().mnuCurSize(), "mnuCurSize", {}, {});

    QMenu* prefs = addMenu(nullptr, g.menus().mnuPr(), "mnuPr");
    QMenu* colour = addMenu(prefs, g.menus().mnuClr(), "mnuClr");
    addItem(colour, g.menus().mnuColor(), "mnuColor", {}, [&g] { g.mnuColor_Click(); });
    addItem(colour, g.menus().mnuSelCol(), "mnuSelCol", {}, [&g] { g.mnuSelCol_Click(); });
    addItem(colour, g.menus().mnuHntCol(), "mnuHntCol", {}, [&g] { g.mnuHntCol_Click(); });
    QMenu* sound = addMenu(prefs, g.menus().mnuSnd(), "mnuSnd");
    addItem(sound, g.menus().mnuEffects(), "mnuEffects", {}, [&g] { g.mnuEffects_Click(); }, true);
    sound->addSeparator();
    addItem(sound, g.menus().SndInt(), "SndInt", {}, [&g] { g.SndInt_Click(); }, true);
    addItem(sound, g.menus().SndMv(), "SndMv", {}, [&g] { g.SndMv_Click(); }, true);
    addItem(sound, g.menus().SndEnd(), "SndEnd", {}, [&g] { g.SndEnd_Click(); }, true);
    QMenu* screen = addMenu(prefs, g.menus().mnuScrn(), "mnuScrn");
    for (int i = 0; i < 6; ++i) {
        static const char* names[] = {"mnuScreen(0)", "mnuScreen(1)", "mnuScreen(2)",
                                      "mnuScreen(3)", "mnuScreen(4)", "mnuScreen(5)"};
        addItem(screen, g.menus().mnuScreen()[size_t(i)], names[i], {}, [&g, i] { g.mnuScreen_Click(i); });
    }
    screen->addSeparator();
    addItem(screen, g.menus().mnuMan(), "mnuMan", {}, {});
    addItem(prefs, g.menus().mnuSv(), "mnuSv", {}, [&g] { g.mnuSv_Click(); }, true);

    QMenu* help = addMenu(nullptr, g.menus().mnuHe(), "mnuHe");
    addItem(help, g.menus().mnuAbout(), "mnuAbout", {}, [this] { openWindow(onAbout); });
    addItem(help, g.menus().mnuContents(), "mnuContents", Qt::Key_F1, [this] { openWindow(onContents); });
    help->addSeparator();
    addItem(help, g.menus().mnuHint(), "mnuHint", Qt::Key_F2, [&g] { g.mnuHint_Click(); });
    addItem(help, g.menus().mnuNextMove(), "mnuNextMove", Qt::Key_F3, [&g] { g.mnuNextMove_Click(); });
    // Solve chosen again stops it, so it does not stop Solve before it acts as the other items do.
    QAction* solve = addItem(help, g.menus().mnuSolve(), "mnuSolve", QKeySequence(Qt::SHIFT | Qt::Key_F3), {});
    connect(solve, &QAction::triggered, this, [this] { runGame([this] { game_.mnuSolve_Click(); }); });
    help->addSeparator();
    addItem(help, g.menus().mnuPz(), "mnuPz", {}, [this] { showRules(&Game::mnuPz_Click); });
    addItem(help, g.menus().mnuSldr(), "mnuSldr", {}, [this] { showRules(&Game::mnuSldr_Click); });
    help->addSeparator();
    // Ctrl+? is typed as Ctrl+Shift+/ on most layouts; the shortcut matches either way.
    addItem(help, g.menus().mnuKeys(), "mnuKeys", QKeySequence(Qt::CTRL | Qt::Key_Question),
            [this] { openWindow(onShortcuts); });
}

// The Best Times window is modal: the results it shows cannot change while it is open.
void GameWindow::showBestTimes()
{
    Game& g = game_;
    BestTimesWindow window(
        g.bestTimes(), g.menus().mnuCurrent().Caption, *g.gameServices().messages,
        [&g](const BestTimes& times, std::string& error) { return g.saveTimes(times, error); },
        this);
    window.exec();
}

void GameWindow::rebuildDynamicMenus()
{
    for (QAction* a : sizeActions_) {
        std::erase_if(items_, [a](const BoundItem& b) { return b.action == a; });
        byName_.erase(a->objectName());
        a->deleteLater();
    }
    sizeActions_.clear();
    for (std::size_t i = 0; i < game_.menus().mnuSize().size(); ++i) {
        QAction* a = sizeMenu_->addAction(QString());
        a->setObjectName(QStringLiteral("mnuSize(%1)").arg(i));
        const int index = int(i);
        connect(a, &QAction::triggered, this,
                [this, index] { runGame([this, index] { game_.mnuSize_Click(index); }); });
        items_.push_back({a, &game_.menus().mnuSize()[i], false});
        byName_[a->objectName()] = a;
        sizeActions_.push_back(a);
    }

    // The picture items are made again only when the list itself changed, not for a new size.
    std::vector<std::string> captions;
    captions.reserve(game_.menus().mnuPict().size());
    for (const MenuItem& item : game_.menus().mnuPict())
        captions.push_back(item.Caption);
    if (captions != shownPictures_) {
        dropPictureActions();
        shownPictures_ = std::move(captions);
    }
    shownMenuGeneration_ = game_.menus().generation();
}

void GameWindow::dropPictureActions()
{
    for (QAction* a : pictureActions_)
        a->deleteLater();
    for (QMenu* group : pictureGroups_)
        group->deleteLater();
    pictureActions_.clear();
    pictureGroups_.clear();
    picturesBuilt_ = false;
}

// The picture items are made when the Picture menu is about to open or one is asked for, so that
// a long list costs nothing at start-up. A list longer than a menu can usefully show is split
// into submenus of kPictureGroup items, each named for its first and last picture; each menu
// then stays short, as Qt takes time in proportion to a menu's length for every item added.
void GameWindow::buildPictureActions()
{
    if (picturesBuilt_)
        return;
    picturesBuilt_ = true;
    constexpr std::size_t kPictureGroup = 100;
    const std::vector<MenuItem>& items = game_.menus().mnuPict();
    const bool grouped = items.size() > kPictureGroup;
    pictureActions_.reserve(items.size());
    QMenu* menu = picMenu_;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (grouped && i % kPictureGroup == 0) {
            const std::size_t last = std::min(items.size(), i + kPictureGroup) - 1;
            menu = picMenu_->addMenu(QString::fromStdString(items[i].Caption) +
                                     QStringLiteral(" \u2013 ") +
                                     QString::fromStdString(items[last].Caption));
            pictureGroups_.push_back(menu);
        }
        QAction* a = menu->addAction(QString::fromStdString(items[i].Caption));
        a->setObjectName(QStringLiteral("mnuPict(%1)").arg(i));
        a->setEnabled(items[i].Enabled);
        const int index = int(i);
        connect(a, &QAction::triggered, this,
                [this, index] { runGame([this, index] { game_.mnuPict_Click(index); }); });
        pictureActions_.push_back(a);
    }
}

void GameWindow::syncMenus()
{
    game_.offerHelpMoves();
    if (shownMenuGeneration_ != game_.menus().generation() ||
        sizeActions_.size() != game_.menus().mnuSize().size() ||
        shownPictures_.size() != game_.menus().mnuPict().size())
        rebuildDynamicMenus();
    // Only the sizes that exist are shown; entry 0 stays in the menu even when there is none.
    for (std::size_t i = 0; i < sizeActions_.size(); ++i)
        sizeActions_[i]->setVisible(int(i) < game_.form().SizeCount);
    // The game's own captions are English texts, shown in the player's language.
    for (const auto& [action, item, translated] : items_) {
        const QString text = QString::fromStdString(
            translated ? translateStored("Menu", item->Caption) : item->Caption);
        if (action->text() != text)
            action->setText(text);
        action->setEnabled(item->Enabled);
        if (action->isCheckable())
            action->setChecked(item->Checked);
    }
}

} // namespace quiltra
