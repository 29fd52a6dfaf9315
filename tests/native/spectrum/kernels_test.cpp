// Sample counts, resampling and the two transforms, by example and by property.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <random>
#include <vector>

#include <fftw3.h>

#include "spectrum/resample.h"
#include "spectrum/sample_count.h"
#include "spectrum/transform.h"

namespace {

const double kTwoPi = 8.0 * atan(1.0);

TEST(SampleCount, PowersOfTwo) {
  struct Row { int64_t n; int32_t next; } rows[] = {
      {1000, 1024}, {1024, 2048}, {1023, 1024}, {0, 2}, {1, 2}, {2, 4}, {3, 4}, {-5, 2},
      {(int64_t(1) << 29) + 1, int32_t(1) << 30}, {int64_t(1) << 40, int32_t(1) << 30}};
  for (const Row &r : rows) EXPECT_EQ(next_power_of_two(r.n), r.next) << r.n;
  EXPECT_EQ(floor_power_of_two(1000), 512);
  EXPECT_EQ(floor_power_of_two(1024), 1024);
  EXPECT_EQ(floor_power_of_two(1), 1);
  EXPECT_TRUE(is_power_of_two(4096));
  EXPECT_FALSE(is_power_of_two(0));
  EXPECT_FALSE(is_power_of_two(3000));
}

TEST(SampleCount, FieldValidation) {
  struct Row { const char *text; int32_t points, previous, result; } rows[] = {
      {"1000", 1000, 1024, 1000},       // equal to the points: kept
      {"3000", 1000, 1024, 4096},       // not a power of two: the next one
      {"-512", 1000, 1024, 512},        // the absolute value
      {"512", 1000, 1024, 512},
      {" 2048 ", 1000, 1024, 2048},
      {"0", 1000, 1024, 2},             // zero is no power of two
      {"abc", 1000, 1024, 1024},        // no number: the samples stay
      {"", 1000, 700, 700},
      {"12x", 1000, 1024, 1024},
      {"99999999999", 1000, 1024, kMaxFftSamples},
      {"20000000", 20000000, 1024, 20000000},   // the trace's own points are always allowed
      {"20000001", 20000000, 1024, kMaxFftSamples},
  };
  for (const Row &r : rows)
    EXPECT_EQ(validate_samples(r.text, r.points, r.previous), r.result) << r.text;
}

TEST(Resample, SamplesEqualPointsKeepTheTraceValues) {
  const double x[] = {0, 0.1, 0.5, 2, 7}, y[] = {3, -1, 4, 1, 5};
  double out[5];
  resample_uniform(x, y, 5, 5, out);
  for (int i = 0; i < 5; i++) EXPECT_EQ(out[i], y[i]);
}

TEST(Resample, ExactOnLinearDataOfUnevenSpacing) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> step(0.01, 1.0);
  std::vector<double> x(301), y(301);
  x[0] = -3;
  for (size_t i = 1; i < x.size(); i++) x[i] = x[i - 1] + step(rng);
  for (size_t i = 0; i < x.size(); i++) y[i] = 2.5 * x[i] - 4;
  for (int32_t m : {2, 3, 64, 1000, 4096}) {
    std::vector<double> out(static_cast<size_t>(m));
    resample_uniform(x.data(), y.data(), 301, m, out.data());
    double span = x.back() - x[0];
    for (int32_t k = 0; k < m; k++) {
      double t = x[0] + k * span / (m - 1);
      EXPECT_NEAR(out[static_cast<size_t>(k)], 2.5 * t - 4, 1e-11) << m << " " << k;
    }
  }
}

// The single walk over sorted x finds the interval the rule's search would: the last x at or
// below t. Repeated x values and samples that land on points exactly are the hard cases.
TEST(Resample, WalkMatchesTheSearchRule) {
  std::vector<double> x = {0, 1, 1, 1, 2, 3, 3, 4, 6, 8}, y;
  for (size_t i = 0; i < x.size(); i++) y.push_back(std::sin(3.0 * i) + i);
  for (int32_t m : {9, 17, 33, 200}) {
    std::vector<double> out(static_cast<size_t>(m));
    resample_uniform(x.data(), y.data(), 10, m, out.data());
    EXPECT_EQ(out[0], y[0]);
    EXPECT_EQ(out[static_cast<size_t>(m - 1)], y[9]);
    for (int32_t k = 1; k < m - 1; k++) {
      double t = 0 + k * 8.0 / (m - 1);
      size_t i = 0;
      for (size_t j = 0; j < x.size(); j++)
        if (x[j] <= t) i = j;
      double expected = y[i] + (t - x[i]) * (y[i + 1] - y[i]) / (x[i + 1] - x[i]);
      EXPECT_DOUBLE_EQ(out[static_cast<size_t>(k)], expected) << m << " " << k;
    }
  }
}

TEST(Resample, DegenerateAbscissasStayFinite) {
  const double same_x[] = {2, 2, 2}, y[] = {1, 5, 9}, one[] = {4};
  double out[7];
  resample_uniform(same_x, y, 3, 6, out);   // no width: every sample from the last interval
  for (double v : out) EXPECT_TRUE(std::isfinite(v));
  resample_uniform(one, one, 1, 4, out);
  for (int i = 0; i < 4; i++) EXPECT_EQ(out[i], 4);
  const double unsorted[] = {0, 5, 1, 9}, values[] = {0, 1, 2, 3};
  resample_uniform(unsorted, values, 4, 7, out);
  for (int i = 0; i < 7; i++) EXPECT_TRUE(std::isfinite(out[i]));
}

