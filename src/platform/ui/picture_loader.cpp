// Decodes BMP, GIF, JPEG, PNG, WebP and TIFF files once, at a bounded size, within a memory budget.
#include "platform/ui/picture_loader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <climits>
#include <mutex>

#include "platform/ui/jpeg_decoder.h"
#include "platform/ui/native_path.h"
#include "platform/picture_completeness.h"
#include "platform/picture_exif.h"
#include "platform/picture_header.h"
#include "platform/translation.h"

namespace quiltra {

QByteArray pictureFormat(QIODevice& file)
{
    const qint64 at = file.pos();
    const QByteArray head = file.read(12);
    file.seek(at);
    if (head.startsWith("BM"))
        return "bmp";
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return "gif";
    if (head.startsWith("\xFF\xD8"))
        return "jpeg";
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return "png";
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        return "webp";
    if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4)))
        return "tiff";
    return {};
}

QByteArray pictureFormat(const QString& path)
{
    QFile file;
    return openNativeFile(file, path) ? pictureFormat(file) : QByteArray();
}

bool isPictureFileName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const char* known : {"bmp", "gif", "jpg", "jpeg", "png", "webp", "tif", "tiff"})
        if (suffix == QLatin1String(known))
            return true;
    return false;
}

QImageIOHandler::Transformations storedOrientation(QImageReader& reader, const QString& path)
{
    const QByteArray format = reader.format();
    if (format != "png" && format != "webp")
        return reader.transformation();
    // The orientation numbers 1 to 8 of Exif, as Qt's own readers take them.
    using T = QImageIOHandler;
    static const QImageIOHandler::Transformations kTurns[] = {
        T::TransformationNone,          T::TransformationNone,   T::TransformationMirror,
        T::TransformationRotate180,     T::TransformationFlip,   T::TransformationFlipAndRotate90,
        T::TransformationRotate90,      T::TransformationMirrorAndRotate90,
        T::TransformationRotate270,
    };
    FileBytes in(toNativePath(path));
    return kTurns[exifOrientation(in, format.toStdString())];
}

namespace {

QString invalidPicture()
{
    return QCoreApplication::translate("Messages", "Invalid picture");
}

// Qt's reader's own words for content it has no reader for, in the player's language from Qt's
// own translations.
QString unsupportedFormat()
{
    const char* const text = "Unsupported image format";
    return QCoreApplication::translate("QImageReader", text);
}

// The size from the header, or where the header is one this program does not read, Qt's
// reader's (the file has passed every structural check by then). Invalid with `error` set when
// neither says, or when the header's size is beyond any picture's.
QSize storedSize(const PictureHeader& header, QIODevice& file, const QByteArray& format,
                 QString& error)
{
    if (header.width > 0 && header.height > 0) {
        if (header.width <= INT_MAX && header.height <= INT_MAX)
            return QSize(int(header.width), int(header.height));
        error = tooLargeMessage(header.width, header.height);
        return {};
    }
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);
    QSize stored = reader.size();
    // Qt gives a BMP stored top-down a negative height.
    if (format == "bmp" && stored.width() > 0 && stored.height() < 0)
        stored.setHeight(-stored.height());
    if (stored.isValid() && !stored.isEmpty())
        return stored;
    error = reader.errorString();
    // Qt's own "Unknown error" (in any language) says nothing to the player.
    if (error.isEmpty() || reader.error() == QImageReader::UnknownError)
        error = invalidPicture();
    return {};
}

// Why the header's picture may not be decoded: too many pixels, a whole decode over the memory
// budget, too many pieces or too long a side chunk to read. Empty when it may.
QString overLimits(const PictureHeader& header, QSize stored)
{
    const qint64 pixels = qint64(stored.width()) * stored.height();
    if (pixels > kLargestPicturePixels || header.pieces > kMostTiffPieces ||
        (!header.reducesWhileDecoding &&
         pixels * header.bytesPerPixel + header.workingBytes > kFullDecodeBudgetBytes))
        return tooLargeMessage(stored);
    if (header.longestSideChunk > kLongestPngSideChunk)
        return invalidPicture();
    return {};
}

} // namespace

