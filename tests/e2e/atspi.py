#!/usr/bin/python3
"""Reads the program's accessible tree over AT-SPI, as a screen reader does.

atspi.py tree            one line per element: role|name|enabled|showing, depth-first
atspi.py press NAME      the press action of the push button (or menu item) named NAME
"""
import sys
import time

import pyatspi


def application(name="vistrel", timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit("no accessible application named %r" % name)


def walk(node, depth=0):
    yield depth, node
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def describe(node):
    states = node.getState()
    return "%s|%s|%s|%s" % (
        node.getRoleName(),
        node.name,
        "enabled" if states.contains(pyatspi.STATE_ENABLED) else "disabled",
        "showing" if states.contains(pyatspi.STATE_SHOWING) else "hidden",
    )


def press(app, name):
    offered = []
    for _, node in walk(app):
        if node.name != name or node.getRole() not in (
            pyatspi.ROLE_PUSH_BUTTON,
            pyatspi.ROLE_MENU_ITEM,
        ):
            continue
        action = node.queryAction()
        for i in range(action.nActions):
            offered.append(action.getName(i))
            if action.getName(i).lower() in ("press", "click", "activate"):
                action.doAction(i)
                print("pressed %s through action %r" % (name, action.getName(i)))
                return
    sys.exit("no element named %r with a press action (actions: %s)" % (name, offered))


def main():
    app = application()
    if sys.argv[1] == "tree":
        for depth, node in walk(app):
            print("  " * depth + describe(node))
    elif sys.argv[1] == "press":
        press(app, sys.argv[2])


if __name__ == "__main__":
    main()
