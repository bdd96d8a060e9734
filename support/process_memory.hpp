// The peak resident memory of the test process, to show that a piece of work allocated nothing large.
#pragma once

#include <fstream>
#include <string>

// Sets the peak back to the memory in use now; false where the kernel does not allow it.
inline bool resetPeakMemory() {
    std::ofstream clear("/proc/self/clear_refs");
    return static_cast<bool>(clear << "5" << std::flush);
}

// The peak since the process started or since the last reset, in KiB; -1 when it cannot be read.
inline long peakMemoryKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = -1;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value;
        }
        status.ignore(256, '\n');
    }
    return -1;
}
