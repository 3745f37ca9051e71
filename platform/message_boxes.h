#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

namespace velmar::platform {

enum class MessageIcon { None = 0, Error = 1, Warning = 2, Information = 3 };

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
};

// A handler the host program installs to show message boxes (the editor shows a dialog).
using MessageBoxHandler = void (*)(const char* text, const char* caption, int icon, void* context);

class VELMAR_PLATFORM_API MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows a message with an OK button and returns when it is dismissed. Without a handler the
  // message goes to standard error; the simulated platform also records it.
  virtual void show(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
  virtual void setHandler(MessageBoxHandler handler, void* context) = 0;
  // Messages shown so far, oldest first (recorded by the simulated platform only).
  virtual std::vector<ShownMessage> shown() = 0;
};

}  // namespace velmar::platform
