// Measurements of a sampled curve over a span of x: extremes, integral, mean and RMS, taken
// as a simulator's own measurement commands take them.
#pragma once

struct SpanMeasures {
  int count;            // values measured: points in the span and interpolated ends; 0 when
                        // the span misses the curve, and then the rest is zero
  double width;         // of the x the curve covers within the span
  double integral;      // trapezoidal, of y over x
  double minimum, maximum;
  double mean, rms;     // integral of y (of y squared) over the width, the curve linear
                        // between its points
  double peak_to_peak;
};

// The curve (x[i], y[i]), i < count, linear between its points, measured between x1 and x2
// (either order, both ends included). Values must be numbers.
SpanMeasures measure_span(const double *x, const double *y, int count, double x1, double x2);
