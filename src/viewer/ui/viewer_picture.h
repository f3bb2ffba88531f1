// The copy of a picture the viewer shows: the opener's preview, or a sharper decode of the same
// file when the preview was reduced, kept within the viewer's memory budget.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace quiltra {

// The viewer's decoded copy never needs more than this (4 bytes a pixel): 16.7 megapixels. A
// larger picture is decoded at the largest size that JPEG's halving steps fit into the budget and
// stretched to its natural size on screen.
inline constexpr qint64 kViewerPictureBudgetBytes = 64ll << 20;

struct ViewerPicture {
    QImage image;       // the pixels shown
    QSize naturalSize;  // the file's own size, which the Size caption and zoom steps use
    // Whether the pixels are fewer than the natural size holds: the viewer says so.
    bool reduced() const { return image.size() != naturalSize; }
};

// The picture for the viewer: `preview` (the opener's decoded picture, possibly reduced) with its
// `naturalSize`. When `path` names the same picture and the preview is smaller than its natural
// size, the file is decoded again at the largest size within the budget: at natural size when it
// fits, else reduced while decoding (JPEG). Any failure keeps the preview.
ViewerPicture viewerPicture(const QImage& preview, QSize naturalSize, const QString& path);

// The long side at which a picture of this natural size is decoded within `budgetBytes`.
int budgetLongSide(QSize naturalSize, qint64 budgetBytes = kViewerPictureBudgetBytes);

} // namespace quiltra
