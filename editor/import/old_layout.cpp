#include "import/old_layout.h"

#include <algorithm>

#include "write/key_order_table.h"

namespace lavrix {
namespace {

using Cells = std::array<std::int16_t, kCellCount>;

constexpr int kPageSize = kPositionsPerPage;

const std::array<OldLayoutButton, 15> kButtons{{
    {1, ImportFrame::Normal, "DORVEL Dis AT/USB (4 Códigos)", 512, 0, 0},
    {2, ImportFrame::Normal, "FESK Dis AT/USB (4 Códigos)", 512, 1, 1},
    {3, ImportFrame::Normal, "BRALO Dis AT (4 Códigos)", 512, 2, 2},
    {4, ImportFrame::Normal, "FESK AT (2 Códigos)", 128, 3, 4},
    {5, ImportFrame::Normal, "CINDO AT (4 Códigos)", 512, 4, 5},
    {6, ImportFrame::Normal, "Quent 90 Teclas (4 Códigos)", 512, 5, 6},
    {7, ImportFrame::Normal, "Quent 44 Teclas (4 Códigos)", 512, 6, 8},
    {8, ImportFrame::Normal, "PIROL AT (antigo 1 Código)", 80, 7, 9},
    {9, ImportFrame::Normal, "FESK AT (antigo 2 Códigos)", 128, 3, 4},
    {13, ImportFrame::Normal, "ANSU AT (4 Códigos)", 512, kAnsuImportKind, 14},
    {15, ImportFrame::Normal, "GORIM AT/USB (4 Códigos)", 512, kGorimImportKind, 13},
    {17, ImportFrame::Normal, "HOLBE At (4 códigos)", 512, 14, 3},
    {10, ImportFrame::Cruzada, "PIROL - DORVEL Dis", 80, 9, 0},
    {11, ImportFrame::Cruzada, "FESK 1C - FESK 2C", 44, 10, 4},
    {12, ImportFrame::Cruzada, "FESK 2C ant - FESK 2C", 88, 11, 4},
}};

// Stores the file's bytes in order into the cells `cellOf` names for each byte index.
template <typename CellOf>
void StoreInOrder(std::span<const std::uint8_t> bytes, Cells& codes, CellOf cellOf) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (const auto cell = cellOf(static_cast<int>(i))) {
      codes[static_cast<std::size_t>(*cell)] = bytes[i];
    }
  }
}

// Rows of 16 keys, columns 11 to 13 kept at the end of the page (at 80, 96 and 112 plus the
// row) and columns 14 and 15 where the kind puts them.
int OldRowCell(int row, int column, int column14, int column15) {
  switch (column) {
    case 11:
      return 80 + row;
    case 12:
      return 96 + row;
    case 13:
      return 112 + row;
    case 14:
      return column14;
    case 15:
      return column15;
    default:
      return 16 * row + column;
  }
}

// Old ANSU files keep a page's twelve keys in rows of 8 (cells 0-2, 8-10, 16-18, 24-26); the
// model and its writer use rows of 16. Each key moves to its position's cell, and the places
// it left hold no key.
void MoveAnsuKeysToTheirPositions(Cells& codes) {
  for (int page = 0; page < kPageCount; ++page) {
    const int base = kPageSize * page;
    std::array<std::int16_t, 12> keys{};
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 3; ++column) {
        auto& old = codes[static_cast<std::size_t>(base + 8 * row + column)];
        keys[static_cast<std::size_t>(3 * row + column)] = old;
        if (row > 0) old = 0;
      }
    }
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 3; ++column) {
        codes[static_cast<std::size_t>(base + 16 * row + column)] =
            keys[static_cast<std::size_t>(3 * row + column)];
      }
    }
  }
}

}  // namespace

const std::array<OldLayoutButton, 15>& OldLayoutButtons() {
  return kButtons;
}

const OldLayoutButton* FindOldLayoutKind(std::int16_t kind) {
  const auto found = std::find_if(kButtons.begin(), kButtons.end(),
                                  [kind](const OldLayoutButton& b) { return b.kind == kind; });
  return found == kButtons.end() ? nullptr : &*found;
}

bool ImportOldLayout(std::int16_t kind, std::span<const std::uint8_t> bytes, Cells& codes) {
  const OldLayoutButton* row = FindOldLayoutKind(kind);
  if (!row || bytes.size() != row->fileLength) return false;
  switch (kind) {
    case 3:  // two pages of four rows of 16
      StoreInOrder(bytes, codes, [](int i) -> std::optional<int> {
        const int page = i / 64;
        const int row = i / 16 % 4;
        const int column = i % 16;
        return kPageSize * page + OldRowCell(row, column, 16 * row + 14, 16 * row + 15);
      });
      break;
    case 4:  // 32 keys a page in the CINDO keyboard's order, the rest of the page unused
      codes.fill(0);
      StoreInOrder(bytes, codes, [](int i) -> std::optional<int> {
        const int inPage = i % kPageSize;
        if (inPage >= static_cast<int>(KeyOrderTable.size())) return std::nullopt;
        return kPageSize * (i / kPageSize) + KeyOrderTable[static_cast<std::size_t>(inPage)];
      });
      break;
    case 7:
    case 9:  // one page of five rows of 16
      StoreInOrder(bytes, codes, [](int i) -> std::optional<int> {
        const int row = i / 16;
        return OldRowCell(row, i % 16, 16 * row + 11, 16 * row + 12);
      });
      break;
    case 10:  // one page of four rows of 11
      StoreInOrder(bytes, codes,
                   [](int i) -> std::optional<int> { return 16 * (i / 11) + i % 11; });
      break;
    case 11:  // two pages of four rows of 11
      StoreInOrder(bytes, codes, [](int i) -> std::optional<int> {
        return kPageSize * (i / 44) + 16 * (i % 44 / 11) + i % 11;
      });
      break;
    default:  // four pages of 128, byte by byte
      StoreInOrder(bytes, codes, [](int i) -> std::optional<int> { return i; });
      if (kind == kAnsuImportKind) MoveAnsuKeysToTheirPositions(codes);
      break;
  }
  return true;
}

}  // namespace lavrix
