#pragma once
// The decoder's error is shared with the Windows front end.

#include "common/jpeg_error.h"
