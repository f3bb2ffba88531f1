// Decodes BMP, GIF, JPEG, PNG, WebP and TIFF files once, at a bounded size, within a memory budget.
#include "platform/picture_loader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <climits>

#include "platform/jpeg_decoder.h"
#include "platform/native_path.h"
#include "platform/picture_completeness.h"
#include "platform/picture_exif.h"
#include "platform/translation.h"

namespace quiltra {

namespace {

bool rotatesQuarter(QImageIOHandler::Transformations t)
{
    return t.testFlag(QImageIOHandler::TransformationRotate90);
}

// The width and length a TIFF's first directory declares (tags 256 and 257), 0 where it does not.
void tiffDeclaredSize(QIODevice& file, qint64& w, qint64& h)
{
    const QByteArray head = file.read(8);
    if (head.size() < 8)
        return;
    const bool little = head[0] == 'I';
    const auto value = [little](const QByteArray& b, int at, int n) {
        qint64 v = 0;
        for (int i = 0; i < n; ++i)
            v |= qint64(quint8(b[at + i])) << (8 * (little ? i : n - 1 - i));
        return v;
    };
    if (!file.seek(value(head, 4, 4)))
        return;
    const qint64 entries = value(file.read(2).leftJustified(2, '\0'), 0, 2);
    const QByteArray table = file.read(std::min<qint64>(entries, 4096) * 12);
    for (qsizetype at = 0; at + 12 <= table.size(); at += 12) {
        const qint64 tag = value(table, int(at), 2), type = value(table, int(at) + 2, 2);
        const qint64 v = type == 3 ? value(table, int(at) + 8, 2) : value(table, int(at) + 8, 4);
        if (tag == 256)
            w = v;
        else if (tag == 257)
            h = v;
    }
}

// The size a file's header declares, for the files whose size Qt's reader will not report (it
// refuses BMPs of more than 16384 x 16384 pixels, and libpng widths over a million). Invalid when
// the header does not say.
QSize declaredSize(const QString& path, const QByteArray& format)
{
    QFile file;
    if (!openNativeFile(file, path))
        return {};
    const QByteArray head = file.read(30).leftJustified(30, '\0');
    const auto byte = [&head](int at) { return qint64(quint8(head[at])); };
    const auto le16 = [&](int at) { return byte(at) | byte(at + 1) << 8; };
    const auto le24 = [&](int at) { return le16(at) | byte(at + 2) << 16; };
    const auto le32 = [&](int at) { return le16(at) | le16(at + 2) << 16; };
    const auto be32 = [&](int at) { return byte(at) << 24 | byte(at + 1) << 16 | byte(at + 2) << 8 | byte(at + 3); };
    const QByteArray chunk = head.mid(12, 4);
    qint64 w = 0, h = 0;
    if (format == "bmp" && head.size() >= 22 && le32(14) == 12) {
        w = le16(18), h = le16(20);
    } else if (format == "bmp" && head.size() >= 26 && le32(14) >= 40) {
        w = le32(18), h = le32(22);
        if (h >= 0x80000000LL)
            h = 0x100000000LL - h;   // rows stored top-down
    } else if (format == "gif" && head.size() >= 10) {
        w = le16(6), h = le16(8);
    } else if (format == "png") {
        w = be32(16), h = be32(20);
    } else if (format == "webp" && chunk == "VP8X") {
        w = le24(24) + 1, h = le24(27) + 1;
    } else if (format == "webp" && chunk == "VP8 ") {
        w = le16(26) & 0x3FFF, h = le16(28) & 0x3FFF;
    } else if (format == "webp" && chunk == "VP8L") {
        const qint64 bits = le32(21);
        w = (bits & 0x3FFF) + 1, h = (bits >> 14 & 0x3FFF) + 1;
    } else if (format == "tiff" && file.seek(0)) {
        tiffDeclaredSize(file, w, h);
    }
    if (w <= 0 || h <= 0 || w > INT_MAX || h > INT_MAX)
        return {};
    return QSize(int(w), int(h));
}

} // namespace

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

LoadedPicture loadPicture(const QString& path, int longSide, const std::atomic<bool>* stop)
{
    LoadedPicture result;
    // The file is opened from its bytes: Qt could not find a name that is not UTF-8.
    if (!pathExists(path)) {
        result.error = QCoreApplication::translate("Messages", "File not found");
        return result;
    }
    QFile file;
    QString openError;
    const bool opened = openNativeFile(file, path, &openError);
    if (!opened || file.size() == 0) {
        result.error =
            opened
                ? QCoreApplication::translate("Messages", "The file is empty and holds no picture")
                : openError;
        return result;
    }

    const QByteArray format = pictureFormat(file);
    QImageReader reader(&file, format);
    reader.setAutoTransform(true);
    if (format.isEmpty())
        reader.setDecideFormatFromContent(true);
    else
        reader.setAutoDetectImageFormat(false);
    // A file cut off before its end decodes "successfully" with the rest filled in: refuse it.
    // Checked before the size, so a file cut off within its header is named incomplete as well.
    FileBytes whole(toNativePath(path));
    const std::string missing =
        incompletePicture(whole, std::uint64_t(file.size()), reader.format().toStdString());
    if (!missing.empty()) {
        result.error = QString::fromStdString(translateStored("Messages", missing));
        return result;
    }
    const QImageIOHandler::Transformations turn = storedOrientation(reader, path);
    QSize stored = reader.size();
    // Qt gives a BMP whose rows are stored top-down (a negative height in its header) a negative
    // height; the picture itself is as tall as the positive height.
    if (reader.format() == "bmp" && stored.width() > 0 && stored.height() < 0)
        stored.setHeight(-stored.height());
    if (!stored.isValid() || stored.isEmpty()) {
        // A size Qt refuses to read may still be one the player should hear about.
        const QSize declared = declaredSize(path, reader.format());
        if (declared.isValid() &&
            qint64(declared.width()) * declared.height() > kFullDecodeBudgetBytes / 4) {
            result.error = tooLargeMessage(declared);
            return result;
        }
        result.error = reader.errorString();
        // Qt's own "Unknown error" (in any language) says nothing to the player.
        if (result.error.isEmpty() || reader.error() == QImageReader::UnknownError)
            result.error = QCoreApplication::translate("Messages", "Invalid picture");
        return result;
    }
    const qint64 pixels = qint64(stored.width()) * stored.height();
    if (pixels > kLargestPicturePixels) {
        result.error = tooLargeMessage(stored);
        return result;
    }

    // Reduce by halves until the long side fits: JPEG decodes such sizes directly, at a fraction
    // of the cost of a full decode.
    QSize target = stored;
    int divisor = 1;
    while (std::max(target.width(), target.height()) > longSide) {
        divisor *= 2;
        target = QSize((stored.width() + divisor - 1) / divisor,
                       (stored.height() + divisor - 1) / divisor);
    }
    const bool scalesWhileDecoding = reader.format() == "jpeg" || reader.format() == "jpg";
    if (!scalesWhileDecoding && pixels * 4 > kFullDecodeBudgetBytes) {
        result.error = tooLargeMessage(stored);
        return result;
    }
    QImageReader::setAllocationLimit(int(kFullDecodeBudgetBytes >> 20));
    if (target != stored)
        reader.setScaledSize(target);

    QImage image;
    // JPEG, the commonest kind, is decoded by libjpeg-turbo itself (jpeg_decoder.h): reduced by
    // eighths and straight into the pixels Qt paints from, it takes about a quarter less time.
    const JpegDecode fast =
        scalesWhileDecoding ? decodeJpeg(path, target, kFullDecodeBudgetBytes, stop) : JpegDecode{};
    if (fast.outcome == JpegDecode::Outcome::Stopped) {
        result.error = QString::fromLatin1(kStoppedDecode);
        return result;
    }
    if (fast.outcome == JpegDecode::Outcome::Refused) {
        result.error = fast.error;
        return result;
    }
    if (fast.outcome == JpegDecode::Outcome::Decoded) {
        image = upright(fast.image, turn);
    } else if (!reader.read(&image) || image.isNull()) {
        result.error = reader.errorString();
        if (result.error.isEmpty())
            result.error = QCoreApplication::translate("Messages", "Invalid picture");
        return result;
    } else if (turn != reader.transformation()) {
        image = upright(std::move(image), turn);   // an Exif turn Qt's reader does not apply
    }
    // Some files describe a size in their header that differs from the picture they hold (a GIF's
    // screen and its frame): a picture read without reduction has its own natural size.
    if (target == stored)
        result.naturalSize = image.size();
    else
        result.naturalSize = rotatesQuarter(turn) ? stored.transposed() : stored;
    if (std::max(image.width(), image.height()) > longSide)
        image = image.scaled(QSize(longSide, longSide), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32);
    result.image = std::move(image);
    return result;
}

} // namespace quiltra
