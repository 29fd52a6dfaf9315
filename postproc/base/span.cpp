// Span measurements.
//
// Simulator time steps are uneven, so an average of the points would weight a fast edge,
// where the steps crowd, above a slow plateau. Mean and RMS are therefore time averages of
// the curve as drawn, linear between its points: the integral of y (of y squared) over the
// span divided by its width, both exact for a line (the trapezoid rule, for y). The curve is
// cut at the span's ends by linear interpolation, so a cursor between two points measures
// exactly up to the cursor, and the interpolated end values count for minimum and maximum.
//
// x need not rise. The curve runs the way its first step that changes x goes, falling x
// being as good as rising; a step against that way is where a new sweep starts (a transient
// run twice, a parameter stepped), and it is no part of the curve. The sweeps are pooled:
// each contributes what it covers of the span, integrals and widths add up, the extremes are
// those of all. An x-y curve that wanders back and forth is therefore measured along its
// steps in the first way only.
//
// A span, or what the curve covers of it, without width has no average: its mean is the first
// value the curve takes there, its RMS that value's magnitude.
#include "span.h"

#include <algorithm>
#include <cmath>

namespace {

class Measurer {
 public:
  Measurer(double x1, double x2) : lo_(std::min(x1, x2)), hi_(std::max(x1, x2)) {}

  bool holds(double x) const { return lo_ <= x && x <= hi_; }

  // The step from point a to point b (a != b in x): the piece of it within the span.
  void step(double xa, double ya, double xb, double yb) {
    double from = std::max(lo_, std::min(xa, xb)), to = std::min(hi_, std::max(xa, xb));
    if (from > to) return;
    // The piece's ends in the order the step runs; an end that is a point is met as one.
    double first = xa < xb ? from : to, second = xa < xb ? to : from;
    auto at = [&](double x) { return x == xa ? ya : x == xb ? yb : ya + (yb - ya) * (x - xa) / (xb - xa); };
    double y_first = at(first), y_second = at(second);
    if (first != xa && first != xb) meet(y_first);
    if (second != xa && second != xb && second != first) meet(y_second);
    double width = to - from;
    s_.width += width;
    s_.integral += width * (y_first + y_second) / 2;
    // The square of the line between them, integrated exactly: the trapezoid rule on y
    // squared would overstate it (y squared is convex), as a simulator's RMS does not.
    squares_ += width * (y_first * y_first + y_first * y_second + y_second * y_second) / 3;
  }

  void meet(double y) {
    if (s_.count == 0) {
      s_.minimum = s_.maximum = first_ = y;
    } else {
      s_.minimum = std::min(s_.minimum, y);
      s_.maximum = std::max(s_.maximum, y);
    }
    s_.count++;
  }

  SpanMeasures result() {
    if (s_.count == 0) return SpanMeasures{};
    if (s_.width > 0) {
      s_.mean = s_.integral / s_.width;
      s_.rms = std::sqrt(squares_ / s_.width);
    } else {
      s_.mean = first_;
      s_.rms = std::fabs(first_);
    }
    s_.peak_to_peak = s_.maximum - s_.minimum;
    return s_;
  }

 private:
  double lo_, hi_;
  SpanMeasures s_{};
  double squares_ = 0;   // the integral of y squared
  double first_ = 0;     // the first value met
};

// +1 when the curve's first step that changes x rises (or none does), else -1.
int direction(const double *x, int count) {
  for (int i = 1; i < count; i++)
    if (x[i] != x[i - 1]) return x[i] > x[i - 1] ? 1 : -1;
  return 1;
}

}  // namespace

SpanMeasures measure_span(const double *x, const double *y, int count, double x1, double x2) {
  if (!x || !y || count <= 0) return SpanMeasures{};
  Measurer m(x1, x2);
  int d = direction(x, count);
  for (int i = 0; i < count; i++) {
    if (i > 0 && x[i] != x[i - 1] && (x[i] - x[i - 1]) * d > 0) m.step(x[i - 1], y[i - 1], x[i], y[i]);
    if (m.holds(x[i])) m.meet(y[i]);
  }
  return m.result();
}
