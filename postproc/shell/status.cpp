// Status bar record and geometry.
//
// The text rectangle runs from x 11 to width - 11 and from y 4 to 16 inside the 19-pixel
// bar; the bar sits on the frame's client bottom edge. A font whose cell is higher than 12
// pixels ("Helv" at 13 units is 13 on most screens) would lose its bottom row there, which
// holds the descenders and the underscores, so the rectangle and the bar grow to the cell.
#include "status.h"

#include <algorithm>

StatusBar &status_bar() {
  static StatusBar bar{};
  return bar;
}

void place_status_bar(StatusBar &bar, int client_width, int client_height) {
  const int grown = std::max(bar.text_height, kStatusTextHeight) - kStatusTextHeight;
  bar.height = kStatusBarHeight + grown;
  bar.top = client_height - bar.height;
  bar.width = client_width;
  bar.text_rect = StatusRect{kStatusTextInset, kStatusTextTop, client_width - kStatusTextInset,
                             kStatusTextTop + kStatusTextHeight + grown};
}

int keep_status(StatusBar &bar, int code, const char *shown) {
  if (!bar.window) return -1;
  int previous = bar.code;
  bar.code = code;
  bar.shown = shown;
  return previous;
}
