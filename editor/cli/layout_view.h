#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/layout_file.h"

namespace lavrix::cli {

// The model as its menu item names it.
std::string ModelText(std::int16_t model);

// The protection level as the options dialog names it.
std::string ProtectionText(std::int16_t level);

// Whether the editor, freshly started, shows the file's positions: not for a write-only
// layout whose password is not the one the editor starts with.
bool PositionsShown(const LayoutFile& file);

// What `show` prints: model, protection, reminder, and each page (0-3, or only `page`) as the
// model's matrix, hidden positions that hold a code listed under it.
std::string DescribeLayout(const LayoutFile& file, std::optional<int> page);

}  // namespace lavrix::cli
