// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times, from outside a program, how soon its window's pixels follow a change
// of size or a click, through the X DAMAGE extension. The probe is the
// display's window manager (there must be none other): it maps windows,
// makes a window that asks to be maximised (or full screen) as large as the
// screen, resizes windows itself, clicks through XTEST and pings the program
// (_NET_WM_PING, answered by the program's event loop) to learn how long
// input waits.
//
// Usage:
//   repaintprobe resize [--repaints N] [--shot FILE] PROGRAM [ARGS...]
//     Waits for the program's window to be painted at the screen's size and
//     settle, writes its pixels to FILE (binary PPM) if asked, then times N
//     full repaints (a 1-pixel resize, until the whole window is on screen
//     again; one more is made first and discarded) and a drag of the
//     window's corner (30 steps 16 ms apart, 12 pixels inward each), up to
//     the last size painted whole (input is timed until all is quiet).
//     Prints: repaint_median=... repaint_worst=... frames=... gap_max=...
//     last_after=... input_max=... size=WxH
//   repaintprobe open PROGRAM [ARGS...]
//     The program prints "click X Y" once its window is at the screen's size;
//     the probe waits for the window to settle, clicks there and times the
//     click (the release) to the whole of a new window painted at the
//     screen's size. Prints: open_ms=... size=WxH
// With REPAINTPROBE_DEBUG set, every damage report, map request, drag step
// and ping answer is written to standard error with its time.
#include "xwatch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr double SettleMs = 300.0;
constexpr double TimeoutMs = 20000.0;
constexpr int DragSteps = 30;
constexpr double DragStepMs = 16.0;
constexpr int DragPixels = 12;

struct Box
{
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    void unite(const Box &other)
    {
        if (other.empty())
            return;
        if (empty()) {
            *this = other;
            return;
        }
        left = std::min(left, other.left);
        top = std::min(top, other.top);
        right = std::max(right, other.right);
        bottom = std::max(bottom, other.bottom);
    }
    bool covers(int width, int height) const
    {
        return left <= 0 && top <= 0 && right >= width && bottom >= height;
    }
};

struct Watched
{
    Damage damage = None;
    int width = 0;
    int height = 0;
    bool mapped = false;
    Box damaged; // since the last mark
    double lastDamage = 0;
    // Each damage report at least half as wide as the window: a frame of a
    // window being resized is drawn whole.
    std::vector<double> wideDamage;
};

class Probe
{
public:
    bool open();
    void run(char *const argv[], bool withOutput);
    void stop();
    // The pointer to the screen's bottom right corner, where it hovers over
    // nothing that changes under it, so that every run shows the same.
    void parkPointer();

    bool waitFirstWindow();
    bool waitSettled(Window window);
    double fullRepaint(int width, int height);
    void drag();
    double openByClick();
    void shot(const char *file);

    Window target = None;
    std::vector<double> repaints;
    int frames = 0;
    double gapMax = 0;
    double lastAfter = 0;
    double inputMax = 0;

private:
    void pump(double untilMs);
    void handle(XEvent &event);
    void mapRequest(Window window);
    void maximise(Window window);
    bool wantsMaximised(Window window);
    void ping(Window window);
    void readOutput();

    Display *m_display = nullptr;
    Window m_root = None;
    int m_damageEvent = 0;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    Atom m_state = None;
    Atom m_maxH = None;
    Atom m_maxV = None;
    Atom m_fullScreen = None;
    Atom m_protocols = None;
    Atom m_ping = None;
    Atom m_delete = None;
    std::map<Window, Watched> m_windows;
    std::set<Window> m_maximised;
    std::vector<Window> m_mapOrder;
    std::map<unsigned long, double> m_pings; // sent, by serial
    unsigned long m_pingSerial = 0;
    pid_t m_child = -1;
    int m_output = -1;
    std::string m_outputText;

public:
    int clickX = -1;
    int clickY = -1;
    int screenWidth() const { return m_screenWidth; }
    int screenHeight() const { return m_screenHeight; }
    Watched &watched(Window window) { return m_windows[window]; }
    void resize(Window window, int width, int height)
    {
        XResizeWindow(m_display, window, unsigned(width), unsigned(height));
        XFlush(m_display);
    }
};

