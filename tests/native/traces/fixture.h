// What the trace tests share: result files written with the sample writer and loaded as the
// program loads them (again, after the "simulator" rewrote them), the graph resources, a
// graph over the current plot, and the recording user interface.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expr/expression_ptr.h"
#include "graph/graph.h"
#include "result_writer.h"
#include "support/fake_ui.h"

// Unit indices of the result file.
enum { kVoltage = 0, kCurrent = 1, kTime = 2, kFrequency = 3 };

// t = 0, 1, 2, 3 with v(a) = 2t - 1 (V), v(b) = t^2 (V), i(c) = t / 4 (A), tt = 10 t (sec),
// each shifted by `offset` (time excepted).
SamplePlot ramp_plot(double offset = 0.0);
// A real plot with these variables and point-major values.
SamplePlot real_plot(const std::vector<SampleVariable> &variables, const std::vector<double> &values);

class TracesTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes the plots to this test's result file, always the same path, and loads it; the
  // last plot is current. What the interface recorded so far is cleared.
  void load(const std::vector<SamplePlot> &plots);
  void load(const SamplePlot &plot) { load(std::vector<SamplePlot>{plot}); }

  // Parsed over the current plot with the units the builder gives; fails the test otherwise.
  std::vector<ExpressionPtr> expressions(const std::vector<std::string> &texts);
  // A graph over the current plot, owned by the test, as New Plot creates it.
  Graph *new_graph(int x_base = 1, int y_base = 1);

  std::vector<Trace *> traces() const;
  static std::vector<double> x_values(const Trace *t);
  static std::vector<double> y_values(const Trace *t);
  std::vector<std::string> message_texts() const;

  FakeUi ui;
  GraphPreferences preferences;
  Graph *graph = nullptr;
  std::string path;
  int owner_tag = 0;
  WindowHandle owner = &owner_tag;   // the graph window
};
