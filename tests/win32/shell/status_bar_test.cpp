// The status bar window as it is on screen: place, texts, and the pixels of its frame.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "shell/status.h"
#include "shell/win32/status_bar.h"
#include "shell/win32/ui_win32.h"
#include "wait.h"

namespace {

LRESULT CALLBACK test_frame_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SIZE) layout_status_bar(hwnd);
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

// Handles this thread's messages until both windows have painted all they had to.
bool pump_until_painted(HWND frame, HWND bar) {
  return wait_until([&] {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    return !GetUpdateRect(frame, nullptr, FALSE) && !GetUpdateRect(bar, nullptr, FALSE);
  }, 10000);
}

class StatusBarWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc{};
      wc.lpfnWndProc = test_frame_proc;
      wc.hInstance = instance;
      wc.lpszClassName = "StatusTestFrame";
      ASSERT_TRUE(RegisterClassA(&wc));
      // The frame tests of this program may have registered it with the other classes.
      WNDCLASSA existing;
      ASSERT_TRUE(GetClassInfoA(instance, "Status", &existing) || register_status_class(instance));
      registered = true;
    }
    frame = CreateWindowA("StatusTestFrame", "status test", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                          nullptr, nullptr, instance, nullptr);
    ASSERT_NE(frame, nullptr);
    install_win32_ui(frame);
    create_status_bar(frame);
    show_status_bar(SW_SHOW);
    set_status(kStatusNoDataFile);
    bar = static_cast<HWND>(status_bar().window);
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(pump_until_painted(frame, bar));
  }
  void TearDown() override {
    destroy_status_bar();
    DestroyWindow(frame);
  }
  RECT bar_rect_in_frame() {
    RECT r;
    GetWindowRect(bar, &r);
    MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT *>(&r), 2);
    return r;
  }
  std::string window_text() {
    char text[300];
    GetWindowTextA(bar, text, sizeof text);
    return text;
  }
  COLORREF pixel(int x, int y) {
    HDC dc = GetDC(bar);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(bar, dc);
    return c;
  }
  HWND frame = nullptr, bar = nullptr;
};

TEST_F(StatusBarWindow, SitsOnTheBottomEdgeAtFullWidth) {
  char name[32];
  GetClassNameA(bar, name, sizeof name);
  EXPECT_STREQ(name, "Status");
  EXPECT_EQ(GetParent(bar), frame);
  RECT r = bar_rect_in_frame();
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 300 - 19);
  EXPECT_EQ(r.right, 400);
  EXPECT_EQ(r.bottom, 300);
  EXPECT_EQ(status_bar_top(), 281);
}

TEST_F(StatusBarWindow, FollowsTheFrameWhenResized) {
  SetWindowPos(frame, nullptr, 0, 0, 500, 200, SWP_NOZORDER | SWP_NOMOVE);
  ASSERT_TRUE(pump_until_painted(frame, bar));
  RECT r = bar_rect_in_frame();
  EXPECT_EQ(r.top, 181);
  EXPECT_EQ(r.right, 500);
  EXPECT_EQ(status_bar().text_rect.right, 489);
}

TEST_F(StatusBarWindow, SetStatusShowsTheTextAtOnce) {
  EXPECT_EQ(window_text(), "Data File: None");
  EXPECT_EQ(set_status(kStatusDataFile, "C:\\sim\\amp.out"), kStatusNoDataFile);
  EXPECT_EQ(window_text(), "Data File: C:\\sim\\amp.out");
  EXPECT_EQ(set_status(kStatusReading), kStatusDataFile);
  EXPECT_EQ(window_text(), "Reading Data File, Please Wait...");
}

TEST_F(StatusBarWindow, DrawsLinesSunkenFrameAndText) {
  const COLORREF grey = RGB(128, 128, 128), white = RGB(255, 255, 255);
  const StatusRect &t = status_bar().text_rect;
  EXPECT_EQ(pixel(200, 0), grey);
  EXPECT_EQ(pixel(200, 1), white);
  EXPECT_EQ(pixel(t.left - 1, 10), grey);        // left edge
  EXPECT_EQ(pixel(200, t.top - 1), grey);        // top edge
  EXPECT_EQ(pixel(t.right + 1, 10), white);      // right edge
  EXPECT_EQ(pixel(200, t.bottom + 1), white);    // bottom edge
  // The text is dark on the button face somewhere near the start of the rectangle.
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  int dark = 0;
  for (int x = t.left + 2; x < t.left + 80; x++)
    for (int y = t.top; y < t.bottom; y++)
      if (pixel(x, y) != face) dark++;
  EXPECT_GT(dark, 20);
  // Nothing is drawn past the text on the right.
  EXPECT_EQ(pixel(t.right - 2, 10), face);
}

TEST_F(StatusBarWindow, HandsTheFocusToItsParent) {
  SetFocus(bar);
  EXPECT_EQ(GetFocus(), frame);
}

TEST_F(StatusBarWindow, HiddenBarIsNotDrawnButKeepsItsRecord) {
  show_status_bar(SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(bar));
  EXPECT_EQ(set_status(kStatusEvaluating), kStatusNoDataFile);
  show_status_bar(SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(bar));
  EXPECT_EQ(window_text(), "Evaluating Trace Data, Please Wait...");
}

}  // namespace
