// Decodes a JPEG file with libjpeg-turbo itself: reduced while decoding, read in large blocks,
// straight into Qt's 32-bit pixel layout.
#include "platform/ui/jpeg_decoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTransform>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

#include "platform/ui/native_path.h"

namespace quiltra {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back to
// the decoder. Warnings (corrupt or missing data) are not fatal.
struct ErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf back{};
};

[[noreturn]] void failed(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->back, 1);
}

void silent(j_common_ptr) {}

// Qt's RGB32 is 0xffRRGGBB in native byte order: blue first in memory on little-endian machines.
constexpr J_COLOR_SPACE kQtLayout =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// The smallest eighth (1 to 8) whose output is at least `target` in both directions.
unsigned eighthsFor(const jpeg_decompress_struct& info, QSize target)
{
    for (unsigned m = 1; m < 8; ++m) {
        const auto w = (info.image_width * m + 7) / 8, h = (info.image_height * m + 7) / 8;
        if (w >= unsigned(target.width()) && h >= unsigned(target.height()))
            return m;
    }
    return 8;
}

// Memory for the coefficients of every block of the picture, which a progressive (multi-scan)
// file is decoded through.
qint64 coefficientBytes(const jpeg_decompress_struct& info)
{
    qint64 bytes = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& component = info.comp_info[c];
        bytes += qint64(component.width_in_blocks + component.h_samp_factor) *
                 (component.height_in_blocks + component.v_samp_factor) * qint64(sizeof(JBLOCK));
    }
    return bytes;
}

// Feeds libjpeg from the file in large blocks: a block well above libjpeg-turbo's fast-path
// threshold (about 3 KiB a colour macroblock) keeps its fast Huffman decoder in use, and
// reading rather than mapping the file keeps memory flat however large the file is.
struct FileSource {
    static constexpr qint64 kBlock = 64 * 1024;
    jpeg_source_mgr base{};
    QFile* file = nullptr;
    JOCTET block[kBlock];
};

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

// At the end of the file a fake end-of-image marker lets libjpeg finish what it has (with a
// warning), as its own file source does.
boolean fillBlock(j_decompress_ptr info)
{
    auto* source = reinterpret_cast<FileSource*>(info->src);
    qint64 got = source->file->read(reinterpret_cast<char*>(source->block), FileSource::kBlock);
    if (got <= 0) {
        source->block[0] = 0xFF;
        source->block[1] = JPEG_EOI;
        got = 2;
    }
    source->base.next_input_byte = source->block;
    source->base.bytes_in_buffer = static_cast<size_t>(got);
    return TRUE;
}

void skipBytes(j_decompress_ptr info, long count)
{
    auto* source = reinterpret_cast<FileSource*>(info->src);
    if (count <= 0)
        return;
    if (static_cast<size_t>(count) <= source->base.bytes_in_buffer) {
        source->base.next_input_byte += count;
        source->base.bytes_in_buffer -= static_cast<size_t>(count);
        return;
    }
    const qint64 beyond = count - qint64(source->base.bytes_in_buffer);
    source->base.bytes_in_buffer = 0;
    if (!source->file->seek(source->file->pos() + beyond))
        source->file->seek(source->file->size());
}

} // namespace

JpegDecode decodeJpeg(const QString& path, QSize target, qint64 budgetBytes,
                      const std::atomic<bool>* stop)
{
    JpegDecode result;
    QFile file;
    if (!openNativeFile(file, path))
        return result;
    const auto source = std::make_unique<FileSource>();
    source->file = &file;
    source->base.init_source = initSource;
    source->base.fill_input_buffer = fillBlock;
    source->base.skip_input_data = skipBytes;
    source->base.resync_to_restart = jpeg_resync_to_restart;
    source->base.term_source = termSource;

    jpeg_decompress_struct info{};
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failed;
    errors.base.output_message = silent;
    QImage image;
    // Everything the jump can skip is declared above it; libjpeg frees its own memory.
    if (setjmp(errors.back)) {
        jpeg_destroy_decompress(&info);
        // Qt's reader words every such failure this way; the library's own text is technical.
        result.outcome = JpegDecode::Outcome::Refused;
        result.error = QCoreApplication::translate("Messages", "Unable to read image data");
        return result;
    }
    jpeg_create_decompress(&info);
    info.src = &source->base;
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space != JCS_YCbCr && info.jpeg_color_space != JCS_GRAYSCALE &&
        info.jpeg_color_space != JCS_RGB) {
        jpeg_destroy_decompress(&info);
        return result;
    }
    if (jpeg_has_multiple_scans(&info) && coefficientBytes(info) > budgetBytes) {
        result.outcome = JpegDecode::Outcome::Refused;
        result.error = tooLargeMessage(QSize(int(info.image_width), int(info.image_height)));
        jpeg_destroy_decompress(&info);
        return result;
    }
    info.scale_num = eighthsFor(info, target);
    info.scale_denom = 8;
    info.out_color_space = kQtLayout;
    // The picture is shown reduced: the fast integer transform and plain upsampling cost less
    // and look the same at that size, as Qt's own reader decides for reduced reads.
    const bool reduced = QSize(int(info.image_width), int(info.image_height)) != target;
    if (reduced) {
        info.dct_method = JDCT_IFAST;
        info.do_fancy_upsampling = FALSE;
    }
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        result.outcome = JpegDecode::Outcome::Refused;
        result.error =
            QCoreApplication::translate("Messages", "Not enough memory to open the picture");
        return result;
    }
    while (info.output_scanline < info.output_height) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            jpeg_destroy_decompress(&info);
            result.outcome = JpegDecode::Outcome::Stopped;
            return result;
        }
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    result.outcome = JpegDecode::Outcome::Decoded;
    result.image = std::move(image);
    return result;
}

QImage upright(QImage image, QImageIOHandler::Transformations orientation)
{
    const bool mirror = orientation.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = orientation.testFlag(QImageIOHandler::TransformationFlip);
    if (mirror || flip)
        image = std::move(image).mirrored(mirror, flip);
    if (orientation.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
    return image;
}

QString tooLargeMessage(QSize size)
{
    return tooLargeMessage(size.width(), size.height());
}

QString tooLargeMessage(qint64 width, qint64 height)
{
    return QCoreApplication::translate("Messages",
                                       "The picture is too large to open (%1 x %2 pixels)")
        .arg(width)
        .arg(height);
}

} // namespace quiltra
