// The Open Picture window (Form10): finds a picture file on any volume, previews it, and takes it
// into play in the game window, which stays hidden while this window is open.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "game/program_state.h"
#include "pictures/ui/open_file.h"

class QComboBox;
class QLabel;
class QListWidgetItem;
class QPushButton;

namespace quiltra {

class DriveList;
class FileList;
class FolderList;
class Game;
class PreviewImage;
class PreviewLoader;
class QtPictureClip;
struct LoadedPicture;
class ViewBox;

// The window's caption, which it takes back after a "Loading" caption.
QString openPictureCaption();

class OpenPictureWindow : public QWidget {
    Q_OBJECT
public:
    // Runs the window's load step; the game's changes run through `runGame`. The window deletes
    // itself when it closes, and its closing, by any means, runs onClosed. It starts in the
    // folder and with the View box that `program` holds, and tells the owner of `program` what
    // to keep through onFolderOpened and onClosed.
    OpenPictureWindow(Game& game, const ProgramState& program, QtPictureClip& clip,
                      GameRunner runGame, QWidget* parent = nullptr);

    // The preview the Picture Viewer shows when it is opened from here (opened from the Open Picture window).
    QImage previewPicture() const;
    QSize previewNaturalSize() const;
    QString previewPath() const;
    // A click on the preview: the program shows the Picture Viewer, which shows this window
    // again when it closes. Without it the preview does nothing on a click.
    // It is handed the name the viewer shows.
    std::function<void(const std::string& pictureName)> onViewPicture;
    // The Open button was pressed in `folder` (native form), the next start folder.
    std::function<void(const std::string& folder)> onFolderOpened;
    // The program shows the game window again and keeps the View box's setting.
    std::function<void(std::int16_t viewSetting)> onClosed;

    // The window's events.
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void FileTypes_Click();
    void FileTypes_Enter();
    void View_Click();
    void Image1_Click();
    void Open_Click();
    // The routine of the Open button and the double click; true when it closed the window.
    bool OpenSelectedPicture();

    QString SelectedFileName;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window as Cancel does.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildElements();
    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    QListWidgetItem* selectedFile() const;
    // Has the picture at `path` decoded for the preview; previewLoaded shows it, or on failure
    // reports and clears the preview.
    void previewFile(const QString& path);
    void previewLoaded(const QString& path, LoadedPicture loaded);
    void reportFileError(const QString& error, const QString& path);
    void report(const QString& error);
    void finishAttempt();

    Game& game_;
    const ProgramState& program_;
    QtPictureClip& clip_;
    GameRunner runGame_;
    QString selectedPath_;   // full path of the file SelectedFileName names

    QLabel* Label6_ = nullptr;
    QLabel* Label9_ = nullptr;
    DriveList* Drive1_ = nullptr;
    FolderList* Dir1_ = nullptr;
    FileList* File1_ = nullptr;
    QComboBox* FileTypes_ = nullptr;
    PreviewImage* Image1_ = nullptr;
    PreviewLoader* previews_ = nullptr;
    QWidget* Shape2_ = nullptr;
    ViewBox* View_ = nullptr;
    QPushButton* Open_ = nullptr;
    QPushButton* Cancel_ = nullptr;
};

} // namespace quiltra
