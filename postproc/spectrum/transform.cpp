// The FFTW buffer is the only memory of fft_magnitude; the magnitudes go back into the
// caller's array. radix2_fft advances its twiddle by repeated multiplication, as the plain FFT
// plot has always done; its error grows with log n and stays far below plotting resolution.
#include "transform.h"

#include <cmath>
#include <utility>

#include <fftw3.h>

bool fft_magnitude(double *values, int32_t n, bool hann) {
  if (n < 1) return false;
  fftw_complex *buffer =
      static_cast<fftw_complex *>(fftw_malloc(sizeof(fftw_complex) * static_cast<size_t>(n)));
  if (!buffer) return false;
  const double two_pi = 8.0 * atan(1.0);
  for (int32_t i = 0; i < n; i++) {
    double w = hann ? 0.5 * (1.0 - cos(two_pi * i / n)) : 1.0;
    buffer[i][0] = values[i] * w;
    buffer[i][1] = 0.0;
  }
  fftw_plan plan = fftw_plan_dft_1d(n, buffer, buffer, FFTW_FORWARD, FFTW_ESTIMATE);
  fftw_execute(plan);
  for (int32_t i = 0; i < n; i++)
    values[i] = sqrt(buffer[i][0] * buffer[i][0] + buffer[i][1] * buffer[i][1]);
  fftw_destroy_plan(plan);
  fftw_free(buffer);
  fftw_cleanup();
  return true;
}

void radix2_fft(double *data, int32_t n, int32_t stride, int sign) {
  auto re = [&](int32_t k) -> double & { return data[2 * static_cast<size_t>(k) * stride]; };
  auto im = [&](int32_t k) -> double & { return data[2 * static_cast<size_t>(k) * stride + 1]; };

  for (int32_t i = 1, j = 0; i < n; i++) {
    int32_t k = n / 2;
    while (j >= k && k > 0) {
      j -= k;
      k /= 2;
    }
    j += k;
    if (j > i) {
      std::swap(re(i), re(j));
      std::swap(im(i), im(j));
    }
  }

  const double two_pi = 4.0 * asin(1.0);
  for (int32_t m = 2; m <= n; m *= 2) {
    double theta = two_pi * sign / m;
    double step_re = cos(theta), step_im = sin(theta);
    double w_re = 1.0, w_im = 0.0;
    int32_t half = m / 2;
    for (int32_t j = 0; j < half; j++) {
      for (int32_t b = j; b < n; b += m) {
        double t_re = w_re * re(b + half) - w_im * im(b + half);
        double t_im = w_re * im(b + half) + w_im * re(b + half);
        re(b + half) = re(b) - t_re;
        im(b + half) = im(b) - t_im;
        re(b) += t_re;
        im(b) += t_im;
      }
      double next_re = w_re * step_re - w_im * step_im;
      w_im = w_re * step_im + w_im * step_re;
      w_re = next_re;
    }
  }

  if (sign < 0)
    for (int32_t k = 0; k < n; k++) {
      re(k) /= n;
      im(k) /= n;
    }
}
