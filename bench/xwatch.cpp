// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xwatch.h"

#include <X11/Xutil.h>

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

namespace XWatch {

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1.0e6;
}

int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

bool painted(Display *display, Window window, int width, int height)
{
    XImage *image
        = XGetImage(display, window, 0, 0, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int y = 0; y < height && !varied; y += 2) {
        for (int x = 0; x < width; ++x) {
            if (XGetPixel(image, x, y) != first) {
                varied = true;
                break;
            }
        }
    }
    XDestroyImage(image);
    return varied;
}

pid_t start(Display *display, char *const argv[], int *output)
{
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    int ends[2] = {-1, -1};
    if (output && pipe(ends) != 0) {
        std::perror("pipe");
        return -1;
    }
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return -1;
    }
    if (child == 0) {
        if (output) {
            dup2(ends[1], 1);
            close(ends[0]);
            close(ends[1]);
        } else {
            dup2(2, 1);
        }
        execvp(argv[0], argv);
        std::perror("exec");
        _exit(127);
    }
    if (output) {
        close(ends[1]);
        *output = ends[0];
    }
    return child;
}

} // namespace XWatch
