"""A real desktop for one scenario: an X server with a window manager, or a
Wayland compositor, the program running on it, and what the X server and the
accessibility bus say about its windows.

Every wait polls for the expected state until a deadline; nothing waits a
fixed time.
"""

import os
import re
import shutil
import subprocess
import tempfile
import time

import pyatspi

# Generous: the tier must pass on a busy two-core machine.
DEADLINE_SECONDS = 30
POLL_SECONDS = 0.02
SCREEN = (1600, 1000)
APP_NAME = "Tarsilo10"
MAIN_TITLE = re.compile(r"^Tarsilo V1\.0 ")
INFO_TITLE = "Справочная информация"


class ScenarioFailure(AssertionError):
    pass


def poll(what, probe, deadline=DEADLINE_SECONDS):
    """Calls probe until it returns something true and returns that; fails
    with `what` and the last value once the deadline has passed."""
    end = time.monotonic() + deadline
    last = None
    while True:
        try:
            last = probe()
        except (subprocess.CalledProcessError, RuntimeError) as error:
            last = error
        else:
            if last:
                return last
        if time.monotonic() > end:
            raise ScenarioFailure(f"timed out waiting for {what} (last seen: {last!r})")
        time.sleep(POLL_SECONDS)


def check(condition, message):
    if not condition:
        raise ScenarioFailure(message)


def log(message):
    print(f"  measured: {message}", flush=True)


class Process:
    """A child process that is ended, by its own id, when the scenario ends."""

    def __init__(self, args, env, **kwargs):
        self.args = args
        # Its output goes to the log; its input is nobody's.
        self.popen = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, **kwargs)

    def running(self):
        return self.popen.poll() is None

    def wait_exit(self, what):
        poll(what, lambda: not self.running())
        return self.popen.returncode

    def stop(self):
        if self.running():
            self.popen.terminate()
            try:
                self.popen.wait(10)
            except subprocess.TimeoutExpired:
                self.popen.kill()
                self.popen.wait()


class Desktop:
    """Base: starts processes in a shared environment and ends them all."""

    def __init__(self):
        self.env = dict(os.environ)
        # The program's windows and controls appear on the accessibility bus.
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.env["LC_ALL"] = "C.UTF-8"
        self.env.pop("QT_SCALE_FACTOR", None)
        self.processes = []

    def start(self, args, **kwargs):
        process = Process(args, self.env, **kwargs)
        self.processes.append(process)
        return process

    def start_program(self, executable):
        return self.start([executable])

    def __enter__(self):
        try:
            self.set_up()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def set_up(self):
        pass

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            process.stop()
        return False


