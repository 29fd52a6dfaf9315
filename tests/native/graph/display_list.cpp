#include "display_list.h"

#include "graph/layout.h"

std::vector<DrawRecord> records_of(const std::vector<DrawRecord> &records, DrawOp op) {
  std::vector<DrawRecord> found;
  for (const DrawRecord &r : records)
    if (r.op == op) found.push_back(r);
  return found;
}

int text_index(const std::vector<DrawRecord> &records, const std::string &text, int from) {
  for (int i = from; i < static_cast<int>(records.size()); i++)
    if (records[i].op == DrawOp::kTextOut && records[i].text == text) return i;
  return -1;
}

int op_index(const std::vector<DrawRecord> &records, DrawOp op, int from) {
  for (int i = from; i < static_cast<int>(records.size()); i++)
    if (records[i].op == op) return i;
  return -1;
}

Graph *LaidOutGraphTest::make_fixed_graph() {
  make_graph();
  Axis &x = graph->axes[0];
  x.min = 0, x.max = 10, x.increment = 2, x.scale = 1;
  Axis &y = graph->axes[1];
  y.min = -1, y.max = 1, y.increment = 0.5, y.scale = 1;
  return graph;
}

Trace *LaidOutGraphTest::add_values(const std::vector<double> &x, const std::vector<double> &y,
                                    const std::string &legend, int line_style) {
  int n = static_cast<int>(x.size());
  double *xs = new double[n], *ys = new double[n];
  for (int i = 0; i < n; i++) xs[i] = x[i], ys[i] = y[i];
  return add_trace(graph, 0, 2, line_style, 1, legend, n, 0, xs, ys, shipped_preferences());
}

void LaidOutGraphTest::lay_out(TextSize client) {
  layout_graph(graph, canvas, {client, 96, nullptr});
}
