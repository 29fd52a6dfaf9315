// ulmocli COMMAND ...: the postprocessor's engine for scripts and headless machines. The
// commands are one table, from which the dispatch and every usage text are made.
#include <cstdio>
#include <cstring>

#include "../data/plot_list.h"
#include "commands.h"

namespace {

// A command's forms, one a line after "ulmocli ", and what it does in a few words (the
// lines after the first are indented under it).
struct CliCommand {
  const char *name;
  int (*run)(int argc, char **argv);
  const char *forms[3];
  const char *summary;
};

const CliCommand kCommands[] = {
    {"info", run_info, {"info [--json] FILE.out"}, "the plots, variables and statistics of a result file"},
    {"eval", run_eval, {"eval FILE.out [--plot N] [--x EXPR] EXPR..."},
     "expressions over a plot, in the trace export format"},
    {"render", run_render,
     {"render FILE.out [--plot N] [--x EXPR] [--logx] [--logy] [--page] [--size WxH]\n"
      "               -o OUT.svg|OUT.png|OUT.pdf EXPR...",
      "render GRAPH.upg [--data FILE.out] [--size WxH] -o OUT.svg|OUT.png|OUT.pdf"},
     "the graph of expressions over a plot, or a saved graph file, as an SVG, PNG or\n"
     "PDF file"},
    {"fft", run_fft, {"fft FILE.out [--plot N] [--samples M] [--normalized] EXPR"},
     "the FFT plot of an expression, in the trace export format"},
    {"convert", run_convert, {"convert FILE OUT.out [--narrow]"},
     "a data file written as a result file, in the wide or the narrow layout"},
    {"psd", run_psd, {"psd FILE.dat [--fs F] [--avg L] [--hann] [--osr R] [--no-psd]"},
     "the spectra of a monitored data file, then a line \"SNDR value dB\" per column"},
    {"export", run_export, {"export FILE.out [--plot N] [--csv] VAR..."},
     "the raw data export of variables (variable 0 first), or the same as CSV"},
};

const CliCommand *find_command(const char *name) {
  for (const CliCommand &c : kCommands)
    if (strcmp(c.name, name) == 0) return &c;
  return nullptr;
}

// The forms of `c` after "usage: " (or its indent when `first` is false).
void print_forms(const CliCommand &c, bool first) {
  for (const char *form : c.forms) {
    if (!form) break;
    fprintf(stderr, "%sulmocli %s\n", first ? "usage: " : "       ", form);
    first = false;
  }
}

// Every form, then what each command does.
int print_usage() {
  bool first = true;
  for (const CliCommand &c : kCommands) {
    print_forms(c, first);
    first = false;
  }
  for (const CliCommand &c : kCommands) {
    fprintf(stderr, "  %-8s", c.name);
    for (const char *p = c.summary; *p; p++) {
      fputc(*p, stderr);
      if (*p == '\n') fprintf(stderr, "          ");
    }
    fputc('\n', stderr);
  }
  fprintf(stderr, "  (every FILE.out may also be an ngspice raw file)\n");
  return kCliUsage;
}

}  // namespace

int cli_usage(const char *name) {
  const CliCommand *c = find_command(name);
  if (!c) return print_usage();
  print_forms(*c, true);
  return kCliUsage;
}

int main(int argc, char **argv) {
  cli_remember_messages();
  reset_plot_list();
  const CliCommand *command = argc >= 2 ? find_command(argv[1]) : nullptr;
  int status = command ? command->run(argc - 2, argv + 2) : print_usage();
  clear_plot_list();
  return status;
}
