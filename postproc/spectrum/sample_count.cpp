// Sample counts are 32-bit signed throughout the FFT plots; every power of two is computed by
// shifting so that no floating-point logarithm decides a boundary.
#include "sample_count.h"

namespace {

const int32_t kLargestPower = int32_t(1) << 30;

// floor(log2 n) for n >= 1, 0 below: the halvings that leave n above 0.
int halvings(int64_t n) {
  int count = 0;
  while (n > 1 && count < 32) {
    n >>= 1;
    count++;
  }
  return count;
}

}  // namespace

int32_t next_power_of_two(int64_t n) {
  int exponent = halvings(n) + 1;
  if (exponent > 30) return kLargestPower;
  return int32_t(1) << exponent;
}

bool is_power_of_two(int64_t v) { return v > 0 && (v & (v - 1)) == 0; }

int32_t floor_power_of_two(int32_t n) {
  if (n < 1) return 0;
  return int32_t(1) << halvings(n);
}

bool read_samples_text(const char *text, int64_t &value) {
  const char *p = text;
  while (*p == ' ' || *p == '\t') p++;
  bool negative = false;
  if (*p == '-' || *p == '+') negative = *p++ == '-';
  if (*p < '0' || *p > '9') return false;
  int64_t v = 0;
  for (; *p >= '0' && *p <= '9'; p++) {
    v = v * 10 + (*p - '0');
    if (v > (int64_t(1) << 40)) return false;
  }
  while (*p == ' ' || *p == '\t') p++;
  if (*p) return false;
  value = negative ? -v : v;
  return true;
}

int32_t validate_samples(const char *text, int32_t points, int32_t previous) {
  int64_t entered;
  if (!read_samples_text(text, entered)) return previous;
  int64_t v = entered < 0 ? -entered : entered;
  if (v == points) return points;
  if (v > kMaxFftSamples) return kMaxFftSamples;
  if (is_power_of_two(v)) return static_cast<int32_t>(v);
  int32_t next = next_power_of_two(v);
  return next > kMaxFftSamples ? kMaxFftSamples : next;
}
