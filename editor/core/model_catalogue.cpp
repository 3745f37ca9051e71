#include "core/model_catalogue.h"

#include <algorithm>

namespace lavrix {
namespace {

using Ranges = std::vector<PositionRange>;

const Ranges kDorvelPositions{{1, 13}, {17, 29}, {33, 45}, {49, 61}, {65, 77}};
const Ranges kFeskPositions{{1, 11}, {17, 27}, {33, 43}, {49, 59}};
const Ranges kBraloPositions{{1, 5}, {17, 21}, {33, 37}, {49, 53}};

}  // namespace

const std::vector<ModelRow>& ModelCatalogue() {
  static const std::vector<ModelRow> rows{
      {0,
       "MDORVELdisAT",
       "DORVEL Dis AT/USB (4 códigos)",
       "DORVEL Dis AT/USB (4 códigos)",
       "dorvelm.gif",
       4,
       kDorvelPositions,
       {},
       true},
      {1,
       "MFESKDisAT",
       "FESK Dis AT /USB (4 códigos)",
       "FESK Dis AT/USB (4 códigos)",
       "feskdis.gif",
       4,
       kFeskPositions,
       {},
       true},
      {2,
       "MCINDODisAT",
       "BRALO Dis AT (4 códigos)",
       "BRALO Dis AT (4 códigos)",
       "bralodis.gif",
       4,
       kBraloPositions,
       {},
       true},
      {3,
       "MHOLBEAT",
       "HOLBE AT (4 códigos)",
       "    HOLBE AT    (4 códigos)",
       "holbe.gif",
       4,
       {{1, 12}, {17, 28}, {33, 44}, {49, 60}, {65, 76}, {81, 92}},
       {{1, 12}},
       true},
      {4,
       "MFESKAT",
       "FESK AT (2 códigos)",
       " FESK AT(2 códigos)",
       "feskSemLEC.gif",
       2,
       kFeskPositions,
       {},
       true},
      {5,
       "MBRALOAT",
       "CINDO AT (4 códigos)",
       "    CINDO AT    (4 códigos)",
       "braloSemdis.gif",
       4,
       {{1, 4}, {17, 20}, {33, 36}, {49, 51}, {65, 68}, {81, 81}, {83, 83}},
       {},
       true},
      {6,
       "MQUENT90",
       "Quentar 90 teclas (4 códigos)",
       "Quent 90 Teclas (4 códigos)",
       "quent2.gif",
       4,
       {{1, 15}, {17, 31}, {33, 47}, {49, 63}, {65, 79}, {81, 94}},
       {},
       true},
      {7,
       "MQUENT84",
       "Quentar 84 teclas (4 códigos)",
       "Quent 84 Teclas (4 códigos)",
       "quent2.gif",
       4,
       {{1, 14}, {17, 30}, {33, 46}, {49, 62}, {65, 78}, {81, 94}},
       {},
       true,
       true},
      {8,
       "MQUENT44",
       "Quentar 44 teclas (4 códigos)",
       "Quent 44 Teclas (4 códigos)",
       "feskdis.gif",
       4,
       kFeskPositions,
       {},
       true},
      {9,
       "MPIROLOLD",
       "PIROL AT (antigo 1 código)",
       "DORVEL Antigo (1 código)",
       "dorvelm.gif",
       1,
       kDorvelPositions,
       {},
       true},
      {10,
       "MFESKDisOLD",
       "FESK AT (antigo 2 códigos)",
       "FESK Antigo (2 códigos)",
       "feskSemLEC.gif",
       2,
       kFeskPositions,
       {},
       true},
      {11,
       "MDORVELDisSerial",
       "DORVEL Dis Serial (4 códigos)",
       "  DORVEL Serial  (4 códigos)",
       "dorvelm.gif",
       4,
       kDorvelPositions,
       {},
       true,
       true},
      {12,
       "MFESKDisSerial",
       "FESK Dis Serial (4 códigos)",
       "  FESK Serial  (4 códigos)",
       "feskdis.gif",
       4,
       kFeskPositions,
       {},
       true,
       true},
      {13,
       "MGORIMAT",
       "GORIM AT/USB  (4 códigos)",
       "GORIM AT/USB(4 códigos)",
       "gorim.gif",
       4,
       {{1, 11}, {17, 27}, {33, 43}, {49, 59}, {65, 75}, {81, 91}},
       {},
       true},
      {14,
       "MANSUAT",
       "ANSUAT(4 códigos)",
       "ANSU AT (4 códigos)",
       "ansu.gif",
       4,
       {{1, 3}, {17, 19}, {33, 35}, {49, 51}},
       {},
       true},
      {17,
       "MILVARAT",
       "ILVAR AT/USB (4 códigos)",
       "ILVAR AT/USB (4 códigos)",
       "Ilvar.gif",
       4,
       {{1, 1},
        {3, 7},
        {17, 17},
        {19, 23},
        {33, 33},
        {35, 39},
        {41, 44},
        {49, 49},
        {51, 55},
        {57, 60},
        {65, 65},
        {67, 71},
        {73, 76},
        {81, 81},
        {83, 87},
        {89, 92},
        {112, 115}},
       {},
       true},
      {2,
       "MLumar",
       "Lumar 4 cod",
       "Lumar (4 códigos)",
       "bralodis.gif",
       4,
       kBraloPositions,
       {},
       false},
      {1,
       "MTessin",
       "Tessin &4 cod",
       "Tessin (4 códigos)",
       "feskdis.gif",
       4,
       kFeskPositions,
       {},
       false},
  };
  return rows;
}

const ModelRow* FindModelItem(std::string_view menuItem) {
  const auto& rows = ModelCatalogue();
  const auto row = std::ranges::find(rows, menuItem, &ModelRow::menuItem);
  return row == rows.end() ? nullptr : &*row;
}

const ModelRow* MainRowOfModel(std::int16_t number) {
  // The main rows come first, so the first match is never a generate-only variant.
  const auto& rows = ModelCatalogue();
  const auto row = std::ranges::find(rows, number, &ModelRow::number);
  return row == rows.end() ? nullptr : &*row;
}

bool ShowsPosition(const ModelRow& row, int button, bool lastLineOption) {
  const auto& ranges =
      lastLineOption && !row.lastLinePositions.empty() ? row.lastLinePositions : row.positions;
  return std::ranges::any_of(ranges, [button](const PositionRange& range) {
    return button >= range.first && button <= range.last;
  });
}

const std::vector<std::string_view>& ModelMenuOrder() {
  static const std::vector<std::string_view> items{
      "MDORVELdisAT", "MFESKDisAT",       "MCINDODisAT",   "MANSUAT",  "MHOLBEAT",
      "MGORIMAT",     "MFESKAT",          "MBRALOAT",      "MILVARAT", "",
      "MQUENT90",     "MQUENT84",         "MQUENT44",      "",         "MPIROLOLD",
      "MFESKDisOLD",  "MDORVELDisSerial", "MFESKDisSerial"};
  return items;
}

const std::vector<std::string_view>& GenerateOnlyMenuOrder() {
  static const std::vector<std::string_view> items{"MLumar", "MTessin"};
  return items;
}

}  // namespace lavrix
