#pragma once

#include <QString>

namespace lavrix {

// The user manual's fixed place, wherever the program was started from.
inline constexpr char kManualPath[] = "/usr/share/doc/lavrix/Manual Lavrix.pdf";

// Asks the desktop to open the manual in its PDF viewer. A missing manual, or no viewer for
// it, leaves everything as it was, without a message.
void OpenManual(const QString& path = kManualPath);

}  // namespace lavrix
