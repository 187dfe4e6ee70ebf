#!/usr/bin/python3
"""Plays a game with Orca as a blind player does, by keys alone, and checks
what Orca says at each step: it reads Orca's debug log, where every
utterance is written as a "SPEECH OUTPUT" line. Nothing waits for a fixed
time: each step waits, within a deadline, for what Orca says of it.

    orca-play.py GAME_PROGRAM WORK_FOLDER   (in the folder the game plays in)
"""
import os
import re
import subprocess
import sys
import time
import traceback

import pyatspi

from bus import alt, ctrl, find, focused, key, listen_to_focus, type_text
from bus import application as application_of

DEADLINE = 15  # seconds for Orca to say what a step brings
work = sys.argv[2]
log_path = os.path.join(work, "orca.log")
heard_so_far = [0]  # how many of Orca's utterances the steps have gone past
processes = []


def utterances():
    try:
        with open(log_path, encoding="utf-8", errors="replace") as log:
            text = log.read()
    except FileNotFoundError:
        return []
    return re.findall(r"SPEECH OUTPUT: '(.*?)'(?:\{[^\n]*)?$", text, re.M)


def fail(text):
    said = utterances()
    step = [frame.lineno for frame in traceback.extract_stack() if frame.name == "play"]
    print("orca-play: line %s: %s" % (step[-1] if step else "?", text), file=sys.stderr)
    print("orca-play: Orca's last words: %r" % said[-25:], file=sys.stderr)
    sys.exit(1)


def hear(*phrases, seconds=DEADLINE):
    """Waits until Orca, since the last step, has said each phrase (in any
    utterance, in any order); returns what it said."""
    end = time.monotonic() + seconds
    while True:
        said = utterances()[heard_so_far[0]:]
        joined = "\n".join(said)
        missing = [p for p in phrases if p not in joined]
        if said and not missing:
            heard_so_far[0] += len(said)
            return said
        if time.monotonic() > end:
            fail("Orca never said %r" % missing)
        time.sleep(0.05)


def hear_one_of(*phrases, seconds=DEADLINE):
    """Waits until Orca, since the last step, has said one of the phrases;
    returns the index of the first one said."""
    end = time.monotonic() + seconds
    while True:
        said = utterances()[heard_so_far[0]:]
        for at, utterance in enumerate(said):
            for index, phrase in enumerate(phrases):
                if phrase in utterance:
                    heard_so_far[0] += at + 1
                    return index
        if time.monotonic() > end:
            fail("Orca never said one of %r" % (phrases,))
        time.sleep(0.05)


