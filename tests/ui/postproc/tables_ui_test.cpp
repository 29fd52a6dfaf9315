// Table windows and pole-zero graphs as a user meets them: the operating-point sample opens
// its values table, whose cells are selected with the mouse, copied, cut and deleted and put
// back with Undo; the Edit menu follows the grid; the grid fills its window whatever its
// size. The pole-zero sample opens a pole-zero graph with poles as crosses and the zero as a
// circle.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "clipboard.h"
#include "table_session.h"
#include "shell/commands.h"

namespace {

// A row of the values table as the clipboard holds it: ten cells.
std::string row_text(const std::string &name, const std::string &value) {
  return name + "\t" + value + std::string(8, '\t') + "\r\n";
}

class Tables : public TableSession {
 protected:
  bool settled() { return wait_for_posted_messages(frame, kWait) && (!grid || wait_for_posted_messages(grid, kWait)); }
  void command(int id) {
    PostMessageA(frame, WM_COMMAND, id, 0);
    settled();
  }
  // The row height of the grid: its font's height and four pixels, as it draws them.
  int row_height() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm.tmHeight + 4;
  }
  // A click on the number of `row` (the column headings take the first row of pixels).
  void click_row_number(int row, bool shift) {
    LPARAM at = MAKELPARAM(4, row * row_height() + row_height() / 2);
    PostMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON | (shift ? MK_SHIFT : 0), at);
    PostMessageA(grid, WM_LBUTTONUP, shift ? MK_SHIFT : 0, at);
    settled();
  }
  std::string copied(int command_id = kCmdCopy) {
    empty_clipboard();
    command(command_id);
    wait_for_clipboard_format(CF_TEXT, kWait);
    return clipboard_text();
  }
  unsigned menu_state(int id) {
    std::vector<MenuItemReport> menu = read_menu(frame);
    const MenuItemReport *item = find_menu_item(menu, id);
    return item ? item->state : 0xFFFFFFFFu;
  }

  HWND table = nullptr, grid = nullptr;
};

TEST_F(Tables, OperatingPointShowsItsValuesTable) {
  start("operating-point.out");
  table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(window_text(table), "Resistive divider from 5 V (Operating Point)");
  grid = find_child(table, "UlmoGrid");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(table, 0), 0);                      // kind: table
  EXPECT_NE(GetWindowLongPtrA(table, sizeof(LONG_PTR)), 0);       // its grid holder
  EXPECT_EQ(GetWindowLongPtrA(table, 2 * sizeof(LONG_PTR)), 0);   // plot 0
  send_message(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(table), 0);
  ASSERT_TRUE(settled());
  EXPECT_TRUE(save_screenshot(frame, GetSysColor(COLOR_APPWORKSPACE), shot("tables-operating-point.bmp")));

  command(kCmdSelectAll);
  std::string all = copied();
  EXPECT_EQ(all.substr(0, all.find("\r\n") + 2), row_text("Resistive divider from 5 V", ""));
  EXPECT_NE(all.find(row_text("Variables in circuit", "Values")), std::string::npos);
  size_t lines = 0;
  for (size_t at = all.find("\r\n"); at != std::string::npos; at = all.find("\r\n", at + 2)) lines++;
  EXPECT_EQ(lines, 32u);

  click_row_number(4, false);
  click_row_number(7, true);
  EXPECT_EQ(copied(), row_text("v(1)", "5 V") + row_text("v(2)", "2.5 V") + row_text("i(vdd)", "-0.0025 A") +
                          row_text("p(r1)", "0.00625 W"));
}

TEST_F(Tables, CutAndDeleteRemoveWhatCopyWouldCopyAndUndoBringsItBack) {
  start("operating-point.out");
  table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  grid = find_child(table, "UlmoGrid");
  ASSERT_NE(grid, nullptr);
  ASSERT_TRUE(settled());
  EXPECT_TRUE(menu_state(kCmdUndo) & MF_GRAYED) << "nothing to undo yet";
  EXPECT_TRUE(menu_state(kCmdRedo) & MF_GRAYED);
  EXPECT_FALSE(menu_state(kCmdCopy) & MF_GRAYED);
  EXPECT_FALSE(menu_state(kCmdSelectAll) & MF_GRAYED);

  click_row_number(5, false);
  EXPECT_EQ(copied(kCmdDelete), row_text("v(2)", "2.5 V"));
  EXPECT_EQ(copied(), std::string(9, '\t') + "\r\n") << "the row is empty now";
  EXPECT_FALSE(menu_state(kCmdUndo) & MF_GRAYED);
  EXPECT_FALSE(menu_state(kCmdPaste) & MF_GRAYED) << "text is on the clipboard";

  click_row_number(6, false);
  EXPECT_EQ(copied(kCmdCut), row_text("i(vdd)", "-0.0025 A"));
  EXPECT_EQ(copied(), std::string(9, '\t') + "\r\n");

  command(kCmdUndo);
  command(kCmdUndo);
  click_row_number(5, false);
  click_row_number(6, true);
  EXPECT_EQ(copied(), row_text("v(2)", "2.5 V") + row_text("i(vdd)", "-0.0025 A"));
  EXPECT_TRUE(menu_state(kCmdUndo) & MF_GRAYED);
  EXPECT_FALSE(menu_state(kCmdRedo) & MF_GRAYED);
  command(kCmdRedo);
  click_row_number(5, false);
  EXPECT_EQ(copied(), std::string(9, '\t') + "\r\n");

  // Pasting the first row onto the fifth.
  click_row_number(4, false);
  std::string first = copied();
  click_row_number(5, false);
  command(kCmdPaste);
  EXPECT_EQ(copied(), first);
}

