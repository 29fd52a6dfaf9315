// Text blocks: their records in the graph, sizing to the text, where the text starts, their
// drawing, properties by code, and their place in copies of the graph.
#include <gtest/gtest.h>

#include <cstring>

#include "display_list.h"
#include "graph/paint.h"
#include "graph/properties.h"
#include "graph/text_block.h"

namespace {

using TextBlockTest = LaidOutGraphTest;

// The recording canvas measures 60 units a character of a 100-high font, descent 20.
TextBlock *block_with(Graph *graph, const char *text, LogicalRect box = {1000, 2000, 1000, 2000}) {
  TextBlock *b = add_text_block(graph, box, shipped_preferences());
  b->text = text;
  b->font.height = 100;
  return b;
}

TEST_F(TextBlockTest, ANewBlockTakesTheTextPreferencesAndJoinsTheEnd) {
  make_graph();
  TextBlock *first = add_text_block(graph, {10, 20, 40, 60}, shipped_preferences());
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->graph, graph);
  EXPECT_EQ(first->point_size, 18);
  EXPECT_STREQ(first->font.face_name, "Times New Roman");
  EXPECT_EQ(first->font.weight, 400);
  EXPECT_EQ(first->font.escapement, 0);
  EXPECT_FALSE(first->border);
  EXPECT_EQ(first->justification, kJustifyLeft);
  EXPECT_TRUE(first->adjust_box);
  EXPECT_EQ(first->x, 10);
  EXPECT_EQ(first->y, 20);
  EXPECT_EQ(first->cx, 30);
  EXPECT_EQ(first->cy, 40);
  TextBlock *second = add_text_block(graph, {0, 0, 0, 0}, shipped_preferences());
  TextBlock *third = add_text_block(graph, {0, 0, 0, 0}, shipped_preferences());
  EXPECT_EQ(graph->text_blocks, first);
  EXPECT_EQ(first->next, second);
  EXPECT_EQ(second->next, third);
  remove_text_block(graph, second);
  EXPECT_EQ(first->next, third);
  remove_text_block(graph, first);
  EXPECT_EQ(graph->text_blocks, third);
  remove_text_block(graph, third);
  EXPECT_EQ(graph->text_blocks, nullptr);
  EXPECT_EQ(add_text_block(nullptr, {0, 0, 0, 0}, shipped_preferences()), nullptr);
}

struct SizeRow {
  const char *name;
  const char *text;
  bool border, vertical, adjust;
  int cx, cy;                 // before
  int want_cx, want_cy;
};

TEST_F(TextBlockTest, SizeToText) {
  make_graph();
  const SizeRow rows[] = {
      {"plain", "Hello", false, false, true, 0, 0, 300, 100},
      {"border adds the descent on each side", "Hello", true, false, true, 0, 0, 340, 140},
      {"vertical exchanges width and height", "Hello", false, true, true, 0, 0, 100, 300},
      {"vertical with border", "Hello", true, true, true, 0, 0, 140, 340},
      {"adjust box shrinks a wide box", "Hi", false, false, true, 500, 300, 120, 100},
      {"without adjust box a wide box stays", "Hi", false, false, false, 500, 50, 500, 100},
      {"without adjust box the text still widens it", "Hello", false, false, false, 200, 300, 300, 300},
      {"a bordered box without adjust box keeps its size", "Hi", true, false, false, 500, 300, 500, 300},
  };
  RecordingCanvas canvas;
  for (const SizeRow &row : rows) {
    TextBlock *b = block_with(graph, row.text, {0, 0, row.cx, row.cy});
    b->border = row.border;
    b->adjust_box = row.adjust;
    if (row.vertical) b->font.escapement = b->font.orientation = 900;
    size_text_block(canvas, *b);
    EXPECT_EQ(b->cx, row.want_cx) << row.name;
    EXPECT_EQ(b->cy, row.want_cy) << row.name;
    EXPECT_EQ(b->margin, 20) << row.name;
    EXPECT_EQ(b->text_width, 60 * static_cast<int>(strlen(row.text))) << row.name;
    EXPECT_EQ(b->text_height, 100) << row.name;
    // Sizing again changes nothing.
    size_text_block(canvas, *b);
    EXPECT_EQ(b->cx, row.want_cx) << row.name << ", again";
    EXPECT_EQ(b->cy, row.want_cy) << row.name << ", again";
  }
}