class XDesktop(Desktop):
    """Xvfb with openbox."""

    def set_up(self):
        read_end, write_end = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                    f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"],
                   pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        check(number, "Xvfb did not start")
        self.env["DISPLAY"] = f":{number}"
        self.env["QT_QPA_PLATFORM"] = "xcb"
        os.environ["DISPLAY"] = self.env["DISPLAY"]
        poll("the X server", lambda: subprocess.run(
            ["xdpyinfo"], env=self.env, capture_output=True).returncode == 0)
        self.window_manager = None
        poll("the window manager", self.window_manager_running)

    def window_manager_running(self):
        # A window manager that lost a race with the new server ends at once:
        # it starts again.
        if self.window_manager is None or not self.window_manager.running():
            self.window_manager = self.start(["openbox"], stdout=subprocess.DEVNULL,
                                             stderr=subprocess.DEVNULL)
            return False
        return self.root_property("_NET_SUPPORTING_WM_CHECK")

    def x(self, *args):
        return subprocess.run(args, env=self.env, check=True, capture_output=True,
                              text=True).stdout

    def root_property(self, name):
        return self.property("-root", name)

    def property(self, window, name):
        """The values of a property as a list of strings; [] when it is not set."""
        target = ["-root"] if window == "-root" else ["-id", str(window)]
        out = self.x("xprop", *target, name)
        if "=" not in out and "#" not in out:
            return []
        values = re.split(r"[=#]", out, maxsplit=1)[1].strip()
        return [v.strip().strip('"') for v in values.split(",") if v.strip()]

    def stacking(self):
        """Client windows from bottom to top."""
        return [int(w, 16) for w in self.root_property("_NET_CLIENT_LIST_STACKING")]

    def title(self, window):
        names = self.property(window, "_NET_WM_NAME")
        return ", ".join(names)

    def windows_titled(self, pattern):
        return [w for w in self.stacking() if re.search(pattern, self.title(w))]

    def window_titled(self, pattern):
        found = self.windows_titled(pattern)
        return found[0] if len(found) == 1 else None

    def active(self):
        value = self.root_property("_NET_ACTIVE_WINDOW")
        return int(value[0], 16) if value else None

    def frame_extents(self, window):
        """Left, right, top, bottom, or None before the window manager framed it."""
        values = self.property(window, "_NET_FRAME_EXTENTS")
        return tuple(int(v) for v in values) if len(values) == 4 else None

    def client_geometry(self, window):
        out = self.x("xwininfo", "-id", str(window))
        number = lambda label: int(re.search(label + r":\s+(-?\d+)", out).group(1))
        return (number("Absolute upper-left X"), number("Absolute upper-left Y"),
                number("Width"), number("Height"))

    def outer_geometry(self, window):
        """The frame's outer rectangle, title bar included: x, y, width, height."""
        extents = self.frame_extents(window)
        if extents is None:
            return None
        left, right, top, bottom = extents
        x, y, width, height = self.client_geometry(window)
        return (x - left, y - top, width + left + right, height + top + bottom)

    def key(self, *keys):
        self.x("xdotool", "key", "--clearmodifiers", *keys)

    def type_text(self, text):
        self.x("xdotool", "type", "--delay", "20", text)

    def click(self, x, y):
        self.x("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")

    def describe(self, window):
        return (f"{self.title(window)!r} outer {self.outer_geometry(window)} "
                f"extents {self.frame_extents(window)}")


class WaylandDesktop(Desktop):
    """weston with its headless backend."""

    def set_up(self):
        self.runtime = tempfile.mkdtemp(prefix="tarsilo-wayland-")
        os.chmod(self.runtime, 0o700)
        self.env["XDG_RUNTIME_DIR"] = self.runtime
        self.env["QT_QPA_PLATFORM"] = "wayland"
        self.env["WAYLAND_DISPLAY"] = "wayland-tarsilo"
        self.env.pop("DISPLAY", None)
        self.start(["weston", "--backend=headless-backend.so", "--socket=wayland-tarsilo",
                    "--idle-time=0", "--no-config"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        socket = os.path.join(self.runtime, "wayland-tarsilo")
        poll("the compositor's socket", lambda: os.path.exists(socket))

    def __exit__(self, *exc):
        super().__exit__(*exc)
        shutil.rmtree(self.runtime, ignore_errors=True)
        return False


# --- the accessibility bus ---

def program_on_bus():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APP_NAME:
            return app
    return None


def top_level(title_pattern):
    """The program's top-level accessible whose name matches, once it is there."""
    def probe():
        app = program_on_bus()
        if app is None:
            return None
        for i in range(app.childCount):
            child = app.getChildAtIndex(i)
            if child is not None and re.search(title_pattern, child.name or ""):
                return child
        return None
    return poll(f"a window titled {title_pattern!r} on the accessibility bus", probe)


def find(root, predicate):
    return pyatspi.utils.findDescendant(root, predicate, breadth_first=True)


def press(root, name):
    button = find(root, lambda a: a.getRoleName() == "push button" and a.name == name)
    check(button is not None, f"no button {name!r}")
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click"):
            action.doAction(i)
            return
    raise ScenarioFailure(f"the button {name!r} has no press action")


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def texts(root, role):
    return [text_of(a) for a in
            pyatspi.utils.findAllDescendants(root, lambda a: a.getRoleName() == role)]
