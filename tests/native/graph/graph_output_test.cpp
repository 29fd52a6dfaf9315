// Legend labels, the Copy Graph picture and printing.
#include <gtest/gtest.h>

#include "display_list.h"
#include "graph/layout.h"
#include "graph/legend_label.h"
#include "graph/paint.h"
#include "graph/resources.h"

namespace {

struct SymbolMeasureRow {
  int text_height, half_size, gap;
};

const SymbolMeasureRow kSymbolRows[] = {
    {168, 56, 18}, {30, 10, 3}, {6, 2, 2}, {5, 1, 2}, {0, 1, 2},
};

TEST(LegendLabel, SymbolMeasures) {
  for (const SymbolMeasureRow &row : kSymbolRows) {
    LegendSymbolMeasures m = legend_symbol_measures(row.text_height);
    EXPECT_EQ(m.half_size, row.half_size) << row.text_height;
    EXPECT_EQ(m.gap, row.gap) << row.text_height;
  }
}

LegendLabel label_of(const char *text, bool border, bool symbol, int escapement = 0) {
  LegendLabel label{};
  label.text = text;
  label.font.height = 168;
  label.font.escapement = escapement;
  label.border = border;
  label.show_symbol = symbol;
  return label;
}

struct SizeRow {
  const char *name;
  LegendLabel label;
  int width, height;
};

TEST(LegendLabel, SizedToItsContent) {
  // "V(out)" is 604 x 168; the symbol adds 18 + 2 * 56; the border twice the descent, 33.
  const SizeRow rows[] = {
      {"text only", label_of("V(out)", false, false), 604, 168},
      {"with the symbol", label_of("V(out)", false, true), 734, 168},
      {"with a border", label_of("V(out)", true, true), 800, 234},
      {"a vertical font exchanges the two", label_of("V(out)", false, true, 900), 168, 734},
      {"vertical with a border", label_of("V(out)", true, true, 900), 234, 800},
  };
  for (const SizeRow &row : rows) {
    RecordingCanvas canvas;
    LegendLabel label = row.label;
    size_legend_label(canvas, label);
    EXPECT_EQ(label.size.width, row.width) << row.name;
    EXPECT_EQ(label.size.height, row.height) << row.name;
  }
}

TEST(LegendLabel, ASurfaceThatCannotMeasureKeepsTheLastSizes) {
  RecordingCanvas screen, metafile(false);
  LegendLabel label = label_of("V(out)", true, true);
  size_legend_label(screen, label);
  size_legend_label(metafile, label);
  EXPECT_EQ(label.size.width, 800);
  EXPECT_EQ(label.text_size.height, 168);
  EXPECT_EQ(label.descent, 33);
}

using OutputTest = LaidOutGraphTest;

TEST_F(OutputTest, LegendLabelBorderSymbolThenText) {
  make_fixed_graph();
  Trace *trace = add_values({0, 10}, {0, 1}, "V(out)");
  trace->symbol_index = 0;   // filled circle
  trace->legend.border = true;
  trace->legend.font.height = 168;   // as the layout sets 18 points on the screen
  size_legend_label(canvas, trace->legend);
  trace->legend.x = 100;
  trace->legend.y = 200;
  canvas.clear();
  draw_legend_label(canvas, *trace, *graph_resources());
  const std::vector<DrawRecord> &r = canvas.records();
  ASSERT_EQ(r.size(), 12u);
  EXPECT_EQ(r[0].op, DrawOp::kSetPen);
  EXPECT_EQ(r[0].pen.colour.red, 0);
  const LogicalPoint outline[] = {{100, 200}, {899, 200}, {899, 433}, {100, 433}, {100, 200}};
  for (int i = 0; i < 5; i++) {
    EXPECT_EQ(r[1 + i].op, i == 0 ? DrawOp::kMoveTo : DrawOp::kLineTo) << i;
    EXPECT_EQ(r[1 + i].points[0].x, outline[i].x) << i;
    EXPECT_EQ(r[1 + i].points[0].y, outline[i].y) << i;
  }
  // The symbol in the trace's colour, centred at (100 + 33 + 56, 200 + 33 + 84).
  EXPECT_EQ(r[6].op, DrawOp::kSetPen);
  EXPECT_EQ(r[6].pen.colour.red, 255);
  EXPECT_EQ(r[8].op, DrawOp::kEllipse);
  EXPECT_EQ(r[8].rect.left, 133);
  EXPECT_EQ(r[8].rect.top, 261);
  EXPECT_EQ(r[8].rect.right, 245);
  EXPECT_EQ(r[8].rect.bottom, 373);
  EXPECT_FALSE(r[8].brush.hollow);
  // The text g + 2r further right of the inset content.
  EXPECT_EQ(r[11].op, DrawOp::kTextOut);
  EXPECT_EQ(r[11].text, "V(out)");
  EXPECT_EQ(r[11].points[0].x, 263);
  EXPECT_EQ(r[11].points[0].y, 233);
}

// A vertical label (234 wide, 800 high at (100, 200)) reads upwards from the bottom of its
// inset content: the symbol first, centred t / 2 right of the left edge, then the text.
TEST_F(OutputTest, VerticalLegendLabelRunsUpwardsFromTheBottom) {
  make_fixed_graph();
  Trace *trace = add_values({0, 10}, {0, 1}, "V(out)");
  trace->symbol_index = 0;   // filled circle
  trace->legend.border = true;
  trace->legend.font.height = 168;
  trace->legend.font.escapement = trace->legend.font.orientation = 900;
  size_legend_label(canvas, trace->legend);
  ASSERT_EQ(trace->legend.size.width, 234);
  ASSERT_EQ(trace->legend.size.height, 800);
  trace->legend.x = 100;
  trace->legend.y = 200;
  canvas.clear();
  draw_legend_label(canvas, *trace, *graph_resources());
  const std::vector<DrawRecord> &r = canvas.records();
  int ellipse = op_index(r, DrawOp::kEllipse);
  ASSERT_GE(ellipse, 0);
  // Content (133, 233) - (301, 967): the circle around (133 + 84, 967 - 56).
  EXPECT_EQ(r[ellipse].rect.left, 217 - 56);
  EXPECT_EQ(r[ellipse].rect.top, 911 - 56);
  EXPECT_EQ(r[ellipse].rect.right, 217 + 56);
  EXPECT_EQ(r[ellipse].rect.bottom, 911 + 56);
  int text = text_index(r, "V(out)");
  ASSERT_GE(text, 0);
  EXPECT_EQ(r[text].points[0].x, 133);
  EXPECT_EQ(r[text].points[0].y, 967 - 18 - 112);
}

TEST_F(OutputTest, CopiedPictureSize) {
  EXPECT_EQ(copied_picture_size(7000, 3500).height, 5000);   // twice as wide as high
  EXPECT_EQ(copied_picture_size(7000, 3500).width, 10000);
  EXPECT_EQ(copied_picture_size(7000, 5000).height, 7142);   // 7142.86 truncated
  EXPECT_EQ(copied_picture_size(0, 5000).height, 0);
}

TEST_F(OutputTest, CopyGraphLegendsFirstWithTheSizesOfTheLastLayout) {
  make_fixed_graph();
  add_values({0, 5, 10}, {0, 1, 0}, "V(out)");
  lay_out();
  RecordingCanvas metafile(false);
  draw_copied_graph(graph, metafile, {1, 2, 3}, {700, 500}, false);
  const std::vector<DrawRecord> &r = metafile.records();
  ASSERT_GE(r.size(), 3u);
  EXPECT_EQ(r[0].op, DrawOp::kSetTextColour);
  EXPECT_EQ(r[0].text_colour.blue, 3);
  EXPECT_EQ(r[1].op, DrawOp::kSetPen);
  EXPECT_EQ(r[2].op, DrawOp::kSetMapping);
  EXPECT_EQ(r[2].mapping.window_origin.x, 0);
  EXPECT_EQ(r[2].mapping.window_extent.width, 7000);
  EXPECT_EQ(r[2].mapping.window_extent.height, 5000);
  EXPECT_EQ(op_index(r, DrawOp::kFillRect), -1);   // no shadow
  int legend = text_index(r, "V(out)");
  int first_label = text_index(r, "0.0");
  ASSERT_GE(legend, 0);
  EXPECT_LT(legend, first_label);
  // The label at its laid-out place (926, 148), its text 18 + 112 to the right.
  EXPECT_EQ(r[legend].points[0].x, 1056);
  EXPECT_EQ(r[legend].points[0].y, 148);
  // Tick labels and titles where the screen has them, though nothing could be measured.
  EXPECT_EQ(r[first_label].points[0].x, 775);
  EXPECT_EQ(r[first_label].points[0].y, 4392);
  int x_title = text_index(r, "Time  [s]");
  EXPECT_EQ(r[x_title].points[0].x, 3795);
  EXPECT_EQ(r[x_title].points[0].y, 4594);
  EXPECT_EQ(r[text_index(r, "Y Axis Title  [V]")].points[0].x, 168);
  int clip = op_index(r, DrawOp::kIntersectClip);
  ASSERT_GT(clip, x_title);
  EXPECT_EQ(r[clip].rect.top, 337);
  EXPECT_EQ(r.back().op, DrawOp::kResetClip);

  graph->legend_display = kLegendHidden;
  metafile.clear();
  draw_copied_graph(graph, metafile, {0, 0, 0}, {700, 500}, false);
  EXPECT_EQ(text_index(metafile.records(), "V(out)"), -1);
}

TEST_F(OutputTest, PrintingLaysOutInPageViewOnThePrinterAndComesBack) {
  make_fixed_graph();
  add_values({0, 5, 10}, {0, 1, 0}, "V(out)");
  lay_out();
  RecordingCanvas printer, screen;
  // 600 dots per inch at one printer unit a logical unit: 18 points are 150 units, 20 are 167.
  FontSurface printer_fonts{600, 1000, 1000};
  LayoutSurface printer_surface{{6400, 8000}, 600, &printer_fonts};
  print_graph(graph, printer, printer_surface, {8000, 10000}, screen, {{700, 500}, 96, nullptr},
              false);
  const std::vector<DrawRecord> &r = printer.records();
  std::vector<DrawRecord> mappings = records_of(r, DrawOp::kSetMapping);
  ASSERT_EQ(mappings.size(), 6u);
  // Page view on 0.8 of the page, margin round(0.8 * 150).
  EXPECT_EQ(mappings[5].mapping.window_origin.x, -120);
  EXPECT_EQ(mappings[5].mapping.window_extent.width, 6640);
  EXPECT_EQ(mappings[5].mapping.window_extent.height, 8240);
  EXPECT_EQ(op_index(r, DrawOp::kFillRect), -1);
  int legend = text_index(r, "V(out)");
  ASSERT_GE(legend, 0);
  EXPECT_LT(legend, text_index(r, "0.0"));
  // Right edge 6400 - 2 * 150; bottom 8000 - (150 + 300 + 167).
  int clip = op_index(r, DrawOp::kIntersectClip);
  ASSERT_GE(clip, 0);
  EXPECT_EQ(r[clip].rect.right, 6100);
  EXPECT_EQ(r[clip].rect.bottom, 7383);

  EXPECT_EQ(graph->view_mode, kWindowView);
  EXPECT_EQ(graph_resources()->page_width, 7000);
  EXPECT_EQ(graph_resources()->page_height, 5000);
  EXPECT_EQ(graph->character_height, 168);
  EXPECT_EQ(graph->plot.right, 6664);
  EXPECT_EQ(records_of(screen.records(), DrawOp::kSetMapping).size(), 6u);
}

}  // namespace
