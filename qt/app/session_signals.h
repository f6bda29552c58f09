#pragma once
// The end of the user's session reaches a Linux program as SIGTERM (log-off,
// shutdown, `kill`) or SIGHUP (its terminal or session went away). Both end
// the program as a close of the main window does: the loop ends, the windows
// are destroyed and the exit status is 0.

namespace tarsilo {

class TApplication;

// Turns SIGTERM and SIGHUP into the application's quit request. The signal
// handler only writes a byte to a pipe; the event loop reads it.
void EndSessionOnSignals(TApplication& application);

} // namespace tarsilo
