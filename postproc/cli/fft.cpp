// ulmocli fft FILE.out [--plot N] [--samples M] [--normalized] EXPR: the spectrum that "Add FFT
// Plot" (or, with --normalized, "Add Normalized FFT Plot") would plot for the trace of EXPR
// over one plot, printed in the trace export format under the window's title "FFT(EXPR)".
// --samples takes the value as the dialog's samples field does (its absolute value, raised to
// a power of two unless it equals the trace's points); the default is the dialog's proposal.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "../base/messages.h"
#include "../base/text.h"
#include "../data/export.h"
#include "../expr/evaluate.h"
#include "../resources/resource_ids.h"
#include "../spectrum/fft_plot.h"
#include "../spectrum/sample_count.h"
#include "commands.h"

namespace {

struct FftArguments {
  const char *path = nullptr;
  int plot = -1;
  const char *samples = nullptr;
  bool normalized = false;
  const char *expression = nullptr;
};

bool read_arguments(int argc, char **argv, FftArguments &a) {
  for (int i = 0; i < argc; i++) {
    if (strcmp(argv[i], "--plot") == 0 && i + 1 < argc) {
      if (!read_plot_argument(argv[++i], a.plot)) return false;
    } else if (strcmp(argv[i], "--samples") == 0 && i + 1 < argc) {
      a.samples = argv[++i];
      int64_t v;
      if (!read_samples_text(a.samples, v)) return false;
    } else if (strcmp(argv[i], "--normalized") == 0) {
      a.normalized = true;
    } else if (!a.path) {
      a.path = argv[i];
    } else if (!a.expression) {
      a.expression = argv[i];
    } else {
      return false;
    }
  }
  return a.path && a.expression;
}

}  // namespace

int run_fft(int argc, char **argv) {
  FftArguments a;
  if (!read_arguments(argc, argv, a)) {
    return cli_usage("fft");
  }
  std::vector<double> abscissa;
  if (int status = cli_open_abscissa(a.path, a.plot, abscissa)) return status;
  Series y;
  if (int status = evaluate_text(a.expression, abscissa, y)) return status;

  FftTraceChoice choice;
  choice.name = y.text;
  choice.points = static_cast<int32_t>(abscissa.size());
  choice.samples = next_power_of_two(choice.points);
  if (a.samples) choice.samples = validate_samples(a.samples, choice.points, choice.samples);
  choice.x_values = abscissa.data();
  choice.y_values = y.values.data();
  Spectrum spectrum;
  FftPlotStatus status = a.normalized ? normalized_fft_spectrum(choice, spectrum)
                                      : plain_fft_spectrum(choice, spectrum);
  if (status != kFftOk) {
    show_message(nullptr, 0, status == kFftNoSpan ? IDS_FFT_NO_SPAN : IDS_FFT_TOO_FEW_SAMPLES,
                 choice.name.c_str());
    return kCliNoSpectrum;
  }
  write_trace_export(stdout, ansi_to_utf8(fft_title(choice.name)).c_str(),
                     spectrum.frequency.get(), spectrum.magnitude.get(), spectrum.count);
  show_evaluation_warnings(nullptr);
  return fflush(stdout) == 0 && !ferror(stdout) ? kCliOk : kCliUsage;
}
