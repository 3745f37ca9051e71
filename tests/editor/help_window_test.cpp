#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <thread>

#include "core/library_message_boxes.h"
#include "core/manual.h"
#include "platform/platform.h"
#include "tests/support/sim_qtest_main.h"
#include "window_fixture.h"

namespace lavrix::testing {
namespace {

QList<QWidget*> Shown(const QString& name) {
  QList<QWidget*> found;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == name && top->isVisible()) found << top;
  }
  return found;
}

}  // namespace

// Stands in for the desktop: remembers what it was asked to open.
class UrlRecorder : public QObject {
  Q_OBJECT

 public slots:
  void open(const QUrl& url) { opened << url; }

 public:
  QList<QUrl> opened;
};

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QDesktopServices::setUrlHandler("file", &desktop_, "open"); }
  void cleanup() {
    QDesktopServices::unsetUrlHandler("file");
    desktop_.opened.clear();
  }

  void aboutBoxOpensOnceAndOkClosesIt() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    Control<QAction>(*window, "SobreLX").trigger();
    Control<QAction>(*window, "SobreLX").trigger();
    QCOMPARE(Shown("FormSobre").size(), 1);
    QWidget& about = *Shown("FormSobre").first();
    QCOMPARE(about.windowTitle(), "Sobre");
    QCOMPARE(Control<QLabel>(about, "lblProductName").text(), "Lavrix");
    QCOMPARE(Control<QLabel>(about, "lblCompanyProduct").text(),
             "Programa de Configuração dos Teclados Velmar");
    QCOMPARE(Control<QLabel>(about, "lblVersion").text(), "Versão 1.6.0");
    QVERIFY(window->isEnabled());

    QTest::mouseClick(&Control<QPushButton>(about, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(Shown("FormSobre").isEmpty());
    Control<QAction>(*window, "SobreLX").trigger();
    QCOMPARE(Shown("FormSobre").size(), 1);
  }

  void helpWithoutTheManualDoesNothing() {
    if (QFile::exists(kManualPath)) QSKIP("the manual is installed on this machine");
    FakeVarno varno;
    auto window = StartedWindow(varno);
    const auto topLevels = QApplication::topLevelWidgets().size();
    const EditorState before = window->State();
    Control<QAction>(*window, "AjudaLX").trigger();
    QVERIFY(desktop_.opened.isEmpty());
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
    QCOMPARE(window->State().LayoutCodes, before.LayoutCodes);
  }

  void anInstalledManualGoesToTheDesktop() {
    QTemporaryDir directory;
    const QString manual = directory.filePath("Manual Lavrix.pdf");
    QFile file(manual);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    OpenManual(manual);
    QCOMPARE(desktop_.opened, QList<QUrl>{QUrl::fromLocalFile(manual)});
  }

  void libraryMessagesShowAsDialogs_data() {
    QTest::addColumn<bool>("fromAnotherThread");
    QTest::newRow("window thread") << false;
    QTest::newRow("library thread") << true;
  }

  void libraryMessagesShowAsDialogs() {
    QFETCH(bool, fromAnotherThread);
    const LibraryMessageBoxes messageBoxes;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // Read and dismiss the dialog once it is up.
    std::function<void()> answer = [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) {
        QTimer::singleShot(10, answer);
        return;
      }
      text = box->text();
      title = box->windowTitle();
      icon = box->icon();
      box->accept();
    };
    QTimer::singleShot(10, answer);
    const auto show = [] {
      velmar::platform::messageBoxes().show("LoadLibrary Failed", "Varno",
                                            velmar::platform::MessageIcon::Warning);
    };
    if (fromAnotherThread) {
      std::thread library(show);
      QTRY_VERIFY(!text.isEmpty());
      library.join();
    } else {
      show();
    }
    QCOMPARE(text, "LoadLibrary Failed");
    QCOMPARE(title, "Varno");
    QCOMPARE(icon, QMessageBox::Warning);
  }

 private:
  UrlRecorder desktop_;
};

}  // namespace lavrix::testing

VELMAR_QTEST_MAIN(lavrix::testing::HelpWindowTest)
#include "help_window_test.moc"
