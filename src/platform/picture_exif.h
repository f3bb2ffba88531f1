// The Exif orientation of PNG and WebP files, which Qt's readers do not apply themselves.
#pragma once

#include <string_view>

#include "platform/byte_source.h"

namespace quiltra {

// The orientation (1 to 8, as Exif numbers them) that the file's Exif block gives, or 1 when it
// has none or gives none that is valid. `format` is "png" (an eXIf chunk before the picture
// data) or "webp" (an EXIF chunk); any other format gives 1. Reads from the start of `in` and
// never more than the Exif block itself, at most 64 KiB.
int exifOrientation(ByteSource& in, std::string_view format);

// The orientation tag of an Exif block: a TIFF header and its first directory.
int orientationOfExif(std::string_view tiff);

} // namespace quiltra
