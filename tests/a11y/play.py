#!/usr/bin/python3
"""Plays the start of a game as a screen-reader user does, through the
desktop's accessibility bus alone: it reads names, roles and values, moves
with Tab and the arrows and presses keys, and never clicks a point. From the
main menu to a new owner, a bar bought on the town map and set up, the game
window, the bar opened in the information window and drinks ordered; each
step is checked by what the bus reads back.

    play.py GAME_PROGRAM   (in the folder the game plays in)
"""
import os
import subprocess
import sys
import time

import pyatspi

from bus import alt, find, focused, key, listen_to_focus, pump, type_text
from bus import application as application_of

DEADLINE = 10  # seconds for any one thing to happen
game = None


def fail(text):
    try:
        window = active_window()
        if window is not None:
            text += "; the active window %r reads %r" % (window.name, [
                o.name for o in pyatspi.findAllDescendants(window, lambda o: o.name)][:12])
    except Exception:
        pass
    print("a11y-play: " + text, file=sys.stderr)
    sys.exit(1)


def wait(what, probe, seconds=DEADLINE):
    """The first true answer of probe(), polled until the deadline."""
    end = time.monotonic() + seconds
    while True:
        pump()
        try:
            answer = probe()
        except Exception:  # an object that went away while it was read
            answer = None
        if answer:
            return answer
        if time.monotonic() > end:
            fail("timed out waiting for " + what)
        time.sleep(0.02)


def application():
    return application_of(game.pid)


def active_window():
    for window in application() or []:
        if window.getState().contains(pyatspi.STATE_ACTIVE):
            return window
    return None


def window_named(title):
    """The active window, once it is the one called `title` (the main menu's
    with the version after it)."""
    return wait("the window " + title, lambda: active_window().name.split(" 0.")[0] == title
                and active_window())


def from_menu(letter, *items):
    """Opens a menu of the game window by Alt and its letter, then each item
    (a submenu's, after) by its underlined letter: (name, letter) pairs."""
    alt(letter)
    for name, item_letter in items:
        wait("the menu item " + name, lambda: find(application(), lambda o: o.name.startswith(name)))
        key(item_letter)


def tab_to(name, role=None):
    """Tabs until the bus reports the control named `name` as focused."""
    for _ in range(40):
        now = focused()
        # In a list, the bus announces the list's current entry.
        control = now.parent if now is not None and now.getRole() == pyatspi.ROLE_LIST_ITEM else now
        if control is not None and control.name == name and (role is None or control.getRole() == role):
            return now
        key("Tab")
        wait("the focus to move from " + (now.name if now else "nothing"),
             lambda: focused() is not None and focused() != now, 3)
    fail("Tab never reaches " + name)


def focus_moves_from(now, seconds):
    """Whether the bus announces another focused control within `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if focused() is not None and focused() != now:
            return True
        time.sleep(0.02)
    return False


def choose(name, role=pyatspi.ROLE_RADIO_BUTTON):
    """Moves with the arrows in the group or list that has the focus (down,
    then up from its end) until `name` has it, picks it, and checks that it
    is picked."""
    now = focused()
    if now is not None and now.getRole() == pyatspi.ROLE_LIST:
        for entry in now:
            if entry.name == name and entry.getState().contains(pyatspi.STATE_SELECTED):
                return entry  # picked already
    direction = "Down"
    for _ in range(20):
        now = focused()
        if now is not None and now.name == name:
            state = now.getState()
            if not (state.contains(pyatspi.STATE_CHECKED) or state.contains(pyatspi.STATE_SELECTED)):
                key("space")  # nothing of the group was picked yet
            wait(name + " picked", lambda: focused().getState().contains(pyatspi.STATE_CHECKED)
                 or focused().getState().contains(pyatspi.STATE_SELECTED), 3)
            return now
        key(direction)
        if not focus_moves_from(now, 1):
            if direction == "Up":
                break
            direction = "Up"
    fail("the arrows never reach " + name)


def money(window):
    """The figure of the game window's Money box."""
    pump()
    return float(value(window, "Money"))


def press(name, with_key="Return"):
    """Tabs to the button `name` and presses it."""
    tab_to(name, pyatspi.ROLE_PUSH_BUTTON)
    key(with_key)


def fill(name, text):
    """Tabs to the box `name` and types `text` in it."""
    tab_to(name, pyatspi.ROLE_TEXT)
    type_text(text)


def value(window, label):
    """The text of the box the bus names `label`."""
    box = wait("the box " + label, lambda: find(
        window, lambda o: o.name == label and o.getRole() == pyatspi.ROLE_TEXT))
    text = box.queryText()
    return text.getText(0, text.characterCount)


def main():
    global game
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    listen_to_focus()
    game = subprocess.Popen([sys.argv[1]], env=env)
    try:
        play()
        # The game ends by itself, so that what it leaves is checked.
        status = game.wait(DEADLINE)
    except subprocess.TimeoutExpired:
        fail("the game is still running after Quit")
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()
    if status != 0:
        fail("the game ended with status %d" % status)
    print("a11y-play: played from the main menu to drinks ordered, by names and keys, and quit")


