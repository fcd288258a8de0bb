#!/usr/bin/env python3
"""The window's resident memory while a player steps through a long record.

    window_step_memory.py VELMORA RECORD STEPS [WIDTHxHEIGHT]

Starts VELMORA --lang en RECORD on an Xvfb screen of its own, makes the window
WIDTHxHEIGHT (1400x700 by default: wide enough for the move list), answers
the record's boxes, then clicks "Forward" STEPS times and "Back" STEPS times
on the menu bar, as a player would, and prints the resident memory after
loading and after each run of steps. The window logs where its menus stand
and when a click has been handled (VELMORA_E2E_LOG); each click waits for it.
Not a test: it prints.
"""
import os
import subprocess
import sys
import tempfile
import time

app, record, steps = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), int(sys.argv[3])
width, height = (sys.argv[4] if len(sys.argv) > 4 else "1400x700").split("x")
work = tempfile.mkdtemp()
log = os.path.join(work, "log")
read_end, write_end = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                        pass_fds=[write_end], stderr=subprocess.DEVNULL)
os.close(write_end)
display = os.read(read_end, 100).decode().strip()
env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy",
           VELMORA_E2E_LOG=log, LANG="C.UTF-8")
env.pop("WAYLAND_DISPLAY", None)
window = subprocess.Popen([app, "--lang", "en", record], cwd=work, env=env,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
seen = 0
box_window = None


def xdotool(*args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True).stdout.strip()


def lines():
    try:
        with open(log, encoding="utf-8", errors="replace") as f:
            return f.read().splitlines()
    except FileNotFoundError:
        return []


def settle(until_idle=True, patience=60):
    """Reads the log on, answering every box; returns at the next "idle"."""
    global seen, box_window
    end = time.time() + patience
    while time.time() < end:
        new = lines()
        while seen < len(new):
            line = new[seen]
            seen += 1
            if line.startswith("boxwindow "):
                box_window = line.split()[1]
            elif line.startswith("box "):
                for _ in range(500):
                    if xdotool("getwindowfocus") == box_window:
                        break
                    time.sleep(0.02)
                xdotool("key", "Return")
            elif line.startswith("idle ") and until_idle:
                return
        if not until_idle:
            return
        time.sleep(0.02)
    sys.exit("window_step_memory: the window did not answer")


def resident_mb():
    with open("/proc/%d/status" % window.pid) as f:
        for line in f:
            if line.startswith("VmRSS"):
                return int(line.split()[1]) / 1024


def menubar(name):
    for line in reversed(lines()):
        if line.startswith("menubar %s " % name):
            return line.split()[2:4]
    sys.exit("window_step_memory: no menu " + name)


try:
    main_window = None
    for _ in range(600):
        main_window = next((l.split()[1] for l in lines() if l.startswith("window ")), None)
        if main_window:
            break
        time.sleep(0.05)
    xdotool("windowsize", "--sync", main_window, width, height)
    # The record's three boxes, then a handled click to start from.
    end = time.time() + 60
    while sum(1 for l in lines() if l.startswith("box ")) < 3 and time.time() < end:
        settle(until_idle=False)
        time.sleep(0.05)
    settle(until_idle=False)
    time.sleep(1)
    print("after loading: %.1f MB" % resident_mb(), flush=True)
    for name, caption in (("AFTER", "Forward"), ("REPLAY", "Back")):
        x, y = menubar(name)
        for _ in range(steps):
            xdotool("mousemove", x, y, "click", "1")
            settle()
        print("after %d x %s: %.1f MB" % (steps, caption, resident_mb()), flush=True)
finally:
    window.terminate()
    window.wait()
    xvfb.terminate()
    xvfb.wait()
