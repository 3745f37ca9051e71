#pragma once

#include <signal.h>

namespace lavrix::cli {

// Ctrl+C and a termination request, held back from the whole process (threads started later
// inherit it), so that no keyboard is left half written; the waits between keyboards take
// them. Build it before any thread starts. The hold lasts until the program ends.
class Interruption {
 public:
  Interruption();

  // Waits up to `milliseconds`; true once an interruption came.
  bool WaitFor(int milliseconds);

 private:
  sigset_t signals_{};
  bool interrupted_ = false;
};

}  // namespace lavrix::cli
