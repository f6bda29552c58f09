"""The 80-bit extended format in exact arithmetic, for mpmath references.

Values are mpmath numbers; the helpers round exactly (on integers), so a
reference never inherits mpmath's working precision. A bit pattern is written
as 20 hex digits: sign and exponent (4), then the 64-bit significand with its
explicit integer bit (16), as the C++ side prints them.
"""

import os
import subprocess

from mpmath import mp, mpf, inf, nan, isinf, isnan

SIGNIFICAND_BITS = 64
EXPONENT_BIAS = 16383
MIN_NORMAL_EXPONENT = -16382          # the smallest normal value is 2^-16382
MAX_EXPONENT = 16383                  # the largest finite value is just below 2^16384
SUBNORMAL_QUANTUM = -16382 - 63       # exponent of the smallest subnormal, 2^-16445

with mp.workprec(SIGNIFICAND_BITS):
    LARGEST = mpf(2 ** SIGNIFICAND_BITS - 1) * mpf(2) ** (MAX_EXPONENT - 63)
SMALLEST_SUBNORMAL = mpf(2) ** SUBNORMAL_QUANTUM


def _exact(x):
    """x as an mpf without rounding (mpmath rounds conversions to its precision)."""
    if isinstance(x, mpf):
        return x
    with mp.workprec(max(SIGNIFICAND_BITS, int(x).bit_length() if isinstance(x, int) else 0) + 8):
        return mpf(x)


def _exponent_of(x):
    """floor(log2 |x|) of a non-zero finite mpf, exactly."""
    sign, man, exp, bc = x._mpf_
    return exp + bc - 1


def quantum_exponent(x):
    """The exponent of one ulp of the extended format at |x|."""
    if x == 0:
        return SUBNORMAL_QUANTUM
    return max(_exponent_of(x) - (SIGNIFICAND_BITS - 1), SUBNORMAL_QUANTUM)


def _significand(x):
    """(q, m) with |x| = m * 2^q, q the ulp exponent: x must be an extended value."""
    x = _exact(x)
    sign, man, exp, bc = x._mpf_
    q = quantum_exponent(x)
    if exp < q or bc > SIGNIFICAND_BITS:
        raise ValueError(f"{x} is not an extended value")
    return q, man << (exp - q)


def ulp(x):
    return mpf(2) ** quantum_exponent(x)


def round_to_extended(x):
    """x rounded to nearest, ties to even, into the extended format: gradual
    underflow below 2^-16382, infinity beyond the largest finite value."""
    if isnan(x) or isinf(x) or x == 0:
        return x
    x = _exact(x)
    sign, man, exp, bc = x._mpf_
    if exp + bc - 1 > MAX_EXPONENT:
        return -inf if sign else inf
    if exp + bc - 1 < SUBNORMAL_QUANTUM - 1:
        return mpf(0)
    q = quantum_exponent(x)
    shift = q - exp
    if shift <= 0:
        rounded = man << -shift
    else:
        rounded = man >> shift
        remainder = man - (rounded << shift)
        half = 1 << (shift - 1)
        if remainder > half or (remainder == half and rounded & 1):
            rounded += 1
    with mp.workprec(max(SIGNIFICAND_BITS + 8, rounded.bit_length() + 8)):
        value = mpf(rounded) * mpf(2) ** q
    if value > LARGEST:
        value = inf
    return -value if sign else value


def from_bits(pattern):
    """The exact value of a 20-hex-digit extended bit pattern."""
    word = int(pattern[:4], 16)
    significand = int(pattern[4:], 16)
    negative = bool(word & 0x8000)
    biased = word & 0x7FFF
    if biased == 0x7FFF:
        if significand & ((1 << 63) - 1):
            return nan
        return -inf if negative else inf
    exponent = (biased if biased else 1) - EXPONENT_BIAS - 63
    with mp.workprec(SIGNIFICAND_BITS + 8):
        value = mpf(significand) * mpf(2) ** exponent
    return -value if negative else value


def to_bits(x):
    """The bit pattern of a value already in the extended format."""
    if isnan(x):
        return "7FFFC000000000000000"
    negative = 0x8000 if x < 0 else 0
    if isinf(x):
        return f"{negative | 0x7FFF:04X}8000000000000000"
    if x == 0:
        return f"{negative:04X}0000000000000000"
    q, significand = _significand(x)
    biased = q + 63 + EXPONENT_BIAS if significand >> 63 else 0
    return f"{negative | biased:04X}{significand:016X}"


def ulp_error(computed, exact):
    """|computed - exact| in ulps of the exact value; 0 when both are the same
    infinity or both are NaN, infinite when only one of them is."""
    if isnan(exact) or isnan(computed):
        return mpf(0) if isnan(exact) and isnan(computed) else inf
    if isinf(exact) or isinf(computed):
        return mpf(0) if computed == exact else inf
    return abs(computed - exact) / ulp(exact)


def cpp_literal(x):
    """A C++ hexadecimal long double literal that holds x exactly (in the
    80-bit format and in the 128-bit one alike), or the extended infinity."""
    if isinf(x):
        return ("-" if x < 0 else "") + "std::numeric_limits<Extended>::infinity()"
    if x == 0:
        return "0.0L"
    q, significand = _significand(x)
    return f"{'-' if x < 0 else ''}0x{significand:X}p{q}L"


def formatted(source, like):
    """C++ source laid out by the repository's .clang-format, as if it were
    the file `like` (a path inside the repository)."""
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    return subprocess.run(["clang-format", f"--style=file:{os.path.join(root, '.clang-format')}",
                           f"--assume-filename={like}"], input=source, capture_output=True,
                          text=True, check=True).stdout
