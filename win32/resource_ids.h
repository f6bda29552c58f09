#pragma once
// Resource identifiers shared by the resource scripts and the code.

#define TARSILO_ICON 1
#define TARSILO_CLOSE_GLYPH 2
