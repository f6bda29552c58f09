#!/usr/bin/env python3
"""Reference values of the descent model to 40 significant digits.

Evaluates the model's closed forms in 50-digit decimal arithmetic on the
input texts taken as exact decimals, with the program's constants (pi as
3.1415926, R as 8.31). Prints each case's eight results in the order of the
result fields, ready to paste as a row of tests/test_descent_model.cpp.

Usage: tools/descent_references.py [shape Name=text ...]
  with no arguments, the rows of the test; otherwise one case, for example
  tools/descent_references.py ball D=2 Hx=5000
"""

import sys

from mpmath import mp, mpf, exp, sqrt, nstr

mp.dps = 50

PI = mpf("3.1415926")
R = mpf("8.31")
ENERGY_SCALE = mpf(10) ** 7

STARTING_TEXTS = {
    "Vo": "10000", "D": "1", "L": "1", "Cb": "0.5", "RoB": "1000",
    "g": "9.81", "Ro0": "1.2", "mu": "0.029", "T": "300", "Hx": "0",
}

MARS_LIKE = ["Vo=7000", "D=0.8", "L=2.5", "Cb=0.47", "RoB=7800",
             "g=3.71", "Ro0=0.02", "mu=0.044", "T=210", "Hx=5000"]

CASES = [
    ("ball", []),
    ("cylinder", []),
    ("ball", MARS_LIKE),
    ("cylinder", MARS_LIKE),
    ("ball", ["Hx=1e6"]),
    ("cylinder", ["Hx=1e6"]),
]


def inputs_with(changes):
    texts = dict(STARTING_TEXTS)
    for change in changes:
        name, text = change.split("=", 1)
        if name not in texts:
            raise SystemExit(f"unknown quantity {name}")
        texts[name] = text
    return {name: mpf(text) for name, text in texts.items()}


def evaluate(shape, q):
    k = q["mu"] * q["g"] * q["Hx"] / (R * q["T"])
    if shape == "ball":
        volume = PI * q["D"] ** 3 / 6
        a = q["Cb"] * 3 * q["Ro0"] * R * q["T"]
        b = q["D"] * 4 * q["RoB"] * q["mu"] * q["g"]
        f = q["RoB"] * 4 * q["D"] * q["g"]
        g = q["Ro0"] * 3 * q["Cb"]
        energy_base = mpf("6.26") * q["RoB"] * q["D"] ** 3
    elif shape == "cylinder":
        volume = PI * q["D"] ** 2 * q["L"] / 4
        a = q["Cb"] * q["Ro0"] * R * q["T"]
        b = q["L"] * 2 * q["RoB"] * q["mu"] * q["g"]
        f = q["RoB"] * 2 * q["L"] * q["g"]
        g = q["Ro0"] * q["Cb"]
        energy_base = mpf("9.39") * q["RoB"] * q["D"] ** 2 * q["L"]
    else:
        raise SystemExit(f"unknown shape {shape}")
    v = exp(exp(-k) * -(a / b)) * q["Vo"]
    return [
        ("V", volume),
        ("m", q["RoB"] * volume),
        ("v", v),
        ("v/Vo", v * 100 / q["Vo"]),
        ("(Vo-v)/Vo", (q["Vo"] - v) * 100 / q["Vo"]),
        ("Vc", sqrt(exp(k) * (f / g))),
        ("E0", energy_base * q["Vo"] ** 2 / ENERGY_SCALE / ENERGY_SCALE),
        ("Et", energy_base * v ** 2 / ENERGY_SCALE / ENERGY_SCALE),
    ]


def main(argv):
    cases = [(argv[0], argv[1:])] if argv else CASES
    for shape, changes in cases:
        print(f"{shape}, {' '.join(changes) or 'starting texts'}:")
        for name, value in evaluate(shape, inputs_with(changes)):
            print(f"  {name:>10} {nstr(value, 40, strip_zeros=True)}L")


if __name__ == "__main__":
    main(sys.argv[1:])
