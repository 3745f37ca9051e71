#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <variant>

#include "core/layout_file.h"

namespace lavrix {

// Reads and checks a whole layout file; on failure, the message that says which file and, for a
// malformed one, which line.
std::variant<LayoutFile, QString> ReadLayoutFileAt(const QString& path);

// Writes the text to a new file and puts it in place of the old one only once it is complete;
// on failure, the message naming the file and the reason. The old file is then untouched.
std::optional<QString> SaveLayoutTextAt(const QString& path, std::string_view text);

}  // namespace lavrix
