// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "processmemory.h"

#include <fstream>
#include <string>

ProcessMemory ProcessMemory::now()
{
    ProcessMemory memory;
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:")
            status >> memory.peakKib;
        else if (key == "VmRSS:")
            status >> memory.residentKib;
        std::getline(status, key);
    }
    return memory;
}

bool ProcessMemory::resetPeak()
{
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    clearRefs.flush();
    return bool(clearRefs);
}
