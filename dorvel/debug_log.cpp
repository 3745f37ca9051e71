#include "dorvel/debug_log.h"

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <locale>
#include <sstream>
#include <string>

#include "platform/platform.h"

namespace velmar::dorvel {
namespace {

constexpr const char* kLogFile = "RepDorveldebug.txt";

// The time of day in the user's long time format.
std::string timeText() {
  const std::tm now = platform::clock().localTime();
  std::ostringstream text;
  try {
    text.imbue(std::locale(""));
  } catch (const std::runtime_error&) {
    // An unknown locale in the environment: keep the classic format.
  }
  text << std::put_time(&now, "%X");
  return text.str();
}

}  // namespace

void DebugLog(std::string_view text) {
  std::error_code error;
  if (!std::filesystem::exists(kLogFile, error)) return;
  if (!std::ifstream(kLogFile)) return;
  std::ofstream log(kLogFile, std::ios::app);
  if (!log) return;
  log << timeText() << " = " << text;
}

void DebugLogFormat(const char* format, ...) {
  char text[512];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  DebugLog(text);
}

}  // namespace velmar::dorvel
