#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quozzoli developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the Orca screen reader says while the program is played with real keys.

Run inside a private session bus:
    dbus-run-session -- python3 orcalisten.py PROGRAM form1|form4|board
It starts its own X server, accessibility bus and window manager, a silent
speech-dispatcher and Orca in Italian, plays one problem with xdotool and
prints each key and the words Orca said after it. Not a test: a transcript.
"""

import os
import re
import subprocess
import sys
import tempfile
import time

import readthrough as rt


def quiet(args, **kw):
    return rt.start(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw)


def xdo(*args):
    subprocess.run(["xdotool", *args], check=False)
    time.sleep(2.5)


def main():
    program, scenario = sys.argv[1], sys.argv[2]
    tmp = rt.set_up()
    import pyatspi

    locales = os.path.join(tmp, "locale")
    os.makedirs(locales, exist_ok=True)
    subprocess.run(["localedef", "-i", "it_IT", "-f", "UTF-8", os.path.join(locales, "it_IT.UTF-8")],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(os.path.join(tmp, "speechd.conf"), "w") as conf:
        conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nAudioOutputMethod "libao"\n')
    with open(os.path.join(tmp, ".libao"), "w") as ao:
        ao.write("default_driver=null\n")
    sock = os.path.join(tmp, "speechd.sock")
    env = dict(os.environ, HOME=tmp, XDG_CONFIG_HOME=tmp + "/config", XDG_DATA_HOME=tmp + "/data",
               XDG_RUNTIME_DIR=tmp, GSETTINGS_BACKEND="memory", LANG="it_IT.UTF-8",
               LANGUAGE="it", LC_ALL="it_IT.UTF-8", LOCPATH=locales,
               SPEECHD_ADDRESS="unix_socket:" + sock)
    quiet(["speech-dispatcher", "--run-single", "--timeout", "0", "--communication-method",
           "unix_socket", "--socket-path", sock, "--config-dir", tmp, "--module-dir",
           "/usr/lib/speech-dispatcher-modules", "--log-dir", tmp], env=env)
    rt.poll(lambda: os.path.exists(sock), 30)
    log = os.path.join(tmp, "orca.log")
    os.makedirs(tmp + "/prefs", exist_ok=True)
    orca = quiet(["orca", "--debug-file", log, "--user-prefs", tmp + "/prefs"], env=env)
    time.sleep(8)

    app_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   PULSE_SERVER="unix:" + tmp + "/no-sound-server")
    app = quiet([program], env=app_env)
    time.sleep(6)
    xdo("key", "Return")  # Avvio
    if scenario == "form1":
        xdo("key", "Tab")  # from Esci to the first exercise, Form1
        xdo("key", "Return")
        time.sleep(3)
        dividend, divisor = problem_label()
        quotient = dividend // divisor
        xdo("type", str((quotient + 1) % 10))
        xdo("key", "Return")
        xdo("key", "BackSpace")
        xdo("type", str(quotient))
        xdo("key", "Return")
        xdo("key", "Tab")
        xdo("key", "Return")
        time.sleep(3)
    elif scenario == "form4":
        # Tens, units and remainder, each in its box.
        press_button("Quoziente di due cifre - con il resto")
        time.sleep(3)
        dividend, divisor = problem_label()
        tens, units = divmod(dividend // divisor, 10)
        xdo("type", str((tens + 1) % 10))
        xdo("key", "Return")
        xdo("key", "BackSpace")
        for digit in (tens, units, dividend % divisor):
            xdo("type", str(digit))
            xdo("key", "Return")
        xdo("key", "Tab")
        xdo("key", "Return")
        time.sleep(3)
    else:
        press_button("Partizione senza resto")
        time.sleep(25)
        candies = count_showing(lambda o: o.name == "caramella")
        children = count_showing(lambda o: (o.name or "").startswith("vassoio del bambino"))
        print("(%d candies, %d children)" % (candies, children))
        quotient = candies // max(children, 1)
        # The first child's share, one candy too many for it (refused), then
        # the others' shares.
        order = [1] * quotient + ([1] if children > 1 else [])
        order += [child for child in range(2, children + 1) for _ in range(quotient)]
        for child in order:
            xdo("type", str(child))
        time.sleep(3)
        xdo("type", str(quotient + 1))
        xdo("key", "Return")
        for _ in range(3):
            xdo("key", "BackSpace")
        xdo("type", str(quotient))
        xdo("key", "Return")
        time.sleep(12)  # the solution is read out
        xdo("key", "Tab")
        xdo("key", "Return")
        time.sleep(5)
    app.terminate()
    time.sleep(2)
    orca.terminate()
    try:
        orca.wait(10)
    except subprocess.TimeoutExpired:
        orca.kill()
    transcript(log)


def problem_label():
    import pyatspi
    rx = re.compile(r"^\s*(\d+)\s*:\s*(\d+)\s*=")
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        for o in rt.walk(desktop.getChildAtIndex(i)):
            try:
                m = rx.match(o.name or "")
            except Exception:
                continue
            if m:
                return int(m.group(1)), int(m.group(2))
    return 1, 1


def objects():
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        yield from rt.walk(desktop.getChildAtIndex(i))


def count_showing(test):
    import pyatspi
    n = 0
    for o in objects():
        try:
            if o.getState().contains(pyatspi.STATE_SHOWING) and test(o):
                n += 1
        except Exception:
            continue
    return n


def press_button(prefix):
    import pyatspi
    for o in objects():
        try:
            if o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name.startswith(prefix):
                o.queryAction().doAction(0)
                return
        except Exception:
            continue


def transcript(log):
    """The keys pressed and each utterance, in order (Orca echoes the keys)."""
    pressed = False
    for line in open(log, errors="replace"):
        if "type=ATSPI_KEY_PRESSED_EVENT" in line:
            pressed = True
        elif pressed and "event_string=" in line:
            print("key " + line.split("event_string=", 1)[1].strip())
            pressed = False
        elif "SPEECH OUTPUT:" in line:
            words = line.split("SPEECH OUTPUT:", 1)[1].strip()
            print("    " + re.sub(r"\{'established'.*$", "", words).strip())


if __name__ == "__main__":
    try:
        main()
    finally:
        rt.stop_all()
