"""The program as assistive technology sees it, reached with the keyboard alone.

Each step presses keys (xdotool, into the window that has the focus) and then
checks what the accessibility tree reports: names, roles, states, values and
descriptions. Prints one line per check and a closing 'N passed, N failed'.
"""
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
    """The top-level window whose caption is title (the About window has none
    of its own: it is found by its first child's role and name)."""
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
    for child in descendants(node):
        if pyatspi.STATE_FOCUSED in child.getState().getStates():
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
        subprocess.run(["xdotool", "windowactivate", "--sync", ids[0]], check=False)
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], check=False)
    time.sleep(0.3)


def expect_buttons(where, node, rows):
    """rows: (name, role, extra states that must be there)."""
    for name, role, must in rows:
        found = named(node, name, role)
        check(f"{where}: {role} '{name}'", found is not None)
        if found is not None:
            missing = (set(must) | {"focusable"}) - states(found)
            check(f"{where}: '{name}' is {sorted(set(must) | {'focusable'})}", not missing,
                  f"missing {sorted(missing)}")


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
        ("Chord finder", "push button", []),
        ("Note table", "push button", []),
        ("Metronome", "push button", []),
        ("About", "push button", []),
        ("Quit", "push button", []),
    ])
    first = focused(menu)
    check("main menu opens with 'Chord finder' focused",
          first is not None and first.name == "Chord finder",
          f"focused: {first.name if first else None}")
    keys("Tab")
    now = focused(menu)
    check("Tab moves to 'Note table'", now is not None and now.name == "Note table")
    keys("shift+Tab")

    # About: three Tabs from "Chord finder", then Return.
    keys("Tab", "Tab", "Tab", "Return")
    about = wait_for(lambda: named(application(), "kordelix@example.org", "link"))
    check("About opens from the keyboard", about is not None)
    if about is not None:
        dialog = about.parent
        expect_buttons("About", dialog, [
            ("Close", "push button", []),
            ("kordelix@example.org", "link", []),
            ("http://kordelix.example.org", "link", []),
        ])
        keys("Escape")
        gone = wait_for(lambda: None if named(application(), "kordelix@example.org", "link")
                        else True)
        check("Escape closes About", gone is True)

    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
