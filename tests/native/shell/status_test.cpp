#include <gtest/gtest.h>

#include <string>

#include "shell/status.h"

namespace {

int window_stand_in;

TEST(StatusBar, KeepsTheTextAndReturnsThePreviousCode) {
  StatusBar bar{};
  bar.window = &window_stand_in;
  bar.code = kStatusNoDataFile;
  EXPECT_EQ(keep_status(bar, kStatusDataFile, "Data File: C:\\sim\\amp.out"), kStatusNoDataFile);
  EXPECT_EQ(bar.code, kStatusDataFile);
  EXPECT_EQ(bar.shown, "Data File: C:\\sim\\amp.out");
  EXPECT_EQ(keep_status(bar, kStatusReading, "Reading Data File, Please Wait..."), kStatusDataFile);
  EXPECT_EQ(bar.shown, "Reading Data File, Please Wait...");
}

TEST(StatusBar, WithoutAWindowTheRecordStaysAsItWas) {
  StatusBar bar{};
  bar.code = kStatusReading;
  bar.shown = "before";
  EXPECT_EQ(keep_status(bar, kStatusDataFile, "Data File: x"), -1);
  EXPECT_EQ(bar.code, kStatusReading);
  EXPECT_EQ(bar.shown, "before");
}

TEST(StatusBar, GeometryFollowsTheFrame) {
  StatusBar bar{};
  place_status_bar(bar, 640, 480);
  EXPECT_EQ(bar.top, 461);
  EXPECT_EQ(bar.width, 640);
  EXPECT_EQ(bar.height, 19);
  EXPECT_EQ(bar.text_rect.left, 11);
  EXPECT_EQ(bar.text_rect.top, 4);
  EXPECT_EQ(bar.text_rect.right, 629);
  EXPECT_EQ(bar.text_rect.bottom, 16);
  place_status_bar(bar, 300, 100);
  EXPECT_EQ(bar.top, 81);
  EXPECT_EQ(bar.text_rect.right, 289);
}

// The text rectangle holds the font's whole cell: a font of 12 pixels or less keeps the
// designed 19-pixel bar, a higher one grows the rectangle and the bar by the difference.
TEST(StatusBar, TheTextRectangleHoldsTheFontsCell) {
  struct Row {
    int text_height, bar_height, bar_top, text_bottom;
  };
  const Row rows[] = {
      {0, 19, 461, 16},    // not measured
      {8, 19, 461, 16},
      {12, 19, 461, 16},
      {13, 20, 460, 17},   // "Helv" at 13 units
      {16, 23, 457, 20},
  };
  for (const Row &row : rows) {
    StatusBar bar{};
    bar.text_height = row.text_height;
    place_status_bar(bar, 640, 480);
    EXPECT_EQ(bar.height, row.bar_height) << row.text_height;
    EXPECT_EQ(bar.top, row.bar_top) << row.text_height;
    EXPECT_EQ(bar.top + bar.height, 480) << row.text_height;
    EXPECT_EQ(bar.text_rect.top, 4) << row.text_height;
    EXPECT_EQ(bar.text_rect.bottom, row.text_bottom) << row.text_height;
    EXPECT_GE(bar.text_rect.bottom - bar.text_rect.top, row.text_height) << row.text_height;
  }
}

}  // namespace
