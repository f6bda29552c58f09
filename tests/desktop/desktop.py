"""A real desktop for one scenario: an X server with a window manager, or a
Wayland compositor, the program running on it, and what the X server and the
accessibility bus say about its windows.

Every wait polls for the expected state until a deadline; nothing waits a
fixed time.
"""

import os
import re
import shlex
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


# The window managers of Debian's main desktops, and openbox. Each is started
# on an X server of its own, without a session manager or a compositor.
WINDOW_MANAGERS = {
    "openbox": ["openbox"],
    "mutter": ["mutter", "--x11", "--replace", "--sm-disable"],
    "kwin": ["kwin_x11", "--replace"],
    "xfwm4": ["xfwm4", "--replace", "--compositor=off", "--sm-client-disable"],
}


class XDesktop(Desktop):
    """Xvfb with a window manager."""

    def __init__(self, window_manager="openbox"):
        super().__init__()
        self.window_manager_name = window_manager
        self.window_manager = None
        # Each window manager writes its settings and caches afresh.
        self.home = tempfile.mkdtemp(prefix="tarsilo-desktop-")
        for variable, folder in (("XDG_CONFIG_HOME", "config"), ("XDG_CACHE_HOME", "cache"),
                                 ("XDG_DATA_HOME", "data")):
            self.env[variable] = os.path.join(self.home, folder)
            os.makedirs(self.env[variable])

    def set_up(self):
        read_end, write_end = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                    f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"],
                   pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        check(number, "Xvfb did not start")
        self.use_display(f":{number}")
        self.env["QT_QPA_PLATFORM"] = "xcb"
        # kwin's global shortcuts service, started by D-Bus, needs the display.
        subprocess.run(["dbus-update-activation-environment", "DISPLAY"], env=self.env,
                       check=True, capture_output=True)
        poll("the window manager", self.window_manager_running)

    def use_display(self, display):
        self.env["DISPLAY"] = display
        os.environ["DISPLAY"] = display
        poll("the X server", lambda: subprocess.run(
            ["xdpyinfo"], env=self.env, capture_output=True).returncode == 0)

    def window_manager_running(self):
        # A window manager that lost a race with the new server ends at once:
        # it starts again.
        if self.window_manager is None or not self.window_manager.running():
            self.window_manager = self.start(WINDOW_MANAGERS[self.window_manager_name],
                                             stdout=subprocess.DEVNULL,
                                             stderr=subprocess.DEVNULL)
            return False
        return self.root_property("_NET_SUPPORTING_WM_CHECK")

    def __exit__(self, *exc):
        super().__exit__(*exc)
        shutil.rmtree(self.home, ignore_errors=True)
        return False

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
        """Client windows from bottom to top, in the X server's own stacking
        order (xfwm4 leaves _NET_CLIENT_LIST_STACKING empty for a while)."""
        clients = [int(w, 16) for w in self.root_property("_NET_CLIENT_LIST")]
        order = []
        top_level = None
        for line in self.x("xwininfo", "-root", "-tree").splitlines():
            found = re.match(r"^( +)(0x[0-9a-f]+) ", line)
            if not found:
                continue
            depth, window = len(found.group(1)), int(found.group(2), 16)
            if top_level is None or depth <= top_level[0]:
                top_level = (depth, len(order))
                order.append([])
            order[top_level[1]].append(window)
        # xwininfo lists the top-level windows from the top down.
        stack = []
        for family in reversed(order):
            stack += [w for w in family if w in clients]
        return stack

    def task_entries(self):
        """The windows a task bar lists: managed, not kept off the task bar,
        ordinary windows or dialogs that belong to no other window."""
        entries = []
        for window in (int(w, 16) for w in self.root_property("_NET_CLIENT_LIST")):
            if "_NET_WM_STATE_SKIP_TASKBAR" in self.property(window, "_NET_WM_STATE"):
                continue
            # The first type listed is the one the window prefers.
            kind = (self.property(window, "_NET_WM_WINDOW_TYPE") or ["_NET_WM_WINDOW_TYPE_NORMAL"])[0]
            if kind not in ("_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_WINDOW_TYPE_DIALOG"):
                continue
            if kind == "_NET_WM_WINDOW_TYPE_DIALOG" and self.property(window, "WM_TRANSIENT_FOR"):
                continue
            entries.append(window)
        return entries

    def mapped(self, window):
        return "IsViewable" in self.x("xwininfo", "-id", str(window))

    def on_screen(self, window):
        """Managed, mapped and not minimised: a compositing window manager
        keeps a minimised window mapped."""
        return (hex(window) in self.root_property("_NET_CLIENT_LIST") and self.mapped(window)
                and "_NET_WM_STATE_HIDDEN" not in self.property(window, "_NET_WM_STATE"))

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
        # mousemove --sync waits for a motion, which never comes when the
        # pointer is there already (a scenario before clicked the same place):
        # it comes from the corner.
        self.x("xdotool", "mousemove", "0", "0")
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


