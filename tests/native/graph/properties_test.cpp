#include "graph/properties.h"
#include "graph_fixture.h"

namespace {

class PropertiesTest : public GraphTest {
 protected:
  Trace *add(const char *legend, int points = 4) {
    return add_trace(graph, 0, 0, 0, 1, legend, points, 0, filled_values(points, 0),
                     filled_values(points, 0), shipped_preferences());
  }
};

struct NumberRow {
  int code;
  int value;
};

// Integer and flag properties read back what was set.
const NumberRow kTraceNumbers[] = {
    {kTraceKind, 1},           {kTraceSymbolIndex, 11},     {kTraceSymbolSize, 7},
    {kTracePlotIndex, -1},     {kTraceColourIndex, 12},     {kTracePointCount, 3},
    {kTraceLineStyle, 5},      {kTraceLineWeight, 4},       {kTraceDisplaySymbols, 1},
    {kTraceSymbolPeriod, 3},   {kTraceSymbolsWithText, 0},  {kTraceLegendPointSize, 24},
    {kTraceLegendBorder, 1},   {kTraceLegendPositionSet, 1}, {kTraceLegendX, 1200},
    {kTraceLegendY, -40},
};

TEST_F(PropertiesTest, TraceNumbersRoundTrip) {
  make_graph();
  Trace *t = add("a");
  for (const NumberRow &row : kTraceNumbers) {
    ASSERT_TRUE(set_trace_property(t, row.code, number_value(row.value))) << row.code;
    PropertyValue got{};
    ASSERT_TRUE(get_trace_property(t, row.code, got)) << row.code;
    EXPECT_EQ(got.number, row.value) << row.code;
  }
}

// Values a drawing step would index tables or divide with are refused, and so are codes
// that work only the other way or do not exist.
const NumberRow kRefusedTraceSets[] = {
    {kTraceColourIndex, 13},     {kTraceColourIndex, -1}, {kTraceSymbolIndex, 12},
    {kTraceSymbolIndex, -1},     {kTraceSymbolPeriod, 0}, {kTracePointCount, -1},
    {kTraceDrawnPointCount, -2}, {17, 0},                 {24, 0},
    {-1, 0},
};

TEST_F(PropertiesTest, RefusedSetsChangeNothing) {
  make_graph();
  Trace *t = add("a");
  Trace before = *t;
  for (const NumberRow &row : kRefusedTraceSets)
    EXPECT_FALSE(set_trace_property(t, row.code, number_value(row.value))) << row.code;
  EXPECT_EQ(t->colour_index, before.colour_index);
  EXPECT_EQ(t->symbol_index, before.symbol_index);
  EXPECT_EQ(t->symbol_period, 1);
  EXPECT_EQ(t->point_count, 4);
  EXPECT_EQ(t->drawn_point_count, 4);
  PropertyValue got{};
  EXPECT_FALSE(get_trace_property(t, kTraceDrawnPointCount, got));   // set only
  EXPECT_FALSE(get_trace_property(t, 17, got));
  EXPECT_FALSE(get_trace_property(nullptr, kTraceKind, got));
  EXPECT_FALSE(set_trace_property(nullptr, kTraceKind, number_value(0)));
}

TEST_F(PropertiesTest, PointCountAlsoResetsTheDrawnCount) {
  make_graph();
  Trace *t = add("a", 10);
  ASSERT_TRUE(set_trace_property(t, kTraceDrawnPointCount, number_value(5)));
  EXPECT_EQ(t->drawn_point_count, 5);
  EXPECT_EQ(t->point_count, 10);
  ASSERT_TRUE(set_trace_property(t, kTracePointCount, number_value(8)));
  EXPECT_EQ(t->point_count, 8);
  EXPECT_EQ(t->drawn_point_count, 8);
}

TEST_F(PropertiesTest, SymbolsWithTextReachesTheLabel) {
  make_graph();
  Trace *t = add("a");
  ASSERT_TRUE(set_trace_property(t, kTraceSymbolsWithText, number_value(0)));
  EXPECT_FALSE(t->display_symbols_with_text);
  EXPECT_FALSE(t->legend.show_symbol);
  ASSERT_TRUE(set_trace_property(t, kTraceSymbolsWithText, number_value(1)));
  EXPECT_TRUE(t->legend.show_symbol);
}

TEST_F(PropertiesTest, TextFontArraysAndExpressions) {
  make_graph();
  Trace *t = add("a", 2);
  PropertyValue v{};
  v.text = "mag(i(vdd))";
  ASSERT_TRUE(set_trace_property(t, kTraceLegendText, v));
  PropertyValue got{};
  ASSERT_TRUE(get_trace_property(t, kTraceLegendText, got));
  EXPECT_EQ(got.text, "mag(i(vdd))");

  v.font = font_with_face(LogicalFont{}, "Courier New");
  v.point_size = 12;
  ASSERT_TRUE(set_trace_property(t, kTraceLegendFont, v));
  ASSERT_TRUE(get_trace_property(t, kTraceLegendFont, got));
  EXPECT_STREQ(got.font.face_name, "Courier New");
  EXPECT_EQ(got.point_size, 12);

  // New arrays replace (and free) the old ones.
  v.values = filled_values(2, 9.5);
  ASSERT_TRUE(set_trace_property(t, kTraceYValues, v));
  ASSERT_TRUE(get_trace_property(t, kTraceYValues, got));
  EXPECT_EQ(got.values, v.values);
  EXPECT_EQ(t->y_values[1], 9.5);

  int a, b;
  v.expression = reinterpret_cast<Expression *>(&a);
  ASSERT_TRUE(set_trace_property(t, kTraceXExpression, v));
  EXPECT_EQ(freed_expressions, 0);   // there was none before
  v.expression = reinterpret_cast<Expression *>(&b);
  ASSERT_TRUE(set_trace_property(t, kTraceXExpression, v));
  EXPECT_EQ(freed_expressions, 1);
  ASSERT_TRUE(set_trace_property(t, kTraceXExpression, v));   // the same one again stays
  EXPECT_EQ(freed_expressions, 1);
  ASSERT_TRUE(get_trace_property(t, kTraceXExpression, got));
  EXPECT_EQ(got.expression, v.expression);
  t->x_expression = nullptr;
}

TEST_F(PropertiesTest, GraphProperties) {
  make_graph();
  add("a");
  add("b");
  PropertyValue got{};
  ASSERT_TRUE(get_graph_property(graph, kGraphTraceCounter, got));
  EXPECT_EQ(got.number, 2);
  EXPECT_FALSE(set_graph_property(graph, kGraphTraceCounter, number_value(0)));
  ASSERT_TRUE(get_graph_property(graph, kGraphLegendFont, got));
  EXPECT_STREQ(got.font.face_name, "Arial");
  EXPECT_EQ(got.point_size, 16);
  EXPECT_FALSE(set_graph_property(graph, kGraphLegendFont, got));

  ASSERT_TRUE(set_graph_property(graph, kGraphPlotLeft, number_value(700)));
  ASSERT_TRUE(set_graph_property(graph, kGraphPlotTop, number_value(300)));
  ASSERT_TRUE(set_graph_property(graph, kGraphPlotWidth, number_value(5000)));
  ASSERT_TRUE(set_graph_property(graph, kGraphPlotHeight, number_value(3500)));
  EXPECT_EQ(graph->plot.right, 5700);
  EXPECT_EQ(graph->plot.bottom, 3800);
  ASSERT_TRUE(get_graph_property(graph, kGraphPlotWidth, got));
  EXPECT_EQ(got.number, 5000);
  ASSERT_TRUE(get_graph_property(graph, kGraphPlotHeight, got));
  EXPECT_EQ(got.number, 3500);

  ASSERT_TRUE(set_graph_property(graph, kGraphLayoutAutomatic, number_value(0)));
  EXPECT_FALSE(graph->layout_automatic);
  EXPECT_FALSE(get_graph_property(graph, kGraphLayoutAutomatic, got));   // set only

  ASSERT_TRUE(set_graph_property(graph, kGraphLegendDisplay, number_value(0)));
  ASSERT_TRUE(get_graph_property(graph, kGraphLegendDisplay, got));
  EXPECT_EQ(got.number, 0);
  ASSERT_TRUE(set_graph_property(graph, kGraphViewMode, number_value(1)));
  EXPECT_EQ(graph->view_mode, kPageView);
  EXPECT_FALSE(set_graph_property(graph, kGraphViewMode, number_value(2)));
  EXPECT_EQ(graph->view_mode, kPageView);
  EXPECT_FALSE(get_graph_property(graph, 9, got));
  EXPECT_FALSE(get_graph_property(nullptr, kGraphViewMode, got));
}

TEST_F(PropertiesTest, IterationWalksInCreationOrderOnePassAtATime) {
  make_graph();
  Trace *a = add("a");
  Trace *b = add("b");
  Trace *c = add("c");
  // Before the walk starts nothing is current: the placeholder is not a trace.
  PropertyValue got{};
  EXPECT_FALSE(get_current_trace_property(graph, kTraceLegendText, got, true));
  EXPECT_FALSE(set_current_trace_property(graph, kTraceLineStyle, number_value(2)));

  EXPECT_EQ(first_trace(graph), a);
  EXPECT_EQ(next_trace(graph), b);
  EXPECT_EQ(next_trace(graph), c);
  EXPECT_EQ(next_trace(graph), nullptr);
  EXPECT_EQ(next_trace(graph), nullptr);

  first_trace(graph);
  std::string seen;
  while (get_current_trace_property(graph, kTraceLegendText, got, true)) seen += got.text;
  EXPECT_EQ(seen, "abc");

  first_trace(graph);
  next_trace(graph);
  ASSERT_TRUE(set_current_trace_property(graph, kTraceLineStyle, number_value(3)));
  EXPECT_EQ(b->line_style, 3);
  EXPECT_EQ(a->line_style, 0);
  // Reading without advancing stays on the same trace.
  ASSERT_TRUE(get_current_trace_property(graph, kTraceLineStyle, got, false));
  ASSERT_TRUE(get_current_trace_property(graph, kTraceLineStyle, got, false));
  EXPECT_EQ(graph->current, b);
}

}  // namespace
