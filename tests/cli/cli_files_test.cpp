// show, import, image and diff, run as a person runs them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/layout_document.h"
#include "core/layout_file.h"
#include "import/import_layout.h"
#include "import/old_layout.h"
#include "tests/cli/cli_process.h"
#include "tests/editor/fake_editor_view.h"
#include "tests/platform/native_temp_dir.h"

namespace lavrix::cli::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;
using velmar::platform::native::fixtures::TempDir;

LayoutFile Layout(std::int16_t model) {
  LayoutFile file;
  file.password = "Velmar";
  file.reminder = "Epshn";
  file.model = model;
  return file;
}

std::string Cells(int count, const std::string& cell = "[   ]") {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += " " + cell;
  return text;
}

class CliFiles : public ::testing::Test {
 protected:
  std::string Put(const std::string& name, const std::string& content) const {
    return directory.write(name, content).string();
  }
  std::string PutLayout(const std::string& name, const LayoutFile& file) const {
    return Put(name, WriteLayoutFile(file));
  }
  CliRun Run(std::vector<std::string> arguments) const {
    return RunCli(std::move(arguments), directory.path());
  }

  TempDir directory;
};

TEST_F(CliFiles, ShowDrawsEachPositionOfTheModelAndFlagsHiddenCodes) {
  LayoutFile file = Layout(3);
  file.password = "segredo";
  file.reminder = "loja";
  file.protection = 1;
  file.codes[0] = 11;    // A
  file.codes[1] = 82;    // the up arrow
  file.codes[2] = 1;     // "   !   1"
  file.codes[11] = 63;   // CR
  file.codes[96] = 100;  // position 97: shown by the last-line option
  file.codes[15] = 5;    // position 16: no button
  file.codes[127] = 77;  // position 128: no button
  file.codes[128] = 11;  // page 2
  PutLayout("holbe.vly", file);

  const CliRun run = Run({"show", "holbe.vly", "--page", "1"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string expected =
      "Modelo: 3 - HOLBE AT (4 códigos)\n"
      "Proteção: Examinar e Gravar\n"
      "Lembrete: loja\n"
      "\n"
      "Página 1\n"
      "   1 [ A ] [ ↑ ] [! 1]" +
      Cells(8) +
      " [CR ]\n"
      "  17" +
      Cells(12) +
      "\n"
      "  33" +
      Cells(12) +
      "\n"
      "  49" +
      Cells(12) +
      "\n"
      "  65" +
      Cells(12) +
      "\n"
      "  81" +
      Cells(12) +
      "\n"
      "  97 [ 9 ]" +
      Cells(11) +
      "\n"
      "Posições ocultas com código: 16 (código 5), 128 (código 77)\n";
  EXPECT_EQ(run.out, expected);
  EXPECT_THAT(run.out, ::testing::Not(HasSubstr("segredo")));

  // Without --page every page of the model follows.
  EXPECT_THAT(Run({"show", "holbe.vly"}).out, HasSubstr("Página 4\n"));
}

TEST_F(CliFiles, ShowKeepsTheEditorsProtectionAndPageRange) {
  LayoutFile file = Layout(0);
  file.password = "segredo";
  file.protection = 2;
  file.codes[0] = 11;
  PutLayout("protegido.vly", file);
  const CliRun hidden = Run({"show", "protegido.vly"});
  EXPECT_EQ(hidden.status, 0);
  EXPECT_THAT(hidden.out, HasSubstr("Proteção: Só Gravação"));
  EXPECT_THAT(hidden.out, HasSubstr("não são mostradas"));
  EXPECT_THAT(hidden.out, ::testing::Not(HasSubstr("[ A ]")));

  // The editor's own password opens the view, as it does in the editor.
  file.password = "Velmar";
  PutLayout("aberto.vly", file);
  EXPECT_THAT(Run({"show", "aberto.vly"}).out, HasSubstr("[ A ]"));

  EXPECT_EQ(Run({"show", "aberto.vly", "--page", "5"}).status, 2);
}

TEST_F(CliFiles, MalformedOrMissingFilesAreRefusedWithTheirLine) {
  std::string text = WriteLayoutFile(Layout(0));
  text.replace(text.find("0\r\n", 6), 1, "x");  // line 3
  Put("torto.vly", text);
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"show", "torto.vly"}, {"image", "torto.vly"}, {"write", "torto.vly"}}) {
    SCOPED_TRACE(arguments[0]);
    const CliRun run = Run(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr("torto.vly"));
    EXPECT_THAT(run.err, HasSubstr("Linha 3: o valor não é um número inteiro."));
  }
  const CliRun missing = Run({"show", "nenhum.vly"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_THAT(missing.err, HasSubstr("Não foi possível ler o arquivo nenhum.vly"));
}

// The file the editor saves after it starts and imports the old file.
std::string EditorImport(std::int16_t kind, const std::string& old) {
  EditorState state;
  SetStartValues(state, {});
  lavrix::testing::FakeEditorView view;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(old.data());
  EXPECT_TRUE(ApplyOldLayout(state, view, kind, {bytes, old.size()}, [] {}));
  return WriteLayoutFile(*LayoutFileOfState(state));
}

TEST_F(CliFiles, ImportSavesWhatTheEditorSavesAfterItsImport) {
  // Every length an old file comes in, the kinds that rearrange, and one kind by its caption.
  struct Case {
    std::string kind;
    std::int16_t number;
    std::size_t length;
  };
  for (const Case& c : {Case{"0", 0, 512}, Case{"3", 3, 128}, Case{"7", 7, 80}, Case{"10", 10, 44},
                        Case{"11", 11, 88}, Case{"12", 12, 512}, Case{"13", 13, 512},
                        Case{"pirol - dorvel dis", 9, 80}}) {
    SCOPED_TRACE(c.kind);
    std::string old(c.length, '\0');
    for (std::size_t i = 0; i < old.size(); ++i)
      old[i] = static_cast<char>(i * 7 + 3);
    Put("antigo.bin", old);
    const CliRun run = Run({"import", c.kind, "antigo.bin", "-o", "novo.vly"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(CliProcess::Read(directory.path() / "novo.vly"), EditorImport(c.number, old));
  }
}

TEST_F(CliFiles, ImportRefusesWrongLengthsAndUnknownKinds) {
  Put("curto.bin", std::string(511, '\1'));
  const CliRun wrong = Run({"import", "0", "curto.bin", "-o", "novo.vly"});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_THAT(wrong.err, HasSubstr(std::string(kWrongLengthText)));
  EXPECT_THAT(wrong.err, HasSubstr("511 bytes"));
  for (const char* kind : {"8", "20", "DORVEL"}) {
    SCOPED_TRACE(kind);
    const CliRun unknown = Run({"import", kind, "curto.bin", "-o", "novo.vly"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_THAT(unknown.err, HasSubstr("Tipo de arquivo antigo desconhecido"));
  }
  EXPECT_FALSE(std::filesystem::exists(directory.path() / "novo.vly"));
}

TEST_F(CliFiles, DiffComparesLayoutsByPositionAndImagesByByte) {
  LayoutFile a = Layout(0);
  a.codes[0] = 11;
  LayoutFile b = a;
  b.codes[128 + 16] = 82;  // page 2, position 17
  b.model = 1;
  b.password = "outra";
  PutLayout("a.vly", a);
  PutLayout("b.vly", b);

  const CliRun differ = Run({"diff", "a.vly", "b.vly"});
  EXPECT_EQ(differ.status, 1);
  EXPECT_EQ(differ.out,
            "Modelo: 0 - DORVEL Dis AT/USB (4 códigos) → 1 - FESK Dis AT /USB (4 códigos)\n"
            "Senha: diferente\n"
            "Página 2, posição 17: 0 → 82 (↑)\n");

  const CliRun same = Run({"diff", "a.vly", "a.vly"});
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, "Sem diferenças.\n");

  // A layout against an image compares the image its write leaves.
  ASSERT_EQ(Run({"image", "a.vly", "-o", "a.bin"}).status, 0);
  EXPECT_EQ(Run({"diff", "a.vly", "a.bin"}).status, 0);
  const CliRun images = Run({"diff", "a.bin", "b.vly"});
  EXPECT_EQ(images.status, 1);
  EXPECT_THAT(images.out, StartsWith("Byte "));

  // The positions of a write-only layout are counted, not shown.
  b.model = 0;
  b.protection = 2;
  PutLayout("b.vly", b);
  EXPECT_EQ(Run({"diff", "a.vly", "b.vly"}).out,
            "Proteção: Livre → Só Gravação\nSenha: diferente\n"
            "Página 2: 1 posições diferem (arquivo protegido)\n");
}

TEST_F(CliFiles, ImageIsHexOrRawAndNeedsAModelTheEditorWrites) {
  LayoutFile file = Layout(0);
  file.codes[0] = 0x1B;
  PutLayout("a.vly", file);
  const CliRun hex = Run({"image", "a.vly"});
  EXPECT_EQ(hex.status, 0);
  EXPECT_THAT(hex.out, StartsWith("000: 1b 00 00"));
  EXPECT_EQ(std::count(hex.out.begin(), hex.out.end(), '\n'), 32);
  ASSERT_EQ(Run({"image", "a.vly", "-o", "a.bin"}).status, 0);
  EXPECT_EQ(CliProcess::Read(directory.path() / "a.bin").size(), 512u);

  PutLayout("serial.vly", Layout(11));
  const CliRun serial = Run({"image", "serial.vly"});
  EXPECT_EQ(serial.status, 2);
  EXPECT_THAT(serial.err, HasSubstr("não tem procedimento de gravação"));
}

TEST_F(CliFiles, EveryCommandHasItsHelpAndRefusesWhatItDoesNotTake) {
  for (const char* command : {"show", "import", "image", "diff", "write"}) {
    SCOPED_TRACE(command);
    const CliRun help = Run({command, "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, StartsWith(std::string("Uso: lavrix-cli ") + command));
  }
  EXPECT_EQ(Run({}).status, 0);
  for (const auto& arguments :
       std::vector<std::vector<std::string>>{{"apagar"},
                                             {"show"},
                                             {"show", "a.vly", "b.vly"},
                                             {"show", "a.vly", "--wait"},
                                             {"import", "0", "a.bin"},
                                             {"write", "a.vly", "--log"},
                                             {"diff", "a", "b", "-o", "x"}}) {
    SCOPED_TRACE(arguments[0]);
    const CliRun run = Run(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, StartsWith("lavrix-cli: "));
  }
}

}  // namespace
}  // namespace lavrix::cli::testing