bool Probe::open()
{
    // A server busy with the last program's going may refuse for a moment.
    for (int attempt = 0; attempt < 50 && !m_display; ++attempt) {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            usleep(100000);
    }
    if (!m_display) {
        std::fprintf(stderr, "repaintprobe: cannot open the display\n");
        return false;
    }
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!XDamageQueryExtension(m_display, &m_damageEvent, &error)
        || !XTestQueryExtension(m_display, &error, &error, &major, &minor)) {
        std::fprintf(stderr, "repaintprobe: the X server lacks DAMAGE or XTEST\n");
        return false;
    }
    int fixesEvent = 0;
    XFixesQueryExtension(m_display, &fixesEvent, &error);
    XFixesQueryVersion(m_display, &major, &minor);
    XSetErrorHandler(XWatch::ignoreErrors);
    m_root = DefaultRootWindow(m_display);
    m_screenWidth = DisplayWidth(m_display, DefaultScreen(m_display));
    m_screenHeight = DisplayHeight(m_display, DefaultScreen(m_display));
    m_state = XInternAtom(m_display, "_NET_WM_STATE", False);
    m_maxH = XInternAtom(m_display, "_NET_WM_STATE_MAXIMIZED_HORZ", False);
    m_maxV = XInternAtom(m_display, "_NET_WM_STATE_MAXIMIZED_VERT", False);
    m_fullScreen = XInternAtom(m_display, "_NET_WM_STATE_FULLSCREEN", False);
    m_protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
    m_ping = XInternAtom(m_display, "_NET_WM_PING", False);
    m_delete = XInternAtom(m_display, "WM_DELETE_WINDOW", False);
    // Being the window manager: map requests, size requests and the state
    // a window asks for come here.
    XSelectInput(m_display, m_root, SubstructureRedirectMask | SubstructureNotifyMask);
    XSync(m_display, False);
    return true;
}

void Probe::run(char *const argv[], bool withOutput)
{
    m_child = XWatch::start(m_display, argv, withOutput ? &m_output : nullptr);
}

void Probe::stop()
{
    if (m_child > 0) {
        kill(m_child, SIGTERM);
        int status = 0;
        waitpid(m_child, &status, 0);
    }
    XCloseDisplay(m_display);
}

void Probe::parkPointer()
{
    XTestFakeMotionEvent(m_display, -1, m_screenWidth - 1, m_screenHeight - 1, 0);
    XSync(m_display, False);
}

bool Probe::wantsMaximised(Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    bool wants = false;
    if (XGetWindowProperty(m_display, window, m_state, 0, 64, False, XA_ATOM, &type, &format,
                           &count, &after, &data)
            == Success
        && data) {
        const auto *atoms = reinterpret_cast<const Atom *>(data);
        for (unsigned long k = 0; k < count; ++k)
            wants = wants || atoms[k] == m_maxH || atoms[k] == m_maxV || atoms[k] == m_fullScreen;
        XFree(data);
    }
    return wants;
}

void Probe::maximise(Window window)
{
    m_maximised.insert(window);
    XMoveResizeWindow(m_display, window, 0, 0, unsigned(m_screenWidth), unsigned(m_screenHeight));
    const Atom state[2] = {m_maxH, m_maxV};
    XChangeProperty(m_display, window, m_state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(state), 2);
}

void Probe::mapRequest(Window window)
{
    if (wantsMaximised(window))
        maximise(window);
    XMapWindow(m_display, window);
}

void Probe::ping(Window window)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = m_protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(m_ping);
    event.xclient.data.l[1] = long(++m_pingSerial);
    event.xclient.data.l[2] = long(window);
    m_pings[m_pingSerial] = XWatch::nowMs();
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}