// radix2_fft with sign +1 is FFTW's backward transform; with sign -1 the forward one over n.
TEST(Radix2Fft, MatchesFftwForEveryPowerOfTwo) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> value(-1, 1);
  for (int32_t n = 1; n <= 65536; n *= 2) {
    std::vector<double> data(2 * static_cast<size_t>(n));
    for (double &v : data) v = value(rng);
    for (int sign : {+1, -1}) {
      std::vector<double> ours = data;
      radix2_fft(ours.data(), n, 1, sign);
      fftw_complex *ref = fftw_alloc_complex(static_cast<size_t>(n));
      fftw_plan plan = fftw_plan_dft_1d(n, ref, ref, sign > 0 ? FFTW_BACKWARD : FFTW_FORWARD,
                                        FFTW_ESTIMATE);
      for (int32_t k = 0; k < n; k++) {
        ref[k][0] = data[2 * k];
        ref[k][1] = data[2 * k + 1];
      }
      fftw_execute(plan);
      double scale = sign > 0 ? 1.0 : 1.0 / n, worst = 0;
      for (int32_t k = 0; k < n; k++) {
        worst = std::max(worst, std::abs(ours[2 * k] - ref[k][0] * scale));
        worst = std::max(worst, std::abs(ours[2 * k + 1] - ref[k][1] * scale));
      }
      fftw_destroy_plan(plan);
      fftw_free(ref);
      EXPECT_LT(worst, 1e-9 * std::sqrt(double(n)) * scale * 4) << "n " << n << " sign " << sign;
    }
  }
  fftw_cleanup();
}

TEST(Radix2Fft, StrideAndLinearity) {
  const int32_t n = 64;
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> value(-1, 1);
  std::vector<double> a(2 * n), b(2 * n), sum(2 * n), spaced(6 * n, 99.0);
  for (int32_t i = 0; i < 2 * n; i++) {
    a[i] = value(rng);
    b[i] = value(rng);
    sum[i] = 2 * a[i] - 3 * b[i];
  }
  for (int32_t k = 0; k < n; k++) {
    spaced[6 * k] = a[2 * k];
    spaced[6 * k + 1] = a[2 * k + 1];
  }
  radix2_fft(spaced.data(), n, 3, 1);
  radix2_fft(a.data(), n, 1, 1);
  radix2_fft(b.data(), n, 1, 1);
  radix2_fft(sum.data(), n, 1, 1);
  for (int32_t i = 0; i < 2 * n; i++) EXPECT_NEAR(sum[i], 2 * a[i] - 3 * b[i], 1e-12);
  for (int32_t k = 0; k < n; k++) {
    EXPECT_EQ(spaced[6 * k], a[2 * k]);
    EXPECT_EQ(spaced[6 * k + 2], 99.0);   // what lies between the elements is left alone
  }
}

TEST(FftMagnitude, ParsevalAndScaling) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> value(-2, 2);
  for (int32_t n : {1, 7, 100, 1000, 4096}) {   // any size, not only powers of two
    std::vector<double> x(static_cast<size_t>(n));
    for (double &v : x) v = value(rng);
    std::vector<double> m = x, scaled = x;
    for (double &v : scaled) v *= -3;
    ASSERT_TRUE(fft_magnitude(m.data(), n, false));
    ASSERT_TRUE(fft_magnitude(scaled.data(), n, false));
    double time = 0, freq = 0;
    for (int32_t i = 0; i < n; i++) {
      time += x[i] * x[i];
      freq += m[i] * m[i];
      EXPECT_NEAR(scaled[i], 3 * m[i], 1e-9 * n);
    }
    EXPECT_NEAR(freq, n * time, 1e-9 * n * time) << n;
  }
}

// A constant through the periodic Hann window: n/2 at DC, n/4 at bins 1 and n-1, nothing
// elsewhere (with a denominator n - 1 the window would leak into every bin).
TEST(FftMagnitude, PeriodicHannWindow) {
  const int32_t n = 256;
  std::vector<double> ones(n, 1.0);
  fft_magnitude(ones.data(), n, true);
  EXPECT_NEAR(ones[0], n / 2.0, 1e-9);
  EXPECT_NEAR(ones[1], n / 4.0, 1e-9);
  EXPECT_NEAR(ones[n - 1], n / 4.0, 1e-9);
  for (int32_t k = 2; k < n - 1; k++) EXPECT_NEAR(ones[k], 0, 1e-9) << k;
}

TEST(FftMagnitude, SineOnABin) {
  const int32_t n = 1000;
  std::vector<double> s(n);
  for (int32_t i = 0; i < n; i++) s[i] = 0.75 * cos(kTwoPi * 17 * i / n + 0.3);
  fft_magnitude(s.data(), n, false);
  EXPECT_NEAR(s[17], 0.75 * n / 2, 1e-9);
  EXPECT_NEAR(s[n - 17], 0.75 * n / 2, 1e-9);
  EXPECT_NEAR(s[16], 0, 1e-9);
}

}  // namespace
