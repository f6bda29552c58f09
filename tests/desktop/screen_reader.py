"""What a screen reader hears from the program over AT-SPI: every control's
role, name, states, shortcut, group and description as the table shared with
the Qt and Win32 suites says (tests/accessibility.tsv), and the one
announcement after a command."""

import ast
import csv
import os
import re
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

from desktop import INFO_TITLE, MAIN_TITLE, check, find, log, poll, press, top_level  # noqa: E402

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
ROLES = {
    "grouping": "panel",
    "label": "label",
    "text": "text",
    "button": "push button",
    "radio": "radio button",
    "graphic": "image",
}


def table():
    with open(os.path.join(SOURCE, "tests", "accessibility.tsv"), encoding="utf-8") as file:
        lines = [line for line in file if line.strip() and not line.startswith("#")]
    return list(csv.DictReader(lines, delimiter="\t", quoting=csv.QUOTE_NONE))


def expectations(rows, window, situation):
    """The row of each control that holds in the situation."""
    chosen = {}
    for row in rows:
        if row["window"] == window and row["situation"] in ("", situation):
            if row["control"] not in chosen or row["situation"]:
                chosen[row["control"]] = row
    return list(chosen.values())


def picture_words():
    """The pictures' descriptions by control, read from the generated table
    both front ends link."""
    with open(os.path.join(SOURCE, "common", "reference_pictures.h"), encoding="utf-8") as file:
        controls = dict((file_, control) for control, file_ in
                        re.findall(r'\{"(i\w+)", "(\w+)"\}', file.read()))
    with open(os.path.join(SOURCE, "common", "reference_picture_words.cpp"),
              encoding="utf-8") as file:
        source = file.read()
    words = {}
    for file_, body in re.findall(r'\{"(\w+)", (.*?)\},\n', source, re.S):
        literals = [ast.literal_eval(s) for s in re.findall(r'"(?:[^"\\]|\\.)*"', body)]
        words[controls[file_]] = "".join(literals[1:])
    return words


def accessible_named(root, control, role, name):
    return find(root, lambda a: a.getRoleName() == role and a.name == name)


def check_controls(window, rows, words):
    """Every row: a control of that role and name, with its states, shortcut,
    group and description."""
    by_control = {row["control"]: row for row in rows}
    for row in rows:
        what = f"{row['control']} ({row['situation'] or 'start'})"
        role = ROLES[row["role"]]
        # Looked for in its group: two groups hold a "ρ".
        scope = window
        if row["group"]:
            scope = accessible_named(window, row["group"], ROLES["grouping"],
                                     by_control[row["group"]]["name"])
            check(scope is not None, f"{what}: no group {row['group']}")
        found = accessible_named(scope, row["control"], role, row["name"])
        check(found is not None, f"{what}: no {role} named {row['name']!r}")
        states = found.getState()
        hidden = not states.contains(pyatspi.STATE_SHOWING)
        check(hidden == ("hidden" in row["states"]), f"{what}: hidden is {hidden}")
        if row["role"] == "button":
            default = states.contains(pyatspi.STATE_IS_DEFAULT)
            check(default == ("default" in row["states"]), f"{what}: default is {default}")
            action = found.queryAction()
            press_index = [action.getName(i).lower() for i in range(action.nActions)].index("press")
            shortcut = action.getKeyBinding(press_index)
            check(shortcut == row["shortcut"], f"{what}: shortcut {shortcut!r}")
        if row["role"] == "radio":
            checked = states.contains(pyatspi.STATE_CHECKED)
            check(checked == ("checked" in row["states"]), f"{what}: checked is {checked}")
        parent = found.parent
        if row["group"]:
            group = by_control[row["group"]]
            check(parent.getRoleName() == ROLES["grouping"] and parent.name == group["name"],
                  f"{what}: heard in {parent.getRoleName()} {parent.name!r}")
        else:
            check(parent == window, f"{what}: heard in {parent.getRoleName()} {parent.name!r}")
        description = found.description or ""
        expected = words.get(row["control"], "")
        check(description == expected, f"{what}: described as {description[:60]!r}")
        if expected:
            check(description.split("\n")[0] == row["description"],
                  f"{what}: the description's first line")
    log(f"{len(rows)} controls as the table says")


class Announcements:
    """Notifications that appear, as a screen reader hears them."""

    def __init__(self):
        self.heard = []
        self.listener = Atspi.EventListener.new(self.record)
        self.listener.register("object:state-changed:showing")

    def record(self, event):
        source = event.source
        if event.detail1 == 1 and source.get_role() == Atspi.Role.NOTIFICATION:
            self.heard.append(source.get_name())

    def pump(self):
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def after(self, action, expected):
        """What is heard after the action: the expected announcements, and no
        more within half a second of the last."""
        self.heard.clear()
        action()
        if expected:
            poll(f"the announcement {expected}",
                 lambda: (self.pump(), len(self.heard) >= len(expected))[1])
        settle = time.monotonic() + 0.5
        while time.monotonic() < settle:
            self.pump()
            time.sleep(0.02)
        check(self.heard == expected, f"heard {self.heard}, not {expected}")
        return list(self.heard)

    def close(self):
        self.listener.deregister("object:state-changed:showing")


def main_window_in(desk, executable, situation):
    program = desk.start_program(executable)
    window = top_level(MAIN_TITLE.pattern)
    if situation == "cylinder":
        radio = poll("the cylinder selector",
                     lambda: accessible_named(window, "rbCyl", "radio button", "Цилиндр"))
        radio.queryAction().doAction(0)
        poll("the cylinder chosen", lambda: radio.getState().contains(pyatspi.STATE_CHECKED))
    elif situation == "calculated":
        press(window, "Расчет")
        poll("the energies in tonnes",
             lambda: accessible_named(window, "lEt0", "label", "Начальная энергия, т"))
    return program, window


def screen_reader(desk, executable):
    rows = table()
    words = picture_words()
    for situation in ("", "cylinder", "calculated"):
        program, window = main_window_in(desk, executable, situation)
        check_controls(window, expectations(rows, "main", situation), words)
        if situation == "":
            press(window, "Инфо")
            info = top_level(INFO_TITLE)
            check_controls(info, expectations(rows, "info", ""), words)
            announcements = Announcements()
            try:
                said = announcements.after(lambda: press(window, "Расчет"), ["Готов ..."])
                said += announcements.after(lambda: press(window, "Очистить"), ["Готов ..."])
                cylinder = accessible_named(window, "rbCyl", "radio button", "Цилиндр")
                announcements.after(lambda: cylinder.queryAction().doAction(0), [])
            finally:
                announcements.close()
            log(f"announced after Расчет and Очистить: {said}; after Цилиндр nothing")
        program.popen.terminate()
        program.wait_exit("the program's end")
