// Waiting for another thread or process. Nothing tells a test when the program has got
// somewhere, so every wait polls a condition until it holds or its time-out passes; a test
// never waits a fixed time and then looks.
//
// A wait a scenario relies on says, when it gives up, what it waited for and what it saw
// instead, as one line on the test's output just before the check that then fails: a CI
// log must be enough to mend the failure. A time-out of 0 is a look, not a wait, and says
// nothing (a check that something did not happen looks).
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// Polls `condition` until it returns true or `timeout_ms` have passed; true when it held.
// It is always tried once more after the time-out, so a slow machine fails no earlier.
template <class Condition>
bool wait_until(Condition condition, int timeout_ms) {
  const DWORD poll_interval_ms = 20;
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= static_cast<DWORD>(timeout_ms > 0 ? timeout_ms : 0)) return false;
    Sleep(poll_interval_ms);
  }
}

// The line that tells a failed wait. Printed on the standard output, where the test
// framework writes, so that it stands in order with the failure it explains.
inline std::string timeout_report(const std::string &awaited, int timeout_ms, const std::string &seen) {
  return "[ TIMEOUT  ] waited " + std::to_string(timeout_ms) + " ms for " + awaited + "; saw " + seen;
}
inline void report_line(const std::string &line) {
  printf("%s\n", line.c_str());
  fflush(stdout);
}
inline void report_timeout(const std::string &awaited, int timeout_ms, const std::string &seen) {
  if (timeout_ms > 0) report_line(timeout_report(awaited, timeout_ms, seen));
}

// wait_until for a wait that should succeed: when it gives up, it reports `awaited` and what
// `seen()` describes at that moment.
template <class Condition, class Seen>
bool wait_until(Condition condition, int timeout_ms, const std::string &awaited, Seen seen) {
  if (wait_until(condition, timeout_ms)) return true;
  if (timeout_ms > 0) report_timeout(awaited, timeout_ms, seen());   // a look need not describe
  return false;
}

// When ULMO_SCREENSHOT_PAUSE_MS is set, keeps what is on the screen that long so that a person
// can take a picture of it; the calling thread's messages are handled meanwhile.
inline void pause_for_a_look() {
  const char *pause = getenv("ULMO_SCREENSHOT_PAUSE_MS");
  if (!pause) return;
  const DWORD length = static_cast<DWORD>(atoi(pause)), start = GetTickCount();
  for (DWORD passed; (passed = GetTickCount() - start) < length;) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, length - passed, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}
