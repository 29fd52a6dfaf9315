#include <gtest/gtest.h>

#include <string>

#include "base/status.h"
#include "support/fake_ui.h"

namespace {

TEST(SetStatus, EachCodeShowsItsMessage) {
  FakeUi ui;
  const char *expected[kStatusMessageCount] = {
      "Data File: ", "Data File: None", "Reading Data File, Please Wait...",
      "Not enough memory to load file.", "Not an Ulmo-Dizid Data File.",
      "Reading Experimental Data, Please Wait...", "Error reading experimental data.",
      "Evaluating Trace Data, Please Wait..."};
  for (int code = 0; code < kStatusMessageCount; code++) {
    set_status(code);
    EXPECT_EQ(ui.statuses.back(), expected[code]) << code;
    EXPECT_EQ(ui.status_code, code);
  }
  EXPECT_EQ(ui.statuses.size(), 8u);
}

TEST(SetStatus, TheTextFollowsTheMessageAndThePreviousCodeComesBack) {
  FakeUi ui;
  EXPECT_EQ(set_status(kStatusDataFile, "C:\\sim\\amp.out"), kStatusNoDataFile);
  EXPECT_EQ(set_status(kStatusEvaluating), kStatusDataFile);
  EXPECT_EQ(set_status(kStatusNotDataFile, nullptr), kStatusEvaluating);
  const std::vector<std::string> expected = {"Data File: C:\\sim\\amp.out",
                                             "Evaluating Trace Data, Please Wait...",
                                             "Not an Ulmo-Dizid Data File."};
  EXPECT_EQ(ui.statuses, expected);
}

TEST(SetStatus, CodesOutsideTheTableReachNoStatusBar) {
  FakeUi ui;
  set_status(kStatusReading);
  EXPECT_EQ(set_status(kStatusMessageCount, "x"), -1);
  EXPECT_EQ(set_status(-1), -1);
  EXPECT_EQ(ui.statuses.size(), 1u);
  EXPECT_EQ(ui.status_code, kStatusReading);
}

TEST(SetStatus, TheTextHoldsAt255Characters) {
  FakeUi ui;
  set_status(kStatusDataFile, std::string(300, 'x').c_str());
  ASSERT_EQ(ui.statuses.back().size(), 255u);
  EXPECT_EQ(ui.statuses.back(), "Data File: " + std::string(244, 'x'));
  set_status(kStatusDataFile, std::string(244, 'y').c_str());   // exactly 255: kept whole
  EXPECT_EQ(ui.statuses.back(), "Data File: " + std::string(244, 'y'));
}

TEST(SetStatus, WithoutAStatusBarNothingHappens) {
  reset_ui_hooks();
  EXPECT_EQ(set_status(kStatusDataFile, "x"), -1);
}

}  // namespace
