// What the headers of an ngspice raw file mean in the terms of a result file: the unit of a
// vector type, the kind and analysis code of a plot name, the names of pole-zero roots.
#pragma once

#include <string>

// The unit index a vector type names (matched ignoring case); 14 ("none") for the rest.
int raw_unit_index(const std::string &type);

// The plot kind and analysis code a plot name stands for.
int raw_plot_kind(const std::string &plot_name);
int raw_analysis_code(const std::string &plot_name);

// Whether a pole-zero root's name is a zero's ("zero(1)", "v(zero(1))"); the rest are poles.
bool raw_root_is_zero(const std::string &name);
// The name a root is kept under: "v(pole(1))" or "v(zero(2))" whether the file wrote it bare
// or wrapped, so that its third character tells poles from zeros; other names stay as they are.
std::string raw_root_name(const std::string &name);
