#include "core/delay_argument.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace lavrix {
namespace {

struct DelayCase {
  const char* name;
  std::string text;
  std::int16_t argument;
  friend void PrintTo(const DelayCase& c, std::ostream* out) { *out << c.name; }
};

class DelayArgumentTest : public ::testing::TestWithParam<DelayCase> {};

TEST_P(DelayArgumentTest, ReadsTheNumberAtTheStartOfTheField) {
  EXPECT_EQ(DelayArgument(GetParam().text), GetParam().argument);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DelayArgumentTest,
    ::testing::Values(
        DelayCase{"Default", "1024", 1024}, DelayCase{"Letters", "abc", 0},
        DelayCase{"Empty", "", 0}, DelayCase{"SignOnly", "-", 0}, DelayCase{"PointOnly", ".", 0},
        DelayCase{"BlanksThenNumberThenText", "  12ms", 12}, DelayCase{"Negative", "-5", -5},
        DelayCase{"Plus", "+7", 7}, DelayCase{"ExponentNotRead", "1e3", 1},
        DelayCase{"HalfToEvenDown", "2.5", 2}, DelayCase{"HalfToEvenUp", "3.5", 4},
        DelayCase{"NegativeFraction", "-0.6", -1}, DelayCase{"Highest", "32767", 32767},
        DelayCase{"Lowest", "-32768", -32768}, DelayCase{"AboveHeldAtHighest", "40000", 32767},
        DelayCase{"BelowHeldAtLowest", "-40000", -32768},
        DelayCase{"HugeHeldAtHighest", std::string(400, '9'), 32767},
        DelayCase{"HugeNegativeHeldAtLowest", "-" + std::string(400, '9'), -32768}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lavrix
