#include <gtest/gtest.h>

#include <string>

#include "sim_texts.h"
#include "tests/dorvel/sim_keyboard.h"
#include "varno/varno.h"

namespace {

using velmar::testing::eeprom;
using velmar::testing::receivedReports;
using velmar::testing::shownMessages;

TEST(VarnoOpen, WithThePortLibraryShowsNothingAndOpensBothDeviceLibraries) {
  ASSERT_EQ(VelmarSimAttach("usb-ilvar"), 1);
  EXPECT_EQ(OpenVarno(), 0);
  EXPECT_EQ(shownMessages(), "");
  EXPECT_EQ(VelmarSimMessageHooks(), 1);
  EXPECT_EQ(VelmarSimRetrieveMessage(), 1);
  EXPECT_EQ(VelmarSimKeyboardHooks(), 1) << "OpenDorvel installs its keyboard hook";
  const auto reports = receivedReports("usb-ilvar");
  ASSERT_EQ(reports.size(), 1u) << "OpenIlvar greets the keyboard";
  EXPECT_EQ(reports[0][1], 0x00);
}

TEST(VarnoOpen, WithoutThePortLibraryShowsThreeMessagesAndUsbStillWorks) {
  ASSERT_EQ(VelmarSimHideLibrary("inpout32.dll", nullptr), 1);
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  EXPECT_EQ(OpenVarno(), 1);
  EXPECT_EQ(shownMessages(),
            "Erro de Inicialização: LoadLibrary Failed\n"
            "Erro de Inicialização: GetProcAddress for Inp32 Failed\n"
            "Erro de Inicialização: GetProcAddress for Oup32 Failed\n");
  EXPECT_EQ(VelmarSimKeyboardHooks(), 1);

  EXPECT_EQ(GravaBloco512(0, 0, 1, 2, 3, 4), 0);
  EXPECT_EQ(TerminaGravacao(), 0);
  EXPECT_EQ(ResultadoGravacao(), 1);
  EXPECT_EQ(eeprom("usb-dorvel")[3], 4);
}

struct MissingEntry {
  const char* entry;
  const char* message;
};

void PrintTo(const MissingEntry& missing, std::ostream* out) {
  *out << missing.entry;
}

class VarnoOpenMissingEntry : public ::testing::TestWithParam<MissingEntry> {};

TEST_P(VarnoOpenMissingEntry, ShowsItsOwnMessageOnly) {
  ASSERT_EQ(VelmarSimHideLibrary("inpout32.dll", GetParam().entry), 1);
  EXPECT_EQ(OpenVarno(), 1);
  EXPECT_EQ(shownMessages(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Varno, VarnoOpenMissingEntry,
    ::testing::Values(
        MissingEntry{"Inp32", "Erro de Inicialização: GetProcAddress for Inp32 Failed\n"},
        MissingEntry{"Out32", "Erro de Inicialização: GetProcAddress for Oup32 Failed\n"}),
    [](const auto& info) { return std::string(info.param.entry); });

TEST(VarnoClose, TwiceRemovesEverythingOnceAndAnotherOpenWorksAgain) {
  ASSERT_EQ(VelmarSimAttach("at-dorvel"), 1);
  ASSERT_EQ(OpenVarno(), 0);
  EXPECT_EQ(CloseVarno(), 0);
  EXPECT_EQ(CloseVarno(), 0);
  EXPECT_EQ(VelmarSimMessageHooks(), 0);
  EXPECT_EQ(VelmarSimKeyboardHooks(), 0);

  ASSERT_EQ(OpenVarno(), 0);
  EXPECT_EQ(VelmarSimMessageHooks(), 1);
  ASSERT_EQ(VelmarSimClearTraffic("at-dorvel"), 1);
  TerminaGravacao();
  EXPECT_EQ(velmar::testing::atBytes(), std::vector<std::uint8_t>{0xE4});
}

TEST(VarnoOpen, OpeningAgainKeepsOneHook) {
  ASSERT_EQ(OpenVarno(), 0);
  ASSERT_EQ(OpenVarno(), 0);
  EXPECT_EQ(VelmarSimMessageHooks(), 1);
}

}  // namespace
