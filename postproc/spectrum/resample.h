// Resampling a trace onto equally spaced points, the first step of both FFT plots.
#pragma once

#include <cstdint>

// Writes `samples` values of the trace (x, y, `points` long) into `out`:
// - samples == points: y unchanged, whatever the spacing of x;
// - otherwise out[0] = y[0], out[samples-1] = y[points-1], and out[k] the trace linearly
//   interpolated at t = x[0] + k*(x[points-1] - x[0])/(samples-1), over the interval
//   (i, i+1) where i is the last index with x[i] <= t ((points-2, points-1) when i is the last).
// A one-point trace gives its value everywhere; a zero-width interval gives its right value.
void resample_uniform(const double *x, const double *y, int32_t points, int32_t samples,
                      double *out);
