#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace velmar::sim::testing {

// The value of the "name=value" line called `name`; nullopt when there is none.
inline std::optional<std::string> stateValue(const std::string& stateText, std::string_view name) {
  std::istringstream lines(stateText);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.size() > name.size() && line.starts_with(name) && line[name.size()] == '=') {
      return line.substr(name.size() + 1);
    }
  }
  return std::nullopt;
}

}  // namespace velmar::sim::testing
