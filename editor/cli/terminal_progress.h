#pragma once

#include <optional>
#include <ostream>

#include "write/run_write.h"

namespace lavrix::cli {

// Where a write from the command line shows itself: a progress bar on a terminal, a line at
// each tenth otherwise; its pauses sleep on the platform's clock; its closing message is kept
// for the caller, who knows what the write was for.
class TerminalProgress final : public WriteSurface {
 public:
  TerminalProgress(std::ostream& out, bool terminal);

  void ProcessEvents() override {}
  void SetProgress(double value) override;
  void Pause(int milliseconds) override;
  void ShowMessage(const WriteMessage& message) override;

  const std::optional<WriteMessage>& Message() const { return message_; }

 private:
  std::ostream& out_;
  bool terminal_;
  int shownPercent_ = -1;
  bool barOpen_ = false;
  std::optional<WriteMessage> message_;
};

}  // namespace lavrix::cli
