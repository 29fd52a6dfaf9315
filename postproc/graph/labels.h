// Tick-label texts: the scale-factor suffix, the three notations and the base with its
// exponent on logarithmic axes. Every number goes through the three-digit-exponent formatter.
#pragma once

#include <string>
#include <vector>

#include "graph.h"

// The suffix that stands for an axis scale of 10^k: "K", "m", "e-18", ... ("" for 1).
std::string scale_prefix(double scale);

struct TickLabel {
  std::string text;       // the label, or the base on a logarithmic axis
  std::string exponent;   // the raised exponent; empty on a linear axis
};

// The label of the tick at axis value v (axis units).
TickLabel tick_label(const Axis &axis, const TickLabelFormat &format, double v);

// The labels of an axis in drawing order: one per labelled tick, then the one at max.
std::vector<TickLabel> tick_labels(const Axis &axis, const TickLabelFormat &format);
