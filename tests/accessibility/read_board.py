"""The board as a screen reader reads it: a table of 81 cells named by their row, column and
content, equal to the game taken up; the cursor's moves focus their cells, a number typed renames
its cell and is spoken, and T has the time spoken.

read_board.py FOLDER PID: FOLDER holds the game's program folder (program/Spel.json)."""
import json
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def find(predicate, root, depth=0):
    if predicate(root):
        return root
    if depth > 12:
        return None
    for child in root:
        if child is None:
            continue
        found = find(predicate, child, depth + 1)
        if found:
            return found
    return None


def the_game(pid):
    deadline = time.time() + 20
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        time.sleep(0.2)
    fail("the game did not appear on the accessibility bus")


def expected_names(kept):
    names = {}
    givens = kept["givens"]
    for index, (digit, marks, _) in enumerate(kept["cells"]):
        row, column = index // 9 + 1, index % 9 + 1
        name = "rij %d, kolom %d, " % (row, column)
        if digit:
            name += str(digit) + (", gegeven" if givens[index] == "1" else "")
        else:
            name += "leeg" + ("".join(" " + d for d in marks) and ", potlood" + "".join(
                " " + d for d in marks))
        names[(row, column)] = name
    return names


def main():
    folder, pid = sys.argv[1], int(sys.argv[2])
    kept = json.load(open(os.path.join(folder, "program", "Spel.json"), encoding="utf-8"))
    game = the_game(pid)
    board = find(lambda a: a.getRole() == pyatspi.ROLE_TABLE and a.name == "Speelbord", game)
    if board is None:
        fail("no table named Speelbord")
    table = board.queryTable()
    if (table.nRows, table.nColumns, board.childCount) != (9, 9, 81):
        fail("the board is %d x %d with %d cells" % (table.nRows, table.nColumns, board.childCount))
    names = expected_names(kept)
    for (row, column), name in names.items():
        cell = table.getAccessibleAt(row - 1, column - 1)
        if cell.name != name:
            fail("cell %d, %d is called %r, not %r" % (row, column, cell.name, name))
    print("81 cells named as the game holds them")

    # The cursor stands on row 1, column 1; keys go to the game's window.
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(pid),
                             "--name", "Sudoku"], capture_output=True, text=True,
                            check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    focused, spoken = [], []

    clock = []

    def listen(event):
        if os.environ.get("TRACE"):
            print(event.type, event.detail1, event.source.getRoleName(), repr(event.source.name))
        if event.type.startswith("object:state-changed:focused") and event.detail1 == 1:
            focused.append(event.source.name)
        elif event.type.startswith("object:state-changed:showing") and event.detail1 == 1 \
                and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            spoken.append(event.source.name)
        elif event.type.startswith("object:property-change") and event.source.name == "Speeltijd":
            clock.append(time.time())

    pyatspi.Registry.registerEventListener(listen, "object:state-changed:focused",
                                           "object:state-changed:showing",
                                           "object:property-change:accessible-name",
                                           "object:property-change:accessible-description")
    solution = kept["solution"]
    steps = [["Right"], ["Down"], ["Left", "Up"], [solution[0]], ["t"]]

    def step():
        if steps:
            subprocess.run(["xdotool", "key", "--delay", "150"] + steps.pop(0), check=True)
            return True
        GLib.timeout_add(1000, pyatspi.Registry.stop)
        return False

    GLib.timeout_add(1500, step)
    pyatspi.Registry.start()

    for want in ("rij 1, kolom 2, 5, gegeven", "rij 2, kolom 2, leeg", "rij 1, kolom 1, leeg"):
        if want not in focused:
            fail("no focus on %r; focused: %r" % (want, focused))
    placed = "rij 1, kolom 1, " + solution[0]
    if table.getAccessibleAt(0, 0).name != placed:
        fail("the cell is called %r after the number" % table.getAccessibleAt(0, 0).name)
    if placed not in spoken:
        fail("the number placed was not spoken: %r" % spoken)
    if not any(s.startswith("Speeltijd ") for s in spoken):
        fail("T did not have the time spoken: %r" % spoken)
    # The clock changes what it tells once a second, not with every tenth it shows.
    if not clock or len(clock) > (clock[-1] - clock[0]) + 2:
        fail("the clock told %d changes in %.1f s" % (len(clock), clock[-1] - clock[0]))
    print("focus followed the cursor: %r" % focused)
    print("spoken: %r" % spoken)


main()
