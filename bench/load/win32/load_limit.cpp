// load_limit ULMOGPP FILE...: opens each result file in ulmogpp.exe as a user would (the
// path on the command line) and prints what the status bar ends on, with the time it took
// and the program's peak memory. Run once per Windows build to find the largest file each
// loads (scripts/dev bench limit writes the files).
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "driver.h"

namespace {

const DWORD kFrameWaitMs = 60000;
const DWORD kLoadWaitMs = 30 * 60 * 1000;
const DWORD kPollMs = 250;

long long file_bytes(const std::string &path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// How a load ended: the status bar's last text, a message box's text, or the exit.
std::string wait_for_outcome(Program &program, HWND status) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < kLoadWaitMs) {
    DWORD code = 0;
    if (GetExitCodeProcess(program.process.hProcess, &code) && code != STILL_ACTIVE)
      return "program ended with exit code " + std::to_string(code);
    if (HWND box = wait_for_message_box(program, 0))
      return "message box: " + message_box_text(box);
    std::string text = window_text(status);
    if (text.rfind("Reading", 0) != 0 && text != "Data File: None") return text;
    Sleep(kPollMs);
  }
  return "no outcome within " + std::to_string(kLoadWaitMs / 60000) + " minutes";
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: load_limit ULMOGPP FILE...\n");
    return 2;
  }
  printf("%d-bit ulmogpp.exe\n", static_cast<int>(sizeof(void *) * 8));
  for (int i = 2; i < argc; i++) {
    std::string file = argv[i];
    Program program{};
    // From before the start: the program loads its command line's file before it goes idle.
    DWORD start = GetTickCount();
    if (!start_program(argv[1], "\"" + file + "\"", program)) {
      printf("%s: cannot start %s\n", file.c_str(), argv[1]);
      return 1;
    }
    HWND frame = wait_for_window(program, "AppFrame", "Ulmo-Postprocessor", kFrameWaitMs);
    HWND status = frame ? find_child(frame, "Status") : nullptr;
    std::string outcome = status ? wait_for_outcome(program, status) : "no frame window";
    double seconds = (GetTickCount() - start) / 1000.0;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    bool counted = GetProcessMemoryInfo(program.process.hProcess, &memory, sizeof memory);
    printf("%s: %.0f MiB file: \"%s\" after %.1f s", file.c_str(), file_bytes(file) / 1048576.0,
           outcome.c_str(), seconds);
    if (counted)
      printf(", peak private bytes %.0f MiB", memory.PeakPagefileUsage / 1048576.0);
    printf("\n");
    fflush(stdout);
    end_program(program);
  }
  return 0;
}
