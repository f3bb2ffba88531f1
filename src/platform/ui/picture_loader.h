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
// while decoding), so a hostile header cannot exhaust memory. It is also Qt's allocation limit
// for any one picture its readers allocate.
inline constexpr qint64 kFullDecodeBudgetBytes = 256ll << 20;
// No picture larger than this many pixels is opened at all.
inline constexpr qint64 kLargestPicturePixels = 400ll * 1000 * 1000;

// A TIFF of more strips or tiles than this is refused: its decoder reads each one apart, so a
// million one-row strips in an 8 MB file held the window for seconds, while this many take a
// tenth of a second (docs/PERFORMANCE.md). Pictures 65536 rows high still open with one row a
// strip.
inline constexpr qint64 kMostTiffPieces = 65536;
// A PNG chunk other than picture data longer than this (libpng's own default limit for them) is
// refused: libpng reads each whole into memory.
inline constexpr qint64 kLongestPngSideChunk = 8000000;

// What the checks of a picture file found, before any decoder was asked anything: the file is
// whole, its structure bounded, and its size, from its own header, within the limits.
struct PictureProbe {
    QString path;
    QByteArray format;   // "bmp", "gif", "jpeg", "png", "webp" or "tiff"
    QSize stored;        // the size as stored
    QSize natural;       // upright: the size the game and the viewer use
    QImageIOHandler::Transformations turn;   // turns the stored picture upright
    bool readerReduces = false;   // Qt's reader decodes it smaller for less memory (JPEG, PNG)
    QString error;       // why the picture cannot be used, in the player's language
    bool ok() const { return error.isEmpty(); }
};

// The one way every picture is looked at first, whatever asks (the game, the previews, the
// viewer): the file is found and not empty; its content is one of the six formats; it is whole
// (picture_completeness.h); its header (picture_header.h) gives a size within the largest
// picture, a decode within the memory budget, and a structure within the bounds above. Only then
// is a decoder asked, for the orientation of a JPEG or TIFF. Reads a few kilobytes, and a whole
// JPEG's or PNG's structure without its data.
PictureProbe probePicture(const QString& path);

// Decodes a probed picture at most `longSide` on its long side (an unusable probe gives its
// error). Raising `stop` from another thread ends a JPEG decode early with the error
// kStoppedDecode.
LoadedPicture loadPicture(const PictureProbe& probe, int longSide = kDecodeLongSide,
                          const std::atomic<bool>* stop = nullptr);
// Probes and decodes `path`, held as native_path.h describes, so a name that is not UTF-8 loads
// as well.
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
