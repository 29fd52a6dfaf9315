// wait_until: how often it tries the condition and when it gives up.
#include <gtest/gtest.h>
#include <windows.h>

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

}  // namespace
