#!/usr/bin/python3
"""Reads the running calculator through the accessibility bus (AT-SPI), as a
screen reader would, and checks what it finds. Run with Debian's /usr/bin/python3
(python3-pyatspi). Usage: atspi_probe.py SCENARIO OUTPUT_FOLDER; exit status 0
when every check of the scenario holds, 1 with the reasons on standard error."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

FAILURES = []


def check(condition, message):
    if not condition:
        FAILURES.append(message)
    return condition


def pump(seconds):
    """Runs the main loop for a while, so events reach the listeners."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_until(predicate, seconds=10):
    # seconds is what an idle machine needs at most; a busy one gets six times that.
    end = time.monotonic() + seconds * 6
    while time.monotonic() < end:
        try:
            value = predicate()
        except GLib.Error:
            value = None
        if value:
            return value
        pump(0.05)
    return None


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def walk(node, depth=0):
    yield node, depth
    for child in children(node):
        yield from walk(child, depth + 1)


def find_app(name):
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app.get_name() == name and app.get_child_count() > 0:
            return app
    return None


def find(root, role=None, name=None):
    for node, _ in walk(root):
        if role is not None and node.get_role_name() != role:
            continue
        if name is not None and node.get_name() != name:
            continue
        return node
    return None


def text_of(node):
    text = node.get_text_iface()
    return text.get_text(0, text.get_character_count()) if text else None


def dump(root, path):
    with open(path, "w", encoding="utf-8") as out:
        for node, depth in walk(root):
            line = "  " * depth + f"[{node.get_role_name()}] {node.get_name()!r}"
            description = node.get_description()
            if description:
                line += f" ({description})"
            text = node.get_text_iface()
            if text and node.get_role_name() in ("label", "text"):
                line += f" text={text_of(node)!r}"
            out.write(line + "\n")


def press(root, name):
    """Presses a push button through its accessible action, as a screen reader's
    user does with the review keys."""
    button = find(root, role="push button", name=name)
    if not check(button is not None, f"no push button named {name!r}"):
        return
    action = button.get_action_iface()
    check(action is not None and action.do_action(0), f"{name!r} could not be pressed")


def display(root, name="Display"):
    return find(root, role="label", name=name)


def wait_for_display(root, expected, name="Display"):
    shown = wait_until(lambda: text_of(display(root, name)) == expected and expected, 10)
    check(shown, f"display reads {text_of(display(root, name))!r}, expected {expected!r}")


# Every key by the name a person would say; the captions must be gone.
KEY_NAMES = [
    "shift", "delete", "angle mode", "degrees minutes seconds", "off", "square", "square root",
    "x to the power y", "common logarithm", "natural logarithm", "change sign", "reciprocal",
    "hyperbolic", "sine", "cosine", "tangent", "open bracket", "close bracket", "memory in",
    "memory recall", "clear", "all clear", "plus", "minus", "multiply", "divide", "decimal point",
    "exponent", "equals", "constants",
] + [str(d) for d in range(10)]
CAPTIONS = ["X\u00b2", "\u221a", "In", "\u2022", "( --", "-- )", "\u00b0 ' ''", "Co", "Min", "MR", "X^y", "+/-"]


