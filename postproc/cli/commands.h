// The ulmocli commands; each returns the process exit status.
#pragma once

#include <string>
#include <vector>

// Exit statuses shared by the commands.
enum CliStatus {
  kCliOk = 0,
  kCliUsage = 1,
  kCliLoadFailed = 2,
  kCliBadExpression = 2,      // eval: a name that is no variable, or no expression
  kCliEvaluationFailed = 3,   // eval: the run failed (its message is on stderr)
  kCliExpressionFailed = 3,   // render: an expression that does not parse or evaluate
  kCliWriteFailed = 4,        // render, convert: the output could not be written
  kCliNoSpectrum = 5,         // fft, psd: the data give no spectrum (the reason on stderr)
};

int run_info(int argc, char **argv);
int run_eval(int argc, char **argv);
int run_render(int argc, char **argv);
int run_fft(int argc, char **argv);
int run_convert(int argc, char **argv);
int run_psd(int argc, char **argv);
int run_export(int argc, char **argv);

// Prints the usage of command `name` (every command's when it is none) on stderr and
// returns kCliUsage.
int cli_usage(const char *name);

// Until cli_print_messages, messages and the status bar's text are kept for cli_load.
void cli_remember_messages();

// Loads a data file as the program would; on failure prints what the user would have been
// told (the message box, or else the status bar) on stderr and returns false.
bool cli_load(const char *path);

// From now on every message the program would show is printed on stderr; a question is
// answered No, and said so.
void cli_print_messages();
// Whether a file opens for reading, also when a path saved on Windows names it with
// backslashes; and that path as this system names it.
bool cli_file_readable(const std::string &path);
std::string cli_local_path(const std::string &path);

// What eval and render start with: the file loaded, plot `plot` made current (unless -1), and
// from then on every message the program would show printed on stderr. Returns kCliOk, or
// the status to end with (the reason already printed).
int cli_open_plot(const char *path, int plot);

// The --plot argument: a plot index from 0.
bool read_plot_argument(const char *text, int &plot);

// cli_open_plot, then the abscissa of the plot (variable 0) with the evaluation warnings cleared.
int cli_open_abscissa(const char *path, int plot, std::vector<double> &abscissa);

// An expression evaluated over the current plot at `abscissa`, with its text form.
struct Series {
  std::string text;
  std::vector<double> values;
};
// Why an expression did not parse (a ParseResult), told on stderr as eval tells it.
void cli_tell_parse_failure(const char *text, int why);
// Parses and evaluates one expression; kCliOk, or the status to end with (reason printed).
int evaluate_text(const char *text, const std::vector<double> &abscissa, Series &out);
