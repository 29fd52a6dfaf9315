// What the graph tests share: the resources block, a graph with the shipped preferences, and
// a count of the expressions the graph frees.
#pragma once

#include <gtest/gtest.h>

#include "graph/graph.h"
#include "support/fake_ui.h"

GraphPreferences shipped_preferences();

class GraphTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A linear graph titled "Time" in s over "V", with both axes linear unless asked; it
  // replaces (and frees) the one made before.
  Graph *make_graph(int x_base = 1, int y_base = 1);

  FakeUi ui;
  Graph *graph = nullptr;
  static int freed_expressions;
  static void count_freed(Expression *expression);
};

// A value array of n copies of `value`, as a trace takes it.
double *filled_values(int n, double value);
