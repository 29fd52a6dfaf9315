// ulmocli export FILE.out [--plot N] [--csv] VAR...: the raw data export of the named
// variables (names as the plot lists them, case ignored) on standard output, as Export to File
// writes it, or as CSV. Every name is looked up before anything is written, so a wrong name
// leaves no partial output.
#include <cstdio>
#include <cstring>
#include <vector>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "../data/export.h"
#include "../data/plot_model.h"
#include "commands.h"

namespace {

struct ExportArguments {
  const char *path = nullptr;
  int plot = -1;
  bool csv = false;
  std::vector<const char *> names;
};

bool read_arguments(int argc, char **argv, ExportArguments &a) {
  for (int i = 0; i < argc; i++) {
    if (strcmp(argv[i], "--plot") == 0 && i + 1 < argc) {
      if (!read_plot_argument(argv[++i], a.plot)) return false;
    } else if (strcmp(argv[i], "--csv") == 0) {
      a.csv = true;
    } else if (!a.path) {
      a.path = argv[i];
    } else {
      a.names.push_back(argv[i]);
    }
  }
  return a.path && !a.names.empty();
}

}  // namespace

int run_export(int argc, char **argv) {
  ExportArguments a;
  if (!read_arguments(argc, argv, a)) {
    return cli_usage("export");
  }
  if (int status = cli_open_plot(a.path, a.plot)) return status;
  std::vector<int> selected;
  for (const char *name : a.names) {
    int index = find_variable(name);
    if (index < 0) {
      fprintf(stderr, "ulmocli: %s is not a variable of plot %d\n", name, current_plot_index());
      return kCliBadExpression;
    }
    selected.push_back(index);
  }
  bool written;
  if (a.csv) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);   // CSV lines end with CRLF as written
#endif
    written = write_raw_data_csv(stdout, selected);
  } else {
    written = write_raw_data_export(stdout, selected);
  }
  return written && fflush(stdout) == 0 ? kCliOk : kCliWriteFailed;
}
