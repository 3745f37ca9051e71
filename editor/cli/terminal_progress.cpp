#include "cli/terminal_progress.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/platform.h"

namespace lavrix::cli {
namespace {

constexpr int kBarWidth = 30;
constexpr int kPlainStep = 10;

}  // namespace

TerminalProgress::TerminalProgress(std::ostream& out, bool terminal)
    : out_(out), terminal_(terminal) {}

void TerminalProgress::SetProgress(double value) {
  // The write clears its bar at the end; here the last figure stays until the message.
  if (value <= 0) return;
  const int percent =
      std::clamp(static_cast<int>(std::lround(100 * value / kWriteProgressMaximum)), 0, 100);
  if (terminal_) {
    if (percent == shownPercent_) return;
    const int filled = percent * kBarWidth / 100;
    out_ << "\rGravando [" << std::string(filled, '#') << std::string(kBarWidth - filled, '-')
         << "] " << percent << "%" << std::flush;
    barOpen_ = true;
    shownPercent_ = percent;
    return;
  }
  const int step = percent / kPlainStep * kPlainStep;
  if (step <= std::max(shownPercent_, 0)) return;
  out_ << "Gravando: " << step << "%" << std::endl;
  shownPercent_ = step;
}

void TerminalProgress::Pause(int milliseconds) {
  velmar::platform::clock().sleepMs(static_cast<std::uint32_t>(milliseconds));
}

void TerminalProgress::ShowMessage(const WriteMessage& message) {
  if (barOpen_) out_ << "\n" << std::flush;
  barOpen_ = false;
  message_ = message;
}

}  // namespace lavrix::cli
