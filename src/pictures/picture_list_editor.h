// The Picture List Editor (Form1): owns the picture list for the whole run, loaded hidden at
// start-up, and writes the settings file through Save_Info.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "game/program_state.h"

class QCheckBox;
class QListWidget;

namespace quiltra {

class Game;
class MessageBoxes;

class PictureListEditor : public QWidget {
    Q_OBJECT
public:
    explicit PictureListEditor(ProgramState& program, QWidget* parent = nullptr);

    PictureList& lists() { return lists_; }
    // Fills List1 and List3 with the entries read at start-up, and List2 with their names.
    void setEntries(const std::vector<std::string>& entries);

    // The View box: 0 clear, 1 checked, 2 greyed.
    std::int16_t viewState() const;
    void setViewState(std::int16_t state);

    // The game window whose geometry, check marks and colour Save_Info writes.
    void setGame(Game* game, MessageBoxes* messages) { game_ = game, messages_ = messages; }
    // Writes "init.txt"; tells the player and returns false when it cannot be written.
    bool Save_Info();

    // Shows the game window again when the editor closes.
    std::function<void()> onClosed;

    bool EditorClosedByOK = false;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ok();
    void cancel();
    void refillList();

    ProgramState& program_;
    PictureList lists_;
    Game* game_ = nullptr;
    MessageBoxes* messages_ = nullptr;
    QListWidget* listBox_ = nullptr;
    QCheckBox* View_ = nullptr;
};

} // namespace quiltra