TEST_F(TextBlockTest, ACanvasThatCannotMeasureLeavesTheBlock) {
  make_graph();
  TextBlock *b = block_with(graph, "Hello", {0, 0, 77, 66});
  RecordingCanvas metafile(false);
  size_text_block(metafile, *b);
  EXPECT_EQ(b->cx, 77);
  EXPECT_EQ(b->cy, 66);
}

struct OriginRow {
  const char *name;
  bool vertical;
  int justification;
  LogicalPoint at;
};

TEST_F(TextBlockTest, TextOriginByJustification) {
  make_graph();
  // Bordered, margin 20, text 300 long: horizontal box 500 x 140 at (1000, 2000), content
  // (1020, 2020) - (1480, 2120); vertical box 140 x 500, content (1020, 2020) - (1120, 2480).
  const OriginRow rows[] = {
      {"left", false, kJustifyLeft, {1020, 2020}},
      {"centre", false, kJustifyCentre, {1100, 2020}},
      {"right ends at the content's right edge", false, kJustifyRight, {1180, 2020}},
      {"vertical left starts at the bottom", true, kJustifyLeft, {1020, 2480}},
      {"vertical centre", true, kJustifyCentre, {1020, 2400}},
      {"vertical right", true, kJustifyRight, {1020, 2320}},
  };
  for (const OriginRow &row : rows) {
    TextBlock *b = block_with(graph, "Hello");
    b->border = true;
    b->margin = 20;
    b->text_width = 300;
    b->justification = row.justification;
    b->cx = row.vertical ? 140 : 500;
    b->cy = row.vertical ? 500 : 140;
    if (row.vertical) b->font.escapement = 900;
    LogicalPoint at = text_block_origin(*b);
    EXPECT_EQ(at.x, row.at.x) << row.name;
    EXPECT_EQ(at.y, row.at.y) << row.name;
  }
  TextBlock *plain = block_with(graph, "Hello");
  plain->cx = 500;
  plain->cy = 100;
  plain->text_width = 300;
  plain->justification = kJustifyRight;
  EXPECT_EQ(text_block_origin(*plain).x, 1200);   // no border: the box's own edge
}

TEST_F(TextBlockTest, DrawsBorderThenText) {
  make_graph();
  TextBlock *b = block_with(graph, "Hello", {1000, 2000, 1000, 2000});
  b->border = true;
  b->justification = kJustifyRight;
  RecordingCanvas canvas;
  size_text_block(canvas, *b);   // 340 x 140
  canvas.clear();
  draw_text_block(canvas, *b);
  std::vector<DrawRecord> lines = records_of(canvas.records(), DrawOp::kLineTo);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].points[0].x, 1339);
  EXPECT_EQ(lines[1].points[0].y, 2139);
  EXPECT_EQ(lines[2].points[0].x, 1000);
  EXPECT_EQ(lines[3].points[0].y, 2000);
  std::vector<DrawRecord> texts = records_of(canvas.records(), DrawOp::kTextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "Hello");
  EXPECT_EQ(texts[0].points[0].x, 1020);   // the text fills the content: right is left here
  EXPECT_EQ(texts[0].points[0].y, 2020);
  EXPECT_EQ(texts[0].align, static_cast<unsigned>(kAlignLeft | kAlignTop));
  EXPECT_EQ(texts[0].font.height, 100);

  b->border = false;
  canvas.clear();
  draw_text_block(canvas, *b);
  EXPECT_TRUE(records_of(canvas.records(), DrawOp::kLineTo).empty());
}

