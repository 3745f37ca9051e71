#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace lavrix::testing {

// Plays the user in modal windows, so that no test waits on one: each message box is noted and
// closed with OK; each time another modal dialog waits for input, the next step acts on it.
class ModalScript {
 public:
  struct Box {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
  };
  using Step = std::function<void(QWidget& dialog)>;

  explicit ModalScript(std::deque<Step> steps = {}) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start(5);
  }

  std::vector<Box> boxes;
  // Dialogs that were waiting when no step was left: they were closed.
  int unscripted = 0;

 private:
  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
      box->done(QMessageBox::Ok);
      return;
    }
    if (acting_) return;
    acting_ = true;
    // Run from the event loop rather than this tick: a step may open a message box, and this
    // timer does not fire again until its tick returns.
    QTimer::singleShot(0, [this, modal = QPointer<QWidget>(modal)] {
      if (!modal) {
        acting_ = false;
        return;
      }
      if (steps_.empty()) {
        ++unscripted;
        modal->close();
      } else {
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        step(*modal);
      }
      acting_ = false;
    });
  }

  std::deque<Step> steps_;
  bool acting_ = false;
  QTimer timer_;
};

}  // namespace lavrix::testing
