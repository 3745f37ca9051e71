#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dorvel/dorvel_32.h"
#include "platform/velmar_sim.h"

namespace {

namespace fs = std::filesystem;

// Runs each test in a fresh current directory, where the log file lives.
class DorvelDebugLog : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::temp_directory_path() / ("velmar-log-" + std::to_string(getpid()));
    fs::create_directories(directory_);
    fs::current_path(directory_);
  }
  void TearDown() override {
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(directory_);
  }

  // The entries' texts, without the time stamp.
  static std::vector<std::string> entries() {
    std::ifstream log("RepDorveldebug.txt");
    std::vector<std::string> texts;
    for (std::string line; std::getline(log, line);) {
      const std::size_t separator = line.find(" = ");
      texts.push_back(separator == std::string::npos ? line : line.substr(separator + 3));
    }
    return texts;
  }

  fs::path directory_;
};

TEST_F(DorvelDebugLog, NothingIsWrittenUnlessTheFileExists) {
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  EXPECT_EQ(IsDorvelUsbOn(), 1);
  EXPECT_FALSE(fs::exists("RepDorveldebug.txt"));
}

TEST_F(DorvelDebugLog, DiscoveryAndProgrammingEntries) {
  std::ofstream("RepDorveldebug.txt").close();
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  ASSERT_EQ(IsDorvelUsbOn(), 1);
  std::array<std::uint8_t, 511> image{};
  ASSERT_EQ(DorvelProgKeyboard(1, image.data()), 0);

  const std::vector<std::string> expected{
      "Achei VID e PID!!!!",
      "VerificaSeEhUSBHID = 85",
      "Inicio da rotina DorvelProgKeyboard  Layoutsize = 1",
  };
  EXPECT_EQ(entries(), expected);

  std::ifstream log("RepDorveldebug.txt");
  std::string first;
  std::getline(log, first);
  EXPECT_NE(first.find(':'), std::string::npos) << "a time of day before the text: " << first;
}

TEST_F(DorvelDebugLog, ProgrammingWithoutUsbLogsEveryBlock) {
  std::ofstream("RepDorveldebug.txt").close();
  std::array<std::uint8_t, 511> image{};
  ASSERT_EQ(DorvelProgKeyboard(511, image.data()), 0);
  const std::vector<std::string> texts = entries();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "USB Desligada"), 32);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Inicia a Gravação da EEPROM"), 1);
  EXPECT_EQ(texts.back(), "Fim da rotina DorvelProgKeyboard");
}

TEST_F(DorvelDebugLog, AFaultingEnumerationIsLogged) {
  std::ofstream("RepDorveldebug.txt").close();
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  ASSERT_EQ(VelmarSimFailEnumeration(1), 1);
  EXPECT_EQ(IsDorvelUsbOn(), 0);
  const std::vector<std::string> expected{
      "MemberIndex = 0, ContaDebug = 1, VID = 0x   0, PID = 0x0, Length = 0",
      "",
      std::string(71, '#'),
      "VerificaSeEhUSBHID = 0",
  };
  EXPECT_EQ(entries(), expected);
}

TEST_F(DorvelDebugLog, AFailedWriteIsRetriedOnceAfterDiscovery) {
  std::ofstream("RepDorveldebug.txt").close();
  ASSERT_EQ(VelmarSimAttach("usb-dorvel"), 1);
  ASSERT_EQ(IsDorvelUsbOn(), 1);
  ASSERT_EQ(VelmarSimFailWrites("usb-dorvel", 1), 1);
  std::ofstream("RepDorveldebug.txt", std::ios::trunc).close();
  BackSpace();
  const std::vector<std::string> expected{
      "Inicio da funcao HIDEnviaPacote",
      "WriteFile retornou 0",
      "Achei VID e PID!!!!",
      "VerificaSeEhUSBHID = 85",
      "hidhandle Não é NULO",
      "WriteFile retornou != 0; ISDORVELUSB <= 85; Funcao retorna 0",
  };
  EXPECT_EQ(entries(), expected);
  EXPECT_EQ(VelmarSimTraffic("usb-dorvel", nullptr, 0), 64) << "the second try went out";
}

}  // namespace