def start_orca():
    env = dict(os.environ)
    orca = subprocess.Popen(["orca", "-u", os.path.join(work, "prefs"),
                             "--debug-file=" + log_path],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    processes.append(orca)
    end = time.monotonic() + DEADLINE
    while True:
        try:
            with open(log_path, encoding="utf-8", errors="replace") as log:
                if "Screen reader on" in log.read():
                    return
        except FileNotFoundError:
            pass
        if orca.poll() is not None:
            fail("Orca ended at its start (status %d)" % orca.returncode)
        if time.monotonic() > end:
            fail("Orca never said it was on")
        time.sleep(0.05)


def main():
    start_orca()
    listen_to_focus()
    heard_so_far[0] = len(utterances())
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    game = subprocess.Popen([sys.argv[1]], env=env)
    processes.append(game)
    try:
        play()
        status = game.wait(DEADLINE)
        if status != 0:
            fail("the game ended with status %d" % status)
    except subprocess.TimeoutExpired:
        fail("the game is still running after Quit")
    finally:
        for process in processes:
            if process.poll() is None:
                process.kill()
                process.wait()
    print("orca-play: Orca said %d things along the game" % len(utterances()))


def application():
    return application_of(processes[-1].pid)


def wait_for(what, probe, seconds=DEADLINE):
    end = time.monotonic() + seconds
    while True:
        try:
            answer = probe()
        except Exception:  # an object that went away while it was read
            answer = None
        if answer:
            return answer
        if time.monotonic() > end:
            fail("timed out waiting for " + what)
        time.sleep(0.05)


def tab_to(name, limit=40, role=None):
    """Presses Tab until the control named `name` (with `role`, of that
    role and a name that begins so) has the keyboard, each time waiting for
    Orca to say the control reached, and then its name."""
    for _ in range(limit):
        before = focused()
        key("Tab")
        end = time.monotonic() + DEADLINE
        while True:
            if focused() is not None and focused() != before:
                break
            if time.monotonic() > end:
                fail("the keyboard never left " + (before.name if before else "nothing"))
            time.sleep(0.02)
        try:
            control = focused()
            if control.getRole() == pyatspi.ROLE_LIST_ITEM:
                control = control.parent  # a list is said by its name first
            now, now_role = control.name, control.getRole()
        except Exception:  # gone while it was read
            now, now_role = "", None
        if now == name if role is None else now_role == role and now.startswith(name):
            return hear(name)
        if now:
            hear(now)  # Orca has caught up before the next Tab
    fail("Tab never reached " + name)


def tools(letter, then=None, submenu=None):
    """Chooses in the game window's Tools menu by its letters: `letter`,
    then `then` in its submenu once Orca has said `submenu`."""
    alt("t")
    hear("Speed")
    key(letter)
    if then:
        hear(submenu)
        key(then)


def play():
    # The popup opens over the main menu and cannot close for ten seconds:
    # Escape says so, and the countdown is read with the window.
    hear("What's new? dialog", "seconds left")
    key("Escape")
    hear("This window can close in")
    wait_for("Close to wake", lambda: find(application(), lambda o: o.name == "Close"
                                           and o.getState().contains(pyatspi.STATE_ENABLED)), 15)
    key("Escape")
    hear("Tavo", "New game push button")
    key("Return")
    hear("Create a new character dialog", "Owner's name: text")
    type_text("Jo Martel")
    tab_to("Business man")
    key("space")
    hear("selected")
    tab_to("Create")
    key("Return")
    # The town's bars, where the keyboard is: typing a bar's name goes to
    # it in the list, Orca reads it, and Buy takes it.
    hear("Choose a bar to buy", "List with")
    type_text("The Rusty")
    hear("The Rusty Anchor")
    tab_to("Buy the bar")
    key("Return")
    hear("Setup of the new bar")
    type_text("Jo's Corner")
    tab_to("Alternative")
    key("space")
    hear("checked")
    tab_to("Low Class")
    key("space")
    hear("selected")
    tab_to("Create")
    key("Return")
    # The game window: its money and date are read from the keyboard.
    hear("Tavo Alpha")
    tab_to("Money")
    tab_to("Date")
    # The information window opens the bar: the game window's status line
    # says so.
    tools("i")
    hear("Informations")
    tab_to("Change")
    key("space")
    hear("Jo's Corner is open.")
    key("Escape")
    hear("Tavo Alpha")
    # Drinks: the bar and the drink chosen by typing their names, a
    # quantity and a price; the order is said with the money left.
    tools("b")
    hear("Order drinks for your bars")
    tab_to("Choose the bar you want to order drinks:")
    type_text("Jo")
    hear("Jo's Corner")
    tab_to("Choose the drink you want to order:")
    type_text("Pale")
    hear("Pale Ale")
    tab_to("Qty you want to buy")
    type_text("10")
    tab_to("Your Price")
    type_text("5")
    key("Return")
    if hear_one_of("Your order have been made.", "Drinks ordered for") == 0:
        key("Return")
    hear("Drinks ordered for 30$. Your money: ")
    key("Escape")
    hear("Tavo Alpha")
    # A loan at Invest Bank, once a member: the form reads the limit.
    tools("v", "n", "Invest Bank")
    hear("Become a member")
    key("Return")
    hear("Yes")
    key("Return")
    hear("Invest Bank=- dialog")
    wait_for("the keyboard back in the bank",
             lambda: focused() and focused().name != "Yes" and focused().name)
    tab_to("Borrow money")
    key("space")
    hear("How much money do you need?")
    limit = tab_to("Your loan limit is:")
    if not re.search(r"\d", " ".join(limit)):
        fail("the loan limit was read without its figure: %r" % limit)
    key("Escape")
    hear("Borrow money")
    key("Escape")
    hear("Tavo Alpha")
    # An administrator hired, and a Lotto ticket bought: each heard.
    tools("m", "h", "Hire staff")
    hear("Hire Staff for you bars")
    # Tab enters the candidates' group at the first one free to hire, which
    # Space chooses.
    tab_to("", role=pyatspi.ROLE_RADIO_BUTTON)
    choice = focused()
    candidate = choice.name.split("  ")[0]
    key("space")
    wait_for(candidate + " chosen", lambda: choice.getState().contains(pyatspi.STATE_CHECKED))
    alt("h")
    hear(candidate + " works for you now.")
    key("Escape")
    hear("Tavo Alpha")
    tools("l", "6", "Lotto 6/49")
    hear("Lotto 6/49 dialog")
    for box, number in enumerate(("6", "8", "15", "16", "23", "42"), start=1):
        if box > 1:
            key("Tab")
            hear("Number %d" % box)
        type_text(number)
    tab_to("Buy this ticket")
    key("Return")
    hear("Ticket bought: 6, 8, 15, 16, 23, 42.")
    key("Escape")
    hear("Tavo Alpha")
    # A spin of Spin Cash: the reels and what it paid are said as they stop.
    tools("l", "c", "Lotto 6/49")
    hear("Spin Cash dialog", "Your bet:")
    type_text("10")
    key("Return")
    hear_one_of(": you win ", ": you lose ")
    key("Escape")
    hear("Tavo Alpha")
    # A race on the first car: the commentary runs and the winner is said.
    tools("l", "r", "Lotto 6/49")
    hear("Racing Money", "Car 1 (Blue)")
    car = focused()
    key("space")
    wait_for("Car 1 chosen", lambda: car.getState().contains(pyatspi.STATE_CHECKED))
    tab_to("How much do you bet?")
    type_text("10")
    key("Return")
    # A bet won is told by a message first, which the race waits for.
    if hear_one_of("The race winner:", "You car win is the winner!", seconds=90) == 1:
        key("Return")
        hear("The race winner:")
    key("Escape")
    hear("Tavo Alpha")
    # Saved by Ctrl+S, then loaded again from the game window by Ctrl+L,
    # its name typed whole: the game window comes back, heard, with a
    # control that has the keyboard.
    ctrl("s")
    hear("Save your game dialog", "File name")
    type_text("jo")
    key("Return")
    hear("Game saved as jo.sav.")
    ctrl("l")
    hear("Load a game dialog", "File name")
    type_text("jo.sav")
    key("Return")
    hear("Tavo Alpha")
    tab_to("Money")
    # Back to the main menu (Ctrl+N, the new game's key), and the game
    # loaded from there: the game window again, heard, with a control that
    # has the keyboard.
    ctrl("n")
    hear("Do you want to start a new game?")
    key("Return")
    hear("New game push button")
    tab_to("Load")
    key("Return")
    hear("Load a game dialog", "File name")
    type_text("jo.sav")
    key("Return")
    hear("Tavo Alpha")
    tab_to("Money")
    # Quit, unsaved.
    ctrl("q")
    hear("You really want to quit ?")
    key("Return")
    hear("Do you want to save the game before leaving?")
    key("Tab")
    hear("No push button")
    key("Return")


if __name__ == "__main__":
    main()
