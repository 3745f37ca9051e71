#include "core/layout_file.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "core/cp1252.h"

namespace lavrix {
namespace {

// A layout with something unusual in every part of the file.
LayoutFile Sample() {
  LayoutFile file;
  for (int i = 0; i < kCellCount; ++i)
    file.codes[i] = static_cast<std::int16_t>((i * 37) % 200 - 50);
  file.codes[0] = -32768;
  file.codes[511] = 32767;
  file.password = "Ab,\xE7\x80";
  file.reminder = "x, y";
  file.protection = 2;
  file.model = 17;
  return file;
}

// The sample's fields, one string each, in file order.
std::vector<std::string> SampleFields() {
  std::vector<std::string> fields;
  const LayoutFile file = Sample();
  for (std::int16_t code : file.codes)
    fields.push_back(std::to_string(code));
  for (const std::string& text : {file.password, file.reminder}) {
    fields.push_back(std::to_string(text.size()));
    for (char c : text)
      fields.push_back(std::to_string(static_cast<unsigned char>(c)));
  }
  fields.push_back(std::to_string(file.protection));
  fields.push_back(std::to_string(file.model));
  return fields;
}

std::string Join(const std::vector<std::string>& fields, const std::string& separator) {
  std::string text;
  for (const std::string& field : fields)
    text += field + separator;
  return text;
}

TEST(LayoutFileFormat, WritesOneNumberALineEachEndedByCrLf) {
  EXPECT_EQ(WriteLayoutFile(Sample()), Join(SampleFields(), "\r\n"));
}

struct RoundTripCase {
  const char* name;
  LayoutFile file;
  friend void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }
};

LayoutFile With(auto change) {
  LayoutFile file = Sample();
  change(file);
  return file;
}

class LayoutFileRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(LayoutFileRoundTrip, ReadsBackWhatWasWritten) {
  const LayoutFile& file = GetParam().file;
  const auto read = ReadLayoutFile(WriteLayoutFile(file));
  ASSERT_TRUE(std::holds_alternative<LayoutFile>(read));
  EXPECT_EQ(std::get<LayoutFile>(read), file);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LayoutFileRoundTrip,
    ::testing::Values(RoundTripCase{"Sample", Sample()}, RoundTripCase{"Empty", LayoutFile{}},
                      RoundTripCase{"EmptyPasswordAndReminder", With([](LayoutFile& f) {
                                      f.password.clear();
                                      f.reminder.clear();
                                    })},
                      RoundTripCase{"CommaReminder",
                                    With([](LayoutFile& f) { f.reminder = ",a,"; })},
                      RoundTripCase{"ExtremeCharacterCodes", With([](LayoutFile& f) {
                                      f.password = std::string("\0\xFF\x9F\r\n", 5);
                                    })},
                      RoundTripCase{"LevelAndModelWithoutMeaning", With([](LayoutFile& f) {
                                      f.protection = -7;
                                      f.model = 15;
                                    })}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpellingCase {
  const char* name;
  std::string text;
  friend void PrintTo(const SpellingCase& c, std::ostream* out) { *out << c.name; }
};

class LayoutFileSpellings : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(LayoutFileSpellings, ReadAsTheSameLayout) {
  const auto read = ReadLayoutFile(GetParam().text);
  ASSERT_TRUE(std::holds_alternative<LayoutFile>(read));
  EXPECT_EQ(std::get<LayoutFile>(read), Sample());
}

std::vector<std::string> SampleFieldsWith(std::size_t index, std::string field) {
  auto fields = SampleFields();
  fields[index] = std::move(field);
  return fields;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LayoutFileSpellings,
    ::testing::Values(SpellingCase{"LineFeedsOnly", Join(SampleFields(), "\n")},
                      SpellingCase{"CarriageReturnsOnly", Join(SampleFields(), "\r")},
                      SpellingCase{"AllOnOneLineWithCommas", Join(SampleFields(), ",")},
                      SpellingCase{"BlanksAroundFields", " \t" + Join(SampleFields(), " \t,\t ")},
                      SpellingCase{"LastLineWithoutLineEnd",
                                   [] {
                                     std::string text = Join(SampleFields(), "\r\n");
                                     text.resize(text.size() - 2);
                                     return text;
                                   }()},
                      SpellingCase{"ExtraLinesIgnored",
                                   Join(SampleFields(), "\r\n") + "1\r\nnot read\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutFileSpellings, PlusSignAndLeadingZerosReadAsTheNumber) {
  const auto read = ReadLayoutFile(Join(SampleFieldsWith(1, "+0007"), "\r\n"));
  ASSERT_TRUE(std::holds_alternative<LayoutFile>(read));
  EXPECT_EQ(std::get<LayoutFile>(read).codes[1], 7);
}

struct FaultCase {
  const char* name;
  std::string text;
  LayoutReadError error;
  friend void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }
};

class LayoutFileFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(LayoutFileFaults, NameTheLineAndTheFault) {
  const auto read = ReadLayoutFile(GetParam().text);
  ASSERT_TRUE(std::holds_alternative<LayoutReadError>(read));
  EXPECT_EQ(std::get<LayoutReadError>(read), GetParam().error);
}

std::string FirstLines(std::size_t count) {
  auto fields = SampleFields();
  fields.resize(count);
  return Join(fields, "\r\n");
}

// Sample: cells on lines 1-512, P on 513, the password on 514-518, R on 519, the reminder on
// 520-523, the level on 524 and the model on 525.
INSTANTIATE_TEST_SUITE_P(
    Texts, LayoutFileFaults,
    ::testing::Values(
        FaultCase{"Empty", "", {1, LayoutReadFault::Missing}},
        FaultCase{"CellsCutShort", FirstLines(511), {512, LayoutReadFault::Missing}},
        FaultCase{"PasswordCutShort", FirstLines(515), {516, LayoutReadFault::Missing}},
        FaultCase{"ModelMissing", FirstLines(524), {525, LayoutReadFault::Missing}},
        FaultCase{
            "Letters", Join(SampleFieldsWith(2, "abc"), "\r\n"), {3, LayoutReadFault::NotANumber}},
        FaultCase{
            "EmptyLine", Join(SampleFieldsWith(2, ""), "\r\n"), {3, LayoutReadFault::NotANumber}},
        FaultCase{"OnlyBlanks",
                  Join(SampleFieldsWith(2, "  "), "\r\n"),
                  {3, LayoutReadFault::NotANumber}},
        FaultCase{
            "Fraction", Join(SampleFieldsWith(2, "1.5"), "\r\n"), {3, LayoutReadFault::NotANumber}},
        FaultCase{"TwoNumbersWithoutComma",
                  Join(SampleFieldsWith(2, "1 2"), "\r\n"),
                  {3, LayoutReadFault::NotANumber}},
        FaultCase{"SignTwice",
                  Join(SampleFieldsWith(2, "+-1"), "\r\n"),
                  {3, LayoutReadFault::NotANumber}},
        FaultCase{"AboveInt16",
                  Join(SampleFieldsWith(2, "32768"), "\r\n"),
                  {3, LayoutReadFault::OutOfRange}},
        FaultCase{"BelowInt16",
                  Join(SampleFieldsWith(2, "-32769"), "\r\n"),
                  {3, LayoutReadFault::OutOfRange}},
        FaultCase{"FarAboveAnyInteger",
                  Join(SampleFieldsWith(2, std::string(40, '9')), "\r\n"),
                  {3, LayoutReadFault::OutOfRange}},
        FaultCase{"LevelOutOfRange",
                  Join(SampleFieldsWith(523, "40000"), "\r\n"),
                  {524, LayoutReadFault::OutOfRange}},
        FaultCase{"NegativeCount",
                  Join(SampleFieldsWith(512, "-1"), "\r\n"),
                  {513, LayoutReadFault::BadCount}},
        FaultCase{"CodeAbove255",
                  Join(SampleFieldsWith(513, "256"), "\r\n"),
                  {514, LayoutReadFault::BadCharacter}},
        FaultCase{"NegativeCode",
                  Join(SampleFieldsWith(513, "-1"), "\r\n"),
                  {514, LayoutReadFault::BadCharacter}},
        FaultCase{"CodeWithoutCharacter",
                  Join(SampleFieldsWith(513, "129"), "\r\n"),
                  {514, LayoutReadFault::BadCharacter}},
        FaultCase{"LinesCountedThroughCommas", "0,0\n0,x\n", {2, LayoutReadFault::NotANumber}},
        FaultCase{
            "LinesCountedThroughLoneReturns", "0\r0\r\n\r", {3, LayoutReadFault::NotANumber}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cp1252, EveryCharacterCodeSurvivesTheWayThroughUtf8) {
  std::string codes;
  for (int code = 0; code <= 0xFF; ++code) {
    if (IsCp1252Code(code)) codes += static_cast<char>(code);
  }
  EXPECT_EQ(codes.size(), 251u);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(codes)), codes);
}

TEST(Cp1252, MapsTheCharactersAboveAsciiToTheirCodes) {
  EXPECT_EQ(Cp1252ToUtf8("\x80\x8C\x99\xC7\xFF"), "€Œ™Çÿ");
  EXPECT_EQ(Utf8ToCp1252("Senha€ç"), "Senha\x80\xE7");
}

TEST(Cp1252, RefusesTextItCannotHold) {
  for (const char* text : {"ł", "日本", "\xC2\x81", "\xC3", "\xC0\x80", "\xED\xA0\x80", "a\xFF"}) {
    EXPECT_EQ(Utf8ToCp1252(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace lavrix
