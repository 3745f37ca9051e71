#pragma once

#include "core/editor_view.h"

namespace lavrix::cli {

// The editor's commands run without a window: nothing is drawn, nothing is selected.
class HeadlessView final : public EditorView {
 public:
  void SetPositionCaption(int, std::string_view, std::string_view) override {}
  void ShowPositionButton(int, bool) override {}
  void SelectPositionButton(int) override {}
  void SetModelLabel(std::string_view) override {}
  void ShowModelPicture(std::string_view) override {}
  void EnableWriteButton(bool) override {}
  void CheckModelMenuItem(std::string_view, bool) override {}
  bool IsPageButtonSelected(int) const override { return false; }
  void SelectPageButton(int) override {}
  void FocusPageButton(int) override {}
  void CheckPageMenuItem(int, bool) override {}
  void ShowPage(int, bool) override {}
  void ShowLastLineBox(bool) override {}
  bool IsLastLineBoxChecked() const override { return false; }
  void SetLastLineBoxChecked(bool) override {}
};

}  // namespace lavrix::cli
