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
  // The bar's height: the designed 19 pixels while the font's cell fits the 12-pixel field,
  // and as many more as the cell is higher.
  int expected_height() {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, static_cast<HFONT>(status_bar().font));
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return 19 + (metrics.tmHeight > 12 ? metrics.tmHeight - 12 : 0);
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
  EXPECT_EQ(r.top, 300 - expected_height());
  EXPECT_EQ(r.right, 400);
  EXPECT_EQ(r.bottom, 300);
  EXPECT_EQ(status_bar_top(), 300 - expected_height());
}

TEST_F(StatusBarWindow, FollowsTheFrameWhenResized) {
  SetWindowPos(frame, nullptr, 0, 0, 500, 200, SWP_NOZORDER | SWP_NOMOVE);
  ASSERT_TRUE(pump_until_painted(frame, bar));
  RECT r = bar_rect_in_frame();
  EXPECT_EQ(r.top, 200 - expected_height());
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

// A file name's descenders and underscores lie in the lowest rows of the font's cell; the
// bar shows the text as the same font draws it with room to spare, every row of it.
TEST_F(StatusBarWindow, ShowsTheWholeHeightOfItsText) {
  const char kShown[] = "Data File: Z:\\sim\\rlc_bandpass_ac.out  (gjpqy)";
  set_status(kStatusDataFile, "Z:\\sim\\rlc_bandpass_ac.out  (gjpqy)");
  ASSERT_EQ(window_text(), kShown);
  const StatusRect &t = status_bar().text_rect;
  const int width = t.right - t.left, rows = 40;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // The same drawing, unclipped, on a bitmap of the screen's depth.
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, rows);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
  HBRUSH brush = CreateSolidBrush(face);
  RECT all{0, 0, width, rows};
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  HGDIOBJ old_font = SelectObject(memory, static_cast<HFONT>(status_bar().font));
  SetBkColor(memory, face);
  RECT text{2, 0, width, rows};
  DrawTextA(memory, kShown, -1, &text, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  TEXTMETRICA metrics{};
  GetTextMetricsA(memory, &metrics);
  SelectObject(memory, old_font);
  int lowest_ink = -1, differing = 0;
  HDC bar_dc = GetDC(bar);
  for (int y = 0; y < rows; y++) {
    for (int x = 0; x < width; x++) {
      COLORREF drawn = GetPixel(memory, x, y);
      if (drawn != face) lowest_ink = y;
      if (y < t.bottom - t.top && GetPixel(bar_dc, t.left + x, t.top + y) != drawn) differing++;
    }
  }
  ReleaseDC(bar, bar_dc);
  SelectObject(memory, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ASSERT_GT(lowest_ink, 0);
  EXPECT_LT(lowest_ink, t.bottom - t.top) << "the text's ink reaches row " << lowest_ink << " of a "
                                          << t.bottom - t.top << "-pixel field (font cell "
                                          << metrics.tmHeight << ")";
  EXPECT_EQ(differing, 0) << "pixels of the field that differ from the text drawn unclipped";
  EXPECT_GE(t.bottom - t.top, metrics.tmHeight);
  RECT r = bar_rect_in_frame();
  EXPECT_EQ(r.bottom, 300);
  EXPECT_EQ(status_bar_top(), r.top);
  EXPECT_EQ(pixel(200, t.bottom + 1), RGB(255, 255, 255));   // the sunken frame's bottom edge, below the text
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
