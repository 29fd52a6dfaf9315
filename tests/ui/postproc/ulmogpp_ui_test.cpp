// ulmogpp.exe as a user sees it: the frame, the status bar and the one message box of a load.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driver.h"
#include "paths.h"

namespace {

const int kWait = 20000;


class Ulmogpp : public ::testing::Test {
 protected:
  void TearDown() override { end_program(program); }

  // Starts the program and returns its status bar once the frame is up.
  HWND start(const std::string &command_line) {
    if (!start_program(windows_path(ULMOGPP), command_line, program)) return nullptr;
    frame = wait_for_window(program, "AppFrame", "Ulmo-Postprocessor", kWait);
    return frame ? find_child(frame, "Status") : nullptr;
  }
  // Whether the program shows no dialog or box, once its message loop has taken a message
  // posted to the frame now: a box of the start-up (shown or not yet) would exist by then.
  testing::AssertionResult no_box_after_start_up() {
    if (!wait_for_posted_messages(frame, kWait)) return testing::AssertionFailure() << "the frame takes no messages";
    if (HWND box = find_any_window(program, "#32770", nullptr))
      return testing::AssertionFailure() << "a box: \"" << message_box_text(box) << "\"";
    return testing::AssertionSuccess();
  }

  Program program{};
  HWND frame = nullptr;
};

TEST_F(Ulmogpp, OpensTheFileOnItsCommandLine) {
  std::string path = sample_path("amplifier-transient.out");
  HWND status = start(path);
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
  EXPECT_TRUE(no_box_after_start_up());
  EXPECT_TRUE(save_screenshot(frame, GetSysColor(COLOR_APPWORKSPACE), std::string(ULMO_SCRATCH) + "/ulmogpp-loaded.bmp"));
}

TEST_F(Ulmogpp, QuotedPathWithBlanks) {
  std::string dir = scratch_windows_path("with blanks");
  CreateDirectoryA(dir.c_str(), nullptr);
  std::string path = dir + "\\filter ac.out";
  ASSERT_TRUE(CopyFileA(sample_path("filter-ac.out").c_str(), path.c_str(), FALSE));
  HWND status = start("\"" + path + "\"");
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
}

TEST_F(Ulmogpp, NarrowLayoutLoadsLikeAnyOther) {
  std::string path = sample_path("narrow-transient.out");
  HWND status = start(path);
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
}

TEST_F(Ulmogpp, MissingFileShowsOneMessageBox) {
  std::string path = scratch_windows_path("no-such-file.out");
  ASSERT_TRUE(start_program(windows_path(ULMOGPP), path, program));
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(window_text(box), "Ulmo-Postprocessor");
  EXPECT_EQ(message_box_text(box), "Can't open the file '" + path + "'");
  frame = wait_for_window(program, "AppFrame", "Ulmo-Postprocessor", kWait);
  ASSERT_NE(frame, nullptr);
  HWND status = find_child(frame, "Status");
  EXPECT_EQ(window_text(status), "Data File: None");
  press_button(box, IDOK);
  // Two readings were tried; the user is told once. A second box would come after the
  // first's call has returned (it is destroyed then) and before the message loop.
  ASSERT_TRUE(wait_until_destroyed(box, kWait));
  EXPECT_TRUE(no_box_after_start_up());
  EXPECT_EQ(window_text(status), "Data File: None");
}

TEST_F(Ulmogpp, GarbageIsReportedOnTheStatusBarOnly) {
  std::string path = scratch_windows_path("garbage.out");
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD written;
  WriteFile(f, "no plots in here", 16, &written, nullptr);
  CloseHandle(f);
  HWND status = start(path);
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(wait_for_text(status, "Not an", kWait), "Not an Ulmo-Dizid Data File.");
  EXPECT_TRUE(no_box_after_start_up());
}

TEST_F(Ulmogpp, NoFileOrASwitchOpensNothing) {
  HWND status = start("");
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(wait_for_text(status, "Data File: None", kWait), "Data File: None");
  ASSERT_TRUE(end_program(program));
  status = start("/automation");
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(no_box_after_start_up());
  EXPECT_EQ(window_text(status), "Data File: None");
}

TEST_F(Ulmogpp, StatusBarSpansTheBottomOfTheFrame) {
  HWND status = start("");
  ASSERT_NE(status, nullptr);
  RECT client, bar;
  GetClientRect(frame, &client);
  GetWindowRect(status, &bar);
  MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT *>(&bar), 2);
  EXPECT_EQ(bar.left, 0);
  EXPECT_EQ(bar.right, client.right);
  EXPECT_EQ(bar.bottom, client.bottom);
  // 19 pixels, and more where its font's cell is higher than its 12-pixel field.
  EXPECT_GE(bar.bottom - bar.top, 19);
  RECT mdi;
  GetWindowRect(find_child(frame, "MDIClient"), &mdi);
  MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT *>(&mdi), 2);
  EXPECT_EQ(mdi.bottom, bar.top);
  EXPECT_TRUE(IsWindowVisible(status));
}

TEST_F(Ulmogpp, ClosingTheFrameEndsTheProgram) {
  ASSERT_NE(start(sample_path("several-plots.out")), nullptr);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_EQ(wait_for_exit(program, kWait), 0);
}

class FatalErrors : public ::testing::Test {
 protected:
  void TearDown() override { end_program(program); }
  Program program{};
};

TEST_F(FatalErrors, FatalMemoryErrorTellsTheCodeAndEnds) {
  ASSERT_TRUE(start_program(windows_path(FATAL_PROBE), "fatal 5", program));
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box),
            "Fatal Memory Error. Error Code: ULMO0X5. Terminating Ulmo-Postprocessor");
  EXPECT_NE(window_text(box), "Ulmo-Postprocessor");   // no caption of ours: the default one
  press_button(box, IDOK);
  // Then the platform's fatal exit, which tells its own text before the process ends.
  HWND exit_box = nullptr;
  wait_until([&] {
    HWND b = wait_for_message_box(program, 0);
    if (b && b != box) exit_box = b;
    return exit_box != nullptr;
  }, kWait, "the platform's box after the program's own", [&] { return describe_program(program); });
  ASSERT_NE(exit_box, nullptr);
  EXPECT_EQ(message_box_text(exit_box), "Terminating ULMO-GPP");
  press_button(exit_box, IDOK);
  EXPECT_NE(wait_for_exit(program, kWait), -1);
}

TEST_F(FatalErrors, OutOfMemoryTellsTheCode) {
  ASSERT_TRUE(start_program(windows_path(FATAL_PROBE), "oom 304", program));
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Out of Memory. ErrorCode: ULMO0X304. Terminating Ulmo-Postprocessor");
  press_button(box, IDOK);
}

}  // namespace
