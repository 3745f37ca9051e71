#include <QAction>
#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include "keys/key_button.h"
#include "keys/ui_fonts.h"
#include "tests/support/sim_qtest_main.h"
#include "window_fixture.h"

namespace lavrix::testing {
namespace {

QString CaptionOf(const GravaForm& window, const QString& name) {
  return Control<KeyButton>(window, name).text();
}

QString FontOf(const GravaForm& window, const QString& name) {
  return Control<KeyButton>(window, name).font().family();
}

void Lock(GravaForm& window) {
  window.State().FilePassword = "dono";
  window.State().EditUnlocked = false;
  window.State().FileProtection = ProtectionLevel::WriteOnly;
}

// Dark pixels of a button's drawing, ignoring its frame: where its caption is drawn.
QImage Ink(QWidget& button) {
  const QImage image = button.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
  return image.copy(image.rect().adjusted(4, 4, -4, -4));
}

int DifferingPixels(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 96) ++differing;
    }
  }
  return differing;
}

int DarkPixels(const QImage& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 96) ++dark;
    }
  }
  return dark;
}

}  // namespace

class KeysWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallFontSubstitutes(); }

  void aKeyGoesToTheSelectedPositionAndThenToEachClickedOne() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    Click(*window, "Pagina3");
    Click(*window, "Tecla52");
    QCOMPARE(CaptionOf(*window, "Option1"), "A");
    QCOMPARE(window->State().LayoutCodes[256], 11);
    Click(*window, "Option17");
    QCOMPARE(CaptionOf(*window, "Option17"), "A");
    QCOMPARE(window->State().LayoutCodes[272], 11);
    QCOMPARE(window->State().CurrentPosition, 17);
    QVERIFY(Control<KeyButton>(*window, "Option17").isChecked());
    QVERIFY(!Control<KeyButton>(*window, "Option1").isChecked());
  }

  void numLockShowsNlUntilThePageIsRedrawn() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    Click(*window, "Tecla102");
    QCOMPARE(CaptionOf(*window, "Option1"), "NL");
    Click(*window, "Pagina2");
    Click(*window, "Pagina1");
    QCOMPARE(CaptionOf(*window, "Option1"), "NUM");
    QCOMPARE(window->State().LayoutCodes[0], 74);
  }

  void aRefusedPositionClickOnlySelectsTheButton() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    Click(*window, "Tecla52");
    Lock(*window);
    const auto codes = window->State().LayoutCodes;
    Click(*window, "Option20");
    QVERIFY(Control<KeyButton>(*window, "Option20").isChecked());
    QCOMPARE(CaptionOf(*window, "Option20"), " ");
    QCOMPARE(window->State().LayoutCodes, codes);
    QCOMPARE(window->State().CurrentPosition, 1);

    Click(*window, "Tecla71");
    QCOMPARE(window->State().LayoutCodes[0], 12);
    QCOMPARE(CaptionOf(*window, "Option1"), "B");
    QCOMPARE(window->State().LayoutCodes[19], 0);
  }

  void arrowKeysKeepTheirCharactersAndFontName() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    Click(*window, "Tecla85");
    QCOMPARE(CaptionOf(*window, "Option1"), "\u00EF");
    QCOMPARE(FontOf(*window, "Option1"), "Wingdings");
    QCOMPARE(window->State().CurrentFontName, "Wingdings");
    Click(*window, "Tecla98");
    QCOMPARE(CaptionOf(*window, "Option1"), "2");
    QCOMPARE(FontOf(*window, "Option1"), "MS Sans Serif");
  }

  void arrowsAreDrawnAsArrowsWithoutTheWingdingsFont() {
    if (WingdingsInstalled()) QSKIP("Wingdings draws the arrows itself on this machine");
    FakeVarno varno;
    auto window = StartedWindow(varno);
    const QImage up = Ink(Control(*window, "Tecla83"));
    const QImage down = Ink(Control(*window, "Tecla84"));
    const QImage left = Ink(Control(*window, "Tecla85"));
    const QImage right = Ink(Control(*window, "Tecla86"));
    QVERIFY(DarkPixels(up) > 60);
    // An arrow is its own mirror image across its axis, and the opposite arrow turned over;
    // the letters these characters stand for are neither.
    QVERIFY(DifferingPixels(up, up.mirrored(true, false)) < 8);
    QVERIFY(DifferingPixels(up, down.mirrored(false, true)) < 8);
    QVERIFY(DifferingPixels(left, right.mirrored(true, false)) < 8);
    QVERIFY(DifferingPixels(up, left) > 20);
  }

  void pageMenuItemsShowWhatThePageButtonsShow() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    for (int cell = 0; cell < 512; ++cell) {
      window->State().LayoutCodes[cell] = static_cast<std::int16_t>(cell % 101);
    }
    Click(*window, "Pagina3");
    QStringList byButton;
    for (int n = 1; n <= 95; ++n) {
      if (n % 16) byButton << CaptionOf(*window, QString("Option%1").arg(n));
    }
    Click(*window, "Pagina1");
    Control<QAction>(*window, "Paginam3").trigger();
    QStringList byMenu;
    for (int n = 1; n <= 95; ++n) {
      if (n % 16) byMenu << CaptionOf(*window, QString("Option%1").arg(n));
    }
    QCOMPARE(byMenu, byButton);
    QVERIFY(Control<QRadioButton>(*window, "Pagina3").isChecked());
    QCOMPARE(QApplication::focusWidget(), &Control(*window, "Pagina3"));
    QVERIFY(Control<QAction>(*window, "Paginam3").isChecked());
    QVERIFY(!Control<QAction>(*window, "Paginam1").isChecked());
  }

  void withTheLastLineOnTheFirstRowEditsPositions97On() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    Control<QAction>(*window, "MHOLBEAT").trigger();
    Click(*window, "ChkULinha");
    Click(*window, "Pagina2");
    Click(*window, "Tecla71");
    Click(*window, "Option3");
    QCOMPARE(window->State().CurrentPosition, 99);
    QCOMPARE(window->State().LayoutCodes[226], 12);
    QCOMPARE(CaptionOf(*window, "Option3"), "B");
  }
};

}  // namespace lavrix::testing

VELMAR_QTEST_MAIN(lavrix::testing::KeysWindowTest)
#include "keys_window_test.moc"
