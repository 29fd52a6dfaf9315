// The frame window in this process: dropped files, the link messages, the layout of toolbar,
// MDI client and status bar, closing the children, and the menu on real child windows.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "data/load.h"
#include "data/plot_list.h"
#include "shell/commands.h"
#include "shell/link_request.h"
#include "shell/settings.h"
#include "shell/status.h"
#include "shell/win32/app.h"
#include "shell/win32/status_bar.h"

namespace {

std::string sample(const char *name) {
  std::string path = std::string("Z:") + ULMO_SAMPLES + "/" + name;
  for (char &c : path)
    if (c == '/') c = '\\';
  return path;
}

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// A drop of `paths` as the shell hands it over.
HDROP make_drop(const std::vector<std::string> &paths) {
  std::string list;
  for (const std::string &p : paths) list += p + '\0';
  list += '\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
  auto *drop = static_cast<DROPFILES *>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  memcpy(reinterpret_cast<char *>(drop) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

void put_on_clipboard(HWND owner, const std::string &text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

bool clipboard_has_text() {
  if (!OpenClipboard(nullptr)) return false;
  bool has = GetClipboardData(CF_TEXT) != nullptr;
  CloseClipboard();
  return has;
}

class Frame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    app().instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(register_window_classes(app().instance));
  }
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ulmo-Software");
    reset_plot_list();
    frame = CreateWindowA("AppFrame", "Ulmo-Postprocessor", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                          nullptr, nullptr, app().instance, nullptr);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(app().mdi_client, nullptr);
    ShowWindow(frame, SW_SHOW);
    show_mdi_client();
    show_status_bar(SW_SHOW);
    layout_frame();
    pump();
  }
  void TearDown() override {
    if (IsWindow(frame)) SendMessageA(frame, WM_CLOSE, 0, 0);
    pump();
    app() = AppState{app().instance};
  }
  HWND add_table_child() {
    MDICREATESTRUCTA create{"ChildTable", "Table", app().instance, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
    return reinterpret_cast<HWND>(SendMessageA(app().mdi_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  }
  UINT menu_state(int id) { return GetMenuState(GetMenu(frame), id, MF_BYCOMMAND); }

  HWND frame = nullptr;
};

TEST_F(Frame, DroppingThreeFilesOpensTheFirstAndMakesItRecent) {
  std::string first = sample("filter-ac.out");
  SendMessageA(frame, WM_DROPFILES, reinterpret_cast<WPARAM>(make_drop({first, sample("amplifier-transient.out"), sample("pole-zero.out")})), 0);
  EXPECT_EQ(status_bar().shown, "Data File: " + first);
  EXPECT_EQ(settings().recent_count, 1);
  EXPECT_EQ(settings().recent[0], first);
  EXPECT_EQ(settings().last_data_file, first);
  char text[600] = {};
  GetMenuStringA(app().file_menu, 10010, text, sizeof text, MF_BYCOMMAND);
  EXPECT_EQ(std::string(text), first);
}

TEST_F(Frame, ADroppedFileThatFailsIsStillRecent) {
  std::string missing = sample("missing.out");
  // The load's message box is answered by nobody here: keep it out of the way.
  UiHooks saved = ui_hooks();
  ui_hooks().message_box = [](WindowHandle, const char *, const char *, unsigned) { return 1; };
  SendMessageA(frame, WM_DROPFILES, reinterpret_cast<WPARAM>(make_drop({missing})), 0);
  ui_hooks() = saved;
  EXPECT_EQ(status_bar().shown, "Data File: None");
  EXPECT_EQ(settings().recent[0], missing);
}

TEST_F(Frame, LinkMessagesKeepTheirRequestAndEmptyTheClipboard) {
  std::string path = sample("filter-ac.out");
  put_on_clipboard(frame, path + ";1,2,3;db");
  SendMessageA(frame, WM_APP + 7, 0, 0);
  EXPECT_FALSE(clipboard_has_text());
  EXPECT_EQ(status_bar().shown, "Data File: " + path);
  ASSERT_TRUE(app().link_request.has_value());
  const LinkRequest &r = *app().link_request;
  EXPECT_EQ(r.message, 0x8007u);
  EXPECT_EQ(r.function, "db");
  std::vector<LinkGroup> groups = link_groups(r);
  ASSERT_EQ(groups.size(), 1u);   // a group of one: variable 2; the last index is no count
  EXPECT_EQ(r.indices[groups[0].start], 2);
  EXPECT_EQ(groups[0].count, 1u);
}

TEST_F(Frame, LinkTextWithoutIndicesLoadsAndKeepsNoRequest) {
  std::string path = sample("amplifier-transient.out");
  put_on_clipboard(frame, path);
  SendMessageA(frame, WM_APP + 5, 0, 0);
  EXPECT_EQ(status_bar().shown, "Data File: " + path);
  EXPECT_FALSE(app().link_request.has_value());
  // An empty clipboard does nothing.
  SendMessageA(frame, WM_APP + 6, 0, 0);
  EXPECT_EQ(status_bar().shown, "Data File: " + path);
}

TEST_F(Frame, StatusBarDecidesWhereTheMdiClientEnds) {
  RECT client, mdi;
  GetClientRect(frame, &client);
  auto mdi_bottom = [&] {
    GetWindowRect(app().mdi_client, &mdi);
    MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT *>(&mdi), 2);
    return mdi.bottom;
  };
  // 19 pixels, or more where the bar's font needs them (the status bar's own tests).
  const int bar = status_bar().height;
  EXPECT_GE(bar, 19);
  EXPECT_EQ(mdi_bottom(), client.bottom - bar);
  EXPECT_GT(mdi.top, 0);   // below the toolbar
  EXPECT_EQ(mdi.left, 0);
  EXPECT_EQ(mdi.right, client.right);
  settings().status_bar = 0;
  show_status_bar(SW_HIDE);
  layout_frame();
  EXPECT_EQ(mdi_bottom(), client.bottom);
  settings().status_bar = 1;
  show_status_bar(SW_SHOW);
  layout_frame();
  EXPECT_EQ(mdi_bottom(), client.bottom - bar);
}

// The colour the screen shows at (x, y) of `window`'s client.
COLORREF shown_colour(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

// The bar's margins keep its class's light grey; only the text rectangle is in the button
// face, here a colour that differs from that grey.
TEST_F(Frame, StatusBarMarginsAreLightGreyAndItsTextRectangleButtonFace) {
  const COLORREF kFace = RGB(236, 233, 216);
  INT element = COLOR_BTNFACE;
  COLORREF before = GetSysColor(COLOR_BTNFACE);
  ASSERT_TRUE(SetSysColors(1, &element, &kFace));
  destroy_status_bar();
  create_status_bar(frame);
  show_status_bar(SW_SHOW);
  layout_frame();
  pump();
  HWND bar = static_cast<HWND>(status_bar().window);
  UpdateWindow(bar);
  const StatusRect &t = status_bar().text_rect;
  int middle = (t.top + t.bottom) / 2;
  COLORREF left_margin = shown_colour(bar, t.left - 5, middle);
  COLORREF right_margin = shown_colour(bar, t.right + 5, middle);
  COLORREF text_end = shown_colour(bar, t.right - 3, middle);
  SetSysColors(1, &element, &before);
  EXPECT_EQ(left_margin, RGB(192, 192, 192));
  EXPECT_EQ(right_margin, RGB(192, 192, 192));
  EXPECT_EQ(text_end, kFace);
}

TEST_F(Frame, CloseAllChildrenDestroysEveryChildIncludingMinimizedOnes) {
  HWND a = add_table_child();
  HWND b = add_table_child();
  ASSERT_TRUE(a && b);
  ShowWindow(a, SW_MINIMIZE);
  pump();
  close_all_children();
  EXPECT_FALSE(IsWindow(a));
  EXPECT_FALSE(IsWindow(b));
  EXPECT_FALSE(IsWindowVisible(app().mdi_client));
  EXPECT_EQ(app().active_child, nullptr);
  show_mdi_client();
  EXPECT_TRUE(IsWindowVisible(app().mdi_client));
}

TEST_F(Frame, MenuFollowsTheActiveTableWindow) {
  SendMessageA(frame, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(frame)), 0);
  EXPECT_TRUE(menu_state(kCmdShowCursors) & MF_GRAYED);
  EXPECT_TRUE(menu_state(kCmdCloseAll) & MF_GRAYED);
  HWND table = add_table_child();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(app().active_child, table);
  EXPECT_EQ(GetWindowLongPtrA(table, kChildKindWord), kTableWindow);
  EXPECT_EQ(GetWindowLongPtrA(table, kChildPlotWord), -1);   // no plot
  CheckMenuItem(GetMenu(frame), kCmdZoom, MF_BYCOMMAND | MF_CHECKED);
  SendMessageA(frame, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(frame)), 0);
  EXPECT_TRUE(menu_state(kCmdZoom) & MF_GRAYED);
  EXPECT_FALSE(menu_state(kCmdZoom) & MF_CHECKED);
  EXPECT_FALSE(menu_state(kCmdCloseAll) & MF_GRAYED);
  EXPECT_FALSE(menu_state(kCmdSelectAll) & MF_GRAYED);
  EXPECT_TRUE(menu_state(kCmdShowCursors) & MF_GRAYED);
  SendMessageA(frame, WM_COMMAND, kCmdCloseAll, 0);
  EXPECT_FALSE(IsWindow(table));
  EXPECT_TRUE(IsWindowVisible(app().mdi_client));
}

}  // namespace
