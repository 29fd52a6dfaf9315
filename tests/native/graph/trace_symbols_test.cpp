#include <gtest/gtest.h>

#include <vector>

#include "canvas/recording_canvas.h"
#include "graph/trace_symbols.h"

namespace {

// What the canvas receives for each symbol at (100, 200) with r = 10: the drawing calls
// (brush changes left out), their first points or rectangles, and the brush of filled shapes.
struct SymbolRow {
  int index;
  std::vector<DrawOp> ops;
  LogicalPoint first;   // the first point of the first drawing call, or its rectangle's corner
  bool hollow;          // the brush in force at the first drawing call
};

const SymbolRow kRows[] = {
    {0, {DrawOp::kEllipse}, {90, 190}, false},
    {1, {DrawOp::kEllipse}, {90, 190}, true},
    {2, {DrawOp::kRectangle}, {90, 190}, false},
    {3, {DrawOp::kPolyline}, {90, 210}, false},   // no brush set: outlines only
    {4, {DrawOp::kPolygon}, {90, 210}, false},
    {5, {DrawOp::kPolyline}, {90, 210}, false},
    {6, {DrawOp::kPolygon}, {100, 210}, false},
    {7, {DrawOp::kPolyline}, {100, 210}, false},
    {8, {DrawOp::kMoveTo, DrawOp::kLineTo, DrawOp::kMoveTo, DrawOp::kLineTo}, {90, 210}, false},
    {9, {DrawOp::kMoveTo, DrawOp::kLineTo, DrawOp::kMoveTo, DrawOp::kLineTo, DrawOp::kPolyline},
     {90, 210}, false},
    {10, {DrawOp::kMoveTo, DrawOp::kLineTo, DrawOp::kMoveTo, DrawOp::kLineTo}, {100, 190}, false},
    {11, {DrawOp::kMoveTo, DrawOp::kLineTo, DrawOp::kMoveTo, DrawOp::kLineTo, DrawOp::kMoveTo,
          DrawOp::kLineTo, DrawOp::kMoveTo, DrawOp::kLineTo},
     {100, 190}, false},
    {12, {}, {0, 0}, false},
    {-1, {}, {0, 0}, false},
};

TEST(TraceSymbols, TheTwelveSymbolsThroughTheCanvas) {
  for (const SymbolRow &row : kRows) {
    RecordingCanvas canvas;
    draw_symbol(canvas, row.index, {100, 200}, 10, {0, 0, 255});
    std::vector<DrawRecord> drawn;
    for (const DrawRecord &r : canvas.records())
      if (r.op != DrawOp::kSetBrush) drawn.push_back(r);
    ASSERT_EQ(drawn.size(), row.ops.size()) << row.index;
    for (size_t i = 0; i < drawn.size(); i++) EXPECT_EQ(drawn[i].op, row.ops[i]) << row.index;
    if (drawn.empty()) continue;
    const DrawRecord &first = drawn[0];
    bool rect = first.op == DrawOp::kEllipse || first.op == DrawOp::kRectangle;
    EXPECT_EQ(rect ? first.rect.left : first.points[0].x, row.first.x) << row.index;
    EXPECT_EQ(rect ? first.rect.top : first.points[0].y, row.first.y) << row.index;
    EXPECT_EQ(first.brush.hollow, row.hollow) << row.index;
    if (!row.hollow && (rect || first.op == DrawOp::kPolygon)) {
      EXPECT_EQ(first.brush.colour.blue, 255) << row.index;
    }
  }
}

TEST(TraceSymbols, CrossEndsReachOnePastTheCorner) {
  RecordingCanvas canvas;
  draw_symbol(canvas, 8, {100, 200}, 10, {0, 0, 0});
  const std::vector<DrawRecord> &r = canvas.records();
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[1].points[0].x, 111);
  EXPECT_EQ(r[1].points[0].y, 189);
  EXPECT_EQ(r[3].points[0].x, 111);
  EXPECT_EQ(r[3].points[0].y, 211);
}

}  // namespace
