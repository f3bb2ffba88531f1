// The Keyboard Shortcuts window, filled from the table of keys.
#include "help/ui/shortcuts_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "help/shortcut_table.h"

namespace quiltra {

namespace {

QPointer<ShortcutsWindow>& openWindow()
{
    static QPointer<ShortcutsWindow> window;
    return window;
}

// A text of the table in the player's language.
QString shown(const char* text) { return QCoreApplication::translate("Shortcuts", text); }

} // namespace

ShortcutsWindow* ShortcutsWindow::current() { return openWindow().data(); }

ShortcutsWindow* ShortcutsWindow::showFor(QWidget& parent)
{
    QPointer<ShortcutsWindow>& w = openWindow();
    if (!w) {
        w = new ShortcutsWindow(parent);
        // Beside the game window, as Help and About open.
        const QRect frame = parent.frameGeometry();
        w->move(frame.right() + 8, frame.top());
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

// A window of its own that does not hold the game window up: the player can keep it open while
// playing. Escape closes it, as Close does.
ShortcutsWindow::ShortcutsWindow(QWidget& parent) : QDialog(&parent, Qt::Window)
{
    setObjectName(QStringLiteral("Shortcuts"));
    setWindowTitle(QCoreApplication::translate("Shortcuts", "Quiltra - Keyboard Shortcuts"));
    setAttribute(Qt::WA_DeleteOnClose);

    list_ = new QTableWidget(0, 2, this);
    list_->setHorizontalHeaderLabels({QCoreApplication::translate("Shortcuts", "Key"),
                                      QCoreApplication::translate("Shortcuts", "What it does")});
    list_->verticalHeader()->hide();
    list_->setShowGrid(false);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setWordWrap(true);
    // Nothing in the list is chosen: the wheel and the scroll bar move it, Escape closes.
    list_->setFocusPolicy(Qt::NoFocus);
    const auto addRow = [this](const QString& keys, const QString& action) {
        const int row = list_->rowCount();
        list_->insertRow(row);
        list_->setItem(row, 0, new QTableWidgetItem(keys));
        list_->setItem(row, 1, new QTableWidgetItem(action));
        return row;
    };
    for (const ShortcutGroup& group : shortcutGroups()) {
        const int heading = addRow(shown(group.window), {});
        QFont bold = list_->item(heading, 0)->font();
        bold.setBold(true);
        list_->item(heading, 0)->setFont(bold);
        list_->setSpan(heading, 0, 1, 2);
        for (const ShortcutRow& row : group.rows)
            addRow(QStringLiteral("    ") + shown(row.keys), shown(row.action));
    }
    list_->setColumnWidth(0, 230);
    list_->horizontalHeader()->setStretchLastSection(true);
    // Long texts wrap: each row takes the height of its text whenever a column's width changes.
    connect(list_->horizontalHeader(), &QHeaderView::sectionResized, list_,
            [this] { list_->resizeRowsToContents(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // The button's caption is the program's own, as Qt's translations may not be installed.
    buttons->button(QDialogButtonBox::Close)
        ->setText(QCoreApplication::translate("Shortcuts", "Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(760, 700);
}

} // namespace quiltra
