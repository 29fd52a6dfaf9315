// The clipboard as plain text (CF_TEXT), the one format every spreadsheet reads and writes.
#include <cstring>

#include "grid_window.h"

bool put_clipboard_text(HWND owner, const std::string &text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  char *bytes = static_cast<char *>(GlobalLock(memory));
  if (!bytes) {
    GlobalFree(memory);
    return false;
  }
  memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);
  return placed;
}

bool get_clipboard_text(HWND owner, std::string &text) {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner)) return false;
  bool got = false;
  if (HANDLE memory = GetClipboardData(CF_TEXT)) {
    if (const char *bytes = static_cast<const char *>(GlobalLock(memory))) {
      // The block may be larger than its text; the text ends at its NUL or the block's end.
      size_t size = GlobalSize(memory);
      text.assign(bytes, strnlen(bytes, size));
      GlobalUnlock(memory);
      got = true;
    }
  }
  CloseClipboard();
  return got;
}

bool clipboard_has_text() { return IsClipboardFormatAvailable(CF_TEXT) != 0; }
