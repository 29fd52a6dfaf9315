#include "graph_fixture.h"

#include "graph/resources.h"

int GraphTest::freed_expressions = 0;

GraphPreferences shipped_preferences() {
  GraphPreferences p;
  p.x_title_face = p.y_title_face = p.legend_face = "Times New Roman";
  p.x_label_face = p.y_label_face = "Arial";
  p.x_title_size = p.y_title_size = 20;
  p.x_label_size = p.y_label_size = 18;
  p.legend_size = 18;
  p.graph_digits = 1;
  p.tic_marks = 3;
  return p;
}

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
  graph = create_graph(nullptr, "Time", "s", "V", x_base, y_base, shipped_preferences());
  return graph;
}

double *filled_values(int n, double value) {
  double *values = new double[n];
  for (int i = 0; i < n; i++) values[i] = value;
  return values;
}
