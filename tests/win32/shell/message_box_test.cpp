// show_message through the platform's message box: the box is caught as it opens, read and
// answered, as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "base/messages.h"
#include "shell/win32/ui_win32.h"
#include "wait.h"

namespace {

std::string seen_text, seen_caption;
int answer;
DWORD ui_thread;

BOOL CALLBACK find_box(HWND hwnd, LPARAM found) {
  char name[16];
  GetClassNameA(hwnd, name, sizeof name);
  if (strcmp(name, "#32770") == 0 && IsWindowVisible(hwnd)) {
    *reinterpret_cast<HWND *>(found) = hwnd;
    return FALSE;
  }
  return TRUE;
}

// Waits for the box on the test's thread, reads it and presses the answer.
DWORD WINAPI answer_box(void *) {
  HWND box = nullptr;
  auto shown = [&] {
    EnumThreadWindows(ui_thread, find_box, reinterpret_cast<LPARAM>(&box));
    return box != nullptr;
  };
  if (!wait_until(shown, 10000)) return 1;
  char text[512];
  GetWindowTextA(box, text, sizeof text);
  seen_caption = text;
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  seen_text = text;
  PostMessageA(box, WM_COMMAND, answer, 0);
  return 0;
}

class MessageBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    install_win32_ui(nullptr);
    seen_text.clear();
    seen_caption.clear();
    ui_thread = GetCurrentThreadId();
  }
  void TearDown() override {
    WaitForSingleObject(watcher, 15000);
    CloseHandle(watcher);
  }
  void expect_box(int button) {
    answer = button;
    watcher = CreateThread(nullptr, 0, answer_box, nullptr, 0, nullptr);
  }
  HANDLE watcher = nullptr;
};

TEST_F(MessageBoxes, CantOpenTheFile) {
  expect_box(IDOK);
  EXPECT_EQ(show_message(nullptr, MB_ICONEXCLAMATION | MB_OK, 1, "C:\\x.out"), IDOK);
  EXPECT_EQ(seen_text, "Can't open the file 'C:\\x.out'");
  EXPECT_EQ(seen_caption, "Ulmo-Postprocessor");
}

TEST_F(MessageBoxes, QuestionReturnsTheButtonPressed) {
  expect_box(IDNO);
  EXPECT_EQ(show_message(nullptr, MB_ICONQUESTION | MB_YESNO, 1903, "C:\\gone.out"), IDNO);
  EXPECT_EQ(seen_text,
            "Could not find data file C:\\gone.out that is referenced in the graph file. Do you "
            "want to browse for a data file?");
  WaitForSingleObject(watcher, 15000);
  CloseHandle(watcher);
  expect_box(IDYES);
  EXPECT_EQ(show_message(nullptr, MB_ICONQUESTION | MB_YESNO, 1903, "C:\\gone.out"), IDYES);
}

TEST(MessageBoxFlags, AreThePlatformsOwn) {
  EXPECT_EQ(kMbOk, static_cast<unsigned>(MB_OK));
  EXPECT_EQ(kMbYesNo, static_cast<unsigned>(MB_YESNO));
  EXPECT_EQ(kMbIconStop, static_cast<unsigned>(MB_ICONSTOP));
  EXPECT_EQ(kMbIconQuestion, static_cast<unsigned>(MB_ICONQUESTION));
  EXPECT_EQ(kMbIconExclamation, static_cast<unsigned>(MB_ICONEXCLAMATION));
  EXPECT_EQ(kMbSystemModal, static_cast<unsigned>(MB_SYSTEMMODAL));
  EXPECT_EQ(kIdOk, IDOK);
  EXPECT_EQ(kIdYes, IDYES);
  EXPECT_EQ(kIdNo, IDNO);
}

}  // namespace
