// Where pictures can be found: the mounted disks the drive lists offer, whether one can be read
// now, and the player's home and Pictures folders. How they are found is the operating system's
// business and stays here.
#pragma once

#include <QString>
#include <vector>

namespace quiltra {

// The volumes the drive list offers: the file system root "/" first, then every mounted volume
// on a block device (disks, USB sticks, card readers), by root path. Pseudo and in-memory file
// systems are left out.
std::vector<QString> pictureVolumes();

// Whether a volume can be read now; otherwise false with the description to show.
bool volumeReady(const QString& root, QString& error);

// The player's home folder and the Pictures folder the desktop names (its XDG user directories,
// else ~/Pictures, also when the desktop turns it off by naming the home folder), as
// QStandardPaths finds them; each only when it is a folder, without a trailing "/", and the home
// folder not when it is the root.
std::vector<QString> playerFolders();

} // namespace quiltra
