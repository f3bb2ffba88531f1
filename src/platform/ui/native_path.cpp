// File names as bytes for the OS and as escaped QStrings for the windows; file queries on them.
#include "platform/ui/native_path.h"

#include "platform/file_system.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>


namespace quiltra {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

bool isEscape(const QString& s, qsizetype i)
{
    const char16_t u = s[i].unicode();
    return u >= kFirstEscape && u <= kLastEscape && (i == 0 || !s[i - 1].isHighSurrogate());
}

// The length of the valid UTF-8 sequence at s[i] and its code point, or 0 when the bytes there
// are not one: overlong forms, surrogates and code points past U+10FFFF count as invalid, so
// every decoded character encodes back to exactly the bytes it came from.
int utf8Sequence(const unsigned char* s, std::size_t n, std::size_t i, char32_t& cp)
{
    const unsigned lead = s[i];
    int length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (i + std::size_t(length) > n)
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned next = s[i + std::size_t(k)];
        if ((next & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// A name with a NUL byte would be cut short by the OS and name another file.
bool usable(const std::string& native) { return !native.empty() && native.find('\0') == std::string::npos; }

// What `path` names, links followed; not_found when nothing or no usable name.
std::filesystem::file_type typeOf(const QString& path)
{
    const std::string native = toNativePath(path);
    std::error_code error;
    return usable(native) ? std::filesystem::status(native, error).type()
                          : std::filesystem::file_type::not_found;
}

} // namespace

QString fromNativePath(const std::string& bytes)
{
    QString out;
    out.reserve(qsizetype(bytes.size()));
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        if (s[i] < 0x80) {
            out += QChar(char16_t(s[i++]));
            continue;
        }
        char32_t cp = 0;
        const int length = utf8Sequence(s, n, i, cp);
        if (length == 0) {
            out += QChar(char16_t(kEscapeBase + s[i++]));
            continue;
        }
        if (QChar::requiresSurrogates(cp)) {
            out += QChar(QChar::highSurrogate(cp));
            out += QChar(QChar::lowSurrogate(cp));
        } else {
            out += QChar(char16_t(cp));
        }
        i += std::size_t(length);
    }
    return out;
}

std::string toNativePath(const QString& path)
{
    std::string out;
    out.reserve(std::size_t(path.size()));
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c.isHighSurrogate() && i + 1 < path.size() && path[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(c, path[i + 1]));
            ++i;
        } else if (isEscape(path, i)) {
            out += char(c.unicode() - kEscapeBase);
        } else {
            // A lone surrogate that is no escape cannot be a file's name; Qt writes it so too.
            appendUtf8(out, c.isSurrogate() ? char32_t(0xFFFD) : char32_t(c.unicode()));
        }
    }
    return out;
}

QString readableName(const QString& path)
{
    QString shown = path;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (isEscape(path, i))
            shown[i] = QChar::ReplacementCharacter;
    return shown;
}

QString localFileOfUrl(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    // A file on another host keeps Qt's own form; its name is not ours to decode.
    if (!url.host().isEmpty() && url.host() != QLatin1String("localhost"))
        return url.toLocalFile();
    // The encoded path carries the name's bytes exactly ("%E9"); decoding it as text would not.
    const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return fromNativePath(bytes.toStdString());
}

QString absoluteNativePath(const std::string& bytes)
{
    if (bytes.empty())
        return {};
    return fromNativePath(absolutePath(bytes));
}

bool pathExists(const QString& path)
{
    const auto type = typeOf(path);
    return type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::none;
}

bool isFolder(const QString& path) { return typeOf(path) == std::filesystem::file_type::directory; }

bool canEnterFolder(const QString& path)
{
    const std::string native = toNativePath(path);
    return usable(native) && ::access(native.c_str(), R_OK | X_OK) == 0;
}

QString canonicalPath(const QString& path)
{
    const std::string native = toNativePath(path);
    std::error_code error;
    const std::filesystem::path resolved =
        usable(native) ? std::filesystem::canonical(native, error) : std::filesystem::path();
    return error || resolved.empty() ? QString() : fromNativePath(resolved.string());
}

QStringList folderEntries(const QString& folder, EntryKind kind)
{
    QStringList names;
    const std::string native = toNativePath(folder);
    if (!usable(native))
        return names;
    readFolder(native, [&](const FolderEntry& entry) {
        if (entry.name[0] != '.' && (kind == EntryKind::Folders ? entry.folder : entry.regularFile))
            names.push_back(fromNativePath(entry.name));
    });
    if (kind == EntryKind::Folders)
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            const int order = QString::compare(a, b, Qt::CaseInsensitive);
            return order != 0 ? order < 0 : a < b;
        });
    return names;
}

bool openNativeFile(QFile& file, const QString& path, QString* error)
{
    const std::string native = toNativePath(path);
    if (!usable(native)) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(ENOENT));
        return false;
    }
    // Not blocking, so that a FIFO in place of a picture cannot hang the program; only regular
    // files are pictures.
    int fd = -1;
    do {
        fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = QCoreApplication::translate("Messages", "Not a regular file");
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace quiltra
