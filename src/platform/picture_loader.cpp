// Decodes BMP, GIF and JPEG files once, at a bounded size, within a memory budget.
#include "platform/picture_loader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <climits>
#include <filesystem>
#include <fstream>

#include "platform/jpeg_decoder.h"
#include "platform/native_path.h"
#include "platform/picture_completeness.h"

namespace quiltra {

namespace {

bool rotatesQuarter(QImageIOHandler::Transformations t)
{
    return t.testFlag(QImageIOHandler::TransformationRotate90);
}

// The size a BMP or GIF header declares, for the files whose size Qt's reader will not report
// (it refuses BMPs of more than 16384 x 16384 pixels). Invalid when the header does not say.
QSize declaredSize(const QString& path, const QByteArray& format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(26);
    const auto byte = [&head](int at) { return qint64(quint8(head[at])); };
    const auto le16 = [&](int at) { return byte(at) | byte(at + 1) << 8; };
    const auto le32 = [&](int at) { return le16(at) | le16(at + 2) << 16; };
    qint64 w = 0, h = 0;
    if (format == "bmp" && head.size() >= 22 && le32(14) == 12) {
        w = le16(18), h = le16(20);
    } else if (format == "bmp" && head.size() >= 26 && le32(14) >= 40) {
        w = le32(18), h = le32(22);
        if (h >= 0x80000000LL)
            h = 0x100000000LL - h;   // rows stored top-down
    } else if (format == "gif" && head.size() >= 10) {
        w = le16(6), h = le16(8);
    }
    if (w <= 0 || h <= 0 || w > INT_MAX || h > INT_MAX)
        return {};
    return QSize(int(w), int(h));
}

QString tooLarge(QSize size)
{
    return QStringLiteral("The picture is too large to open (%1 x %2 pixels)")
        .arg(size.width())
        .arg(size.height());
}

} // namespace

QByteArray pictureFormat(QIODevice& file)
{
    const qint64 at = file.pos();
    const QByteArray head = file.read(6);
    file.seek(at);
    if (head.startsWith("BM"))
        return "bmp";
    if (head == "GIF87a" || head == "GIF89a")
        return "gif";
    if (head.startsWith("\xFF\xD8"))
        return "jpeg";
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
    return suffix == QLatin1String("bmp") || suffix == QLatin1String("gif") ||
           suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}

LoadedPicture loadPicture(const QString& path, int longSide)
{
    LoadedPicture result;
    // The file is opened from its bytes: Qt could not find a name that is not UTF-8.
    if (!pathExists(path)) {
        result.error = QStringLiteral("File not found");
        return result;
    }
    QFile file;
    QString openError;
    const bool opened = openNativeFile(file, path, &openError);
    if (!opened || file.size() == 0) {
        result.error = opened ? QStringLiteral("The file is empty and holds no picture") : openError;
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
    std::ifstream whole(std::filesystem::path(toNativePath(path)), std::ios::binary);
    const std::string missing =
        incompletePicture(whole, std::uint64_t(file.size()), reader.format().toStdString());
    if (!missing.empty()) {
        result.error = QString::fromStdString(missing);
        return result;
    }
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
            result.error = tooLarge(declared);
            return result;
        }
        result.error = reader.errorString();
        if (result.error.isEmpty() || result.error == QLatin1String("Unknown error"))
            result.error = QStringLiteral("Invalid picture");
        return result;
    }
    const qint64 pixels = qint64(stored.width()) * stored.height();
    if (pixels > kLargestPicturePixels) {
        result.error = tooLarge(stored);
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
        result.error = tooLarge(stored);
        return result;
    }
    QImageReader::setAllocationLimit(int(kFullDecodeBudgetBytes >> 20));
    if (target != stored)
        reader.setScaledSize(target);

    QImage image;
    // JPEG, the commonest kind, is decoded by libjpeg-turbo itself (jpeg_decoder.h): reduced by
    // eighths and straight into the pixels Qt paints from, it takes about a quarter less time.
    const JpegDecode fast =
        scalesWhileDecoding ? decodeJpeg(path, target, kFullDecodeBudgetBytes) : JpegDecode{};
    if (fast.outcome == JpegDecode::Outcome::Refused) {
        result.error = fast.error;
        return result;
    }
    if (fast.outcome == JpegDecode::Outcome::Decoded) {
        image = upright(fast.image, reader.transformation());
    } else if (!reader.read(&image) || image.isNull()) {
        result.error = reader.errorString();
        if (result.error.isEmpty())
            result.error = QStringLiteral("Invalid picture");
        return result;
    }
    // Some files describe a size in their header that differs from the picture they hold (a GIF's
    // screen and its frame): a picture read without reduction has its own natural size.
    if (target == stored)
        result.naturalSize = image.size();
    else
        result.naturalSize = rotatesQuarter(reader.transformation()) ? stored.transposed() : stored;
    if (std::max(image.width(), image.height()) > longSide)
        image = image.scaled(QSize(longSide, longSide), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32);
    result.image = std::move(image);
    return result;
}

} // namespace quiltra
