// Waiting for another thread or process. Nothing tells a test when the program has got
// somewhere, so every wait polls a condition until it holds or its time-out passes; a test
// never waits a fixed time and then looks.
#pragma once

#include <windows.h>

#include <cstdlib>

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
