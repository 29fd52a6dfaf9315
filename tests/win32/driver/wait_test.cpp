// wait_until: how often it tries the condition and when it gives up; what a wait that gives
// up says, and how the driver describes what it saw.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driver.h"
#include "wait.h"

namespace {

TEST(WaitUntil, AConditionThatHoldsIsTriedOnce) {
  int tries = 0;
  EXPECT_TRUE(wait_until([&] { return ++tries > 0; }, 5000));
  EXPECT_EQ(tries, 1);
}

TEST(WaitUntil, TriesAgainUntilTheConditionHolds) {
  int tries = 0;
  EXPECT_TRUE(wait_until([&] { return ++tries == 3; }, 5000));
  EXPECT_EQ(tries, 3);
}

TEST(WaitUntil, NoTimeOutMeansOneTry) {
  for (int timeout : {0, -5}) {
    int tries = 0;
    EXPECT_FALSE(wait_until([&] { return ++tries < 0; }, timeout)) << timeout;
    EXPECT_EQ(tries, 1) << timeout;
  }
}

TEST(WaitUntil, GivesUpOnlyAfterALastTryPastTheTimeOut) {
  const int timeout = 200;
  const DWORD start = GetTickCount();
  DWORD last_try = 0;
  int tries = 0;
  EXPECT_FALSE(wait_until([&] {
    ++tries;
    last_try = GetTickCount() - start;
    return false;
  }, timeout));
  EXPECT_GE(last_try, static_cast<DWORD>(timeout));
  EXPECT_GE(tries, 2);
}

volatile LONG raised = 0;

DWORD WINAPI raise_flag(void *) {
  InterlockedExchange(&raised, 1);
  return 0;
}

TEST(WaitUntil, SeesWhatAnotherThreadDoes) {
  raised = 0;
  HANDLE thread = CreateThread(nullptr, 0, raise_flag, nullptr, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  EXPECT_TRUE(wait_until([] { return InterlockedCompareExchange(&raised, 0, 0) == 1; }, 10000));
  WaitForSingleObject(thread, 10000);
  CloseHandle(thread);
}

// What a described wait prints while it runs.
template <class Condition>
std::string said_by(Condition condition, int timeout_ms, int *seen_calls) {
  testing::internal::CaptureStdout();
  wait_until(condition, timeout_ms, "the box", [&] {
    ++*seen_calls;
    return std::string("two windows");
  });
  return testing::internal::GetCapturedStdout();
}

TEST(DescribedWait, SaysWhatItWaitedForAndSawOnceWhenItGivesUp) {
  const struct {
    const char *name;
    bool holds;
    int timeout_ms;
    const char *said;
  } cases[] = {
      {"gives up", false, 100, "[ TIMEOUT  ] waited 100 ms for the box; saw two windows\n"},
      {"holds", true, 100, ""},
      {"a look that fails", false, 0, ""},
  };
  for (const auto &c : cases) {
    int seen_calls = 0;
    EXPECT_EQ(said_by([&] { return c.holds; }, c.timeout_ms, &seen_calls), c.said) << c.name;
    EXPECT_EQ(seen_calls, *c.said ? 1 : 0) << c.name;
  }
}

TEST(DescribedWait, SeesTheStateAfterTheLastTry) {
  int tries = 0, seen_calls = 0;
  std::string seen_at;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(wait_until([&] { return ++tries < 0; }, 60, "a negative count", [&] {
    ++seen_calls;
    return std::to_string(tries) + " tries";
  }));
  const std::string said = testing::internal::GetCapturedStdout();
  EXPECT_EQ(said, "[ TIMEOUT  ] waited 60 ms for a negative count; saw " + std::to_string(tries) + " tries\n");
  EXPECT_EQ(seen_calls, 1);
}

TEST(Describe, WindowsByClassTitleAndState) {
  HWND shown = CreateWindowExA(0, "Static", "Format Text", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr,
                               nullptr, nullptr);
  HWND hidden = CreateWindowExA(0, "Button", "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(shown, nullptr);
  ASSERT_NE(hidden, nullptr);
  EXPECT_EQ(describe_window(shown), "\"Static\" \"Format Text\"");
  EXPECT_EQ(describe_window(hidden), "\"Button\" \"\" (hidden)");
  const std::string mine = describe_windows_of(GetCurrentProcessId());
  EXPECT_NE(mine.find("\"Static\" \"Format Text\""), std::string::npos) << mine;
  EXPECT_EQ(mine.find("Button"), std::string::npos) << mine;   // hidden, and not a dialog
  DestroyWindow(shown);
  DestroyWindow(hidden);
  EXPECT_EQ(describe_window(shown), "no window");
  EXPECT_EQ(describe_program(Program{}), "no program running (it was never started, or has been ended)");
}

DWORD WINAPI show_two_line_box(void *) {
  MessageBoxA(nullptr, "Removed one\nRemoved two", "Uninstall", MB_OK);
  return 0;
}

TEST(Describe, AMessageBoxWithItsTextOnOneLine) {
  HANDLE thread = CreateThread(nullptr, 0, show_two_line_box, nullptr, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  HWND box = nullptr;
  EXPECT_TRUE(wait_until([&] { return (box = FindWindowA("#32770", "Uninstall")) && IsWindowVisible(box); }, 10000));
  EXPECT_EQ(describe_window(box), "\"#32770\" \"Uninstall\" saying \"Removed one\\nRemoved two\"");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
  CloseHandle(thread);
}

}  // namespace
