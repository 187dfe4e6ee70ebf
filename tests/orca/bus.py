"""What a test that plays through the accessibility bus needs: the keys it
presses, the objects it finds, and the focus the bus announces."""
import pyatspi
from gi.repository import GLib

KEYSYMS = {"Tab": 0xff09, "Return": 0xff0d, "Escape": 0xff1b, "Down": 0xff54, "Up": 0xff52,
           "space": 0x20}


def key(name):
    keysym = KEYSYMS.get(name) or ord(name)
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def with_modifier(mask, name):
    pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_LOCKMODIFIERS)
    key(name)
    pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_UNLOCKMODIFIERS)


def alt(letter):
    with_modifier(8, letter)  # Mod1: Alt


def ctrl(letter):
    with_modifier(4, letter)


def type_text(text):
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)


def application(pid):
    """The accessible application of the process `pid`."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def find(root, test):
    """The first showing object under root for which test(object) holds."""
    if root is None:
        return None
    for child in root:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if test(child):
            return child
        found = find(child, test)
        if found is not None:
            return found
    return None


def pump():
    """Takes in what the bus announced: focus, names and states changed."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


announced = [None]  # the control the bus last announced as focused


def on_focus(event):
    if event.detail1:
        announced[0] = event.source


def focused():
    """The control the bus last announced as focused."""
    pump()
    return announced[0]


def listen_to_focus():
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
