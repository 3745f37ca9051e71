#pragma once

#include <QAction>
#include <QFile>
#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/file_dialogs.h"
#include "platform/platform.h"
#include "window_fixture.h"

namespace lavrix::testing {

// Answers each file dialog with the next scripted choice (nullopt: cancel) and remembers how
// the dialogs were started.
class ScriptedFileDialogs : public FileDialogs {
 public:
  struct Request {
    FileDialogKind kind;
    QString initialDirectory;
    QString fileName;
  };

  std::optional<FileDialogChoice> Choose(FileDialogKind kind, const FileDialogStart& start,
                                         QWidget*) override {
    requests.push_back({kind, start.initialDirectory, start.fileName});
    if (answers.empty()) return std::nullopt;
    const FileDialogChoice answer = answers.front();
    answers.pop_front();
    if (answer.path.isEmpty()) return std::nullopt;
    return answer;
  }

  // The user picks this path, from its own directory.
  void Pick(const QString& path, const QString& directory) { answers.push_back({path, directory}); }
  void Cancel() { answers.push_back({}); }

  // An empty path stands for a cancel.
  std::deque<FileDialogChoice> answers;
  std::vector<Request> requests;
};

// A started window whose file dialogs follow the script.
inline std::unique_ptr<GravaForm> StartedWindow(VarnoCalls& varno,
                                                std::shared_ptr<ScriptedFileDialogs> dialogs) {
  auto window = std::make_unique<GravaForm>(varno, GravaFormOptions{0, VELMAR_OUTPUT_DIR, dialogs});
  window->Form_Load();
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) throw std::runtime_error("window not shown");
  return window;
}

inline void Trigger(const QObject& window, const QString& item) {
  Control<QAction>(window, item).trigger();
}

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Message boxes shown since the mark, "caption: text" each.
class MessageLog {
 public:
  MessageLog() : mark_(velmar::platform::messageBoxes().shown().size()) {}
  std::vector<std::string> Since() const {
    std::vector<std::string> lines;
    const auto shown = velmar::platform::messageBoxes().shown();
    for (std::size_t i = mark_; i < shown.size(); ++i)
      lines.push_back(shown[i].caption + ": " + shown[i].text);
    return lines;
  }

 private:
  std::size_t mark_;
};

}  // namespace lavrix::testing
