// bench_extract: the extraction worker on the full-size synthetic payload under Wine.
//
//   bench_extract.exe INSTALL_DIRECTORY [TEMP_DIRECTORY]   (folders never used before)
//
// TEMP_DIRECTORY becomes TMP, so that the temporary files of one run don't meet the
// deletions of the previous one in the prefix's shared temporary folder.
// Runs the worker exactly as CorvexIV does (overwrite mode, real file operations) and prints
// the wall time, the entry count and the payload size.
#include <windows.h>

#include <cstdio>

#include "files/files.h"
#include "payload/extract.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    fprintf(stderr, "usage: bench_extract.exe INSTALL_DIRECTORY [TEMP_DIRECTORY]\n");
    return 2;
  }
  if (argc == 3) {
    CreateDirectoryA(argv[2], nullptr);
    _putenv_s("TMP", argv[2]);
  }
  uint64_t installed = 0, payload = 0, packed = 0;
  for (uint32_t i = 0; i < payload_entry_count; ++i) {
    installed += payload_table[i].size;
    payload += payload_table[i].packed_size ? payload_table[i].packed_size : payload_table[i].size;
    packed += payload_table[i].packed_size != 0;
  }
  install_state.install_directory = argv[1];
  int counter = 0;
  make_directory_path(install_state.install_directory, counter);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  run_extraction(payload_table, payload_entry_count, install_state);
  QueryPerformanceCounter(&end);
  double seconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
  printf("worker: %u entries (%llu packed), installed %llu bytes, payload %llu bytes: %.3f s\n",
         payload_entry_count, (unsigned long long)packed, (unsigned long long)installed,
         (unsigned long long)payload, seconds);
  return install_state.done.load() == 1 ? 0 : 1;
}
