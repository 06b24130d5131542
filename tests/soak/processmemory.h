#pragma once

// This process's memory as the kernel counts it (/proc/self/status), in KiB.
struct ProcessMemory
{
    long peakKib = 0; // VmHWM: the most ever resident
    long residentKib = 0; // VmRSS: resident now

    static ProcessMemory now();
    // Starts the peak afresh from what is resident now; false where the
    // kernel does not allow it.
    static bool resetPeak();
};
