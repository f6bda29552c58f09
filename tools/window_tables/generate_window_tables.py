#!/usr/bin/env python3
"""Writes the window tables of the toolkit-free front end from the window
definitions (.ui files).

Usage:
    generate_window_tables.py --output tables.cpp Variable=window.ui [...]

Each Variable becomes a `const tarsilo::forms::WindowDefinition` holding every
control of the form in creation order, parents first, with its kind, parent,
geometry, caption, tab order, visibility, default and checked state, Greek-letter
flag, accessible name and buddy. The Qt front end loads the same .ui files, so
both front ends read one set of numbers and texts.

A control's tab order is its place among its parent's tab stops in the form's
<tabstops> list; a group box takes the place of its first tab stop. Every
focusable control must be listed, and the contents of each group box must
stand together in the list, or the form is rejected.
"""

import argparse
import sys
import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass, field

KINDS = {
    "QGroupBox": "GroupBox",
    "QLabel": "Label",
    "QLineEdit": "Edit",
    "QPushButton": "Button",
    "tarsilo::CloseButton": "CloseButton",
    "QRadioButton": "RadioButton",
    "tarsilo::ShapeSelector": "RadioButton",
    "tarsilo::PictureBox": "Picture",
}
FOCUSABLE_KINDS = {"Edit", "Button", "CloseButton", "RadioButton"}


class FormError(Exception):
    pass


@dataclass
class Control:
    name: str
    kind: str
    parent: int
    geometry: tuple
    text: str = ""
    visible: bool = True
    is_default: bool = False
    checked: bool = False
    greek_letter: bool = False
    accessible_name: str = ""
    buddy_name: str = ""
    buddy: int = -1
    tab_order: int = -1


@dataclass
class Window:
    variable: str
    name: str
    class_name: str
    caption: str
    geometry: tuple
    controls: list = field(default_factory=list)


def properties(widget):
    """The widget's own properties, standard and dynamic alike, by name."""
    return {p.get("name"): p for p in widget.findall("property")}


def geometry_of(prop, where):
    if prop is None:
        raise FormError(f"{where}: no geometry")
    rect = prop.find("rect")
    values = []
    for key in ("x", "y", "width", "height"):
        element = rect.find(key) if rect is not None else None
        if element is None or element.text is None:
            raise FormError(f"{where}: geometry without {key}")
        values.append(int(element.text))
    return tuple(values)


def string_of(prop):
    if prop is None:
        return ""
    element = prop.find("string")
    if element is None:
        element = prop.find("cstring")
    return element.text or "" if element is not None else ""


def bool_of(prop, default):
    if prop is None:
        return default
    element = prop.find("bool")
    if element is None or element.text not in ("true", "false"):
        raise FormError(f"property {prop.get('name')} is not a boolean")
    return element.text == "true"


def read_controls(widget, parent, controls):
    """Appends the children of `widget` depth first: a group box, then its contents."""
    for child in widget.findall("widget"):
        name = child.get("name")
        class_name = child.get("class")
        if class_name not in KINDS:
            raise FormError(f"{name}: no control kind for class {class_name}")
        props = properties(child)
        kind = KINDS[class_name]
        control = Control(
            name=name,
            kind=kind,
            parent=parent,
            geometry=geometry_of(props.get("geometry"), name),
            text=string_of(props.get("title" if kind == "GroupBox" else "text")),
            visible=bool_of(props.get("visible"), True),
            is_default=bool_of(props.get("default"), False),
            checked=bool_of(props.get("checked"), False),
            greek_letter=bool_of(props.get("greekLetter"), False),
            accessible_name=string_of(props.get("accessibleName")),
            buddy_name=string_of(props.get("buddy")),
        )
        controls.append(control)
        read_controls(child, len(controls) - 1, controls)


def resolve_buddies(controls):
    index = {c.name: i for i, c in enumerate(controls)}
    if len(index) != len(controls):
        raise FormError("two controls share a name")
    for control in controls:
        if control.buddy_name:
            if control.buddy_name not in index:
                raise FormError(f"{control.name}: buddy {control.buddy_name} does not exist")
            control.buddy = index[control.buddy_name]


