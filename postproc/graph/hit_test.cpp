// The hit test.
#include "hit_test.h"

bool contains(const LogicalRect &r, LogicalPoint p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

int hit_test(const Graph &graph, LogicalPoint p) {
  const struct {
    const LogicalRect &region;
    int code;
  } order[] = {
      {graph.x_band, kHitXAxis},
      {graph.y_band, kHitYAxis},
      {graph.geometry[0].label_region, kHitXLabels},
      {graph.geometry[1].label_region, kHitYLabels},
      {graph.plot, kHitPlot},
      {graph.geometry[0].title_region, kHitXTitle},
      {graph.geometry[1].title_region, kHitYTitle},
  };
  for (const auto &entry : order)
    if (contains(entry.region, p)) return entry.code;
  return kHitNone;
}
