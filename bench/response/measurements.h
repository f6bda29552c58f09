#pragma once
// The two response measurements on a window session.

#include <vector>

#include "bench/response/window_session.h"

namespace tarsilo::bench {

// Microseconds of each click of the Calculate button, from the click until
// the command has written its fields; the window repaints between clicks,
// outside the measured time.
std::vector<double> MeasureCalculate(WindowSession& session, int clicks);

struct FirstInfo {
    double totalMs = 0; // the click until the four pictures have been painted
    double clickMs = 0; // the click itself: the window shown, not yet painted
    double cpuMs = 0;   // processor time of the whole process over totalMs
    bool opened = false;
};

// The first "Инфо" of the session: its reference window has never been shown.
FirstInfo MeasureFirstInfo(WindowSession& session);

// The reference window created hidden, as the shell does at start-up, and
// the reading of its four pictures' headers that this includes.
struct InfoCreation {
    double createMs = 0;
    double headersUs = 0;
};
InfoCreation MeasureInfoCreation();

// Milliseconds to decode the four pictures of the program from their streams,
// as a share of the first "Инфо".
double MeasureProgramPictureDecoding();

} // namespace tarsilo::bench
