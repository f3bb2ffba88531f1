// The picture clip over Qt: holds the current picture for the engine and the board widget.
#include "platform/ui/qt_picture_clip.h"

#include "platform/ui/native_path.h"
#include "platform/ui/picture_loader.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace quiltra {

namespace {

// The most a picture is decoded at. On a high-density screen it is decoded with as many more
// pixels, so pieces are drawn sharp rather than enlarged.
int largestLongSide()
{
    const qreal density = qApp ? qApp->devicePixelRatio() : 1.0;
    return int(kDecodeLongSide * std::max<qreal>(1.0, std::ceil(density)));
}

// The size a picture of natural size `natural` is shown at, at most, in an area: fitted into it
// with its proportions, never enlarged.
QSize shownSize(QSize natural, QSize area)
{
    if (natural.width() <= area.width() && natural.height() <= area.height())
        return natural;
    return natural.scaled(area, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// The long side of the smallest reduction by halves of `stored` that still covers `needed`.
int coveringLongSide(QSize stored, QSize needed)
{
    int divisor = 1;
    for (int next = 2; next <= (1 << 16); next *= 2) {
        if ((stored.width() + next - 1) / next < needed.width() ||
            (stored.height() + next - 1) / next < needed.height())
            break;
        divisor = next;
    }
    return std::max((stored.width() + divisor - 1) / divisor, (stored.height() + divisor - 1) / divisor);
}

} // namespace

// The area, turned to the file's stored orientation, decides the reduction of a probed picture.
int QtPictureClip::longSideFor(const PictureProbe& probe) const
{
    const int limit = largestLongSide();
    if (area_.isEmpty() || !probe.ok())
        return limit;
    const bool quarter = probe.turn.testFlag(QImageIOHandler::TransformationRotate90);
    const QSize needed = shownSize(probe.natural, area_);
    return std::min(limit, coveringLongSide(probe.stored, quarter ? needed.transposed() : needed));
}

bool QtPictureClip::load(const std::string& path, std::string& error)
{
    return loadIf(path, [](int, int) { return true; }, path_, error) == ClipLoad::Taken;
}

// The picture is probed, and its natural size put to the rule, before anything decodes it. The
// rule is asked again of the decoded picture, whose own size may differ from its header's (a
// GIF's screen and its frame).
ClipLoad QtPictureClip::loadIf(const std::string& path, const SizeRule& accepts,
                               const std::string&, std::string& error)
{
    LoadedPicture loaded;
    if (!offeredPath_.empty() && offeredPath_ == path) {
        loaded.image = std::move(offeredImage_);
        loaded.naturalSize = offeredSize_;
    } else {
        const PictureProbe probe = probePicture(fromNativePath(path));
        if (probe.ok() && !accepts(probe.natural.width(), probe.natural.height())) {
            withdrawOffer();
            return ClipLoad::Refused;
        }
        loaded = loadPicture(probe, longSideFor(probe));
    }
    withdrawOffer();
    if (!loaded.ok()) {
        error = loaded.error.toStdString();
        return ClipLoad::Failed;
    }
    if (!accepts(loaded.naturalSize.width(), loaded.naturalSize.height()))
        return ClipLoad::Refused;
    take(std::move(loaded.image), loaded.naturalSize);
    path_ = path;
    return ClipLoad::Taken;
}

void QtPictureClip::withdrawOffer()
{
    offeredPath_.clear();
    offeredImage_ = QImage();
}

void QtPictureClip::offer(const std::string& path, QImage image, QSize naturalSize)
{
    offeredPath_ = path;
    offeredImage_ = std::move(image);
    offeredSize_ = naturalSize;
}

void QtPictureClip::loadIntro()
{
    take({}, {});
    introPending_ = true;
}

const QtPictureClip& QtPictureClip::settled() const
{
    if (introPending_) {
        introPending_ = false;
        image_ = introSource_ ? introSource_() : QImage();
        natural_ = image_.size();
        ++pictureKey_;
    }
    return *this;
}

void QtPictureClip::take(QImage image, QSize naturalSize)
{
    introPending_ = false;
    image_ = std::move(image);
    natural_ = naturalSize;
    path_.clear();
    decodedFor_ = area_;
    reduced_ = false;
    ++pictureKey_;
}

QImage QtPictureClip::shownAt(QSize devicePixels)
{
    const QImage& held = settled().image_;
    if (held.isNull() || devicePixels.isEmpty() || held.size() == devicePixels)
        return held;
    QImage scaled = held.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!path_.empty() && held.width() >= devicePixels.width() &&
        held.height() >= devicePixels.height()) {
        image_ = scaled;
        reduced_ = true;
    }
    return scaled;
}

void QtPictureClip::setShownArea(QSize devicePixels)
{
    area_ = devicePixels;
    if (path_.empty() || image_.isNull())
        return;
    const QSize needed = shownSize(natural_, area_);
    if (image_.width() >= needed.width() && image_.height() >= needed.height())
        return;
    // Pixels reduced to what the board shows are enough until the area grows.
    if (reduced_ && area_.width() <= decodedFor_.width() && area_.height() <= decodedFor_.height())
        return;
    // A picture that no longer loads keeps the pixels it has.
    const PictureProbe probe = probePicture(fromNativePath(path_));
    LoadedPicture loaded = loadPicture(probe, longSideFor(probe));
    if (loaded.ok() && loaded.image.width() > image_.width()) {
        image_ = std::move(loaded.image);
        decodedFor_ = area_;
        reduced_ = false;
        ++pictureKey_;
    }
}

} // namespace quiltra
