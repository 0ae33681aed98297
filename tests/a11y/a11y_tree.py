"""The program as assistive technology sees it, reached with the keyboard alone.

Each step presses keys (xdotool, into the window that has the focus) and then
checks what the accessibility tree reports: names, roles, states, values and
descriptions, and what an event listener hears, as a screen reader would:
focus moves, value and state changes. Steps wait for the event they expect
(with generous deadlines), never for a time. Prints one line per check, the
events heard while walking the chord finder, and a closing 'N passed, N failed'.
"""
import os
import subprocess
import sys
import time

import pyatspi

from gi.repository import GLib

passed = 0
failed = 0
# What the listener heard: (event type, role, name, description).
heard = []


def check(what, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print(f"ok   {what}")
    else:
        failed += 1
        print(f"FAIL {what} {detail}")


def on_event(event):
    try:
        source = event.source
        heard.append((event.type, source.getRoleName(), source.name or "",
                      source.description or "", event.detail1))
    except Exception:  # the source went away
        heard.append((event.type, "", "", "", event.detail1))


def listen():
    """Registers the listener once the program is on the bus, as a screen reader
    started after it would (the program learns of each registration by a
    signal, which it misses while it is still starting). Focus comes last: the
    program handles the registrations in order, so once a focus event is heard
    it sends every kind."""
    for kind in ("object:property-change:accessible-value",
                 "object:property-change:accessible-description", "object:state-changed:checked",
                 "object:state-changed:selected", "focus:"):
        pyatspi.Registry.registerEventListener(on_event, kind)


def pump(seconds):
    """Delivers the events that arrive within seconds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() > deadline:
            return
        time.sleep(0.02)


def wait_for(find, timeout=20.0):
    """Calls find() until it returns something, or gives up after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        found = find()
        if found is not None or time.monotonic() > deadline:
            return found
        pump(0.05)


def wait_heard(since, kind, name, timeout=20.0):
    """The first event of a kind from an object of that name heard since the
    given count of events, once it comes."""
    return wait_for(lambda: next((e for e in heard[since:]
                                  if e[0].startswith(kind) and e[2] == name), None), timeout)


def focus_names(events):
    return [e[2] for e in events if e[0].startswith("focus:")]


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
    pump(0.3)


def focus_window(title):
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                         capture_output=True, text=True).stdout.split()
    if ids:
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], check=False)
    pump(0.3)


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


# The strings of two chords as the board's items read them, low E first.
STRINGS = {
    "C": ["low E string, muted", "A string, fret 3, C 3", "D string, fret 2, E 3",
          "G string, open, G 3", "B string, fret 1, C 4", "high E string, open, E 4"],
    "F": ["low E string, fret 1, barre, F 2", "A string, fret 3, C 3", "D string, fret 3, F 3",
          "G string, fret 2, A 3", "B string, fret 1, barre, C 4",
          "high E string, fret 1, barre, F 4"],
}
# The first chords of "Major" as the list speaks them.
MAJOR = ["C", "C sharp", "D", "E flat", "E", "F", "F sharp", "G", "A flat", "A", "B flat", "B"]


def walk(since, steps):
    """Presses each key and waits for the focus event of the object named."""
    for key, name in steps:
        keys(key)
        if wait_heard(since, "focus:", name) is None:
            return False
        since = len(heard)
    return True


def check_strings(finder, chord):
    board = named(finder, "Fingering", "list")
    names = [item.name for item in board] if board is not None else []
    check(f"'Fingering' lists the strings of {chord}", names == STRINGS[chord], str(names))


def chord_finder(since):
    finder = opened("Chord finder", "the chord finder")
    if finder is None:
        return
    for name in ("Chord groups", "Chords"):
        check(f"chord finder: list '{name}'", named(finder, name, "list") is not None)
    no_unnamed_images("chord finder", finder)
    check("opening: the focus event for 'Chords'", wait_heard(since, "focus:", "Chords"))
    board = named(finder, "Fingering", "list")
    chords = library("!C")
    check("'Fingering' describes the first chord", board is not None
          and board.description == "C major: " + chart(chords[0]),
          board.description if board else "")
    check_strings(finder, "C")
    chord_list = named(finder, "Chords", "list")
    names = [item.name for item in chord_list][:len(MAJOR)] if chord_list else []
    check("the chords are spoken with sharps and flats", names == MAJOR, str(names))
    groups = named(finder, "Chord groups", "list")
    names = {item.name for item in groups} if groups else set()
    check("the groups are spoken in words",
          {"major 7", "7 sus 4", "minor 7 flat 5"} <= names, str(names))

    walked = walk(len(heard), [("Down", "C sharp"), ("Down", "D"), ("Tab", "Fingering"),
                               ("Right", "low E string, muted"), ("Right", "A string, muted"),
                               ("Right", "D string, open, D 3")])
    print("heard: opening the chord finder, Down twice in 'Chords', Tab, Right three times")
    for event in heard[since:]:
        print("     ", *event)
    check("one focus event per focus change, each for the focused object", walked and
          focus_names(heard[since:]) == ["Chords", "C sharp", "D", "Fingering",
                                         "low E string, muted", "A string, muted",
                                         "D string, open, D 3"],
          str(focus_names(heard[since:])))
    item = next((e for e in heard[since:] if e[2] == "C sharp"), None)
    check("a chord's focus event carries its fingering",
          item is not None and item[3] == "C sharp major, barre: x 4 6 6 6 4", str(item))

    since = len(heard)
    walk(since, [("shift+Tab", "Chords"), ("Down", "E flat"), ("Down", "E"), ("Down", "F")])
    check_strings(finder, "F")
    since = len(heard)
    walk(since, [("Tab", "Fingering"), ("Tab", "Chord groups"), ("Down", "Minor"),
                 ("Tab", "Favorites")])
    switched = len(heard)
    keys("space")
    wait_heard(switched, "object:state-changed:checked", "Favorites")
    # Shift+Tab's focus event comes after any the switch might have sent.
    walk(len(heard), [("shift+Tab", "Chord groups")])
    check("groups and 'Favorites' move no focus but their own",
          focus_names(heard[since:]) == ["Fingering", "Chord groups", "Minor", "Favorites",
                                         "Chord groups"], str(focus_names(heard[since:])))
    closes_on_escape("Chord finder", "the chord finder")


