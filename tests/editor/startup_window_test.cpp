#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "core/model_catalogue.h"
#include "core/qt_text.h"
#include "keys/key_button.h"
#include "keys/pc_key_table.h"
#include "keys/ui_fonts.h"
#include "tests/support/sim_qtest_main.h"
#include "window_fixture.h"

namespace lavrix::testing {

class StartupWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void freshStart() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    const EditorState& state = window->State();
    QVERIFY(std::ranges::all_of(state.LayoutCodes, [](std::int16_t code) { return code == 0; }));
    QCOMPARE(state.CurrentModel, 0);
    QCOMPARE(state.CurrentPage, 0);
    QCOMPARE(state.CurrentPosition, 1);
    QCOMPARE(state.LayoutFileName, "arquivo_modelo0");
    QCOMPARE(state.InitialDirectory, std::string(VELMAR_OUTPUT_DIR));
    QCOMPARE(window->windowTitle(), "Lavrix Velmar");

    QVERIFY(Control<QAction>(*window, "MDORVELdisAT").isChecked());
    for (QAction* item : Control<QMenu>(*window, "MModelo").actions()) {
      QCOMPARE(item->isChecked(), item->objectName() == "MDORVELdisAT");
    }
    for (int page = 1; page <= 4; ++page) {
      QCOMPARE(Control<QAction>(*window, QString("Paginam%1").arg(page)).isChecked(), page == 1);
    }
    QVERIFY(Control<QRadioButton>(*window, "Pagina1").isChecked());
    QVERIFY(Control<QAbstractButton>(*window, "Option1").isChecked());
    QVERIFY(!Control(*window, "ChkULinha").isVisible());
    QVERIFY(Control(*window, "Command1").isEnabled());
    QCOMPARE(Control<QLabel>(*window, "Label1").text(), "DORVEL Dis AT/USB (4 códigos)");
    QVERIFY(!Control<QLabel>(*window, "Image1").pixmap().isNull());
    QCOMPARE(Control<QProgressBar>(*window, "ProgressBar1").value(), 0);
    // 0 to 12 in hundredths.
    QCOMPARE(Control<QProgressBar>(*window, "ProgressBar1").maximum(), 1200);

