// Linked into calc_texts_mpfr: at the end of the run, the rounded operations
// of all its cases, on the standard error.

#include <cstdio>

#include "bench/mpfr_extended/backend_calls.h"

namespace {

struct CallsAtExit {
    ~CallsAtExit() {
        const auto& calls = tarsilo::bench::BackendCalls();
        std::fprintf(stderr, "rounded operations: + %ld, - %ld, * %ld, / %ld, sqrt %ld\n", calls[0],
                     calls[1], calls[2], calls[3], calls[4]);
    }
} callsAtExit;

} // namespace
