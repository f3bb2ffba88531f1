// The Keyboard Shortcuts window: the keys of every window, grouped by window, in the player's
// language. It opens beside the game window and is let go when it closes.
#pragma once

#include <QDialog>

class QTableWidget;

namespace quiltra {

class ShortcutsWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the window beside `parent`, or brings the open one to the front.
    static ShortcutsWindow* showFor(QWidget& parent);
    // The open window, or none.
    static ShortcutsWindow* current();

    // The list: for each window a heading row across both columns, then a row for each of its
    // keys with what they do.
    QTableWidget* list() const { return list_; }

private:
    explicit ShortcutsWindow(QWidget& parent);

    QTableWidget* list_ = nullptr;
};

} // namespace quiltra
