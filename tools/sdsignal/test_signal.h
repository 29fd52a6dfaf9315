// A sigma-delta-like test signal: one tone in the signal band and noise shaped like a
// second-order modulator's, (2 sin(pi f/fs))^2, made of tones with pseudo-random phases on
// every third bin (counted from the signal's). Every tone falls exactly on a bin, and the Hann
// window spreads a tone over one bin on either side only, so that no two tones share a bin in
// either spectrum and the SNDR is known in closed form: for the Hann window as long as no
// noise tone sits on the last bin of the band or on the first bin after it.
#pragma once

#include <cstdint>
#include <vector>

struct TestSignalSpec {
  int32_t samples = 4096;
  int32_t oversampling = 16;   // the band is bins 1 .. samples/(2 oversampling) - 1
  int32_t signal_bin = 36;
  double amplitude = 0.5;
  double noise = 1e-3;         // amplitude of the noise tone at a quarter of fs
  uint32_t seed = 1;
};

struct TestSignal {
  std::vector<double> samples;
  double expected_sndr;        // dB: signal power over the in-band noise power
};

TestSignal make_test_signal(const TestSignalSpec &spec);
