// bench_spectrum [ROUNDS]: the normalised FFT command's computation against FFTW's floor, and
// the averaged PSD.
//
// 1. A trace of 1 Mi unevenly spaced points is resampled to 2^20 samples and transformed as
//    "Add Normalized FFT Plot" does (resampling, fft_magnitude, scaling, frequencies). The
//    floor is FFTW's own plan (estimated) + execute + cleanup of 2^20 complex values, with the
//    buffer's allocation and filling. The goal is 1.5 times the floor.
// 2. psd_spectrum with averaging over 2^22 samples in sequences of 2^14 (256 transforms).
// Each side runs ROUNDS times (7 by default), in turn; medians are reported.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <fftw3.h>

#include "spectrum/fft_plot.h"
#include "spectrum/psd.h"

namespace {

double now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The values are copied in, as the command copies its samples.
double fftw_floor(const std::vector<double> &values) {
  int32_t n = static_cast<int32_t>(values.size());
  double start = now();
  fftw_complex *buffer = fftw_alloc_complex(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; i++) {
    buffer[i][0] = values[static_cast<size_t>(i)];
    buffer[i][1] = 0;
  }
  fftw_plan plan = fftw_plan_dft_1d(n, buffer, buffer, FFTW_FORWARD, FFTW_ESTIMATE);
  fftw_execute(plan);
  volatile double sink = buffer[1][0];
  (void)sink;
  fftw_destroy_plan(plan);
  fftw_free(buffer);
  fftw_cleanup();
  return now() - start;
}

}  // namespace

int main(int argc, char **argv) {
  int rounds = argc > 1 ? atoi(argv[1]) : 7;
  if (rounds < 1) rounds = 1;
  const int32_t points = 1 << 20, samples = 1 << 20;

  // Uneven spacing: steps between 0.5 and 1.5 ns from a fixed generator.
  std::vector<double> x(points), y(points);
  uint32_t state = 12345;
  double t = 0;
  for (int32_t i = 0; i < points; i++) {
    state = state * 1664525u + 1013904223u;
    t += 1e-9 * (0.5 + (state >> 8) / 16777216.0);
    x[i] = t;
    y[i] = std::sin(2 * 3.141592653589793 * 1e6 * t) + 0.01 * std::cos(7e6 * t);
  }
  FftTraceChoice choice{"v(out)", "V", points, samples, x.data(), y.data()};

  std::vector<double> command, floor;
  for (int r = 0; r < rounds; r++) {
    double start = now();
    Spectrum s;
    if (normalized_fft_spectrum(choice, s) != kFftOk) return 1;
    command.push_back(now() - start);
    floor.push_back(fftw_floor(y));
  }
  double c = median(command), f = median(floor);
  printf("normalised FFT of 1 Mi uneven points at 2^20 samples: %.1f ms\n", c * 1e3);
  printf("FFTW plan + execute + cleanup of 2^20 complex values:  %.1f ms\n", f * 1e3);
  printf("ratio %.2f (goal 1.5)\n", c / f);

  std::vector<double> samples22(size_t(1) << 22);
  for (size_t i = 0; i < samples22.size(); i++) samples22[i] = std::sin(i * 0.01) + 1e-4 * std::sin(i * 1.3);
  MonitorSettings settings;
  settings.averaging = true;
  settings.sequence_length = 1 << 14;
  settings.hann = true;
  std::vector<double> psd;
  for (int r = 0; r < rounds; r++) {
    PsdSpectrum out;
    double start = now();
    if (psd_spectrum(samples22.data(), static_cast<int32_t>(samples22.size()), settings, out) != kPsdOk)
      return 1;
    psd.push_back(now() - start);
  }
  printf("psd_spectrum, 2^22 samples averaged in 256 sequences of 2^14: %.1f ms\n", median(psd) * 1e3);
  return 0;
}
