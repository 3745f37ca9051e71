#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "cli/cli_files.h"
#include "core/layout_file.h"
#include "import/old_layout.h"

namespace lavrix::cli {

// The import dialog's button a KIND names: its kind number, or its caption with letter case
// and surrounding blanks aside. nullptr when no button matches.
const OldLayoutButton* FindImportButton(std::string_view kind);

// The file the editor saves after it started and imported `bytes` as the button's kind.
Outcome<LayoutFile> ImportedLayout(const OldLayoutButton& button,
                                   std::span<const std::uint8_t> bytes);

}  // namespace lavrix::cli
