#include <gtest/gtest.h>

#include "dorvel/usb_ids.h"

namespace velmar::dorvel {
namespace {

using Table = std::array<std::int32_t, kIdEntries>;

TEST(DorvelIdList, ReadsIdsEndedBySemicolons) {
  const struct {
    const char* text;
    Table expected;
  } cases[] = {
      {"", {7}},
      {"ABCD;1234;", {7, 0xABCD, 0x1234}},
      {"abcd;", {7, 0xABCD}},
      {"ABCD;1234", {7, 0xABCD}},        // the last id has no ';'
      {"ABCDE;12;", {7, 0xABCD, 0x12}},  // digits after the fourth are ignored
      {"XYZ;;12G4;", {7, 0, 0, 0x12}},   // not hex, empty, stops at the first non-digit
      {" 1;2;3;4;5;6;7;8;9;A;B;", {7, 1, 2, 3, 4, 5, 6, 7, 8, 9}},  // nine at most
  };
  for (const auto& c : cases) {
    Table table{7, 99, 99, 99, 99, 99, 99, 99, 99, 99};
    ParseIdList(c.text, table);
    EXPECT_EQ(table, c.expected) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace velmar::dorvel
