// Any bytes as an experimental data file. Whatever they hold, the reader must not crash, leak
// or reach undefined behaviour, and what comes out must hang together: a refused file leaves
// the graph as it was; an accepted one adds M traces of N finite points inside the new ranges.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "graph/axis.h"
#include "graph/graph.h"
#include "graph/resources.h"
#include "graph/scaling.h"
#include "graph/graph.h"
#include "shell/settings.h"
#include "traces/experimental.h"

namespace {

void check(bool condition, const char *what) {
  if (!condition) {
    fprintf(stderr, "fuzz_experimental_data: %s\n", what);
    abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size) {
  static bool ready = [] {
    create_graph_resources({212, 208, 200}, nullptr);
    return true;
  }();
  (void)ready;
  std::string file(reinterpret_cast<const char *>(bytes), size);
  int r = check_experimental_line_ends(file);
  check(r >= 0 && r <= 3 && r != 1, "line-end check result");
  ExperimentalData data{};
  if (r == kExperimentalDone) r = parse_experimental_data(file, data);
  if (r != kExperimentalDone) {
    check(r == kExperimentalReadError || r == kExperimentalLineEnds, "unexpected result");
    check(data.names.empty() && data.values.empty(), "a refused file kept data");
    return 0;
  }
  const size_t m = data.names.size();
  check(data.point_count >= 1 && m >= 1, "counts below 1");
  check(data.values.size() == static_cast<size_t>(data.point_count) * (m + 1), "values miscounted");
  for (const std::string &name : data.names)
    check(name.size() <= kExperimentalNameLimit && name.find('\n') == std::string::npos, "name");

  GraphPreferences preferences = default_graph_preferences();
  Graph *graph = create_graph(nullptr, "x", "", "", 1, 1, preferences);
  if (!graph) return 0;
  set_data_range(graph, 0, -1, 1);
  set_data_range(graph, 1, -1, 1);
  std::string title = "graph ";
  check(add_experimental_traces(graph, data, title, preferences) == kExperimentalDone, "add failed");
  check(title.size() <= kExperimentalTitleLimit, "title too long");
  size_t count = 0;
  DataRange x = data_range(graph, 0), y = data_range(graph, 1);
  for (const Trace *t = graph->head->next; t; t = t->next, count++) {
    check(t->point_count == data.point_count && t->kind == 1 && t->colour_index == 11, "trace");
    for (int i = 0; i < t->point_count; i++) {
      check(std::isfinite(t->x_values[i]) && std::isfinite(t->y_values[i]), "non-finite value");
      check(t->x_values[i] >= x.min && t->x_values[i] <= x.max, "x outside its range");
      check(t->y_values[i] >= y.min && t->y_values[i] <= y.max, "y outside its range");
    }
  }
  check(count == m, "a trace per name");
  destroy_graph(graph);
  return 0;
}
