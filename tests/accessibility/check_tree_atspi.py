#!/usr/bin/env python3
"""Checks, through AT-SPI as a screen reader sees it, that Talpora's document
tree has a name, that its rows offer expand, collapse and activate actions,
and that opening a branch is announced.

Run inside an X session with a session D-Bus, for example:
    Xvfb :31 & DISPLAY=:31 dbus-run-session -- python3 check_tree_atspi.py build/viewer/ui/Talpora
Needs python3-pyatspi and at-spi2-core. Exits 0 when every check holds."""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib


def find(node, predicate, depth=0):
    if node is None or depth > 40:
        return None
    if predicate(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), predicate, depth + 1)
        if found:
            return found
    return None


def wait_for(what, timeout=15.0):
    end = time.time() + timeout
    while time.time() < end:
        result = what()
        if result:
            return result
        time.sleep(0.2)
    return None


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(1)
    document = tempfile.NamedTemporaryFile("w", suffix=".xml", delete=False)
    document.write('<tabs><tab idMso="TabHome"><group idMso="GroupClipboard"/>'
                   '<group idMso="GroupFont"/></tab></tabs>')
    document.close()
    app_process = subprocess.Popen([program, document.name], env=env)
    failures = []
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: find(desktop, lambda n: n.getRole() == pyatspi.ROLE_APPLICATION
                                    and n.name.lower().startswith("talpora")))
        if not app:
            print("FAIL: the program does not show up on the accessibility bus")
            return 1
        tree = wait_for(lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_TREE))
        listbox = find(app, lambda n: n.getRole() == pyatspi.ROLE_LIST)
        if not tree or not tree.name:
            failures.append("the tree has no accessible name")
        if not listbox or not listbox.name:
            failures.append("the catalogue list has no accessible name")
        wait_for(lambda: tree.childCount > 1)
        events = []
        pyatspi.Registry.registerEventListener(lambda e: events.append(e.type),
                                               "object:state-changed", "object:children-changed",
                                               "object:row-inserted")
        for _ in range(20):  # let the registration reach the program
            GLib.MainContext.default().iteration(False)
            time.sleep(0.05)
        row = tree.getChildAtIndex(1)
        actions = row.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        for wanted in ("expand", "collapse"):
            if wanted not in names:
                failures.append("row actions %s lack %s" % (names, wanted))
        before = tree.childCount
        actions.doAction(names.index("expand"))
        end = time.time() + 3
        while time.time() < end:
            while GLib.MainContext.default().iteration(False):
                pass
            time.sleep(0.05)
        if tree.childCount <= before:
            failures.append("expand showed no rows")
        if not row.getState().contains(pyatspi.STATE_EXPANDED):
            failures.append("the row is not expanded")
        if not any(str(t).startswith("object:state-changed") for t in events):
            failures.append("no state change event, events seen: %s" % events)
    finally:
        app_process.terminate()
        os.unlink(document.name)
    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print("PASS: name, actions, expand and its events")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
