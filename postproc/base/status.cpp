// set_status composes the text here, so that every status bar (the window, a headless
// program's record, a test's recording) shows the same characters.
#include "status.h"

#include <string>

#include "../resources/resource_ids.h"
#include "text.h"
#include "ui.h"

int set_status(int code, const char *text) {
  if (code < 0 || code >= kStatusMessageCount) return -1;
  std::string shown = load_text(IDS_STATUS_FIRST + code);
  if (text) shown += text;
  if (shown.size() > kStatusTextLimit) shown.resize(kStatusTextLimit);
  return ui_hooks().show_status(code, shown.c_str());
}
