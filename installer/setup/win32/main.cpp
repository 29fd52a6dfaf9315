// CorvexIV's entry point: the install dialog is the whole program. The installer takes no
// command-line options; when the dialog ends the process ends at once, and with it a worker
// that the user chose to abandon (no static destructor runs under a thread still writing).
#include <windows.h>

#include "setup/win32/install_dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  run_install_dialog(instance);
  ExitProcess(0);
}
