#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "keys/key_fonts.h"

namespace lavrix {

enum class ProtectionLevel : std::int16_t { Free = 0, ViewAndWrite = 1, WriteOnly = 2 };

inline constexpr int kPageCount = 4;
inline constexpr int kPositionsPerPage = 128;
inline constexpr int kCellCount = kPageCount * kPositionsPerPage;

inline constexpr std::string_view kDefaultPassword = "Velmar";
inline constexpr std::string_view kDefaultReminder = "Epshn";
inline constexpr std::string_view kDefaultDelay = "1024";
inline constexpr std::string_view kDefaultLayoutFileName = "arquivo_modelo0";

// Everything the editor's commands share, with the values a fresh start gives them.
struct EditorState {
  std::array<std::int16_t, kCellCount> LayoutCodes{};

  std::int16_t CurrentPage = 0;
  std::int16_t CurrentPosition = 0;
  std::int16_t CurrentCode = 0;
  std::string CurrentCaption = " ";
  std::string CurrentFontName{kSansSerifFont};
  std::int16_t CurrentModel = 0;

  std::string LayoutFileName{kDefaultLayoutFileName};
  std::string InitialDirectory;

  std::string FilePassword{kDefaultPassword};
  std::string FileReminder{kDefaultReminder};
  ProtectionLevel FileProtection = ProtectionLevel::Free;
  std::string EnteredPassword{kDefaultPassword};
  std::string EnteredReminder{kDefaultReminder};
  ProtectionLevel EnteredProtection = ProtectionLevel::Free;
  bool EditUnlocked = true;

  std::string DelayValue{kDefaultDelay};
  bool TimerElapsed = false;
  std::int16_t CellCode = 0;
  std::int16_t CellPosition = 0;
  std::int16_t ImportKind = 0;
  std::string ImportFileName;
  // Seconds since midnight of the running WaitSeconds' start; a day earlier once midnight passed.
  std::optional<std::int32_t> WaitStart;
};

// Whether the loaded layout may be changed or saved.
bool MayEdit(const EditorState& state);

// Zero-based cell of a page (0-3) and position (1-128); nullopt outside the 512 cells.
std::optional<std::size_t> CellIndex(int page, int position);

// The start-up values InitializeEditor puts in place before the first model set-up.
void SetStartValues(EditorState& state, std::string programDirectory);

}  // namespace lavrix
