// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the probes that watch a program from outside, through the X server,
// share: the clock, starting the program, reading its window's pixels.
#include <X11/Xlib.h>

#include <sys/types.h>

namespace XWatch {

// Milliseconds on the monotonic clock.
double nowMs();

// An error handler that ignores every error: windows may go away between an
// event and a request about them.
int ignoreErrors(Display *, XErrorEvent *);

// True when the window shows more than one colour.
bool painted(Display *display, Window window, int width, int height);

// Forks and executes argv[0] with its arguments. The program's standard
// output goes to a pipe whose reading end is returned in *output, or, with
// output null, to the probe's standard error, so that it never mixes with
// the figures. The display's connection is not inherited.
pid_t start(Display *display, char *const argv[], int *output = nullptr);

} // namespace XWatch
