#include "clipboard.h"

#include <windows.h>

#include <cstring>

#include "wait.h"

namespace {

std::string format_name(UINT format) {
  switch (format) {
    case CF_TEXT: return "CF_TEXT";
    case CF_METAFILEPICT: return "CF_METAFILEPICT";
    case CF_ENHMETAFILE: return "CF_ENHMETAFILE";
    case CF_UNICODETEXT: return "CF_UNICODETEXT";
    case CF_OEMTEXT: return "CF_OEMTEXT";
    case CF_LOCALE: return "CF_LOCALE";
  }
  char name[128];
  if (GetClipboardFormatNameA(format, name, sizeof name) > 0) return name;
  return "format " + std::to_string(format);
}

// The formats the clipboard offers, for a wait that did not see the one it wanted.
std::string offered_formats() {
  if (!OpenClipboard(nullptr)) return "a clipboard that cannot be opened (another program holds it)";
  std::string text;
  for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f)) text += (text.empty() ? "" : ", ") + format_name(f);
  CloseClipboard();
  return text.empty() ? "an empty clipboard" : "a clipboard with " + text;
}

}  // namespace

bool wait_for_clipboard_format(unsigned format, int timeout_ms) {
  return wait_until([&] { return IsClipboardFormatAvailable(format) != 0; }, timeout_ms,
                    "the clipboard to offer " + format_name(format), offered_formats);
}

std::string clipboard_text() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char *bytes = static_cast<const char *>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool put_clipboard_text(const std::string &text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);
  return placed;
}

void empty_clipboard() {
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
}
