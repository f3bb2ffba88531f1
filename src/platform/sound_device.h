// The wave-audio device (MMControl1): driven only through FileName, DeviceType and Command.
#pragma once

#include <string>

namespace quiltra {

// One device holding at most one open file. Commands are passed as written ("Open"/"open",
// "close", "Prev"/"prev", "Play"); their outcome is never reported: a missing file or a
// missing audio device leaves the game silent. Playing never blocks the caller.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual void setFileName(const std::string& path) = 0;
    virtual void setDeviceType(const std::string& type) = 0;
    virtual void command(const std::string& cmd) = 0;
};

} // namespace quiltra
