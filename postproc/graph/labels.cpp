// Tick-label texts.
//
// Repeated addition can leave a tick that should be zero a few units of the last place below
// it, which "%.1lf" prints as "-0.0". A tick within a billionth of an increment of zero is
// zero, so it is snapped before formatting; every other value prints exactly as computed.
#include "labels.h"

#include <cmath>

#include "../base/cformat.h"
#include "ticks.h"

namespace {

const double kZeroSnap = 1e-9;

struct SuffixRow {
  int k;   // the row holds for exponents at or above this
  const char *suffix;
};

const SuffixRow kSuffixes[] = {
    {18, "e18"}, {15, "e15"}, {12, "e12"}, {9, "G"},     {6, "M"},     {3, "K"},
    {0, ""},     {-3, "m"},   {-6, "u"},   {-9, "n"},    {-12, "p"},   {-15, "f"},
    {-18, "e-18"}, {-21, "e-21"}, {-24, "e-24"}, {-27, "e-27"}, {-30, "e-30"}};

double snapped(double v, double increment) {
  if (std::fabs(v) < kZeroSnap * std::fabs(increment) || v == 0) return 0.0;
  return v;
}

}  // namespace

std::string scale_prefix(double scale) {
  // The scale is an exact power of ten, so rounding its logarithm only guards against a
  // logarithm a hair below the whole number.
  if (!(scale > 0) || !std::isfinite(scale)) return "";
  double k = std::round(std::log10(scale));
  // Scales beyond the table's ends (data near 1e300) keep their true exponent; the nearest
  // row would print a label a thousand times off per step.
  if (k > 18 || k < -30) return c_format("e%d", static_cast<int>(k));
  for (const SuffixRow &row : kSuffixes)
    if (k >= row.k) return row.suffix;
  return "e-30";
}

TickLabel tick_label(const Axis &axis, const TickLabelFormat &format, double v) {
  v = snapped(v, axis.increment);
  if (axis.base != 1) return {c_format("%-d", axis.base), c_format("%-.*lf", 0, v)};
  switch (format.notation) {
    case kNotationDecimal: return {c_format("%-.*lf", format.digits, v * axis.scale), ""};
    case kNotationScientific: return {c_format("%-.*lE", format.digits, v * axis.scale), ""};
    default:
      return {c_format("%-.*lf%s", format.digits, v, scale_prefix(axis.scale).c_str()), ""};
  }
}

std::vector<TickLabel> tick_labels(const Axis &axis, const TickLabelFormat &format) {
  std::vector<TickLabel> labels;
  for (double v : tick_values(axis)) labels.push_back(tick_label(axis, format, v));
  labels.push_back(tick_label(axis, format, axis.max));
  return labels;
}
