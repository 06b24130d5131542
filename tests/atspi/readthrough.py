#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the program through AT-SPI, as a screen reader does.

Run inside a private session bus:  dbus-run-session -- python3 readthrough.py PROGRAM
It starts its own X server, accessibility bus and window manager, plays the
menu, Form1 and a candy board by actions and keys, and prints one line per
check, "ok" or "FAIL". The exit status is 1 when a check failed.

A press on "Informazioni" or "Esci" must be answered while the box it opens is
still on view (a press that waited for the box to close gets no answer before
the bus gives up); the time it took is printed, not judged.
"""

import os
import re
import subprocess
import sys
import tempfile
import time

failures = []
children = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def start(args, **kw):
    proc = subprocess.Popen(args, **kw)
    children.append(proc)
    return proc


def poll(condition, timeout=60.0):
    """Waits for a thing to appear; the limit only ends a hopeless wait."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.2)


def set_up():
    tmp = tempfile.mkdtemp(prefix="quozzoli-atspi-")
    r, w = os.pipe()
    start(["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
          pass_fds=[w], stderr=subprocess.DEVNULL)
    os.close(w)
    display = b""
    while not display.endswith(b"\n"):
        chunk = os.read(r, 16)
        if not chunk:
            sys.exit("Xvfb did not start")
        display += chunk
    os.environ["DISPLAY"] = ":" + display.decode().strip()
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
          stderr=subprocess.DEVNULL)
    def enabled():
        return subprocess.run(
            ["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path",
             "/org/a11y/bus", "--method", "org.freedesktop.DBus.Properties.Set",
             "org.a11y.Status", "IsEnabled", "<true>"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0
    if not poll(enabled):
        sys.exit("the accessibility bus did not start")
    start(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return tmp


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def main():
    program = sys.argv[1]
    tmp = set_up()
    import pyatspi  # after the accessibility bus is up

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               QT_ACCESSIBILITY="1", HOME=tmp, XDG_RUNTIME_DIR=tmp,
               PULSE_SERVER="unix:" + tmp + "/no-sound-server")
    app_proc = start([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def app():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            try:
                if a is not None and a.get_process_id() == app_proc.pid:
                    return a
            except Exception:
                pass
        return None

    def showing(o):
        try:
            return o.getState().contains(pyatspi.STATE_SHOWING)
        except Exception:
            return False

    def find(test, only_showing=True):
        a = app()
        for o in walk(a):
            try:
                if (not only_showing or showing(o)) and test(o):
                    return o
            except Exception:
                pass
        return None

    def named(text, role=None):
        """Found by its words, however padded: the padding is checked apart."""
        return lambda o: (" ".join((o.name or "").split()) == text
                          and (role is None or o.getRole() == role))

    def wait_for(test, timeout=60.0, only_showing=True):
        return poll(lambda: find(test, only_showing), timeout)

    def press(o):
        action = o.queryAction()
        began = time.monotonic()
        try:
            action.doAction(0)
        except Exception as error:  # no answer while a dialog waits
            print("      press on %r: %s" % (o.name, str(error).split(":")[0]))
            return float("inf")
        return time.monotonic() - began

    def key(sym):
        pyatspi.Registry.generateKeyboardEvent(sym, None, pyatspi.KEY_SYM)
        time.sleep(0.15)

    def type_text(text):
        for c in text:
            key(ord(c))

    def focused():
        return find(lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))

    def look_over(where):
        """Names trimmed, and no frame but the windows."""
        bad_names, frames = [], []
        a = app()
        windows = [a.getChildAtIndex(i) for i in range(a.childCount)] if a else []
        for o in walk(a):
            try:
                name, role = o.name or "", o.getRole()
            except Exception:
                continue
            if name != " ".join(name.split()):
                bad_names.append(repr(name))
            if role == pyatspi.ROLE_FRAME and showing(o) and o not in windows:
                frames.append(repr(name))
        check(not bad_names, where + ": every name trimmed " + ", ".join(bad_names[:8]))
        check(not frames, where + ": no frame but the windows " + ", ".join(frames[:8]))

    def problem():
        rx = re.compile(r"^\s*(\d+)\s*:\s*(\d+)\s*=")
        label = wait_for(lambda o: rx.match(o.name or "") is not None)
        m = rx.match(label.name)
        return int(m.group(1)), int(m.group(2))

    def announced(words, timeout=60.0):
        """Spoken at once by a screen reader: a notification with the words."""
        return poll(lambda: find(lambda o: o.getRole() == pyatspi.ROLE_NOTIFICATION
                                 and o.name == words, only_showing=False), timeout)

    def description_of_focus(fragment, timeout=60.0):
        return poll(lambda: (lambda f: f is not None and fragment in (f.description or ""))(
            focused()), timeout)

    avvio = wait_for(lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and "Avvio" in o.name)
    if not check(avvio is not None, "the splash's Avvio button"):
        return
    press(avvio)
    form1 = wait_for(named("Quoziente di una cifra - senza resto, dividendo di due cifre"))
    if not check(form1 is not None, "the menu's Form1 button"):
        return
    look_over("menu")
    press(form1)

    box = wait_for(named("quoziente", pyatspi.ROLE_TEXT))
    if not check(box is not None, "Form1's answer box"):
        return
    look_over("Form1")
    check(wait_for(named("Esatti 0")) is not None, "Form1: 'Esatti 0'")
    check(wait_for(named("Errati 0")) is not None, "Form1: 'Errati 0'")
    for command in ("Azzera conteggio", "Scegli i termini da utilizzare", "Informazioni"):
        check(wait_for(lambda o: o.name == command, only_showing=False) is not None,
              "Form1: menu command named %r" % command)
    dividend, divisor = problem()
    quotient = dividend // divisor
    check(poll(lambda: box.getState().contains(pyatspi.STATE_FOCUSED)),
          "Form1: the answer box has the focus")
    type_text(str((quotient + 1) % 10))
    key(0xff0d)
    check(description_of_focus("risposta sbagliata, Errati 1"),
          "Form1: a wrong answer is told on the focused object")
    check(announced("risposta sbagliata, Errati 1"), "Form1: a wrong answer is announced")
    key(0xff08)
    type_text(str(quotient))
    key(0xff0d)
    check(description_of_focus("risposta giusta, Esatti 1"),
          "Form1: a right answer is told on the focused object")
    check(wait_for(named("Esatti 1")) is not None, "Form1: 'Esatti 1'")

    about = find(named("Informazioni"), only_showing=False)
    took = press(about)
    ok_button = wait_for(lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == "OK")
    print("      press on Informazioni answered in %.2f s" % took)
    check(took != float("inf"), "press on Informazioni answers with the box open")
    check(ok_button is not None, "the about box is on view")
    if ok_button is not None:
        look_over("about box")
        press(ok_button)
    esci = find(named("Esci"), only_showing=False)
    yes = None
    if check(esci is not None, "Form1: menu command 'Esci'"):
        took = press(esci)
        print("      press on Esci answered in %.2f s" % took)
        check(took != float("inf"), "press on Esci answers with the question open")
        yes = wait_for(lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == "Sì")
    if not check(yes is not None, "Esci asks to confirm"):
        return
    press(yes)

    board = wait_for(lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON
                     and o.name.startswith("Partizione senza resto"))
    if not check(board is not None, "the menu's Form6 button"):
        return
    press(board)
    tray1 = wait_for(lambda o: (o.name or "").startswith("vassoio del bambino 1"), 120)
    if not check(tray1 is not None, "Form6: the first tray is on view"):
        return
    check(tray1.name == "vassoio del bambino 1: nessuna caramella",
          "Form6: the tray says what it holds (%r)" % tray1.name)
    check(tray1.getRole() == pyatspi.ROLE_PANEL, "Form6: the tray is a group (%s)"
          % tray1.getRoleName())
    # The board gives the table the focus as it opens: awaited, as a screen
    # reader hears it once the window is active.
    table = poll(lambda: (lambda f: f if f is not None and f.name == "tavolo delle caramelle"
                          else None)(focused()))
    check(table is not None and table.name == "tavolo delle caramelle"
          and "premi da 1 a 5" in (table.description or ""),
          "Form6: the focus is on the table, which says what the keys do (%r)"
          % (table and (table.name, table.description),))
    check(wait_for(named("Esatti 0")) is not None, "Form6: 'Esatti 0'")
    check(wait_for(named("Errati 0")) is not None, "Form6: 'Errati 0'")
    look_over("Form6")
    def count_showing(test):
        return sum(1 for o in walk(app()) if showing(o) and test(o))
    # The problem as the captions tell it; the candies and the trays on view
    # are the problem's once the tree has caught up with the board.
    def told(rx):
        label = wait_for(lambda o: rx.match(o.name or "") is not None)
        return rx.match(label.name) if label is not None else None
    candies = told(re.compile(r"^ci sono (\d+) caramelle$"))
    children = told(re.compile(r"^(?:ci sono (\d+) bambini|c'è un solo bambino)$"))
    dividend = int(candies.group(1)) if candies else 0
    divisor = int(children.group(1) or 1) if children else 0
    print("      the board shares %d candies among %d children" % (dividend, divisor))
    check(dividend > 0 and divisor > 0, "Form6: the captions tell the problem")
    check(poll(lambda: count_showing(lambda o: o.name == "caramella") == dividend
               and count_showing(lambda o: (o.name or "").startswith("vassoio del bambino"))
               == divisor),
          "Form6: the candies and the trays on view are the problem's")
    key(ord("1"))
    check(poll(lambda: tray1.name == "vassoio del bambino 1: 1 caramella", 60),
          "Form6: key 1 changes the first tray's name (%r)" % tray1.name)
    check(announced("vassoio del bambino 1: 1 caramella"),
          "Form6: key 1 announces the first tray's count")
    for given in range(1, dividend):
        key(ord(str(given % divisor + 1)))
    box = wait_for(named("quoziente", pyatspi.ROLE_TEXT), 60)
    if not check(box is not None, "Form6: the answer panel opens"):
        return
    panel = box.parent
    check(panel.getRole() == pyatspi.ROLE_PANEL and panel.name == "risposta",
          "Form6: the answer panel is a named group (%s %r)" % (panel.getRoleName(), panel.name))
    look_over("Form6 with its panel")
    box.queryComponent().grabFocus()
    check(poll(lambda: box.getState().contains(pyatspi.STATE_FOCUSED)),
          "Form6: the answer box has the focus")
    quotient = dividend // divisor
    type_text(str(quotient + 1))
    key(0xff0d)
    check(description_of_focus("risposta sbagliata, Errati 1"),
          "Form6: a wrong answer is told on the focused object")
    check(announced("risposta sbagliata, Errati 1"), "Form6: a wrong answer is announced")
    for _ in range(3):
        key(0xff08)
    type_text(str(quotient))
    key(0xff0d)
    check(description_of_focus("risposta giusta, Esatti 1", 120),
          "Form6: a right answer is told on the focused object")


def stop_all():
    for proc in reversed(children):
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()


if __name__ == "__main__":
    try:
        main()
    finally:
        stop_all()
    print("%d check(s) failed" % len(failures) if failures else "all checks passed")
    sys.exit(1 if failures else 0)