void Probe::handle(XEvent &event)
{
    const double at = XWatch::nowMs();
    switch (event.type) {
    case CreateNotify:
        if (event.xcreatewindow.parent == m_root && !event.xcreatewindow.override_redirect) {
            Watched &w = m_windows[event.xcreatewindow.window];
            w.damage = XDamageCreate(m_display, event.xcreatewindow.window, XDamageReportNonEmpty);
            w.width = event.xcreatewindow.width;
            w.height = event.xcreatewindow.height;
        }
        break;
    case DestroyNotify:
        m_windows.erase(event.xdestroywindow.window);
        m_maximised.erase(event.xdestroywindow.window);
        break;
    case MapRequest:
        if (std::getenv("REPAINTPROBE_DEBUG"))
            std::fprintf(stderr, "%.1f map request %lx\n", at, event.xmaprequest.window);
        mapRequest(event.xmaprequest.window);
        break;
    case MapNotify:
        if (auto it = m_windows.find(event.xmap.window); it != m_windows.end()) {
            it->second.mapped = true;
            m_mapOrder.push_back(event.xmap.window);
        }
        break;
    case UnmapNotify:
        if (auto it = m_windows.find(event.xunmap.window); it != m_windows.end())
            it->second.mapped = false;
        break;
    case ConfigureRequest: {
        const XConfigureRequestEvent &request = event.xconfigurerequest;
        XWindowChanges changes {};
        changes.x = request.x;
        changes.y = request.y;
        changes.width = request.width;
        changes.height = request.height;
        changes.border_width = request.border_width;
        changes.sibling = request.above;
        changes.stack_mode = request.detail;
        unsigned long mask = request.value_mask;
        if (m_maximised.count(request.window))
            mask &= ~(CWX | CWY | CWWidth | CWHeight);
        if (mask)
            XConfigureWindow(m_display, request.window, unsigned(mask), &changes);
        break;
    }
    case ConfigureNotify:
        if (auto it = m_windows.find(event.xconfigure.window); it != m_windows.end()) {
            Watched &w = it->second;
            // What was drawn at another size counts no more.
            if (w.width != event.xconfigure.width || w.height != event.xconfigure.height)
                w.damaged = {};
            w.width = event.xconfigure.width;
            w.height = event.xconfigure.height;
        }
        break;
    case ClientMessage: {
        const XClientMessageEvent &message = event.xclient;
        if (message.message_type == m_state && message.format == 32) {
            const long action = message.data.l[0]; // 0 remove, 1 add, 2 toggle
            bool asks = false;
            for (int k = 1; k <= 2; ++k) {
                const Atom atom = Atom(message.data.l[k]);
                asks = asks || atom == m_maxH || atom == m_maxV || atom == m_fullScreen;
            }
            const bool now = m_maximised.count(message.window) > 0;
            if (asks && (action == 1 || (action == 2 && !now)))
                maximise(message.window);
            else if (asks)
                m_maximised.erase(message.window);
        } else if (message.message_type == m_protocols && Atom(message.data.l[0]) == m_ping) {
            // The program's answer, sent back to the root window.
            auto it = m_pings.find(static_cast<unsigned long>(message.data.l[1]));
            if (it != m_pings.end()) {
                if (std::getenv("REPAINTPROBE_DEBUG"))
                    std::fprintf(stderr, "%.1f ping %lu after %.1f\n", at, it->first,
                                 at - it->second);
                inputMax = std::max(inputMax, at - it->second);
                m_pings.erase(it);
            }
        }
        break;
    }
    default:
        if (event.type == m_damageEvent + XDamageNotify) {
            const auto *damage = reinterpret_cast<const XDamageNotifyEvent *>(&event);
            XserverRegion parts = XFixesCreateRegion(m_display, nullptr, 0);
            XDamageSubtract(m_display, damage->damage, None, parts);
            int count = 0;
            XRectangle bounds {};
            XRectangle *rects = XFixesFetchRegionAndBounds(m_display, parts, &count, &bounds);
            if (rects)
                XFree(rects);
            XFixesDestroyRegion(m_display, parts);
            auto it = m_windows.find(damage->drawable);
            if (std::getenv("REPAINTPROBE_DEBUG"))
                std::fprintf(stderr, "%.1f damage %lx %d,%d %dx%d\n", at, damage->drawable,
                             bounds.x, bounds.y, bounds.width, bounds.height);
            if (it != m_windows.end() && count > 0) {
                Watched &w = it->second;
                w.damaged.unite(
                    {bounds.x, bounds.y, bounds.x + bounds.width, bounds.y + bounds.height});
                w.lastDamage = at;
                if (2 * bounds.width >= w.width)
                    w.wideDamage.push_back(at);
            }
        }
        break;
    }
}

void Probe::readOutput()
{
    if (m_output < 0)
        return;
    char buffer[256];
    const ssize_t got = read(m_output, buffer, sizeof buffer);
    if (got <= 0) {
        close(m_output);
        m_output = -1;
        return;
    }
    m_outputText.append(buffer, std::size_t(got));
    std::size_t end;
    while ((end = m_outputText.find('\n')) != std::string::npos) {
        const std::string line = m_outputText.substr(0, end);
        m_outputText.erase(0, end + 1);
        int x = 0;
        int y = 0;
        if (std::sscanf(line.c_str(), "click %d %d", &x, &y) == 2) {
            clickX = x;
            clickY = y;
        }
    }
}

// Handles events until the time given (or, with untilMs 0, those waiting).
void Probe::pump(double untilMs)
{
    XFlush(m_display);
    for (;;) {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            handle(event);
        }
        const double left = untilMs - XWatch::nowMs();
        if (left <= 0)
            return;
        pollfd fds[2] = {{ConnectionNumber(m_display), POLLIN, 0}, {m_output, POLLIN, 0}};
        poll(fds, m_output >= 0 ? 2 : 1, std::max(1, int(left)));
        if (m_output >= 0 && (fds[1].revents & (POLLIN | POLLHUP)))
            readOutput();
    }
}

