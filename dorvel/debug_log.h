#pragma once

#include <string_view>

namespace velmar::dorvel {

// Appends "<local time> = <text>" to RepDorveldebug.txt in the current directory, only when that
// file exists already: creating it switches the log on.
void DebugLog(std::string_view text);

// DebugLog of a printf-style text.
void DebugLogFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace velmar::dorvel
