// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program on the X display and reports, from outside the program:
// the time from process start to its first top-level window being mapped,
// the time to the first paint of that window (the first damage report after
// which its pixels are no longer all one colour), and its peak resident set
// size (from wait4, the same figure GNU time prints as %M), and the number of
// shared libraries (plugins and the dynamic loader included) the program has
// mapped at its first paint, read from /proc/PID/maps.
//
// Usage: startupprobe [--settle MS] [--timeout MS] [--libraries FILE] PROGRAM [ARGS...]
//   --libraries FILE   also writes the libraries mapped at the first paint, one a line
// Prints: map_ms=... paint_ms=... rss_kib=... libs=... size=WxH
#include "xwatch.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <utility>

namespace {

// The shared objects mapped into the process: every file mapping whose name
// ends in ".so" or has ".so." in it.
std::set<std::string> mappedLibraries(pid_t pid)
{
    std::set<std::string> libraries;
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::string line;
    while (std::getline(maps, line)) {
        const std::size_t slash = line.find('/');
        if (slash == std::string::npos)
            continue;
        const std::string path = line.substr(slash);
        const std::size_t so = path.rfind(".so");
        if (so != std::string::npos && (so + 3 == path.size() || path.compare(so, 4, ".so.") == 0))
            libraries.insert(path);
    }
    return libraries;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: startupprobe [--settle MS] [--timeout MS] [--libraries FILE] "
                 "PROGRAM [ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int settleMs = 1000;
    int timeoutMs = 30000;
    const char *librariesFile = nullptr;
    int first = 1;
    while (first + 1 < argc && argv[first][0] == '-') {
        if (std::strcmp(argv[first], "--settle") == 0)
            settleMs = std::atoi(argv[first + 1]);
        else if (std::strcmp(argv[first], "--timeout") == 0)
            timeoutMs = std::atoi(argv[first + 1]);
        else if (std::strcmp(argv[first], "--libraries") == 0)
            librariesFile = argv[first + 1];
        else
            return usage();
        first += 2;
    }
    if (first >= argc)
        return usage();

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startupprobe: cannot open the display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startupprobe: the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(XWatch::ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    const double start = XWatch::nowMs();
    const pid_t child = XWatch::start(display, argv + first);
    if (child < 0)
        return 1;

    Window mapped = None;
    int width = 0;
    int height = 0;
    double mapMs = -1.0;
    double paintMs = -1.0;
    bool exited = false;
    int status = 0;
    rusage usage {};
    std::set<std::string> libraries;
    while (paintMs < 0.0) {
        if (XWatch::nowMs() - start > timeoutMs) {
            std::fprintf(stderr, "startupprobe: no paint within %d ms\n", timeoutMs);
            break;
        }
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            exited = true;
            std::fprintf(stderr, "startupprobe: the program ended before painting\n");
            break;
        }
        if (!XPending(display)) {
            pollfd fd {ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 20);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double at = XWatch::nowMs() - start;
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            // Watch every top-level window from birth, so no paint is missed.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && event.xmap.event == root
                   && !event.xmap.override_redirect && mapped == None) {
            mapped = event.xmap.window;
            mapMs = at;
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, mapped, &attributes)) {
                width = attributes.width;
                height = attributes.height;
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto *damage = reinterpret_cast<const XDamageNotifyEvent *>(&event);
            XDamageSubtract(display, damage->damage, None, None);
            if (mapped != None && damage->drawable == mapped) {
                // Read before the pixels, which takes a round trip: the
                // program goes on meanwhile.
                std::set<std::string> now = mappedLibraries(child);
                if (XWatch::painted(display, mapped, width, height)) {
                    paintMs = at;
                    libraries = std::move(now);
                }
            }
        }
    }

    if (!exited) {
        if (paintMs >= 0.0)
            usleep(useconds_t(settleMs) * 1000u);
        kill(child, SIGTERM);
        wait4(child, &status, 0, &usage);
    }
    XCloseDisplay(display);
    if (paintMs < 0.0)
        return 1;
    if (librariesFile) {
        std::ofstream out(librariesFile);
        for (const std::string &library : libraries)
            out << library << '\n';
    }
    std::printf("map_ms=%.1f paint_ms=%.1f rss_kib=%ld libs=%zu size=%dx%d\n", mapMs, paintMs,
                usage.ru_maxrss, libraries.size(), width, height);
    return 0;
}
