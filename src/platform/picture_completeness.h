// Whether a BMP, GIF, JPEG, PNG, WebP or TIFF file holds all the data its own structure announces. Decoders fill
// the missing part of a cut-off file with grey or black and report success; such a file is
// refused instead.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/byte_source.h"
#include "platform/translation.h"

namespace quiltra {

// The description of what is missing, or an empty string when the file is whole. `format` is
// the format as found from the content ("bmp", "gif", "jpeg", "png", "webp", "tiff"); other
// formats are left to their decoder. A structure this check does not understand is left to the
// decoder as well. Reads the file from the start (a TIFF also where its directory points) and
// never holds more than a small buffer.
std::string incompletePicture(ByteSource& in, std::uint64_t size, std::string_view format);

// Held in English; the picture loader gives it in the player's language.
inline constexpr const char* kIncompletePicture = QUILTRA_TRANSLATABLE(
    "Messages", "The picture file is incomplete: it ends before all of its picture data");

} // namespace quiltra
