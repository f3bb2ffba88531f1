// The Picture List Editor (Form1): edits the program's picture list, built hidden when it is
// first asked for and never destroyed. Adds pictures from disk, removes and reorders them,
// previews them, and on OK commits the list and has the program write the settings file
// (Save_Info).
#pragma once

#include <QImage>
#include <QListWidget>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/program_state.h"

class QLabel;
class QPushButton;

namespace quiltra {

class DriveList;
class FileList;
class FolderList;
class Game;
class MessageBoxes;
class PreviewImage;
class PreviewLoader;
class ViewBox;
struct LoadedPicture;

// Fills the program's picture list with the entries read at start-up: List1 and List3 with the
// paths, List2 with their names.
void fillPictureList(PictureList& lists, const std::vector<std::string>& entries);

// The visible picture list (List2): reports presses and releases with the row under the mouse
// after the list has handled them, the Delete key, released arrow keys and gaining the focus.
class PictureListBox : public QListWidget {
    Q_OBJECT
public:
    explicit PictureListBox(QWidget* parent) : QListWidget(parent) {}

signals:
    void pressed(int row);
    void released(int row);
    void deletePressed();
    void arrowReleased();
    void focused();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

class PictureListEditor : public QWidget {
    Q_OBJECT
public:
    // `lists` is the program's picture list, which the editor changes in place.
    PictureListEditor(const ProgramState& program, PictureList& lists, QWidget* parent = nullptr);

    PictureList& lists() { return lists_; }
    // Fills List1 and List3 with the entries read at start-up, and List2 with their names.
    void setEntries(const std::vector<std::string>& entries);

    // The View box: 0 clear, 1 checked, 2 greyed.
    std::int16_t viewState() const;
    void setViewState(std::int16_t state);

    // The game, whose game area decides which pictures can be cut, and the message boxes.
    void setGame(Game* game, MessageBoxes* messages) { game_ = game, messages_ = messages; }
    // OK: the program writes "init.txt" (Save_Info), telling the player when it cannot.
    std::function<bool()> onSaveInfo;

    // Shows the game window again when the editor closes (the program rebuilds the Picture menu
    // from the list there, so the menu always matches it).
    std::function<void()> onClosed;
    // A click on the preview: the program shows the Picture Viewer, which shows
    // the editor again when it closes. Without it the preview does nothing on a click.
    // It is handed the name the viewer shows.
    std::function<void(const std::string& pictureName)> onViewPicture;
    QImage previewPicture() const;
    QSize previewNaturalSize() const;
    QString previewPath() const;

    bool EditorClosedByOK = false;
    QString PreviewPath;   // the picture to preview; empty when none
    int DragFrom = -1;
    bool DragBlocked = false;

    // The window's events.
    void Add_Click();
    void Remove_Click();
    void OK_Click();
    void Cancel_Click();
    void List2_MouseDown(int row);
    void List2_MouseUp(int row);
    void List2_KeyUp();
    void File1_GotFocus();
    void List2_GotFocus();
    void file1_Click();
    void View_Click();
    void Image1_Click();
    void Dir1_Change();
    void Drive1_Change();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the editor as Cancel does.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Source { None, Files, List };
    void buildElements();
    void Form_Load();
    void Form_Resize();
    void refillList();
    void clearPreview();
    // Previews PreviewPath, named `name`, taken from `source`; previewLoaded shows it or
    // reports the failure.
    void preview(const QString& name, Source source, int listRow);
    void previewLoaded(const QString& path, LoadedPicture loaded);
    void previewListEntry(int row);
    void report(const std::string& text);
    // Checks the files about to be added; false (after telling the player) when one cannot be.
    bool checkAddable(const std::vector<std::pair<QString, QString>>& files);

    const ProgramState& program_;
    PictureList& lists_;
    Game* game_ = nullptr;
    MessageBoxes* messages_ = nullptr;
    Source previewSource_ = Source::None;
    bool backFromViewer_ = false;   // shown again by the viewer: keep the state as it was

    DriveList* Drive1_ = nullptr;
    FolderList* Dir1_ = nullptr;
    FileList* File1_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    PictureListBox* List2_ = nullptr;
    PreviewImage* Image1_ = nullptr;
    PreviewLoader* previews_ = nullptr;
    QString loadingName_;   // the name and list row of the picture being decoded
    int loadingRow_ = -1;
    QWidget* frame_ = nullptr;
    QLabel* Label9_ = nullptr;
    QLabel* Label10_ = nullptr;
    ViewBox* View_ = nullptr;
};

} // namespace quiltra
