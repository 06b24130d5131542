// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
