"""A whole puzzle played to the end with the keyboard alone while the screen reader Orca listens:
the cursor walks every row, the missing numbers are typed, F3 explains a step, and at the end the
name is given for the score list. What Orca said must hold, in order, every line of the golden
sample (tests/data/accessibility/spoken.txt); lines that tell a time are not compared.

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


def key(*keys):
    # Slowly enough for each key's words to be said before the next key cuts them short.
    subprocess.run(["xdotool", "key"] + list(keys), check=True)
    time.sleep(0.3)


def stable(line):
    return line and not re.search(r"Speeltijd|tijd is|\d+:\d\d:\d\d:\d", line)


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
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    wait_for(lambda: "rij 1, kolom 1" in spoken(), 20, "the board's first cell")

    # Row by row, there and back, typing every missing number.
    solution = kept["solution"]
    key("F3")
    for row in range(9):
        columns = range(9) if row % 2 == 0 else range(8, -1, -1)
        for step, column in enumerate(columns):
            if step:
                key("Right" if row % 2 == 0 else "Left")
            index = row * 9 + column
            if kept["cells"][index][0] == 0:
                key(solution[index])
        if row < 8:
            key("Down")
    wait_for(lambda: "foutloos" in spoken(), 20, "the completion")
    time.sleep(2)
    subprocess.run(["xdotool", "type", "--delay", "100", "Orca"], check=True)
    key("Return")
    time.sleep(3)

    said = [line.strip() for line in spoken().splitlines() if stable(line.strip())]
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
