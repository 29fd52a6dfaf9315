#include <gtest/gtest.h>

#include <cstring>

#include "canvas/recording_canvas.h"

namespace {

LogicalFont font_of_height(int height) {
  LogicalFont font{};
  font.height = height;
  std::strcpy(font.face_name, "Arial");
  return font;
}

TEST(RecordingCanvas, MeasuresByTheDocumentedRule) {
  RecordingCanvas canvas;
  canvas.set_font(font_of_height(168));
  // 6 * 168 * 4 / 10 = 403.2, truncated.
  TextSize four = canvas.text_extent("-1.0");
  EXPECT_EQ(four.width, 403);
  EXPECT_EQ(four.height, 168);
  EXPECT_EQ(canvas.text_extent("").width, 0);
  EXPECT_EQ(canvas.text_descent(), 33);
  canvas.set_font(font_of_height(-20));   // a character height counts as its size
  EXPECT_EQ(canvas.text_extent("ab").width, 24);
  EXPECT_EQ(canvas.text_extent("ab").height, 20);
}

TEST(RecordingCanvas, NotMeasuringAnswersNothingLikeAMetafile) {
  RecordingCanvas canvas(false);
  canvas.set_font(font_of_height(168));
  EXPECT_EQ(canvas.text_extent("X").width, 0);
  EXPECT_EQ(canvas.text_extent("X").height, 0);
  EXPECT_EQ(canvas.text_descent(), 0);
}

TEST(RecordingCanvas, RecordsEveryCallInOrderWithTheStateInForce) {
  RecordingCanvas canvas;
  canvas.set_pen({kPenDash, 3, {1, 2, 3}});
  canvas.move_to({1, 2});
  canvas.set_brush({true, {9, 9, 9}});
  canvas.set_text_align(kAlignCenter | kAlignTop);
  canvas.text_out({5, 6}, "label");
  LogicalPoint points[] = {{0, 0}, {10, 0}, {10, 10}};
  canvas.polyline(points, 3);
  canvas.fill_rect({1, 2, 3, 4}, {128, 128, 128});
  canvas.intersect_clip({7, 8, 9, 10});
  canvas.reset_clip();

  const std::vector<DrawRecord> &r = canvas.records();
  ASSERT_EQ(r.size(), 9u);
  EXPECT_EQ(r[0].op, DrawOp::kSetPen);
  EXPECT_EQ(r[0].pen.style, kPenDash);
  EXPECT_EQ(r[1].op, DrawOp::kMoveTo);
  EXPECT_EQ(r[1].points[0].x, 1);
  EXPECT_EQ(r[1].points[0].y, 2);
  EXPECT_EQ(r[1].pen.width, 3);            // the pen in force
  EXPECT_FALSE(r[1].brush.hollow);         // no brush set yet
  EXPECT_EQ(r[4].op, DrawOp::kTextOut);
  EXPECT_EQ(r[4].text, "label");
  EXPECT_EQ(r[4].align, unsigned{kAlignCenter});
  EXPECT_TRUE(r[4].brush.hollow);
  EXPECT_EQ(r[5].op, DrawOp::kPolyline);
  ASSERT_EQ(r[5].points.size(), 3u);
  EXPECT_EQ(r[5].points[2].y, 10);
  EXPECT_EQ(r[6].op, DrawOp::kFillRect);
  EXPECT_EQ(r[6].colour.red, 128);
  EXPECT_EQ(r[6].rect.bottom, 4);
  EXPECT_EQ(r[7].op, DrawOp::kIntersectClip);
  EXPECT_EQ(r[7].rect.left, 7);
  EXPECT_EQ(r[8].op, DrawOp::kResetClip);
}

}  // namespace