# Wayland compositors of the main desktops, headless, with XWayland. The
# packaged kwin_wayland carries a file capability that a container without it
# cannot exec; a copy without it runs (its name must end in kwin_wayland).
COMPOSITORS = {
    "mutter-wayland": ["mutter", "--wayland", "--headless", "--virtual-monitor",
                       f"{SCREEN[0]}x{SCREEN[1]}", "--wayland-display", "wayland-tarsilo"],
    # A large monitor and, right of it, a small one.
    "two-monitors": ["mutter", "--wayland", "--headless", "--virtual-monitor", "800x1000",
                     "--virtual-monitor", "800x600", "--wayland-display", "wayland-tarsilo"],
    "kwin-wayland": ["{copy}/kwin_wayland", "--virtual", "--width", str(SCREEN[0]), "--height",
                     str(SCREEN[1]), "--socket", "wayland-tarsilo", "--xwayland",
                     "--no-lockscreen", "--no-global-shortcuts", "--no-kactivities"],
}


class XWaylandDesktop(XDesktop):
    """A Wayland session of a main desktop: the compositor with its X server
    for X11 clients. The program chooses its platform itself, as it does in
    such a session; the checks read the windows from the X server."""

    def __init__(self, compositor):
        super().__init__()
        self.compositor = compositor

    def set_up(self):
        self.runtime = os.path.join(self.home, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        self.env["XDG_RUNTIME_DIR"] = self.runtime
        self.env["XDG_SESSION_TYPE"] = "wayland"
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("DISPLAY", None)
        command = [part.format(copy=self.home) for part in COMPOSITORS[self.compositor]]
        if command[0].endswith("/kwin_wayland"):
            shutil.copy("/usr/bin/kwin_wayland", command[0])
        # The compositor starts this helper with the environment of its
        # session, which names its X server; the helper ends with it.
        session = os.path.join(self.home, "session-environment")
        helper = ["sh", "-c", 'env > "$0.part" && mv "$0.part" "$0"; '
                  'while kill -0 $PPID 2>/dev/null; do sleep 1; done', session]
        # mutter takes the command after "--", kwin as one command line.
        if command[0] == "mutter":
            command += ["--"] + helper
        else:
            command.append(shlex.join(helper))
        # The compositor is the X server's window manager too.
        self.window_manager = self.start(command, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
        poll("the compositor's session", lambda: os.path.exists(session))
        with open(session) as variables:
            found = dict(line.rstrip("\n").split("=", 1) for line in variables if "=" in line)
        self.env["WAYLAND_DISPLAY"] = found.get("WAYLAND_DISPLAY", "wayland-tarsilo")
        if "XAUTHORITY" in found:
            self.env["XAUTHORITY"] = found["XAUTHORITY"]
            os.environ["XAUTHORITY"] = found["XAUTHORITY"]
        check("DISPLAY" in found, "the compositor started no X server")
        self.use_display(found["DISPLAY"])
        poll("the window manager", lambda: self.root_property("_NET_SUPPORTING_WM_CHECK"))


def desktop_named(name):
    if name in WINDOW_MANAGERS:
        return XDesktop(name)
    if name in COMPOSITORS:
        return XWaylandDesktop(name)
    if name == "weston":
        return WaylandDesktop()
    return Desktop()


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
