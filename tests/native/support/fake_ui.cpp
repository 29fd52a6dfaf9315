#include "fake_ui.h"

#include "shell/status.h"

namespace {

FakeUi *active = nullptr;
int stand_in_window;

int record_message(WindowHandle owner, const char *text, const char *caption, unsigned flags) {
  active->messages.push_back({owner, text, caption ? caption : "(default)", flags});
  return active->answer;
}

void record_redraw() {
  active->status_redraws++;
  active->statuses.push_back(status_bar().shown);
}

}  // namespace

FakeUi::FakeUi() {
  active = this;
  UiHooks &h = ui_hooks();
  h.message_box = record_message;
  h.status_changed = record_redraw;
  StatusBar &bar = status_bar();
  bar = StatusBar{};
  load_status_messages(bar);
  bar.window = &stand_in_window;
  bar.code = kStatusNoDataFile;
}

FakeUi::~FakeUi() {
  reset_ui_hooks();
  status_bar() = StatusBar{};
  active = nullptr;
}
