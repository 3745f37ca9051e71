#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "import/old_file_dialog.h"
#include "keys/key_button.h"
#include "modal_script.h"
#include "tests/support/sim_qtest_main.h"
#include "window_fixture.h"

namespace lavrix::testing {
namespace {

// The old-file dialog answering from a list: a path, or an empty one for Cancel.
class ScriptedOldFileDialog : public OldFileDialog {
 public:
  std::optional<QString> Choose(const QString& initialDirectory, QWidget*) override {
    startDirectories.push_back(initialDirectory);
    if (answers.empty()) return std::nullopt;
    const QString answer = answers.takeFirst();
    if (answer.isEmpty()) return std::nullopt;
    return answer;
  }
  QStringList answers;
  QStringList startDirectories;
};

struct ImportFixture {
  ImportFixture() {
    GravaFormOptions options;
    options.splashMilliseconds = 0;
    options.programDirectory = VELMAR_OUTPUT_DIR;
    options.oldFileDialog = files;
    window = std::make_unique<GravaForm>(varno, options);
    window->Form_Load();
    window->show();
  }

  // An old file of `length` bytes, byte i holding `first` + i (mod 256).
  QString OldFile(const QString& name, int length, int first = 1) {
    const QString path = directory.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write old file");
    QByteArray bytes(length, 0);
    for (int i = 0; i < length; ++i)
      bytes[i] = static_cast<char>(first + i);
    file.write(bytes);
    return path;
  }

  // Runs "&Importar" with the user's steps in the dialog.
  void Import(std::deque<ModalScript::Step> steps) {
    script = std::make_unique<ModalScript>(std::move(steps));
    Control<QAction>(*window, "Importar").trigger();
  }

  QString Caption(int position) const {
    return Control<KeyButton>(*window, QString("Option%1").arg(position)).text();
  }
  bool SavingEnabled() const {
    return Control<QAction>(*window, "Salvar").isEnabled() &&
           Control<QAction>(*window, "SalvarComo").isEnabled();
  }
  bool SavingDisabled() const {
    return !Control<QAction>(*window, "Salvar").isEnabled() &&
           !Control<QAction>(*window, "SalvarComo").isEnabled();
  }

  QTemporaryDir directory;
  FakeVarno varno;
  std::shared_ptr<ScriptedOldFileDialog> files = std::make_shared<ScriptedOldFileDialog>();
  std::unique_ptr<GravaForm> window;
  std::unique_ptr<ModalScript> script;
};

ModalScript::Step Press(const QString& button) {
  return [button](QWidget& dialog) { Click(dialog, button); };
}

ModalScript::Step CloseDialog() {
  return [](QWidget& dialog) { dialog.close(); };
}

}  // namespace

class ImportWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theDialogHoldsItsButtonsInTwoFrames() {
    ImportFixture f;
    QStringList normal;
    QStringList cruzada;
    QString title;
    f.Import({[&](QWidget& dialog) {
      title = dialog.windowTitle();
      QCOMPARE(Control<QGroupBox>(dialog, "Frame1").title(), "Normal");
      QCOMPARE(Control<QGroupBox>(dialog, "Frame2").title(), "Cruzada");
      for (auto* b : Control(dialog, "Frame1").findChildren<QPushButton*>())
        normal << b->objectName() + " " + b->text();
      for (auto* b : Control(dialog, "Frame2").findChildren<QPushButton*>())
        cruzada << b->objectName() + " " + b->text();
      dialog.close();
    }});
    QCOMPARE(title, "Importação de arquivos antigos");
    QCOMPARE(normal,
             (QStringList{
                 "Command1 DORVEL Dis AT/USB (4 Códigos)", "Command2 FESK Dis AT/USB (4 Códigos)",
                 "Command3 BRALO Dis AT (4 Códigos)", "Command4 FESK AT (2 Códigos)",
                 "Command5 CINDO AT (4 Códigos)", "Command6 Quent 90 Teclas (4 Códigos)",
                 "Command7 Quent 44 Teclas (4 Códigos)", "Command8 PIROL AT (antigo 1 Código)",
                 "Command9 FESK AT (antigo 2 Códigos)", "Command13 ANSU AT (4 Códigos)",
                 "Command15 GORIM AT/USB (4 Códigos)", "Command17 HOLBE At (4 códigos)"}));
    QCOMPARE(cruzada, (QStringList{"Command10 PIROL - DORVEL Dis", "Command11 FESK 1C - FESK 2C",
                                   "Command12 FESK 2C ant - FESK 2C"}));
  }

