"""The program as assistive technology sees it, reached with the keyboard alone.

Each step presses keys (xdotool, into the window that has the focus) and then
checks what the accessibility tree reports: names, roles, states, values and
descriptions. Prints one line per check and a closing 'N passed, N failed'.
"""
import os
import subprocess
import sys
import time

import pyatspi

passed = 0
failed = 0


def check(what, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print(f"ok   {what}")
    else:
        failed += 1
        print(f"FAIL {what} {detail}")


def wait_for(find, timeout=10.0):
    """Calls find() until it returns something, or gives up after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        found = find()
        if found is not None or time.monotonic() > deadline:
            return found
        time.sleep(0.05)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Kordelix":
            return app
    return None


def window(title):
    """The top-level window whose caption is title."""
    app = application()
    if app is None:
        return None
    for child in app:
        if child is not None and child.name == title and is_showing(child):
            return child
    return None


def is_showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def named(node, name, role=None):
    for child in descendants(node):
        if child.name == name and (role is None or child.getRoleName() == role):
            return child
    return None


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def focused(node):
    """The focused control. (Every list reports its current row as focused,
    focused list or not, so rows do not count.)"""
    for child in descendants(node):
        if (pyatspi.STATE_FOCUSED in child.getState().getStates()
                and child.getRoleName() not in ("list item", "table cell")):
            return child
    return None


def keys(*names):
    """Presses keys into whatever window has the keyboard focus."""
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "40", name], check=True)
    time.sleep(0.3)


def focus_window(title):
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                         capture_output=True, text=True).stdout.split()
    if ids:
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], check=False)
    time.sleep(0.3)


def expect_buttons(where, node, rows):
    """rows: (name, role) of controls that must be there and take the focus."""
    for name, role in rows:
        found = named(node, name, role)
        check(f"{where}: {role} '{name}'", found is not None)
        if found is not None:
            check(f"{where}: '{name}' is focusable", "focusable" in states(found))


def opened(title, what):
    """The tool window with this caption, given the keyboard, once it shows."""
    found = wait_for(lambda: window(title))
    check(f"{what} opens from the keyboard", found is not None)
    if found is not None:
        focus_window(title)
    return found


def closes_on_escape(title, what):
    keys("Escape")
    check(f"Escape closes {what}",
          wait_for(lambda: True if window(title) is None else None) is True)


def chart(line):
    """A chord line of the library as a chart from low E to high E ('x' not
    played), with a barre's fret on the strings it covers that show less."""
    frets = [int(line[30 + 3 * i:32 + 3 * i]) for i in range(6)]
    start, end, fret = int(line[69]), int(line[71]), int(line[73:75])
    if fret > 0:
        for string in range(min(start, end), max(start, end) + 1):
            if frets[string - 1] != -1 and frets[string - 1] < fret:
                frets[string - 1] = fret
    return " ".join("x" if f < 0 else str(f) for f in reversed(frets))


def library(marker):
    path = os.path.join(sys.argv[1], "ChordData.txt")
    with open(path, encoding="utf-8", errors="replace") as data:
        return [l.rstrip("\r\n") for l in data if l.startswith(marker)]


def chord_finder():
    finder = opened("Chord finder", "the chord finder")
    if finder is None:
        return
    for name in ("Chord groups", "Chords"):
        check(f"chord finder: list '{name}'", named(finder, name, "list") is not None)
    now = focused(finder)
    check("the chord finder opens in 'Chords'", now is not None and now.name == "Chords",
          f"focused: {now.name if now else None}")
    board = named(finder, "Fingering")
    chords = library("!C")
    check("'Fingering' describes the first chord", board is not None
          and board.description == chart(chords[0]), board.description if board else "")
    keys("Down")
    board = named(finder, "Fingering")
    check("Down in 'Chords': 'Fingering' describes the second chord",
          board is not None and board.description == chart(chords[1]),
          board.description if board else "")
    closes_on_escape("Chord finder", "the chord finder")


def note_table():
    found = opened("Note table", "the note table")
    if found is None:
        return
    now = focused(found)
    check("the note table opens on the fretboard", now is not None and now.name == "Fretboard")
    cell = named(found, "G string, fret 1", "list item")
    check("a cell is named by string and fret and described by its note",
          cell is not None and cell.description == "G# / Ab",
          cell.description if cell else "")
    keys("Return")
    open_e = named(found, "high E string, fret 0", "list item")
    check("Return selects the open high E string",
          open_e is not None and "selected" in states(open_e))
    staff = named(found, "Staff")
    check("the staff tells the note shown", staff is not None and staff.description == "E",
          staff.description if staff else "")
    sharp, flat = named(found, "Sharp", "push button"), named(found, "Flat", "push button")
    check("'Sharp' is on and 'Flat' off", sharp is not None and flat is not None
          and "checked" in states(sharp) and "checked" not in states(flat))
    closes_on_escape("Note table", "the note table")


def metronome():
    found = opened("Metronome", "the metronome")
    if found is None:
        return
    slider = next((n for n in descendants(found) if n.getRoleName() == "slider"), None)
    check("metronome: a slider", slider is not None)
    if slider is not None:
        value = slider.queryValue()
        check("the slider reads the tempo 120 from 40 to 240",
              (value.currentValue, value.minimumValue, value.maximumValue) == (120, 40, 240),
              f"{value.currentValue} {value.minimumValue} {value.maximumValue}")
        check("the metronome opens with the slider focused", focused(found) is not None
              and focused(found).getRoleName() == "slider")
        keys("Home", "Prior", "Prior")
        check("Home, Page Up twice: tempo 60", slider.queryValue().currentValue == 60,
              str(slider.queryValue().currentValue))
    check("metronome: the text box 'Tempo'", named(found, "Tempo") is not None)
    # This Qt reports a switch as a push button that is checked while on.
    expect_buttons("metronome", found, [("Start/Stop", "push button"),
                                        ("Close", "push button"),
                                        ("Sound: Rhythm 01", "push button")])
    keys("space")
    switch = named(found, "Start/Stop")
    check("Space starts: 'Start/Stop' is checked", switch is not None
          and "checked" in states(switch))
    keys("space")
    check("Space again stops it", switch is not None and "checked" not in states(switch))
    closes_on_escape("Metronome", "the metronome")


def about():
    link = wait_for(lambda: named(application(), "kordelix@example.org", "link"))
    check("About opens from the keyboard", link is not None)
    if link is None:
        return
    expect_buttons("About", link.parent, [
        ("Close", "push button"),
        ("kordelix@example.org", "link"),
        ("http://kordelix.example.org", "link"),
    ])
    keys("Escape")
    gone = wait_for(lambda: None if named(application(), "kordelix@example.org", "link")
                    else True)
    check("Escape closes About", gone is True)


def main():
    app = wait_for(application)
    if app is None:
        print("the program never appeared on the accessibility bus")
        print("0 passed, 1 failed")
        return 1

    menu = wait_for(lambda: window("Kordelix"))
    check("main menu window", menu is not None)
    focus_window("Kordelix")
    expect_buttons("main menu", menu, [
        ("Chord finder", "push button"),
        ("Note table", "push button"),
        ("Metronome", "push button"),
        ("About", "push button"),
        ("Quit", "push button"),
    ])
    first = focused(menu)
    check("main menu opens with 'Chord finder' focused",
          first is not None and first.name == "Chord finder",
          f"focused: {first.name if first else None}")
    keys("Tab")
    now = focused(menu)
    check("Tab moves to 'Note table'", now is not None and now.name == "Note table")
    keys("shift+Tab", "Return")
    chord_finder()
    focus_window("Kordelix")
    keys("Tab", "Return")
    note_table()
    focus_window("Kordelix")
    keys("Tab", "Return")
    metronome()
    focus_window("Kordelix")
    keys("Tab", "Return")
    about()

    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
