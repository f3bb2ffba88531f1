// The volumes pictures can be found on: the mounted disks the drive lists offer, and whether one
// can be read now. How volumes are found is the operating system's business and stays here.
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

} // namespace quiltra
