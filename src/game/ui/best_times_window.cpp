// The Best Times window: the table of results and its Clear All and Close buttons.
#include "game/ui/best_times_window.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "game/best_times.h"
#include "game/game_clock.h"
#include "game/shown_text.h"
#include "game/sizes.h"
#include "platform/message_box.h"
#include "platform/ui/native_path.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

enum Column { PictureColumn, GridColumn, ModeColumn, TimeColumn, MovesColumn, HintsColumn,
              DateColumn, ColumnCount };

// Rows shown without scrolling; more results scroll.
constexpr int kVisibleRows = 15;
// A picture name wider than this many average characters is elided rather than widening the
// window past the screen.
constexpr int kWidestNameChars = 50;

// The time as the game's clock shows it at the finish, without the blank that pads the hours.
QString clockText(std::int32_t seconds)
{
    return QString::fromStdString(GameClock::shortTextFor(seconds));
}

// A display name is bytes: bytes that are not UTF-8 show as "\uFFFD", and a tab or a line
// break, which a file name may hold, as a blank so that every row keeps one line.
QString shownName(const std::string& name)
{
    QString text = readableName(fromNativePath(name));
    for (QChar& c : text)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return text;
}

QTableWidgetItem* cell(const QString& text, bool number, bool inPlay)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (inPlay) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

} // namespace

BestTimesWindow::BestTimesWindow(BestTimes& times, std::string pictureInPlay,
                                 MessageBoxes& messages, SaveTimes save, QWidget* parent)
    : QDialog(parent), times_(times), pictureInPlay_(std::move(pictureInPlay)),
      messages_(messages), save_(std::move(save))
{
    setObjectName(QStringLiteral("BestTimes"));
    setWindowTitle(QCoreApplication::translate("BestTimes", "Quiltra - Best Times"));

    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName(QStringLiteral("timesTable"));
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("BestTimes", "Picture"),
                                       QCoreApplication::translate("BestTimes", "Grid"),
                                       QCoreApplication::translate("BestTimes", "Mode"),
                                       QCoreApplication::translate("BestTimes", "Time"),
                                       QCoreApplication::translate("BestTimes", "Moves"),
                                       QCoreApplication::translate("BestTimes", "Hints"),
                                       QCoreApplication::translate("BestTimes", "Date")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideMiddle);

    emptyNote_ = new QLabel(QCoreApplication::translate(
                                "BestTimes", "No best times yet: each solved game is listed here."),
                            this);
    emptyNote_->setObjectName(QStringLiteral("emptyNote"));

    clearButton_ =
        new QPushButton(QCoreApplication::translate("BestTimes", "&Clear All..."), this);
    clearButton_->setObjectName(QStringLiteral("clearButton"));
    clearButton_->setAutoDefault(false);
    auto* closeButton = new QPushButton(QCoreApplication::translate("BestTimes", "Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);
    connect(clearButton_, &QPushButton::clicked, this, &BestTimesWindow::clearAll);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(emptyNote_);
    layout->addLayout(buttons);

    refresh();
    // The table takes the focus only when the player tabs to it, so no cell looks chosen.
    closeButton->setFocus();
}

void BestTimesWindow::refresh()
{
    const std::vector<TimeResult> results = times_.listing(pictureInPlay_);
    table_->setRowCount(0);
    table_->setRowCount(int(results.size()));
    for (int row = 0; row < int(results.size()); ++row) {
        const TimeResult& r = results[std::size_t(row)];
        const bool inPlay = r.Picture == pictureInPlay_;
        const QString texts[ColumnCount] = {
            shownName(r.Picture),
            QString::fromStdString(sizeCaption(Grid{r.Cols, r.Rows})),
            QString::fromStdString(shownModeText(r.PlayMode)),
            clockText(r.Seconds),
            QString::number(r.Moves),
            QString::number(r.Hints),
            QString::fromStdString(r.Date),
        };
        for (int c = 0; c < ColumnCount; ++c)
            table_->setItem(row, c, cell(texts[c], c >= TimeColumn && c <= HintsColumn, inPlay));
    }
    const bool any = !results.empty();
    table_->setVisible(any);
    emptyNote_->setVisible(!any);
    clearButton_->setEnabled(any);
    fitToContents();
}

// Every column as wide as its widest text (the picture name up to a limit), and the table as
// wide as its columns and as high as kVisibleRows rows, so nothing needs a horizontal scroll.
void BestTimesWindow::fitToContents()
{
    table_->resizeColumnsToContents();
    const int widestName = fontMetrics().averageCharWidth() * kWidestNameChars;
    if (table_->columnWidth(PictureColumn) > widestName)
        table_->setColumnWidth(PictureColumn, widestName);
    int width = 2 * table_->frameWidth();
    for (int c = 0; c < ColumnCount; ++c)
        width += table_->columnWidth(c);
    const int rows = std::min(table_->rowCount(), kVisibleRows);
    const int rowHeight = table_->rowCount() > 0 ? table_->rowHeight(0)
                                                 : table_->verticalHeader()->defaultSectionSize();
    if (table_->rowCount() > kVisibleRows)
        width += table_->verticalScrollBar()->sizeHint().width();
    const int height = 2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height() +
                       std::max(rows, 1) * rowHeight;
    table_->setMinimumSize(width, height);
    // The layout's minimum is exactly the table and the buttons; the player may enlarge it.
    resize(layout()->minimumSize());
}

void BestTimesWindow::clearAll()
{
    if (times_.empty())
        return;
    const MessageResult answer =
        messages_.show(translate("BestTimes", "Clear all best times? They cannot be brought back."),
                       "Quiltra", MessageButtons::YesNo, MessageIcon::Question);
    if (answer != MessageResult::Yes)
        return;
    times_.clear();
    refresh();
    std::string error;
    if (save_ && !save_(times_, error))
        messages_.show(withValue(translate("BestTimes", "The best times could not be cleared in "
                                                        "\"times.txt\": %1."),
                                 error),
                       "Quiltra", MessageButtons::Ok, MessageIcon::Warning);
}

} // namespace quiltra
