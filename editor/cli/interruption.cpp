#include "cli/interruption.h"

#include <cerrno>
#include <ctime>

namespace lavrix::cli {

Interruption::Interruption() {
  sigemptyset(&signals_);
  sigaddset(&signals_, SIGINT);
  sigaddset(&signals_, SIGTERM);
  sigaddset(&signals_, SIGHUP);
  sigprocmask(SIG_BLOCK, &signals_, nullptr);
}

bool Interruption::WaitFor(int milliseconds) {
  if (interrupted_) return true;
  timespec timeout{milliseconds / 1000, (milliseconds % 1000) * 1'000'000L};
  int taken;
  while ((taken = sigtimedwait(&signals_, nullptr, &timeout)) < 0 && errno == EINTR) {
  }
  interrupted_ = taken > 0;
  return interrupted_;
}

}  // namespace lavrix::cli
