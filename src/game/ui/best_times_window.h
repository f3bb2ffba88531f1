// The Best Times window: every kept result in a table, the picture in play first, and the
// clearing of all results after a question.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QPushButton;
class QTableWidget;

namespace quiltra {

class BestTimes;
class MessageBoxes;

class BestTimesWindow : public QDialog {
    Q_OBJECT
public:
    // Writes the results after they were cleared; false with a description when it cannot.
    using SaveTimes = std::function<bool(const BestTimes&, std::string& error)>;

    // `times` stays the caller's and must outlive the window; the window changes it only when the
    // player clears it. `pictureInPlay` is the display name whose results come first. The
    // question and any failure to save are shown through `messages`.
    BestTimesWindow(BestTimes& times, std::string pictureInPlay, MessageBoxes& messages,
                    SaveTimes save, QWidget* parent = nullptr);

    // Fills the table again from the results (after a game was recorded while it was open).
    void refresh();

    // "Clear All...": asks, and on Yes empties the results and saves them.
    void clearAll();

    QTableWidget* table() const { return table_; }

private:
    void fitToContents();

    BestTimes& times_;
    std::string pictureInPlay_;
    MessageBoxes& messages_;
    SaveTimes save_;
    QTableWidget* table_ = nullptr;
    QLabel* emptyNote_ = nullptr;
    QPushButton* clearButton_ = nullptr;
};

} // namespace quiltra
