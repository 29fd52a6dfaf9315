// The samples are summed directly from the tones, without any FFT, so that the spectrum code
// under test is checked against an independent construction. Phases come from a fixed
// integer generator, the same on every platform.
#include "test_signal.h"

#include <cmath>

namespace {

uint32_t next_random(uint32_t &state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

}  // namespace

TestSignal make_test_signal(const TestSignalSpec &spec) {
  const int32_t n = spec.samples;
  const double two_pi = 8.0 * atan(1.0);
  TestSignal out;
  out.samples.assign(static_cast<size_t>(n), 0.0);
  uint32_t state = spec.seed ? spec.seed : 1;
  double noise_in_band = 0;
  for (int32_t m = 1; m < n / 2; m++) {
    double amplitude;
    if (m == spec.signal_bin) {
      amplitude = spec.amplitude;
    } else if ((m - spec.signal_bin) % 3 != 0) {
      continue;
    } else {
      double shape = 2.0 * sin(two_pi * m / (2.0 * n));
      amplitude = spec.noise * shape * shape / 2.0;
      if (2 * static_cast<int64_t>(m) * spec.oversampling < n)
        noise_in_band += amplitude * amplitude / 2.0;
    }
    double phase = two_pi * (next_random(state) % 65536) / 65536.0;
    for (int32_t k = 0; k < n; k++) {
      int64_t turn = (static_cast<int64_t>(m) * k) % n;   // exact argument reduction
      out.samples[static_cast<size_t>(k)] += amplitude * cos(two_pi * turn / n + phase);
    }
  }
  double signal = spec.amplitude * spec.amplitude / 2.0;
  out.expected_sndr = 10.0 * log10(signal / noise_in_band);
  return out;
}
