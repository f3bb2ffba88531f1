// The Help window (Form5): lays the document out, scrolls it by topic and by key.
#include "help/ui/help_window.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>
#include <cmath>

#include "game/game.h"
#include "platform/translation.h"
#include "platform/wheel_notches.h"
#include "platform/window_units.h"

namespace quiltra {

namespace {

// Outer size of the window, twips, with the same nominal frame as the game window's.
constexpr double kWindowWidth = 9550, kWindowHeight = 6750;
constexpr double kPanelWidth = 9615;

// Text sizes, in points of the platform's interface font; all text is bold.
constexpr double kSectionPoints = 13.5, kSubPoints = 12, kTextPoints = 9.75;
// The Picture Viewer section, whose "RESIZING THE PICTURE" carries a clickable caption.
constexpr std::size_t kViewerSection = 10;
const QColor kLinkColour(0, 0, 255);

// Virtual key code of a key event, for the keys the document scrolls by.
int virtualKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageUp: return help::Keys::PageUp;
    case Qt::Key_PageDown: return help::Keys::PageDown;
    case Qt::Key_End: return help::Keys::End;
    case Qt::Key_Home: return help::Keys::Home;
    case Qt::Key_Up: return help::Keys::Up;
    case Qt::Key_Down: return help::Keys::Down;
    default: return event->key() & 0xFFFF;
    }
}

QPointer<HelpWindow>& openWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

HelpWindow* HelpWindow::current() { return openWindow().data(); }

HelpWindow* HelpWindow::showContents(QWidget& parent, const Game& game)
{
    QPointer<HelpWindow>& w = openWindow();
    if (!w)
        w = new HelpWindow(parent, game);
    if (w->isMinimized())
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

HelpWindow* HelpWindow::showForViewer(QWidget& parent, const Game& game)
{
    HelpWindow* w = showContents(parent, game);
    w->setDocTop(help::docTopForHeading(w->headingTop(10, 0)));
    return w;
}

HelpWindow::HelpWindow(QWidget& parent, const Game& game) : QMainWindow(&parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QCoreApplication::translate("HelpWindow", "Quiltra -  Help"));
    // Exit, or closing the window, ends it: the next opening lays the document out afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    buildMenus();
    Form_Load(game);
}

void HelpWindow::buildMenus()
{
    QAction* exit = menuBar()->addAction(QCoreApplication::translate("HelpWindow", "Exit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    // Using Help only informs: its items do nothing.
    QMenu* using_ = menuBar()->addMenu(QCoreApplication::translate("HelpWindow", "Using Help"));
    using_->setObjectName(QStringLiteral("mnuUsing"));
    const std::pair<const char*, QString> items[] = {
        {"mnuTopic", QCoreApplication::translate(
             "HelpWindow", "Click on one of the index topics to move to that topic.")},
        {"mnuarrow", QCoreApplication::translate(
             "HelpWindow", "Use the up/down arrow keys to scroll up or down.")},
        {"mnuPage", QCoreApplication::translate(
             "HelpWindow", "Use the Pg Up/Pg Dn keys to move up or down a page at a time.")},
        {"mnuHome", QCoreApplication::translate(
             "HelpWindow", "Use the HOME/END keys to move to the start/end of the help document.")},
    };
    for (const auto& [name, caption] : items)
        using_->addAction(caption)->setObjectName(QString::fromLatin1(name));
}

QLabel* HelpWindow::addLabel(QWidget* parent, const QString& text, int left, int top,
                             double points, bool link)
{
    auto* label = new QLabel(text, parent);
    QFont f = QApplication::font();
    f.setPointSizeF(points);
    f.setBold(true);
    label->setFont(f);
    if (link) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, kLinkColour);
        label->setPalette(p);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }
    label->adjustSize();
    label->move(pixels(left), pixels(top));
    return label;
}

