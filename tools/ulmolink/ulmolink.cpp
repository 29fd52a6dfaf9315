// ulmolink [-5|-6|-7] TEXT
//
// Hands TEXT to a running postprocessor as the simulator does: the text goes on the clipboard
// and WM_APP+5 (default), +6 or +7 is sent to the window of class "AppFrame". SendMessage
// returns only when the frame has handled the message, so the clipboard is ours again when
// this program ends. Exit codes: 0 sent, 1 no frame window or clipboard unavailable, 2 usage.
//
// The frame reads at most 1023 characters; a longer text is refused here rather than have the
// frame silently drop its tail (and with it variable indices).
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const size_t kTextLimit = 1023;

int usage(const char *why) {
  fprintf(stderr, "ulmolink: %s\nusage: ulmolink [-5|-6|-7] TEXT\n", why);
  return 2;
}

// The clipboard may be held by another program for a moment; try for about a second.
bool open_clipboard() {
  for (int attempt = 0; attempt < 20; attempt++) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(50);
  }
  return false;
}

bool put_text_on_clipboard(const char *text) {
  size_t size = strlen(text) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return false;
  void *bytes = GlobalLock(memory);
  if (!bytes) {
    GlobalFree(memory);
    return false;
  }
  memcpy(bytes, text, size);
  GlobalUnlock(memory);
  if (!open_clipboard()) {
    GlobalFree(memory);
    return false;
  }
  bool ok = EmptyClipboard() && SetClipboardData(CF_TEXT, memory) != nullptr;
  if (!ok) GlobalFree(memory);   // the clipboard owns it only when SetClipboardData succeeded
  CloseClipboard();
  return ok;
}

}  // namespace

int main(int argc, char **argv) {
  UINT message = WM_APP + 5;
  int next = 1;
  if (argc > 1 && argv[1][0] == '-') {
    if (strcmp(argv[1], "-5") == 0) message = WM_APP + 5;
    else if (strcmp(argv[1], "-6") == 0) message = WM_APP + 6;
    else if (strcmp(argv[1], "-7") == 0) message = WM_APP + 7;
    else return usage("unknown option");
    next = 2;
  }
  if (argc - next != 1) return usage("expected one TEXT argument");
  const char *text = argv[next];
  if (text[0] == '\0') return usage("TEXT is empty");
  if (strlen(text) > kTextLimit) return usage("TEXT is longer than 1023 characters");

  // Look for the frame first, so that a missing postprocessor leaves the clipboard alone.
  HWND frame = FindWindowA("AppFrame", nullptr);
  if (!frame) {
    fprintf(stderr, "ulmolink: no window of class \"AppFrame\" (is the postprocessor running?)\n");
    return 1;
  }
  if (!put_text_on_clipboard(text)) {
    fprintf(stderr, "ulmolink: cannot put the text on the clipboard\n");
    return 1;
  }
  SendMessageA(frame, message, 0, 0);
  return 0;
}
