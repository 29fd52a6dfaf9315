// A whole evaluation run over the current plot, a block of points at a time.
#pragma once

#include "expression.h"

// Points per block of evaluate_over_current_plot: large enough that the per-token work is
// spread over many points, small enough that a block's columns stay in the cache.
const int kEvaluationBlockPoints = 512;

// The run evaluate_over_current_plot makes, with blocks of at most `block_points` points
// (fewer for an Expression of very many tokens): the same values, failing point, messages
// and warnings as evaluating every point in turn with evaluate_real_point or
// evaluate_complex_point.
bool evaluate_run_in_blocks(Expression *expression, const double *abscissa, double *values,
                            int block_points);

// How the blocks of the last run were evaluated: all points of a block at once, or point by
// point (a block where the run fails, or one the block path does not take).
struct BlockRunCounts {
  int whole_blocks;
  int point_blocks;
};
BlockRunCounts last_block_run_counts();
