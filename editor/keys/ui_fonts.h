#pragma once

#include <QFont>
#include <string_view>

namespace lavrix {

// The design's fonts are kept by name; drawing falls back on sans and serif fonts of the machine.
void InstallFontSubstitutes();

// A font of the design: its family name as the design gives it, its size in points.
QFont DesignFont(std::string_view family, double pointSize);

// Whether the arrows of the arrow keys can be drawn from their characters.
bool WingdingsInstalled();

}  // namespace lavrix
