// File names as the OS keeps them (bytes) and as the windows hold them (QString), and the file
// queries the windows make on such names.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <string>

namespace quiltra {

// A file name on Linux is any run of bytes; Qt decodes names as UTF-8 and turns every byte that
// is not UTF-8 into U+FFFD, so a name such as "Lat\xe9n1.jpg" cannot be found again from its
// QString, and Qt's own folder listing leaves such names out. The windows therefore hold paths in
// an escaped form: valid UTF-8 decodes as usual, and each byte of an invalid sequence becomes the
// lone surrogate U+DC00 + byte (U+DC80 to U+DCFF), which no decoded name can contain. The two
// conversions are exact inverses for every byte string, and such a QString is only ever given to
// the functions below, never to QFile, QFileInfo or QDir.
QString fromNativePath(const std::string& bytes);
std::string toNativePath(const QString& path);

// The text to show for an escaped name or path: every escaped byte shows as U+FFFD.
QString readableName(const QString& path);

// The local file a URL names (a dropped file), escaped; empty when it is not a local file.
QString localFileOfUrl(const QUrl& url);

// A path given on the command line, made absolute against the current directory and with "."
// and ".." taken out, escaped.
QString absoluteNativePath(const std::string& bytes);

bool pathExists(const QString& path);       // anything, after following links
bool isFolder(const QString& path);
bool canEnterFolder(const QString& path);   // its names can be read and its files reached
// The path with every link, "." and ".." resolved; empty when it does not exist.
QString canonicalPath(const QString& path);

// The names in `folder` that are folders (kind Folders, sorted without regard to letter case) or
// regular files (kind Files, unsorted), links followed; hidden names (".x") are left out.
enum class EntryKind { Folders, Files };
QStringList folderEntries(const QString& folder, EntryKind kind);

// Opens `path` for reading into `file` (which must not be open). On failure returns false and the
// OS's description of why in `error`.
bool openNativeFile(QFile& file, const QString& path, QString* error = nullptr);

} // namespace quiltra
