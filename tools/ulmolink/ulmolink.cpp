// ulmolink [-5|-6|-7] TEXT
// ulmolink --command ID
//
// Hands TEXT to a running postprocessor as the simulator does: the text goes on the clipboard
// and WM_APP+5 (default), +6 or +7 is sent to the window of class "AppFrame". SendMessage
// returns only when the frame has handled the message, so the clipboard is ours again when
// this program ends. Exit codes: 0 sent, 1 no frame window or clipboard unavailable, 2 usage.
//
// --command posts WM_COMMAND ID to the frame, for the commands that no menu item, key or button
// carries ("Monitor File On Disk and Plot", 10003). It is posted, not sent: the command may
// open a modal dialog, and this program should not wait for the user to close it.
//
// The frame reads at most 1023 characters; a longer text is refused here rather than have the
// frame silently drop its tail (and with it variable indices).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const size_t kTextLimit = 1023;

int usage(const char *why) {
  fprintf(stderr, "ulmolink: %s\nusage: ulmolink [-5|-6|-7] TEXT\n       ulmolink --command ID\n", why);
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

// Posts the command to the running frame.
int send_command(const char *text) {
  char *end;
  long id = strtol(text, &end, 10);
  if (*end || end == text || id < 1 || id > 0xffff) return usage("ID must be a command number");
  HWND frame = FindWindowA("AppFrame", nullptr);
  if (!frame) {
    fprintf(stderr, "ulmolink: no window of class \"AppFrame\" (is the postprocessor running?)\n");
    return 1;
  }
  return PostMessageA(frame, WM_COMMAND, static_cast<WPARAM>(id), 0) ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc > 1 && strcmp(argv[1], "--command") == 0) {
    if (argc != 3) return usage("--command takes one ID");
    return send_command(argv[2]);
  }
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
