// The two FFT plots of a trace: the spectrum each command computes, and the graph of its own
// window that shows it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "../graph/graph.h"

// One trace of the active graph as the "Add FFT Plot" dialog offers it.
struct FftTraceChoice {
  std::string name;          // up to 128 bytes; the window title is "FFT(name)"
  std::string y_unit;        // up to 128 bytes; the y unit of the spectrum's graph
  int32_t points;
  int32_t samples;           // equally spaced samples to transform
  const double *x_values;    // the trace's own arrays, read only
  const double *y_values;
};

// The choices for every trace of `graph`, in trace order, samples next_power_of_two(points).
std::vector<FftTraceChoice> fft_trace_choices(const Graph *graph);

// A spectrum in the arrays its trace will own (new[]).
struct Spectrum {
  std::unique_ptr<double[]> frequency;
  std::unique_ptr<double[]> magnitude;
  int32_t count = 0;
};

enum FftPlotStatus {
  kFftOk = 0,
  kFftNoSpan,          // the trace's x values span no positive, finite width: no frequencies
  kFftTooFewSamples,   // the plain plot needs 4 samples at least to show a point
};

// Frequencies are those of the bins: bin j at j/(n dt), n the values transformed and
// dt = T/(M-1) the spacing of the M resampled values over the trace's x span T.
//
// Plain FFT (Graph menu "Add FFT Plot"): samples cut to a power of two M', the three-term
// cosine window, radix2_fft, the magnitudes of bins 1 .. M'/2-1, unscaled.
FftPlotStatus plain_fft_spectrum(const FftTraceChoice &choice, Spectrum &out);
// Normalised FFT: any sample count, no window, 2|X_k|/M for bins k = 0 .. M/2 (DC at 0 Hz).
FftPlotStatus normalized_fft_spectrum(const FftTraceChoice &choice, Spectrum &out);

// "FFT(name)": the window title and the spectrum trace's legend.
std::string fft_title(const std::string &trace_name);

// The graph of a spectrum window: x title "FREQ" in Hz, the trace's y unit, linear axes, one
// solid spectrum trace "FFT(name)" that takes the spectrum's arrays (a logarithmic x axis
// leaves its 0 Hz point out), ranges from the first to the last frequency and from the
// smallest to the largest magnitude. None when memory runs out (the spectrum is then freed
// with it).
Graph *create_fft_graph(WindowHandle owner, const FftTraceChoice &choice, Spectrum &spectrum,
                        const GraphPreferences &preferences);

// Where spectrum buffers that cannot be allocated end the program.
const int kFftMemoryCode = 703;
