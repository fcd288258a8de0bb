"""Plays a short game with the keyboard alone and reads the board over AT-SPI.

Run by atspi_e2e.sh inside a session bus, with DISPLAY set:
    atspi_e2e.py VELMORA VELMORA_SCRIPT WORKDIR
"""
import os
import subprocess
import sys
import time

import pyatspi

app_path, script_path, work = sys.argv[1:4]
PATIENCE = float(os.environ.get("VELMORA_E2E_PATIENCE", "60"))

COLUMNS = "１２３４５６７８９"
ROWS = "一二三四五六七八九"
NAMES = {10: "歩", 11: "と", 20: "香", 21: "成香", 30: "桂", 31: "成桂", 100: "銀", 101: "成銀",
         110: "金", 800: "角", 801: "馬", 900: "飛", 901: "龍", 950: "王"}


def fail(message):
    print("atspi: FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, test):
    end = time.time() + PATIENCE
    while time.time() < end:
        value = test()
        if value:
            return value
        time.sleep(0.05)
    fail(what)


def cell_name(x, y, code):
    """What the window should call cell (x, y) holding code, the bottom side sente."""
    square = COLUMNS[9 - x] + ROWS[y - 1]
    if code == 0:
        return square + " 空"
    name = "玉" if code == -950 else NAMES[abs(code)]
    return f"{square} {name} {'先手' if code < 0 else '後手'}"


events = []


def script_board():
    """velmora-script's board after the same events: 81 codes, x outer, y inner."""
    out = subprocess.run([script_path], input="\n".join(events + ["dump"]) + "\n", capture_output=True,
                         text=True, cwd=work).stdout
    dump = [line for line in out.splitlines() if line.startswith("dump ")][-1]
    ban = [f for f in dump.split() if f.startswith("ban=")][0][4:]
    return [int(c) for c in ban.split(",")]


def find(node, role, name=None):
    if node is None:
        return None
    try:
        if node.getRole() == role and (name is None or node.name == name):
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), role, name)
            if found:
                return found
    except Exception:
        return None
    return None


def velmora_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name and a.name.lower() == "velmora":
            return a
    return None


def xdo(*args):
    subprocess.run(["xdotool", *args], check=True)


proc = subprocess.Popen([app_path], cwd=work, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    app = wait_for("the window never showed itself over AT-SPI", velmora_app)
    table = wait_for("no table of squares over AT-SPI", lambda: find(app, pyatspi.ROLE_TABLE))
    cells = table.queryTable()
    if (cells.nRows, cells.nColumns) != (9, 9):
        fail(f"the table has {cells.nRows} × {cells.nColumns} cells")
    status = wait_for("no announcement text over AT-SPI", lambda: find(app, pyatspi.ROLE_STATUS_BAR))

    def names():
        return [[cells.getAccessibleAt(y - 1, x - 1).name for y in range(1, 10)] for x in range(1, 10)]

    def board_matches():
        codes = script_board()
        want = [[cell_name(x, y, codes[(x - 1) * 9 + (y - 1)]) for y in range(1, 10)] for x in range(1, 10)]
        return names() == want

    def expect_board(what):
        wait_for(f"{what}: the cells read over AT-SPI are not velmora-script's board\n{names()}", board_matches)

    expect_board("at start-up")
    print("atspi: cell (7, 7) reads", repr(cells.getAccessibleAt(6, 2).name))
    window = wait_for("no X window", lambda: subprocess.run(["xdotool", "search", "--name", "^Velmora$"],
                                                            capture_output=True, text=True).stdout.split())[0]
    xdo("windowfocus", "--sync", window)

    def focus():
        return subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True).stdout.strip()

    def answer_box():
        """Answers the box the last key opened with Return, once it has the keyboard,
        and gives the keyboard back to the window (no window manager does)."""
        box = wait_for("the box never took the keyboard", lambda: focus() not in ("", window) and focus())
        xdo("key", "Return")
        wait_for("the box did not close", lambda: focus() != box)
        xdo("windowfocus", "--sync", window)

    # 対局 → 対局(人間) → スタート by their mnemonics; the turn box is answered.
    xdo("key", "alt+t")
    time.sleep(0.3)
    xdo("key", "m")
    time.sleep(0.3)
    xdo("key", "s")
    events.extend(["menu TAIKYOKU", "menu MATCH_MAN", "menu START"])
    answer_box()

    cursor = [5, 9]

    def go(x, y, key="Return"):
        keys = []
        keys += ["Right" if x > cursor[0] else "Left"] * abs(x - cursor[0])
        keys += ["Down" if y > cursor[1] else "Up"] * abs(y - cursor[1])
        if keys:
            xdo("key", "--delay", "30", *keys)
        cursor[:] = [x, y]
        xdo("key", key)
        events.append(f"click {x} {y}" + (" right" if key != "Return" else ""))

    def move(x1, y1, x2, y2, key="Return", said=None):
        before = status.name
        go(x1, y1)
        go(x2, y2, key)
        if said is not None:
            wait_for(f"the move was not announced as {said!r} (heard {status.name!r})", lambda: status.name == said)
            print("atspi: announced", repr(status.name))
        else:
            wait_for("no announcement", lambda: status.name != before)
        expect_board(f"after {x1}{y1}-{x2}{y2}")

    move(3, 7, 3, 6, said="▲７六歩、鏡 △３四歩")
    print("atspi: cell (3, 6) reads", repr(cells.getAccessibleAt(5, 2).name))
    # The keyboard's square is the focused cell.
    focused = cells.getAccessibleAt(5, 2)
    if not focused.getState().contains(pyatspi.STATE_FOCUSED):
        fail(f"the cursor's cell {focused.name!r} is not focused")
    move(8, 2, 2, 8, "p", said="△８八角成、角を取る")
    stands = []

    def collect(node):
        if node.getRole() == pyatspi.ROLE_LIST:
            stands.append(node)
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                collect(child)

    collect(app)
    heard = sorted(stand.name for stand in stands)
    if heard != ["先手の持ち駒: なし", "後手の持ち駒: 角 1"]:
        fail(f"the stands read {heard}")
    print("atspi: stands read", heard)
    move(5, 9, 4, 8, said="▲６八玉、鏡 △４二王")
    move(9, 3, 9, 4, said="△１四歩、鏡 ▲９六歩")
    move(4, 8, 3, 7, said="▲７七玉、鏡 △３三王")
    # The horse takes the king: the game is over, and the box says so.
    before = status.name
    go(2, 8)
    go(3, 7)
    answer_box()
    wait_for("the end was not announced", lambda: status.name != before)
    print("atspi: announced", repr(status.name))
    if "後手の勝ち" not in status.name:
        fail(f"the end of the game was announced as {status.name!r}")
    expect_board("after the king was taken")
    xdo("key", "Escape")
    proc.wait(timeout=PATIENCE)
    print("atspi: all steps passed")
finally:
    if proc.poll() is None:
        proc.kill()
