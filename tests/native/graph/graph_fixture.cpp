#include "graph_fixture.h"

#include "graph/resources.h"
#include "graph/graph.h"

int GraphTest::freed_expressions = 0;

GraphPreferences shipped_preferences() { return default_graph_preferences(); }

void GraphTest::count_freed(Expression *) { freed_expressions++; }

void GraphTest::SetUp() {
  freed_expressions = 0;
  create_graph_resources({212, 208, 200}, count_freed);
}

void GraphTest::TearDown() {
  destroy_graph(graph);
  destroy_graph_resources();
}

Graph *GraphTest::make_graph(int x_base, int y_base) {
  destroy_graph(graph);   // a test that makes one graph per row keeps only the last
  graph = create_graph(nullptr, "Time", "s", "V", x_base, y_base, shipped_preferences());
  return graph;
}

double *filled_values(int n, double value) {
  double *values = new double[n];
  for (int i = 0; i < n; i++) values[i] = value;
  return values;
}
