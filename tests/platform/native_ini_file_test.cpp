#include <gtest/gtest.h>

#include "platform/native/ini_file.h"

namespace velmar::platform::native {
namespace {

using Values = std::map<std::string, std::string>;

struct IniCase {
  const char* name;
  std::string_view text;
  Values values;
};

const IniCase kCases[] = {
    {"value with separators kept whole", "Vend=ABCD;1234;", {{"vend", "ABCD;1234;"}}},
    {"first equals sign splits", "Key=a=b;c", {{"key", "a=b;c"}}},
    {"spaces around name and value", "  Dorvel Port \t=  0x60 \t", {{"dorvel port", "0x60"}}},
    {"quotes removed", "Name=\" padded; \"", {{"name", " padded; "}}},
    {"lone quote kept", "Name=\"", {{"name", "\""}}},
    {"empty value", "Name=", {{"name", ""}}},
    {"comments, sections and blank lines",
     "# Vend=1\n; Prod=2\n[Dorvel USB]\n\n   \n  ; indented=3\nKept=4",
     {{"kept", "4"}}},
    {"lines without a name or equals sign", "=orphan\nno separator\nName=1", {{"name", "1"}}},
    {"CRLF line ends", "A=1\r\nB=2\r\n", {{"a", "1"}, {"b", "2"}}},
    {"byte order mark", "\xEF\xBB\xBFVend=1753;", {{"vend", "1753;"}}},
    {"first of a repeated name wins", "Vend=1\nVEND=2", {{"vend", "1"}}},
    {"empty text", "", {}},
};

TEST(NativeIniFileTest, Parse) {
  for (const IniCase& c : kCases) {
    EXPECT_EQ(parseIni(c.text), c.values) << c.name;
  }
}

TEST(NativeIniFileTest, NamesLowerCaseOnlyAsciiLetters) {
  EXPECT_EQ(iniName("Dorvel USB_1.0-\xC3\x84"), "dorvel usb_1.0-\xC3\x84");
}

}  // namespace
}  // namespace velmar::platform::native
