// The vector types of ngspice raw files and the unit each stands for. Types whose quantity
// has no unit here (V/sqrt(Hz) densities, impedance, charge, s-parameters, roots) are "none"
// rather than a near miss: a wrong unit would mislabel every axis and table drawn from it.
//
// Only the transient code changes what the program shows (the statistics layout); the codes
// of the other analyses are those the simulator itself writes, 0 where it writes none.
#include "raw_vectors.h"

#include "../base/ascii.h"
#include "plot_codes.h"
#include "statistics_lines.h"
#include "units.h"

namespace {

struct TypeUnit {
  const char *type;
  int unit_index;
};

const TypeUnit kTypeUnits[] = {
    {"voltage", 0},
    {"current", 1},
    {"time", 2},
    {"frequency", 3},
    {"temperature", 4},
    {"temp-sweep", 4},
    {"admittance", 5},
    {"capacitance", 6},
    {"power", 7},
    {"voltage^2", 8},
    {"current^2", 9},
    {"voltage^2-density", 10},
    {"current^2-density", 11},
    {"phase", 12},
    {"decibel", 13},
};

struct PlotCodes {
  const char *plot_name;
  int kind;
  int analysis_code;
};

const PlotCodes kPlotCodes[] = {
    {"Operating Point", kPlotSinglePoint, 0},
    {"AC Analysis", kPlotVector, 1},
    {"Transient Analysis", kPlotVector, kTransientAnalysisCode},
    {"Pole-Zero Analysis", kPlotPoleZero, 6},
};

const PlotCodes *codes_for(const std::string &plot_name) {
  for (const PlotCodes &c : kPlotCodes)
    if (equal_ignoring_case(plot_name, c.plot_name)) return &c;
  return nullptr;
}

// The root without a "v(...)" wrapper.
std::string bare_root(const std::string &name) {
  if (name.size() > 3 && (name[0] == 'v' || name[0] == 'V') && name[1] == '(' && name.back() == ')')
    return name.substr(2, name.size() - 3);
  return name;
}

}  // namespace

int raw_unit_index(const std::string &type) {
  for (const TypeUnit &t : kTypeUnits)
    if (equal_ignoring_case(type, t.type)) return t.unit_index;
  return kUnitNone;
}

int raw_plot_kind(const std::string &plot_name) {
  const PlotCodes *c = codes_for(plot_name);
  return c ? c->kind : kPlotVector;
}

int raw_analysis_code(const std::string &plot_name) {
  const PlotCodes *c = codes_for(plot_name);
  return c ? c->analysis_code : 0;
}

bool raw_root_is_zero(const std::string &name) {
  return starts_with_ignoring_case(bare_root(name).c_str(), "zero");
}

std::string raw_root_name(const std::string &name) {
  std::string bare = bare_root(name);
  if (starts_with_ignoring_case(bare.c_str(), "zero") || starts_with_ignoring_case(bare.c_str(), "pole"))
    return "v(" + bare + ")";
  return name;
}
