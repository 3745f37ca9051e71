#include "sim/character_display.h"

namespace velmar::sim {
namespace {

constexpr std::uint8_t kBlank = ' ';

}  // namespace

CharacterDisplay::CharacterDisplay() {
  formFeed();
}

void CharacterDisplay::put(std::uint8_t ch) {
  cells_[row_][column_] = ch;
  if (++column_ == kColumns) {
    column_ = 0;
    row_ = (row_ + 1) % kRows;
  }
}

void CharacterDisplay::backspace() {
  if (column_ > 0) {
    --column_;
  } else if (row_ > 0) {
    --row_;
    column_ = kColumns - 1;
  } else {
    return;
  }
  cells_[row_][column_] = kBlank;
}

void CharacterDisplay::lineFeed() {
  row_ = (row_ + 1) % kRows;
}

void CharacterDisplay::carriageReturn() {
  column_ = 0;
}

void CharacterDisplay::formFeed() {
  for (auto& line : cells_)
    line.fill(kBlank);
  row_ = 0;
  column_ = 0;
}

void CharacterDisplay::clearLine(int row) {
  if (row < 0 || row >= kRows) return;
  cells_[row].fill(kBlank);
  row_ = row;
  column_ = 0;
}

void CharacterDisplay::goTo(int row, int column) {
  if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return;
  row_ = row;
  column_ = column;
}

void CharacterDisplay::setCursorMode(bool shown, bool blinking) {
  cursorShown_ = shown;
  cursorBlinking_ = blinking;
}

std::string CharacterDisplay::text() const {
  std::string text;
  text.reserve(kRows * (kColumns + 1));
  for (const auto& line : cells_) {
    for (std::uint8_t ch : line)
      text += (ch >= 0x20 && ch <= 0x7E) ? static_cast<char>(ch) : '?';
    text += '\n';
  }
  return text;
}

}  // namespace velmar::sim
