// worker_probe.exe: drives the extraction worker over the embedded sample payload the way
// the install dialog does (shared state set, the worker on its own thread, the done flag
// polled), without the dialog, so the worker can be tested on its own:
//
//   worker_probe.exe INSTALL_DIRECTORY [/update]
//
// Exit code 0 once the done flag is set, 1 when it is not set within ten minutes; the
// worker's fatal errors end the process with exit code 0 as well, after their message box.
#include <windows.h>

#include <cstring>
#include <string>

#include "files/files.h"
#include "payload/extract.h"
#include "payload/win32/worker_thread.h"
#include "wait.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || (argc == 3 && _stricmp(argv[2], "/update") != 0)) return 2;
  install_state.install_directory = argv[1];
  install_state.update_mode = argc == 3 ? 1 : 0;
  int counter = 0;
  make_directory_path(install_state.install_directory, counter);
  if (!exists_as_directory(install_state.install_directory)) return 1;
  install_state.done.store(0);
  if (!start_extraction_worker()) return 1;
  const int kInstallMs = 600000;
  return wait_until([] { return install_state.done.load(std::memory_order_acquire) != 0; }, kInstallMs) ? 0 : 1;
}
