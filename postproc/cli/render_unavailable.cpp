// The Windows console build draws no files: its graphs are drawn by GDI in the program.
#include <cstdio>

#include "commands.h"

int run_render(int, char **) {
  fprintf(stderr, "ulmocli: render is not available in this build\n");
  return kCliUsage;
}
