// The bundled sample results, computed from closed-form responses of small circuits so that
// tests know every value they contain.
//
// The filter is a first-order RC low-pass, R = 1 kOhm and C = 159.155 nF (corner 1 kHz),
// driven by a 1 V, 1 kHz sine that starts at t = 0.
#pragma once

#include <vector>

#include "result_writer.h"

const double kFilterR = 1000.0;
const double kFilterC = 159.155e-9;
const double kDriveFrequency = 1000.0;

// The filter's output at time t for the sine drive, transient included.
double filter_output(double t);

// Transient of the filter: time, v(in), v(out), i(vin), i(r1), p(r1); `points` points over
// 5 ms; analysis code 4.
SamplePlot filter_transient(int points);
// AC sweep of the filter, 10 Hz to 1 MHz at 20 points a decade (101 points), complex:
// frequency, v(in), v(out), i(vin).
SamplePlot filter_ac_sweep();
// Operating point of a resistive divider from 5 V: one point, kind 0.
SamplePlot divider_operating_point();
// Pole-zero result of a second-order section: two poles, one zero; kind 2, complex.
SamplePlot section_pole_zero();
