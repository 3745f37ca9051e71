#include "core/manual.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace lavrix {

void OpenManual(const QString& path) {
  // The desktop would report a missing file in a window of its own.
  if (!QFileInfo(path).isFile()) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace lavrix
