#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/platform.h"
#include "platform/velmar_messages.h"
#include "platform/velmar_sim.h"

namespace velmar::platform {
namespace {

std::string messagesText() {
  std::string text(VelmarSimMessages(nullptr, 0) + 1, '\0');
  VelmarSimMessages(text.data(), static_cast<int>(text.size()));
  text.pop_back();
  return text;
}

TEST(SimServices, MessageBoxesAreRecordedInOrderAndLogged) {
  const std::filesystem::path directory =
      std::filesystem::temp_directory_path() / ("velmar-msg-" + std::to_string(getpid()));
  setenv("VELMAR_SIM_DIR", directory.c_str(), 1);
  messageBoxes().show("LoadLibrary Failed", "Erro de Inicialização", MessageIcon::Error);
  messageBoxes().show("GetProcAddress for Inp32 Failed", "Erro de Inicialização",
                      MessageIcon::Error);
  EXPECT_EQ(messagesText(),
            "Erro de Inicialização: LoadLibrary Failed\n"
            "Erro de Inicialização: GetProcAddress for Inp32 Failed\n");
  std::ifstream log(directory / "messages.log");
  std::string first;
  std::getline(log, first);
  EXPECT_EQ(first, "Erro de Inicialização: LoadLibrary Failed");
  std::filesystem::remove_all(directory);
}

TEST(SimServices, MessageBoxHandlerSeesWhatIsShown) {
  struct Box {
    std::string text, caption;
    int icon = -1;
  } box;
  VelmarSetMessageBoxHandler(
      [](const char* text, const char* caption, int icon, void* context) {
        *static_cast<Box*>(context) = {text, caption, icon};
      },
      &box);
  messageBoxes().show("texto", "título", MessageIcon::Warning);
  EXPECT_EQ(box.text, "texto");
  EXPECT_EQ(box.caption, "título");
  EXPECT_EQ(box.icon, VELMAR_ICON_WARNING);
}

TEST(SimServices, RegisteredMessagesReachListenersSynchronously) {
  const unsigned id = VelmarRegisterWindowMessage("DORVEL - MCR Message");
  EXPECT_GE(id, 0xC000u);
  EXPECT_EQ(windowMessages().registerMessage("dorvel - mcr message"), id);
  EXPECT_NE(VelmarRegisterWindowMessage("another"), id);

  struct Received {
    unsigned message = 0;
    unsigned long wparam = 0;
    std::thread::id thread;
  } received;
  const int listener = VelmarAddMessageListener(
      [](unsigned message, unsigned long wparam, long, void* context) {
        *static_cast<Received*>(context) = {message, wparam, std::this_thread::get_id()};
      },
      &received);
  ASSERT_GT(listener, 0);
  windowMessages().broadcast(id, 8, 0);
  EXPECT_EQ(received.message, id);
  EXPECT_EQ(received.wparam, 8u);
  EXPECT_EQ(received.thread, std::this_thread::get_id());

  EXPECT_EQ(VelmarRemoveMessageListener(listener), 1);
  EXPECT_EQ(VelmarRemoveMessageListener(listener), 0);
  received = {};
  windowMessages().broadcast(id, 9, 0);
  EXPECT_EQ(received.message, 0u);
}

TEST(SimServices, AListenerMayRemoveItselfWhileCalled) {
  static int calls = 0;
  static int self = 0;
  self = VelmarAddMessageListener(
      [](unsigned, unsigned long, long, void*) {
        ++calls;
        VelmarRemoveMessageListener(self);
      },
      nullptr);
  windowMessages().broadcast(0xC000, 0, 0);
  windowMessages().broadcast(0xC000, 0, 0);
  EXPECT_EQ(calls, 1);
}

TEST(SimServices, NamedMutexesOpenTwiceAndFailWhenTold) {
  auto first = mutexes().create("VarnoDll", true);
  auto second = mutexes().create("VarnoDll", true);
  EXPECT_NE(first, nullptr);
  EXPECT_NE(second, nullptr);
  ASSERT_EQ(VelmarSimFailMutex("DorvelDllUSB"), 1);
  EXPECT_EQ(mutexes().create("DorvelDllUSB", true), nullptr);
}

TEST(SimServices, ConfigurationValuesIgnoreLetterCase) {
  EXPECT_EQ(config().openLocalMachineKey("\\SOFTWARE\\VELMAR\\Dorvel USB\\1.0"), nullptr);
  ASSERT_EQ(VelmarSimSetConfig("\\SOFTWARE\\VELMAR\\Dorvel USB\\1.0", "Vend", "ABCD;1234;"), 1);
  auto key = config().openLocalMachineKey("\\software\\velmar\\dorvel usb\\1.0");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->readText("VEND"), "ABCD;1234;");
  EXPECT_EQ(key->readText("Prod"), std::nullopt);
  VelmarSimSetConfig("\\SOFTWARE\\VELMAR\\Dorvel USB\\1.0", "Vend", nullptr);
  EXPECT_EQ(key->readText("Vend"), std::nullopt) << "an open key sees later changes";
}

TEST(SimServices, PlatformIdIsSettable) {
  EXPECT_EQ(osVersion().platformId(), kPlatformWindowsNt);
  const std::pair<const char*, std::optional<std::uint32_t>> cases[] = {
      {"9x", kPlatformWindows9x}, {"other", 3u}, {"fail", std::nullopt}, {"nt", 2u}};
  for (const auto& [name, id] : cases) {
    ASSERT_EQ(VelmarSimSetPlatform(name), 1) << name;
    EXPECT_EQ(osVersion().platformId(), id) << name;
  }
  EXPECT_EQ(VelmarSimSetPlatform("os2"), 0);
}

TEST(SimServices, TimeOfDayRunsOnAcrossMidnight) {
  ASSERT_EQ(VelmarSimSetTimeOfDay(23, 59, 59), 1);
  const std::tm before = clock().localTime();
  EXPECT_EQ(before.tm_hour * 3600 + before.tm_min * 60 + before.tm_sec, 86399);
  clock().sleepMs(1100);
  const std::tm after = clock().localTime();
  EXPECT_EQ(after.tm_hour, 0);
  EXPECT_EQ(after.tm_min, 0);
  EXPECT_EQ(VelmarSimSetTimeOfDay(24, 0, 0), 0);
}

TEST(SimServices, TickCountAdvancesWithSleep) {
  const std::uint32_t start = clock().tickCount();
  clock().sleepMs(20);
  const std::uint32_t elapsed = clock().tickCount() - start;
  EXPECT_GE(elapsed, 20u);
}

TEST(SimServices, MessageHooksAreRecordedAndRunOnRetrieval) {
  int runs = 0;
  auto hook = messageHooks().install([&] { ++runs; });
  EXPECT_EQ(VelmarSimMessageHooks(), 1);
  VelmarSimRetrieveMessage();
  EXPECT_EQ(runs, 1);
  hook.reset();
  EXPECT_EQ(VelmarSimMessageHooks(), 0);
  VelmarSimRetrieveMessage();
  EXPECT_EQ(runs, 1);
}

TEST(SimServices, LibraryNamesMapToSharedObjects) {
  const std::pair<const char*, const char*> cases[] = {{"inpout32.dll", "libinpout32.so"},
                                                       {"Varno", "libvarno.so"},
                                                       {"VARNO.DLL", "libvarno.so"},
                                                       {"libilvar.so", "libilvar.so"}};
  for (const auto& [name, file] : cases)
    EXPECT_EQ(libraryFileName(name), file) << name;
}

TEST(SimServices, MissingOrHiddenLibrariesDoNotLoad) {
  EXPECT_EQ(libraries().load("nosuchlibrary", reinterpret_cast<const void*>(&isSimulated)),
            nullptr);
  ASSERT_EQ(VelmarSimHideLibrary("inpout32.dll", nullptr), 1);
  EXPECT_EQ(libraries().load("inpout32", reinterpret_cast<const void*>(&isSimulated)), nullptr);
}

}  // namespace
}  // namespace velmar::platform
