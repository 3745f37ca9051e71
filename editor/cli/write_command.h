#pragma once

#include <ostream>

#include "cli/command_line.h"

namespace lavrix::cli {

// `write`: the layout into one keyboard, or with --wait into each keyboard plugged in until
// interrupted. Varno is looked for beside the module that holds `besideAddress`.
int RunWriteCommand(const Invocation& invocation, std::ostream& out, std::ostream& err,
                    const void* besideAddress);

}  // namespace lavrix::cli
