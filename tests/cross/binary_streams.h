#pragma once
// Standard input and output as bytes on every platform: the Windows C
// runtime would otherwise turn "\n" into "\r\n" and stop at a Ctrl+Z.

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif
#include <cstdio>

namespace tarsilo::cross {

inline void UseBinaryStandardStreams() {
#if defined(_WIN32)
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

} // namespace tarsilo::cross
