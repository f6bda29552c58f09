"""The program on a real desktop, one scenario per function. Each is given a
desktop that is up, runs the program on it and leaves no window behind; the
desktop outlives it."""

import os
import shutil
import signal
import subprocess
import tempfile
import threading

import pyatspi

from screen_reader import screen_reader
from desktop import (INFO_TITLE, MAIN_TITLE, SCREEN, Desktop, ScenarioFailure, check, find, log,
                     poll, press, texts, top_level)

ERROR_TITLE = "^Tarsilo10$"


def centred(outer):
    """The outer frame stands in the middle of the screen, to a pixel."""
    x, y, width, height = outer
    return abs(x - (SCREEN[0] - width) // 2) <= 1 and abs(y - (SCREEN[1] - height) // 2) <= 1


def start_main_window(desk, executable, program=None):
    program = program or desk.start_program(executable)

    def framed_and_active():
        window = desk.window_titled(MAIN_TITLE.pattern)
        return window if window and desk.frame_extents(window) and desk.active() == window \
            else None
    main = poll("the main window, framed and active", framed_and_active)
    log(f"main window {desk.describe(main)}")
    return program, main


def open_reference_window(desk):
    """Инфо by the keyboard: the focus starts on "Расчет", two Tabs reach "Инфо"."""
    desk.key("Tab", "Tab", "Return")

    def on_top_and_active():
        window = desk.window_titled(INFO_TITLE)
        return window if window and desk.frame_extents(window) and desk.active() == window \
            and desk.stacking()[-1] == window else None
    return poll("the reference window on top and active", on_top_and_active)


def end_program(desk, program):
    program.popen.terminate()
    status = program.wait_exit("the program's end")
    poll("no window left", lambda: desk.stacking() == [])
    return status


def click_until(desk, x, y, what, probe):
    """Clicks until the probe holds: mutter may miss a click that comes within
    moments of a window's activation, before its own button grabs are set."""
    for attempt in range(3):
        desk.click(x, y)
        try:
            return poll(what, probe, deadline=2)
        except ScenarioFailure:
            log(f"the click {attempt + 1} left no trace; again")
    return poll(what, probe)


def stacking_titles(desk):
    return [desk.title(w)[:21] for w in desk.stacking()]


class BusyWindowManager:
    """Lets the window manager run a quarter of the time, stopped 150 ms and
    running 50 ms in turn, as on a machine busy with other work, until the
    block ends."""

    def __init__(self, desk):
        self.pid = desk.window_manager.popen.pid
        self.done = threading.Event()
        self.thread = threading.Thread(target=self.starve)

    def starve(self):
        while not self.done.is_set():
            os.kill(self.pid, signal.SIGSTOP)
            self.done.wait(0.15)
            os.kill(self.pid, signal.SIGCONT)
            self.done.wait(0.05)

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.done.set()
        self.thread.join()
        os.kill(self.pid, signal.SIGCONT)
        return False


def main_window_centred_and_fixed(desk, executable):
    program = desk.start_program(executable)
    outer, seen = main_window_seen_until_centred(desk)
    main_window_stands_fixed(desk, executable, program, outer, seen)


def main_window_centred_with_a_busy_window_manager(desk, executable):
    with BusyWindowManager(desk):
        program = desk.start_program(executable)
        outer, seen = main_window_seen_until_centred(desk)
    main_window_stands_fixed(desk, executable, program, outer, seen)


def main_window_seen_until_centred(desk):
    # Every place the main window is seen at: a window manager that tells the
    # frame only once it manages the window has it placed again, which must
    # happen before anyone can see it (the window is transparent till then).
    seen = []

    def centred_by_frame():
        window = desk.window_titled(MAIN_TITLE.pattern)
        # Whether it can be seen is read before where it stands: the program
        # only ever makes it visible, so a visible window stood there visible.
        # Read the other way round, a window moved and made visible between
        # the two reads was counted as seen at its old place.
        visible = window and desk.property(window, "_NET_WM_WINDOW_OPACITY") != ["0"]
        outer = window and desk.mapped(window) and desk.outer_geometry(window)
        if outer and visible and outer[:2] not in seen:
            seen.append(outer[:2])
        return outer if outer and visible and centred(outer) else None
    outer = poll("the main window's outer frame centred on the screen and visible",
                 centred_by_frame)
    return outer, seen


def main_window_stands_fixed(desk, executable, program, outer, seen):
    _, main = start_main_window(desk, executable, program)
    log(f"outer frame {outer} on a {SCREEN[0]}x{SCREEN[1]} screen, frame extents (left, right, "
        f"top, bottom) {desk.frame_extents(main)}; places seen while mapped {seen}")
    check(desk.client_geometry(main)[2:] == (742, 363), "the client area is not 742x363")
    check(seen == [outer[:2]], f"the main window was seen at {seen} before it stood centred")
    allowed = desk.property(main, "_NET_WM_ALLOWED_ACTIONS")
    log(f"allowed actions {allowed}")
    for action in ("_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT",
                   "_NET_WM_ACTION_RESIZE"):
        check(action not in allowed, f"the window manager allows {action}")
    check(end_program(desk, program) == 0, "the program did not end with status 0")


def reference_window_stacks_on_its_own(desk, executable):
    program, main = start_main_window(desk, executable)
    log(f"stacking at start {stacking_titles(desk)}")
    info = open_reference_window(desk)
    outer = desk.outer_geometry(info)
    log(f"reference window {desk.describe(info)}")
    log(f"stacking after Инфо {stacking_titles(desk)}")
    check(outer[:2] == (30, 51), f"the reference window's outer frame is at {outer[:2]}")
    check(desk.property(info, "WM_TRANSIENT_FOR") == [],
          "the reference window is transient for another window")
    check(desk.property(info, "WM_CLASS") == desk.property(main, "WM_CLASS"),
          "the two windows have different WM_CLASS")

    # An empty part of the results group, clear of the reference window.
    x, y, _, _ = desk.client_geometry(main)
    click_until(desk, x + 712, y + 68, "the main window on top and active after a click on it",
                lambda: desk.stacking()[-1] == main and desk.active() == main)
    check(info in desk.stacking(), "the reference window went away")
    log(f"stacking after a click on the main window {stacking_titles(desk)}")

    # The focus is still on "Инфо".
    desk.key("Return")
    poll("the reference window on top again after a second Инфо",
         lambda: desk.stacking()[-1] == info and desk.active() == info)
    log(f"stacking after the second Инфо {stacking_titles(desk)}")
    check(desk.outer_geometry(info) == outer, "the second Инфо moved the reference window")
    end_program(desk, program)


def one_task_entry_and_minimising_together(desk, executable):
    """One task entry for the program; minimising the main window takes the
    reference window along, restoring brings both back where they were."""
    program, main = start_main_window(desk, executable)
    info = open_reference_window(desk)
    outer = desk.outer_geometry(info)
    entries = desk.task_entries()
    log(f"task entries with the reference window open: {len(entries)} "
        f"{[desk.title(w)[:21] for w in entries]}")
    check(entries == [main], "the program has more than the main window's task entry")

    # The task bar's minimise, as the window manager is asked for it.
    desk.x("xdotool", "windowminimize", str(main))
    poll("both windows off the screen",
         lambda: not desk.on_screen(main) and not desk.on_screen(info))
    poll("the minimised program's one task entry", lambda: desk.task_entries() == [main])
    log("minimising the main window took the reference window along")

    # The task bar's restore: activating the main window.
    desk.x("xdotool", "windowactivate", str(main))
    poll("both windows back, one of them active",
         lambda: desk.on_screen(main) and (w := desk.window_titled(INFO_TITLE))
         and desk.on_screen(w) and desk.active() in (main, w))
    info = desk.window_titled(INFO_TITLE)
    back = poll("the reference window framed again", lambda: desk.outer_geometry(info))
    log(f"restored: reference window at {back[:2]}, before {outer[:2]}; "
        f"stacking {stacking_titles(desk)}")
    check(back == outer, "the reference window came back elsewhere")
    poll("the restored program's one task entry", lambda: desk.task_entries() == [main])
    end_program(desk, program)


def reference_window_follows_to_a_smaller_monitor(desk, executable):
    """Shown first while the main window stands on a smaller monitor than its
    designed place, the reference window moves there with its whole frame on
    that monitor: the frame is known before the window is."""
    monitors = desk.x("xrandr", "--listmonitors")
    log(f"monitors {[line.split()[2] for line in monitors.splitlines()[1:]]}")
    program, main = start_main_window(desk, executable)
    # The small monitor is 800x600 at 800, 0.
    desk.x("xdotool", "windowmove", "--sync", str(main), "850", "100")
    poll("the main window on the small monitor, active",
         lambda: desk.client_geometry(main)[0] >= 800 and desk.active() == main)
    info = open_reference_window(desk)
    x, y, width, height = desk.outer_geometry(info)
    log(f"reference window on the small monitor: outer {(x, y, width, height)}, "
        f"bottom edge at {y + height} of 600")
    check((x, y) == (830, 600 - height), f"the reference window's outer frame is at {(x, y)}")
    end_program(desk, program)


def conversion_error_dialog(desk, executable):
    program, main = start_main_window(desk, executable)
    # Five Tabs from "Расчет" reach the initial speed, its text selected.
    desk.key(*["Tab"] * 5)
    desk.type_text("abc")
    desk.key("Return")

    def dialog_active():
        window = desk.window_titled(ERROR_TITLE)
        return window if window and desk.frame_extents(window) and desk.active() == window \
            else None
    dialog = poll("the error dialog, active", dialog_active)
    outer = poll("the error dialog centred on the monitor",
                 lambda: (o := desk.outer_geometry(dialog)) and centred(o) and o)
    stack = desk.stacking()
    log(f"error dialog {desk.describe(dialog)}; stacking {stacking_titles(desk)}; "
        f"type {desk.property(dialog, '_NET_WM_WINDOW_TYPE')}, transient for "
        f"{desk.property(dialog, 'WM_TRANSIENT_FOR')}, state {desk.property(dialog, '_NET_WM_STATE')}")
    check(desk.task_entries() == [main], "the error dialog has a task entry of its own")
    check(stack.index(dialog) > stack.index(main), "the error dialog is below the main window")

    alert = top_level(ERROR_TITLE)
    check(alert.getRole() == pyatspi.ROLE_ALERT, f"the dialog's role is {alert.getRoleName()}")
    message = "'abc' is not a valid floating point value."
    shown = find(alert, lambda a: a.getRoleName() == "label" and a.name == message)
    check(shown is not None, f"no label {message!r} in the dialog")

    desk.key("Return")
    poll("the dialog closed and the main window active again",
         lambda: desk.window_titled(ERROR_TITLE) is None and desk.active() == main)
    log(f"outer frame of the dialog {outer}; after Enter active is the main window")
    end_program(desk, program)


def empty_title_for_a_dotted_name(desk, executable):
    """An executable named .tarsilo makes an empty application title: the
    error dialog's caption is empty, not the file name."""
    folder = tempfile.mkdtemp(prefix="tarsilo-title-")
    try:
        renamed = os.path.join(folder, ".tarsilo")
        shutil.copy(executable, renamed)
        program, main = start_main_window(desk, renamed)
        desk.key(*["Tab"] * 5)
        desk.type_text("abc")
        desk.key("Return")

        def dialog():
            for window in desk.stacking():
                kinds = desk.property(window, "_NET_WM_WINDOW_TYPE")
                if kinds and kinds[0] == "_NET_WM_WINDOW_TYPE_DIALOG" and \
                        desk.active() == window:
                    return window
            return None
        shown = poll("the error dialog, active", dialog)
        titles = (desk.title(shown), desk.property(shown, "WM_NAME"))
        log(f"error dialog of .tarsilo: _NET_WM_NAME {titles[0]!r}, WM_NAME {titles[1]!r}")
        check(titles == ("", []), f"the dialog is titled {titles}")
        desk.key("Return")
        poll("the dialog closed", lambda: desk.active() == main)
        end_program(desk, program)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def closing_by_window_manager_ends_program(desk, executable):
    program, main = start_main_window(desk, executable)
    open_reference_window(desk)
    desk.x("xdotool", "windowactivate", "--sync", str(main))
    poll("the main window active", lambda: desk.active() == main)
    # The window manager's close, as its title-bar button, Alt+F4 and the task
    # bar ask it (_NET_CLOSE_WINDOW).
    desk.x("wmctrl", "-i", "-c", hex(main))
    status = program.wait_exit("the program's end")
    check(status == 0, f"exit status {status}")
    poll("no window left", lambda: desk.stacking() == [])
    log("closed by the window manager with both windows open: exit status 0, no window left")


def wayland_session(desk, executable):
    program = desk.start_program(executable)
    main = top_level(MAIN_TITLE.pattern)
    log(f"main window on the bus as {main.getRoleName()!r} on {desk.name}")
    check("" in texts(main, "text"), "the result fields are not empty at start")
    press(main, "Расчет")
    poll("the results of Calculate", lambda: "" not in texts(main, "text"))

    press(main, "Инфо")
    info = top_level(INFO_TITLE)
    poll("the reference window shown", lambda: info.getState().contains(pyatspi.STATE_SHOWING))
    press(info, "Выход")
    poll("the reference window hidden",
         lambda: not info.getState().contains(pyatspi.STATE_SHOWING))

    press(main, "Выход")
    status = program.wait_exit("the program's end")
    check(status == 0, f"exit status {status}")
    log(f"{desk.name} on Wayland: started, calculated, reference window shown and hidden, exit 0")


def session_end_signals_close_the_program(desk, executable):
    """Log-off and a lost terminal end the program like a close: status 0."""
    for number in (signal.SIGTERM, signal.SIGHUP):
        program, _ = start_main_window(desk, executable)
        open_reference_window(desk)
        program.popen.send_signal(number)
        status = program.wait_exit(f"the program's end after {number.name}")
        check(status == 0, f"exit status {status} after {number.name}")
        poll("no window left", lambda: desk.stacking() == [])
        log(f"{number.name} with both windows open: exit status 0, no window left")


def no_display_says_so(desk, executable):
    """Without any display the program says what it needs and exits with 1."""
    env = {k: v for k, v in Desktop().env.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    run = subprocess.run([executable], env=env, capture_output=True, text=True, timeout=60,
                         stdin=subprocess.DEVNULL)
    check(run.returncode == 1, f"exit status {run.returncode}, stderr {run.stderr!r}")
    check(run.stderr == "Tarsilo10 needs a graphical desktop: no X11 or Wayland display "
          "could be opened.\n", f"stderr {run.stderr!r}")
    log(f"no display: exit status 1, stderr {run.stderr.strip()!r}")


def toolkit_options_ignored(desk, executable):
    """The program takes no command line, the toolkit's own options included."""
    program = desk.start([executable, "-reverse", "-qwindowtitle", "Renamed", "-style", "fusion"])
    main = poll("the main window under its own title",
                lambda: desk.window_titled(MAIN_TITLE.pattern))
    check(not desk.windows_titled("Renamed"), "-qwindowtitle renamed a window")
    x, _, width, _ = desk.client_geometry(main)
    calculate = find(top_level(MAIN_TITLE.pattern),
                     lambda a: a.getRoleName() == "push button" and a.name == "Расчет")
    left = calculate.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x - x
    # Designed at 400 of 742; mirrored it would stand at 267.
    check(abs(left - 400) <= 1, f"-reverse mirrored the window: Расчет at {left} of {width}")
    log(f"with -reverse -qwindowtitle -style: title unchanged, Расчет at x {left} "
        "in the client area as designed")
    end_program(desk, program)


SCENARIOS = {
    "centred": main_window_centred_and_fixed,
    "centred-busy-manager": main_window_centred_with_a_busy_window_manager,
    "stacking": reference_window_stacks_on_its_own,
    "task-entry": one_task_entry_and_minimising_together,
    "monitors": reference_window_follows_to_a_smaller_monitor,
    "error-dialog": conversion_error_dialog,
    "close": closing_by_window_manager_ends_program,
    "empty-title": empty_title_for_a_dotted_name,
    "wayland": wayland_session,
    "session-end": session_end_signals_close_the_program,
    "no-display": no_display_says_so,
    "no-options": toolkit_options_ignored,
    "screen-reader": screen_reader,
}
