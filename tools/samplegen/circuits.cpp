// Closed-form sample circuits.
#include "circuits.h"

#include <cmath>
#include <complex>

namespace {

const double kPi = 3.14159265358979323846;
const int kVoltage = 0, kCurrent = 1, kTime = 2, kFrequency = 3, kPower = 7;

double tau() { return kFilterR * kFilterC; }

void fill_statistics(SamplePlot &p, int points, bool transient) {
  p.counters[0] = 3 * points + 17;
  p.counters[1] = transient ? 3 * points : 0;
  p.counters[2] = 1;
  p.counters[3] = transient ? points + 12 : 0;
  p.counters[4] = transient ? points : 0;
  p.counters[5] = transient ? 12 : 0;
  const double t[8] = {0.125, transient ? 0.1 : 0.0, 0.0625, 1.5e-05, 2.5e-03, 0.0,
                       transient ? 1.25e-05 : 0.0, transient ? 2e-03 : 0.0};
  for (int i = 0; i < 8; i++) p.times[i] = t[i];
}

}  // namespace

double filter_output(double t) {
  double w = 2 * kPi * kDriveFrequency, wt = w * tau();
  return (std::sin(w * t) - wt * std::cos(w * t) + wt * std::exp(-t / tau())) / (1 + wt * wt);
}

SamplePlot filter_transient(int points) {
  SamplePlot p;
  p.circuit_title = "RC low-pass filter, 1 kHz corner";
  p.simulation_date = "Tue Dec  8 10:15:00 2026";
  p.plot_name = "Transient Analysis";
  p.analysis_code = 4;
  p.plot_kind = 1;
  p.variables = {{"time", kTime},    {"v(in)", kVoltage}, {"v(out)", kVoltage},
                 {"i(vin)", kCurrent}, {"i(r1)", kCurrent}, {"p(r1)", kPower}};
  p.point_count = points;
  fill_statistics(p, points, true);
  double end = 5e-3;
  for (int i = 0; i < points; i++) {
    double t = end * i / (points - 1);
    double vin = std::sin(2 * kPi * kDriveFrequency * t), vout = filter_output(t);
    double ir = (vin - vout) / kFilterR;
    double row[] = {t, vin, vout, -ir, ir, ir * ir * kFilterR};
    p.real.insert(p.real.end(), row, row + 6);
  }
  return p;
}

SamplePlot filter_ac_sweep() {
  SamplePlot p;
  p.circuit_title = "RC low-pass filter, 1 kHz corner";
  p.simulation_date = "Tue Dec  8 10:16:00 2026";
  p.plot_name = "AC Analysis";
  p.number_type = 8;
  p.analysis_code = 1;
  p.plot_kind = 1;
  p.variables = {{"frequency", kFrequency}, {"v(in)", kVoltage}, {"v(out)", kVoltage},
                 {"i(vin)", kCurrent}};
  p.point_count = 101;
  fill_statistics(p, 101, false);
  for (int i = 0; i < p.point_count; i++) {
    double f = 10.0 * std::pow(10.0, i / 20.0);
    std::complex<double> vin(1, 0), vout = 1.0 / std::complex<double>(1, 2 * kPi * f * tau());
    std::complex<double> ivin = -(vin - vout) / kFilterR;
    double re[] = {f, vin.real(), vout.real(), ivin.real()};
    double im[] = {0, vin.imag(), vout.imag(), ivin.imag()};
    p.real.insert(p.real.end(), re, re + 4);
    p.imag.insert(p.imag.end(), im, im + 4);
  }
  return p;
}

SamplePlot divider_operating_point() {
  SamplePlot p;
  p.circuit_title = "Resistive divider from 5 V";
  p.simulation_date = "Tue Dec  8 10:14:00 2026";
  p.plot_name = "Operating Point";
  p.analysis_code = 0;
  p.plot_kind = 0;
  p.variables = {{"v(1)", kVoltage}, {"v(2)", kVoltage}, {"i(vdd)", kCurrent}, {"p(r1)", kPower}};
  p.point_count = 1;
  fill_statistics(p, 1, false);
  // 5 V across 1 kOhm + 1 kOhm: 2.5 V at the middle, 2.5 mA from the source.
  p.real = {5.0, 2.5, -2.5e-3, 6.25e-3};
  return p;
}

SamplePlot section_pole_zero() {
  SamplePlot p;
  p.circuit_title = "Second-order section";
  p.simulation_date = "Tue Dec  8 10:17:00 2026";
  p.plot_name = "Pole-Zero Analysis";
  p.number_type = 8;
  p.analysis_code = 6;
  p.plot_kind = 2;
  // Root names share their third character within a group: 'p' for the poles.
  p.variables = {{"r(p1)", kFrequency}, {"r(p2)", kFrequency}, {"r(z1)", kFrequency}};
  p.point_count = 1;
  fill_statistics(p, 1, false);
  // Poles at -500 +/- j866 Hz (a 1 kHz pair with Q = 1), a zero at -2 kHz.
  p.real = {-500.0, -500.0, -2000.0};
  p.imag = {866.0254037844386, -866.0254037844386, 0.0};
  return p;
}
