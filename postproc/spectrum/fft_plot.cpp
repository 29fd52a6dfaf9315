// Both plots start from the same resampling; they differ in the transform, the window and the
// scaling. A point stands at the frequency of its bin, j/(n dt), with dt = T/(M-1) the spacing
// of the M resampled values over the trace's x span T and n the values transformed: placing
// bin j at j/T instead (or bin k at (k+1)/T) would show a tone off its frequency, by one bin
// in the normalised plot and by the factor M/M' in a plain plot cut to M' samples.
#include "fft_plot.h"

#include <cmath>
#include <new>

#include "../base/messages.h"
#include "../graph/axis.h"
#include "../graph/scaling.h"
#include "resample.h"
#include "sample_count.h"
#include "transform.h"

namespace {

double *new_array(size_t count) {
  double *values = new (std::nothrow) double[count > 0 ? count : 1];
  if (!values) out_of_memory(kFftMemoryCode);
  return values;
}

bool span_of(const FftTraceChoice &choice, double &span) {
  if (choice.points < 1 || choice.samples < 1) return false;
  span = choice.x_values[choice.points - 1] - choice.x_values[0];
  return span > 0 && std::isfinite(span);
}

// The spacing of the resampled values; one sample stands for the whole span.
double sample_spacing(const FftTraceChoice &choice, double span) {
  return choice.samples > 1 ? span / (choice.samples - 1) : span;
}

std::unique_ptr<double[]> resampled(const FftTraceChoice &choice, size_t room) {
  std::unique_ptr<double[]> s(new_array(room));
  resample_uniform(choice.x_values, choice.y_values, choice.points, choice.samples, s.get());
  return s;
}

}  // namespace

std::vector<FftTraceChoice> fft_trace_choices(const Graph *graph) {
  std::vector<FftTraceChoice> choices;
  for (const Trace *t = graph->head ? graph->head->next : nullptr; t; t = t->next) {
    FftTraceChoice c;
    c.name = t->legend.text.substr(0, 127);
    c.y_unit = title_unit(graph, 1).substr(0, 127);
    c.points = t->point_count;
    c.samples = next_power_of_two(t->point_count);
    c.x_values = t->x_values;
    c.y_values = t->y_values;
    choices.push_back(c);
  }
  return choices;
}

FftPlotStatus plain_fft_spectrum(const FftTraceChoice &choice, Spectrum &out) {
  double span;
  if (!span_of(choice, span)) return kFftNoSpan;
  int32_t used = floor_power_of_two(choice.samples);
  if (used < 4) return kFftTooFewSamples;
  std::unique_ptr<double[]> s = resampled(choice, static_cast<size_t>(choice.samples));
  std::unique_ptr<double[]> data(new_array(2 * static_cast<size_t>(used)));
  const double two_pi = 8.0 * atan(1.0);
  for (int32_t k = 0; k < used; k++) {
    double t = two_pi * k / used;
    data[2 * k] = s[k] * (0.762 - cos(t) + 0.238 * cos(2 * t)) / 1.05307;
    data[2 * k + 1] = 0.0;
  }
  s.reset();
  radix2_fft(data.get(), used, 1, +1);
  int32_t count = used / 2 - 1;
  out.frequency.reset(new_array(static_cast<size_t>(count)));
  out.magnitude.reset(new_array(static_cast<size_t>(count)));
  out.count = count;
  double resolution = 1.0 / (used * sample_spacing(choice, span));
  for (int32_t k = 0; k < count; k++) {
    double re = data[2 * (k + 1)], im = data[2 * (k + 1) + 1];
    out.magnitude[k] = sqrt(re * re + im * im);
    out.frequency[k] = (k + 1) * resolution;
  }
  return kFftOk;
}

FftPlotStatus normalized_fft_spectrum(const FftTraceChoice &choice, Spectrum &out) {
  double span;
  if (!span_of(choice, span)) return kFftNoSpan;
  int32_t m = choice.samples;
  std::unique_ptr<double[]> s = resampled(choice, static_cast<size_t>(m));
  // Without FFTW's buffer the samples stay untransformed and the plot shows them instead.
  fft_magnitude(s.get(), m, false);
  int32_t count = m / 2 + 1;
  out.frequency.reset(new_array(static_cast<size_t>(count)));
  out.magnitude.reset(new_array(static_cast<size_t>(count)));
  out.count = count;
  double resolution = 1.0 / (m * sample_spacing(choice, span));
  for (int32_t k = 0; k < count; k++) {
    out.magnitude[k] = 2.0 * s[k] / m;
    out.frequency[k] = k * resolution;
  }
  return kFftOk;
}

std::string fft_title(const std::string &trace_name) { return "FFT(" + trace_name + ")"; }

Graph *create_fft_graph(WindowHandle owner, const FftTraceChoice &choice, Spectrum &spectrum,
                        const GraphPreferences &preferences) {
  Graph *graph = create_graph(owner, "FREQ", "Hz", choice.y_unit, 1, 1, preferences);
  if (!graph) return nullptr;
  int32_t n = spectrum.count;
  double lo = spectrum.magnitude[0], hi = lo;
  for (int32_t k = 1; k < n; k++) {
    lo = std::fmin(lo, spectrum.magnitude[k]);
    hi = std::fmax(hi, spectrum.magnitude[k]);
  }
  double first = spectrum.frequency[0], last = spectrum.frequency[n - 1];
  Trace *trace = add_trace(graph, 0, 0, 0, 0, fft_title(choice.name), n, 0, spectrum.frequency.get(),
                           spectrum.magnitude.get(), preferences);
  if (!trace) {
    destroy_graph(graph);
    return nullptr;
  }
  trace->spectrum = true;
  spectrum.frequency.release();
  spectrum.magnitude.release();
  spectrum.count = 0;
  set_data_range(graph, 0, first, last);
  set_data_range(graph, 1, lo, hi);
  return graph;
}
