#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include "keys/key_button.h"
#include "tests/support/sim_qtest_main.h"
#include "window_fixture.h"

namespace lavrix::testing {
namespace {

// "-" for a separator; hidden items are listed too, their visibility checked apart.
QStringList Captions(const QMenu& menu) {
  QStringList captions;
  for (const QAction* item : menu.actions()) {
    captions << (item->isSeparator() ? "-" : item->text());
  }
  return captions;
}

int ShownPositions(const GravaForm& window) {
  int shown = 0;
  for (const auto* button : Control(window, "Frame1").findChildren<KeyButton*>()) {
    if (button->isVisible() && button->isEnabled()) ++shown;
  }
  return shown;
}

}  // namespace

class MenuWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void menusHoldTheirItemsInOrder() {
    FakeVarno varno;
    GravaForm window(varno, {0, VELMAR_OUTPUT_DIR});
    QStringList bar;
    for (const QAction* menu : window.menuBar()->actions())
      bar << menu->text();
    QCOMPARE(bar, (QStringList{"&Arquivo", "&Modelo", "&Pagina", "&Gera VLY Ruvo's", "Aju&da"}));
    QCOMPARE(Captions(Control<QMenu>(window, "Arquivo")),
             (QStringList{"&Novo", "A&brir ...", "&Salvar", "Salvar &Como ...", "-", "&Importar",
                          "&Opções", "-", "Sai&r", "Gravar &Teclado"}));
    QCOMPARE(
        Captions(Control<QMenu>(window, "MModelo")),
        (QStringList{"DORVEL Dis AT/USB (4 códigos)", "FESK Dis AT /USB (4 códigos)",
                     "BRALO Dis AT (4 códigos)", "ANSUAT(4 códigos)", "HOLBE AT (4 códigos)",
                     "GORIM AT/USB  (4 códigos)", "FESK AT (2 códigos)", "CINDO AT (4 códigos)",
                     "ILVAR AT/USB (4 códigos)", "-", "Quentar 90 teclas (4 códigos)",
                     "Quentar 84 teclas (4 códigos)", "Quentar 44 teclas (4 códigos)", "-",
                     "PIROL AT (antigo 1 código)", "FESK AT (antigo 2 códigos)",
                     "DORVEL Dis Serial (4 códigos)", "FESK Dis Serial (4 códigos)"}));
    QCOMPARE(Captions(Control<QMenu>(window, "MPagina")),
             (QStringList{"Pagina &1", "Pagina &2", "Pagina &3", "Pagina &4"}));
    QCOMPARE(Captions(Control<QMenu>(window, "GeraVly")),
             (QStringList{"Lumar 4 cod", "Tessin &4 cod"}));
    QCOMPARE(Captions(Control<QMenu>(window, "Ajuda")),
             (QStringList{"Ajuda &Lavrix", "So&bre ..."}));
  }

