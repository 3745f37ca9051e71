#include <QProgressBar>
#include <QTest>
#include <array>

#include "core/varno_binding.h"
#include "keys/pc_key_table.h"
#include "modal_script.h"
#include "platform/velmar_sim.h"
#include "tests/support/sim_qtest_main.h"
#include "window_fixture.h"

namespace lavrix::testing {
namespace {

const QString kWriteDone = "Gravação efetuado com sucesso.";
const QString kNoKeyboard =
    "Gravação não efetuada: nenhum teclado respondeu. Verifique se o teclado está conectado.";

// The real Varno of the deliverables folder, where the platform library lies too. Bound once
// and kept loaded for the whole process, as the program does: hooks the device libraries
// installed are let go by the platform only later, and must not outlive their code.
VarnoBinding& DeliveredVarno() {
  static auto* varno = new VarnoBinding(reinterpret_cast<const void*>(&VelmarSimAttach));
  return *varno;
}

// A window on the real Varno, closed at the end so that Varno is closed too.
struct DeliveredWindow {
  DeliveredWindow() : window(StartedWindow(DeliveredVarno())) {}
  ~DeliveredWindow() { window->close(); }
  std::unique_ptr<GravaForm> window;
};

QString KeyOfCode(std::int16_t code) {
  for (const PcKey& key : PcKeyTable()) {
    if (key.code == code) return QString::fromUtf8(key.name.data(), key.name.size());
  }
  throw std::runtime_error("no key for code");
}

// The position first: a PC key click places its code on the selected position.
void Place(GravaForm& window, std::int16_t code, int position) {
  Click(window, QString("Option%1").arg(position));
  Click(window, KeyOfCode(code));
}

int ProgressOf(const GravaForm& window) {
  return Control<QProgressBar>(window, "ProgressBar1").value();
}

// Counts the write's calls; the first block lets a second click on "&Gravar Teclado" in.
class ClickingVarno : public FakeVarno {
 public:
  explicit ClickingVarno(std::function<void()> duringWrite)
      : duringWrite_(std::move(duringWrite)) {}
  VarnoCall GravaBloco256(std::int32_t address, std::int32_t c1, std::int32_t c2, std::int32_t c3,
                          std::int32_t c4) override {
    if (blocks == 0) QTimer::singleShot(0, duringWrite_);
    return FakeVarno::GravaBloco256(address, c1, c2, c3, c4);
  }

 private:
  std::function<void()> duringWrite_;
};

}  // namespace

class WriteWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void withNoKeyboardTheUserIsToldTheWriteFailed() {
    DeliveredWindow delivered;
    auto& window = delivered.window;
    Control<QAction>(*window, "MANSUAT").trigger();
    Place(*window, 11, 1);
    ModalScript user;
    Click(*window, "Command1");
    QCOMPARE(user.boxes.size(), 1u);
    QCOMPARE(user.boxes[0].text, kNoKeyboard);
    QCOMPARE(user.boxes[0].title, "Lavrix");
    QCOMPARE(user.boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(user.boxes[0].buttons, QMessageBox::Ok);
    QCOMPARE(ProgressOf(*window), 0);
  }

  void placedKeysReachTheUsbKeyboardsEeprom() {
    QCOMPARE(VelmarSimAttach("usb-dorvel"), 1);
    DeliveredWindow delivered;
    auto& window = delivered.window;
    Place(*window, 11, 1);   // "A"
    Place(*window, 48, 13);  // F1, at the end of the first row
    Click(*window, "Pagina2");
    Place(*window, 63, 5);  // CR
    Click(*window, "Pagina4");
    Place(*window, 11, 77);
    // Cells no button shows travel too, their low byte only; those beyond the blocks do not.
    window->State().LayoutCodes[14] = 0x155;
    window->State().LayoutCodes[120] = 9;
    const auto cells = window->State().LayoutCodes;

    ModalScript user;
    Click(*window, "Command1");
    QCOMPARE(user.boxes.size(), 1u);
    QCOMPARE(user.boxes[0].text, kWriteDone);
    QCOMPARE(user.boxes[0].title, "Lavrix");
    QCOMPARE(user.boxes[0].icon, QMessageBox::NoIcon);
    QCOMPARE(ProgressOf(*window), 0);

    // Each page's first 112 cells at their own offsets; the rest of the image 0.
    std::array<unsigned char, 512> expected{};
    for (int page = 0; page < 4; ++page) {
      for (int n = 0; n < 112; ++n) {
        const int cell = 128 * page + n;
        expected[static_cast<std::size_t>(cell)] =
            static_cast<unsigned char>(cells[static_cast<std::size_t>(cell)] & 0xFF);
      }
    }
    QCOMPARE(expected[0], 11);
    QCOMPARE(expected[128 + 4], 63);
    std::array<unsigned char, 512> eeprom{};
    QCOMPARE(VelmarSimEeprom("usb-dorvel", eeprom.data()), 1);
    QCOMPARE(eeprom, expected);
    QCOMPARE(VelmarSimDetach("usb-dorvel"), 1);
  }

  void aSecondClickDuringAWriteDoesNothing() {
    GravaForm* shown = nullptr;
    ClickingVarno varno([&] { Click(*shown, "Command1"); });
    auto window = StartedWindow(varno);
    shown = window.get();
    Control<QAction>(*window, "MPIROLOLD").trigger();
    ModalScript user;
    Click(*window, "Command1");
    QCOMPARE(varno.blocks, 20);
    QCOMPARE(varno.writeEnds, 1);
    QCOMPARE(user.boxes.size(), 1u);
    QVERIFY(Control(*window, "Command1").isEnabled());
    // Once the write is over, the button writes again.
    Click(*window, "Command1");
    QCOMPARE(varno.blocks, 40);
  }

  void aModelWithoutALayoutWritesNothing() {
    FakeVarno varno;
    auto window = StartedWindow(varno);
    for (const std::int16_t model : {11, 12, 16}) {
      window->State().CurrentModel = model;
      ModalScript user;
      Click(*window, "Command1");
      QVERIFY(user.boxes.empty());
    }
    QCOMPARE(varno.blocks, 0);
    QCOMPARE(varno.writeEnds, 0);
  }

  // Last: the library stays hidden for the rest of the process.
  void withoutVarnoTheUserIsToldWhatIsMissing() {
    QCOMPARE(VelmarSimHideLibrary("Varno", nullptr), 1);
    VarnoBinding varno(reinterpret_cast<const void*>(&VelmarSimAttach));
    auto window = StartedWindow(varno);
    ModalScript user;
    Click(*window, "Command1");
    QCOMPARE(user.boxes.size(), 1u);
    QCOMPARE(user.boxes[0].text, "Biblioteca Varno não encontrada. Gravação não efetuada.");
    QCOMPARE(user.boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(ProgressOf(*window), 0);
  }
};

}  // namespace lavrix::testing

VELMAR_QTEST_MAIN(lavrix::testing::WriteWindowTest)
#include "write_window_test.moc"