void HelpWindow::Form_Load(const Game& g)
{
    // Centred over the game window.
    const double left = (g.form().Window.Width - kWindowWidth) / 2 + g.form().Window.Left;
    const double top = (g.form().Window.Height - kWindowHeight) / 2 + g.form().Window.Top;
    client_ = new QWidget(this);
    client_->setFixedSize(pixels(kWindowWidth - kFrameWidthTwips),
                          pixels(kWindowHeight - kFrameHeightTwips));
    setCentralWidget(client_);
    setFixedSize(client_->width(), client_->height() + menuBar()->sizeHint().height());
    move(pixels(left), pixels(top));

    Frame1_ = new QFrame(client_);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setGeometry(0, pixels(help::kDesignDocTop), pixels(kPanelWidth),
                         pixels(help::kDocumentHeight));

    const std::vector<help::IndexEntry>& entries = help::indexEntries();
    for (const help::IndexEntry& e : entries)
        index_.push_back(addLabel(Frame1_,
                                  QString::fromStdString(translateStored("Help", e.Caption)),
                                  e.Left, e.Top, e.Nested() ? kTextPoints : kSubPoints, true));

    layout_ = help::layoutDocument();
    for (const help::PlacedSection& s : layout_) {
        for (const help::PlacedPart& part : s.Parts) {
            auto* text = new QLabel(QString::fromStdString(part.Text), Frame1_);
            QFont f = QApplication::font();
            f.setPointSizeF(kTextPoints);
            f.setBold(true);
            text->setFont(f);
            text->setWordWrap(true);
            text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            text->setGeometry(pixels(help::kTextLeft), pixels(part.Top),
                              pixels(help::kTextWidth), pixels(part.Room));
        }
        for (const help::PlacedHeading& h : s.Headings) {
            headings_.push_back(addLabel(Frame1_, QString::fromStdString(h.Caption), h.Left, h.Top,
                                         h.Kind == help::Style::Section ? kSectionPoints
                                                                        : kSubPoints,
                                         false));
            headingSources_.push_back(QString::fromStdString(h.Source));
        }
    }
    // The viewer section's "RESIZING THE PICTURE" carries a second, clickable caption just
    // below it, worded as the heading; it is drawn without ink so that the heading does not look
    // doubled.
    const help::PlacedSection& viewerSection = layout_[kViewerSection];
    const help::PlacedSection& lastSection = layout_.back();
    resizingLabel_ = addLabel(Frame1_, QString::fromStdString(viewerSection.Headings[1].Caption),
                              help::kTextLeft,
                              viewerSection.TextTop + help::kResizingLabelOffset, kSubPoints, true);
    QPalette clear = resizingLabel_->palette();
    clear.setColor(QPalette::WindowText, Qt::transparent);
    resizingLabel_->setPalette(clear);
    resizingLabel_->setObjectName(QStringLiteral("ResizingCaption"));
    for (QLabel* h : headingLabels(QStringLiteral("PICTURE VIEWER WINDOW")))
        h->setObjectName(QStringLiteral("Label82"));

    QLabel* endNote = addLabel(Frame1_,
                               QString::fromStdString(translateStored("Help", help::kEndNote)),
                               help::kTextLeft,
                               lastSection.TextTop + lastSection.TextHeight + help::kEndNoteGap,
                               kTextPoints, false);
    endNote->setObjectName(QStringLiteral("EndNote"));
    endNote->setEnabled(false);

    // The title strip stays fixed above the document.
    Frame2_ = new QFrame(client_);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Frame2_->setAutoFillBackground(true);
    Frame2_->setGeometry(0, pixels(-240), pixels(9495), pixels(615));
    QLabel* title = addLabel(Frame2_, QCoreApplication::translate("HelpWindow", "Quiltra Help"),
                             2520, 240, kSectionPoints, false);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(pixels(2520), pixels(240), std::max(pixels(2295), title->width()),
                       pixels(375));
    Frame2_->raise();
}

QWidget* HelpWindow::documentPanel() const { return Frame1_; }

int HelpWindow::headingTop(int section, int heading) const
{
    return layout_[std::size_t(section)].Headings[std::size_t(heading)].Top;
}

std::vector<QLabel*> HelpWindow::headingLabels(const QString& caption) const
{
    std::vector<QLabel*> found;
    for (std::size_t i = 0; i < headings_.size(); ++i)
        if (headingSources_[i] == caption || headings_[i]->text() == caption)
            found.push_back(headings_[i]);
    return found;
}

void HelpWindow::setDocTop(int twips)
{
    DocTop_ = twips;
    Frame1_->move(0, pixels(twips));
}

void HelpWindow::keyDown(int keyCode) { setDocTop(help::scrollKey(DocTop_, keyCode)); }

void HelpWindow::topicClicked(int entry)
{
    const help::IndexEntry& e = help::indexEntries()[std::size_t(entry)];
    // Topic clicks are not clamped.
    setDocTop(help::docTopForHeading(headingTop(e.Section, e.Heading)));
}

void HelpWindow::resizingLabelClicked()
{
    setDocTop(help::kHeadingAbove - layout_[kViewerSection].TextTop);
}

// Escape closes the window as Exit does; every other key goes to the document.
void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    keyDown(virtualKey(event));
}

void HelpWindow::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const double twips = wheelScrollTwips(event->angleDelta().y(), QApplication::wheelScrollLines());
    // Any key that is not a scrolling key only clamps the place into the document.
    setDocTop(help::scrollKey(DocTop_ + int(std::lround(twips)), 0));
}

void HelpWindow::closeEvent(QCloseEvent* event)
{
    // A closed window is gone for good, even before it is deleted: the next opening makes a new one.
    if (openWindow() == this)
        openWindow() = nullptr;
    QMainWindow::closeEvent(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return QMainWindow::eventFilter(watched, event);
    if (watched == resizingLabel_) {
        resizingLabelClicked();
        return true;
    }
    for (std::size_t i = 0; i < index_.size(); ++i)
        if (watched == index_[i]) {
            topicClicked(int(i));
            return true;
        }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quiltra
