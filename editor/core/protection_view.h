#pragma once

#include <QMainWindow>

#include "core/file_protection.h"

namespace lavrix {

// Shows and enables what the view gives of the main window (`Frame1` matrix, `Frame2` pages,
// `Frame3` key selection, the page menu items) and sets the client area's height.
void ApplyProtectionView(QMainWindow& window, ProtectionView view, int heightTwips);

}  // namespace lavrix
