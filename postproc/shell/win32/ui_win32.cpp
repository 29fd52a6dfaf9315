// The user-interface table of the Windows program.
#include <windows.h>

#include "../../base/ui.h"
#include "own_plot_windows.h"
#include "status_bar.h"
#include "ui_win32.h"

namespace {

HWND the_frame = nullptr;

int message_box(WindowHandle owner, const char *text, const char *caption, unsigned flags) {
  return MessageBoxA(static_cast<HWND>(owner), text, caption, flags);
}

[[noreturn]] void fatal_exit(const char *text) {
  FatalAppExitA(0, text);
  ExitProcess(1);
}

WindowHandle frame_window() { return the_frame; }

}  // namespace

void install_win32_ui(HWND frame) {
  the_frame = frame;
  UiHooks &hooks = ui_hooks();
  hooks.message_box = message_box;
  hooks.fatal_exit = fatal_exit;
  hooks.show_status = show_status_text;
  hooks.frame_window = frame_window;
  hooks.show_plot_window = show_plot_window;
}
