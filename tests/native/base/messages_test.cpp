#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/messages.h"
#include "support/fake_ui.h"

namespace {

int window_stand_in;

TEST(ShowMessage, FormatsTheStringWithItsValues) {
  FakeUi ui;
  ui.answer = kIdNo;
  EXPECT_EQ(show_message(&window_stand_in, kMbIconExclamation | kMbOk, 1, "C:\\x.out"), kIdNo);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Can't open the file 'C:\\x.out'");
  EXPECT_EQ(ui.messages[0].caption, "Ulmo-Postprocessor");
  EXPECT_EQ(ui.messages[0].owner, &window_stand_in);
  EXPECT_EQ(ui.messages[0].flags, 0x30u);
}

TEST(ShowMessage, NumbersAndSeveralValues) {
  FakeUi ui;
  show_message(nullptr, kMbIconExclamation, 1600, 3, "v(out)");
  EXPECT_EQ(ui.messages[0].text,
            "Plot number 3 referenced by trace labeled v(out) does not exist in the reloaded data "
            "file. The current plot will be used.");
  show_message(nullptr, kMbYesNo | kMbIconQuestion, 1903, "C:\\a.out");
  EXPECT_EQ(ui.messages[1].flags, 0x24u);
}

TEST(ShowMessage, TextIsCutAt255Characters) {
  FakeUi ui;
  std::string path(400, 'p');
  show_message(nullptr, kMbOk, 1, path.c_str());
  ASSERT_EQ(ui.messages[0].text.size(), 255u);
  EXPECT_EQ(ui.messages[0].text.substr(0, 22), "Can't open the file 'p");
}

TEST(ShowMessage, MissingStringShowsEmpty) {
  FakeUi ui;
  show_message(nullptr, kMbOk, 4242);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "");
  EXPECT_EQ(ui.messages[0].caption, "Ulmo-Postprocessor");
}

TEST(AskYesNo, IsAQuestionWithItsValuesAndTrueOnlyForYes) {
  FakeUi ui;
  ui.answer = kIdYes;
  EXPECT_TRUE(ask_yes_no(&window_stand_in, 1903, "C:\\sim\\amp.out"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Could not find data file C:\\sim\\amp.out that is referenced in the graph file. Do "
            "you want to browse for a data file?");
  EXPECT_EQ(ui.messages[0].caption, "Ulmo-Postprocessor");
  EXPECT_EQ(ui.messages[0].owner, &window_stand_in);
  EXPECT_EQ(ui.messages[0].flags, 0x24u);   // question icon, Yes and No
  ui.answer = kIdNo;
  EXPECT_FALSE(ask_yes_no(nullptr, 1903, "x"));
  ui.answer = kIdOk;   // a box closed some other way is no "Yes"
  EXPECT_FALSE(ask_yes_no(nullptr, 1903, "x"));
  EXPECT_EQ(ui.messages.size(), 3u);
}

// The fatal routines end the process; their message goes to stderr in the child so the
// death test can read it.
int fatal_box(WindowHandle owner, const char *text, const char *caption, unsigned flags) {
  fprintf(stderr, "box[%s|%s|%u|%p]\n", text, caption ? caption : "(default)", flags, owner);
  return kIdOk;
}

[[noreturn]] void fatal_exit(const char *text) {
  fprintf(stderr, "exit[%s]\n", text);
  _Exit(9);
}

TEST(FatalErrors, FatalMemoryErrorTellsTheCodeAndEnds) {
  EXPECT_EXIT(
      {
        ui_hooks().message_box = fatal_box;
        ui_hooks().fatal_exit = fatal_exit;
        fatal_memory_error(5);
      },
      ::testing::ExitedWithCode(9),
      "box\\[Fatal Memory Error. Error Code: ULMO0X5. Terminating Ulmo-Postprocessor\\|\\(default\\)\\|16\\|\\(nil\\)\\]\n"
      "exit\\[Terminating ULMO-GPP\\]");
}

TEST(FatalErrors, OutOfMemoryTellsTheCodeAndEnds) {
  EXPECT_EXIT(
      {
        ui_hooks().message_box = fatal_box;
        ui_hooks().fatal_exit = fatal_exit;
        out_of_memory(304);
      },
      ::testing::ExitedWithCode(9),
      "box\\[Out of Memory. ErrorCode: ULMO0X304. Terminating Ulmo-Postprocessor\\|\\(default\\)\\|16\\|");
}

TEST(FatalErrors, WithoutAWindowSystemTheTextGoesToStderr) {
  EXPECT_EXIT({ out_of_memory(1600); }, ::testing::ExitedWithCode(3), "Terminating ULMO-GPP");
}

}  // namespace
