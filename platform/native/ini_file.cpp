#include "platform/native/ini_file.h"

#include <algorithm>

namespace velmar::platform::native {
namespace {

constexpr std::string_view kWhitespace = " \t\r\f\v";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kWhitespace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kWhitespace) - first + 1);
}

std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string iniName(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return lower;
}

std::map<std::string, std::string> parseIni(std::string_view text) {
  // Files saved by Windows editors may start with a byte order mark.
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

  std::map<std::string, std::string> values;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

    if (line.empty() || line.front() == '#' || line.front() == ';' || line.front() == '[') {
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = trim(line.substr(0, equals));
    if (name.empty()) continue;
    values.emplace(iniName(name), std::string(unquote(trim(line.substr(equals + 1)))));
  }
  return values;
}

}  // namespace velmar::platform::native
