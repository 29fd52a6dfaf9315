// Tick-label texts: the scale-factor suffix, the three notations and the base with its
// exponent on logarithmic axes. Every number goes through the three-digit-exponent formatter.
#pragma once

#include <string>
#include <vector>

#include "graph.h"

// The digits a tick label may have, as the format dialogs and the graph file allow them.
const int kMaxLabelDigits = 20;

// The suffix that stands for an axis scale of 10^k: "K", "m", "e-18", ... ("" for 1).
std::string scale_prefix(double scale);

struct TickLabel {
  std::string text;       // the label, or the base on a logarithmic axis
  std::string exponent;   // the raised exponent; empty on a linear axis
};

// The label of the tick at axis value v (axis units).
TickLabel tick_label(const Axis &axis, const TickLabelFormat &format, double v);

// The digits an axis's labels are drawn with: the format's own, or, where two neighbouring
// labels would read the same, as many more as it takes to tell every pair apart (at most 15).
int drawn_label_digits(const Axis &axis, const TickLabelFormat &format);

// The labels of an axis in drawing order, with the drawn digits: one per labelled tick, then
// the one at max.
std::vector<TickLabel> tick_labels(const Axis &axis, const TickLabelFormat &format);
