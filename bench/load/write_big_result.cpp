// write_big_result PATH MIB: a wide-layout result file of about MIB MiB (8 variables), for
// finding the largest file a build of ulmogpp.exe loads (win32/load_limit.cpp).
#include <cstdio>
#include <cstdlib>

#include "big_result.h"

int main(int argc, char **argv) {
  if (argc != 3 || atoll(argv[2]) <= 0) {
    fprintf(stderr, "usage: write_big_result PATH MIB\n");
    return 2;
  }
  const int kVariables = 8;
  int64_t points = points_for_mib(atoll(argv[2]), kVariables);
  if (!write_big_result(argv[1], points, kVariables)) {
    fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  printf("%s: %lld points x %d variables\n", argv[1], static_cast<long long>(points), kVariables);
  return 0;
}