bool Probe::waitFirstWindow()
{
    const double until = XWatch::nowMs() + TimeoutMs;
    while (XWatch::nowMs() < until) {
        pump(XWatch::nowMs() + 5);
        for (Window window : m_mapOrder) {
            const Watched &w = m_windows[window];
            if (w.mapped && w.width == m_screenWidth && w.height == m_screenHeight) {
                target = window;
                return waitSettled(window);
            }
        }
    }
    return false;
}

// Until the window has been painted whole at its size and nothing has been
// drawn in it for a while, and every ping has been answered.
bool Probe::waitSettled(Window window)
{
    const double until = XWatch::nowMs() + TimeoutMs;
    bool whole = false;
    while (XWatch::nowMs() < until) {
        pump(XWatch::nowMs() + 10);
        const Watched &w = m_windows[window];
        whole = whole || w.damaged.covers(w.width, w.height);
        if (whole && m_pings.empty() && XWatch::nowMs() - w.lastDamage > SettleMs)
            return true;
    }
    return false;
}

double Probe::fullRepaint(int width, int height)
{
    Watched &w = m_windows[target];
    w.damaged = {};
    const double start = XWatch::nowMs();
    resize(target, width, height);
    while (XWatch::nowMs() - start < TimeoutMs) {
        pump(XWatch::nowMs() + 1);
        const Watched &now = m_windows[target];
        if (now.width == width && now.height == height && now.damaged.covers(width, height))
            return now.lastDamage - start;
    }
    const Watched &now = m_windows[target];
    std::fprintf(stderr, "repaintprobe: %dx%d asked, %dx%d, damage %d,%d-%d,%d\n", width, height,
                 now.width, now.height, now.damaged.left, now.damaged.top, now.damaged.right,
                 now.damaged.bottom);
    return -1;
}

void Probe::drag()
{
    Watched &w = m_windows[target];
    const int width = w.width;
    const int height = w.height;
    w.wideDamage.clear();
    const double start = XWatch::nowMs();
    double lastStep = start;
    for (int step = 1; step <= DragSteps; ++step) {
        lastStep = XWatch::nowMs();
        if (std::getenv("REPAINTPROBE_DEBUG"))
            std::fprintf(stderr, "%.1f step %d\n", lastStep, step);
        resize(target, width - step * DragPixels, height - step * DragPixels);
        ping(target);
        pump(start + step * DragStepMs);
    }
    // Until the last size is painted whole and all is quiet; input still
    // pinged. What is drawn after the last size is whole on screen (pictures
    // drawn sharp once the size holds) is not a frame of the drag.
    const int lastWidth = width - DragSteps * DragPixels;
    const int lastHeight = height - DragSteps * DragPixels;
    double whole = -1;
    double next = XWatch::nowMs() + DragStepMs;
    while (XWatch::nowMs() - lastStep < TimeoutMs) {
        pump(next);
        next += DragStepMs;
        const Watched &now = m_windows[target];
        if (whole < 0 && now.width == lastWidth && now.damaged.covers(lastWidth, lastHeight))
            whole = now.lastDamage;
        if (whole >= 0 && XWatch::nowMs() - now.lastDamage > SettleMs && m_pings.empty())
            break;
        if (XWatch::nowMs() - now.lastDamage < SettleMs)
            ping(target);
    }
    // Reports less than 2 ms apart belong to one frame.
    std::vector<double> frameTimes;
    for (double at : m_windows[target].wideDamage) {
        if (whole >= 0 && at > whole)
            break;
        if (frameTimes.empty() || at - frameTimes.back() > 2.0)
            frameTimes.push_back(at);
    }
    frames = int(frameTimes.size());
    double previous = start;
    for (double at : frameTimes) {
        gapMax = std::max(gapMax, at - previous);
        previous = at;
    }
    lastAfter = whole < 0 ? -1 : whole - lastStep;
    resize(target, width, height);
    waitSettled(target);
}

