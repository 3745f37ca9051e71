// write through the real Varno into virtual keyboards, and image against what they hold.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "core/layout_file.h"
#include "tests/cli/cli_process.h"
#include "tests/platform/native_temp_dir.h"

namespace lavrix::cli::testing {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using velmar::platform::native::fixtures::TempDir;

class CliWrite : public ::testing::Test {
 protected:
  CliWrite() { std::filesystem::create_directory(simDirectory()); }

  std::filesystem::path simDirectory() const { return directory.path() / "sim"; }

  // A layout of `model` whose every cell holds a code of its own.
  void PutLayout(std::int16_t model, const std::string& name = "loja.vly") const {
    LayoutFile file;
    file.password = "Velmar";
    file.reminder = "Epshn";
    file.model = model;
    for (std::size_t cell = 0; cell < file.codes.size(); ++cell)
      file.codes[cell] = static_cast<std::int16_t>((cell * 13 + 7) % 256);
    directory.write(name, WriteLayoutFile(file));
  }

  std::string Image() const {
    EXPECT_EQ(RunCli({"image", "loja.vly", "-o", "loja.bin"}, directory.path()).status, 0);
    return CliProcess::Read(directory.path() / "loja.bin");
  }
  std::string Eeprom(const std::string& device) const {
    return CliProcess::Read(simDirectory() / ("eeprom-" + device + ".bin"));
  }
  std::vector<std::string> LogLines() const {
    std::ifstream log(directory.path() / "gravacoes.csv");
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);)
      lines.push_back(line);
    return lines;
  }
  void Plug(const std::string& line) const {
    std::ofstream(simDirectory() / "plug.txt", std::ios::app) << line << "\n";
  }

  TempDir directory;
};

struct Keyboard {
  std::int16_t model;
  const char* device;
};

void PrintTo(const Keyboard& keyboard, std::ostream* out) {
  *out << "model " << keyboard.model << " on " << keyboard.device;
}

class CliWriteModel : public CliWrite, public ::testing::WithParamInterface<Keyboard> {};

TEST_P(CliWriteModel, TheImageIsWhatTheKeyboardHoldsAfterTheWrite) {
  PutLayout(GetParam().model);
  const CliRun run = RunCli({"write", "loja.vly", "--log", "gravacoes.csv"}, directory.path(),
                            GetParam().device, simDirectory());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("Gravando: 100%\n"));
  EXPECT_THAT(run.out, EndsWith("Gravação efetuado com sucesso.\n"));
  const std::string image = Image();
  ASSERT_EQ(image.size(), 512u);
  EXPECT_EQ(Eeprom(GetParam().device), image);
  ASSERT_EQ(LogLines().size(), 1u);
  EXPECT_THAT(LogLines()[0],
              ::testing::MatchesRegex("[0-9-]+ [0-9:]+," + std::to_string(GetParam().model) +
                                      ",loja.vly,[0-9a-f]{8},gravado"));
}

// Blocks of 512 and of 256 addresses, the rearranged CINDO keys, and the ILVAR write with its
// early ends into its own keyboard.
INSTANTIATE_TEST_SUITE_P(Models, CliWriteModel,
                         ::testing::Values(Keyboard{0, "usb-dorvel"}, Keyboard{4, "usb-dorvel"},
                                           Keyboard{5, "usb-dorvel"}, Keyboard{17, "usb-ilvar"}),
                         [](const auto& info) {
                           return "Model" + std::to_string(info.param.model);
                         });

TEST_F(CliWrite, WithoutAKeyboardTheWriteFailsAndSaysSo) {
  PutLayout(0, "loja, filial.vly");
  const CliRun run = RunCli({"write", "loja, filial.vly", "--log", "gravacoes.csv"},
                            directory.path(), "none", simDirectory());
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr("nenhum teclado respondeu"));
  EXPECT_THAT(run.out, ::testing::Not(HasSubstr("sucesso")));
  ASSERT_EQ(LogLines().size(), 1u);
  EXPECT_THAT(LogLines()[0], HasSubstr(",0,\"loja, filial.vly\","));
  EXPECT_THAT(LogLines()[0], EndsWith(",nenhum teclado respondeu"));
}

TEST_F(CliWrite, WithoutVarnoBesideItTheWriteFailsAndSaysSo) {
  PutLayout(0);
  const std::filesystem::path alone = directory.path() / "sem-varno";
  std::filesystem::create_directory(alone);
  for (const char* file : {"lavrix-cli", "libvelmar_platform.so"})
    std::filesystem::copy_file(std::filesystem::path(VELMAR_OUTPUT_DIR) / file, alone / file);
  CliProcess process({"write", "loja.vly", "--log", "gravacoes.csv"}, directory.path(),
                     "usb-dorvel", simDirectory(), alone / "lavrix-cli");
  EXPECT_EQ(process.Wait(), 1);
  EXPECT_THAT(process.Err(), HasSubstr("Biblioteca Varno não encontrada."));
  ASSERT_EQ(LogLines().size(), 1u);
  EXPECT_THAT(LogLines()[0], EndsWith(",não efetuado"));
}

TEST_F(CliWrite, AModelWithoutAWriteProcedureIsRefused) {
  PutLayout(12);
  const CliRun run = RunCli({"write", "loja.vly"}, directory.path(), "usb-dorvel", simDirectory());
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("não tem procedimento de gravação"));
}

TEST_F(CliWrite, WaitWritesEachKeyboardPluggedInUntilInterrupted) {
  PutLayout(0);
  CliProcess process({"write", "loja.vly", "--wait", "--log", "gravacoes.csv"}, directory.path(),
                     "none", simDirectory());
  ASSERT_TRUE(process.WaitForOutput("Aguardando um teclado USB."));
  Plug("attach usb-dorvel");
  ASSERT_TRUE(process.WaitForOutput("Retire o teclado.")) << process.Err();
  Plug("detach usb-dorvel");
  ASSERT_TRUE(process.WaitForOutput("Aguardando o próximo teclado."));
  Plug("attach usb-ilvar");
  ASSERT_TRUE(process.WaitForOutput("Retire o teclado.", 2)) << process.Err();
  process.Interrupt();
  EXPECT_EQ(process.Wait(), 0) << process.Err();
  EXPECT_THAT(process.Out(), HasSubstr("Encerrado: 2 teclado(s) gravado(s), 0 com falha."));

  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_THAT(lines[0], EndsWith(",gravado"));
  EXPECT_THAT(lines[1], EndsWith(",gravado"));
  const std::string image = Image();
  EXPECT_EQ(Eeprom("usb-dorvel"), image);
  EXPECT_EQ(Eeprom("usb-ilvar"), image);
}

}  // namespace
}  // namespace lavrix::cli::testing
