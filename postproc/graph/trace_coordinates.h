// value_to_logical for the trace loop: the same arithmetic, step for step, with the axis's
// constants taken once and the rounding done inline, since a long trace converts millions of
// values per paint.
#pragma once

#include <cmath>

#include "coordinates.h"
#include "graph.h"
#include "segment_clip.h"

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

  int operator()(double value) const { return logical_coordinate(unrounded(value)); }

  // The coordinate before rounding, fit for clipping: a value that is not a number stands at
  // 0, where it is drawn, and one beyond +-1e300 (infinities) at +-1e300, far enough out for
  // any segment towards it to point its way, near enough for differences to stay finite.
  double exact(double value) const {
    double x = unrounded(value);
    if (x != x) return 0;
    return x > kFar ? kFar : x < -kFar ? -kFar : x;
  }

 private:
  static constexpr double kFar = 1e300;

  double unrounded(double value) const {
    if (logarithmic_) {
      if (!(value > 0)) return 0;
      value = std::log(value) / log_base_;
    }
    // v / 1 is v exactly, so the division is skipped only where it changes nothing.
    return ((unscaled_ ? value : value / scale_) - min_) * factor_ + origin_;
  }

  double scale_, min_, factor_, origin_;
  bool logarithmic_;
  double log_base_;
  bool unscaled_;
};
