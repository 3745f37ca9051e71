#pragma once

#include <string>

#include "core/varno_calls.h"
#include "write/write_plan.h"

namespace lavrix {

// The message that closes a write, shown with an OK button and the application's title.
struct WriteMessage {
  std::string text;
  // A write that did not happen is told with an exclamation icon; a done one with none.
  bool failed;
  bool operator==(const WriteMessage&) const = default;
};

// What a write touches besides Varno: the window's progress bar, its events, the clock, and
// the message box.
class WriteSurface {
 public:
  virtual ~WriteSurface() = default;
  virtual void ProcessEvents() = 0;
  virtual void SetProgress(double value) = 0;
  virtual void Pause(int milliseconds) = 0;
  virtual void ShowMessage(const WriteMessage& message) = 0;
};

// How a write ended, as far as the libraries can tell.
enum class WriteOutcome {
  Reached,      // ResultadoGravacao: the keyboard received the layout
  NotReached,   // ResultadoGravacao: no keyboard answered
  Unconfirmed,  // every call went out, but Varno cannot say whether a keyboard got them
  Stopped,      // a block or end call found no library or no entry
};

// Runs the plan's steps in order. Each block takes its codes from `codes` as it goes out.
// A block or end call that finds no library or no entry stops the write: the progress bar
// goes back to 0 and the message says what is missing. The closing message asks
// ResultadoGravacao whether a keyboard received the layout; without that entry it reports
// success as it always did. The outcome is that of the plan's last closing message.
WriteOutcome RunWrite(const WritePlan& plan, const CellCodes& codes, VarnoCalls& varno,
                      WriteSurface& surface);

}  // namespace lavrix
