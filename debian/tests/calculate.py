#!/usr/bin/python3
"""Starts the installed Tarsilo10 on an X server of its own to its main window,
presses "Расчет" on the starting texts and reads back what the fields show."""

import os
import subprocess
import sys
import time

import pyatspi

DEADLINE_SECONDS = 30

# The ball on the starting texts, in the C locale.
EXPECTED = {
    "Объем тела, куб. м": "0.5236",
    "Масса тела, кг": "523.6",
    "Скорость в расчетной точке V, м/с": "193.83",
    "Скор. своб. падения в расч. точке Vc, м/с": "147.65",
    "Энергия в расчетной точке, т": "0.0023518",
    "Строка состояния": "Готов ...",
}


def poll(what, probe):
    deadline = time.monotonic() + DEADLINE_SECONDS
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"calculate: no {what} within {DEADLINE_SECONDS} s")


def main_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or app.name != "Tarsilo10":
            continue
        for j in range(app.childCount):
            window = app.getChildAtIndex(j)
            if window is not None and (window.name or "").startswith("Tarsilo V1.0"):
                return window
    return None


def texts(window):
    """Every text field's name and text."""
    found = pyatspi.utils.findAllDescendants(window, lambda a: a.getRole() == pyatspi.ROLE_TEXT)
    result = {}
    for field in found:
        text = field.queryText()
        result[field.name] = text.getText(0, text.characterCount)
    return result


def start_x_server():
    """Xvfb on the first free display, once it accepts clients."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        sys.exit("calculate: Xvfb did not start")
    return server, f":{number}"


def main():
    server, display = start_x_server()
    env = dict(os.environ, DISPLAY=display, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen(["Tarsilo10"], env=env)
    try:
        window = poll("main window on the accessibility bus", main_window)
        print(f"calculate: main window \"{window.name}\"")
        before = texts(window)
        if before.get("Масса тела, кг") != "":
            sys.exit(f"calculate: the mass shows {before.get('Масса тела, кг')!r} before any calculation")
        button = pyatspi.utils.findDescendant(
            window, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "Расчет")
        if button is None:
            sys.exit("calculate: no button Расчет")
        button.queryAction().doAction(0)
        after = poll("result in the mass field",
                     lambda: (lambda t: t if t.get("Масса тела, кг") else None)(texts(window)))
        wrong = {name: (after.get(name), value) for name, value in EXPECTED.items()
                 if after.get(name) != value}
        for name, (shown, value) in wrong.items():
            print(f"calculate: {name}: shows {shown!r}, expected {value!r}", file=sys.stderr)
        if wrong:
            sys.exit(1)
        print(f"calculate: Расчет gave the expected {len(EXPECTED)} texts")
    finally:
        program.terminate()
        program.wait(timeout=DEADLINE_SECONDS)
        server.terminate()
        server.wait(timeout=DEADLINE_SECONDS)


if __name__ == "__main__":
    main()
