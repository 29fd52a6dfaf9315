// Status bar record and geometry.
//
// The text rectangle runs from x 11 to width - 11 and from y 4 to 16 inside the 19-pixel
// bar; the bar sits on the frame's client bottom edge.
#include "status.h"

StatusBar &status_bar() {
  static StatusBar bar{};
  return bar;
}

void place_status_bar(StatusBar &bar, int client_width, int client_height) {
  bar.top = client_height - kStatusBarHeight;
  bar.width = client_width;
  bar.height = kStatusBarHeight;
  bar.text_rect = StatusRect{kStatusTextInset, 4, client_width - kStatusTextInset, 16};
}

int keep_status(StatusBar &bar, int code, const char *shown) {
  if (!bar.window) return -1;
  int previous = bar.code;
  bar.code = code;
  bar.shown = shown;
  return previous;
}
