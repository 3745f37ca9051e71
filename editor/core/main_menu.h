#pragma once

#include <QAction>
#include <QMenuBar>
#include <array>
#include <map>
#include <string>
#include <string_view>

#include "core/editor_state.h"

namespace lavrix {

// The items of the main window's menus that the editor's commands reach.
struct MainMenu {
  QAction* sair = nullptr;
  std::map<std::string, QAction*, std::less<>> models;
  std::array<QAction*, kPageCount> pages{};
  QAction* ajudaLavrix = nullptr;
  QAction* sobre = nullptr;
};

// Fills the menu bar with every menu and item in the design's order. Items whose commands come
// with the file, options and import features are in place, not yet connected.
MainMenu BuildMainMenu(QMenuBar& bar);

}  // namespace lavrix
