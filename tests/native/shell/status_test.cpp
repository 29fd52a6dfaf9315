#include <gtest/gtest.h>

#include <string>

#include "shell/status.h"
#include "support/fake_ui.h"

namespace {

TEST(StatusBar, MessagesAreTheEightStrings) {
  StatusBar bar{};
  load_status_messages(bar);
  const char *expected[kStatusMessageCount] = {
      "Data File: ", "Data File: None", "Reading Data File, Please Wait...",
      "Not enough memory to load file.", "Not an Ulmo-Dizid Data File.",
      "Reading Experimental Data, Please Wait...", "Error reading experimental data.",
      "Evaluating Trace Data, Please Wait..."};
  for (int i = 0; i < kStatusMessageCount; i++) EXPECT_EQ(bar.messages[i], expected[i]) << i;
}

TEST(StatusBar, SetStatusReturnsThePreviousCode) {
  FakeUi ui;
  EXPECT_EQ(set_status(kStatusDataFile, "C:\\sim\\amp.out"), kStatusNoDataFile);
  EXPECT_EQ(status_bar().shown, "Data File: C:\\sim\\amp.out");
  EXPECT_EQ(set_status(kStatusEvaluating), kStatusDataFile);
  EXPECT_EQ(status_bar().shown, "Evaluating Trace Data, Please Wait...");
  EXPECT_EQ(set_status(kStatusNotDataFile, nullptr), kStatusEvaluating);
  EXPECT_EQ(ui.status_redraws, 3);
  EXPECT_EQ(ui.statuses.back(), "Not an Ulmo-Dizid Data File.");
}

TEST(StatusBar, WithoutAWindowNothingHappens) {
  StatusBar &bar = status_bar();
  bar = StatusBar{};
  load_status_messages(bar);
  EXPECT_EQ(set_status(kStatusDataFile, "x"), -1);
  EXPECT_EQ(bar.shown, "");
  bar = StatusBar{};
}

TEST(StatusBar, CodesOutsideTheTableAreRefused) {
  FakeUi ui;
  set_status(kStatusReading);
  EXPECT_EQ(set_status(8, "x"), -1);
  EXPECT_EQ(set_status(-1), -1);
  EXPECT_EQ(status_bar().code, kStatusReading);
  EXPECT_EQ(status_bar().shown, "Reading Data File, Please Wait...");
}

TEST(StatusBar, ShownTextHoldsAt255Characters) {
  FakeUi ui;
  set_status(kStatusDataFile, std::string(300, 'x').c_str());
  EXPECT_EQ(status_bar().shown.size(), 255u);
  EXPECT_EQ(status_bar().shown.substr(0, 12), "Data File: x");
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

}  // namespace