  void hiddenItemsAreNeverAvailable() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    for (const char* name : {"MQUENT84", "MDORVELDisSerial", "MFESKDisSerial", "GravarTeclado"}) {
      const auto& item = Control<QAction>(*window, name);
      QVERIFY2(!item.isVisible() && !item.isEnabled(), name);
    }
    for (QAction* item : Control<QMenu>(*window, "MModelo").actions()) {
      item->trigger();
    }
    QVERIFY(!Control<QAction>(*window, "MQUENT84").isVisible());
    QVERIFY(window->State().CurrentModel != 7 && window->State().CurrentModel != 11 &&
            window->State().CurrentModel != 12);
  }

  void modelItem_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("positions");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("writes");
    QTest::addColumn<bool>("lastLineBox");
    QTest::newRow("MDORVELdisAT") << "MDORVELdisAT" << 0 << 65 << 4 << true << false;
    QTest::newRow("MFESKDisAT") << "MFESKDisAT" << 1 << 44 << 4 << true << false;
    QTest::newRow("MCINDODisAT") << "MCINDODisAT" << 2 << 20 << 4 << true << false;
    QTest::newRow("MANSUAT") << "MANSUAT" << 14 << 12 << 4 << true << false;
    QTest::newRow("MHOLBEAT") << "MHOLBEAT" << 3 << 72 << 4 << true << true;
    QTest::newRow("MGORIMAT") << "MGORIMAT" << 13 << 66 << 4 << true << false;
    QTest::newRow("MFESKAT") << "MFESKAT" << 4 << 44 << 2 << true << false;
    QTest::newRow("MBRALOAT") << "MBRALOAT" << 5 << 21 << 4 << true << false;
    QTest::newRow("MILVARAT") << "MILVARAT" << 17 << 56 << 4 << true << false;
    QTest::newRow("MQUENT90") << "MQUENT90" << 6 << 89 << 4 << true << false;
    QTest::newRow("MQUENT44") << "MQUENT44" << 8 << 44 << 4 << true << false;
    QTest::newRow("MPIROLOLD") << "MPIROLOLD" << 9 << 65 << 1 << true << false;
    QTest::newRow("MFESKDisOLD") << "MFESKDisOLD" << 10 << 44 << 2 << true << false;
    QTest::newRow("MLumar") << "MLumar" << 2 << 20 << 4 << false << false;
    QTest::newRow("MTessin") << "MTessin" << 1 << 44 << 4 << false << false;
  }

  void modelItem() {
    QFETCH(QString, item);
    QFETCH(int, model);
    QFETCH(int, positions);
    QFETCH(int, pages);
    QFETCH(bool, writes);
    QFETCH(bool, lastLineBox);
    FakeVarno varno;
    auto window = StartedWindow(varno);
    Click(*window, "Pagina2");
    Control<QAction>(*window, item).trigger();

    QCOMPARE(window->State().CurrentModel, model);
    QCOMPARE(window->State().CurrentPage, 0);
    QCOMPARE(ShownPositions(*window), positions);
    QVERIFY(Control(*window, "Option1").isVisible());
    QVERIFY(!Control(*window, "Option95").isVisible());
    for (int page = 1; page <= 4; ++page) {
      const bool shown = page <= pages;
      QCOMPARE(Control(*window, QString("Pagina%1").arg(page)).isVisible(), shown);
      QCOMPARE(Control(*window, QString("Pagina%1").arg(page)).isEnabled(), shown);
      QCOMPARE(Control<QAction>(*window, QString("Paginam%1").arg(page)).isVisible(), shown);
      QCOMPARE(Control<QAction>(*window, QString("Paginam%1").arg(page)).isEnabled(), shown);
      QCOMPARE(Control<QAction>(*window, QString("Paginam%1").arg(page)).isChecked(), page == 1);
    }
    QVERIFY(Control<QRadioButton>(*window, "Pagina1").isChecked());
    QCOMPARE(Control(*window, "Command1").isEnabled(), writes);
    QCOMPARE(Control(*window, "ChkULinha").isVisible(), lastLineBox);
    for (const char* menu : {"MModelo", "GeraVly"}) {
      for (QAction* other : Control<QMenu>(*window, menu).actions()) {
        QCOMPARE(other->isChecked(), other->objectName() == item);
      }
    }
  }

  void theLastLineBoxTurnsTheFirstRowIntoPositions97To108() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    Control<QAction>(*window, "MHOLBEAT").trigger();
    Click(*window, "ChkULinha");
    QCOMPARE(ShownPositions(*window), 12);
    QCOMPARE(window->State().CurrentPosition, 97);

    Control<QAction>(*window, "MLumar").trigger();
    QVERIFY(!Control(*window, "ChkULinha").isVisible());
    Control<QAction>(*window, "MHOLBEAT").trigger();
    QVERIFY(!Control<QCheckBox>(*window, "ChkULinha").isChecked());
    QCOMPARE(ShownPositions(*window), 72);
    QCOMPARE(window->State().CurrentPosition, 1);
    QVERIFY(Control(*window, "Command1").isEnabled());
  }
};

}  // namespace lavrix::testing

VELMAR_QTEST_MAIN(lavrix::testing::MenuWindowTest)
#include "menu_window_test.moc"
