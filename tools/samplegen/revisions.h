// A result file as the simulator writes it again after the circuit changed: the same plots
// with other values, a variable fewer, or a plot fewer. Tests of reload write the first
// version, build graphs over it, write the revision to the same path and load it again.
#pragma once

#include <cstddef>
#include <vector>

#include "result_writer.h"

// Every value of the plot times `factor` (imaginary parts too), variable 0 left as it was.
SamplePlot with_scaled_values(const SamplePlot &plot, double factor);
// The plot without variable `index`: its column of values is gone, the later ones move up.
SamplePlot without_variable(const SamplePlot &plot, size_t index);
// Value (re, im) of `variable` at `point`; im only counts in a complex plot.
SamplePlot with_value(const SamplePlot &plot, size_t point, size_t variable, double re,
                      double im = 0.0);
// The plots without plot `index`.
std::vector<SamplePlot> without_plot(const std::vector<SamplePlot> &plots, size_t index);
