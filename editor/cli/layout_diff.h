#pragma once

#include <string>
#include <vector>

#include "cli/usb_image.h"
#include "core/layout_file.h"

namespace lavrix::cli {

// What differs between two layouts, one line each: model, protection, password (never shown),
// reminder, then each page and position. The positions of a file the editor would not show are
// only counted. Empty when the layouts are equal.
std::vector<std::string> DiffLayouts(const LayoutFile& a, const LayoutFile& b);

// What differs between two images, one line per byte.
std::vector<std::string> DiffImages(const UsbImage& a, const UsbImage& b);

}  // namespace lavrix::cli