def play():
    # The "What's new?" window opens over the menu at the start; its Close
    # button wakes after a countdown of ten seconds.
    popup = window_named("What's new?")
    wait("Close to wake", lambda: find(popup, lambda o: o.name == "Close").getState().contains(
        pyatspi.STATE_ENABLED), 15)
    press("Close")
    menu = window_named("Tavo")
    names = [o.name for o in pyatspi.findAllDescendants(
        menu, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON)]
    if names != ["New game", "Load", "About", "Exit"]:
        fail("the main menu's buttons read %r" % names)
    press("New game")

    owner = window_named("Create a new character")
    fill("Owner's name:", "Jo Martel")
    tab_to("Business man", pyatspi.ROLE_RADIO_BUTTON)
    choose("The Woman")
    owner_money = wait("the owner's money", lambda: value(owner, "Money:"))
    press("Create")

    town = window_named("Choose a bar to buy")
    bars = wait("the bars list", lambda: find(town, lambda o: o.getRole() == pyatspi.ROLE_LIST))
    if bars.childCount < 2:
        fail("the town's list reads %d bars" % bars.childCount)
    tab_to(bars.name, pyatspi.ROLE_LIST)  # the pins' list, named by the window
    choose("The Rusty Anchor", pyatspi.ROLE_LIST_ITEM)
    wait("a price", lambda: value(town, "Price:") not in ("", "0"))
    press("Buy the bar")

    setup = window_named("Setup of the new bar")
    fill("Name of the bar:", "Jo's Corner")
    tab_to("Alternative", pyatspi.ROLE_CHECK_BOX)
    key("space")
    tab_to("Low Class", pyatspi.ROLE_RADIO_BUTTON)
    key("space")  # the first of its group: Space picks it
    after = value(setup, "Money after the sale:")
    press("Create")

    gamewin = wait("the game window", lambda: active_window() is not None and find(
        active_window(), lambda o: o.getRole() == pyatspi.ROLE_MENU_BAR) and active_window())
    # The clock stops (Tools, Speed, Pause): the money moves only by the
    # player's acts.
    from_menu("t", ("Speed", "s"), ("Pause", "p"))
    wait("the clock stopped", lambda: find(gamewin, lambda o: o.name == "Pause"))
    money_before = money(gamewin)
    from_menu("t", ("View your info", "i"))
    info = window_named("Informations")
    listed = wait("the bar in the information window",
                  lambda: find(info, lambda o: o.getRole() == pyatspi.ROLE_LIST_ITEM))
    if listed.name != "Jo's Corner":
        fail("the information window lists %r, not the bar just bought" % listed.name)
    tab_to(listed.parent.name, pyatspi.ROLE_LIST)
    choose("Jo's Corner", pyatspi.ROLE_LIST_ITEM)
    press("Change", "space")  # Enter is for the window's main button
    wait("the bar open", lambda: find(info, lambda o: o.name == "Open"))
    key("Escape")

    wait("the game window again", lambda: active_window() == gamewin)
    from_menu("t", ("Buy drinks", "b"))
    drinks = window_named("Order drinks for your bars")
    tab_to("Choose the bar you want to order drinks:", pyatspi.ROLE_LIST)
    choose("Jo's Corner", pyatspi.ROLE_LIST_ITEM)
    tab_to("Choose the drink you want to order:", pyatspi.ROLE_LIST)
    choose("Blonde Lager", pyatspi.ROLE_LIST_ITEM)
    fill("Qty you want to buy", "10")
    wait("the order's total", lambda: value(drinks, "Total:") not in ("", "0"))
    total = value(drinks, "Total:")
    press("Order")
    wait("the order's message", lambda: find(active_window(),
                                             lambda o: o.name == "Your order have been made."))
    key("Return")
    wait("the stock ordered", lambda: value(drinks, "Qty left in this bar") == "10")
    # The game window shows the money at its next refresh.
    spent = money_before - wait("the money spent", lambda: money(gamewin) != money_before
                                and money(gamewin))
    if abs(spent - float(total)) > 0.005:
        fail("the order of %s cost %s" % (total, spent))
    print("a11y-play: owner's money %s, %s after the sale, %s after an order of %s"
          % (owner_money, after, money_before - spent, total))

    # Quit from the game window's File menu, leaving the game unsaved.
    key("Escape")
    wait("the game window at the end", lambda: active_window() == gamewin)
    from_menu("f", ("Quit", "q"))
    wait("the question to quit", lambda: find(active_window(),
                                              lambda o: o.name == "You really want to quit ?"))
    press("Yes")
    wait("the question to save", lambda: find(
        active_window(), lambda o: o.name == "Do you want to save the game before leaving?"))
    press("No")


if __name__ == "__main__":
    main()
