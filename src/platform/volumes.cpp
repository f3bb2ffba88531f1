// The mounted volumes the drive lists offer, found through Qt's view of the mount table.
#include "platform/volumes.h"

#include <QCoreApplication>
#include <QDir>
#include <QStorageInfo>
#include <algorithm>

#include "platform/native_path.h"

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

} // namespace quiltra
