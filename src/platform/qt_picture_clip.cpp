// The picture clip over Qt: holds the current picture for the engine and the board widget.
#include "platform/qt_picture_clip.h"

#include "platform/picture_loader.h"

#include <QGuiApplication>
#include <cmath>

namespace quiltra {

bool QtPictureClip::load(const std::string& path, std::string& error)
{
    // On a high-density screen the picture is decoded with as many more pixels, so pieces are
    // drawn sharp rather than enlarged.
    const qreal density = qApp ? qApp->devicePixelRatio() : 1.0;
    const int longSide = int(kDecodeLongSide * std::max<qreal>(1.0, std::ceil(density)));
    LoadedPicture loaded = loadPicture(QString::fromStdString(path), longSide);
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
