// Status bar record and geometry.
//
// The text rectangle runs from x 11 to width - 11 and from y 4 to 16 inside the 19-pixel
// bar; the bar sits on the frame's client bottom edge. set_status never touches a window
// itself: it updates the record and asks the platform to redraw the text at once.
#include "status.h"

#include "../base/text.h"
#include "../resources/resource_ids.h"

namespace {
bool headless = false;
}

StatusBar &status_bar() {
  static StatusBar bar{};
  return bar;
}

void load_status_messages(StatusBar &bar) {
  for (int code = 0; code < kStatusMessageCount; code++)
    bar.messages[code] = load_text(IDS_STATUS_FIRST + code);
}

void place_status_bar(StatusBar &bar, int client_width, int client_height) {
  bar.top = client_height - kStatusBarHeight;
  bar.width = client_width;
  bar.height = kStatusBarHeight;
  bar.text_rect = StatusRect{kStatusTextInset, 4, client_width - kStatusTextInset, 16};
}

void open_headless_status_bar() {
  load_status_messages(status_bar());
  headless = true;
}

int set_status(int code, const char *text) {
  StatusBar &bar = status_bar();
  if ((!bar.window && !headless) || code < 0 || code >= kStatusMessageCount) return -1;
  int previous = bar.code;
  bar.code = code;
  bar.shown = bar.messages[code];
  if (text) bar.shown += text;
  if (bar.shown.size() > kStatusTextLimit) bar.shown.resize(kStatusTextLimit);
  ui_hooks().status_changed();
  return previous;
}
