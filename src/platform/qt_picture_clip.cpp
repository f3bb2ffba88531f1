// The picture clip over Qt: holds the current picture for the engine and the board widget.
#include "platform/qt_picture_clip.h"

#include "platform/picture_loader.h"

namespace quiltra {

bool QtPictureClip::load(const std::string& path, std::string& error)
{
    LoadedPicture loaded = loadPicture(QString::fromStdString(path));
    if (!loaded.ok()) {
        error = loaded.error.toStdString();
        return false;
    }
    take(std::move(loaded.image), loaded.naturalSize);
    return true;
}

void QtPictureClip::loadIntro() { take(intro_, intro_.size()); }

void QtPictureClip::take(QImage image, QSize naturalSize)
{
    image_ = std::move(image);
    natural_ = naturalSize;
}

} // namespace quiltra
