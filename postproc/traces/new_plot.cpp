// New Plot and Overlay Plot share one batch: warnings cleared, "Evaluating Trace Data, Please
// Wait..." on the status bar, the traces, the status bar back, the data ranges, the warnings.
// They differ in where the running ranges start and in how the y unit is decided.
#include "new_plot.h"

#include "../base/ascii.h"
#include "../base/status.h"
#include "../data/plot_model.h"
#include "../expr/evaluate.h"
#include "../graph/axis.h"
#include "expression_traces.h"
#include "plot_graph.h"

namespace {

struct Batch {
  RunningRange x, y;
  BatchOutcome outcome;
};

// The previous message comes back; "Data File: " with the name of the file again.
void restore_status(int previous) {
  if (previous < 0) return;
  std::string name = current_file_name();
  set_status(previous, previous == kStatusDataFile ? name.c_str() : nullptr);
}

Batch run_batch(Graph *graph, std::string &title, std::vector<ExpressionPtr> &expressions,
                const std::vector<std::string> &legends, const GraphPreferences &preferences,
                RunningRange x, RunningRange y) {
  clear_evaluation_warnings();
  int previous = set_status(kStatusEvaluating);
  int before = graph->trace_counter;
  bool ok = add_expression_traces(graph, title, expressions, legends, x, y, preferences);
  restore_status(previous);
  return {x, y, {ok, graph->trace_counter - before}};
}

void finish(Graph *graph, const Batch &batch) {
  apply_data_range(graph, 0, batch.x);
  apply_data_range(graph, 1, batch.y);
  show_evaluation_warnings(graph->owner);
}

}  // namespace

BatchOutcome new_plot(Graph *graph, std::string &title, std::vector<ExpressionPtr> &expressions,
                      const std::vector<std::string> &legends,
                      const GraphPreferences &preferences) {
  Batch batch = run_batch(graph, title, expressions, legends, preferences,
                          empty_running_range(), empty_running_range());
  set_title_unit(graph, 0, variable_unit_symbol(0));
  set_title_unit(graph, 1, common_y_unit(graph));
  finish(graph, batch);
  return batch.outcome;
}

BatchOutcome overlay_plot(Graph *graph, std::string &title,
                          std::vector<ExpressionPtr> &expressions,
                          const std::vector<std::string> &legends,
                          const GraphPreferences &preferences) {
  DataRange x = data_range(graph, 0), y = data_range(graph, 1);
  Batch batch = run_batch(graph, title, expressions, legends, preferences, {x.min, x.max},
                          {y.min, y.max});
  if (!equal_ignoring_case(title_unit(graph, 1), common_y_unit(graph)))
    set_title_unit(graph, 1, "");
  finish(graph, batch);
  return batch.outcome;
}
