// File patterns of the file lists ("*.bmp;*.gif;*.jpg"): which names a pattern offers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/translation.h"

namespace quiltra {

// The file types of the Open Picture window, in the order the box offers them.
// The entry is the English text; the box shows it in the player's language and matches a typed
// text against the shown entry, so the pattern is never read back out of it.
struct FileType {
    const char* entry;    // what the box shows
    const char* pattern;  // what the file list then offers
};
inline constexpr FileType kFileTypes[] = {
    {QUILTRA_TRANSLATABLE("OpenPicture", "All graphic files"),
     "*.bmp;*.gif;*.jpg;*.png;*.webp;*.tif"},
    //: A file type; keep the pattern after the colon as it stands.
    {QUILTRA_TRANSLATABLE("OpenPicture", "Bitmap: *.bmp"), "*.bmp"},
    //: A file type; keep the pattern after the colon as it stands.
    {QUILTRA_TRANSLATABLE("OpenPicture", "GIF: *.gif"), "*.gif"},
    //: A file type; keep the pattern after the colon as it stands.
    {QUILTRA_TRANSLATABLE("OpenPicture", "JPEG: *.jpg"), "*.jpg"},
    //: A file type; keep the pattern after the colon as it stands.
    {QUILTRA_TRANSLATABLE("OpenPicture", "PNG: *.png"), "*.png"},
    //: A file type; keep the pattern after the colon as it stands.
    {QUILTRA_TRANSLATABLE("OpenPicture", "WebP: *.webp"), "*.webp"},
    //: A file type; keep the pattern after the colon as it stands.
    {QUILTRA_TRANSLATABLE("OpenPicture", "TIFF: *.tif"), "*.tif"},
};

// The picture files the Picture List Editor's file list offers.
inline constexpr const char* kEditorPattern = "*.gif;*.bmp;*.jpg;*.png;*.webp;*.tif";

// A pattern is one or more wildcards separated by ";" ("*" any run, "?" any one character),
// blanks around each ignored. Names match without regard to letter case, as the platform's own
// file dialogs do, so "*.jpg" offers "PHOTO.JPG". A wildcard ending in ".jpg" also offers the
// same names ending in ".jpeg", the other usual extension of the same file type, and one ending
// in ".tif" those ending in ".tiff". An empty pattern offers every name.
bool matchesPattern(std::string_view name, std::string_view pattern);

// The names that match, sorted without regard to letter case (byte order breaks ties), as the
// file lists show them.
std::vector<std::string> filesMatching(std::vector<std::string> names, std::string_view pattern);

} // namespace quiltra
