"""What a screen reader finds of the running viewer through the desktop's accessibility bus
(AT-SPI): the main window with the name label, the eight fly-to buttons in the panel's order
and the two hidden information texts; pressing "Titan" through the bus flies there, and the
label then reads "Titan". Exits non-zero with the reason on failure."""
import sys
import time

import pyatspi


def describe(node):
    states = node.getState().getStates()
    return (node.getRoleName(), node.name, pyatspi.STATE_SHOWING in states)


def find_window(timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None:
                continue
            for i in range(app.childCount):
                window = app.getChildAtIndex(i)
                if window is not None and window.name == "Moons of Orvane":
                    return window
        time.sleep(0.5)
    return None


def children(window):
    return [describe(window.getChildAtIndex(i)) for i in range(window.childCount)]


def fail(reason, window=None):
    print("screen reader: FAILED: " + reason, file=sys.stderr)
    if window is not None:
        for child in children(window):
            print("  ", child, file=sys.stderr)
    sys.exit(1)


window = find_window(60)
if window is None:
    fail("no window 'Moons of Orvane' on the accessibility bus")
bodies = ["Orvane", "Mimas", "Enceladus", "Tethys", "Dione", "Rhea", "Titan", "Iapetus"]
found = children(window)
buttons = [name for role, name, showing in found if role == "push button" and showing]
if buttons != bodies:
    fail("the panel's buttons read %s" % buttons, window)
labels = [(name, showing) for role, name, showing in found if role == "label"]
if not labels or labels[0] != ("Orvane", True):
    fail("the name label does not read 'Orvane'", window)
hidden = [name for name, showing in labels[1:] if not showing]
if len(hidden) < 2 or "Mass:" not in hidden[0] or "kg" not in hidden[1]:
    fail("the information texts are not there, hidden", window)
# The list of keys F1 shows: its title and its two columns, hidden until then.
if hidden[2:] and (hidden[2] != "Keys and mouse" or "Ctrl+S" not in hidden[3]):
    fail("the list of keys is not there, hidden", window)
if len(hidden) != 5:
    fail("other hidden texts than the information and the list of keys", window)

titan = next(window.getChildAtIndex(i) for i in range(window.childCount)
             if window.getChildAtIndex(i).name == "Titan")
action = titan.queryAction()
names = [action.getName(i) for i in range(action.nActions)]
if "Press" not in names:
    fail("the button offers %s, no Press" % names, window)
action.doAction(names.index("Press"))
deadline = time.monotonic() + 20
while time.monotonic() < deadline and children(window)[0][1] != "Titan":
    time.sleep(0.2)
if children(window)[0][1] != "Titan":
    fail("after pressing Titan the label reads %r" % children(window)[0][1], window)
print("screen reader: the window, its 8 buttons, the label and the hidden texts read; "
      "Press on Titan made the label read Titan")
