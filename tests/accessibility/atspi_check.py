#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running program's window through AT-SPI, as a screen reader does.

Lists the accessible tree, checks the names and roles the window promises, presses the show-all
button through its accessible action and reads the whole card. Run by run_atspi.sh inside its
own X server and session bus; exits non-zero with a message on the first broken promise.
"""
import sys
import time

import pyatspi

SHOW_ALL = "عـرض الكـل"
SEARCH = "بـحـــث"
EXIT = "خـروج"
CARD_START = "إسم العنصر الكيميائـي:   هيدروجين"
CARD_END = "تاريخ الإكتشاف:   1766م"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def find_app(name, timeout=20.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.2)
    fail("no accessible application named %r" % name)


def walk(node, depth=0, out=None):
    if out is None:
        out = []
    out.append((depth, node))
    for child in node:
        if child is not None:
            walk(child, depth + 1, out)
    return out


def text_of(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ""


def main():
    app = find_app("Orvane")
    nodes = walk(app)
    print("accessible tree:")
    for depth, node in nodes:
        print("  " * depth + "%s %r" % (node.getRoleName(), node.name))

    def named(role, name):
        for _, node in nodes:
            if node.getRole() == role and node.name == name:
                return node
        fail("no %s named %r" % (pyatspi.Role(role), name))

    for caption in (SHOW_ALL, SEARCH, EXIT):
        named(pyatspi.ROLE_PUSH_BUTTON, caption)
    names = [node.name for _, node in nodes]
    if not any(n and "البحث" in n for n in names):
        fail("the search box has no Arabic name")
    if not any(n == "قائمة العناصر" for n in names):
        fail("the element list has no Arabic name")
    labels = [n for _, n in nodes if n.getRole() == pyatspi.ROLE_LABEL]
    if not any("Orvane" in (n.name or "") for n in labels):
        fail("the about text is not readable")
    for _, node in nodes:
        if node.getRole() in (pyatspi.ROLE_IMAGE, pyatspi.ROLE_ICON):
            fail("a decorative picture is exposed: %r" % node.name)

    button = named(pyatspi.ROLE_PUSH_BUTTON, SHOW_ALL)
    action = button.queryAction()
    actions = [action.getName(i) for i in range(action.nActions)]
    if "press" not in actions and "Press" not in actions:
        fail("show all has no press action: %r" % actions)
    action.doAction(actions.index("press") if "press" in actions else actions.index("Press"))

    # The card's accessible text is the whole card at once, not the prefix being typed.
    deadline = time.time() + 20
    card = ""
    while time.time() < deadline:
        for _, node in walk(find_app("Orvane")):
            if node.getRole() == pyatspi.ROLE_LABEL and CARD_START in (node.name or ""):
                card = node.name
        if CARD_END in card:
            break
        time.sleep(0.2)
    if CARD_START not in card or CARD_END not in card:
        fail("the card is not readable as a whole: %r" % card)
    print("card read:\n" + card)
    print("accessibility check passed")


if __name__ == "__main__":
    main()
