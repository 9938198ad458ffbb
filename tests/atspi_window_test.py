"""Decomposes 250 and 300 and marks the m.c.d. through the desktop's accessibility bus, as a
screen reader drives the window, and reads back what it would say. Arguments: the program,
and the file where the accessibility tree is written afterwards."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

SKIP = 77
program, tree_file = sys.argv[1], sys.argv[2]
heard = []  # every notice the window showed, as a screen reader speaks it


def wait_for(what, read, expected=True, seconds=20):
    """Reads until it reads what is expected, letting the bus deliver its events meanwhile."""
    end = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        found = read()
        if found == expected or (expected is True and found):
            return found
        if time.monotonic() > end:
            sys.exit(f"FAIL: {what}: read {found!r}, expected {expected!r}")
        time.sleep(0.05)


def nodes(node):
    yield node
    for child in node:
        yield from nodes(child)


def text(node):
    return node.queryText().getText(0, -1)


def write_tree(tree, node, depth=0):
    shown = text(node) if "Text" in pyatspi.listInterfaces(node) else ""
    fields = (node.name, node.description, shown)
    tree.write("  " * depth + node.getRoleName() + "".join(
        f" «{field}»".replace("\n", " | ") for field in fields) + "\n")
    for child in node:
        write_tree(tree, child, depth + 1)


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        heard.append(event.source.name)


try:
    # Starts the accessibility bus and says a screen reader listens, as Orca does.
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                             GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, 10000, None)
    desktop = pyatspi.Registry.getDesktop(0)
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
except Exception as error:
    print(f"SKIP: the accessibility bus cannot start: {error}")
    sys.exit(SKIP)

window = subprocess.Popen([program])
try:
    app = wait_for("window on the bus", lambda: next(
        (a for a in desktop if a is not None and a.name == "descomposicio"), None))
    by_name = {node.name: node for node in nodes(app)}
    rapid = by_name["rapid"]
    rapid.queryAction().doAction(0)
    wait_for("rapid checked", lambda: rapid.getState().contains(pyatspi.STATE_CHECKED))

    ladders = {}
    for ordinal, number in (("primer", "250"), ("segon", "300")):
        by_name[f"{ordinal.capitalize()} nombre"].queryEditableText().setTextContents(number)
        button = next(node for name, node in by_name.items()
                      if name.startswith("Descompo") and name.endswith(f"{ordinal} nombre"))
        button.queryAction().doAction(0)
        label = by_name[f"Descomposició del {ordinal} nombre"]
        wait_for(f"caption of {number}", lambda: text(label), f"{number} = ")
        assert label.getRole() == pyatspi.ROLE_LABEL
        for column in ("Quocients", "Divisors"):
            area = by_name[f"{column} del {ordinal} nombre"]
            assert area.getRole() == pyatspi.ROLE_LABEL, area.getRoleName()
            ladders[f"{column} {number}"] = text(area).split("\n")
    assert ladders == {
        "Quocients 250": ["250", "125", "25", "5", "1"], "Divisors 250": ["2", "5", "5", "5"],
        "Quocients 300": ["300", "150", "75", "25", "5", "1"],
        "Divisors 300": ["2", "2", "3", "5", "5"]}, ladders

    by_name["Màxim comú divisor"].queryAction().doAction(0)
    mcd = "Forma part del m.c.d."
    # 250 = 2·5³ and 300 = 2²·3·5²: the smaller powers, 2 and 5², make the m.c.d.
    wait_for("boxes marked for the m.c.d.", lambda: sorted(
        (node.name, text(node)) for node in nodes(app) if node.description == mcd),
        [("Base 1 del primer nombre", "2"), ("Base 3 del segon nombre", "5"),
         ("Exponent 1 del primer nombre", "1"), ("Exponent 3 del segon nombre", "2")])
    wait_for("notices heard", lambda: heard, [
        "Descomposició del primer nombre acabada.", "Descomposició del segon nombre acabada.",
        f"{mcd}: 2 elevat a 1, 5 elevat a 2"])

    with open(tree_file, "w", encoding="utf-8") as tree:
        write_tree(tree, app)
    print(f"PASS: read back the window; its accessibility tree is in {tree_file}")
finally:
    window.terminate()
    window.wait(10)
