#pragma once

#include <QString>
#include <QWidget>
#include <optional>

namespace lavrix {

// The open dialog of the old layout files (CommonDialog2); tests put a scripted one in its
// place.
class OldFileDialog {
 public:
  virtual ~OldFileDialog() = default;
  // The chosen path; nullopt when the user cancels.
  virtual std::optional<QString> Choose(const QString& initialDirectory, QWidget* parent) = 0;
};

// The dialog the user sees: *.bin files, "0.bin" offered.
class SystemOldFileDialog final : public OldFileDialog {
 public:
  std::optional<QString> Choose(const QString& initialDirectory, QWidget* parent) override;
};

}  // namespace lavrix
