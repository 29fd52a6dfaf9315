// The extraction worker's thread entry.
//
// The handle is closed at once: nobody joins the worker, the dialog watches the done flag.
#include "payload/win32/worker_thread.h"

#include <windows.h>

#include <process.h>

#include "payload/extract.h"

namespace {

unsigned __stdcall extraction_worker(void*) {
  run_extraction(payload_table, payload_entry_count, install_state);
  return 0;
}

}  // namespace

bool start_extraction_worker() {
  uintptr_t thread = _beginthreadex(nullptr, 0, extraction_worker, nullptr, 0, nullptr);
  if (thread == 0) return false;
  CloseHandle(reinterpret_cast<HANDLE>(thread));
  return true;
}
