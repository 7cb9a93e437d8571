#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# A screen reader's view of a whole match, over a real accessibility bus.
#
# usage (inside an X server and a D-Bus session, as ctest runs it):
#   screen_reader_match.py <zamut>
# Starts the accessibility bus and the game, starts a new game through the
# menu item's action, plays nine rounds with the hand cards' Press actions,
# follows every round through the name-change events, reads the totals and
# the verdict, reads the About and help windows, and ends the game through
# its menu. Prints the tree of roles and names after the match.
import os
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
FAILURES = []


def check(ok, what):
    if not ok:
        FAILURES.append(what)
        print("FAIL:", what, flush=True)


def pump(seconds, until=lambda: False):
    """Lets bus messages in for up to `seconds`, or until `until()` holds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        if until():
            return True
        time.sleep(0.02)
    return until()


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find(root, role, name):
    for node, _ in walk(root):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def named(parent, name, seconds):
    """The child of `parent` called `name`, waiting up to `seconds` for it."""
    found = []

    def look():
        # A child list read before the child arrived would be kept otherwise.
        parent.clearCache()
        found[:] = [c for c in parent if c is not None and c.name == name]
        return bool(found)

    pump(seconds, look)
    return found[0] if found else None


def application(name):
    return named(pyatspi.Registry.getDesktop(0), name, 15)


def window(app, name):
    return named(app, name, 10)


def action_names(node):
    if "Action" not in pyatspi.listInterfaces(node):
        return []
    actions = node.queryAction()
    return [actions.getName(i) for i in range(actions.nActions)]


def press(node, action="Press"):
    if node is None:
        check(False, f"something to {action}")
        return
    names = action_names(node)
    check(action in names, f"{node.getRoleName()} {node.name!r} offers {action} ({names})")
    if action in names:
        node.queryAction().doAction(names.index(action))


def sensitive(node):
    return node.getState().contains(pyatspi.STATE_SENSITIVE)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def card_name(picture):
    return "裏向き" if picture == 0 else f"{picture}筒"


def card_of(name):
    """The card a row image's name shows: "COM 3回戦 7筒" -> 7."""
    return int(name.rsplit(" ", 1)[1].rstrip("筒"))


def tree(root):
    lines = []
    for node, depth in walk(root):
        states = [] if sensitive(node) else ["unavailable"]
        if not showing(node):
            states.append("hidden")
        extra = f"  [{', '.join(states)}]" if states else ""
        lines.append(f"{'  ' * depth}{node.getRoleName()}: {node.name!r}{extra}")
    return "\n".join(lines)


def play():
    app = application("zamut")
    desktop = pyatspi.Registry.getDesktop(0)
    check(app is not None, "the game appears on the accessibility bus, beside "
          f"{[a.name for a in desktop if a is not None]}")
    board = window(app, "ザムト") if app else None
    check(board is not None, "the board window ザムト is on the bus")
    if board is None:
        return
    for group in ("得点", "手札"):  # Qt's grouping role reads as a panel
        check(find(board, "panel", group) is not None, f"the panel {group} is a named group")
    hand = {v: find(board, "push button", f"手札 {v}筒") for v in range(1, 10)}
    check(all(hand.values()), "nine hand cards are push buttons named 手札 1筒..9筒")
    check(not any(sensitive(c) for c in hand.values() if c), "the hand is unavailable before a new game")
    rows = [find(board, "image", f"{side} {n}回戦 裏向き")
            for side in ("COM", "あなた") for n in range(1, 10)]
    check(all(rows), "the row images are images")
    check(not any(action_names(row) for row in rows if row), "a row image offers nothing to press")
    check(find(board, "label", "回戦") is None, "the empty caption has no placeholder name")
    caption = next((n for n, _ in walk(board) if n.getRoleName() == "label" and n.name == ""), None)
    check(caption is not None, "the empty round caption is a nameless label")

    heard = []
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append(e.source.name), "object:property-change:accessible-name")
    pump(1)  # the game learns that someone listens

    press(hand[5])
    pump(0.5)
    check(heard == [] and find(board, "push button", "手札 5筒") is not None,
          "pressing a card before a new game changes nothing")

    press(find(board, "menu item", "新規ゲーム"))
    check(pump(5, lambda: "１回戦" in heard), "a new game is announced as １回戦")
    pump(0.5)
    check(heard == ["１回戦"], f"the first new game changes only the caption's name, not {heard}")
    check(all(sensitive(c) for c in hand.values()), "a new game makes every card available")

    order = [5, 1, 9, 2, 8, 3, 7, 4, 6]
    mine = theirs = 0
    for round_, card in enumerate(order, start=1):
        heard.clear()
        press(hand[card])
        check(pump(5, lambda: any(n.startswith(f"COM {round_}回戦 ") and not n.endswith("裏向き")
                                  for n in heard)),
              f"round {round_}: the computer's card is announced")
        computer = card_of(find_row(board, "COM", round_).name)
        if card > computer:
            mine += card + computer
        elif card < computer:
            theirs += card + computer
        if round_ < 9:
            expected_caption = "２回戦" if round_ == 1 and card == 1 else f"{round_ + 1}回戦"
        else:
            expected_caption = verdict(mine, theirs, order, board)
        expected = {"手札 裏向き", f"あなた {round_}回戦 {card_name(card)}", expected_caption}
        if card != computer:
            expected.add(f"あなたの得点 {mine}" if card > computer else f"COMの得点 {theirs}")
        check(pump(5, lambda: expected <= set(heard)),
              f"round {round_}: announced {sorted(expected - set(heard))} too")
        check(not sensitive(hand[card]) and hand[card].name == "手札 裏向き",
              f"round {round_}: the played card is face down and unavailable")
        check(find(board, "label", f"あなたの得点 {mine}") is not None
              and find(board, "label", f"COMの得点 {theirs}") is not None,
              f"round {round_}: totals read {mine} and {theirs}")
        check(find(board, "label", expected_caption) is not None,
              f"round {round_}: the caption reads {expected_caption}")

    heard.clear()
    press(hand[order[0]])
    pump(0.5)
    check(heard == [], "pressing a played card changes nothing")
    print(tree(board), flush=True)
    print(f"totals: あなた {mine}, COM {theirs}", flush=True)

    check_about(app, board)
    check_help(board)

    press(find(board, "menu item", "終了"))