  void aFileOfTheRightLengthBecomesTheLayoutOfItsModel() {
    ImportFixture f;
    f.window->State().LayoutCodes[200] = 33;  // page 2: an 80-byte file leaves it
    f.window->State().LayoutFileName = "/tmp/antes.vly";
    Control<QAction>(*f.window, "Salvar").setEnabled(false);
    f.files->answers = {f.OldFile("pirol.bin", 80, 11)};
    f.Import({Press("Command8")});

    const EditorState& state = f.window->State();
    QCOMPARE(state.CurrentModel, 9);
    QCOMPARE(Control<QLabel>(*f.window, "Label1").text(), "DORVEL Antigo (1 código)");
    QCOMPARE(state.LayoutCodes[0], 11);
    QCOMPARE(state.LayoutCodes[11], 11 + 14);  // column 14 lands on position 12
    QCOMPARE(state.LayoutCodes[80], 11 + 11);
    QCOMPARE(state.LayoutCodes[200], 33);
    QCOMPARE(f.Caption(1), "A");
    QCOMPARE(f.Caption(12), "O");
    QCOMPARE(f.files->startDirectories,
             QStringList{QString::fromStdString(state.InitialDirectory)});
    QVERIFY(f.SavingEnabled());
    QCOMPARE(state.LayoutFileName, "/tmp/antes.vly");
    QVERIFY(f.script->boxes.empty());
  }

  void aFileOfAnotherLengthIsRefusedAndTheDialogStays() {
    ImportFixture f;
    const QString wrong = f.OldFile("grande.bin", 512);
    const QString right = f.OldFile("fesk.bin", 128, 0xFF);
    f.files->answers = {wrong, right};
    f.Import({Press("Command4"), Press("Command9")});
    const auto& boxes = f.script->boxes;
    QCOMPARE(boxes.size(), 1u);
    QCOMPARE(boxes[0].text, "Arquivo Binario invalido para este modelo.");
    QCOMPARE(boxes[0].title, "Lavrix - Importação de Arquivos");
    QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(f.window->State().CurrentModel, 4);
    QCOMPARE(f.window->State().ImportKind, 3);
    QCOMPARE(f.window->State().LayoutCodes[0], 255);
  }

  void cancellingOrClosingChangesNothing() {
    ImportFixture f;
    f.window->State().LayoutCodes[0] = 11;
    f.files->answers = {QString(), f.directory.filePath("nao_existe.bin")};
    f.Import({Press("Command1"), Press("Command1"), CloseDialog()});
    QCOMPARE(f.script->unscripted, 0);
    QCOMPARE(f.files->startDirectories.size(), 2);
    QVERIFY(f.script->boxes.empty());
    QCOMPARE(f.window->State().CurrentModel, 0);
    QCOMPARE(f.window->State().LayoutCodes[0], 11);
    QCOMPARE(f.window->State().ImportKind, 20);
    QVERIFY(f.SavingEnabled());
  }

  void anAnsuLayoutGoesToItsPositionsAndMayNotBeSaved() {
    ImportFixture f;
    f.files->answers = {f.OldFile("ansu.bin", 512, 0), f.OldFile("dorvel.bin", 512)};
    f.Import({Press("Command13")});
    const EditorState& state = f.window->State();
    QCOMPARE(state.CurrentModel, 14);
    // Byte 8 (second row of 8) belongs to position 17, shown there and held there.
    QCOMPARE(state.LayoutCodes[16], 8);
    QCOMPARE(state.LayoutCodes[8], 0);
    QCOMPARE(state.LayoutCodes[128 + 48], 128 + 24);
    QCOMPARE(f.Caption(17), "   *   8");
    QCOMPARE(f.Caption(33), "F");
    QVERIFY(f.SavingDisabled());

    f.Import({Press("Command1")});
    QCOMPARE(f.window->State().CurrentModel, 0);
    QVERIFY(f.SavingEnabled());
  }
};

}  // namespace lavrix::testing

VELMAR_QTEST_MAIN(lavrix::testing::ImportWindowTest)
#include "import_window_test.moc"
