"""Decomposes 250 and 300 and marks the m.c.d. through the desktop's accessibility bus, as a
screen reader does, and reads back what it would say. Arguments: the program, and the file
for the accessibility tree read at the end."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

heard = []  # the notices the window showed, as a screen reader speaks them


def wait_for(what, read, expected):
    """Reads until it reads what is expected, letting the bus deliver its events meanwhile."""
    end = time.monotonic() + 20
    while (found := read()) != expected:
        if time.monotonic() > end:
            sys.exit(f"FAIL: {what}: read {found!r}, expected {expected!r}")
        time.sleep(0.05)
        while GLib.MainContext.default().iteration(False):
            pass


def nodes(node, depth=0):
    yield node, depth
    for child in node:
        yield from nodes(child, depth + 1)


def text(node):
    return node.queryText().getText(0, -1) if "Text" in pyatspi.listInterfaces(node) else ""


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        heard.append(event.source.name)


try:  # starts the accessibility bus and says a screen reader listens, as Orca does
    Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
        GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))),
        None, Gio.DBusCallFlags.NONE, 10000, None)
    desktop = pyatspi.Registry.getDesktop(0)
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
except GLib.Error as error:
    print(f"SKIP: the accessibility bus cannot start: {error}")
    sys.exit(77)

window = subprocess.Popen(sys.argv[1:2])
try:
    find_app = lambda: next((a for a in desktop if a and a.name == "descomposicio"), None)
    wait_for("the window on the bus", lambda: find_app() is not None, True)
    named = {node.name: node for node, _ in nodes(find_app())}
    named["ràpid"].queryAction().doAction(0)  # "lent" would draw each step after a pause
    wait_for("ràpid", lambda: named["ràpid"].getState().contains(pyatspi.STATE_CHECKED), True)
    for ordinal, number, quotients, divisors in (
            ("primer", "250", "250 125 25 5 1", "2 5 5 5"),
            ("segon", "300", "300 150 75 25 5 1", "2 2 3 5 5")):
        named[f"{ordinal.capitalize()} nombre"].queryEditableText().setTextContents(number)
        next(node for name, node in named.items() if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
             and name.endswith(f"el {ordinal} nombre")).queryAction().doAction(0)
        shown = [named[f"{what} del {ordinal} nombre"]
                 for what in ("Descomposició", "Quocients", "Divisors")]
        wait_for(f"what shows {number}", lambda: [(n.getRoleName(), text(n)) for n in shown],
                 [("label", f"{number} = "), ("label", quotients.replace(" ", "\n")),
                  ("label", divisors.replace(" ", "\n"))])

    named["Màxim comú divisor"].queryAction().doAction(0)
    mcd = "Forma part del m.c.d."
    # 250 = 2·5³ and 300 = 2²·3·5²: the smaller powers, 2 and 5², make the m.c.d.
    wait_for("the boxes marked", lambda: sorted(
        (node.name, text(node)) for node in named.values() if node.description == mcd),
        [("Base 1 del primer nombre", "2"), ("Base 3 del segon nombre", "5"),
         ("Exponent 1 del primer nombre", "1"), ("Exponent 3 del segon nombre", "2")])
    wait_for("the notices", lambda: heard, [
        "Descomposició del primer nombre acabada.", "Descomposició del segon nombre acabada.",
        f"{mcd}: 2 elevat a 1, 5 elevat a 2"])

    with open(sys.argv[2], "w", encoding="utf-8") as tree:
        for node, depth in nodes(find_app()):
            fields = (node.name, node.description, text(node))
            tree.write("  " * depth + node.getRoleName() + "".join(
                f" «{field}»".replace("\n", " | ") for field in fields) + "\n")
    # A sanitizer's report ends the program: it must still be running when the test ends it.
    if window.poll() is not None:
        sys.exit(f"FAIL: the program ended by itself, with status {window.returncode}")
    print(f"PASS: the window read back; its accessibility tree is in {sys.argv[2]}")
finally:
    window.terminate()
    window.wait(10)
