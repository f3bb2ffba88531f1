// Decodes a JPEG file with libjpeg-turbo itself, reduced while decoding and straight into the
// 32-bit pixels Qt paints from: the fast path of the picture loader for the commonest pictures.
#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QSize>
#include <QString>
#include <atomic>

namespace quiltra {

struct JpegDecode {
    enum class Outcome {
        Decoded,      // `image` holds the picture
        Refused,      // the file cannot be used: `error` says why
        NotHandled,   // a kind this decoder leaves to Qt's reader (CMYK, an odd colour space)
        Stopped,      // `stop` was raised before the last row was decoded
    };
    Outcome outcome = Outcome::NotHandled;
    QImage image;
    QString error;
};

// Decodes the JPEG file at `path` to exactly `target` pixels (the stored orientation: no Exif
// turn is applied). libjpeg reduces by eighths while decoding, so the finest eighth that still
// gives at least `target` is decoded and only the small remainder, if any, is scaled smoothly;
// a reduction by 1/2, 1/4 or 1/8 needs no scaling at all. Progressive files keep every
// coefficient of the full picture while decoding: one that would need more than `budgetBytes`
// for them is refused as too large. Damaged data decodes as far as it goes, like Qt's reader.
// Raising `stop` from another thread ends the decode at the next row: nobody wants it any more.
JpegDecode decodeJpeg(const QString& path, QSize target, qint64 budgetBytes,
                      const std::atomic<bool>* stop = nullptr);

// Turns a decoded picture upright by its Exif orientation, as Qt's reader does when it applies
// the transformation itself: mirror and flip first, then a quarter turn clockwise.
QImage upright(QImage image, QImageIOHandler::Transformations orientation);

// Why a picture of `size` pixels is refused, in the player's language (every decoder says it
// alike).
QString tooLargeMessage(QSize size);
QString tooLargeMessage(qint64 width, qint64 height);

} // namespace quiltra
