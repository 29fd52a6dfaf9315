// Tick-label texts.
//
// Repeated addition can leave a tick that should be zero a few units of the last place below
// it, which "%.1lf" prints as "-0.0". A tick within a billionth of an increment of zero is
// zero, so it is snapped before formatting; every other value prints exactly as computed.
//
// A zoom keeps the axis's digits, and a narrow range may need more than it has: 1.0 ...
// 1.0042 in one decimal reads "1.0" at every tick. Labels that say the same for different
// values mislead, so the labels drawn take as many more digits as it takes for neighbours to
// differ. The axis's own digits (the graph file, the dialogs) stay as they are.
#include "labels.h"

#include <cmath>
#include <string>
#include <utility>

#include "../base/cformat.h"
#include "ticks.h"

namespace {

const double kZeroSnap = 1e-9;
const int kMostDrawnDigits = 15;   // beyond this a double has no digits left to show

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

// The values whose labels are drawn, in order: the ticks the list holds (past its end the
// walk's last tick takes the last slot), then max.
std::vector<double> drawn_values(const Axis &axis) {
  std::vector<double> values = tick_values(axis);
  if (values.size() > static_cast<size_t>(kMaxTicks)) {
    values[kMaxTicks - 1] = values.back();
    values.resize(kMaxTicks);
  }
  values.push_back(axis.max);
  return values;
}

int equal_neighbours(const Axis &axis, TickLabelFormat format, int digits, const std::vector<double> &values) {
  format.digits = digits;
  int equal = 0;
  std::string previous;
  for (size_t i = 0; i < values.size(); i++) {
    std::string text = tick_label(axis, format, values[i]).text;
    if (i > 0 && text == previous) equal++;
    previous = std::move(text);
  }
  return equal;
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

int drawn_label_digits(const Axis &axis, const TickLabelFormat &format) {
  if (axis.base != 1) return format.digits;   // exponents: whole numbers, one apart
  std::vector<double> values = drawn_values(axis);
  int best = format.digits, fewest = equal_neighbours(axis, format, best, values);
  // More digits can also join two labels that fewer kept apart (0.46 and 0.54 read 0 and 1,
  // then 0.5 twice), so every count is tried until none is left equal.
  for (int digits = format.digits + 1; fewest > 0 && digits <= kMostDrawnDigits; digits++) {
    int equal = equal_neighbours(axis, format, digits, values);
    if (equal < fewest) {
      best = digits;
      fewest = equal;
    }
  }
  return best;
}

std::vector<TickLabel> tick_labels(const Axis &axis, const TickLabelFormat &format) {
  TickLabelFormat drawn = format;
  drawn.digits = drawn_label_digits(axis, format);
  std::vector<TickLabel> labels;
  for (double v : tick_values(axis)) labels.push_back(tick_label(axis, drawn, v));
  labels.push_back(tick_label(axis, drawn, axis.max));
  return labels;
}