def english(root, out):
    window = wait_until(lambda: find(root, role="frame", name="Trellum"))
    if not check(window is not None, "no frame named Trellum"):
        return
    dump(window, f"{out}/tree.txt")
    buttons = [n for n, _ in walk(window) if n.get_role_name() == "push button"]
    names = [b.get_name() for b in buttons]
    check(len(buttons) == 40, f"{len(buttons)} push buttons, expected 40")
    check(sorted(names) == sorted(KEY_NAMES), f"key names differ: {sorted(set(names) ^ set(KEY_NAMES))}")
    for caption in CAPTIONS:
        check(caption not in names, f"a key is still named by its caption {caption!r}")
    descriptions = {b.get_name(): b.get_description() for b in buttons}
    check(descriptions.get("common logarithm") == "F5; with shift: ten to the power x",
          f"log key described as {descriptions.get('common logarithm')!r}")
    check(descriptions.get("square root") == "F3", f"square root described as {descriptions.get('square root')!r}")
    check(descriptions.get("delete") == "Backspace", f"DEL described as {descriptions.get('delete')!r}")

    labels = [n.get_name() for n, _ in walk(window) if n.get_role_name() == "label"]
    check("ten to the power x" in labels and "10^x" not in labels, f"legends read as {labels}")

    shown = display(window)
    if not check(shown is not None, "no object named Display"):
        return
    check(text_of(shown) == "0", f"display starts as {text_of(shown)!r}")
    check(shown.get_description() == "degrees", f"display described as {shown.get_description()!r}")

    events = []
    listener = Atspi.EventListener.new(lambda event: events.append((event.type, event.source.get_name(), event.any_data)))
    listener.register("object:text-changed")
    pump(0.3)
    for key in ("2", "plus", "3"):
        press(window, key)
        pump(0.3)
    typed = [e for e in events if e[1] == "Display"]
    check(not typed, f"typing sent display events: {typed}")
    press(window, "equals")
    wait_for_display(window, "5")
    wait_until(lambda: any(e[1] == "Display" and e[0].endswith("insert") for e in events), 5)
    inserted = [e[2] for e in events if e[1] == "Display" and e[0].endswith("insert")]
    check(inserted == ["5"], f"after '=' the display sent {inserted}, expected one insertion of '5'")

    # An exponent is read in words; SHIFT is read among the indicators.
    for key in ("1", "decimal point", "5", "exponent", "7", "change sign", "equals"):
        press(window, key)
        pump(0.3)
    wait_for_display(window, "1.5 times ten to the power -7")
    press(window, "shift")
    wait_until(lambda: display(window).get_description() == "shift, degrees", 5)
    check(display(window).get_description() == "shift, degrees",
          f"display described as {display(window).get_description()!r} with SHIFT lit")
    listener.deregister("object:text-changed")


def german(root, out):
    window = wait_until(lambda: find(root, role="frame", name="Trellum"))
    if not check(window is not None, "no frame named Trellum"):
        return
    dump(window, f"{out}/tree-de.txt")
    check(find(window, role="menu", name="Einstellungen") or find(window, role="menu item", name="Einstellungen"),
          "no German menu Einstellungen")
    check(find(window, role="push button", name="Quadratwurzel"), "no key named Quadratwurzel")
    # Numbers keep their point under a German locale.
    for key in ("1", "Dezimalpunkt", "5", "gleich"):
        press(window, key)
        pump(0.3)
    wait_for_display(window, "1.5", name="Anzeige")
    check(display(window, "Anzeige").get_description() == "Grad",
          f"display described as {display(window, 'Anzeige').get_description()!r}")


def german_message(root, out):
    box = wait_until(lambda: find(root, role="dialog", name="Trellum") or find(root, role="alert", name="Trellum"))
    if not check(box is not None, "no message box titled Trellum"):
        return
    dump(box, f"{out}/message-de.txt")
    wanted = "Die eingefügten Daten sind keine Zahl "
    found = wait_until(lambda: find(box, role="label", name=wanted) or
                       next((n for n, _ in walk(box) if text_of(n) == wanted), None), 5)
    check(found, f"message box does not say {wanted!r}")


def main():
    scenario, out = sys.argv[1], sys.argv[2]
    root = wait_until(lambda: find_app("trellum"), 20)
    if root is None:
        print("FAIL: trellum is not on the accessibility bus", file=sys.stderr)
        return 1
    {"english": english, "german": german, "german-message": german_message}[scenario](root, out)
    for failure in FAILURES:
        print(f"FAIL: {failure}", file=sys.stderr)
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
