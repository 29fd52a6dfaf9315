#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include <ulmogrid/win32/ulmogrd.h>

#include "clipboard.h"

namespace {

// Keys go to the grid's window as the keyboard would send them; Shift is held through the
// thread's key state, which the grid reads.
void hold_shift(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

class GridDll : public ::testing::Test {
 protected:
  void SetUp() override {
    parent = CreateWindowExA(0, "STATIC", "grid test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    grid = ulmogrd_create(parent, 6, 3);
    ASSERT_NE(grid, nullptr);
    window = ulmogrd_get_hwnd(grid);
    ASSERT_NE(window, nullptr);
    for (int r = 1; r <= 6; r++)
      for (int c = 1; c <= 3; c++) {
        std::string text = std::to_string(r) + std::to_string(c);
        ASSERT_TRUE(ulmogrd_set_data(grid, r, c, text.c_str()));
      }
    empty_clipboard();
  }
  void TearDown() override {
    hold_shift(false);
    ulmogrd_destroy(grid);
    DestroyWindow(parent);
  }
  void key(WPARAM vk, HWND to = nullptr) { SendMessageA(to ? to : window, WM_KEYDOWN, vk, 0); }
  std::string copy() {
    empty_clipboard();
    EXPECT_TRUE(ulmogrd_copy(grid));
    return clipboard_text();
  }

  HWND parent = nullptr, window = nullptr;
  ULMOGRD_HANDLE grid = nullptr;
};

TEST_F(GridDll, NullHandleAndCellsOutsideDoNothing) {
  EXPECT_EQ(ulmogrd_get_hwnd(nullptr), nullptr);
  EXPECT_EQ(ulmogrd_set_data(nullptr, 1, 1, "x"), 0);
  EXPECT_EQ(ulmogrd_copy(nullptr), 0);
  EXPECT_EQ(ulmogrd_can_undo(nullptr), 0);
  EXPECT_EQ(ulmogrd_print_begin(nullptr, nullptr), 0);
  ulmogrd_destroy(nullptr);
  EXPECT_EQ(ulmogrd_set_data(grid, 7, 1, "x"), 0);
  EXPECT_EQ(ulmogrd_set_data(grid, 1, 4, "x"), 0);
  EXPECT_EQ(ulmogrd_set_data(grid, 1, 1, nullptr), 0);
  EXPECT_EQ(ulmogrd_create(parent, 0, 3), nullptr);
  EXPECT_EQ(GetParent(window), parent);
}

TEST_F(GridDll, ArrowsAndShiftSelectWhatCopyPutsOnTheClipboard) {
  EXPECT_EQ(copy(), "11\r\n");
  key(VK_DOWN);
  hold_shift(true);
  key(VK_RIGHT);
  key(VK_DOWN);
  hold_shift(false);
  EXPECT_EQ(copy(), "21\t22\r\n31\t32\r\n");
  hold_shift(true);
  key(VK_END);
  hold_shift(false);
  EXPECT_EQ(copy(), "21\t22\t23\r\n31\t32\t33\r\n");
  key(VK_NEXT);   // a page down ends on the last row at most
  EXPECT_EQ(copy(), "63\r\n");
  SendMessageA(window, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(copy(), "61\r\n");
  EXPECT_TRUE(ulmogrd_select_all(grid));
  EXPECT_EQ(copy(), "11\t12\t13\r\n21\t22\t23\r\n31\t32\t33\r\n41\t42\t43\r\n51\t52\t53\r\n61\t62\t63\r\n");
}

TEST_F(GridDll, CutPasteUndoRedoThroughTheClipboard) {
  EXPECT_FALSE(ulmogrd_can_undo(grid));
  EXPECT_FALSE(ulmogrd_can_paste(grid));
  key(VK_DOWN);
  EXPECT_TRUE(ulmogrd_can_cut(grid));
  EXPECT_TRUE(ulmogrd_cut(grid));
  EXPECT_EQ(clipboard_text(), "21\r\n");
  EXPECT_EQ(copy(), "\r\n");
  EXPECT_TRUE(ulmogrd_can_undo(grid));
  EXPECT_TRUE(ulmogrd_can_paste(grid));

  ASSERT_TRUE(put_clipboard_text("a\tb\r\nc\td\r\n"));
  key(VK_DOWN);
  key(VK_DOWN);
  key(VK_DOWN);
  key(VK_RIGHT);
  key(VK_RIGHT);   // (5, 3): the block reaches beyond the last column
  EXPECT_TRUE(ulmogrd_paste(grid));
  EXPECT_EQ(copy(), "a\tb\r\nc\td\r\n");
  EXPECT_TRUE(ulmogrd_undo(grid));
  EXPECT_TRUE(ulmogrd_can_redo(grid));
  EXPECT_EQ(copy(), "53\r\n");
  EXPECT_TRUE(ulmogrd_undo(grid));   // the cut, and the selection it had
  EXPECT_EQ(copy(), "21\r\n");
  EXPECT_TRUE(ulmogrd_redo(grid));
  EXPECT_EQ(copy(), "\r\n");
}

TEST_F(GridDll, EditingInPlace) {
  // Typing replaces the cell; Enter keeps it and moves down.
  SendMessageA(window, WM_CHAR, 'x', 0);
  HWND editor = FindWindowExA(window, nullptr, "Edit", nullptr);
  ASSERT_NE(editor, nullptr);
  SendMessageA(editor, WM_CHAR, 'y', 0);
  key(VK_RETURN, editor);
  EXPECT_EQ(FindWindowExA(window, nullptr, "Edit", nullptr), nullptr);
  EXPECT_EQ(copy(), "21\r\n");
  key(VK_UP);
  EXPECT_EQ(copy(), "xy\r\n");
  EXPECT_TRUE(ulmogrd_can_undo(grid));
  // F2 edits the text there; Escape leaves it as it was.
  key(VK_F2);
  editor = FindWindowExA(window, nullptr, "Edit", nullptr);
  ASSERT_NE(editor, nullptr);
  char text[16] = {};
  GetWindowTextA(editor, text, sizeof text);
  EXPECT_STREQ(text, "xy");
  SetWindowTextA(editor, "changed");
  key(VK_ESCAPE, editor);
  EXPECT_EQ(copy(), "xy\r\n");
  EXPECT_TRUE(ulmogrd_undo(grid));
  EXPECT_EQ(copy(), "11\r\n");
  // Going elsewhere keeps the edit, as Enter does; the grid may go with an edit open.
  SendMessageA(window, WM_CHAR, 'q', 0);
  ASSERT_NE(FindWindowExA(window, nullptr, "Edit", nullptr), nullptr);
  SetFocus(parent);
  EXPECT_EQ(FindWindowExA(window, nullptr, "Edit", nullptr), nullptr);
  EXPECT_EQ(copy(), "q\r\n");
  SendMessageA(window, WM_CHAR, 'w', 0);
}

TEST_F(GridDll, PagesForPrinting) {
  HDC screen = GetDC(nullptr);
  HDC surface = CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
  ReleaseDC(nullptr, screen);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(ulmogrd_print_begin(grid, surface), 1);
  ulmogrd_print_end(grid);
  ASSERT_TRUE(ulmogrd_select_all(grid));
  ASSERT_TRUE(ulmogrd_cut(grid));
  EXPECT_EQ(ulmogrd_print_begin(grid, surface), 0) << "no text: nothing to print";
  ulmogrd_print_end(grid);
  // A thousand rows of text take several pages.
  std::string rows;
  for (int i = 0; i < 1000; i++) rows += "row\t" + std::to_string(i) + "\r\n";
  ASSERT_TRUE(put_clipboard_text(rows));
  key(VK_HOME);
  ASSERT_TRUE(ulmogrd_paste(grid));
  EXPECT_GT(ulmogrd_print_begin(grid, surface), 5);
  ulmogrd_print_end(grid);
  DeleteEnhMetaFile(CloseEnhMetaFile(surface));
}

TEST_F(GridDll, SetFocusGivesTheGridTheKeyboard) {
  SetFocus(parent);
  ulmogrd_set_focus(grid);
  EXPECT_EQ(GetFocus(), window);
  SendMessageA(window, WM_CHAR, 'z', 0);   // while a cell is edited, its editor has it
  ulmogrd_set_focus(grid);
  EXPECT_EQ(GetFocus(), FindWindowExA(window, nullptr, "Edit", nullptr));
}

}  // namespace
