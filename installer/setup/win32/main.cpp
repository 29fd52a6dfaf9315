// CorvexIV's entry point, as far as the payload needs it: the install dialog is not built
// yet, so this drives the extraction worker the way the dialog will (shared state set, the
// worker on its own thread, the done flag polled every 200 ms) from a temporary command
// line that tests use:
//
//   CorvexIV.exe INSTALL_DIRECTORY [/update]
//
// Exit code 0 once the done flag is set; the worker's fatal errors end the process with
// exit code 0 as well, after their message box.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "payload/extract.h"
#include "payload/files.h"
#include "payload/win32/worker_thread.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 2 || __argc > 3 || (__argc == 3 && _stricmp(__argv[2], "/update") != 0)) {
    MessageBoxA(nullptr, "usage: CorvexIV.exe INSTALL_DIRECTORY [/update]", "Corvex IV Installation", MB_OK);
    return 2;
  }
  install_state.install_directory = __argv[1];
  install_state.update_mode = __argc == 3 ? 1 : 0;
  int counter = 0;
  make_directory_path(install_state.install_directory, counter);
  if (!exists_as_directory(install_state.install_directory)) {
    std::string text = "Could not create directory \"" + install_state.install_directory + "\"\nPlease choose another location";
    MessageBoxA(nullptr, text.c_str(), "Directory Not Found", MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST);
    return 1;
  }
  install_state.done.store(0);
  if (!start_extraction_worker()) return 1;
  while (install_state.done.load(std::memory_order_acquire) == 0) Sleep(200);
  return 0;
}
