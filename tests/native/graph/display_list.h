// What the layout and paint tests share: a graph with fixed ranges laid out on a recording
// canvas, and look-ups in display lists.
#pragma once

#include <string>
#include <vector>

#include "canvas/recording_canvas.h"
#include "graph_fixture.h"

// The records of one kind, in order.
std::vector<DrawRecord> records_of(const std::vector<DrawRecord> &records, DrawOp op);
// The position of the first text_out of `text` at or after `from`; -1 when there is none.
int text_index(const std::vector<DrawRecord> &records, const std::string &text, int from = 0);
// The position of the first record of `op` at or after `from`; -1 when there is none.
int op_index(const std::vector<DrawRecord> &records, DrawOp op, int from = 0);

// x 0 .. 10 by 2 and y -1 .. 1 by 0.5, both linear with scale 1 (labels 0.0 .. 10.0 and
// -1.0 .. 1.0 in the shipped digits, 1).
class LaidOutGraphTest : public GraphTest {
 protected:
  Graph *make_fixed_graph();
  // A trace with copies of the given values; the graph owns them.
  Trace *add_values(const std::vector<double> &x, const std::vector<double> &y,
                    const std::string &legend, int line_style = 0);
  // The screen at 96 dots per inch.
  void lay_out(TextSize client = {700, 500});

  RecordingCanvas canvas;
};
