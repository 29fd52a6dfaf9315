// The user-interface table and its defaults for a program without windows.
#include "ui.h"

#include <cstdio>
#include <cstdlib>

namespace {

int no_message_box(WindowHandle, const char *, const char *, unsigned) { return kIdOk; }

[[noreturn]] void exit_with_text(const char *text) {
  fprintf(stderr, "%s\n", text);
  exit(3);
}

int no_status_bar(int, const char *) { return -1; }
WindowHandle no_frame() { return nullptr; }
void no_plot_window(int, int) {}

UiHooks defaults() {
  return UiHooks{no_message_box, exit_with_text, no_status_bar, no_frame, no_plot_window};
}

UiHooks hooks = defaults();

}  // namespace

UiHooks &ui_hooks() { return hooks; }
void reset_ui_hooks() { hooks = defaults(); }
