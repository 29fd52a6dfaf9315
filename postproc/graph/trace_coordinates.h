// value_to_logical for the trace loop: the same arithmetic, step for step, with the axis's
// constants taken once and the rounding done inline, since a long trace converts millions of
// values per paint.
#pragma once

#include <cmath>

#include "coordinates.h"
#include "graph.h"

class AxisToLogical {
 public:
  AxisToLogical(const Graph &graph, int axis)
      : scale_(graph.axes[axis].scale),
        min_(graph.axes[axis].min),
        factor_(graph.geometry[axis].factor),
        origin_(graph.geometry[axis].origin),
        logarithmic_(graph.axes[axis].base != 1),
        log_base_(std::log(static_cast<double>(graph.axes[axis].base))),
        unscaled_(graph.axes[axis].scale == 1.0) {}

  // Whether a larger value never lands on the other side of a smaller one's coordinate, for
  // every value, infinities included: a linear axis whose constants are numbers and whose
  // scale and factor are not zero. `rising` tells which way.
  bool monotone() const {
    return !logarithmic_ && std::isfinite(scale_) && std::isfinite(min_) && std::isfinite(factor_) &&
           std::isfinite(origin_) && scale_ != 0 && factor_ != 0;
  }
  bool rising() const { return (scale_ > 0) == (factor_ > 0); }
  // The value at an unrounded coordinate of a linear axis: the inverse, up to rounding.
  double value_at(double coordinate) const { return ((coordinate - origin_) / factor_ + min_) * scale_; }

  int operator()(double value) const {
    if (logarithmic_) {
      if (!(value > 0)) return 0;
      value = std::log(value) / log_base_;
    }
    // v / 1 is v exactly, so the division is skipped only where it changes nothing.
    double x = ((unscaled_ ? value : value / scale_) - min_) * factor_ + origin_;
    if (x != x) return 0;   // not a number
    if (x >= kCoordinateLimit) return kCoordinateLimit;
    if (x <= -kCoordinateLimit) return -kCoordinateLimit;
    // Within the limits truncation is the int conversion; halves go away from zero. Written
    // without branches: the fraction of noisy data is a coin toss for a predictor.
    int t = static_cast<int>(x);
    double f = x - t;
    return t + static_cast<int>(f >= 0.5) - static_cast<int>(f <= -0.5);
  }

 private:
  double scale_, min_, factor_, origin_;
  bool logarithmic_;
  double log_base_;
  bool unscaled_;
};
