#include "fake_ui.h"

#include "base/status.h"

namespace {

FakeUi *active = nullptr;

int record_message(WindowHandle owner, const char *text, const char *caption, unsigned flags) {
  active->messages.push_back({owner, text, caption ? caption : "(default)", flags});
  return active->answer;
}

int record_status(int code, const char *text) {
  int previous = active->status_code;
  active->status_code = code;
  active->statuses.push_back(text);
  return previous;
}

}  // namespace

FakeUi::FakeUi() : status_code(kStatusNoDataFile) {
  active = this;
  UiHooks &h = ui_hooks();
  h.message_box = record_message;
  h.show_status = record_status;
}

FakeUi::~FakeUi() {
  reset_ui_hooks();
  active = nullptr;
}
