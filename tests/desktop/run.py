"""Runs desktop scenarios against the program on one desktop.

Usage: run.py <Tarsilo10 executable> <desktop> <scenario>...
The desktop is a window manager on Xvfb (openbox, mutter, kwin, xfwm4), a
Wayland session with XWayland (mutter-wayland, kwin-wayland), weston, or none.
Run it under dbus-run-session: the accessibility bus belongs to that session.
"""

import signal
import sys
import time
import traceback

from desktop import ScenarioFailure, desktop_named
from scenarios import SCENARIOS


def run_scenario(desk, name, executable):
    started = time.monotonic()
    first_process = len(desk.processes)
    try:
        SCENARIOS[name](desk, executable)
    except ScenarioFailure as failure:
        print(f"FAIL {desk.name} {name}: {failure}", flush=True)
        return False
    except Exception:  # an error in the scenario itself is a failure too
        traceback.print_exc()
        print(f"FAIL {desk.name} {name}", flush=True)
        return False
    finally:
        # What the scenario started ends with it, even after a failure.
        for process in reversed(desk.processes[first_process:]):
            process.stop()
        del desk.processes[first_process:]
    print(f"PASS {desk.name} {name} ({time.monotonic() - started:.1f} s)", flush=True)
    return True


def main(argv):
    if len(argv) < 4 or any(name not in SCENARIOS for name in argv[3:]):
        print(f"usage: run.py <executable> <desktop> <{'|'.join(SCENARIOS)}>...",
              file=sys.stderr)
        return 2
    executable, desktop = argv[1], argv[2]
    # A time limit from outside still ends every process the scenarios started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    started = time.monotonic()
    try:
        with desktop_named(desktop) as desk:
            desk.name = desktop
            print(f"{desktop} up in {time.monotonic() - started:.1f} s", flush=True)
            passed = [run_scenario(desk, name, executable) for name in argv[3:]]
    except ScenarioFailure as failure:
        print(f"FAIL {desktop}: {failure}", flush=True)
        return 1
    return 0 if all(passed) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
