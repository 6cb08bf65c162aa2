"""A whole puzzle played to the end with the keyboard alone while the screen reader Orca listens:
the cursor walks every row, the missing numbers are typed, F3 explains a step, and at the end the
name is given for the score list. What Orca said must hold, in order, every line of the golden
sample (tests/data/accessibility/spoken.txt); lines that tell a time, and Orca's greetings of
windows, are not compared.

play_aloud.py GOLDEN FOLDER PID, with SPOKEN the file in which speech is written. With --write the
golden sample is written from what was spoken instead."""
import json
import os
import re
import subprocess
import sys
import time


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(predicate, seconds, what):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if predicate():
            return
        time.sleep(0.2)
    fail("waited %d s for %s" % (seconds, what))


def key(name, spoken_file):
    """Presses a key and waits until Orca has said what it says to it, so that the next key does
    not cut that short, however busy the machine."""
    before = os.path.getsize(spoken_file)
    subprocess.run(["xdotool", "key", name], check=True)
    deadline = time.time() + 5
    while time.time() < deadline and os.path.getsize(spoken_file) == before:
        time.sleep(0.05)
    time.sleep(0.15)


def stable(line):
    """Not a time, nor Orca's greeting of a window ("Sudoku dialog."), which it leaves out when it
    is busy."""
    return line and not re.search(r"Speeltijd|tijd is|\d+:\d\d:\d\d:\d| (dialog|frame)\.$", line)


def main():
    write = "--write" in sys.argv
    args = [a for a in sys.argv[1:] if a != "--write"]
    golden, folder, pid = args[0], args[1], args[2]
    spoken_file = os.environ["SPOKEN"]
    kept = json.load(open(os.path.join(folder, "program", "Spel.json"), encoding="utf-8"))
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", pid,
                             "--name", "Sudoku"], capture_output=True, text=True,
                            check=True).stdout.split()[0]
    spoken = lambda: open(spoken_file, encoding="utf-8").read()
    wait_for(lambda: "Screen reader on" in spoken(), 60, "Orca to start")
    # Orca may still be settling when it first speaks, and miss the window coming to the front:
    # until it speaks the board's first cell, the focus goes to the menus and back again.
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    for attempt in range(6):
        deadline = time.time() + 5
        while time.time() < deadline and "rij 1, kolom 1" not in spoken():
            time.sleep(0.2)
        if "rij 1, kolom 1" in spoken():
            break
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        subprocess.run(["xdotool", "key", "--delay", "500", "F10", "Escape"], check=True)
    else:
        fail("Orca never spoke the board's first cell")

    # Row by row, there and back, typing every missing number.
    solution = kept["solution"]
    key("F3", spoken_file)
    for row in range(9):
        columns = range(9) if row % 2 == 0 else range(8, -1, -1)
        for step, column in enumerate(columns):
            if step:
                key("Right" if row % 2 == 0 else "Left", spoken_file)
            index = row * 9 + column
            if kept["cells"][index][0] == 0:
                key(solution[index], spoken_file)
        if row < 8:
            key("Down", spoken_file)
    # On a busy machine Orca may still be working through the last moves' events.
    wait_for(lambda: "foutloos" in spoken(), 90, "the completion")
    time.sleep(2)
    subprocess.run(["xdotool", "type", "--delay", "100", "Orca"], check=True)
    key("Return", spoken_file)
    time.sleep(3)

    # From the board's first cell on: how Orca greets the window is its own affair.
    said = [line.strip() for line in spoken().splitlines() if stable(line.strip())]
    said = said[next(i for i, line in enumerate(said) if line.startswith("rij 1, kolom 1")):]
    if write:
        with open(golden, "w", encoding="utf-8") as out:
            out.write("\n".join(said) + "\n")
        return
    expected = [line.strip() for line in open(golden, encoding="utf-8") if stable(line.strip())]
    at = 0
    for line in said:
        if at < len(expected) and line == expected[at]:
            at += 1
    if at < len(expected):
        fail("Orca did not say %r (after %r); it said:\n%s" % (
            expected[at], expected[at - 1] if at else None, "\n".join(said)))
    print("Orca said all %d lines of the sample, among %d" % (len(expected), len(said)))


main()
