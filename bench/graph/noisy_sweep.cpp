#include "noisy_sweep.h"

#include <cmath>

namespace {

const double kDuration = 1e-3;
const double kStartCycles = 5, kEndCycles = 200;
const double kNoise = 0.2;

// xorshift64*: its own arithmetic, so every C runtime yields the same noise.
struct Noise {
  uint64_t state = 0x9E3779B97F4A7C15ull;
  double next() {   // in [-1, 1)
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    uint64_t bits = (state * 0x2545F4914F6CDD1Dull) >> 11;   // 53 bits
    return bits * 0x1.0p-52 - 1.0;
  }
};

}  // namespace

void fill_noisy_sweep(double *x, double *y, int64_t count) {
  const double pi = std::acos(-1.0);
  Noise noise;
  for (int64_t i = 0; i < count; i++) {
    double t = static_cast<double>(i) / static_cast<double>(count - 1);   // 0..1
    // A linear chirp: the phase is the integral of a frequency rising from start to end.
    double cycles = kStartCycles * t + (kEndCycles - kStartCycles) * t * t / 2;
    x[i] = t * kDuration;
    y[i] = std::sin(2 * pi * cycles) + kNoise * noise.next();
  }
}