def note_table():
    found = opened("Note table", "the note table")
    if found is None:
        return
    no_unnamed_images("note table", found)
    now = focused(found)
    check("the note table opens on the fretboard", now is not None and now.name == "Fretboard")
    for name, note in [("G string, fret 1", "G sharp 3 or A flat 3"),
                       ("A string, fret 1", "A sharp 2 or B flat 2"),
                       ("low E string, fret 0", "E 2"), ("high E string, fret 0", "E 4"),
                       ("B string, fret 3", "D 4")]:
        cell = named(found, name, "list item")
        check(f"cell '{name}' is described by its note '{note}'",
              cell is not None and cell.description == note, cell.description if cell else "")
    since = len(heard)
    keys("Return")
    open_e = named(found, "high E string, fret 0", "list item")
    check("Return selects the open high E string",
          open_e is not None and "selected" in states(open_e))
    check("the staff reports its new value",
          wait_heard(since, "object:property-change:accessible-value", "Staff"))
    staff = named(found, "Staff")
    check("the staff's value is the note shown", staff is not None
          and staff.description == "E 4" and staff.queryValue().currentValue == 15,
          staff.description if staff else "")
    sharp, flat = named(found, "Sharp", "push button"), named(found, "Flat", "push button")
    check("'Sharp' is on and 'Flat' off", sharp is not None and flat is not None
          and "checked" in states(sharp) and "checked" not in states(flat))
    since = len(heard)
    keys("Tab", "Tab", "Tab")
    check("Tab reaches the staff", wait_heard(since, "focus:", "Staff"))
    since = len(heard)
    keys("Up")
    check("Up on the staff reports the value 'F 4'",
          wait_heard(since, "object:property-change:accessible-value", "Staff")
          and staff.description == "F 4", staff.description)
    since = len(heard)
    keys("Menu")
    active = wait_heard(since, "focus:", "Normal")
    check("the note-type menu opens on the present sign", active is not None
          and active[1] == "menu item", str(heard[since:]))
    keys("Escape")  # closes the menu
    closes_on_escape("Note table", "the note table")


def metronome():
    found = opened("Metronome", "the metronome")
    if found is None:
        return
    no_unnamed_images("metronome", found)
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
    since = len(heard)
    keys("space")
    switch = named(found, "Start/Stop")
    change = wait_heard(since, "object:state-changed:checked", "Start/Stop")
    check("Space starts: 'Start/Stop' reports it is checked", switch is not None
          and change is not None and change[4] == 1 and "checked" in states(switch))
    keys("space")
    check("Space again stops it", switch is not None and "checked" not in states(switch))
    closes_on_escape("Metronome", "the metronome")


def about():
    link = wait_for(lambda: named(application(), "kordelix@example.org", "link"))
    check("About opens from the keyboard", link is not None)
    if link is None:
        return
    about_window = link.parent
    expect_buttons("About", about_window, [
        ("Close", "push button"),
        ("kordelix@example.org", "link"),
        ("http://kordelix.example.org", "link"),
    ])
    check("About is named for assistive technology", about_window.name == "About Kordelix",
          about_window.name)
    check("About reads its drawn texts", "Kordelix" in about_window.description
          and "The Kordelix team, 2004" in about_window.description, about_window.description)
    closes = [n for n in descendants(about_window) if n.name == "Close"]
    check("About has one 'Close'", len(closes) == 1, str(len(closes)))
    no_unnamed_images("About", about_window)
    keys("Escape")
    gone = wait_for(lambda: None if named(application(), "kordelix@example.org", "link")
                    else True)
    check("Escape closes About", gone is True)


def no_unnamed_images(where, node):
    """Decorative pictures are left out: no unnamed picture, label or empty
    panel is listed."""
    images = [n.getRoleName() for n in descendants(node) if not n.name and n.childCount == 0
              and n.getRoleName() in ("image", "label", "panel")]
    check(f"{where}: no unnamed pictures", not images, str(images))


def main():
    app = wait_for(application)
    if app is None:
        print("the program never appeared on the accessibility bus")
        print("0 passed, 1 failed")
        return 1

    menu = wait_for(lambda: window("Kordelix"))
    check("main menu window", menu is not None)
    listen()
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
    no_unnamed_images("main menu", menu)
    since = len(heard)
    keys("shift+Tab")
    check("the listener hears the focus move back to 'Chord finder'",
          wait_heard(since, "focus:", "Chord finder"))
    since = len(heard)
    keys("Return")
    chord_finder(since)
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
