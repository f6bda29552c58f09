#!/usr/bin/env python3
"""Reference values of the descent model to 40 significant digits.

Evaluates the model's closed forms in 50-digit decimal arithmetic on the
input texts taken as exact decimals, with the program's constants (pi as
3.1415926, R as 8.31). Prints each case's eight results in the order of the
result fields, ready to paste as a row of tests/test_descent_model.cpp.

Usage: tools/descent_references.py [shape Name=text ...]
  with no arguments, the rows of the test; otherwise one case, for example
  tools/descent_references.py ball D=2 Hx=5000

As a module it also evaluates the model the way the core does
(evaluate_as_program): every operation rounded to the 80-bit extended format,
in the core's order, with a correctly rounded exponential and square root.
"""

import sys

from mpmath import mp, mpf, exp, sqrt, nstr, isinf, isnan

from extended_values import round_to_extended

mp.dps = 50

PI = mpf("3.1415926")
R = mpf("8.31")
ENERGY_SCALE = mpf(10) ** 7

# The constants as decimals; the core holds the extended values nearest to them.
DECIMAL_CONSTANTS = {
    "pi": PI, "R": R, "ball energy": mpf("6.26"), "cylinder energy": mpf("9.39"),
}

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


def program_constants():
    """The constants as the core holds them: the nearest extended values."""
    return {name: round_to_extended(value) for name, value in DECIMAL_CONSTANTS.items()}


def evaluate(shape, q, constants=DECIMAL_CONSTANTS):
    """The exact results for the exact inputs q, as (name, value) pairs."""
    pi, R = constants["pi"], constants["R"]
    k = q["mu"] * q["g"] * q["Hx"] / (R * q["T"])
    if shape == "ball":
        volume = pi * q["D"] ** 3 / 6
        a = q["Cb"] * 3 * q["Ro0"] * R * q["T"]
        b = q["D"] * 4 * q["RoB"] * q["mu"] * q["g"]
        f = q["RoB"] * 4 * q["D"] * q["g"]
        g = q["Ro0"] * 3 * q["Cb"]
        energy_base = constants["ball energy"] * q["RoB"] * q["D"] ** 3
    elif shape == "cylinder":
        volume = pi * q["D"] ** 2 * q["L"] / 4
        a = q["Cb"] * q["Ro0"] * R * q["T"]
        b = q["L"] * 2 * q["RoB"] * q["mu"] * q["g"]
        f = q["RoB"] * 2 * q["L"] * q["g"]
        g = q["Ro0"] * q["Cb"]
        energy_base = constants["cylinder energy"] * q["RoB"] * q["D"] ** 2 * q["L"]
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


class ProgramFault(Exception):
    """The core's error class for an arithmetic fault, as its name."""


class ProgramArithmetic:
    """The core's checked operations on extended values: each result rounded
    once, a non-finite result raised as the fault the core raises. Records
    the argument of every exponential."""

    def __init__(self):
        self.exp_arguments = []

    @staticmethod
    def finite(x):
        if isnan(x):
            raise ProgramFault("EInvalidOp")
        if isinf(x):
            raise ProgramFault("EOverflow")
        return x

    def mul(self, a, b):
        return self.finite(round_to_extended(a * b))

    def sub(self, a, b):
        return self.finite(round_to_extended(a - b))

    def div(self, a, b):
        if b == 0:
            raise ProgramFault("EInvalidOp" if a == 0 else "EZeroDivide")
        return self.finite(round_to_extended(a / b))

    def product(self, first, *rest):
        # One test at the end: once out of range the value stays non-finite.
        value = first
        for factor in rest:
            value = round_to_extended(value * factor)
        if isinf(value) or isnan(value):
            raise ProgramFault("EOverflow")
        return value

    def exp(self, x):
        self.exp_arguments.append(x)
        return self.finite(round_to_extended(exp(x)))

    def sqrt(self, x):
        return self.finite(round_to_extended(sqrt(x)))


def evaluate_as_program(shape, q, arithmetic=None):
    """The eight results as the core computes them from the extended inputs q,
    in the order of the result fields; raises ProgramFault where the core
    raises an arithmetic error."""
    c = program_constants()
    op = arithmetic or ProgramArithmetic()
    pi, R, scale = c["pi"], c["R"], ENERGY_SCALE
    height_term = lambda: op.div(op.product(q["mu"], q["g"], q["Hx"]), op.mul(R, q["T"]))
    if shape == "ball":
        volume = op.div(op.product(pi, q["D"], q["D"], q["D"]), 6)
        a = lambda: op.product(q["Cb"], 3, q["Ro0"], R, q["T"])
        b = lambda: op.product(q["D"], 4, q["RoB"], q["mu"], q["g"])
        f = lambda: op.product(q["RoB"], 4, q["D"], q["g"])
        g = lambda: op.product(q["Ro0"], 3, q["Cb"])
        base = lambda: op.product(c["ball energy"], q["RoB"], q["D"], q["D"], q["D"])
    else:
        volume = op.div(op.product(pi, q["D"], q["D"], q["L"]), 4)
        a = lambda: op.product(q["Cb"], q["Ro0"], R, q["T"])
        b = lambda: op.product(q["L"], 2, q["RoB"], q["mu"], q["g"])
        f = lambda: op.product(q["RoB"], 2, q["L"], q["g"])
        g = lambda: op.mul(q["Ro0"], q["Cb"])
        base = lambda: op.product(c["cylinder energy"], q["RoB"], q["D"], q["D"], q["L"])
    mass = op.mul(q["RoB"], volume)
    density = op.exp(-height_term())
    speed_a, speed_b = a(), b()
    speed = op.mul(op.exp(op.mul(density, -op.div(speed_a, speed_b))), q["Vo"])
    growth = op.exp(height_term())
    fall_f, fall_g = f(), g()
    free_fall = op.sqrt(op.mul(growth, op.div(fall_f, fall_g)))
    relative = op.div(op.mul(speed, 100), q["Vo"])
    deceleration = op.div(op.mul(op.sub(q["Vo"], speed), 100), q["Vo"])
    energy_base = base()
    initial_energy = op.div(op.div(op.product(energy_base, q["Vo"], q["Vo"]), scale), scale)
    point_energy = op.div(op.div(op.product(energy_base, speed, speed), scale), scale)
    return [volume, mass, speed, relative, deceleration, free_fall, initial_energy, point_energy]


def main(argv):
    cases = [(argv[0], argv[1:])] if argv else CASES
    for shape, changes in cases:
        print(f"{shape}, {' '.join(changes) or 'starting texts'}:")
        for name, value in evaluate(shape, inputs_with(changes)):
            print(f"  {name:>10} {nstr(value, 40, strip_zeros=True)}L")


if __name__ == "__main__":
    main(sys.argv[1:])