def find_row(board, side, round_):
    for node, _ in walk(board):
        if node.getRoleName() == "image" and node.name.startswith(f"{side} {round_}回戦 "):
            return node
    return None


def verdict(mine, theirs, order, board):
    if mine != theirs:
        return "あなたの勝ちです" if mine > theirs else "あなたの負けです"
    if all(card_of(find_row(board, "COM", n).name) == card for n, card in enumerate(order, 1)):
        return "あなたはすごいです！！アカギと呼ばせてください"
    return "引き分けです"


def check_about(app, board):
    press(find(board, "menu item", "バージョン"))
    about = window(app, "ザムトのﾊﾞｰｼﾞｮﾝ情報")
    check(about is not None and pump(5, lambda: showing(about)), "the About window shows")
    if about is None:
        return
    labels = [n.name for n, _ in walk(about) if n.getRoleName() == "label"]
    for text in ("ザムト", "Version 1.0.4"):
        check(text in labels, f"the About window reads {text}")
    check(any(t.startswith("警告: フリーソフトです。") for t in labels), "the disclaimer reads")
    ok = find(about, "push button", "OK")
    check(ok is not None, "the About window's OK is a push button")
    if ok is not None:
        press(ok)
        check(pump(5, lambda: not showing(about)), "OK closes the About window")


def check_help(board):
    press(find(board, "menu item", "ザムトについて"))
    helper = application("zamut-help")
    check(helper is not None, "the help window's program is on the bus")
    if helper is None:
        return
    text = ""
    for node, _ in walk(helper):
        if "Text" in pyatspi.listInterfaces(node):
            content = node.queryText()
            text += content.getText(0, content.characterCount)
    check("ザムト ヘルプ" in text and "新規ゲーム" in text, "the help text reads through the bus")
    os.kill(helper.get_process_id(), signal.SIGTERM)


def accessibility_bus_ready():
    """True once the launcher answers with the accessibility bus's address."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION)

    def call(name, path, interface, method, arguments=None):
        return session.call_sync(name, path, interface, method, arguments, None,
                                 Gio.DBusCallFlags.NONE, -1, None).unpack()[0]

    return (call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                 "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)))
            and bool(call("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress")))


def main():
    zamut = sys.argv[1]
    launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
    game = None
    try:
        check(pump(10, accessibility_bus_ready), "the accessibility bus starts")
        # The registry answers before the game starts: an application that
        # registers while the registry itself is still starting is lost.
        check(pyatspi.Registry.getDesktop(0).childCount == 0, "the desktop starts empty")
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        game = subprocess.Popen([zamut], env=environment)
        play()
        if game.wait(timeout=10) != 0:
            FAILURES.append(f"the game ended with status {game.returncode}")
    finally:
        if game is not None and game.poll() is None:
            game.kill()
        launcher.terminate()
        launcher.wait()
    if FAILURES:
        print(f"{len(FAILURES)} failures", flush=True)
        return 1
    print("PASS", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
