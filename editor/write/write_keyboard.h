#pragma once

#include <QWidget>

#include "core/editor_state.h"
#include "core/varno_calls.h"
#include "write/run_write.h"
#include "write/write_progress_bar.h"

namespace lavrix {

// "&Gravar Teclado": writes the layout of the current model into the keyboard through Varno,
// on the window thread. The pauses block the window; its events run only where the model's
// write lets them in.
class KeyboardWriter final : private WriteSurface {
 public:
  KeyboardWriter(VarnoCalls& varno, WriteProgressBar& progress, QWidget& window);

  // A click that comes while a write runs (through the events the write lets in) does nothing:
  // a write inside another would interleave their blocks.
  void WriteKeyboard(const EditorState& state);

 private:
  void ProcessEvents() override;
  void SetProgress(double value) override;
  void Pause(int milliseconds) override;
  void ShowMessage(const WriteMessage& message) override;

  VarnoCalls& varno_;
  WriteProgressBar& progress_;
  QWidget& window_;
  bool writing_ = false;
};

}  // namespace lavrix
