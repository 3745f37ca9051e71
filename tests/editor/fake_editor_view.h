#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/editor_view.h"

namespace lavrix::testing {

// Remembers what the commands did to the window, the way a person would see it afterwards.
class FakeEditorView : public EditorView {
 public:
  struct Caption {
    std::string text;
    std::string font;
    bool operator==(const Caption&) const = default;
  };

  void SetPositionCaption(int button, std::string_view caption,
                          std::string_view fontName) override {
    captions[button] = {std::string(caption), std::string(fontName)};
    captionWrites.emplace_back(button, std::string(caption));
  }
  void ShowPositionButton(int button, bool shown) override {
    if (shown) {
      shownPositions.insert(button);
    } else {
      shownPositions.erase(button);
    }
  }
  void SelectPositionButton(int button) override { selectedPosition = button; }
  void SetModelLabel(std::string_view text) override { label = text; }
  void ShowModelPicture(std::string_view fileName) override { picture = fileName; }
  void EnableWriteButton(bool enabled) override { writeEnabled = enabled; }
  void CheckModelMenuItem(std::string_view item, bool checked) override {
    if (checked) {
      checkedModelItems.insert(std::string(item));
    } else {
      checkedModelItems.erase(std::string(item));
    }
  }
  bool IsPageButtonSelected(int page) const override { return selectedPage == page; }
  void SelectPageButton(int page) override { selectedPage = page; }
  void FocusPageButton(int page) override {
    selectedPage = page;
    focusedPage = page;
  }
  void CheckPageMenuItem(int page, bool checked) override {
    if (checked) {
      checkedPageItems.insert(page);
    } else {
      checkedPageItems.erase(page);
    }
  }
  void ShowPage(int page, bool shown) override {
    if (shown) {
      shownPages.insert(page);
    } else {
      shownPages.erase(page);
    }
  }
  void ShowLastLineBox(bool shown) override { lastLineBoxShown = shown; }
  bool IsLastLineBoxChecked() const override { return lastLineBoxChecked; }
  void SetLastLineBoxChecked(bool checked) override { lastLineBoxChecked = checked; }

  std::map<int, Caption> captions;
  // Every caption given, in order: button and text.
  std::vector<std::pair<int, std::string>> captionWrites;
  std::set<int> shownPositions;
  int selectedPosition = 0;
  std::string label;
  std::string picture;
  bool writeEnabled = false;
  std::set<std::string, std::less<>> checkedModelItems;
  int selectedPage = 0;
  int focusedPage = 0;
  std::set<int> checkedPageItems;
  std::set<int> shownPages;
  bool lastLineBoxShown = false;
  bool lastLineBoxChecked = false;
};

}  // namespace lavrix::testing
