#!/usr/bin/env python3
"""Holds what the core computes in two builds against mpmath.

Asks tests/cross/core_values.cpp of both builds for the bits of
  - the core's exponential and the C library's expl, for random arguments over
    the whole range and the named arguments of the exponential's tests;
  - the C library's square root;
  - the descent model's eight results for random valid inputs;
and compares them with exact values (mpmath at 320 bits):
  - the core's exponential must be within one ulp of exp(x) in both builds,
    and give the same bits in both;
  - the square root must be correctly rounded in both;
  - each model value of the build under test must equal the reference
    build's, or equal the value the core's own sequence of operations gives
    with a correctly rounded exponential (tools/descent_references.py). Model
    values cannot all lie within an ulp of the exact formula: exp(y) turns the
    rounding of its argument, up to 2^-64·|y| with |y| up to 11400, into that
    many ulps of the result. The worst distance from the exact formula is
    reported for both builds.

Usage: check_core_values.py [--seed S] REFERENCE -- COMMAND...
  REFERENCE is the Linux build's program, COMMAND the Windows build's with its
  emulator (scripts/wine-run.sh build/windows/tests/cross/core_values.exe).
"""

import argparse
import os
import random
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))

import descent_references as model  # noqa: E402
import extended_exp_rows  # noqa: E402
from compare_texts import plausible_case, vanishing_speed_case  # noqa: E402
from extended_values import (from_bits, round_to_extended, to_bits, ulp, ulp_error,  # noqa: E402
                             SUBNORMAL_QUANTUM)
from mpmath import mp, mpf, exp, sqrt, inf, isinf, nstr  # noqa: E402

mp.prec = 320

INPUT_NAMES = ["Vo", "D", "L", "Cb", "RoB", "g", "Ro0", "mu", "T", "Hx"]
RESULT_NAMES = ["V", "m", "v", "v/Vo", "(Vo-v)/Vo", "Vc", "E0", "Et"]


def random_in(rng, low, high):
    """An extended value in [low, high) with all 64 significand bits random."""
    return round_to_extended(mpf(low) + (mpf(high) - mpf(low)) * mpf(rng.getrandbits(64)) / 2 ** 64)


def exp_arguments(rng):
    named = [argument for _, argument in extended_exp_rows.rows()]
    ranges = [(-11400, 11357, 20000), (-11399.5, -11355, 3000), (-1, 1, 2000),
              (11350, 11356.53, 1000)]
    randoms = [random_in(rng, low, high) for low, high, count in ranges for _ in range(count)]
    tiny = [round_to_extended(rng.choice([-1, 1]) * mpf(2) ** rng.uniform(-100, -8))
            for _ in range(1000)]
    return named + randoms + tiny


def sqrt_arguments(rng):
    return [round_to_extended(mpf(rng.getrandbits(64) | 1 << 63) *
                              mpf(2) ** rng.randint(SUBNORMAL_QUANTUM - 63, 16383 - 63))
            for _ in range(2000)]


def model_cases(rng, count):
    cases = []
    for _ in range(count):
        shape = rng.choice(["ball", "cylinder"])
        values = vanishing_speed_case(rng, shape) if rng.random() < 0.1 else plausible_case(rng)
        # Doubles widened to 64 random significand bits.
        inputs = {name: round_to_extended(mpf(value) * (1 + mpf(rng.getrandbits(64)) / 2 ** 117))
                  for name, value in zip(INPUT_NAMES, values)}
        cases.append((shape, inputs))
    return cases


def requests(exp_args, sqrt_args, cases):
    lines = [f"exp {to_bits(x)}" for x in exp_args]
    lines += [f"sqrt {to_bits(x)}" for x in sqrt_args]
    lines += [f"model {shape} " + " ".join(to_bits(inputs[name]) for name in INPUT_NAMES)
              for shape, inputs in cases]
    return lines


def run(command, lines):
    result = subprocess.run(command, input="\n".join(lines) + "\n", capture_output=True,
                            text=True, timeout=600)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} ended with status {result.returncode}:\n{result.stderr}")
    answers = result.stdout.split("\n")[:-1]
    if len(answers) != len(lines):
        sys.exit(f"{' '.join(command)} answered {len(answers)} of {len(lines)} requests")
    return answers


def exp_error(computed, exact):
    """Ulps from exp(x); a result beyond the range must be exactly +inf."""
    if isinf(round_to_extended(exact)):
        return mpf(0) if computed == inf else inf
    return ulp_error(computed, exact)


class Worst:
    """The largest error seen and where."""

    def __init__(self):
        self.error, self.where = mpf(-1), ""

    def add(self, error, where):
        if error > self.error:
            self.error, self.where = error, where

    def __str__(self):
        return f"{nstr(self.error, 6)} ulp ({self.where})" if self.error >= 0 else "none"


