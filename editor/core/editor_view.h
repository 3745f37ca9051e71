#pragma once

#include <string_view>

namespace lavrix {

// What the editor's commands change on the main window. Buttons and items go by their design
// numbers: position button n is `Option`n, page k is `Pagina`k and `Paginam`k.
class EditorView {
 public:
  virtual ~EditorView() = default;

  virtual void SetPositionCaption(int button, std::string_view caption,
                                  std::string_view fontName) = 0;
  // A shown position button is visible and enabled; any other is hidden and disabled.
  virtual void ShowPositionButton(int button, bool shown) = 0;
  virtual void SelectPositionButton(int button) = 0;

  virtual void SetModelLabel(std::string_view text) = 0;
  // Loads the picture file of the program's directory; an unreadable one leaves it empty.
  virtual void ShowModelPicture(std::string_view fileName) = 0;
  virtual void EnableWriteButton(bool enabled) = 0;
  virtual void CheckModelMenuItem(std::string_view item, bool checked) = 0;

  virtual bool IsPageButtonSelected(int page) const = 0;
  virtual void SelectPageButton(int page) = 0;
  // Moves the focus to the page button, which selects it.
  virtual void FocusPageButton(int page) = 0;
  virtual void CheckPageMenuItem(int page, bool checked) = 0;
  // The page button and page menu item: visible and enabled together, or neither.
  virtual void ShowPage(int page, bool shown) = 0;

  virtual void ShowLastLineBox(bool shown) = 0;
  virtual bool IsLastLineBoxChecked() const = 0;
  virtual void SetLastLineBoxChecked(bool checked) = 0;
};

}  // namespace lavrix
