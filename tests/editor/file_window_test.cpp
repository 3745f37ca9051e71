#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>

#include <sys/resource.h>

#include "core/layout_file.h"
#include "core/qt_text.h"
#include "file_window_fixture.h"
#include "keys/cell_caption.h"
#include "keys/key_button.h"
#include "keys/ui_fonts.h"
#include "tests/support/sim_qtest_main.h"

namespace lavrix::testing {
namespace {

QByteArray DefaultFile() {
  QByteArray text;
  for (int i = 0; i < kCellCount; ++i)
    text += "0\r\n";
  text += "6\r\n86\r\n101\r\n108\r\n109\r\n97\r\n114\r\n5\r\n69\r\n112\r\n115\r\n104\r\n110\r\n";
  text += "0\r\n0\r\n";
  return text;
}

QByteArray Written(const LayoutFile& file) {
  return QByteArray::fromStdString(WriteLayoutFile(file));
}

// A file of the given level and model whose password is "dono".
LayoutFile ProtectedFile(std::int16_t level, std::int16_t model = 0) {
  LayoutFile file;
  file.codes[0] = 11;
  file.password = "dono";
  file.reminder = "lem";
  file.protection = level;
  file.model = model;
  return file;
}

int ShownPositions(const GravaForm& window) {
  const auto buttons = Control(window, "Frame1").findChildren<KeyButton*>();
  return static_cast<int>(
      std::ranges::count_if(buttons, [](const KeyButton* button) { return !button->isHidden(); }));
}

// Limits the size of the files this process writes, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

}  // namespace

class FileWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    dialogs_ = std::make_shared<ScriptedFileDialogs>();
    window_ = StartedWindow(varno_, dialogs_);
  }

  void cleanup() {
    window_.reset();
    QDir::setCurrent(startDirectory_);
  }

  void saveRightAfterStartWritesTheDefaultFile() {
    QTemporaryDir current;
    QDir::setCurrent(current.path());
    Trigger(*window_, "Salvar");
    QCOMPARE(FileBytes(current.filePath("arquivo_modelo0")), DefaultFile());
    QCOMPARE(DefaultFile().count('\n'), 527);
    QCOMPARE(window_->windowTitle(), "Lavrix Velmar");
    QVERIFY(dialogs_->requests.empty());
  }

  void saveAndSaveAsWriteTheSameFile() {
    EditorState& state = window_->State();
    state.LayoutCodes[0] = 11;
    state.LayoutCodes[511] = -1;
    state.EnteredPassword = "ç,1";
    state.EnteredProtection = ProtectionLevel::WriteOnly;
    state.LayoutFileName = ToStdString(Path("a.vly"));
    Trigger(*window_, "Salvar");
    dialogs_->Pick(Path("b.vly"), Dir());
    Trigger(*window_, "SalvarComo");

    QVERIFY(!FileBytes(Path("a.vly")).isEmpty());
    QCOMPARE(FileBytes(Path("b.vly")), FileBytes(Path("a.vly")));
    QCOMPARE(dialogs_->requests.size(), std::size_t{1});
    QCOMPARE(dialogs_->requests[0].kind, FileDialogKind::Save);
    QCOMPARE(dialogs_->requests[0].initialDirectory, QString(VELMAR_OUTPUT_DIR));
    QCOMPARE(dialogs_->requests[0].fileName, Path("a.vly"));
    QCOMPARE(state.LayoutFileName, ToStdString(Path("b.vly")));
    QCOMPARE(state.InitialDirectory, ToStdString(Dir()));
    QCOMPARE(window_->windowTitle(), "Lavrix Velmar - " + Path("b.vly"));
  }

  void aSavedLayoutOpensWithEveryFieldUnchanged_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("reminder");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("model");
    QTest::newRow("defaults") << "Velmar"
                              << "Epshn" << 0 << 0;
    QTest::newRow("comma reminder") << "x"
                                    << "a, b" << 1 << 13;
    QTest::newRow("empty password and reminder") << ""
                                                 << "" << 2 << 17;
    QTest::newRow("accents and symbols") << "Ção€"
                                         << "ÿ™" << 0 << 7;
  }

  void aSavedLayoutOpensWithEveryFieldUnchanged() {
    QFETCH(QString, password);
    QFETCH(QString, reminder);
    QFETCH(int, level);
    QFETCH(int, model);
    EditorState& saved = window_->State();
    for (int i = 0; i < kCellCount; ++i)
      saved.LayoutCodes[i] = static_cast<std::int16_t>(i % 7 == 0 ? -i : i % 101);
    saved.EnteredPassword = ToStdString(password);
    saved.EnteredReminder = ToStdString(reminder);
    saved.EnteredProtection = static_cast<ProtectionLevel>(level);
    saved.CurrentModel = static_cast<std::int16_t>(model);
    dialogs_->Pick(Path("saved.vly"), Dir());
    Trigger(*window_, "SalvarComo");

    auto dialogs = std::make_shared<ScriptedFileDialogs>();
    auto opener = StartedWindow(varno_, dialogs);
    dialogs->Pick(Path("saved.vly"), Dir());
    Trigger(*opener, "Abrir");
    const EditorState& opened = opener->State();
    QVERIFY(opened.LayoutCodes == saved.LayoutCodes);
    QCOMPARE(opened.FilePassword, saved.EnteredPassword);
    QCOMPARE(opened.FileReminder, saved.EnteredReminder);
    QCOMPARE(opened.FileProtection, saved.EnteredProtection);
    QCOMPARE(opened.CurrentModel, saved.CurrentModel);
    QCOMPARE(opened.LayoutFileName, ToStdString(Path("saved.vly")));
    QCOMPARE(opener->windowTitle(), "Lavrix Velmar - " + Path("saved.vly") + " - " + reminder);
    QCOMPARE(dialogs->requests.at(0).kind, FileDialogKind::Open);
  }

  void aHandMadeFileOpens() {
    LayoutFile file;
    file.codes[0] = 11;
    file.codes[2] = 12;
    QByteArray text = Written(file);
    // Line feeds only, blanks, two values on one line, and a tail of notes.
    text.replace("\r\n", "\n");
    text.replace(0, 8, " 11 ,\t0\n 12\t\n");
    text.chop(2);
    text += "4\nnotas\n";
    QVERIFY(WriteBytes(Path("hand.vly"), text));
    dialogs_->Pick(Path("hand.vly"), Dir());
    Trigger(*window_, "Abrir");

    const EditorState& state = window_->State();
    QCOMPARE(state.LayoutCodes[0], 11);
    QCOMPARE(state.LayoutCodes[2], 12);
    QCOMPARE(state.CurrentModel, 4);
    QVERIFY(Control<QAction>(*window_, "MFESKAT").isChecked());
    QVERIFY(!Control(*window_, "Pagina3").isVisibleTo(window_.get()));
    QCOMPARE(Control<KeyButton>(*window_, "Option1").text(), ToQString(CaptionOfCode(11)->text));
    QCOMPARE(Control<KeyButton>(*window_, "Option3").text(), ToQString(CaptionOfCode(12)->text));
  }

  void aModelWithoutARowKeepsTheCurrentButtons() {
    Trigger(*window_, "MFESKAT");
    QVERIFY(WriteBytes(Path("m15.vly"), Written(ProtectedFile(0, 15))));
    dialogs_->Pick(Path("m15.vly"), Dir());
    Trigger(*window_, "Abrir");
    QCOMPARE(window_->State().CurrentModel, 15);
    QVERIFY(Control<QAction>(*window_, "MFESKAT").isChecked());
    QCOMPARE(ShownPositions(*window_), 44);
    QVERIFY(!Control(*window_, "Pagina3").isVisibleTo(window_.get()));
    QCOMPARE(Control<KeyButton>(*window_, "Option1").text(), ToQString(CaptionOfCode(11)->text));
  }

  void aBadFileKeepsTheLayoutAndSaysWhere_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("says");
    QByteArray letters = Written(LayoutFile{});
    letters.replace(299 * 3, 1, "x");
    QTest::newRow("letters on line 300") << letters << "Linha 300: o valor não é um número";
    QTest::newRow("cut short") << Written(LayoutFile{}).left(30) << "Linha 11: o arquivo termina";
    QByteArray code = Written(ProtectedFile(0));
    code.replace(code.indexOf("\r\n100\r\n"), 7, "\r\n400\r\n");
    QTest::newRow("character code") << code << "Linha 514: o código de caractere";
    QTest::newRow("missing file") << QByteArray() << "";
  }

  void aBadFileKeepsTheLayoutAndSaysWhere() {
    QFETCH(QByteArray, text);
    QFETCH(QString, says);
    const QString path = Path("bad.vly");
    if (!text.isEmpty()) QVERIFY(WriteBytes(path, text));
    EditorState& state = window_->State();
    state.LayoutCodes[5] = 7;
    state.LayoutFileName = "kept.vly";
    window_->setWindowTitle("Lavrix Velmar - kept.vly");
    const MessageLog messages;
    dialogs_->Pick(path, Dir());
    Trigger(*window_, "Abrir");

    QCOMPARE(state.LayoutCodes[5], 7);
    QCOMPARE(state.LayoutCodes[0], 0);
    QCOMPARE(state.LayoutFileName, "kept.vly");
    QCOMPARE(state.CurrentModel, 0);
    QCOMPARE(window_->windowTitle(), "Lavrix Velmar - kept.vly");
    QVERIFY(state.FilePassword.empty());
    QVERIFY(!state.EditUnlocked);
    const auto shown = messages.Since();
    QCOMPARE(shown.size(), std::size_t{1});
    QVERIFY(ToQString(shown[0]).contains(path));
    QVERIFY2(ToQString(shown[0]).contains(says), shown[0].c_str());
  }

  void cancelledOpenLocksEditing_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<bool>("mayEdit");
    QTest::newRow("free layout") << 0 << "Velmar" << true;
    QTest::newRow("protected layout") << 2 << "Velmar" << false;
    QTest::newRow("protected, empty password entered") << 1 << "" << true;
  }

  void cancelledOpenLocksEditing() {
    QFETCH(int, level);
    QFETCH(QString, entered);
    QFETCH(bool, mayEdit);
    EditorState& state = window_->State();
    state.FileProtection = static_cast<ProtectionLevel>(level);
    state.EnteredPassword = ToStdString(entered);
    state.EditUnlocked = true;
    dialogs_->Cancel();
    Trigger(*window_, "Abrir");
    QCOMPARE(MayEdit(state), mayEdit);
    QVERIFY(!state.EditUnlocked);
    QCOMPARE(state.LayoutFileName, "arquivo_modelo0");
    QCOMPARE(window_->windowTitle(), "Lavrix Velmar");

    const MessageLog messages;
    dialogs_->Cancel();
    Trigger(*window_, "SalvarComo");
    QCOMPARE(messages.Since().empty(), mayEdit);
  }

  void aProtectedLayoutIsNotSaved_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("message");
    QTest::newRow("Salvar") << "Salvar"
                            << "Arquivo Protegido: Por favor entre a senha correta em opções";
    QTest::newRow("SalvarComo")
        << "SalvarComo"
        << "Arquivo Protegido: Por favor entre com a senha correta em opções!";
  }

  void aProtectedLayoutIsNotSaved() {
    QFETCH(QString, item);
    QFETCH(QString, message);
    EditorState& state = window_->State();
    state.LayoutFileName = ToStdString(Path("p.vly"));
    state.FileProtection = ProtectionLevel::ViewAndWrite;
    state.FilePassword = "dono";
    state.EditUnlocked = false;
    const MessageLog messages;
    Trigger(*window_, item);
    QCOMPARE(messages.Since(), (std::vector<std::string>{ToStdString(message)}));
    QVERIFY(dialogs_->requests.empty());
    QVERIFY(!QFile::exists(Path("p.vly")));
  }

  void aPasswordTheFileCannotHoldIsNotSaved() {
    window_->State().EnteredPassword = "hasło";
    window_->State().LayoutFileName = ToStdString(Path("l.vly"));
    const MessageLog messages;
    Trigger(*window_, "Salvar");
    Trigger(*window_, "SalvarComo");
    QCOMPARE(messages.Since().size(), std::size_t{2});
    QVERIFY(dialogs_->requests.empty());
    QVERIFY(!QFile::exists(Path("l.vly")));
  }

  void aFailedSaveIsShownAndLeavesTheOldFile() {
    const QByteArray old = "old layout\r\n";
    QVERIFY(WriteBytes(Path("full.vly"), old));
    window_->State().LayoutFileName = ToStdString(Path("full.vly"));
    const MessageLog messages;
    {
      const FileSizeLimit limit(100);
      Trigger(*window_, "Salvar");
    }
    QCOMPARE(FileBytes(Path("full.vly")), old);
    QCOMPARE(QDir(Dir()).entryList(QDir::Files), QStringList{"full.vly"});
    const auto shown = messages.Since();
    QCOMPARE(shown.size(), std::size_t{1});
    QVERIFY(ToQString(shown[0]).startsWith("Lavrix Velmar: Não foi possível salvar o arquivo"));
    QVERIFY(ToQString(shown[0]).contains(Path("full.vly")));
  }

  void aFailedSaveAsKeepsTheName() {
    const QString path = Path("no/such/dir/x.vly");
    dialogs_->Pick(path, Dir());
    const MessageLog messages;
    Trigger(*window_, "SalvarComo");
    QVERIFY(!QFile::exists(path));
    QCOMPARE(window_->State().LayoutFileName, "arquivo_modelo0");
    QCOMPARE(window_->windowTitle(), "Lavrix Velmar");
    QCOMPARE(messages.Since().size(), std::size_t{1});
    QVERIFY(ToQString(messages.Since()[0]).contains(path));
  }

  void newClearsTheLayoutAndKeepsTheRest() {
    Trigger(*window_, "MFESKAT");
    EditorState& state = window_->State();
    state.LayoutCodes[0] = 11;
    state.LayoutCodes[300] = 12;
    state.FileProtection = ProtectionLevel::WriteOnly;
    state.EditUnlocked = false;
    Click(*window_, "Pagina1");
    Control<QAction>(*window_, "Salvar").setEnabled(false);
    Control<QAction>(*window_, "SalvarComo").setEnabled(false);
    Trigger(*window_, "MNovo");
    QVERIFY(std::ranges::all_of(state.LayoutCodes, [](std::int16_t code) { return code == 0; }));
    QCOMPARE(state.LayoutFileName, "Novo.vly");
    QCOMPARE(window_->windowTitle(), "Lavrix Velmar - Novo.vly");
    QCOMPARE(state.CurrentModel, 4);
    QCOMPARE(state.FileProtection, ProtectionLevel::WriteOnly);
    QVERIFY(!state.EditUnlocked);
    QCOMPARE(Control<KeyButton>(*window_, "Option1").text(), " ");
    QVERIFY(Control<QAction>(*window_, "Salvar").isEnabled());
    QVERIFY(Control<QAction>(*window_, "SalvarComo").isEnabled());
  }

  void layoutDialogsHaveTheFileSettings_data() {
    QTest::addColumn<FileDialogKind>("kind");
    QTest::addColumn<QFileDialog::AcceptMode>("mode");
    QTest::newRow("open") << FileDialogKind::Open << QFileDialog::AcceptOpen;
    QTest::newRow("save") << FileDialogKind::Save << QFileDialog::AcceptSave;
  }

  void layoutDialogsHaveTheFileSettings() {
    QFETCH(FileDialogKind, kind);
    QFETCH(QFileDialog::AcceptMode, mode);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetUpLayoutDialog(dialog, kind, {Dir(), "nome.vly"});
    QCOMPARE(dialog.acceptMode(), mode);
    QCOMPARE(dialog.nameFilters(), QStringList{"Layout Teclados Velmar (*.vly)"});
    QCOMPARE(dialog.defaultSuffix(), "vly");
    QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(dialog.directory().absolutePath(), QDir(Dir()).absolutePath());
    QCOMPARE(dialog.selectedFiles(), QStringList{QDir(Dir()).filePath("nome.vly")});
  }

 private:
  QString Path(const QString& name) const { return dir_->filePath(name); }
  QString Dir() const { return dir_->path(); }

  // A fresh directory for each test.
  std::unique_ptr<QTemporaryDir> dir_;
  QString startDirectory_ = QDir::currentPath();
  FakeVarno varno_;
  std::shared_ptr<ScriptedFileDialogs> dialogs_;
  std::unique_ptr<GravaForm> window_;
};

}  // namespace lavrix::testing

VELMAR_QTEST_MAIN(lavrix::testing::FileWindowTest)
#include "file_window_test.moc"
