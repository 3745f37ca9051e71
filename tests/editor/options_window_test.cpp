#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/file_protection.h"
#include "core/form_options.h"
#include "core/layout_file.h"
#include "core/qt_text.h"
#include "core/twips.h"
#include "file_window_fixture.h"
#include "keys/ui_fonts.h"
#include "tests/support/sim_qtest_main.h"

namespace lavrix::testing {
namespace {

int ClientHeight(const GravaForm& window) {
  return window.centralWidget()->height();
}

bool Shown(const GravaForm& window, const char* frame) {
  const QWidget& widget = Control(window, frame);
  return widget.isVisibleTo(&window) && widget.isEnabled();
}

bool PageItemsEnabled(const GravaForm& window) {
  for (int page = 1; page <= 4; ++page) {
    if (!Control<QAction>(window, QString("Paginam%1").arg(page)).isEnabled()) return false;
  }
  return true;
}

}  // namespace

class OptionsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    dialogs_ = std::make_shared<ScriptedFileDialogs>();
    varno_.delays.clear();
    window_ = StartedWindow(varno_, dialogs_);
  }

  void cleanup() { window_.reset(); }

  void openGivesTheViewOfTheFileProtection_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<bool>("matrix");
    QTest::addColumn<bool>("keys");
    QTest::addColumn<int>("heightTwips");
    QTest::newRow("free") << 0 << "other" << true << true << kFullViewHeight;
    QTest::newRow("examine") << 1 << "other" << true << false << kProtectedViewHeight;
    QTest::newRow("write only") << 2 << "other" << false << false << kProtectedViewHeight;
    QTest::newRow("write only, password held") << 2 << "dono" << true << true << kFullViewHeight;
    QTest::newRow("examine, password held") << 1 << "dono" << true << true << kFullViewHeight;
  }

  void openGivesTheViewOfTheFileProtection() {
    QFETCH(int, level);
    QFETCH(QString, entered);
    QFETCH(bool, matrix);
    QFETCH(bool, keys);
    QFETCH(int, heightTwips);
    window_->State().EnteredPassword = ToStdString(entered);
    Open(level);

    QCOMPARE(Shown(*window_, "Frame1"), matrix);
    QCOMPARE(Shown(*window_, "Frame2"), matrix);
    QCOMPARE(Shown(*window_, "Frame3"), keys);
    QCOMPARE(PageItemsEnabled(*window_), keys);
    QCOMPARE(ClientHeight(*window_), TwipsToPixels(heightTwips));
    // The window itself follows its client area.
    QCOMPARE(window_->height(), window_->centralWidget()->geometry().bottom() + 1);
    QVERIFY(Shown(*window_, "Frame4"));
    QVERIFY(Shown(*window_, "Command1"));
    QCOMPARE(MayEdit(window_->State()), keys);
  }

  void dialogLoadsFromTheEnteredSet() {
    EditorState& state = window_->State();
    state.EnteredPassword = "abc";
    state.EnteredReminder = "lemb";
    state.EnteredProtection = ProtectionLevel::ViewAndWrite;
    state.DelayValue = "77";
    Control<QAction>(*window_, "Salvar").setEnabled(false);
    Control<QAction>(*window_, "SalvarComo").setEnabled(false);
    FormOptions& dialog = ShowOptions();

    QCOMPARE(dialog.windowTitle(), "Opções Lavrix");
    QVERIFY(!dialog.isModal());
    const auto& tabs = Control<QTabWidget>(dialog, "tbsOptions");
    QCOMPARE(tabs.count(), 1);
    QCOMPARE(tabs.tabText(0), "Geral");
    QCOMPARE(Text(dialog, "Text1").text(), "abc");
    QCOMPARE(Text(dialog, "Text1").maxLength(), 8);
    QCOMPARE(Text(dialog, "Text2").text(), "lemb");
    QCOMPARE(Text(dialog, "Text2").maxLength(), 6);
    QCOMPARE(Text(dialog, "Text5").text(), "77");
    QVERIFY(Control<QRadioButton>(dialog, "Option2").isChecked());
    QCOMPARE(Control<QGroupBox>(dialog, "Frame2").title(), "Proteção do arquivo");
    const QStringList labels{"Senha", "Lembrete", "Diretório Inicial", "Arquivo inicial", "Delay"};
    for (int n = 1; n <= 5; ++n)
      QCOMPARE(Control<QLabel>(dialog, QString("Label%1").arg(n)).text(), labels[n - 1]);
    QCOMPARE(Control<QPushButton>(dialog, "cmdCancel").text(), "Cancelar");
    QCOMPARE(Control<QPushButton>(dialog, "cmdApply").text(), "Aplicar");
    const QRect screen = dialog.screen()->geometry();
    QCOMPARE(dialog.x(), screen.x() + (screen.width() - dialog.width()) / 2);
    QCOMPARE(dialog.y(), screen.y() + (screen.height() - dialog.height()) / 2);
    QVERIFY(Control<QAction>(*window_, "Salvar").isEnabled());
    QVERIFY(Control<QAction>(*window_, "SalvarComo").isEnabled());
  }

  void aSecondOpcoesBringsTheDialogForwardUnfilled() {
    FormOptions& first = ShowOptions();
    Text(first, "Text1").setText("typed");
    FormOptions& second = ShowOptions();
    QCOMPARE(&second, &first);
    QCOMPARE(Text(second, "Text1").text(), "typed");
    QCOMPARE(window_->findChildren<FormOptions*>().size(), 1);
  }

  void okAndApplyTakeTheDialogValues_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("authorised");
    QTest::addColumn<int>("heightTwips");
    QTest::newRow("right password, OK")
        << "dono" << QStringList{"cmdOK"} << true << kOptionsOkHeight;
    QTest::newRow("right password, Apply")
        << "dono" << QStringList{"cmdApply"} << true << kOptionsApplyHeight;
    QTest::newRow("Apply then OK")
        << "dono" << QStringList{"cmdApply", "cmdOK"} << true << kOptionsOkHeight;
    QTest::newRow("wrong password, OK")
        << "Dono" << QStringList{"cmdOK"} << false << kProtectedViewHeight;
  }

  void okAndApplyTakeTheDialogValues() {
    QFETCH(QString, typed);
    QFETCH(QStringList, buttons);
    QFETCH(bool, authorised);
    QFETCH(int, heightTwips);
    window_->State().EnteredPassword = "other";
    Open(2);
    FormOptions& dialog = ShowOptions();
    Text(dialog, "Text1").setText(typed);
    Text(dialog, "Text2").setText("novo");
    Control<QRadioButton>(dialog, "Option3").click();
    for (const QString& button : buttons)
      Click(dialog, button);

    const EditorState& state = window_->State();
    QCOMPARE(state.EnteredPassword, ToStdString(typed));
    QCOMPARE(state.EnteredReminder, "novo");
    QCOMPARE(state.EnteredProtection, ProtectionLevel::WriteOnly);
    QCOMPARE(state.FileReminder, authorised ? "novo" : "lem");
    QCOMPARE(MayEdit(state), authorised);
    QCOMPARE(Shown(*window_, "Frame3"), authorised);
    QCOMPARE(Shown(*window_, "Frame1"), authorised);
    QCOMPARE(ClientHeight(*window_), TwipsToPixels(heightTwips));
    QCOMPARE(dialog.isVisible(), buttons.last() == "cmdApply");
  }

  void aFreeLayoutStaysEditableWhateverTheLevelChosen() {
    FormOptions& dialog = ShowOptions();
    Text(dialog, "Text1").setText("nova");
    Control<QRadioButton>(dialog, "Option3").click();
    Click(dialog, "cmdOK");
    const EditorState& state = window_->State();
    QCOMPARE(state.FileProtection, ProtectionLevel::WriteOnly);
    QVERIFY(state.EditUnlocked);
    QVERIFY(Shown(*window_, "Frame3"));
    QCOMPARE(ClientHeight(*window_), TwipsToPixels(kOptionsOkHeight));
  }

  void cancelChangesNothing() {
    FormOptions& dialog = ShowOptions();
    Text(dialog, "Text1").setText("x");
    Control<QRadioButton>(dialog, "Option3").click();
    const int height = ClientHeight(*window_);
    Click(dialog, "cmdCancel");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(window_->State().EnteredPassword, "Velmar");
    QCOMPARE(window_->State().EnteredProtection, ProtectionLevel::Free);
    QCOMPARE(ClientHeight(*window_), height);
    QVERIFY(!window_->findChild<FormOptions*>());
  }

  // The owner protects and saves; another user gets the shrunk window until the right password.
  void aProtectionCycle() {
    FormOptions& owner = ShowOptions();
    Text(owner, "Text1").setText("dono");
    Control<QRadioButton>(owner, "Option3").click();
    Click(owner, "cmdOK");
    dialogs_->Pick(Path("cycle.vly"), dir_->path());
    Trigger(*window_, "SalvarComo");

    auto dialogs = std::make_shared<ScriptedFileDialogs>();
    auto other = StartedWindow(varno_, dialogs);
    dialogs->Pick(Path("cycle.vly"), dir_->path());
    Trigger(*other, "Abrir");
    QVERIFY(!Shown(*other, "Frame1"));
    QCOMPARE(ClientHeight(*other), TwipsToPixels(kProtectedViewHeight));
    const MessageLog messages;
    Trigger(*other, "Salvar");
    QCOMPARE(
        messages.Since(),
        (std::vector<std::string>{"Arquivo Protegido: Por favor entre a senha correta em opções"}));

    Trigger(*other, "Opcoes");
    FormOptions& user = Control<FormOptions>(*other, "frmOptions");
    Text(user, "Text1").setText("dono");
    Click(user, "cmdOK");
    QVERIFY(Shown(*other, "Frame1") && Shown(*other, "Frame3"));
    QVERIFY(MayEdit(other->State()));
    Trigger(*other, "Salvar");
    QCOMPARE(messages.Since().size(), std::size_t{1});
  }

  void delayHandsTheFieldsNumberToVarno_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("argument");
    QTest::newRow("default") << "1024" << 1024;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("number then text") << "250ms" << 250;
    QTest::newRow("above the range") << "99999" << 32767;
  }

  void delayHandsTheFieldsNumberToVarno() {
    QFETCH(QString, text);
    QFETCH(int, argument);
    FormOptions& dialog = ShowOptions();
    Text(dialog, "Text5").setText(text);
    Click(dialog, "Command1");
    QCOMPARE(varno_.delays, (std::vector<std::int16_t>{static_cast<std::int16_t>(argument)}));
    QCOMPARE(window_->State().DelayValue, ToStdString(text));
  }

 private:
  QString Path(const QString& name) const { return dir_->filePath(name); }

  // Opens a file of the level whose password is "dono".
  void Open(int level) {
    LayoutFile file;
    file.password = "dono";
    file.reminder = "lem";
    file.protection = static_cast<std::int16_t>(level);
    const QString path = Path("protected.vly");
    QVERIFY(WriteBytes(path, QByteArray::fromStdString(WriteLayoutFile(file))));
    dialogs_->Pick(path, dir_->path());
    Trigger(*window_, "Abrir");
    QCOMPARE(window_->State().FilePassword, "dono");
  }

  FormOptions& ShowOptions() {
    Trigger(*window_, "Opcoes");
    return Control<FormOptions>(*window_, "frmOptions");
  }

  static QLineEdit& Text(const QObject& dialog, const QString& name) {
    return Control<QLineEdit>(dialog, name);
  }

  std::unique_ptr<QTemporaryDir> dir_;
  FakeVarno varno_;
  std::shared_ptr<ScriptedFileDialogs> dialogs_;
  std::unique_ptr<GravaForm> window_;
};

}  // namespace lavrix::testing

VELMAR_QTEST_MAIN(lavrix::testing::OptionsWindowTest)
#include "options_window_test.moc"
