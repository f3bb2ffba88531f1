// The Help window (Form5): the game's manual as one long document with a topic index, scrolled
// by index clicks and by the keyboard.
#pragma once

#include <QMainWindow>
#include <vector>

#include "help/help_document.h"

class QLabel;
class QFrame;

namespace quiltra {

class Game;

class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // Help > Contents: opens the window centred over the game's window, laid out afresh, or
    // brings the open one to the front, restoring it when minimised; an open window keeps its
    // scroll position. `parent` is the game's window.
    static HelpWindow* showContents(QWidget& parent, const Game& game);
    // The Picture Viewer's Help: as Contents, above the viewer, scrolled so that "PICTURE VIEWER
    // WINDOW" lies 400 twips below the top of the document area.
    static HelpWindow* showForViewer(QWidget& parent, const Game& game);
    // The open Help window, or none.
    static HelpWindow* current();

    // The document panel's Top in twips: 240 shows the start, -58700 the end.
    int DocTop() const { return DocTop_; }
    void setDocTop(int twips);
    // A key-down in the window (virtual key code).
    void keyDown(int keyCode);
    // A click on index entry i (in the order of help::indexEntries()).
    void topicClicked(int entry);
    // A click on the second "RESIZING THE PICTURE" caption.
    void resizingLabelClicked();

    // The labels, for tests and screenshots.
    QLabel* indexLabel(int entry) const { return index_[std::size_t(entry)]; }
    int indexCount() const { return int(index_.size()); }
    // Every heading label with this caption, English or as shown, in document order.
    std::vector<QLabel*> headingLabels(const QString& caption) const;
    QLabel* resizingLabel() const { return resizingLabel_; }
    QWidget* documentPanel() const;
    // The Top of a heading inside the document panel, twips.
    int headingTop(int section, int heading) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The wheel scrolls the document, within the same bounds as the keys.
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpWindow(QWidget& parent, const Game& game);
    void buildMenus();
    void Form_Load(const Game& game);
    QLabel* addLabel(QWidget* parent, const QString& text, int left, int top, double points,
                     bool link);

    int DocTop_ = help::kDesignDocTop;
    std::vector<help::PlacedSection> layout_;
    QWidget* client_ = nullptr;
    QFrame* Frame1_ = nullptr;
    QFrame* Frame2_ = nullptr;
    std::vector<QLabel*> index_;
    std::vector<QLabel*> headings_;
    std::vector<QString> headingSources_;   // the English captions of headings_
    QLabel* resizingLabel_ = nullptr;
};

} // namespace quiltra
