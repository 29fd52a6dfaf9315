// What the ulmocli commands share: loading a file as the program would, telling on stderr
// what a window would have shown, opening a plot and evaluating expressions over it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../base/status.h"
#include "../base/text.h"
#include "../base/ui.h"
#include "../data/load.h"
#include "../data/plot_model.h"
#include "../expr/evaluate.h"
#include "../expr/expression.h"
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

void cli_remember_messages() {
  ui_hooks().message_box = remember_message;
  ui_hooks().show_status = remember_status;
}

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

bool read_plot_argument(const char *text, int &plot) {
  char *end;
  long n = strtol(text, &end, 10);
  if (*end || end == text || n < 0 || n > 1000000) return false;
  plot = static_cast<int>(n);
  return true;
}

int cli_open_abscissa(const char *path, int plot, std::vector<double> &abscissa) {
  if (int status = cli_open_plot(path, plot)) return status;
  clear_evaluation_warnings();
  abscissa.assign(static_cast<size_t>(point_count()), 0.0);
  build_abscissa(abscissa.data());
  return kCliOk;
}

void cli_tell_parse_failure(const char *text, int why) {
  if (why == kParseUnknownVariable)
    fprintf(stderr, "ulmocli: %s: a quoted name is not a variable of plot %d\n", text,
            current_plot_index());
  else
    fprintf(stderr, "ulmocli: %s: %s\n", text, why == kParseNoMemory ? "out of memory" : "not an expression");
}

int evaluate_text(const char *text, const std::vector<double> &abscissa, Series &out) {
  int why = kParseOk;
  Expression *e = parse_expression(text, &why);
  if (!e) {
    cli_tell_parse_failure(text, why);
    return kCliBadExpression;
  }
  out.text = expression_text(e);
  out.values.assign(abscissa.size(), 0.0);
  bool ok = evaluate_over_current_plot(e, abscissa.data(), out.values.data());
  free_expression(e);
  if (!ok) {
    fprintf(stderr, "ulmocli: %s cannot be evaluated over plot %d\n", text, current_plot_index());
    return kCliEvaluationFailed;
  }
  return kCliOk;
}
