#!/usr/bin/python3
"""What a screen reader hears of the main window, read through AT-SPI as Orca reads it: the
controls in reading order with their roles, names and values, and the events that one Submit
and one This Month replay send. Runs the installed-style program on Wednesday 16 June 2004
(libfaketime, preloaded from FAKETIME_LIBRARY) with empty settings, so the birth date is the
default 1 January 2000 (Capricorn), and presses its keys through the X server with xdotool.

usage: reader_test.py ASTRIVO   (inside dbus-run-session, with DISPLAY naming the X server
                                 that carries the keyboard; QT_QPA_PLATFORM picks X11 or
                                 Wayland)

Expected ratings come from tools/reference/sky_reference.py:
  `rate 1 1 2000 14 6 2004 20 6 2004` gives sign 11 and (29, 49, 54): This Week;
  `rate 1 1 2000 1 6 2004 30 6 2004`  gives sign 11 and (16, 43, 30): This Month;
  `signs` puts Capricorn's centre at longitude -49.788, so the view turns to heading -49 in
  steps of 2 degrees; the slider shows the last step, 48.
"""
import os
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

FIXED_NOW = "@2004-06-16 12:00:00"

# The window as a reader walks it, every child it does not pass by: role, name, value.
# Written out by hand from the window: the banner, the Input frame, the Horoscope frame,
# then the view and its sliders.
EXPECTED_WALK = [
    ("label", "Todays date: Wednesday June 16, 2004", None),
    ("panel", "Input", None),
    ("label", "Birth Date:", None),
    ("label", "Month", None),
    ("text", "Birth Date: Month", None),
    ("label", "Day", None),
    ("text", "Birth Date: Day", None),
    ("label", "Year", None),
    ("text", "Birth Date: Year", None),
    ("label", "Trace Date:", None),
    ("label", "Trace Date: June 20, 2004", None),
    ("push button", "Submit", None),
    ("panel", "Horoscope", None),
    ("radio button", "Today", None),
    ("radio button", "Tomorrow", None),
    ("radio button", "This Week", None),
    ("radio button", "This Month", None),
    ("combo box", "Sign shown in the view", None),
    ("panel", "Fortune", None),
    ("progress bar", "Fortune rating", 29.0),
    ("panel", "Romance", None),
    ("progress bar", "Romance rating", 49.0),
    ("panel", "Wealth", None),
    ("progress bar", "Wealth rating", 54.0),
    ("image", "Sky view facing Capricorn", None),
    ("slider", "Heading", 48.0),
    ("slider", "Tilt", 30.0),
]
# Passed by: the trace day and year (the month reads the whole date) and the four pictures.
# The left column's scroll bar shows only where the window is too small for the layout.
EXPECTED_PASSED = sorted([("label", "Trace Date: Day"), ("label", "Trace Date: Year"),
                          ("scroll bar", "Date, input and horoscope")] + [("image", "")] * 4)

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def pump(seconds):
    """Runs the event loop, so that AT-SPI events reach the listeners."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(condition, seconds, what):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            if condition():
                return True
        except Exception:  # the tree is still being built
            pass
        pump(0.1)
    sys.exit("FAIL timed out waiting for " + what)


def value_of(accessible):
    try:
        return accessible.queryValue().currentValue
    except NotImplementedError:
        return None


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


class Events:
    """Value and name changes as they arrive, with the time they came and from whom."""

    def __init__(self):
        self.values = []  # (time, name of the source, its value then)
        self.names = []  # (time, role of the source, new name)
        pyatspi.Registry.registerEventListener(
            self.on_value, "object:property-change:accessible-value")
        pyatspi.Registry.registerEventListener(
            self.on_name, "object:property-change:accessible-name")

    def clear(self):
        self.values.clear()
        self.names.clear()

    def on_value(self, event):
        self.values.append((time.monotonic(), event.source.name, value_of(event.source)))

    def on_name(self, event):
        self.names.append((time.monotonic(), event.source.getRoleName(), event.source.name))


def start_reader_bus():
    """The session bus starts at-spi-bus-launcher and the registry on the first call."""
    end = time.monotonic() + 10
    while time.monotonic() < end:
        try:
            pyatspi.Registry.getDesktop(0).childCount
            return
        except Exception:
            time.sleep(0.2)
    sys.exit("FAIL the AT-SPI bus did not start")


def key(window, keys):
    """Types `keys` into the window. Under X11, with no window manager, the window is given
    the keyboard focus. Under Wayland the compositor's window takes the keys where the
    pointer is; it shows the program at its top-left corner, so the banner's place in the
    program's window is its place on the screen."""
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Astrivo$", "windowfocus"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    banner = window[0].queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    frame = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if os.environ.get("QT_QPA_PLATFORM") == "wayland":
        frame.x = frame.y = 0
    x, y = frame.x + banner.x + banner.width // 2, frame.y + banner.y + banner.height // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.2",
                    "key", "--delay", "50", keys], check=True)


