// The benchmarks' graph: one solid trace of the noisy sweep, scaled to its data, with the
// fonts and tic marks the graph window takes from the default preferences.
#pragma once

#include "graph/graph.h"

// A linear graph of `count` points, released by destroy_graph; none without memory.
Graph *sweep_graph(int count);
