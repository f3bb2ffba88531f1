// Decodes BMP, GIF, JPEG, PNG, WebP and TIFF files once, at a bounded size, within a memory budget.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>
#include <atomic>

namespace quiltra {

struct LoadedPicture {
    QImage image;        // decoded pixels, upright, at most kDecodeLongSide on the long side
    QSize naturalSize;   // the file's own size, upright
    QString error;       // the loader's description when the picture cannot be used
    bool ok() const { return error.isEmpty(); }
};

// Pictures are decoded at most this large on their long side: enough for the largest game area
// and the viewer's fitted view; larger files are reduced while decoding where the format allows.
inline constexpr int kDecodeLongSide = 2048;
// Pictures whose full decode would need more than this are refused (formats that cannot reduce
// while decoding), so a hostile header cannot exhaust memory.
inline constexpr qint64 kFullDecodeBudgetBytes = 256ll << 20;
// No picture larger than this many pixels is opened at all.
inline constexpr qint64 kLargestPicturePixels = 400ll * 1000 * 1000;

// `path` is held as native_path.h describes, so a name that is not UTF-8 loads as well.
// Raising `stop` from another thread ends a JPEG decode early with the error kStoppedDecode.
LoadedPicture loadPicture(const QString& path, int longSide = kDecodeLongSide,
                          const std::atomic<bool>* stop = nullptr);
// The error of a decode that was stopped: nobody wanted the picture any more.
inline constexpr const char* kStoppedDecode = "Stopped";

// "bmp", "gif", "jpeg", "png", "webp" or "tiff" when the file starts as one of those does (its
// bytes, whatever its name), else empty. Naming the format
// spares Qt's reader from trying every image plugin it has on the file, which loads them all
// (TIFF, WebP, MNG and their libraries): 2.4 ms of start-up for the intro picture alone.
QByteArray pictureFormat(const QString& path);
// The same for an open file, read from where it stands; the position is kept.
QByteArray pictureFormat(QIODevice& file);

// Whether a file name is one of the picture types the game opens (BMP, GIF, JPEG, PNG, WebP,
// TIFF).
bool isPictureFileName(const QString& path);

// How the stored pixels of the file `reader` reads turn upright: the reader's own orientation,
// or for PNG and WebP, whose Exif Qt does not read, the file's Exif orientation.
QImageIOHandler::Transformations storedOrientation(QImageReader& reader, const QString& path);

} // namespace quiltra
