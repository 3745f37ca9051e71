#include "write/write_keyboard.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>

#include "core/about_texts.h"
#include "core/qt_text.h"

namespace lavrix {

KeyboardWriter::KeyboardWriter(VarnoCalls& varno, WriteProgressBar& progress, QWidget& window)
    : varno_(varno), progress_(progress), window_(window) {}

void KeyboardWriter::WriteKeyboard(const EditorState& state) {
  if (writing_) return;
  const WritePlan plan = PlanWrite(state.CurrentModel, state.LayoutCodes);
  if (plan.empty()) return;
  writing_ = true;
  const struct WriteEnded {
    bool& writing;
    ~WriteEnded() { writing = false; }
  } ended{writing_};
  RunWrite(plan, state.LayoutCodes, varno_, *this);
}

void KeyboardWriter::ProcessEvents() {
  QCoreApplication::processEvents();
}

void KeyboardWriter::SetProgress(double value) {
  progress_.SetProgress(value);
}

void KeyboardWriter::Pause(int milliseconds) {
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void KeyboardWriter::ShowMessage(const WriteMessage& message) {
  QMessageBox box(message.failed ? QMessageBox::Warning : QMessageBox::NoIcon, kProductName,
                  ToQString(message.text), QMessageBox::Ok, &window_);
  box.exec();
}

}  // namespace lavrix
