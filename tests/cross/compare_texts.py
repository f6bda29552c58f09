#!/usr/bin/env python3
"""Runs the main window's commands in two builds on the same random cases and
compares every text they show byte for byte.

The cases (seeded) mix ordinary inputs, extremes near the overflow and
underflow limits, negative, zero, blank and garbage texts, both decimal marks
and both shapes; each is one line for tests/cross/calc_texts.cpp. The first
program is the reference (the Linux build), the second the one under test
(the Windows build, started through an emulator such as scripts/wine-run.sh).

Usage: compare_texts.py [--cases N] [--seed S] REFERENCE -- COMMAND...
"""

import argparse
import math
import random
import subprocess
import sys

R = 8.31

# log10 ranges of plausible positive inputs, in reading order but the height.
PLAUSIBLE = [("Vo", 0, 5), ("D", -3, 3), ("L", -3, 3), ("Cb", -2, 1), ("RoB", 0, 4.5),
             ("g", -1, 2), ("Ro0", -5, 2), ("mu", -3, 0), ("T", 1, 4)]

# Texts at the edges of parsing and of the extended range, and texts that are
# no number at all.
SPECIAL_TEXTS = [
    "", " ", "\t", "\r\n", "0", "-0", "-1", "-0.000001", "+5", ".", "-.", "5.", ".5", "00012",
    "1e4932", "1.18973e4932", "1.2e4932", "1e4999", "1E5000", "1E0500", "1e-4930",
    "1e-4950", "1e-5000", "1e400", "1e-400", "1e8", "-1e8", "-8.7e7", "1e6",
    "abc", "1 000", "0x10", "1.5.2", "--5", "1e5.5", "E5", "5E", "5e+", "5e-", "- 5",
    "\u00a05", "\uff15", "1,5", "1.5", "\t7\n", "  42  ", "\x00", "\x7f", "\u0412\u0432\u043e\u0434",
    "1" + "0" * 4933 + "e-10", "0." + "0" * 5200 + "1", "9" * 30, "1e-4951", "3.6e-4951",
]


def escape(text):
    """The text's UTF-8 bytes escaped as tests/cross/line_fields.h reads them."""
    escaped = bytearray()
    for byte in text.encode("utf-8"):
        if byte == 0x5C:
            escaped += b"\\\\"
        elif byte in (0x09, 0x0A, 0x0D):
            escaped += {0x09: b"\\t", 0x0A: b"\\n", 0x0D: b"\\r"}[byte]
        elif byte < 0x20 or byte == 0x7F:
            escaped += f"\\x{byte:02X}".encode()
        else:
            escaped.append(byte)
    return bytes(escaped)


def number_text(rng, value, mark):
    """value written in one of the spellings a user might type."""
    digits = rng.choice([1, 2, 3, 5, 8, 12, 17, 18, 19, 21])
    style = rng.random()
    if style < 0.45 and 1e-6 < abs(value) < 1e15:
        text = f"{value:.{max(0, digits - 1 - math.floor(math.log10(abs(value))))}f}"
    elif style < 0.9:
        text = f"{value:.{digits - 1}{rng.choice('eE')}}"
        if rng.random() < 0.3:
            text = text.replace("e+", "e").replace("E+", "E")
    else:
        text = repr(value)
    text = text.replace(".", mark)
    if rng.random() < 0.05:
        text = "+" + text
    if rng.random() < 0.08:
        text = rng.choice([" ", "\t", "  "]) + text + rng.choice(["", " ", "\n"])
    return text


def plausible_case(rng):
    values = [10 ** rng.uniform(low, high) for _, low, high in PLAUSIBLE]
    vo, d, length, cb, rob, g, ro0, mu, t = values
    roll = rng.random()
    if roll < 0.25:
        k = 0.0
    elif roll < 0.55:
        k = rng.uniform(-30, 30)
    elif roll < 0.8:
        k = rng.uniform(-10000, 11400)
    else:
        # Near the edges: the validation limit, the overflow of exp(k).
        k = rng.choice([-10000.0, -9999.999, 11356.0, 11356.6, 11300.0, -11000.0])
        k += rng.uniform(-1, 1)
    height = k * R * t / (mu * g)
    return values + [height]


def vanishing_speed_case(rng, shape):
    """The speed at the point (height 0) near the bottom of the extended
    range: normal, subnormal or just below the smallest subnormal."""
    values = plausible_case(rng)
    vo, d, length, cb, rob, g, ro0, mu, t, _ = values
    exponent = rng.uniform(11300, 11420) + math.log(vo)
    if shape == "ball":
        ro0 = exponent * d * 4 * rob * mu * g / (cb * 3 * R * t)
    else:
        ro0 = exponent * length * 2 * rob * mu * g / (cb * R * t)
    return [vo, d, length, cb, rob, g, ro0, mu, t, 0.0]


def random_case(rng):
    mark = "." if rng.random() < 0.7 else ","
    shape = rng.choice(["ball", "cylinder"])
    if rng.random() < 0.1:
        values = vanishing_speed_case(rng, shape)
    else:
        values = plausible_case(rng)
    texts = [number_text(rng, value, mark) for value in values]
    roll = rng.random()
    if roll < 0.3:
        for _ in range(rng.choice([1, 1, 2, 3])):
            texts[rng.randrange(10)] = rng.choice(SPECIAL_TEXTS)
    elif roll < 0.4:
        # A number spelled with the other mark.
        other = "," if mark == "." else "."
        index = rng.randrange(10)
        texts[index] = number_text(rng, values[index], other)
    elif roll < 0.45:
        # Dense atmosphere or heavy drag: the speed underflows.
        texts[rng.choice([3, 6])] = rng.choice(["1e6", "1e7", "5e3", "1e300", "1e4000"]).replace(
            ".", mark)
    return b"\t".join([mark.encode(), shape.encode()] + [escape(text) for text in texts])


def run(command, cases):
    result = subprocess.run(command, input=b"\n".join(cases) + b"\n", capture_output=True,
                            timeout=600)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} ended with status {result.returncode}:\n"
                 f"{result.stderr.decode(errors='replace')}")
    return result.stdout.split(b"\n")[:-1]


def summary(lines):
    kinds = {}
    for line in lines:
        fields = line.split(b"\t")
        if fields[0] == b"error":
            kind = "error " + fields[1].decode()
        elif fields[-1] == "Готов ...".encode():
            kind = "results"
        else:
            kind = "status text"
        kinds[kind] = kinds.get(kind, 0) + 1
    return ", ".join(f"{count} {kind}" for kind, count in sorted(kinds.items()))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cases", type=int, default=20000)
    parser.add_argument("--seed", type=int, default=14)
    parser.add_argument("reference")
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()

    rng = random.Random(args.seed)
    cases = [random_case(rng) for _ in range(args.cases)]
    expected = run([args.reference], cases)
    actual = run(args.command, cases)
    if len(expected) != len(cases) or len(actual) != len(cases):
        sys.exit(f"{len(cases)} cases, but {len(expected)} lines from the reference and "
                 f"{len(actual)} from the build under test")

    differing = [i for i in range(len(cases)) if expected[i] != actual[i]]
    print(f"{len(cases)} cases (seed {args.seed}): {summary(expected)}")
    if not differing:
        print("every text identical in both builds")
        return
    print(f"{len(differing)} cases differ; the first of them:")
    for i in differing[:5]:
        print(f"  case {i + 1}: {cases[i].decode(errors='replace')}")
        print(f"    reference: {expected[i].decode(errors='replace')}")
        print(f"    under test: {actual[i].decode(errors='replace')}")
    sys.exit(1)


if __name__ == "__main__":
    main()
