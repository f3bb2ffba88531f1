// The status in the menu bar's right-hand corner: moves, hints and the clock, in the longest form
// that fits beside the menus.
#include <QLabel>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionMenuItem>

#include "game/ui/game_window.h"
#include "game/status_corner.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

// A gap kept between the last menu and the status, pixels.
constexpr int kStatusGap = 16;

// The width the menu bar's items take, as the menu bar lays them out: each item's text in its
// style's item size, the spacing between items and the bar's own margins.
int menusWidth(const QMenuBar& bar)
{
    const QStyle* style = bar.style();
    const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, &bar);
    const int margins = 2 * (style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, &bar) +
                             style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, &bar));
    int width = margins;
    for (QAction* action : bar.actions()) {
        if (!action->isVisible())
            continue;
        QStyleOptionMenuItem option;
        option.initFrom(&bar);
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.text = action->text();
        const QSize text = bar.fontMetrics().size(Qt::TextShowMnemonic, action->text());
        width += style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, &bar).width() +
                 spacing;
    }
    return width;
}

} // namespace

void GameWindow::buildStatusCorner()
{
    status_ = new QLabel(menuBar());
    status_->setObjectName(QStringLiteral("StatusCorner"));
    status_->setFont(menuBar()->font());
    status_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    status_->setContentsMargins(0, 0, kStatusGap / 2, 0);
    menuBar()->setCornerWidget(status_, Qt::TopRightCorner);
    status_->hide();
}

void GameWindow::showStatusCorner()
{
    if (!status_)
        return;
    //: In the menu bar's corner while the solver works out the next moves for Next Move or Solve.
    const std::vector<std::string> forms =
        game_.thinking() ? std::vector<std::string>{translate("Game", "Thinking...")}
                         : statusCornerForms(game_.statusCounts(), game_.clock().paused());
    const int room = width() - menusWidth(*menuBar()) - kStatusGap;
    const QFontMetrics metrics(status_->font());
    const int margins = status_->contentsMargins().left() + status_->contentsMargins().right();
    QString shown;
    for (const std::string& form : forms) {
        const QString text = QString::fromStdString(form);
        if (metrics.horizontalAdvance(text) + margins <= room) {
            shown = text;
            break;
        }
    }
    if (shown.isEmpty()) {
        status_->hide();
        status_->clear();
        return;
    }
    if (status_->text() != shown)
        status_->setText(shown);
    status_->show();
    // The menu bar lays its corner out again only when the corner is shown or hidden or the bar
    // is resized, so a text that outgrew the corner (the clock back in the place of "Paused")
    // would lose its first letters: the corner is handed to the bar again to lay it out.
    if (status_->width() < status_->sizeHint().width())
        menuBar()->setCornerWidget(status_, Qt::TopRightCorner);
}

} // namespace quiltra
