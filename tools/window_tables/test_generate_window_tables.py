#!/usr/bin/env python3
"""The generator's reading of a form: tab orders, the forms it rejects and
the C strings it writes."""

import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import generate_window_tables as generator  # noqa: E402


def form(widgets, tab_stops):
    stops = "".join(f"<tabstop>{name}</tabstop>" for name in tab_stops)
    return (
        '<?xml version="1.0" encoding="UTF-8"?><ui version="4.0"><class>TfTest</class>'
        '<widget class="QWidget" name="fTest">'
        '<property name="geometry"><rect><x>1</x><y>2</y><width>300</width>'
        "<height>200</height></rect></property>"
        f"{widgets}</widget><tabstops>{stops}</tabstops></ui>"
    )


def widget(kind, name, inner="", extra=""):
    return (
        f'<widget class="{kind}" name="{name}"><property name="geometry"><rect><x>0</x>'
        f"<y>0</y><width>10</width><height>10</height></rect></property>{extra}{inner}</widget>"
    )


def group(name, *children):
    return widget("QGroupBox", name, "".join(children))


def edit(name, extra=""):
    return widget("QLineEdit", name, extra=extra)


class ReadsForms(unittest.TestCase):
    def read(self, text):
        with tempfile.NamedTemporaryFile("w", suffix=".ui", delete=False, encoding="utf-8") as f:
            f.write(text)
        try:
            return generator.read_window("TestWindow", f.name)
        finally:
            os.unlink(f.name)

    def orders(self, window):
        return {c.name: c.tab_order for c in window.controls}

    def test_group_boxes_take_the_place_of_their_first_tab_stop(self):
        window = self.read(form(
            edit("eFirst") + group("gbLate", edit("eB"), edit("eA")) +
            group("gbEarly", edit("eC")) + group("gbEmpty", widget("QLabel", "lOnly")),
            ["eFirst", "eC", "eA", "eB"]))
        self.assertEqual(self.orders(window), {
            "eFirst": 0, "gbLate": 2, "eB": 1, "eA": 0, "gbEarly": 1, "eC": 0,
            "gbEmpty": -1, "lOnly": -1})
        self.assertEqual([c.name for c in window.controls],
                         ["eFirst", "gbLate", "eB", "eA", "gbEarly", "eC", "gbEmpty", "lOnly"])
        self.assertEqual([c.parent for c in window.controls], [-1, -1, 1, 1, -1, 4, -1, 6])

    def test_rejected_forms(self):
        rows = {
            "a group box's tab stops apart":
                (edit("e1") + group("gb", edit("e2"), edit("e3")), ["e2", "e1", "e3"]),
            "a focusable control missing": (edit("e1") + edit("e2"), ["e1"]),
            "a label as tab stop": (edit("e1") + widget("QLabel", "l1"), ["e1", "l1"]),
            "a tab stop twice": (edit("e1"), ["e1", "e1"]),
            "an unknown class": (widget("QComboBox", "c1"), []),
            "a buddy that does not exist":
                (widget("QLabel", "l1", extra='<property name="buddy"><cstring>eX</cstring>'
                        "</property>"), []),
            "a name given twice": (edit("e1") + edit("e1"), ["e1"]),
            "a flag that is not a boolean":
                (edit("e1", '<property name="visible"><string>no</string></property>'),
                 ["e1"]),
        }
        for description, (widgets, stops) in rows.items():
            with self.subTest(description):
                with self.assertRaises(generator.FormError):
                    self.read(form(widgets, stops))

    def test_properties(self):
        window = self.read(form(
            widget("QLabel", "l1", extra=(
                '<property name="text"><string>ρ </string></property>'
                '<property name="greekLetter" stdset="0"><bool>true</bool></property>'
                '<property name="buddy"><cstring>e1</cstring></property>')) +
            edit("e1", '<property name="visible"><bool>false</bool></property>'
                 '<property name="accessibleName"><string>Поле</string></property>'),
            ["e1"]))
        label, field = window.controls
        self.assertEqual((label.text, label.greek_letter, label.buddy), ("ρ ", True, 1))
        self.assertEqual((field.visible, field.accessible_name), (False, "Поле"))
        self.assertEqual((window.name, window.class_name, window.geometry),
                         ("fTest", "TfTest", (1, 2, 300, 200)))


class WritesCStrings(unittest.TestCase):
    def test_escapes(self):
        rows = [
            ("plain", "Tab 1", '"Tab 1"'),
            ("quote and backslash", 'a"b\\c', '"a\\"b\\\\c"'),
            # An octal escape stops after three digits, so a digit after it stays a digit.
            ("digit after a letter outside ASCII", "ρ1", '"\\317\\2011"'),
            ("empty", "", '""'),
        ]
        for description, text, literal in rows:
            with self.subTest(description):
                self.assertEqual(generator.c_string(text), literal)

    def test_literals_compile_to_the_same_bytes(self):
        text = 'Плотность "ρ"\\ 0.5 μ'
        with tempfile.TemporaryDirectory() as directory:
            source = os.path.join(directory, "probe.c")
            program = os.path.join(directory, "probe")
            with open(source, "w", encoding="ascii") as f:
                f.write('#include <stdio.h>\nint main(void) { fputs('
                        f"{generator.c_string(text)}, stdout); return 0; }}\n")
            compiler = os.environ.get("CC", "cc")
            subprocess.run([compiler, source, "-o", program], check=True)
            output = subprocess.run([program], check=True, capture_output=True).stdout
        self.assertEqual(output, text.encode("utf-8"))


if __name__ == "__main__":
    unittest.main()