TEST_F(Tables, KeysTypedIntoACellBelongToIt) {
  start("operating-point.out");
  table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  grid = find_child(table, "UlmoGrid");
  ASSERT_NE(grid, nullptr);
  click_row_number(4, false);   // row 4: the active cell is (4, 1)
  PostMessageA(grid, WM_CHAR, 'a', 0);   // typing starts the edit with what was typed
  ASSERT_TRUE(settled());
  HWND editor = find_child(grid, "Edit");
  ASSERT_NE(editor, nullptr);
  PostMessageA(editor, WM_CHAR, 'b', 0);
  PostMessageA(editor, WM_CHAR, 'c', 0);
  PostMessageA(editor, WM_KEYDOWN, VK_LEFT, 0);
  PostMessageA(editor, WM_KEYDOWN, VK_DELETE, 0);   // the character, not the frame's Delete
  PostMessageA(editor, WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_TRUE(settled());
  EXPECT_EQ(find_child(grid, "Edit"), nullptr);
  click_row_number(4, false);
  EXPECT_EQ(copied(), row_text("ab", "5 V"));
  EXPECT_FALSE(menu_state(kCmdUndo) & MF_GRAYED);
}

TEST_F(Tables, TheGridFollowsTheTableWindowsSize) {
  start("operating-point.out");
  table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  grid = find_child(table, "UlmoGrid");
  ASSERT_NE(grid, nullptr);
  for (SIZE size : {SIZE{420, 260}, SIZE{700, 480}, SIZE{250, 150}}) {
    SetWindowPos(table, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE);
    ASSERT_TRUE(settled());
    RECT table_client, grid_rect;
    GetClientRect(table, &table_client);
    GetWindowRect(grid, &grid_rect);
    MapWindowPoints(HWND_DESKTOP, table, reinterpret_cast<POINT *>(&grid_rect), 2);
    EXPECT_EQ(grid_rect.left, 0) << size.cx;
    EXPECT_EQ(grid_rect.top, 0) << size.cx;
    EXPECT_EQ(grid_rect.right, table_client.right) << size.cx;
    EXPECT_EQ(grid_rect.bottom, table_client.bottom) << size.cx;
  }
}

// Metafile records by function, for the shapes a picture draws.
std::vector<WORD> metafile_functions(HMETAFILE metafile) {
  std::vector<BYTE> bits(GetMetaFileBitsEx(metafile, 0, nullptr));
  GetMetaFileBitsEx(metafile, static_cast<UINT>(bits.size()), bits.data());
  std::vector<WORD> functions;
  for (size_t at = 18; at + 6 <= bits.size();) {
    DWORD words = 0;
    WORD function = 0;
    memcpy(&words, &bits[at], 4);
    memcpy(&function, &bits[at + 4], 2);
    if (words < 3) break;
    functions.push_back(function);
    at += static_cast<size_t>(words) * 2;
  }
  return functions;
}

TEST_F(Tables, PoleZeroSampleShowsAPoleZeroGraph) {
  start("pole-zero.out");
  HWND graph = wait_for_child("ChildGraph");
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(window_text(graph), "Second-order section (Pole-Zero Analysis)");
  EXPECT_EQ(GetWindowLongPtrA(graph, 0), 2);   // kind: pole-zero
  EXPECT_EQ(GetWindowLongPtrA(graph, 2 * sizeof(LONG_PTR)), 0);
  send_message(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(graph), 0);
  ASSERT_TRUE(settled() && wait_for_posted_messages(graph, kWait));
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("tables-pole-zero.bmp")));
  // The legend labels name the two groups.
  std::vector<std::string> labels;
  for (HWND child = GetWindow(graph, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    labels.push_back(window_text(child));
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Poles"), labels.end());
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Zeros"), labels.end());

  // Its copy: one circle for the zero (and one for the legend's sample when shown); the poles'
  // crosses are lines.
  empty_clipboard();
  PostMessageA(frame, WM_COMMAND, kCmdCopy, 0);
  ASSERT_TRUE(wait_for_clipboard_format(CF_METAFILEPICT, kWait));
  ASSERT_TRUE(OpenClipboard(nullptr));
  std::vector<WORD> functions;
  if (HANDLE data = GetClipboardData(CF_METAFILEPICT)) {
    if (const METAFILEPICT *picture = static_cast<const METAFILEPICT *>(GlobalLock(data))) {
      functions = metafile_functions(picture->hMF);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  size_t ellipses = std::count(functions.begin(), functions.end(), static_cast<WORD>(META_ELLIPSE));
  EXPECT_GE(ellipses, 1u);
  EXPECT_LE(ellipses, 2u);
}

TEST_F(Tables, SelectingTheOperatingPointBringsItsTableBack) {
  start("several-plots.out");
  // Several plots: the program offers the plot choice; the table is open already.
  table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  ASSERT_NE(wait_for_child("ChildGraph"), nullptr);   // the pole-zero plot's
  if (HWND choice = wait_for_message_box(program, kWait)) {
    PostMessageA(choice, WM_COMMAND, IDCANCEL, 0);
    wait_until_destroyed(choice, kWait);
  }
  send_message(table, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(wait_until_destroyed(table, kWait));
  command(kCmdSelectCurrentPlot);
  HWND dialog = wait_for_window(program, "#32770", "Select Current Plot", kWait);
  ASSERT_NE(dialog, nullptr);
  HWND list = FindWindowExA(dialog, nullptr, "ListBox", nullptr);
  ASSERT_NE(list, nullptr);
  send_message(list, LB_SETCURSEL, 0, 0);
  press_button(dialog, IDOK);
  table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(window_text(table), "Resistive divider from 5 V (Operating Point)");
}

}  // namespace
