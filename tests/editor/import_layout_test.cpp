#include "import/import_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "fake_editor_view.h"
#include "import/old_layout.h"

namespace lavrix {
namespace {

using testing::FakeEditorView;

const auto kNoEvents = [] {};

TEST(ApplyOldLayout, SetsTheKindsModelUpAndRedrawsPositions1To96OfPage1) {
  EditorState state;
  state.CurrentModel = 14;
  state.CurrentPage = 2;
  state.LayoutCodes[96] = 63;  // position 97 of page 1: not redrawn
  state.LayoutCodes[300] = 7;  // page 3: kept by a one-page file
  FakeEditorView view;
  view.selectedPage = 1;  // so the model set-up draws no caption of its own
  std::vector<std::uint8_t> file(80, 0);
  file[0] = 11;   // position 1: "A"
  file[14] = 48;  // column 14 of row 0: position 12, "F1"
  ASSERT_TRUE(ApplyOldLayout(state, view, 9, file, kNoEvents));

  EXPECT_EQ(state.CurrentModel, 0);
  EXPECT_EQ(state.CurrentPage, 0);
  EXPECT_EQ(view.label, "DORVEL Dis AT/USB (4 códigos)");
  EXPECT_EQ(state.LayoutCodes[300], 7);
  EXPECT_EQ(state.LayoutCodes[11], 48);
  EXPECT_EQ(view.captions[1].text, "A");
  EXPECT_EQ(view.captions[12].text, "F1");
  EXPECT_EQ(view.captions[2].text, " ");
  // The buttons of positions 1-96, in order; none beyond.
  ASSERT_EQ(view.captionWrites.size(), 90u);
  EXPECT_EQ(view.captionWrites.front().first, 1);
  EXPECT_EQ(view.captionWrites.back().first, 95);
}

TEST(ApplyOldLayout, TheGorimKindLetsEventsInFourTimesBeforeEachCaption) {
  EditorState state;
  FakeEditorView view;
  std::vector<std::size_t> captionsAtEachEvent;
  const auto events = [&] { captionsAtEachEvent.push_back(view.captionWrites.size()); };
  const std::size_t before = view.captionWrites.size();
  ASSERT_TRUE(
      ApplyOldLayout(state, view, kGorimImportKind, std::vector<std::uint8_t>(512, 0), events));
  EXPECT_EQ(state.CurrentModel, 13);
  ASSERT_EQ(captionsAtEachEvent.size(), 4u * 96);
  // Four rounds, then the caption of that position, if it has a button.
  const std::size_t setUp = captionsAtEachEvent.front();
  EXPECT_GE(setUp, before);
  EXPECT_EQ(captionsAtEachEvent[3], setUp);
  EXPECT_EQ(captionsAtEachEvent[4], setUp + 1);

  // No other kind lets events in.
  int otherEvents = 0;
  ASSERT_TRUE(ApplyOldLayout(state, view, kAnsuImportKind, std::vector<std::uint8_t>(512, 0),
                             [&] { ++otherEvents; }));
  EXPECT_EQ(otherEvents, 0);
}

TEST(ApplyOldLayout, AFileThatDoesNotFitTheKindChangesNothing) {
  EditorState state;
  state.LayoutCodes[0] = 9;
  FakeEditorView view;
  EXPECT_FALSE(ApplyOldLayout(state, view, 3, std::vector<std::uint8_t>(512, 1), kNoEvents));
  EXPECT_FALSE(ApplyOldLayout(state, view, kNoImportKind, {}, kNoEvents));
  EXPECT_EQ(state.CurrentModel, 0);
  EXPECT_EQ(state.LayoutCodes[0], 9);
  EXPECT_TRUE(view.captionWrites.empty());
  EXPECT_TRUE(view.label.empty());
}

}  // namespace
}  // namespace lavrix
