// The copy of a picture the viewer shows, within the viewer's memory budget.
#include "viewer/ui/viewer_picture.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/picture_loader.h"

namespace quiltra {

int budgetLongSide(QSize naturalSize, qint64 budgetBytes)
{
    const qint64 pixels = qint64(naturalSize.width()) * naturalSize.height();
    const int longSide = std::max(naturalSize.width(), naturalSize.height());
    const qint64 budgetPixels = budgetBytes / 4;
    if (pixels <= budgetPixels)
        return longSide;
    return int(std::floor(longSide * std::sqrt(double(budgetPixels) / double(pixels))));
}

ViewerPicture viewerPicture(const QImage& preview, QSize naturalSize, const QString& path)
{
    ViewerPicture result{preview, naturalSize.isValid() && !naturalSize.isEmpty()
                                      ? naturalSize
                                      : preview.size()};
    if (path.isEmpty() || preview.isNull() || !result.reduced())
        return result;

    // Only the same picture, and only when it can be decoded within the budget: JPEG reduces
    // while decoding; other formats decode whole first, so they must fit whole.
    const PictureProbe probe = probePicture(path);
    if (!probe.ok() || probe.natural != naturalSize)
        return result;
    const QSize stored = probe.stored;
    // A picture that cannot be decoded within the budget shows from the loader's bounded copy,
    // as the picture windows' previews once held it (they are now decoded at their own size).
    const bool scalesWhileDecoding = probe.format == "jpeg";
    const qint64 fullBytes = qint64(stored.width()) * stored.height() * 4;
    const bool withinBudget = scalesWhileDecoding || fullBytes <= kViewerPictureBudgetBytes;
    if (!withinBudget && std::max(preview.width(), preview.height()) >= kDecodeLongSide)
        return result;

    LoadedPicture loaded =
        loadPicture(probe, withinBudget ? budgetLongSide(naturalSize) : kDecodeLongSide);
    if (!loaded.ok() || loaded.naturalSize != naturalSize ||
        loaded.image.width() <= preview.width())
        return result;
    result.image = std::move(loaded.image);
    return result;
}

} // namespace quiltra
