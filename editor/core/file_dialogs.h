#pragma once

#include <QFileDialog>
#include <QString>
#include <QWidget>
#include <optional>

namespace lavrix {

enum class FileDialogKind { Open, Save };

// Where a layout file dialog starts.
struct FileDialogStart {
  QString initialDirectory;
  QString fileName;
};

// What the user chose: the path, and the directory the dialog was in when it closed.
struct FileDialogChoice {
  QString path;
  QString directory;
};

// The open and save dialogs of the layout files; tests put a scripted one in their place.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // nullopt when the user cancels.
  virtual std::optional<FileDialogChoice> Choose(FileDialogKind kind, const FileDialogStart& start,
                                                 QWidget* parent) = 0;
};

// The layout files' settings: the *.vly filter, the default suffix, the overwrite prompt on save,
// the start directory and file name.
void SetUpLayoutDialog(QFileDialog& dialog, FileDialogKind kind, const FileDialogStart& start);

// The dialogs the user sees.
class LayoutFileDialogs final : public FileDialogs {
 public:
  std::optional<FileDialogChoice> Choose(FileDialogKind kind, const FileDialogStart& start,
                                         QWidget* parent) override;
};

}  // namespace lavrix
