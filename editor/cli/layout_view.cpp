#include "cli/layout_view.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "cli/cell_text.h"
#include "core/cp1252.h"
#include "core/file_protection.h"
#include "core/model_catalogue.h"
#include "keys/matrix_positions.h"

namespace lavrix::cli {
namespace {

constexpr std::size_t kCellWidth = 3;

// One line of the matrix: the layout position in each column, or 0 where no button shows.
struct MatrixRow {
  int label;
  std::vector<int> positions;
};

// Without a catalogue row the window keeps every button it has.
bool Shown(const ModelRow* row, int button, bool lastLine) {
  return !row || ShowsPosition(*row, button, lastLine);
}

// The lines of the model's matrix as the window draws them, each labelled with the position of
// its first button; the last-line option's row after the others.
std::vector<MatrixRow> MatrixOf(const ModelRow* row) {
  std::vector<MatrixRow> rows(kMatrixRows, MatrixRow{0, std::vector<int>(kMatrixColumns, 0)});
  for (int button : PositionButtons()) {
    const MatrixCell cell = MatrixCellOfButton(button);
    MatrixRow& line = rows[static_cast<std::size_t>(cell.row)];
    if (line.label == 0) line.label = button;
    if (Shown(row, button, false)) line.positions[static_cast<std::size_t>(cell.column)] = button;
  }
  if (row && !row->lastLinePositions.empty()) {
    MatrixRow lastLine{LayoutPositionOfButton(1, true), std::vector<int>(kMatrixColumns, 0)};
    for (int button = 1; button <= kMatrixColumns; ++button) {
      if (Shown(row, button, true)) {
        lastLine.positions[static_cast<std::size_t>(MatrixCellOfButton(button).column)] =
            LayoutPositionOfButton(button, true);
      }
    }
    rows.push_back(std::move(lastLine));
  }
  std::erase_if(rows, [](const MatrixRow& line) {
    return std::ranges::all_of(line.positions, [](int position) { return position == 0; });
  });
  return rows;
}

std::string Cell(int code) {
  const std::string text = CellText(code);
  const std::size_t width = TextWidth(text);
  const std::size_t pad = width < kCellWidth ? kCellWidth - width : 0;
  return "[" + std::string(pad / 2, ' ') + text + std::string(pad - pad / 2, ' ') + "]";
}

std::string RowLabel(int position) {
  char label[16];
  std::snprintf(label, sizeof label, "%4d", position);
  return label;
}

std::int16_t CodeAt(const LayoutFile& file, int page, int position) {
  return file.codes[*CellIndex(page, position)];
}

// "Posições ocultas com código: 14 (código 12), 16 (código 3)" over lines of a terminal's
// width; empty when no position holds a code.
std::string HiddenCodes(const LayoutFile& file, int page, const std::set<int>& positions) {
  constexpr std::size_t kLineWidth = 100;
  constexpr std::string_view kIndent = "  ";
  std::string text;
  std::size_t lineStart = 0;
  for (int position : positions) {
    const std::int16_t code = CodeAt(file, page, position);
    if (code == 0) continue;
    const std::string item = std::to_string(position) + " (código " + std::to_string(code) + ")";
    if (text.empty()) {
      text = "Posições ocultas com código: " + item;
    } else if (TextWidth(text.substr(lineStart)) + item.size() + 2 > kLineWidth) {
      text += ",\n";
      lineStart = text.size();
      text += std::string(kIndent) + item;
    } else {
      text += ", " + item;
    }
  }
  return text.empty() ? text : text + "\n";
}

std::set<int> AllPositions() {
  std::set<int> positions;
  for (int position = 1; position <= kPositionsPerPage; ++position)
    positions.insert(position);
  return positions;
}

void DescribePage(std::string& text, const LayoutFile& file, int page,
                  const std::vector<MatrixRow>& matrix) {
  text += "\nPágina " + std::to_string(page + 1) + "\n";
  std::set<int> hidden = AllPositions();
  for (const MatrixRow& line : matrix) {
    std::string drawn = RowLabel(line.label);
    for (int position : line.positions) {
      drawn += ' ';
      drawn += position ? Cell(CodeAt(file, page, position)) : std::string(kCellWidth + 2, ' ');
      hidden.erase(position);
    }
    while (drawn.back() == ' ')
      drawn.pop_back();
    text += drawn + "\n";
  }
  text += HiddenCodes(file, page, hidden);
}

void DescribeUnusedPage(std::string& text, const LayoutFile& file, int page, bool asked) {
  const std::string codes = HiddenCodes(file, page, AllPositions());
  if (codes.empty() && !asked) return;
  text += "\nPágina " + std::to_string(page + 1) + ": o modelo não usa esta página\n" + codes;
}

}  // namespace

std::string ModelText(std::int16_t model) {
  const ModelRow* row = MainRowOfModel(model);
  if (!row) return std::to_string(model) + " (fora do catálogo de modelos)";
  return std::to_string(model) + " - " + std::string(row->menuCaption);
}

std::string ProtectionText(std::int16_t level) {
  if (level >= 0 && level < static_cast<int>(kProtectionCaptions.size()))
    return std::string(kProtectionCaptions[static_cast<std::size_t>(level)]);
  return std::to_string(level) + " (nível desconhecido)";
}

bool PositionsShown(const LayoutFile& file) {
  EditorState fresh;
  fresh.FilePassword = Cp1252ToUtf8(file.password);
  fresh.FileProtection = static_cast<ProtectionLevel>(file.protection);
  return ViewAfterOpen(fresh) != ProtectionView::WriteOnly;
}

std::string DescribeLayout(const LayoutFile& file, std::optional<int> page) {
  std::string text = "Modelo: " + ModelText(file.model) + "\n";
  text += "Proteção: " + ProtectionText(file.protection) + "\n";
  text += "Lembrete: " + Cp1252ToUtf8(file.reminder) + "\n";
  if (!PositionsShown(file)) {
    text += "\nAs posições não são mostradas: o arquivo é protegido (" +
            ProtectionText(static_cast<std::int16_t>(ProtectionLevel::WriteOnly)) + ").\n";
    return text;
  }
  const ModelRow* row = MainRowOfModel(file.model);
  const int modelPages = row ? row->pages : kPageCount;
  const std::vector<MatrixRow> matrix = MatrixOf(row);
  for (int p = 0; p < kPageCount; ++p) {
    if (page && *page != p) continue;
    if (p < modelPages) {
      DescribePage(text, file, p, matrix);
    } else {
      DescribeUnusedPage(text, file, p, page.has_value());
    }
  }
  return text;
}

}  // namespace lavrix::cli
