// File helpers over the OS: whole-file reading, crash-safe replacing (and the clearing of what a
// killed write left), folder listing and the choice of the folder that holds the settings and the
// saved game.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quiltra {

// A whole file as read, or why it could not be read.
struct FileText {
    std::optional<std::string> text;  // the whole file; nothing when it could not be read whole
    bool missing = false;             // nothing has the name: there is no file to keep
    std::string error;                // why a file that is there could not be read whole
};

// Reads the whole of `path`. A file larger than `limit` bytes is not read ("File too large"), so
// a hostile file cannot exhaust memory; nor is anything but a regular file.
FileText readFileText(const std::string& path, std::size_t limit);

// The whole file as bytes, or nothing when it cannot be read whole (see readFileText).
std::optional<std::string> readWholeFile(const std::string& path, std::size_t limit = 64u << 20);

// Replaces `path` with `text` through a new temporary file of its own in the same folder that is
// flushed to the disk and renamed over the old file, so a crash or a full disk never leaves a
// truncated file, and writers at the same time each leave one whole text. On failure returns
// false with a description in `error`, removes the temporary file and leaves the old file as it
// was.
bool replaceFile(const std::string& path, const std::string& text, std::string& error);

// Removes from `folder` the temporary files replaceFile() left beside the files named in `names`
// when its writer was killed during a write. A file is removed only when its name is one
// replaceFile() gives ("times.txt.tmp-PID-N-XXXXXXXX"), it is a regular file of this user, the
// process PID is no longer running and it was last written more than a minute ago; nothing else
// is touched.
void removeStaleTemporaryFiles(const std::string& folder, const std::vector<std::string>& names);

// Makes a write past the process's file-size limit (`ulimit -f`) fail with "File too large", as a
// write to a full disk fails, instead of ending the program with SIGXFSZ: every writer then keeps
// the old file, removes its temporary file and tells the player. Start-up calls it once.
void letOversizedWritesFail();

bool fileExists(const std::string& path);

// Whether `path` names a folder (a link to one counts).
bool isFolder(const std::string& path);
// Whether two paths both exist and name one file (the same file on the same device: links,
// "." and ".." are resolved, and hard links name one file too).
bool sameFile(const std::string& a, const std::string& b);

// One entry of a folder: its name (never "." or "..") and, links followed, whether it is a
// folder or a regular file.
struct FolderEntry {
    std::string name;
    bool folder = false;
    bool regularFile = false;
};
// Calls `each` for every entry of `folder`, in the order the file system gives them; false when
// the folder cannot be read.
bool readFolder(const std::string& folder, const std::function<void(const FolderEntry&)>& each);

// `path` made absolute against the working folder, with "." and ".." resolved by the text alone
// (links are not followed); `path` itself when the working folder cannot be found.
std::string absolutePath(const std::string& path);

// Names of the regular files in `folder` whose extension matches `extension` (".jpg"), without
// regard to letter case, sorted by name so that the order does not depend on the file system.
std::vector<std::string> listFiles(const std::string& folder, const std::string& extension);

// Whether new files can be created in `folder`.
bool isWritableFolder(const std::string& folder);

// The player's data folder for Quiltra ($XDG_DATA_HOME/Quiltra or ~/.local/share/Quiltra),
// created if needed; nothing when it cannot be created.
std::optional<std::string> userDataFolder();

// The file that marks a portable program folder, one that keeps its files beside the program;
// the build lays it out, an installation has none.
inline constexpr const char* kPortableMarker = "portable.txt";

// The folder for "init.txt" and "last.txt": a portable program folder that can be written keeps
// them beside the program; an installed or read-only one keeps them in the player's data folder.
// When neither can be written the program folder is returned and saving reports failure.
std::string chooseSettingsFolder(const std::string& programFolder);

} // namespace quiltra
