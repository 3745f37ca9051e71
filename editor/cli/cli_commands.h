#pragma once

#include <ostream>

#include "cli/cli_files.h"
#include "cli/command_line.h"
#include "cli/usb_image.h"
#include "core/layout_file.h"
#include "write/write_plan.h"

namespace lavrix::cli {

// The image the write procedure leaves in a USB keyboard; a failure for a model the editor
// cannot write. `plan` is the layout's write plan, for a caller that has it already.
Outcome<UsbImage> ImageOfLayout(const LayoutFile& layout, const WritePlan& plan);
Outcome<UsbImage> ImageOfLayout(const LayoutFile& layout);

// The commands that need no keyboard. Each writes its result to `out`, what went wrong to
// `err`, and returns the exit status.
int RunShow(const Invocation& invocation, std::ostream& out, std::ostream& err);
int RunImport(const Invocation& invocation, std::ostream& out, std::ostream& err);
int RunImage(const Invocation& invocation, std::ostream& out, std::ostream& err);
int RunDiff(const Invocation& invocation, std::ostream& out, std::ostream& err);

}  // namespace lavrix::cli
