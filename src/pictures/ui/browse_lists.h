// The browsing elements both picture windows share: the drive list, the folder list, the file
// list, the View box and the preview image.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

namespace quiltra {

// Places an element at its designed position and size in twips (15 to a pixel).
void placeTwips(QWidget* element, double left, double top, double width, double height);

// The client area of a window designed at outerWidth x outerHeight twips, which include a
// nominal frame of 4-pixel borders and a 22-pixel title bar; the whole window is placed at
// left, top (twips).
void placeWindowTwips(QWidget* window, double left, double top, double outerWidth,
                      double outerHeight);

// The picture windows' text is 8 point unless an element says otherwise.
void useWindowFont(QWidget* window);

// A label with its element name; bold labels use the given point size.
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, double boldPoints = 0);

// A folder path as the windows keep it: absolute, "/" separators, no trailing "/" except the
// root.
QString cleanFolder(const QString& folder);

// The file `name` in `folder`, with no second "/" after the root.
QString pathIn(const QString& folder, const QString& name);

// The drive list: the volumes, then the player's home and Pictures folders. It shows the entry
// that holds the folder list's folder most closely.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent);
    void reread();
    QString drive() const;
    // Shows the volume that holds `folder`, without raising a change.
    void showDriveOf(const QString& folder);
};

// The folder list: the folders from the root down to the current one, then its subfolders.
// Double click or Enter on an entry goes there.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent);
    QString path() const { return path_; }
    // Goes to `folder` and re-reads it. A folder that does not exist or cannot be read leaves
    // the list where it was and gives the description to show.
    bool setPath(const QString& folder, QString& error);
    void reread();

signals:
    void pathChanged();
    void failed(const QString& error);

private:
    QString path_;
};

// The folder and file lists hold paths as native_path.h describes, so that names that are not
// UTF-8 are listed and reached.
// The file list: the files of one folder that match the pattern, sorted by name.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent);
    QString path() const { return path_; }
    QString pattern() const { return pattern_; }
    void setPath(const QString& folder);
    void setPattern(const QString& pattern);
    void reread();
    // A listed file's exact name and full path (native_path.h); its text only shows the name.
    QString fileName(const QListWidgetItem* item) const;
    QString filePath(const QListWidgetItem* item) const;

private:
    QString path_;
    QString pattern_;
};

// The View box. Its value is 0 (clear), 1 (checked) or 2 (greyed, as the settings file may
// hold); a click always leaves it clear or checked. Only 1 shows previews.
class ViewBox : public QCheckBox {
    Q_OBJECT
public:
    ViewBox(const QString& text, QWidget* parent);
    std::int16_t value() const;
    void setValue(std::int16_t value);
    bool previews() const { return value() == 1; }

protected:
    void nextCheckState() override;
};

// The preview image: the whole picture stretched to the element's square. It keeps the decoded
// picture and its natural size, so that opening it or viewing it needs no second decode.
class PreviewImage : public QLabel {
    Q_OBJECT
public:
    explicit PreviewImage(QWidget* parent);
    void showPicture(const QString& path, QImage image, QSize naturalSize);
    void clearPicture();
    const QString& picturePath() const { return path_; }
    const QImage& picture() const { return image_; }
    QSize naturalSize() const { return natural_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString path_;
    QImage image_;
    QSize natural_;
};

} // namespace quiltra
