// The simulator's link: clipboard text plus WM_APP+5, +6 or +7 sent to the frame.
//
// The simulator waits for the message to be handled before it touches the clipboard
// again, so the text is taken, the clipboard emptied, and everything done synchronously.
#include <windows.h>

#include "../../traces/win32/plot_windows.h"
#include "../settings.h"
#include "../link_request.h"
#include "../settings.h"
#include "app.h"

static_assert(kAppMessageBase == WM_APP, "the simulator's messages count from WM_APP");

namespace {

// The clipboard text, at most kLinkTextLimit characters; false when the clipboard is busy
// or holds no text. The clipboard is emptied in every case it could be opened.
bool take_clipboard_text(std::string &text) {
  if (!OpenClipboard(app().frame)) return false;
  bool found = false;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char *p = static_cast<const char *>(GlobalLock(data))) {
      size_t n = 0;
      while (n < kLinkTextLimit && p[n]) ++n;
      text.assign(p, n);
      found = true;
      GlobalUnlock(data);
    }
  }
  EmptyClipboard();
  CloseClipboard();
  return found;
}

}  // namespace

void handle_link_message(UINT message) {
  std::string text;
  if (!take_clipboard_text(text)) return;
  close_all_children();
  show_mdi_client();
  LinkRequest request = parse_link_text(message, text);
  if (!open_data_file_by_path(request.path)) return;
  if (request.indices.empty()) return;
  app().link_request = request;
  GraphPreferences preferences = settings().graph;
  for (const LinkGroup &group : link_groups(request))
    direct_plot_window(app().mdi_client, request.indices, group.start, group.count, request.function,
                       request.log_x, request.log_y, preferences);
}
