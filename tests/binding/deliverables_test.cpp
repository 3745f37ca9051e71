#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

const fs::path kOutput = VELMAR_OUTPUT_DIR;

std::string run(const std::string& command) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  while (std::size_t count = std::fread(buffer, 1, sizeof buffer, pipe))
    output.append(buffer, count);
  pclose(pipe);
  return output;
}

std::string quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

std::vector<fs::path> deliverables(const fs::path& directory) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(directory)) {
    const std::string name = entry.path().filename();
    if (name == "lavrix" || name == "lavrix-cli" ||
        (name.starts_with("lib") && name.ends_with(".so"))) {
      files.push_back(entry.path());
    }
  }
  return files;
}

std::set<std::string> exportedNames(const fs::path& library) {
  std::istringstream lines(run("nm -DC --defined-only " + quoted(library)));
  std::set<std::string> names;
  for (std::string line; std::getline(lines, line);) {
    // "<address> <type> <name>"; the name may hold blanks once demangled.
    const std::size_t name = line.find(' ', line.find(' ') + 1);
    if (name != std::string::npos) names.insert(line.substr(name + 1));
  }
  return names;
}

TEST(Deliverables, AllAreBuiltAndFindTheirNeighboursThroughOrigin) {
  const std::vector<fs::path> files = deliverables(kOutput);
  std::set<std::string> names;
  for (const fs::path& file : files)
    names.insert(file.filename());
  EXPECT_EQ(names,
            (std::set<std::string>{"lavrix", "lavrix-cli", "libdorvel_32.so", "libilvar.so",
                                   "libinpout32.so", "libvarno.so", "libvelmar_platform.so"}));
  for (const fs::path& file : files) {
    EXPECT_THAT(run("readelf -d " + quoted(file)), HasSubstr("[$ORIGIN]")) << file;
  }
}

// The command-line tool runs the editor's logic where no display library is installed.
TEST(Deliverables, TheCommandLineToolNeedsNothingOfQt) {
  const std::string dynamic = run("readelf -d " + quoted(kOutput / "lavrix-cli"));
  EXPECT_THAT(dynamic, HasSubstr("Shared library: [libvelmar_platform.so]"));
  EXPECT_THAT(dynamic, Not(HasSubstr("Qt")));
}

TEST(Deliverables, VarnoIsBoundToBothDeviceLibrariesAtLoadTime) {
  const std::string dynamic = run("readelf -d " + quoted(kOutput / "libvarno.so"));
  EXPECT_THAT(dynamic, HasSubstr("Shared library: [libdorvel_32.so]"));
  EXPECT_THAT(dynamic, HasSubstr("Shared library: [libilvar.so]"));
}

TEST(Deliverables, LibrariesExportOnlyTheirOwnEntries) {
  const std::map<std::string, std::set<std::string>> entries = {
      {"libvarno.so",
       {"OpenVarno", "CloseVarno", "GravaBloco512", "GravaBloco256", "TerminaGravacao", "TxKbd",
        "RxKbd", "ResultadoGravacao"}},
      {"libilvar.so", {"OpenIlvar", "CloseIlvar", "IsIlvarUsbOn", "IlvarProgKeyboard"}},
      {"libinpout32.so", {"Inp32", "Out32"}},
      {"libdorvel_32.so",
       {"OpenDorvel",
        "CloseDorvel",
        "IsDorvelUsbOn",
        "DorvelProgKeyboard",
        "TxKbd",
        "GetMCRBuf",
        "GetMCRMsg",
        "SetEcho",
        "DispStr",
        "DispCh",
        "GoToXY",
        "BackSpace",
        "LineFeed",
        "CarRet",
        "FormFeed",
        "LcdClearLine",
        "LcdSetBright",
        "LcdBrightMode",
        "LCDInstruction",
        "ModoCursor",
        "ProgSpecialChar",
        "HabilitaLCD",
        "SetDisp",
        "BeepOn",
        "BeepKeyOn",
        "KeyboardOnOff",
        "AutoRepeatOnOff",
        "ShowFirmCheckSum",
        "SetOpKey",
        "ReadOpKey",
        "SetCard",
        "CardTrackOnOff",
        "SetPIN",
        "SetNumL",
        "SetCapsL",
        "DorvelSetup",
        "DorvelSetupBright",
        "DorvelSetupType",
        "SetupInitStr",
        "Reset",
        "RawSendReport"}},
  };
  for (const auto& [library, allowed] : entries) {
    for (const std::string& name : exportedNames(kOutput / library)) {
      EXPECT_TRUE(allowed.contains(name)) << library << " leaks " << name;
    }
  }
  for (const std::string& name : exportedNames(kOutput / "libvelmar_platform.so")) {
    EXPECT_TRUE(name.starts_with("Velmar") || name.find("velmar::platform::") != std::string::npos)
        << "libvelmar_platform.so leaks " << name;
  }
}

