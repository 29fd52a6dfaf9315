// ulmo_sdsignal [SAMPLES [OSR [BIN [AMPLITUDE [NOISE [SEED]]]]]]: writes a sigma-delta-like
// test signal as a monitored data file, one sample per line, after a comment line that gives
// its SNDR (a line that starts with a word is no row).
#include <cstdio>
#include <cstdlib>

#include "test_signal.h"

int main(int argc, char **argv) {
  TestSignalSpec spec;
  if (argc > 1) spec.samples = atoi(argv[1]);
  if (argc > 2) spec.oversampling = atoi(argv[2]);
  if (argc > 3) spec.signal_bin = atoi(argv[3]);
  if (argc > 4) spec.amplitude = atof(argv[4]);
  if (argc > 5) spec.noise = atof(argv[5]);
  if (argc > 6) spec.seed = static_cast<uint32_t>(strtoul(argv[6], nullptr, 10));
  if (spec.samples < 8 || spec.oversampling < 1 || spec.signal_bin < 1 ||
      2 * spec.signal_bin * spec.oversampling >= spec.samples) {
    fprintf(stderr, "ulmo_sdsignal: the signal bin must lie in the band of SAMPLES/(2 OSR)\n");
    return 1;
  }
  TestSignal signal = make_test_signal(spec);
  printf("expected SNDR %.6f dB (%d samples, OSR %d, signal bin %d)\n", signal.expected_sndr,
         spec.samples, spec.oversampling, spec.signal_bin);
  for (double v : signal.samples) printf("%.17g\n", v);
  return 0;
}