double Probe::openByClick()
{
    const double until = XWatch::nowMs() + TimeoutMs;
    while (clickX < 0 && XWatch::nowMs() < until)
        pump(XWatch::nowMs() + 10);
    if (clickX < 0 || !waitFirstWindow())
        return -1;
    const Window from = target;
    XTestFakeMotionEvent(m_display, -1, clickX, clickY, 0);
    pump(XWatch::nowMs() + 50);
    XTestFakeButtonEvent(m_display, 1, True, 0);
    pump(XWatch::nowMs() + 30);
    XTestFakeButtonEvent(m_display, 1, False, 0);
    XFlush(m_display);
    const double start = XWatch::nowMs();
    if (std::getenv("REPAINTPROBE_DEBUG"))
        std::fprintf(stderr, "%.1f click\n", start);
    for (auto &[window, w] : m_windows)
        w.damaged = {};
    while (XWatch::nowMs() - start < TimeoutMs) {
        pump(XWatch::nowMs() + 1);
        for (auto &[window, w] : m_windows) {
            if (window != from && w.mapped && w.width == m_screenWidth && w.height == m_screenHeight
                && w.damaged.covers(w.width, w.height)) {
                target = window;
                return w.lastDamage - start;
            }
        }
    }
    return -1;
}

void Probe::shot(const char *file)
{
    const Watched &w = m_windows[target];
    XImage *image = XGetImage(m_display, target, 0, 0, unsigned(w.width), unsigned(w.height),
                              AllPlanes, ZPixmap);
    if (!image)
        return;
    FILE *out = std::fopen(file, "wb");
    if (out) {
        std::fprintf(out, "P6\n%d %d\n255\n", w.width, w.height);
        for (int y = 0; y < w.height; ++y) {
            for (int x = 0; x < w.width; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                const unsigned char rgb[3]
                    = {static_cast<unsigned char>(pixel >> 16),
                       static_cast<unsigned char>(pixel >> 8), static_cast<unsigned char>(pixel)};
                std::fwrite(rgb, 1, 3, out);
            }
        }
        std::fclose(out);
    }
    XDestroyImage(image);
}

int usage()
{
    std::fprintf(stderr,
                 "usage: repaintprobe resize [--repaints N] [--shot FILE] PROGRAM [ARGS...]\n"
                 "       repaintprobe open PROGRAM [ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3)
        return usage();
    const bool resizing = std::strcmp(argv[1], "resize") == 0;
    if (!resizing && std::strcmp(argv[1], "open") != 0)
        return usage();
    int repaintCount = 20;
    const char *shotFile = nullptr;
    int first = 2;
    while (first + 1 < argc && argv[first][0] == '-') {
        if (std::strcmp(argv[first], "--repaints") == 0)
            repaintCount = std::atoi(argv[first + 1]);
        else if (std::strcmp(argv[first], "--shot") == 0)
            shotFile = argv[first + 1];
        else
            return usage();
        first += 2;
    }
    if (first >= argc)
        return usage();

    Probe probe;
    if (!probe.open())
        return 1;
    if (resizing)
        probe.parkPointer();
    probe.run(argv + first, !resizing);
    int status = 0;
    if (resizing) {
        if (!probe.waitFirstWindow()) {
            std::fprintf(stderr, "repaintprobe: no window painted at the screen's size\n");
            status = 1;
        } else {
            if (shotFile)
                probe.shot(shotFile);
            const int width = probe.screenWidth();
            const int height = probe.screenHeight();
            std::vector<double> times;
            for (int k = 0; k <= repaintCount && status == 0; ++k) {
                // Narrower by a pixel, then back: a new layout each time.
                const double ms = probe.fullRepaint(k % 2 ? width : width - 1, height);
                if (ms < 0 || !probe.waitSettled(probe.target))
                    status = 1;
                else if (k > 0)
                    times.push_back(ms);
            }
            if (probe.watched(probe.target).width != width)
                probe.fullRepaint(width, height), probe.waitSettled(probe.target);
            probe.drag();
            std::sort(times.begin(), times.end());
            if (status == 0 && !times.empty()) {
                const std::size_t n = times.size();
                const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
                std::printf("repaint_median=%.1f repaint_worst=%.1f frames=%d gap_max=%.1f "
                            "last_after=%.1f input_max=%.1f size=%dx%d\n",
                            median, times.back(), probe.frames, probe.gapMax, probe.lastAfter,
                            probe.inputMax, width, height);
            } else {
                std::fprintf(stderr, "repaintprobe: a repaint did not come\n");
            }
        }
    } else {
        const double ms = probe.openByClick();
        if (ms < 0) {
            std::fprintf(stderr, "repaintprobe: no new window painted at the screen's size\n");
            status = 1;
        } else {
            std::printf("open_ms=%.1f size=%dx%d\n", ms, probe.screenWidth(), probe.screenHeight());
        }
    }
    probe.stop();
    return status;
}