def check_exp(args, answers, builds):
    failures = []
    print(f"exponential, {len(args)} arguments:")
    for build, lines in zip(builds, answers):
        core, library = Worst(), Worst()
        not_rounded = library_beyond_one = 0
        for x, line in zip(args, lines):
            core_bits, library_bits = line.split()
            exact = exp(x)
            where = f"x = {nstr(x, 21)} [{to_bits(x)}]"
            error = exp_error(from_bits(core_bits), exact)
            core.add(error, where)
            not_rounded += from_bits(core_bits) != round_to_extended(exact)
            library_error = exp_error(from_bits(library_bits), exact)
            library.add(library_error, where)
            library_beyond_one += library_error > 1
        print(f"  {build}: the core's exp worst {core}, not correctly rounded in {not_rounded}")
        print(f"  {build}: the C library's expl worst {library}, beyond one ulp in "
              f"{library_beyond_one}")
        if core.error > 1:
            failures.append(f"{build}: the core's exponential is {core} from exact")
    differing = sum(a.split()[0] != b.split()[0] for a, b in zip(*answers))
    if differing:
        failures.append(f"the core's exponential differs between the builds in {differing} "
                        "arguments")
    return failures


def check_sqrt(args, answers, builds):
    failures = []
    for build, lines in zip(builds, answers):
        wrong = [x for x, line in zip(args, lines)
                 if from_bits(line) != round_to_extended(sqrt(x))]
        print(f"square root, {len(args)} arguments, {build}: correctly rounded in "
              f"{len(args) - len(wrong)}")
        if wrong:
            failures.append(f"{build}: sqrt({nstr(wrong[0], 21)}) is not correctly rounded")
    return failures


def parse_model_answer(line):
    kind, *rest = line.split()
    if kind in ("fault", "invalid"):
        return line
    return [from_bits(bits) for bits in [kind] + rest]


def check_model(cases, answers, builds):
    reference_build, tested_build = builds
    failures = []
    values = same = tested_rounded = reference_rounded = 0
    worst = {build: {name: Worst() for name in RESULT_NAMES} for build in builds}
    for number, ((shape, inputs), reference_line, tested_line) in enumerate(
            zip(cases, *answers), start=1):
        reference, tested = parse_model_answer(reference_line), parse_model_answer(tested_line)
        try:
            rounded = model.evaluate_as_program(shape, inputs)
        except model.ProgramFault as fault:
            rounded = f"fault {fault.args[0]}"
        if isinstance(reference, str) or isinstance(tested, str):
            if tested != reference and tested != rounded:
                failures.append(f"case {number} ({shape}): {reference_build} gives {reference}, "
                                f"{tested_build} {tested}")
            continue
        exact = [value for _, value in
                 model.evaluate(shape, inputs, model.program_constants())]
        for index, name in enumerate(RESULT_NAMES):
            values += 1
            same += tested[index] == reference[index]
            tested_rounded += not isinstance(rounded, str) and tested[index] == rounded[index]
            reference_rounded += not isinstance(rounded, str) and reference[index] == rounded[index]
            if tested[index] != reference[index] and (isinstance(rounded, str) or
                                                      tested[index] != rounded[index]):
                failures.append(f"case {number} ({shape}) {name}: {reference_build} "
                                f"{nstr(reference[index], 21)}, {tested_build} "
                                f"{nstr(tested[index], 21)}")
            for build, result in zip(builds, (reference, tested)):
                worst[build][name].add(distance_from_exact(name, result[index], exact[index]),
                                       f"case {number}, {shape}")
    print(f"model, {len(cases)} cases, {values} values: {tested_build} equals "
          f"{reference_build} in {same}; equal to the core's operations with a correctly rounded "
          f"exponential: {tested_build} {tested_rounded}, {reference_build} {reference_rounded}")
    print("  worst distance from the exact formula (the deceleration in ulps of 100 %):")
    for name in RESULT_NAMES:
        print(f"  {name:>10}: " + "; ".join(f"{build} {worst[build][name]}" for build in builds))
    return failures


def distance_from_exact(name, computed, exact):
    """Ulps of the exact value; the deceleration, a difference of nearly equal
    speeds, in ulps of its scale of 100 %."""
    if name == "(Vo-v)/Vo":
        return abs(computed - exact) / ulp(mpf(100))
    return ulp_error(computed, exact)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=14)
    parser.add_argument("--model-cases", type=int, default=3000)
    parser.add_argument("--names", default="Linux build,Windows build",
                        help="what to call the two builds in the report")
    parser.add_argument("reference")
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()

    rng = random.Random(args.seed)
    exp_args = exp_arguments(rng)
    sqrt_args = sqrt_arguments(rng)
    cases = model_cases(rng, args.model_cases)
    lines = requests(exp_args, sqrt_args, cases)
    answers = [run([args.reference], lines), run(args.command, lines)]
    builds = args.names.split(",", 1)

    exp_end = len(exp_args)
    sqrt_end = exp_end + len(sqrt_args)
    failures = check_exp(exp_args, [a[:exp_end] for a in answers], builds)
    failures += check_sqrt(sqrt_args, [a[exp_end:sqrt_end] for a in answers], builds)
    failures += check_model(cases, [a[sqrt_end:] for a in answers], builds)
    if failures:
        print(f"{len(failures)} failures; the first of them:")
        for failure in failures[:10]:
            print(f"  {failure}")
        sys.exit(1)
    print("the core's values agree")


if __name__ == "__main__":
    main()