def assign_tab_orders(controls, tab_stops):
    index = {c.name: i for i, c in enumerate(controls)}
    for name in tab_stops:
        if name not in index or controls[index[name]].kind not in FOCUSABLE_KINDS:
            raise FormError(f"tab stop {name} is not a focusable control")
    if len(set(tab_stops)) != len(tab_stops):
        raise FormError("a control is listed twice among the tab stops")
    for control in controls:
        if control.kind in FOCUSABLE_KINDS and control.name not in tab_stops:
            raise FormError(f"{control.name} is missing from the tab stops")

    # Each control's place in the flat list; a group box's is that of its
    # first tab stop, found by climbing from every tab stop to the window.
    place = [None] * len(controls)
    for position, name in enumerate(tab_stops):
        i = index[name]
        while i >= 0:
            if place[i] is None or position < place[i]:
                place[i] = position
            i = controls[i].parent
    for parent in {-1, *range(len(controls))}:
        siblings = [i for i, c in enumerate(controls) if c.parent == parent and place[i] is not None]
        for order, i in enumerate(sorted(siblings, key=lambda i: place[i])):
            controls[i].tab_order = order

    walked = [controls[i].name for i in tab_walk(controls, -1)]
    if walked != list(tab_stops):
        raise FormError("the tab stops of a group box do not stand together: "
                        f"the walk gives {walked}")


def tab_walk(controls, parent):
    siblings = [i for i, c in enumerate(controls) if c.parent == parent and c.tab_order >= 0]
    for i in sorted(siblings, key=lambda i: controls[i].tab_order):
        if controls[i].kind == "GroupBox":
            yield from tab_walk(controls, i)
        else:
            yield i


def read_window(variable, path):
    root = ElementTree.parse(path).getroot()
    top = root.find("widget")
    class_element = root.find("class")
    if top is None or class_element is None:
        raise FormError("no window widget or class")
    props = properties(top)
    window = Window(
        variable=variable,
        name=top.get("name"),
        class_name=class_element.text,
        caption=string_of(props.get("windowTitle")),
        geometry=geometry_of(props.get("geometry"), top.get("name")),
    )
    read_controls(top, -1, window.controls)
    resolve_buddies(window.controls)
    tab_stops = [t.text for t in root.findall("tabstops/tabstop")]
    assign_tab_orders(window.controls, tab_stops)
    return window


def c_string(text):
    """A C string literal of the UTF-8 bytes; octal escapes end after three digits."""
    out = []
    for byte in text.encode("utf-8"):
        if byte in (0x22, 0x5C):
            out.append("\\" + chr(byte))
        elif 0x20 <= byte < 0x7F:
            out.append(chr(byte))
        else:
            out.append(f"\\{byte:03o}")
    return '"' + "".join(out) + '"'


def c_bool(value):
    return "true" if value else "false"


def control_row(c):
    left, top, width, height = c.geometry
    return (
        f"    {{{c_string(c.name)}, ControlKind::{c.kind}, {c.parent}, "
        f"{left}, {top}, {width}, {height}, {c_string(c.text)}, {c.tab_order}, "
        f"{c_bool(c.visible)}, {c_bool(c.is_default)}, {c_bool(c.checked)}, "
        f"{c_bool(c.greek_letter)}, {c_string(c.accessible_name)}, {c.buddy}}},"
    )


def render(windows, sources):
    lines = [
        "// Generated by tools/window_tables/generate_window_tables.py from",
        *(f"// {source}" for source in sources),
        "// Edit the window definitions, not this file.",
        "",
        '#include "common/window_definition.h"',
        "",
        "namespace tarsilo::forms {",
        "",
        "namespace {",
        "",
    ]
    for w in windows:
        lines.append("// {name, kind, parent, left, top, width, height, text, tabOrder, visible,")
        lines.append("//  isDefault, checked, greekLetter, accessibleName, buddy}")
        lines.append(f"constexpr ControlDefinition {w.variable}Controls[] = {{")
        lines.extend(control_row(c) for c in w.controls)
        lines.append("};")
        lines.append("")
    lines.append("} // namespace")
    lines.append("")
    for w in windows:
        left, top, width, height = w.geometry
        lines.append(
            f"const WindowDefinition {w.variable}{{{c_string(w.name)}, {c_string(w.class_name)}, "
            f"{c_string(w.caption)}, {left}, {top}, {width}, {height}, {w.variable}Controls}};"
        )
    lines.append("")
    lines.append("} // namespace tarsilo::forms")
    return "\n".join(lines) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", required=True)
    parser.add_argument("windows", nargs="+", metavar="Variable=window.ui")
    args = parser.parse_args(argv)
    windows = []
    sources = []
    for argument in args.windows:
        variable, separator, path = argument.partition("=")
        if not separator or not variable.isidentifier():
            parser.error(f"expected Variable=window.ui, got {argument}")
        try:
            windows.append(read_window(variable, path))
        except (FormError, ElementTree.ParseError, ValueError) as error:
            print(f"{path}: {error}", file=sys.stderr)
            return 1
        # The folder and the file name: no build path in the output.
        sources.append("/".join(path.replace("\\", "/").split("/")[-2:]))
    with open(args.output, "w", encoding="utf-8") as output:
        output.write(render(windows, sources))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
