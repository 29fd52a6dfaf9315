// The functions of the expression language as one table: for each function code its domain
// rule, its formula for a real value, its formula for a complex value, and the message a
// point outside the domain shows. The point path (evaluate.cpp) and the block path
// (evaluate_block.cpp) both read their formulas and checks from here, so they agree bit for
// bit by construction. Internal to expr.
//
// A complex value goes into its function either as its magnitude (most functions) or as its
// two parts (phase, re, im); the result is always real. Of a real value, mag, phase, re and
// im are the value itself.
#pragma once

#include <cmath>
#include <cstdint>

#include "../resources/resource_ids.h"
#include "expression.h"
#include "run_state.h"

enum KernelDomain { kAnyValue, kNotZero, kNotNegative, kPositive };

constexpr bool outside_domain(KernelDomain d, double x) {
  return d == kNotZero ? x == 0 : d == kNotNegative ? x < 0 : d == kPositive ? x <= 0 : false;
}

struct FunctionKernel {
  int32_t code;
  KernelDomain real_domain;
  int real_message;                              // shown outside the domain; 0: fails silently
  double (*real)(double x);
  bool of_both_parts;                            // a complex value goes in as re and im
  KernelDomain magnitude_domain;                 // else as its magnitude, in this domain
  int complex_message;                           // as real_message
  double (*of_magnitude)(double m);              // null for the functions of both parts
  double (*of_parts)(double re, double im);      // null for the functions of the magnitude
};

namespace kernel {

inline double identity(double x) { return x; }
inline double db(double x) { return 20.0 * std::log10(std::fabs(x)); }
inline double db_of_magnitude(double m) { return 20.0 * std::log10(m); }
inline double abs(double x) { return std::fabs(x); }
inline double sqrt(double x) { return std::sqrt(x); }
inline double sgn(double x) { return x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0; }
inline double sgn_of_magnitude(double m) { return m > 0 ? 1.0 : 0.0; }
inline double log(double x) { return std::log(x); }
inline double log10(double x) { return std::log10(x); }
inline double exp(double x) { return std::exp(x); }
inline double sin(double x) { return std::sin(x); }
inline double cos(double x) { return std::cos(x); }
inline double tan(double x) { return std::tan(x); }
inline double atan(double x) { return std::atan(x); }
inline double phase(double re, double im) { return phase_degrees(re, im); }
inline double real_part(double re, double) { return re; }
inline double imaginary_part(double, double im) { return im; }

}  // namespace kernel

// The functions that map one value to one (drv, int, avg and rms work on runs instead).
inline constexpr FunctionKernel kFunctionKernels[] = {
    {kTokenDb, kNotZero, IDS_LOG_ARGUMENT, kernel::db, false, kNotZero, 0, kernel::db_of_magnitude, nullptr},
    {kTokenAbs, kAnyValue, 0, kernel::abs, false, kAnyValue, 0, kernel::identity, nullptr},
    {kTokenSqrt, kNotNegative, 0, kernel::sqrt, false, kAnyValue, 0, kernel::sqrt, nullptr},
    {kTokenSgn, kAnyValue, 0, kernel::sgn, false, kAnyValue, 0, kernel::sgn_of_magnitude, nullptr},
    {kTokenLog, kPositive, 0, kernel::log, false, kNotZero, IDS_LOG_ARGUMENT, kernel::log, nullptr},
    {kTokenLog10, kPositive, IDS_LOG_ARGUMENT, kernel::log10, false, kNotZero, IDS_LOG_ARGUMENT, kernel::log10,
     nullptr},
    {kTokenExp, kAnyValue, 0, kernel::exp, false, kAnyValue, 0, kernel::exp, nullptr},
    {kTokenSin, kAnyValue, 0, kernel::sin, false, kAnyValue, 0, kernel::sin, nullptr},
    {kTokenCos, kAnyValue, 0, kernel::cos, false, kAnyValue, 0, kernel::cos, nullptr},
    {kTokenTan, kAnyValue, 0, kernel::tan, false, kAnyValue, 0, kernel::tan, nullptr},
    {kTokenAtan, kAnyValue, 0, kernel::atan, false, kAnyValue, 0, kernel::atan, nullptr},
    {kTokenMag, kAnyValue, 0, kernel::identity, false, kAnyValue, 0, kernel::identity, nullptr},
    {kTokenPhase, kAnyValue, 0, kernel::identity, true, kAnyValue, 0, nullptr, kernel::phase},
    {kTokenRe, kAnyValue, 0, kernel::identity, true, kAnyValue, 0, nullptr, kernel::real_part},
    {kTokenIm, kAnyValue, 0, kernel::identity, true, kAnyValue, 0, nullptr, kernel::imaginary_part},
};
inline constexpr int kFunctionKernelCount = sizeof kFunctionKernels / sizeof kFunctionKernels[0];

namespace kernel {

struct Index {
  int8_t of_position[kFunctionTableSize + 1];   // [p] for code -p; -1: no kernel
};

constexpr Index make_index() {
  Index index{};
  for (int p = 0; p <= kFunctionTableSize; p++) index.of_position[p] = -1;
  for (int i = 0; i < kFunctionKernelCount; i++)
    index.of_position[-kFunctionKernels[i].code] = static_cast<int8_t>(i);
  return index;
}

inline constexpr Index kIndex = make_index();

}  // namespace kernel

// The index of `code` in kFunctionKernels, or -1 for a code that has no kernel there.
constexpr int function_kernel_index(int32_t code) {
  return code >= 0 || code < -kFunctionTableSize ? -1 : kernel::kIndex.of_position[-code];
}
