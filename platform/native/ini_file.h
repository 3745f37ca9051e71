#pragma once

#include <map>
#include <string>
#include <string_view>

namespace velmar::platform::native {

// The values of INI text by name, names in lower case so that lookups ignore case. Lines are
// "name=value"; '#' and ';' start comment lines, "[section]" lines are ignored, and a name
// given twice keeps its first value, as the Windows profile functions read it.
std::map<std::string, std::string> parseIni(std::string_view text);

// The lower-case form of a value name, for lookups in what parseIni returns.
std::string iniName(std::string_view name);

}  // namespace velmar::platform::native
