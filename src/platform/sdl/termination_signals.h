// SIGTERM, SIGINT and SIGHUP: how a screensaver daemon, a terminal or the
// end of a session stop the Linux program.
#pragma once

enum class OnTermination {
  Flag,        // TerminationRequested() turns true; the run shuts down itself
  ExitAtOnce,  // the process ends with code 0 there and then (nothing to undo)
};

void CatchTerminationSignals(OnTermination how);
bool TerminationRequested();
