// fatal_probe fatal|oom CODE: ends the way the postprocessor ends when memory fails, so the
// UI driver can watch what the user sees.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "base/messages.h"
#include "shell/win32/ui_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
  install_win32_ui(nullptr);
  const char *code = strchr(command_line, ' ');
  int number = code ? atoi(code + 1) : 0;
  if (strncmp(command_line, "fatal", 5) == 0) fatal_memory_error(number);
  out_of_memory(number);
}
