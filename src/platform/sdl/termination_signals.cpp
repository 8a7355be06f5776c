#include "platform/sdl/termination_signals.h"

#include <signal.h>
#include <unistd.h>

#include <initializer_list>

namespace {

volatile sig_atomic_t requested = 0;

void Flag(int) { requested = 1; }
void ExitAtOnce(int) { _exit(0); }

}  // namespace

void CatchTerminationSignals(OnTermination how) {
  struct sigaction action = {};
  action.sa_handler = how == OnTermination::ExitAtOnce ? ExitAtOnce : Flag;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool TerminationRequested() { return requested != 0; }