def main():
    astrivo = sys.argv[1]
    start_reader_bus()
    events = Events()
    home = tempfile.mkdtemp()
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LD_PRELOAD=os.environ["FAKETIME_LIBRARY"],
               FAKETIME=FIXED_NOW, FAKETIME_DONT_FAKE_MONOTONIC="1",
               # A sanitizer build runs with libfaketime loaded ahead of its own runtime.
               ASAN_OPTIONS=":".join(filter(None, [os.environ.get("ASAN_OPTIONS"),
                                                   "verify_asan_link_order=0"])))
    program = subprocess.Popen([astrivo], env=env)
    try:
        run(events)
    finally:
        program.terminate()
        program.wait()
    if failures:
        sys.exit("%d failed" % len(failures))


def find_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "astrivo" and app.childCount > 0:
            return app[0]
    return None


def child_named(window, name):
    return next(child for child in window if child.name == name)


def run(events):
    window = None

    def found():
        nonlocal window
        window = find_window()
        return window is not None

    wait_for(found, 30, "the window in the AT-SPI tree")
    check(window.getRoleName() == "frame" and window.name == "Astrivo",
          "the window is a frame named Astrivo: %s %r" % (window.getRoleName(), window.name))
    submit = None

    def idle():
        nonlocal submit
        submit = child_named(window, "Submit")
        heading = child_named(window, "Heading")
        return submit.getState().contains(pyatspi.STATE_ENABLED) and value_of(heading) == 48.0

    # The start rates This Week and replays it; the view turns to Capricorn.
    wait_for(idle, 60, "the start's trace and turn to end")
    pump(0.5)

    children = list(window)
    walk = [(c.getRoleName(), c.name, value_of(c) if c.getRoleName() in ("progress bar", "slider")
             else None) for c in children if showing(c)]
    for i in range(max(len(walk), len(EXPECTED_WALK))):
        got = walk[i] if i < len(walk) else None
        want = EXPECTED_WALK[i] if i < len(EXPECTED_WALK) else None
        check(got == want, "walk %d: %s" % (i, got if got == want else "%s, expected %s" %
                                            (got, want)))
    passed = sorted((c.getRoleName(), c.name) for c in children if not showing(c))
    check(passed == EXPECTED_PASSED, "passed by: %s" % passed)
    misplaced = [i for i, child in enumerate(children)
                 if child.getIndexInParent() != i or child.parent != window]
    check(misplaced == [], "each child knows its place among %d: %s" % (len(children), misplaced))
    # A point names the control the user sees there, not the frame beneath it, though the
    # frame comes first in the walk.
    for name in ("Birth Date: Month", "Submit", "This Month", "Fortune rating"):
        box = child_named(window, name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        hit = window.queryComponent().getAccessibleAtPoint(
            box.x + box.width // 2, box.y + box.height // 2, pyatspi.DESKTOP_COORDS)
        check(hit is not None and hit.name == name,
              "the middle of %s is %s" % (name, hit.name if hit else None))
    for bar in ("Fortune rating", "Romance rating", "Wealth rating"):
        value = child_named(window, bar).queryValue()
        check((value.minimumValue, value.maximumValue) == (0.0, 100.0), bar + " runs 0 to 100")
    signs = child_named(window, "Sign shown in the view")
    selected = [item.name for menu in signs for item in menu
                if item.getState().contains(pyatspi.STATE_SELECTED)]
    check(selected == ["CAPRICORN "], "the sign list's selected item: %s" % selected)

    # Submit again, by its mnemonic: the same ratings, each bar announced once.
    events.clear()
    key(window, "alt+s")
    wait_for(lambda: not submit.getState().contains(pyatspi.STATE_ENABLED), 10, "Submit to run")
    wait_for(lambda: submit.getState().contains(pyatspi.STATE_ENABLED), 30, "the trace to end")
    pump(1.0)
    check(sorted(e[1:] for e in events.values) ==
          [("Fortune rating", 29.0), ("Romance rating", 49.0), ("Wealth rating", 54.0)],
          "one Submit: one value event per bar: %s" % [e[1:] for e in events.values])

    # This Month: new ratings, and a replay of four months that counts the days.
    events.clear()
    key(window, "alt+m")
    wait_for(lambda: not submit.getState().contains(pyatspi.STATE_ENABLED), 10, "This Month")
    wait_for(lambda: submit.getState().contains(pyatspi.STATE_ENABLED), 30, "the trace to end")
    pump(1.0)
    check(sorted(e[1:] for e in events.values) ==
          [("Fortune rating", 16.0), ("Romance rating", 43.0), ("Wealth rating", 30.0)],
          "This Month: one value event per bar: %s" % [e[1:] for e in events.values])
    names = events.names
    check(all(role == "label" and name.startswith("Trace Date: ") for _, role, name in names),
          "only the trace date changes its name: %s" % sorted({n[1:] for n in names}))
    check(names != [] and names[-1][2] == "Trace Date: June 30, 2004",
          "the last name is the trace's end: %s" % (names[-1:],))
    # Four a second at most: any five changes before the last span a second. The program
    # keeps them more than 250 ms apart; 50 ms are allowed for the delivery to this process.
    times = [t for t, _, _ in names[:-1]]
    spans = [times[i + 4] - times[i] for i in range(len(times) - 4)]
    check(len(times) >= 8 and min(spans) >= 0.95,
          "%d name changes, five within %.3f s at the closest" %
          (len(names), min(spans) if spans else 0))


if __name__ == "__main__":
    main()
