// The window words of the MDI children, which the shell and the windows' owners share.
#pragma once

#include <windows.h>

#include "../child_window.h"

// Window words are pointer-sized, so that those holding pointers (the frame's settings
// record, a child's content) are whole in the 64-bit build too; in the 32-bit build they are
// the platform's 4-byte words. Read and write them with Get/SetWindowLongPtrA.
constexpr int window_word(int index) { return index * static_cast<int>(sizeof(LONG_PTR)); }

const int kChildKindWord = window_word(0);      // ChildKind
const int kChildContentWord = window_word(1);   // the graph, or the table's grid; null until made
const int kChildPlotWord = window_word(2);      // the plot index shown, -1 for none
const int kTableSpareWord = window_word(3);     // table windows only; always 0

// A visible MDI child of `class_name` at the default place and size, clipping its children;
// `parameter` reaches its creation through the MDI creation record. None when refused.
inline HWND create_mdi_child(HWND mdi_client, const char *class_name, const char *title, LPARAM parameter) {
  MDICREATESTRUCTA mdi{};
  mdi.szClass = class_name;
  mdi.szTitle = title;
  mdi.hOwner = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mdi_client, GWLP_HINSTANCE));
  mdi.x = mdi.y = mdi.cx = mdi.cy = CW_USEDEFAULT;
  mdi.style = WS_CLIPCHILDREN;
  mdi.lParam = parameter;
  return reinterpret_cast<HWND>(SendMessageA(mdi_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mdi)));
}