PictureProbe probePicture(const QString& path)
{
    // Every reader Qt makes afterwards allocates no picture over the budget.
    static std::once_flag limited;
    std::call_once(limited,
                   [] { QImageReader::setAllocationLimit(int(kFullDecodeBudgetBytes >> 20)); });

    PictureProbe probe;
    probe.path = path;
    // The file is opened from its bytes: Qt could not find a name that is not UTF-8.
    if (!pathExists(path)) {
        probe.error = QCoreApplication::translate("Messages", "File not found");
        return probe;
    }
    QFile file;
    QString openError;
    const bool opened = openNativeFile(file, path, &openError);
    if (!opened || file.size() == 0) {
        probe.error = opened ? QCoreApplication::translate(
                                   "Messages", "The file is empty and holds no picture")
                             : openError;
        return probe;
    }
    probe.format = pictureFormat(file);
    if (probe.format.isEmpty()) {
        probe.error = unsupportedFormat();
        return probe;
    }
    // A file cut off before its end decodes "successfully" with the rest filled in: refuse it.
    // Checked before the size, so a file cut off within its header is named incomplete as well.
    FileBytes bytes(toNativePath(path));
    const std::string format = probe.format.toStdString();
    const std::string missing = incompletePicture(bytes, std::uint64_t(file.size()), format);
    if (!missing.empty()) {
        probe.error = QString::fromStdString(translateStored("Messages", missing));
        return probe;
    }
    const PictureHeader header = readPictureHeader(bytes, format);
    probe.readerReduces = header.reducesWhileDecoding || header.reducesRows;
    probe.stored = storedSize(header, file, probe.format, probe.error);
    if (!probe.ok())
        return probe;
    probe.error = overLimits(header, probe.stored);
    if (!probe.ok())
        return probe;
    file.seek(0);
    QImageReader reader(&file, probe.format);
    reader.setAutoDetectImageFormat(false);
    probe.turn = storedOrientation(reader, path);
    probe.natural = probe.turn.testFlag(QImageIOHandler::TransformationRotate90)
                        ? probe.stored.transposed()
                        : probe.stored;
    return probe;
}

namespace {

// Reads the whole picture through Qt's reader, reduced to `target` by the reader itself only
// where it does so while decoding; any other reduction would be a copy the reader makes while it
// still holds its own buffers. The reader and its buffers are gone when this returns, so the
// picture can be converted where it lies.
QImage readWhole(const PictureProbe& probe, QSize target, QString& error)
{
    QFile file;
    if (!openNativeFile(file, probe.path, &error))
        return {};
    QImageReader reader(&file, probe.format);
    reader.setAutoDetectImageFormat(false);
    // The turn is applied after the reduction, to fewer pixels.
    reader.setAutoTransform(false);
    if (probe.readerReduces && target != probe.stored)
        reader.setScaledSize(target);
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        error = reader.errorString();
        if (error.isEmpty())
            error = invalidPicture();
        return {};
    }
    return image;
}

} // namespace

LoadedPicture loadPicture(const PictureProbe& probe, int longSide, const std::atomic<bool>* stop)
{
    LoadedPicture result;
    if (!probe.ok()) {
        result.error = probe.error;
        return result;
    }
    // Reduce by halves until the long side fits: JPEG decodes such sizes directly, at a fraction
    // of the cost of a full decode.
    const QSize stored = probe.stored;
    QSize target = stored;
    int divisor = 1;
    while (std::max(target.width(), target.height()) > longSide) {
        divisor *= 2;
        target = QSize((stored.width() + divisor - 1) / divisor,
                       (stored.height() + divisor - 1) / divisor);
    }

    QImage image;
    // JPEG, the commonest kind, is decoded by libjpeg-turbo itself (jpeg_decoder.h): reduced by
    // eighths and straight into the pixels Qt paints from, it takes about a quarter less time.
    const bool jpeg = probe.format == "jpeg";
    const JpegDecode fast =
        jpeg ? decodeJpeg(probe.path, target, kFullDecodeBudgetBytes, stop) : JpegDecode{};
    if (fast.outcome == JpegDecode::Outcome::Stopped) {
        result.error = QString::fromLatin1(kStoppedDecode);
        return result;
    }
    if (fast.outcome == JpegDecode::Outcome::Refused) {
        result.error = fast.error;
        return result;
    }
    if (fast.outcome == JpegDecode::Outcome::Decoded) {
        image = fast.image;
    } else {
        image = readWhole(probe, target, result.error);
        if (image.isNull())
            return result;
        // In place where the decoded pixels are 32 bits or more (so an animation's canvas or a
        // 16-bit picture needs no second copy); a copy for fewer, which the smooth reduction
        // would make anyway.
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
        if (image.size() != target && target != stored)
            image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image = upright(std::move(image), probe.turn);
    // Some files describe a size in their header that differs from the picture they hold (a GIF's
    // screen and its frame): a picture read without reduction has its own natural size.
    result.naturalSize = target == stored ? image.size() : probe.natural;
    if (std::max(image.width(), image.height()) > longSide)
        image = image.scaled(QSize(longSide, longSide), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32);
    result.image = std::move(image);
    return result;
}

LoadedPicture loadPicture(const QString& path, int longSide, const std::atomic<bool>* stop)
{
    return loadPicture(probePicture(path), longSide, stop);
}

} // namespace quiltra
