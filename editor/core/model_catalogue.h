#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace lavrix {

struct PositionRange {
  int first;
  int last;
};

// One selectable keyboard model and the menu item that selects it.
struct ModelRow {
  std::int16_t number;
  std::string_view menuItem;
  std::string_view menuCaption;
  std::string_view label;
  std::string_view picture;
  int pages;
  std::vector<PositionRange> positions;
  // Positions shown while the last-line option is on; empty for models without the option.
  std::vector<PositionRange> lastLinePositions;
  bool mayWrite;
  // Reached only through a layout file that names the model.
  bool hiddenInMenu = false;
};

inline constexpr std::int16_t kLastLineModel = 3;
inline constexpr std::string_view kLastLineModelItem = "MHOLBEAT";

// Every row, the generate-only variants last.
const std::vector<ModelRow>& ModelCatalogue();

// The row of a menu item; nullptr for an unknown name.
const ModelRow* FindModelItem(std::string_view menuItem);

// The main row of a model number (never a generate-only variant); nullptr when it has none.
const ModelRow* MainRowOfModel(std::int16_t number);

// Whether position button n is shown for the row, the last-line option as given.
bool ShowsPosition(const ModelRow& row, int button, bool lastLineOption);

// The items of the "&Modelo" menu in order; an empty name stands for a separator.
const std::vector<std::string_view>& ModelMenuOrder();
// The items of the "&Gera VLY Ruvo's" menu in order.
const std::vector<std::string_view>& GenerateOnlyMenuOrder();

}  // namespace lavrix
