// A trace whose pixel columns hold real spread: a sine sweeping up in frequency with
// pseudo-random noise on top, the same values on every run and every platform.
#pragma once

#include <cstdint>

// Fills x (seconds, rising evenly over one millisecond) and y (volts) with `count` points,
// count >= 2: a unit sine whose frequency rises from 5 to 200 cycles per sweep, plus noise
// up to +-0.2 V.
void fill_noisy_sweep(double *x, double *y, int64_t count);
