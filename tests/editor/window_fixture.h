#pragma once

#include <QAbstractButton>
#include <QString>
#include <QTest>
#include <memory>
#include <stdexcept>
#include <vector>

#include "core/grava_form.h"
#include "core/varno_calls.h"

namespace lavrix::testing {

// Counts the calls the window makes into Varno.
class FakeVarno : public VarnoCalls {
 public:
  VarnoCall OpenVarno() override {
    ++opens;
    return VarnoCall::Done;
  }
  VarnoCall CloseVarno() override {
    ++closes;
    return VarnoCall::Done;
  }
  VarnoCall GravaBloco512(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                          std::int32_t) override {
    ++blocks;
    return VarnoCall::Done;
  }
  VarnoCall GravaBloco256(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                          std::int32_t) override {
    ++blocks;
    return VarnoCall::Done;
  }
  VarnoCall TerminaGravacao() override {
    ++writeEnds;
    return VarnoCall::Done;
  }
  VarnoCall ResultadoGravacao(std::int32_t& reached) override {
    reached = 1;
    return VarnoCall::Done;
  }
  VarnoCall DelayAdj(std::int16_t delay) override {
    delays.push_back(delay);
    return VarnoCall::EntryMissing;
  }
  int opens = 0;
  int closes = 0;
  int blocks = 0;
  int writeEnds = 0;
  std::vector<std::int16_t> delays;
};

// The main window started as the program starts it, with a short splash wait, and shown.
inline std::unique_ptr<GravaForm> StartedWindow(VarnoCalls& varno,
                                                QString programDirectory = VELMAR_OUTPUT_DIR) {
  auto window = std::make_unique<GravaForm>(varno, GravaFormOptions{0, programDirectory});
  window->Form_Load();
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) throw std::runtime_error("window not shown");
  return window;
}

// A control by its design name; a missing one fails the test.
template <typename T = QWidget>
T& Control(const QObject& parent, const QString& name) {
  T* child = parent.findChild<T*>(name);
  if (!child) throw std::runtime_error("no control " + name.toStdString());
  return *child;
}

inline void Click(const QObject& window, const QString& name) {
  QTest::mouseClick(&Control<QAbstractButton>(window, name), Qt::LeftButton);
}

}  // namespace lavrix::testing
