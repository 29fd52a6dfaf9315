// The one-sided power spectral density of a monitored file's samples, in dB relative to full
// scale, and the two SNDR computations: over that spectrum, and over a file that already holds
// a spectrum in dB.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "monitor_settings.h"

struct PsdSpectrum {
  std::vector<double> frequency;   // fs*m/n for bins m = 1 .. n/2
  std::vector<double> level;       // dB
  std::vector<double> power;       // the power of each point, before the logarithm
  double smallest, largest;        // levels
  int32_t signal_index;            // the in-band point of the largest level
  double in_band_power;
  double sndr;                     // dB; +inf or not a number (see sndr_from_powers)
};

enum PsdStatus {
  kPsdOk = 0,
  kPsdTooFewSamples,   // a sequence of fewer than 4 samples, or averaging over more samples
                       // than the data hold: no spectrum
  kPsdNoMemory,
};

// The spectrum of `count` samples under the settings' fs, averaging, sequence length, Hann
// window and OSR: the magnitudes (not their squares) of K = count/L sequences averaged (one
// sequence of all samples without averaging), point m-1 the level 10 log10(p) of bin m with
// p = ((|X_m| + 1e-20)^2 + |X_{n-m}|^2)/n^2 for m = 1 .. n/2-1, the last point bin n/2 with
// only its own term.
PsdStatus psd_spectrum(const double *samples, int32_t count, const MonitorSettings &settings,
                       PsdSpectrum &out);

// SNDR = S - 10 log10(in-band power - 10^(S/10)). When that noise is zero, or below zero
// by no more than rounding, the signal has no noise beside it: the SNDR is +infinity. When
// the band holds clearly less power than the signal (it holds no point, or the signal's
// window reaches beyond it), there is no SNDR: the result is not a number.
double sndr_from_powers(double signal_level, double in_band_power);

// SNDR of a file that holds a spectrum: levels y in dB at x, band [0, x[n-1]/OSR); the signal
// is the in-band point of the largest level (three points with the Hann window).
double spectrum_file_sndr(const double *x, const double *y, int32_t n, int32_t oversampling,
                          bool hann);

// The SNDR as the table and ulmocli show it: "%g", "inf" for +infinity. Not for an SNDR
// that is not a number, which is refused with a message instead.
std::string format_sndr(double sndr);
