// Pictures for the benchmarks and measurements, generated on the spot into a temporary folder.
#pragma once

#include <QString>

namespace quiltra::bench {

// Writes a photo-like picture (smooth colour gradients with grain, about as hard to compress
// and decode as a camera photo) of width x height pixels. The format follows the file's suffix:
// ".jpg" (quality 90, baseline), ".bmp" (24-bit) or ".gif" (through ImageMagick's convert, as
// Qt cannot write GIF). Returns false when the file could not be written.
bool writePhotoLike(const QString& path, int width, int height);

// The generated inputs of the benchmarks, made once per run in a temporary folder that is
// removed at exit: JPEGs of about 1, 12, 24 and 48 megapixels, a GIF and a BMP.
enum class Input { Jpeg1MP, Jpeg12MP, Jpeg24MP, Jpeg48MP, Gif, Bmp };
// The file of an input, generated on first use; empty when it could not be made.
QString inputPath(Input input);
// The temporary folder itself (created on first use).
QString inputFolder();

} // namespace quiltra::bench
