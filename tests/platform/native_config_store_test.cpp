#include <gtest/gtest.h>

#include "platform/native/native_services.h"
#include "tests/platform/native_temp_dir.h"

namespace velmar::platform::native {
namespace {

class NativeConfigStoreTest : public ::testing::Test {
 protected:
  NativeConfigStoreTest() {
    dir_.write("root/SOFTWARE/VELMAR/Dorvel USB/1.0.ini",
               "[Settings]\r\nVend=1753;\r\nProd = \"0101;\"\r\n");
    dir_.write("outside.ini", "Vend=6666;\n");
    std::filesystem::create_directories(root() / "SOFTWARE" / "folder.ini");
  }

  std::filesystem::path root() const { return dir_.path() / "root"; }

  fixtures::TempDir dir_;
};

TEST_F(NativeConfigStoreTest, KeyFileValuesByNameOfAnyCase) {
  auto store = makeConfigStore(root());
  for (std::string_view path :
       {"\\SOFTWARE\\VELMAR\\Dorvel USB\\1.0", "SOFTWARE\\VELMAR\\Dorvel USB\\1.0"}) {
    auto key = store->openLocalMachineKey(path);
    ASSERT_NE(key, nullptr) << path;
    EXPECT_EQ(key->readText("Vend"), "1753;");
    EXPECT_EQ(key->readText("VEND"), "1753;");
    EXPECT_EQ(key->readText("prod"), "0101;");
    EXPECT_EQ(key->readText("Port"), std::nullopt);
  }
}

TEST_F(NativeConfigStoreTest, NoKeyOutsideTheRootOrWithoutAFile) {
  auto store = makeConfigStore(root());
  for (std::string_view path : {
           "\\SOFTWARE\\VELMAR\\Dorvel USB\\2.0",     // no such file
           "\\SOFTWARE\\VELMAR",                      // a folder, not a key file
           "\\SOFTWARE\\folder",                      // a folder named like a key file
           "\\..\\outside",                           // beside the root
           "\\SOFTWARE\\..\\..\\outside",             //
           "\\SOFTWARE\\.\\VELMAR\\Dorvel USB\\1.0",  //
           "\\SOFTWARE\\\\VELMAR\\Dorvel USB\\1.0",   // empty component
           "\\SOFTWARE\\VELMAR\\Dorvel USB\\1.0\\",   //
           "SOFTWARE/VELMAR/Dorvel USB/1.0",          // slashes are no separators
           "\\",
           "",
       }) {
    EXPECT_EQ(store->openLocalMachineKey(path), nullptr) << path;
  }
}

TEST_F(NativeConfigStoreTest, OpeningNeverCreates) {
  auto store = makeConfigStore(root());
  EXPECT_EQ(store->openLocalMachineKey("\\SOFTWARE\\NEW\\Key"), nullptr);
  EXPECT_FALSE(std::filesystem::exists(root() / "SOFTWARE" / "NEW"));
  EXPECT_EQ(makeConfigStore(dir_.path() / "absent")->openLocalMachineKey("\\SOFTWARE"), nullptr);
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "absent"));
}

}  // namespace
}  // namespace velmar::platform::native