    int shown = 0;
    for (auto* button : Control(*window, "Frame1").findChildren<KeyButton*>()) {
      QCOMPARE(button->text(), " ");
      if (button->isVisible()) ++shown;
    }
    QCOMPARE(shown, 65);
    QCOMPARE(varno.opens, 1);
    QCOMPARE(varno.closes, 0);
  }

  void splashShowsWhileVarnoOpensAndUntilTheWaitEnds() {
    FakeVarno varno;
    GravaForm window(varno, {300, VELMAR_OUTPUT_DIR});
    bool splashUp = false;
    QStringList splashTexts;
    bool windowHidden = false;
    int opensDuringWait = -1;
    QTimer::singleShot(100, [&] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() != "FormInicio" || !top->isVisible()) continue;
        splashUp = true;
        for (const char* name : {"lblProductName", "lblCompanyProduct", "lblVersion"}) {
          splashTexts << Control<QLabel>(*top, name).text();
        }
      }
      windowHidden = !window.isVisible();
      opensDuringWait = varno.opens;
    });
    window.Form_Load();
    QVERIFY(splashUp);
    QCOMPARE(splashTexts,
             (QStringList{"Lavrix", "Programa de Configuração Para Teclados", "Versão 1.6.0"}));
    QVERIFY(windowHidden);
    QCOMPARE(opensDuringWait, 1);
    QCOMPARE(varno.opens, 1);
    for (QWidget* top : QApplication::topLevelWidgets()) {
      QVERIFY(top->objectName() != "FormInicio" || !top->isVisible());
    }
  }

  void theRealSplashWaitIsTimer1AtThreeSeconds() {
    FakeVarno varno;
    GravaForm window(varno);
    auto& timer = Control<QTimer>(window, "Timer1");
    int interval = 0;
    bool counting = false;
    // A look once the splash shows and the wait is under way.
    QTimer::singleShot(200, [&] {
      interval = timer.interval();
      counting = timer.isActive();
    });
    window.Form_Load();
    QCOMPARE(interval, 3000);
    QVERIFY(counting);
    QVERIFY(!timer.isActive());
  }

  void timer1StaysOffAfterStartAndATickOnlySetsTimerElapsed() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    auto& timer = Control<QTimer>(*window, "Timer1");
    QVERIFY(!timer.isActive());
    QCOMPARE(timer.interval(), 500);
    QVERIFY(!window->State().TimerElapsed);

    Click(*window, "Tecla52");
    const EditorState before = window->State();
    timer.start(0);
    QTRY_VERIFY(window->State().TimerElapsed);
    timer.stop();
    QCOMPARE(window->State().LayoutCodes, before.LayoutCodes);
    QCOMPARE(window->State().CurrentModel, before.CurrentModel);
    QCOMPARE(window->State().CurrentCaption, before.CurrentCaption);
  }

  void aMissingPictureLeavesOnlyTheImageEmpty() {
    QTemporaryDir empty;
    FakeVarno varno;
    auto window = StartedWindow(varno, empty.path());
    QVERIFY(Control<QLabel>(*window, "Image1").pixmap().isNull());
    QCOMPARE(Control<QLabel>(*window, "Label1").text(), "DORVEL Dis AT/USB (4 códigos)");
    QVERIFY(Control(*window, "Option77").isVisible());
    QTest::mouseClick(&Control<QAbstractButton>(*window, "Tecla52"), Qt::LeftButton);
    QCOMPARE(window->State().LayoutCodes[0], 11);
  }

  void everyCataloguePictureIsBesideTheProgram() {
    for (const ModelRow& row : ModelCatalogue()) {
      const QString file = QDir(VELMAR_OUTPUT_DIR).filePath(ToQString(row.picture));
      QVERIFY2(!QPixmap(file).isNull(), qPrintable(file));
    }
  }

  void geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Frame1") << "Frame1" << QRect(8, 0, 609, 305);
    QTest::newRow("Frame4") << "Frame4" << QRect(624, 0, 121, 113);
    QTest::newRow("Image1") << "Image1" << QRect(8, 16, 100, 63);
    QTest::newRow("Frame2") << "Frame2" << QRect(624, 120, 121, 57);
    QTest::newRow("ChkULinha") << "ChkULinha" << QRect(624, 184, 113, 13);
    QTest::newRow("ProgressBar1") << "ProgressBar1" << QRect(624, 200, 121, 17);
    QTest::newRow("Command1") << "Command1" << QRect(624, 224, 121, 33);
    QTest::newRow("Frame3") << "Frame3" << QRect(8, 312, 737, 265);
    QTest::newRow("Option1") << "Option1" << QRect(8, 16, 33, 33);
    QTest::newRow("Option95") << "Option95" << QRect(568, 216, 33, 33);
    QTest::newRow("Option112") << "Option112" << QRect(328, 256, 33, 33);
    QTest::newRow("Pagina4") << "Pagina4" << QRect(72, 32, 25, 17);
    QTest::newRow("Tecla1") << "Tecla1" << QRect(8, 16, 33, 33);
    QTest::newRow("Tecla48") << "Tecla48" << QRect(536, 96, 33, 73);
    QTest::newRow("Tecla80") << "Tecla80" << QRect(136, 216, 105, 33);
  }

  void geometry() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    FakeVarno varno;
    GravaForm window(varno, {0, VELMAR_OUTPUT_DIR});
    QCOMPARE(Control(window, name).geometry(), place);
    QCOMPARE(window.centralWidget()->size(), QSize(755, 579));
  }

  void pcKeyButtonsCarryTheirCaptionsAndFonts() {
    FakeVarno varno;
    GravaForm window(varno, {0, VELMAR_OUTPUT_DIR});
    for (const PcKey& key : PcKeyTable()) {
      const auto& button = Control<KeyButton>(window, ToQString(key.name));
      QCOMPARE(button.text(), ToQString(key.caption));
    }
    QCOMPARE(Control(window, "Tecla18").font().family(), "MS Sans Serif");
    QCOMPARE(Control(window, "Tecla18").font().pointSizeF(), 9.75);
    QCOMPARE(Control(window, "Tecla1").font().pointSizeF(), 8.25);
    QCOMPARE(Control(window, "Option1").font().family(), "MS Sans Serif");
    QCOMPARE(Control(window, "Label1").font().family(), "MS Serif");
    const QStringList arrows{"\u00F1", "\u00F2", "\u00EF", "\u00F0"};
    for (int n = 83; n <= 86; ++n) {
      const auto& arrow = Control<KeyButton>(window, QString("Tecla%1").arg(n));
      QCOMPARE(arrow.text(), arrows[n - 83]);
      QCOMPARE(arrow.font().family(), "Wingdings");
      QCOMPARE(arrow.font().pointSizeF(), 15.75);
    }
    QCOMPARE(Control(window, "Frame3").findChildren<KeyButton*>().size(), 100);
    QCOMPARE(Control(window, "Frame1").findChildren<KeyButton*>().size(), 94);
  }

  void sairClosesTheLibraryTwiceAndTheWindow() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    Control<QAction>(*window, "Sair").trigger();
    QVERIFY(!window->isVisible());
    QCOMPARE(varno.closes, 2);
  }

  void theCloseBoxClosesTheLibraryOnce() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    QVERIFY(window->close());
    QCOMPARE(varno.closes, 1);
  }
};

}  // namespace lavrix::testing

VELMAR_QTEST_MAIN(lavrix::testing::StartupWindowTest)
#include "startup_window_test.moc"