// The editor loads Varno from its own folder, wherever that is, with no LD_LIBRARY_PATH.
TEST(Deliverables, VarnoLoadsBesideAProgramCopiedElsewhere) {
  const fs::path directory =
      fs::temp_directory_path() / ("velmar-copy-" + std::to_string(getpid()));
  fs::create_directories(directory);
  for (const fs::path& file : deliverables(kOutput)) {
    if (file.extension() == ".so") fs::copy_file(file, directory / file.filename());
  }
  fs::copy_file(fs::path(VELMAR_BINARY_DIR) / "tests/varno_load_probe", directory / "probe");
  const std::string output =
      run("env -u LD_LIBRARY_PATH " + quoted(directory / "probe") + " && echo loaded");
  EXPECT_THAT(output, HasSubstr("loaded"));
  fs::remove_all(directory);
}

TEST(Deliverables, InstalledTreeResolvesItsNeighbours) {
  const fs::path prefix =
      fs::temp_directory_path() / ("velmar-install-" + std::to_string(getpid()));
  const std::string installed =
      run("cmake --install " + quoted(VELMAR_BINARY_DIR) + " --prefix " + quoted(prefix));
  fs::path directory;
  for (const auto& entry : fs::recursive_directory_iterator(prefix)) {
    if (entry.path().filename() == "libvarno.so") directory = entry.path().parent_path();
  }
  ASSERT_FALSE(directory.empty()) << installed;
  EXPECT_TRUE(fs::is_symlink(prefix / "bin/lavrix"));
  EXPECT_EQ(fs::canonical(prefix / "bin/lavrix"), fs::canonical(directory / "lavrix"));
  EXPECT_EQ(fs::canonical(prefix / "bin/lavrix-cli"), fs::canonical(directory / "lavrix-cli"));
  const std::set<std::string> neighbours{"libvelmar_platform.so", "libdorvel_32.so", "libilvar.so"};
  for (const fs::path& file : deliverables(directory)) {
    std::istringstream lines(run("env -u LD_LIBRARY_PATH ldd " + quoted(file)));
    for (std::string line; std::getline(lines, line);) {
      EXPECT_THAT(line, Not(HasSubstr("not found"))) << file;
      std::istringstream words(line);
      std::string name, arrow, path;
      words >> name >> arrow >> path;
      if (neighbours.contains(name)) {
        EXPECT_EQ(fs::path(path).parent_path(), directory) << file << ": " << line;
      }
    }
  }
  fs::remove_all(prefix);
}

}  // namespace

namespace {

TEST(Examples, CardReadsArePrintedFromTheVirtualKeyboard) {
  const std::string output = run(quoted(fs::path(VELMAR_BINARY_DIR) / "examples/print_card_reads"));
  EXPECT_EQ(output,
            "card read, 22 bytes: [4111111111111111]2612\n"
            "card read, 22 bytes: [5500005555555559]2701\n");
}

}  // namespace
