// What a picture file's header tells before any decoder reads it: the stored size, what decoding
// it whole costs, and the parts of its structure that cost time or memory however small the file.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/byte_source.h"

namespace quiltra {

struct PictureHeader {
    // The size of the picture as stored (before any orientation turns it); 0 when the header
    // does not say or says something this reader does not understand.
    std::int64_t width = 0, height = 0;
    // The memory, in bytes a stored pixel, that Qt's reader and the conversion to the 32-bit
    // pixels the game paints from hold at the decode's peak when the picture is decoded whole:
    // the decoder's own picture (1 byte a pixel for grey and palette pictures, 8 for 16-bit
    // colour), its working copies (a lossless WebP decodes through a second picture, an
    // animated one through its canvas) and a separate 32-bit copy when the decoded picture has
    // fewer bytes a pixel than that.
    int bytesPerPixel = 4;
    // The decoder's buffer beside them: a TIFF's strip or tile, decoded whole before its rows
    // are copied out (one strip may hold the whole picture).
    std::int64_t workingBytes = 0;
    // The decoder reduces the picture while it decodes, in a fraction of the time and memory of
    // a whole decode: JPEG, by eighths.
    bool reducesWhileDecoding = false;
    // Qt's reader, asked for a smaller picture, reduces it row by row as it decodes and holds
    // little more than the smaller picture: PNGs of 8-bit colour without interlacing. The whole
    // picture is still decoded, so its size counts as a whole decode's.
    bool reducesRows = false;
    // The strips or tiles of a TIFF's first directory: the decoder handles each one apart.
    std::int64_t pieces = 0;
    // The longest PNG chunk other than picture data (the decoder reads each whole into memory).
    std::int64_t longestSideChunk = 0;
};

// Reads the header of a picture of `format` ("bmp", "gif", "jpeg", "png", "webp", "tiff") from
// `in`: the header itself, a TIFF's first directory, the blocks before a GIF's first frame, the
// segments before a JPEG's frame header and the heads of a PNG's chunks; never the picture data.
// Another format gives an empty header.
PictureHeader readPictureHeader(ByteSource& in, std::string_view format);

} // namespace quiltra
