#pragma once

#include <string>
#include <vector>

#include "platform/velmar_sim.h"

// The texts the simulated platform records, for the programming library's tests.
namespace velmar::testing {

inline std::string simText(int (*read)(char*, int)) {
  std::vector<char> text(static_cast<std::size_t>(read(nullptr, 0)) + 1);
  read(text.data(), static_cast<int>(text.size()));
  return text.data();
}

// One "caption: text" line per message box shown.
inline std::string shownMessages() {
  return simText(VelmarSimMessages);
}

// One "vk scan flags" line per synthesised key event.
inline std::string injectedKeys() {
  return simText(VelmarSimInjectedKeys);
}

}  // namespace velmar::testing
