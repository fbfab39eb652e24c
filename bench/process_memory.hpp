#pragma once

// The process's resident memory as Linux reports it, for the benchmarks that
// hold a memory budget.
#include <fstream>
#include <string>

namespace sorvanta::bench {

// A field of /proc/self/status ("VmRSS:", "VmHWM:") in MB; -1 where there
// is none.
inline double StatusMegabytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string name(field);
    while (std::getline(status, line))
        if (line.rfind(name, 0) == 0)
            return std::stod(line.substr(name.size())) / 1024.0;
    return -1;
}

// Starts the peak (VmHWM) afresh, so it tells of what comes next alone.
inline void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace sorvanta::bench
