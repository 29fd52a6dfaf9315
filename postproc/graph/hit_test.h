// Which part of a laid-out graph a point lies in, from the rectangles the layout and the
// last paint keep (axis bands, label and title regions, plot rectangle).
#pragma once

#include "graph.h"
#include "symbols.h"

enum HitCode {
  kHitNone = 0,
  kHitXAxis = 1,
  kHitYAxis = 2,
  kHitXLabels = 3,
  kHitYLabels = 4,
  kHitXTitle = 5,
  kHitYTitle = 6,
  kHitPlot = 7,
};

// Whether `p` lies in `r`: left and top edges inside, right and bottom outside.
bool contains(const LogicalRect &r, LogicalPoint p);

// The code of the first region containing the logical point, tested in the order x band,
// y band, x labels, y labels, plot rectangle, x title, y title: the bands overlap the plot
// rectangle's edges, so a point on an edge counts as the axis.
int hit_test(const Graph &graph, LogicalPoint p);
