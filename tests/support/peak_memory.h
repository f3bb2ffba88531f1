// The peak of this process's resident memory over one step, from the kernel's own high-water mark.
#pragma once

#include <fstream>
#include <string>

namespace quiltra::test {

// Resident memory (VmRSS, VmHWM) in KiB from /proc/self/status; -1 when it does not say.
inline long statusKiB(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.compare(0, key.size() + 1, key + ":") == 0)
            return std::stol(line.substr(key.size() + 1));
    return -1;
}

// Starts a step: the kernel's high-water mark of resident memory is set back to what is resident
// now (writing 5 to clear_refs), so the peak reached during the step can be read on its own.
class PeakMemory {
public:
    PeakMemory()
    {
        std::ofstream clear("/proc/self/clear_refs");
        clear << "5";
        clear.flush();
        reset_ = clear.good();
        start_ = statusKiB("VmRSS");
    }
    // Whether the mark could be set back; without it the peak is the process's whole life.
    bool reset() const { return reset_ && start_ >= 0; }
    // How far the peak rose above the memory resident at the start of the step, in MiB.
    long riseMiB() const { return (statusKiB("VmHWM") - start_) / 1024; }

private:
    bool reset_ = false;
    long start_ = -1;
};

} // namespace quiltra::test
