// The value functions of direct plots: one variable's (re, im) at one point to a trace value.
// They never fail and show nothing.
#pragma once

enum DirectMode {
  kDirectReal = 0,
  kDirectMagnitude = 1,
  kDirectDb = 2,
  kDirectPhase = 3,
};

// The mode a link command's function name selects: empty 0, "mag" 1, "db" 2, any other 3.
int direct_plot_mode(const char *function_name);

double direct_real(double re, double im);
double direct_magnitude(double re, double im);
// 20 log10 of the magnitude, with the machine epsilon as the floor of a zero magnitude.
double direct_db(double re, double im);
double direct_phase(double re, double im);
double direct_value(int mode, double re, double im);
