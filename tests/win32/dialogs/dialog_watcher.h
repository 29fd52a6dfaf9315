// Works a modal dialog from a second thread, as a user would: waits for it by title on the
// thread that opened it, reads its controls and presses its buttons.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>

class DialogWatcher {
 public:
  // Starts watching the calling thread for a visible dialog titled `title`; `act` runs on the
  // watcher thread with it and must close it. Until finish is called, a dialog still open a
  // while after `act` is cancelled so that a failing test cannot hang.
  void start(const std::string &title, std::function<void(HWND)> act);
  // Waits for the watcher, once the call that showed the dialog has returned; true when it
  // found its dialog.
  bool finish();
  ~DialogWatcher();

 private:
  static DWORD WINAPI run(void *self);
  DWORD ui_thread_ = 0;
  std::string title_;
  std::function<void(HWND)> act_;
  HANDLE thread_ = nullptr;
  bool found_ = false;
  std::atomic<bool> finished_{false};
};

// A visible dialog of `thread` titled `title`, waited for up to `timeout_ms`; null if none.
HWND wait_for_dialog(DWORD thread, const std::string &title, int timeout_ms = 10000);
// True when no dialog of `thread` titled `title` is left within the time-out.
bool wait_until_gone(DWORD thread, const std::string &title, int timeout_ms = 10000);

std::string control_text(HWND dialog, int id);
std::string list_entry(HWND list, int index);
int list_count(HWND list);
int list_selection(HWND list);
// The window that has the keyboard focus on `thread`.
HWND focus_of(DWORD thread);

// Presses a button by its id (a click on it, checking a radio button or check box too).
void click(HWND dialog, int id);
// A double click on a control at a point of its client area.
void double_click(HWND control, int x, int y);
// A double click on a list entry.
void double_click_entry(HWND list, int index);

// Waits until the dialog shows drawn on the screen and saves its picture as NAME.bmp in the
// test's screenshot folder; fails when it never looks drawn.
testing::AssertionResult screenshot(HWND window, const std::string &name);
