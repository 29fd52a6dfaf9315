// ulmocli COMMAND ...: the postprocessor's engine for scripts and headless machines.
#include <cstdio>
#include <cstring>
#include <string>

#include "../base/status.h"
#include "../base/text.h"
#include "../base/ui.h"
#include "../data/load.h"
#include "../data/plot_list.h"
#include "../data/plot_model.h"
#include "commands.h"

namespace {

// What a window would have shown: the last message box and the status bar's text.
std::string last_message;
std::string status_text;
int status_code = kStatusNoDataFile;

int remember_message(WindowHandle, const char *text, const char *, unsigned) {
  last_message = text;
  return kIdOk;
}

int remember_status(int code, const char *text) {
  int previous = status_code;
  status_code = code;
  status_text = text;
  return previous;
}

void usage() {
  fprintf(stderr,
          "usage: ulmocli info [--json] FILE.out\n"
          "       ulmocli eval FILE.out [--plot N] [--x EXPR] EXPR...\n"
          "       ulmocli render FILE.out [--plot N] [--x EXPR] [--logx] [--logy] [--page]\n"
          "                      [--size WxH] -o OUT.svg|OUT.png|OUT.pdf EXPR...\n"
          "       ulmocli render GRAPH.upg [--data FILE.out] [--size WxH] -o OUT.svg|OUT.png|OUT.pdf\n"
          "       ulmocli fft FILE.out [--plot N] [--samples M] [--normalized] EXPR\n"
          "       ulmocli convert FILE OUT.out [--narrow]\n"
          "       ulmocli psd FILE.dat [--fs F] [--avg L] [--hann] [--osr R] [--no-psd]\n"
          "       ulmocli export FILE.out [--plot N] [--csv] VAR...\n"
          "  info   the plots, variables and statistics of a result file\n"
          "  eval   expressions over a plot, in the trace export format\n"
          "  convert a data file written as a result file, in the wide or the narrow layout\n"
          "  (every FILE.out may also be an ngspice raw file)\n"
          "  render the graph of expressions over a plot, or a saved graph file, as an SVG, PNG or\n"
          "         PDF file\n"
          "  fft    the FFT plot of an expression, in the trace export format\n"
          "  psd    the spectra of a monitored data file, then a line \"SNDR value dB\" per column\n"
          "  export the raw data export of variables (variable 0 first), or the same as CSV\n");
}

int print_message(WindowHandle, const char *text, const char *, unsigned flags) {
  fprintf(stderr, "%s\n", ansi_to_utf8(text).c_str());
  if ((flags & 0xF) != kMbYesNo) return kIdOk;
  fprintf(stderr, "ulmocli: answered No\n");
  return kIdNo;
}

bool readable(const std::string &path) {
  FILE *f = fopen(path.c_str(), "rb");
  if (f) fclose(f);
  return f != nullptr;
}

}  // namespace

void cli_print_messages() { ui_hooks().message_box = print_message; }

std::string cli_local_path(const std::string &path) {
  if (readable(path) || path.find('\\') == std::string::npos) return path;
  std::string local = path;
  for (char &c : local)
    if (c == '\\') c = '/';
  return local;
}

bool cli_file_readable(const std::string &path) { return readable(cli_local_path(path)); }

bool cli_load(const char *path) {
  last_message.clear();
  // The load's own message is kept, to be told with the status bar's text when none came.
  auto shown = ui_hooks().message_box;
  ui_hooks().message_box = remember_message;
  bool loaded = load_data_file(path);
  ui_hooks().message_box = shown;
  if (loaded) return true;
  const std::string &told = last_message.empty() ? status_text : last_message;
  fprintf(stderr, "%s\n", ansi_to_utf8(told).c_str());
  return false;
}

int cli_open_plot(const char *path, int plot) {
  if (!cli_load(path)) return kCliLoadFailed;
  if (plot >= 0 && !select_plot(plot, false)) {
    fprintf(stderr, "ulmocli: %s has no plot %d\n", path, plot);
    return kCliUsage;
  }
  cli_print_messages();
  return kCliOk;
}

int main(int argc, char **argv) {
  ui_hooks().message_box = remember_message;
  ui_hooks().show_status = remember_status;
  reset_plot_list();
  if (argc < 2) {
    usage();
    return kCliUsage;
  }
  int status = kCliUsage;
  if (strcmp(argv[1], "info") == 0)
    status = run_info(argc - 2, argv + 2);
  else if (strcmp(argv[1], "eval") == 0)
    status = run_eval(argc - 2, argv + 2);
  else if (strcmp(argv[1], "render") == 0)
    status = run_render(argc - 2, argv + 2);
  else if (strcmp(argv[1], "fft") == 0)
    status = run_fft(argc - 2, argv + 2);
  else if (strcmp(argv[1], "convert") == 0)
    status = run_convert(argc - 2, argv + 2);
  else if (strcmp(argv[1], "psd") == 0)
    status = run_psd(argc - 2, argv + 2);
  else if (strcmp(argv[1], "export") == 0)
    status = run_export(argc - 2, argv + 2);
  else
    usage();
  clear_plot_list();
  return status;
}
