#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmar::sim {

// The keyboard's two-line character display with its cursor.
class CharacterDisplay {
 public:
  static constexpr int kRows = 2;
  static constexpr int kColumns = 20;

  CharacterDisplay();

  // Shows a character at the cursor and moves it on; past the end of a line the cursor goes to
  // the start of the next line, and from the last line back to the first.
  void put(std::uint8_t ch);
  // Moves the cursor one place back and blanks that place; nothing at the very start.
  void backspace();
  void lineFeed();                 // next line, same column; from the last line to the first
  void carriageReturn();           // start of the line
  void formFeed();                 // blank display, cursor at the start
  void clearLine(int row);         // blanks a line (0-based) and puts the cursor at its start
  void goTo(int row, int column);  // 0-based; out of range leaves the cursor
  void setEnabled(bool on) { enabled_ = on; }
  void setCursorMode(bool shown, bool blinking);

  int row() const { return row_; }
  int column() const { return column_; }
  bool enabled() const { return enabled_; }
  bool cursorShown() const { return cursorShown_; }
  bool cursorBlinking() const { return cursorBlinking_; }
  // Both lines, each followed by '\n'; characters outside 0x20-0x7E show as '?'.
  std::string text() const;
  std::uint8_t at(int row, int column) const { return cells_[row][column]; }

 private:
  std::array<std::array<std::uint8_t, kColumns>, kRows> cells_;
  int row_ = 0;
  int column_ = 0;
  bool enabled_ = true;
  bool cursorShown_ = false;
  bool cursorBlinking_ = false;
};

}  // namespace velmar::sim
