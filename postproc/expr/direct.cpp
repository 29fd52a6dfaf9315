// Direct-plot value functions. Unlike the expression function db, the direct db never
// fails: a zero magnitude is taken as the machine epsilon.
#include "direct.h"

#include <cmath>
#include <cstring>

namespace {

const double kPi = 3.141592653589793;
const double kMachineEpsilon = 2.220446049250313e-16;

}  // namespace

int direct_plot_mode(const char *name) {
  if (!name || !*name) return kDirectReal;
  if (strcmp(name, "mag") == 0) return kDirectMagnitude;
  if (strcmp(name, "db") == 0) return kDirectDb;
  return kDirectPhase;
}

double direct_real(double re, double) { return re; }

double direct_magnitude(double re, double im) { return std::sqrt(re * re + im * im); }

double direct_db(double re, double im) {
  double m = std::sqrt(re * re + im * im);
  return 20.0 * std::log10(m > 0 ? m : kMachineEpsilon);
}

double direct_phase(double re, double im) { return std::atan2(im, re) * 180.0 / kPi; }

double direct_value(int mode, double re, double im) {
  switch (mode) {
    case kDirectReal: return direct_real(re, im);
    case kDirectMagnitude: return direct_magnitude(re, im);
    case kDirectDb: return direct_db(re, im);
    default: return direct_phase(re, im);
  }
}