TEST_F(TextBlockTest, AtMost255CharactersAreMeasuredAndDrawn) {
  make_graph();
  TextBlock *b = block_with(graph, "");
  b->text.assign(300, 'a');
  RecordingCanvas canvas;
  size_text_block(canvas, *b);
  EXPECT_EQ(b->text_width, 255 * 60);
  canvas.clear();
  draw_text_block(canvas, *b);
  EXPECT_EQ(records_of(canvas.records(), DrawOp::kTextOut)[0].text.size(), 255u);
  EXPECT_EQ(b->text.size(), 300u);   // the text itself is kept
}

TEST_F(TextBlockTest, PropertiesByCode) {
  make_graph();
  TextBlock *b = block_with(graph, "x");
  PropertyValue v{};
  v.text = "Gain";
  EXPECT_TRUE(set_text_block_property(b, kTextBlockText, v));
  v = {};
  v.font = b->font;
  v.font.escapement = 900;
  v.point_size = 24;
  EXPECT_TRUE(set_text_block_property(b, kTextBlockFont, v));
  const int numbers[][2] = {{kTextBlockX, 11}, {kTextBlockY, 12}, {kTextBlockCx, 13}, {kTextBlockCy, 14},
                            {kTextBlockBorder, 1}, {kTextBlockJustification, 2}, {kTextBlockAdjustBox, 0}};
  for (const auto &n : numbers) EXPECT_TRUE(set_text_block_property(b, n[0], number_value(n[1]))) << n[0];
  for (const auto &n : numbers) {
    PropertyValue got{};
    ASSERT_TRUE(get_text_block_property(b, n[0], got)) << n[0];
    EXPECT_EQ(got.number, n[1]) << n[0];
  }
  PropertyValue got{};
  ASSERT_TRUE(get_text_block_property(b, kTextBlockText, got));
  EXPECT_EQ(got.text, "Gain");
  ASSERT_TRUE(get_text_block_property(b, kTextBlockFont, got));
  EXPECT_EQ(got.font.escapement, 900);
  EXPECT_EQ(got.point_size, 24);
  ASSERT_TRUE(get_text_block_property(b, kTextBlockPointSize, got));
  EXPECT_EQ(got.number, 24);

  EXPECT_FALSE(set_text_block_property(b, kTextBlockPointSize, number_value(30)));
  EXPECT_FALSE(set_text_block_property(b, kTextBlockJustification, number_value(3)));
  EXPECT_FALSE(set_text_block_property(b, kTextBlockJustification, number_value(-1)));
  EXPECT_EQ(b->justification, kJustifyRight);
  EXPECT_FALSE(set_text_block_property(b, 11, number_value(1)));
  EXPECT_FALSE(get_text_block_property(b, 0, got));
  EXPECT_FALSE(get_text_block_property(nullptr, kTextBlockX, got));
  EXPECT_FALSE(set_text_block_property(nullptr, kTextBlockX, number_value(1)));
}

TEST_F(TextBlockTest, LayoutSetsTheFontHeightFromThePointSize) {
  make_fixed_graph();
  TextBlock *b = add_text_block(graph, {0, 0, 0, 0}, shipped_preferences());
  b->point_size = 20;
  lay_out();
  EXPECT_EQ(b->font.height, 187);   // as the 20-point titles
}

TEST_F(TextBlockTest, CopiesDrawTheBlocksFirstAndTheScreenLeavesThemToTheirWindows) {
  make_fixed_graph();
  add_values({0, 10}, {0, 1}, "trace");
  TextBlock *b = add_text_block(graph, {100, 100, 100, 100}, shipped_preferences());
  b->text = "note";
  lay_out();
  RecordingCanvas copy;
  draw_copied_graph(graph, copy, {0, 0, 0}, {700, 500}, false);
  int note = text_index(copy.records(), "note");
  ASSERT_GE(note, 0);
  EXPECT_LT(note, text_index(copy.records(), "trace"));
  EXPECT_LT(note, text_index(copy.records(), "0.0"));
  RecordingCanvas screen;
  paint_graph(graph, screen, {700, 500}, false);
  EXPECT_EQ(text_index(screen.records(), "note"), -1);
}

}  // namespace
