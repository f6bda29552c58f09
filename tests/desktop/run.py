"""Runs one desktop scenario against the program.

Usage: run.py <Tarsilo10 executable> <scenario>
Run it under dbus-run-session: the accessibility bus belongs to that session.
"""

import signal
import sys
import time
import traceback

from desktop import ScenarioFailure
from scenarios import SCENARIOS


def main(argv):
    if len(argv) != 3 or argv[2] not in SCENARIOS:
        print(f"usage: run.py <executable> <{'|'.join(SCENARIOS)}>", file=sys.stderr)
        return 2
    executable, name = argv[1], argv[2]
    # A time limit from outside still ends every process the scenario started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    started = time.monotonic()
    try:
        SCENARIOS[name](executable)
    except ScenarioFailure as failure:
        print(f"FAIL {name}: {failure}", flush=True)
        return 1
    except Exception:  # an error in the scenario itself is a failure too
        traceback.print_exc()
        print(f"FAIL {name}", flush=True)
        return 1
    print(f"PASS {name} ({time.monotonic() - started:.1f} s)", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
