#include "revisions.h"

namespace {

// Drops column `index` of point-major rows of `width` values.
std::vector<double> without_column(const std::vector<double> &rows, size_t width, size_t index) {
  std::vector<double> out;
  for (size_t i = 0; i < rows.size(); i++)
    if (i % width != index) out.push_back(rows[i]);
  return out;
}

}  // namespace

SamplePlot with_scaled_values(const SamplePlot &plot, double factor) {
  SamplePlot p = plot;
  size_t width = p.variables.size();
  for (size_t i = 0; i < p.real.size(); i++)
    if (i % width != 0) p.real[i] *= factor;
  for (size_t i = 0; i < p.imag.size(); i++)
    if (i % width != 0) p.imag[i] *= factor;
  return p;
}

SamplePlot without_variable(const SamplePlot &plot, size_t index) {
  SamplePlot p = plot;
  size_t width = p.variables.size();
  if (index >= width) return p;
  p.variables.erase(p.variables.begin() + static_cast<std::ptrdiff_t>(index));
  p.real = without_column(plot.real, width, index);
  if (!p.imag.empty()) p.imag = without_column(plot.imag, width, index);
  return p;
}

SamplePlot with_value(const SamplePlot &plot, size_t point, size_t variable, double re,
                      double im) {
  SamplePlot p = plot;
  size_t at = point * p.variables.size() + variable;
  if (at < p.real.size()) p.real[at] = re;
  if (at < p.imag.size()) p.imag[at] = im;
  return p;
}

std::vector<SamplePlot> without_plot(const std::vector<SamplePlot> &plots, size_t index) {
  std::vector<SamplePlot> out = plots;
  if (index < out.size()) out.erase(out.begin() + static_cast<std::ptrdiff_t>(index));
  return out;
}
