// The signal's level with the Hann window sums three bins, since the window spreads a tone
// over the bin it falls on and its two neighbours. Neighbours outside the data are left out.
#include "psd.h"

#include <cmath>
#include <limits>
#include <new>

#include "../base/cformat.h"
#include "transform.h"

namespace {

const double kFloor = 1e-20;   // keeps the logarithm of an empty bin finite
// How far below zero, relative to the in-band power, rounding can take the noise of a clean
// signal: the sum of a million bins and the round trip through the logarithm stay far below.
const double kRounding = 1e-9;

// 10 log10 of the summed powers of index i and, with the window, its neighbours.
double signal_level(const std::vector<double> &power, int32_t i, bool hann) {
  if (!hann) return 10.0 * log10(power[static_cast<size_t>(i)]);
  double sum = 0;
  for (int32_t j = i - 1; j <= i + 1; j++)
    if (j >= 0 && j < static_cast<int32_t>(power.size())) sum += power[static_cast<size_t>(j)];
  return 10.0 * log10(sum);
}

PsdStatus compute(const double *samples, int32_t count, const MonitorSettings &s,
                  PsdSpectrum &out) {
  int32_t sequences = 1, n = count;
  if (s.averaging && s.sequence_length > 0) {
    n = s.sequence_length;
    sequences = count / n;
  }
  if (sequences < 1 || n < 4) return kPsdTooFewSamples;

  std::vector<double> sum(samples, samples + n), next;
  fft_magnitude(sum.data(), n, s.hann);
  for (int32_t k = 1; k < sequences; k++) {
    next.assign(samples + static_cast<size_t>(k) * n, samples + static_cast<size_t>(k + 1) * n);
    fft_magnitude(next.data(), n, s.hann);
    for (int32_t i = 0; i < n; i++) sum[static_cast<size_t>(i)] += next[static_cast<size_t>(i)];
  }
  if (sequences > 1)
    for (double &v : sum) v /= sequences;

  const double fs = s.sampling_frequency, n2 = static_cast<double>(n) * n;
  const double band = fs / (2.0 * s.oversampling_ratio);
  int32_t points = n / 2;
  out.frequency.resize(static_cast<size_t>(points));
  out.level.resize(static_cast<size_t>(points));
  out.power.resize(static_cast<size_t>(points));
  out.in_band_power = 0;
  for (int32_t m = 1; m <= points; m++) {
    double a = sum[static_cast<size_t>(m)] + kFloor;
    double b = m < points ? sum[static_cast<size_t>(n - m)] : 0.0;
    double p = (a * a + b * b) / n2;
    double f = fs * m / n;
    out.frequency[static_cast<size_t>(m - 1)] = f;
    out.power[static_cast<size_t>(m - 1)] = p;
    out.level[static_cast<size_t>(m - 1)] = 10.0 * log10(p);
    if (m < points && f < band) out.in_band_power += p;
  }

  out.signal_index = 0;
  out.largest = -std::numeric_limits<double>::infinity();
  out.smallest = std::numeric_limits<double>::infinity();
  for (int32_t i = 0; i < points; i++) {
    double level = out.level[static_cast<size_t>(i)];
    if (level > out.largest) {
      out.largest = level;
      if (i < points - 1 && out.frequency[static_cast<size_t>(i)] < band) out.signal_index = i;
    }
    if (level < out.smallest) out.smallest = level;
  }
  double signal = signal_level(out.power, out.signal_index, s.hann);
  out.sndr = sndr_from_powers(signal, out.in_band_power);
  return kPsdOk;
}

}  // namespace

PsdStatus psd_spectrum(const double *samples, int32_t count, const MonitorSettings &settings,
                       PsdSpectrum &out) {
  try {
    return compute(samples, count, settings, out);
  } catch (const std::bad_alloc &) {
    out = PsdSpectrum();
    return kPsdNoMemory;
  }
}

double sndr_from_powers(double signal_level, double in_band_power) {
  double noise = in_band_power - pow(10.0, signal_level / 10.0);
  if (noise > 0) return signal_level - 10.0 * log10(noise);
  if (noise >= -kRounding * in_band_power) return std::numeric_limits<double>::infinity();
  return std::numeric_limits<double>::quiet_NaN();
}

double spectrum_file_sndr(const double *x, const double *y, int32_t n, int32_t oversampling,
                          bool hann) {
  if (n < 1) return std::numeric_limits<double>::quiet_NaN();
  double band = x[n - 1] / oversampling;
  double in_band = 0, largest = -std::numeric_limits<double>::infinity();
  int32_t signal = 0;
  for (int32_t i = 0; i < n; i++) {
    if (x[i] < band) in_band += pow(10.0, y[i] / 10.0);
    if (y[i] > largest) {
      largest = y[i];
      if (x[i] < band) signal = i;
    }
  }
  double level = y[signal];
  if (hann) {
    double sum = 0;
    for (int32_t j = signal - 1; j <= signal + 1; j++)
      if (j >= 0 && j < n) sum += pow(10.0, y[j] / 10.0);
    level = 10.0 * log10(sum);
  }
  return sndr_from_powers(level, in_band);
}

std::string format_sndr(double sndr) {
  // Spelled out, since C runtimes differ in how "%g" writes an infinity.
  if (std::isinf(sndr)) return sndr > 0 ? "inf" : "-inf";
  return c_format("%g", sndr);
}
