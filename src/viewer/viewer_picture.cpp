// The copy of a picture the viewer shows, within the viewer's memory budget.
#include "viewer/viewer_picture.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "platform/native_path.h"
#include "platform/picture_loader.h"

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
    QFile file;
    if (!openNativeFile(file, path))
        return result;
    QImageReader probe(&file);
    probe.setAutoTransform(true);
    const QByteArray format = probe.format();
    const QSize stored = probe.size();
    if (!stored.isValid() || (stored != naturalSize && stored.transposed() != naturalSize))
        return result;
    // A picture that cannot be decoded within the budget shows from the loader's bounded copy,
    // as the picture windows' previews once held it (they are now decoded at their own size).
    const bool scalesWhileDecoding = format == "jpeg" || format == "jpg";
    const qint64 fullBytes = qint64(stored.width()) * stored.height() * 4;
    const bool withinBudget = scalesWhileDecoding || fullBytes <= kViewerPictureBudgetBytes;
    if (!withinBudget && std::max(preview.width(), preview.height()) >= kDecodeLongSide)
        return result;

    LoadedPicture loaded =
        loadPicture(path, withinBudget ? budgetLongSide(naturalSize) : kDecodeLongSide);
    if (!loaded.ok() || loaded.naturalSize != naturalSize ||
        loaded.image.width() <= preview.width())
        return result;
    result.image = std::move(loaded.image);
    return result;
}

} // namespace quiltra
