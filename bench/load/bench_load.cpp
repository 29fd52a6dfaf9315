// bench_load [DIR]: load_data_file on a 256 MB result file against the physical floor.
//
// The floor is reading the same file from the page cache into freshly allocated memory of the
// same size in 256 KiB blocks: fresh memory matters, because its page faults cost more than
// the copy itself. Each side runs five times, alternating; the median is reported. Peak memory
// of a load is the high-water mark of the resident set above what was resident before it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "big_result.h"
#include "data/load.h"
#include "data/plot_list.h"
#include "base/ui.h"

namespace {

std::string status_text;   // why a load failed

int remember_status(int, const char *text) {
  status_text = text;
  return 0;
}

const int32_t kPoints = 4 * 1024 * 1024;
const int32_t kVariables = 8;
const size_t kChunk = 256 * 1024;
const int kRounds = 5;

double now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

long status_kb(const char *field) {
  FILE *f = fopen("/proc/self/status", "r");
  char line[256];
  long kb = -1;
  size_t n = strlen(field);
  while (f && fgets(line, sizeof line, f))
    if (strncmp(line, field, n) == 0) kb = atol(line + n + 1);
  if (f) fclose(f);
  return kb;
}

void reset_peak() {
  FILE *f = fopen("/proc/self/clear_refs", "w");
  if (f) {
    fputs("5", f);
    fclose(f);
  }
}

long file_size(const std::string &path) {
  FILE *f = fopen(path.c_str(), "rb");
  fseek(f, 0, SEEK_END);
  long size = ftell(f);
  fclose(f);
  return size;
}

double floor_read(const std::string &path, long size) {
  double start = now();
  FILE *f = fopen(path.c_str(), "rb");
  std::vector<void *> blocks;
  blocks.reserve(static_cast<size_t>(size) / kChunk + 1);
  for (long done = 0; done < size; done += kChunk) {
    size_t part = std::min<long>(kChunk, size - done);
    void *block = malloc(part);
    if (fread(block, 1, part, f) != part) abort();
    blocks.push_back(block);
  }
  fclose(f);
  double elapsed = now() - start;
  for (void *b : blocks) free(b);
  return elapsed;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char **argv) {
  std::string dir = argc > 1 ? argv[1] : "/tmp";
  std::string path = dir + "/ulmo-bench-256mb.out";
  printf("writing %s\n", path.c_str());
  if (!write_big_result(path, kPoints, kVariables)) {
    fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  long size = file_size(path);
  printf("file size: %ld bytes (%.1f MiB)\n", size, size / 1048576.0);
  ui_hooks().show_status = remember_status;
  floor_read(path, size);   // warms the page cache
  std::vector<double> floors, loads;
  long peak_kb = 0;
  for (int round = 0; round < kRounds; round++) {
    floors.push_back(floor_read(path, size));
    long before = status_kb("VmRSS:");
    reset_peak();
    double start = now();
    if (!load_data_file(path.c_str())) {
      fprintf(stderr, "load failed: %s\n", status_text.c_str());
      return 1;
    }
    loads.push_back(now() - start);
    peak_kb = std::max(peak_kb, status_kb("VmHWM:") - before);
    clear_plot_list();
  }
  double f = median(floors), l = median(loads);
  printf("floor (fresh memory, 256 KiB reads): median %.3f s over %d runs\n", f, kRounds);
  printf("load_data_file:                      median %.3f s over %d runs\n", l, kRounds);
  printf("load / floor: %.3f (goal <= 1.3)\n", l / f);
  printf("peak memory of a load: %ld KiB = %.2f%% of the file (goal <= 105%%)\n", peak_kb,
         100.0 * peak_kb * 1024.0 / size);
  if (!getenv("ULMO_BENCH_KEEP")) remove(path.c_str());
  return 0;
}
