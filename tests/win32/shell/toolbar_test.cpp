// The frame's toolbar as the platform's control holds it: buttons, ids, states, tooltips.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "base/text.h"
#include "shell/win32/toolbar.h"
#include "wait.h"

namespace {

LRESULT CALLBACK frame_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NOTIFY) return toolbar_notify(reinterpret_cast<NMHDR *>(lparam));
  if (message == WM_SIZE) autosize_toolbar();
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

class Toolbar : public ::testing::Test {
 protected:
  void SetUp() override {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc{};
      wc.lpfnWndProc = frame_proc;
      wc.hInstance = instance;
      wc.lpszClassName = "ToolbarTestFrame";
      ASSERT_TRUE(RegisterClassA(&wc));
      registered = true;
    }
    frame = CreateWindowA("ToolbarTestFrame", "toolbar test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                          0, 0, 500, 300, nullptr, nullptr, instance, nullptr);
    ASSERT_NE(frame, nullptr);
    toolbar = create_toolbar(frame);
    ASSERT_NE(toolbar, nullptr);
  }
  void TearDown() override {
    pause_for_a_look();
    DestroyWindow(frame);
  }

  std::string tooltip(UINT_PTR command_id, LRESULT *result = nullptr) {
    NMTTDISPINFOA request{};
    request.hdr.hwndFrom = toolbar;
    request.hdr.idFrom = command_id;
    request.hdr.code = TTN_NEEDTEXTA;
    LRESULT r = SendMessageA(frame, WM_NOTIFY, command_id, reinterpret_cast<LPARAM>(&request));
    if (result) *result = r;
    return request.lpszText ? request.lpszText : "(none)";
  }

  HWND frame = nullptr, toolbar = nullptr;
};

TEST_F(Toolbar, IsTheControlWithBorderAndTooltips) {
  char name[64];
  GetClassNameA(toolbar, name, sizeof name);
  EXPECT_STREQ(name, TOOLBARCLASSNAMEA);
  EXPECT_EQ(GetDlgCtrlID(toolbar), 3242);
  EXPECT_EQ(GetParent(toolbar), frame);
  LONG style = GetWindowLongA(toolbar, GWL_STYLE);
  EXPECT_TRUE(style & WS_BORDER);
  EXPECT_TRUE(style & TBSTYLE_TOOLTIPS);
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_NE(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0), 0);
}

TEST_F(Toolbar, SixteenEntriesNeverDisabled) {
  const int commands[16] = {0,     10001, 10004, 10008, 0, 11002, 0,     10005,
                            0,     12001, 12005, 0,     14002, 14003, 0, 17001};
  ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 16);
  int image = 0;
  for (int i = 0; i < 16; i++) {
    TBBUTTON button{};
    ASSERT_TRUE(SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)));
    bool separator = commands[i] == 0;
    EXPECT_EQ((button.fsStyle & TBSTYLE_SEP) != 0, separator) << "entry " << i;
    if (separator) continue;
    EXPECT_EQ(button.idCommand, commands[i]) << "entry " << i;
    EXPECT_EQ(button.iBitmap, image++) << "entry " << i;
    EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONENABLED, commands[i], 0)) << commands[i];
    EXPECT_FALSE(SendMessageA(toolbar, TB_ISBUTTONCHECKED, commands[i], 0)) << commands[i];
  }
  EXPECT_EQ(image, 10);
}

TEST_F(Toolbar, TooltipsAreTheCommandsStrings) {
  struct Row { UINT_PTR id; const char *text; } rows[] = {
      {10001, "Open"}, {10004, "Select Current Plot"}, {10008, "Load Experimental Data"},
      {11002, "Copy Graph"}, {10005, "Print"}, {12001, "Add Plot"}, {12005, "Add Text"},
      {14002, "Zoom"}, {14003, "Display Cursors"}, {17001, "Help"}};
  for (const Row &row : rows) {
    LRESULT result = -1;
    EXPECT_EQ(tooltip(row.id, &result), row.text);
    EXPECT_EQ(result, 0);
  }
}

TEST_F(Toolbar, TooltipTextStopsAt127Characters) {
  std::string full = load_text(1601);
  ASSERT_GT(full.size(), 127u);
  EXPECT_EQ(tooltip(1601), full.substr(0, 127));
  EXPECT_EQ(tooltip(12345), "");
}

TEST_F(Toolbar, OtherNotificationsAnswerOne) {
  NMHDR header{toolbar, 3242, TBN_GETBUTTONINFOA};
  EXPECT_EQ(SendMessageA(frame, WM_NOTIFY, 3242, reinterpret_cast<LPARAM>(&header)), 0);
  header.code = NM_CLICK;
  EXPECT_EQ(toolbar_notify(&header), 1);
  header.code = TTN_NEEDTEXTW;
  EXPECT_EQ(toolbar_notify(&header), 1);
}

TEST_F(Toolbar, DisplayCursorsIsDrawnPressedWhileChecked) {
  check_toolbar_button(14003, true);
  EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONCHECKED, 14003, 0));
  EXPECT_FALSE(SendMessageA(toolbar, TB_ISBUTTONCHECKED, 14002, 0));
  EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONENABLED, 14003, 0));
  check_toolbar_button(14003, false);
  EXPECT_FALSE(SendMessageA(toolbar, TB_ISBUTTONCHECKED, 14003, 0));
}

TEST_F(Toolbar, SitsAlongTheTopAndFollowsTheFrame) {
  RECT window, client;
  GetWindowRect(toolbar, &window);
  EXPECT_EQ(toolbar_height(), window.bottom - window.top - 1);
  EXPECT_GE(toolbar_height(), 16);
  MoveWindow(frame, 0, 0, 700, 300, TRUE);
  GetWindowRect(toolbar, &window);
  GetClientRect(frame, &client);
  POINT origin{window.left, window.top};
  ScreenToClient(frame, &origin);
  EXPECT_LE(origin.y, 0);  // the control may hide its top border above the client area
  EXPECT_GE(origin.y, -2);
  EXPECT_GE(window.right - window.left, client.right - 2);
}

}  // namespace
