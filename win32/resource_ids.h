#pragma once
// Resource identifiers shared by the resource scripts and the code.

#define TARSILO_ICON 1
#define TARSILO_CLOSE_GLYPH 2

// The reference pictures (RCDATA): each picture, and the same picture at
// twice the pixel size.
#define TARSILO_PICTURE_VALUES 10
#define TARSILO_PICTURE_BALL 11
#define TARSILO_PICTURE_CYLINDER 12
#define TARSILO_PICTURE_DRAG 13
#define TARSILO_PICTURE_VALUES_2X 20
#define TARSILO_PICTURE_BALL_2X 21
#define TARSILO_PICTURE_CYLINDER_2X 22
#define TARSILO_PICTURE_DRAG_2X 23
