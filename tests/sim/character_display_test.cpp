#include "sim/character_display.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar::sim {
namespace {

std::string line(const CharacterDisplay& display, int row) {
  return display.text().substr(row * (CharacterDisplay::kColumns + 1), CharacterDisplay::kColumns);
}

void putText(CharacterDisplay& display, const std::string& text) {
  for (char ch : text)
    display.put(static_cast<std::uint8_t>(ch));
}

struct Cursor {
  int row;
  int column;
};

void expectCursor(const CharacterDisplay& display, Cursor cursor) {
  EXPECT_EQ(display.row(), cursor.row);
  EXPECT_EQ(display.column(), cursor.column);
}

TEST(SimCharacterDisplayTest, StartsBlankWithTheCursorHome) {
  CharacterDisplay display;
  EXPECT_EQ(display.text(), std::string(20, ' ') + '\n' + std::string(20, ' ') + '\n');
  expectCursor(display, {0, 0});
}

TEST(SimCharacterDisplayTest, PutWrapsToTheNextLineAndFromTheLastToTheFirst) {
  CharacterDisplay display;
  putText(display, "abcdefghijklmnopqrst");
  expectCursor(display, {1, 0});
  putText(display, "ABCDEFGHIJKLMNOPQRST");
  expectCursor(display, {0, 0});
  display.put('!');
  EXPECT_EQ(line(display, 0), "!bcdefghijklmnopqrst");
  EXPECT_EQ(line(display, 1), "ABCDEFGHIJKLMNOPQRST");
  expectCursor(display, {0, 1});
}

struct BackspaceCase {
  Cursor from;
  Cursor to;
  std::string line0;
  std::string line1;
};

void PrintTo(const BackspaceCase& c, std::ostream* out) {
  *out << "from " << c.from.row << ',' << c.from.column;
}

class CharacterDisplayBackspaceTest : public ::testing::TestWithParam<BackspaceCase> {};

TEST_P(CharacterDisplayBackspaceTest, BlanksThePlaceBefore) {
  const BackspaceCase& c = GetParam();
  CharacterDisplay display;
  putText(display, "abcdefghijklmnopqrstABCDEFGHIJKLMNOPQRST");
  display.goTo(c.from.row, c.from.column);
  display.backspace();
  expectCursor(display, c.to);
  EXPECT_EQ(line(display, 0), c.line0);
  EXPECT_EQ(line(display, 1), c.line1);
}

INSTANTIATE_TEST_SUITE_P(
    Sim, CharacterDisplayBackspaceTest,
    ::testing::Values(
        BackspaceCase{{0, 5}, {0, 4}, "abcd fghijklmnopqrst", "ABCDEFGHIJKLMNOPQRST"},
        BackspaceCase{{1, 0}, {0, 19}, "abcdefghijklmnopqrs ", "ABCDEFGHIJKLMNOPQRST"},
        BackspaceCase{{1, 19}, {1, 18}, "abcdefghijklmnopqrst", "ABCDEFGHIJKLMNOPQR T"},
        BackspaceCase{{0, 0}, {0, 0}, "abcdefghijklmnopqrst", "ABCDEFGHIJKLMNOPQRST"}));

TEST(SimCharacterDisplayTest, LineFeedKeepsTheColumnAndCarriageReturnTheLine) {
  CharacterDisplay display;
  display.goTo(0, 7);
  display.lineFeed();
  expectCursor(display, {1, 7});
  display.lineFeed();
  expectCursor(display, {0, 7});
  display.goTo(1, 12);
  display.carriageReturn();
  expectCursor(display, {1, 0});
}

TEST(SimCharacterDisplayTest, FormFeedBlanksEverythingAndHomesTheCursor) {
  CharacterDisplay display;
  putText(display, "abcdefghijklmnopqrstABC");
  display.formFeed();
  EXPECT_EQ(display.text(), CharacterDisplay().text());
  expectCursor(display, {0, 0});
}

TEST(SimCharacterDisplayTest, ClearLineBlanksOnlyThatLine) {
  CharacterDisplay display;
  putText(display, "abcdefghijklmnopqrstABC");
  display.clearLine(1);
  EXPECT_EQ(line(display, 0), "abcdefghijklmnopqrst");
  EXPECT_EQ(line(display, 1), std::string(20, ' '));
  expectCursor(display, {1, 0});
  display.clearLine(0);
  EXPECT_EQ(line(display, 0), std::string(20, ' '));
  expectCursor(display, {0, 0});
}

TEST(SimCharacterDisplayTest, ClearLineOfNoLineChangesNothing) {
  CharacterDisplay display;
  putText(display, "abc");
  for (int row : {-1, 2}) {
    display.clearLine(row);
    EXPECT_EQ(line(display, 0).substr(0, 3), "abc");
    expectCursor(display, {0, 3});
  }
}

TEST(SimCharacterDisplayTest, GoToOutOfRangeLeavesTheCursor) {
  CharacterDisplay display;
  display.goTo(1, 19);
  expectCursor(display, {1, 19});
  for (Cursor outside : {Cursor{-1, 0}, Cursor{2, 0}, Cursor{0, -1}, Cursor{0, 20}}) {
    display.goTo(outside.row, outside.column);
    expectCursor(display, {1, 19});
  }
}

TEST(SimCharacterDisplayTest, TextShowsUnprintableCharactersAsQuestionMarks) {
  CharacterDisplay display;
  for (std::uint8_t ch : {0x1F, 0x20, 0x7E, 0x7F, 0x80, 0xFF, 0x00})
    display.put(ch);
  EXPECT_EQ(line(display, 0), "? ~????             ");
  EXPECT_EQ(display.at(0, 5), 0xFF);
}

}  // namespace
}  // namespace velmar::sim
