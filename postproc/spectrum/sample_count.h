// Sample counts of the FFT plots: the power of two a trace proposes and the rule that the
// samples field of the "Add FFT Plot" dialog applies to what the user typed.
#pragma once

#include <cstdint>

// The most samples the dialog accepts unless they equal the trace's points: a typing slip
// must not ask for more memory than the program has and end it.
const int32_t kMaxFftSamples = int32_t(1) << 24;

// 2^(floor(log2 n) + 1), strictly above n (1000 -> 1024, 1024 -> 2048, 0 -> 2), where
// floor(log2 n) counts the halvings of n that leave it above 0 (none for n < 2). Capped at
// 2^30, the largest power of two a sample count (int32) holds.
int32_t next_power_of_two(int64_t n);

// True when v equals 2^floor(log2 v) (0 and negatives are not).
bool is_power_of_two(int64_t v);

// The largest power of two not above n (n >= 1; 0 for n < 1): 1000 -> 512.
int32_t floor_power_of_two(int32_t n);

// The samples field's text after it loses the focus, for a trace of `points` points whose
// samples were `previous`: v = |entered| stays when it equals the points or is a power of two,
// otherwise it becomes next_power_of_two(v); values above kMaxFftSamples (other than the
// points) become kMaxFftSamples. Text that is no integer leaves `previous`.
int32_t validate_samples(const char *text, int32_t points, int32_t previous);

// The integer a samples field holds: blanks, an optional sign, then decimal digits up to the
// end or the first blank. False for anything else (empty text, letters, digits out of range).
bool read_samples_text(const char *text, int64_t &value);
