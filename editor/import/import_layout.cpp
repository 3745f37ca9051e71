#include "import/import_layout.h"

#include "core/select_model.h"
#include "import/old_layout.h"
#include "keys/cell_caption.h"

namespace lavrix {
namespace {

constexpr int kGorimEventRounds = 4;

}  // namespace

bool ApplyOldLayout(EditorState& state, EditorView& view, std::int16_t kind,
                    std::span<const std::uint8_t> bytes,
                    const std::function<void()>& processEvents) {
  const OldLayoutButton* row = FindOldLayoutKind(kind);
  if (!row || bytes.size() != row->fileLength) return false;
  SelectModel(state, view, *MainRowOfModel(row->model));
  ImportOldLayout(kind, bytes, state.LayoutCodes);
  for (int position = 1; position <= kImportRefreshedPositions; ++position) {
    if (kind == kGorimImportKind) {
      for (int round = 0; round < kGorimEventRounds; ++round)
        processEvents();
    }
    // Read each time: a handler run by the events above may have changed the page.
    const auto cell = CellIndex(state.CurrentPage, position);
    if (!cell) continue;
    state.CellCode = state.LayoutCodes[*cell];
    state.CellPosition = static_cast<std::int16_t>(position);
    ShowCellCaption(state, view);
  }
  return true;
}

}  // namespace lavrix
