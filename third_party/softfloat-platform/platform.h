/* Tarsilo's build settings for Berkeley SoftFloat (berkeley-softfloat-3/),
   for GCC on little-endian 64-bit targets (x86-64, arm64). */
#ifndef TARSILO_SOFTFLOAT_PLATFORM_H
#define TARSILO_SOFTFLOAT_PLATFORM_H

#define LITTLEENDIAN 1
/* Each file its own copy of the inline primitives: the library links at any
   optimisation level. */
#define INLINE static inline
#define SOFTFLOAT_BUILTIN_CLZ 1
#define SOFTFLOAT_INTRINSIC_INT128 1
/* Rounding mode and exception flags per thread, as a processor keeps them. */
#define THREAD_LOCAL __thread
#include "opts-GCC.h"

#endif
