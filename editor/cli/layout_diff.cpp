#include "cli/layout_diff.h"

#include <cstdio>

#include "cli/cell_text.h"
#include "cli/layout_view.h"
#include "core/cp1252.h"

namespace lavrix::cli {
namespace {

std::string CodeText(int code) {
  const std::string caption = CellText(code);
  if (code == 0 || caption.empty()) return std::to_string(code);
  return std::to_string(code) + " (" + caption + ")";
}

void DiffPositions(std::vector<std::string>& lines, const LayoutFile& a, const LayoutFile& b) {
  const bool shown = PositionsShown(a) && PositionsShown(b);
  for (int page = 0; page < kPageCount; ++page) {
    int differing = 0;
    for (int position = 1; position <= kPositionsPerPage; ++position) {
      const std::size_t cell = *CellIndex(page, position);
      if (a.codes[cell] == b.codes[cell]) continue;
      ++differing;
      if (shown) {
        lines.push_back("Página " + std::to_string(page + 1) + ", posição " +
                        std::to_string(position) + ": " + CodeText(a.codes[cell]) + " → " +
                        CodeText(b.codes[cell]));
      }
    }
    if (!shown && differing > 0) {
      lines.push_back("Página " + std::to_string(page + 1) + ": " + std::to_string(differing) +
                      " posições diferem (arquivo protegido)");
    }
  }
}

}  // namespace

std::vector<std::string> DiffLayouts(const LayoutFile& a, const LayoutFile& b) {
  std::vector<std::string> lines;
  if (a.model != b.model)
    lines.push_back("Modelo: " + ModelText(a.model) + " → " + ModelText(b.model));
  if (a.protection != b.protection) {
    lines.push_back("Proteção: " + ProtectionText(a.protection) + " → " +
                    ProtectionText(b.protection));
  }
  if (a.password != b.password) lines.push_back("Senha: diferente");
  if (a.reminder != b.reminder) {
    lines.push_back("Lembrete: " + Cp1252ToUtf8(a.reminder) + " → " + Cp1252ToUtf8(b.reminder));
  }
  DiffPositions(lines, a, b);
  return lines;
}

std::vector<std::string> DiffImages(const UsbImage& a, const UsbImage& b) {
  std::vector<std::string> lines;
  char line[48];
  for (std::size_t offset = 0; offset < a.size(); ++offset) {
    if (a[offset] == b[offset]) continue;
    std::snprintf(line, sizeof line, "Byte %03zx: %02x → %02x", offset, a[offset], b[offset]);
    lines.emplace_back(line);
  }
  return lines;
}

}  // namespace lavrix::cli
