// The toolbar's entries: order, separators and the images they take from the strip.
#include <gtest/gtest.h>

#include "resources/image_ids.h"
#include "shell/toolbar_buttons.h"

namespace {

TEST(ToolbarEntries, LeftToRightWithTheirGaps) {
  // image, command; -1/0 is a separator
  const int expected[kToolbarEntryCount][2] = {
      {-1, 0},     {0, 10001}, {1, 10004}, {2, 10008}, {-1, 0},    {3, 11002},
      {-1, 0},     {4, 10005}, {-1, 0},    {5, 12001}, {6, 12005}, {-1, 0},
      {7, 14002},  {8, 14003}, {-1, 0},    {9, 17001}};
  for (int i = 0; i < kToolbarEntryCount; i++) {
    EXPECT_EQ(kToolbarEntries[i].image, expected[i][0]) << "entry " << i;
    EXPECT_EQ(kToolbarEntries[i].command_id, expected[i][1]) << "entry " << i;
    EXPECT_EQ(is_separator(kToolbarEntries[i]), expected[i][0] < 0) << "entry " << i;
  }
}

TEST(ToolbarEntries, EveryImageOnceAndNoCommandTwice) {
  int images = 0;
  for (int i = 0; i < kToolbarEntryCount; i++) {
    if (is_separator(kToolbarEntries[i])) continue;
    EXPECT_EQ(kToolbarEntries[i].image, images) << "entry " << i;
    images++;
    for (int j = i + 1; j < kToolbarEntryCount; j++)
      EXPECT_NE(kToolbarEntries[i].command_id, kToolbarEntries[j].command_id);
  }
  EXPECT_EQ(images, kToolbarImageCount);
}

TEST(ToolbarEntries, ControlAndBitmap) {
  EXPECT_EQ(kToolbarControlId, 3242);
  EXPECT_EQ(IDB_TOOLBAR, 10012);
  EXPECT_EQ(kToolbarImageSize, 16);
}

}  // namespace
