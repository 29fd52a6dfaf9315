// The two transform kernels: fft_magnitude on FFTW (normalised FFT plots and the PSD) and
// radix2_fft, self-contained, for the plain FFT plot.
#pragma once

#include <cstdint>

// Replaces values[0..n-1] by the magnitudes of their discrete Fourier transform, the input
// multiplied by the periodic Hann window 0.5(1 - cos(2 pi i/n)) when `hann` is set. Any n >= 1.
// Each call plans (estimated, in place), executes and tears the planner down again, so no
// FFTW state outlives it. When FFTW's buffer cannot be allocated the values stay as they were
// and the call returns false.
bool fft_magnitude(double *values, int32_t n, bool hann);

// In-place complex transform of n complex values (re, im pairs), n a power of two, element k
// at data[2*k*stride]: iterative decimation in time with twiddles e^(i*j*2pi*sign/m). A
// negative sign also divides by n.
void radix2_fft(double *data, int32_t n, int32_t stride, int sign);
