// The mounted volumes the drive lists offer, found through Qt's view of the mount table, and the
// player's own folders, found through Qt's standard paths.
#include "platform/ui/volumes.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>

#include "platform/ui/native_path.h"

namespace quiltra {

std::vector<QString> pictureVolumes()
{
    std::vector<QString> roots;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.device().startsWith("/dev/") || v.fileSystemType() == "squashfs")
            continue;
        // Containers bind single files (/etc/hosts) from a disk: only folders are volumes.
        const QString root = QDir::cleanPath(QDir(v.rootPath()).absolutePath());
        if (root != QLatin1String("/") && isFolder(root))
            roots.push_back(root);
    }
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    roots.insert(roots.begin(), QStringLiteral("/"));
    return roots;
}

bool volumeReady(const QString& root, QString& error)
{
    const QStorageInfo storage(root);
    if (!isFolder(root) || !storage.isValid() || !storage.isReady()) {
        error = QCoreApplication::translate("Messages", "Device unavailable");
        return false;
    }
    if (!canEnterFolder(root)) {
        error = QCoreApplication::translate("Messages", "Path/File access error");
        return false;
    }
    return true;
}

std::vector<QString> playerFolders()
{
    // Qt decodes $HOME as UTF-8; the home folder is taken from its bytes instead, so a home whose
    // name is not UTF-8 is still found, and so is a Pictures folder inside it.
    const QString qtHome = QDir::homePath();
    const QByteArray homeBytes = qgetenv("HOME");
    if (!homeBytes.startsWith('/'))
        return {};
    const QString home = QDir::cleanPath(fromNativePath(homeBytes.toStdString()));
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures == qtHome || pictures.startsWith(qtHome + QLatin1Char('/')))
        pictures = home + pictures.mid(qtHome.size());
    pictures = pictures.isEmpty() ? QString() : QDir::cleanPath(pictures);
    // A desktop turns the folder off by naming the home folder; ~/Pictures is offered instead.
    if (pictures.isEmpty() || pictures == home)
        pictures = home + QStringLiteral("/Pictures");

    std::vector<QString> folders;
    if (home != QLatin1String("/") && isFolder(home))
        folders.push_back(home);
    if (isFolder(pictures))
        folders.push_back(pictures);
    return folders;
}

} // namespace quiltra
