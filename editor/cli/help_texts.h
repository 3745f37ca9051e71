#pragma once

#include <optional>
#include <string>

#include "cli/command_line.h"

namespace lavrix::cli {

// The program's help, or one command's.
std::string HelpText(std::optional<Command> command);

}  // namespace lavrix::cli
