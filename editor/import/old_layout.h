#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/editor_state.h"

namespace lavrix {

// The two frames of the import dialog: an old layout read for its own model, or converted to
// another one.
enum class ImportFrame { Normal, Cruzada };

// One button of the import dialog and the old file it accepts.
struct OldLayoutButton {
  int button;  // `Command`n
  ImportFrame frame;
  std::string_view caption;
  std::size_t fileLength;
  std::int16_t kind;
  std::int16_t model;
};

// ImportKind while the dialog is open and nothing is chosen.
inline constexpr std::int16_t kNoImportKind = 20;
// The ANSU AT kind, after which the layout may not be saved.
inline constexpr std::int16_t kAnsuImportKind = 12;
// The GORIM kind, whose caption refresh lets window events in before each position.
inline constexpr std::int16_t kGorimImportKind = 13;

inline constexpr std::string_view kImportDialogTitle = "Importação de arquivos antigos";
inline constexpr std::string_view kWrongLengthText = "Arquivo Binario invalido para este modelo.";
inline constexpr std::string_view kWrongLengthTitle = "Lavrix - Importação de Arquivos";
inline constexpr std::string_view kOldLayoutFilter = "Layout Teclados Velmar antigos (*.bin)";
inline constexpr std::string_view kOldLayoutFileName = "0.bin";

// The dialog's fifteen buttons, frame "Normal" first, in the dialog's order.
const std::array<OldLayoutButton, 15>& OldLayoutButtons();

// The row of a kind some button chooses; nullptr for any other number.
const OldLayoutButton* FindOldLayoutKind(std::int16_t kind);

// Fills `codes` from an old file of `kind`, each byte a code of 0-255 in the kind's order.
// Cells the kind does not name keep their codes. False, and `codes` untouched, for a kind no
// button chooses or a file whose length is not the kind's.
bool ImportOldLayout(std::int16_t kind, std::span<const std::uint8_t> bytes,
                     std::array<std::int16_t, kCellCount>& codes);

}  // namespace lavrix
