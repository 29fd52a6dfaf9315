#include <cmath>
#include <cstring>

#include "graph/axis.h"
#include "graph/coordinates.h"
#include "graph/properties.h"
#include "graph/resources.h"
#include "canvas/round.h"
#include "graph/symbols.h"
#include "graph/ticks.h"
#include "graph_fixture.h"

namespace {

using ResourcesTest = GraphTest;

TEST_F(ResourcesTest, IncrementTableAscendingWithTerminator) {
  const double expected[] = {1e-5, 2e-5, 5e-5, 1e-4, 2e-4, 5e-4, 0.001, 0.002, 0.005, 0.01,
                             0.02, 0.05, 0.1,  0.2,  0.5,  1,    2,     5,     0.0};
  const GraphResources *r = graph_resources();
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->maximum_interval_count, 5);
  for (int i = 0; i < 19; i++) EXPECT_EQ(r->increment_table[i], expected[i]) << i;
}

TEST_F(ResourcesTest, PaletteByIndexEndsWithTheWindowColour) {
  const int expected[13][3] = {{255, 0, 0},   {0, 255, 0},     {0, 0, 255}, {255, 0, 255},
                               {0, 255, 255}, {128, 0, 0},     {0, 128, 0}, {128, 128, 0},
                               {0, 0, 128},   {0, 128, 128},   {128, 128, 128},
                               {0, 0, 0},     {212, 208, 200}};
  const GraphResources *r = graph_resources();
  for (int i = 0; i < 13; i++) {
    EXPECT_EQ(r->palette[i].red, expected[i][0]) << i;
    EXPECT_EQ(r->palette[i].green, expected[i][1]) << i;
    EXPECT_EQ(r->palette[i].blue, expected[i][2]) << i;
  }
  EXPECT_EQ(graph_colour_count(), 13);
  EXPECT_EQ(graph_symbol_count(), 12);
}

TEST_F(ResourcesTest, PrinterPageIsFourFifthsTruncatedThenScreenAgain) {
  const GraphResources *r = graph_resources();
  EXPECT_EQ(r->page_width, 7000);
  EXPECT_EQ(r->page_height, 5000);
  set_printer_page_size(4961, 7016);   // 3968.8 and 5612.8
  EXPECT_EQ(r->page_width, 3968);
  EXPECT_EQ(r->page_height, 5612);
  set_screen_page_size();
  EXPECT_EQ(r->page_width, 7000);
  EXPECT_EQ(r->page_height, 5000);
}

TEST(Resources, NoneBeforeCreation) {
  destroy_graph_resources();
  EXPECT_EQ(graph_resources(), nullptr);
}

using CreateGraphTest = GraphTest;

void expect_font(const LogicalFont &f, const char *face, int escapement) {
  EXPECT_STREQ(f.face_name, face);
  EXPECT_EQ(f.weight, 400);
  EXPECT_EQ(f.out_precision, 3);
  EXPECT_EQ(f.clip_precision, 2);
  EXPECT_EQ(f.quality, 1);
  EXPECT_EQ(f.pitch_and_family, 0x22);
  EXPECT_EQ(f.escapement, escapement);
  EXPECT_EQ(f.orientation, escapement);
  EXPECT_EQ(f.italic | f.underline | f.strike_out, 0);
}

TEST_F(CreateGraphTest, EveryDefault) {
  ASSERT_NE(make_graph(1, 10), nullptr);
  EXPECT_EQ(graph->view_mode, kWindowView);
  EXPECT_EQ(graph->title[0].text, "Time  [s]");
  EXPECT_EQ(graph->title[1].text, "Y Axis Title  [V]");
  expect_font(graph->title[0].font, "Times New Roman", 0);
  expect_font(graph->title[1].font, "Times New Roman", 900);
  expect_font(graph->label_format[0].font, "Arial", 0);
  expect_font(graph->label_format[1].font, "Arial", 0);
  expect_font(graph->legend_font, "Arial", 0);
  EXPECT_EQ(graph->legend_point_size, 16);
  EXPECT_EQ(graph->title[0].point_size, 20);
  EXPECT_EQ(graph->label_format[1].point_size, 18);
  for (int axis = 0; axis < 2; axis++) {
    const Axis &a = graph->axes[axis];
    EXPECT_TRUE(a.automatic_min && a.automatic_max && a.automatic_increment);
    EXPECT_EQ(a.scale, 1.0);
    EXPECT_EQ(a.tics, 3);
    EXPECT_FALSE(a.display_grid);
    EXPECT_EQ(a.major_grid_style, 0);
    EXPECT_EQ(a.minor_grid_style, 2);
    EXPECT_EQ(graph->label_format[axis].digits, 1);
    EXPECT_EQ(graph->label_format[axis].notation, kNotationScaleFactors);
    EXPECT_TRUE(graph->title[axis].display);
  }
  EXPECT_EQ(graph->axes[0].base, 1);
  EXPECT_EQ(graph->axes[1].base, 10);
  EXPECT_EQ(graph->legend_display, 5);
  EXPECT_TRUE(graph->layout_automatic);
  EXPECT_EQ(graph->trace_counter, 0);
  EXPECT_EQ(first_trace(graph), nullptr);
}

TEST_F(CreateGraphTest, NoUnitMeansNoBracket) {
  graph = create_graph(nullptr, "X Axis Title", "", "", 1, 1, shipped_preferences());
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->title[0].text, "X Axis Title");
  EXPECT_EQ(graph->title[1].text, "Y Axis Title");
}

TEST_F(CreateGraphTest, LongFaceNameIsCutToThirtyOneCharacters) {
  GraphPreferences p = shipped_preferences();
  p.x_label_face = std::string(40, 'a');
  graph = create_graph(nullptr, "t", "", "", 1, 1, p);
  EXPECT_EQ(std::string(graph->label_format[0].font.face_name), std::string(31, 'a'));
}

using TraceTest = GraphTest;

Trace *add_plain_trace(Graph *graph, int kind, int points = 4) {
  return add_trace(graph, kind, 2, 0, 1, "v(out)", points, 0, filled_values(points, 1.0),
                   filled_values(points, 2.0), shipped_preferences());
}

TEST_F(TraceTest, DefaultsOfAnExpressionTrace) {
  make_graph();
  Trace *t = add_trace(graph, 0, 4, 1, 2, "db(v(out))", 7, 3, filled_values(7, 0),
                       filled_values(7, 0), shipped_preferences());
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->kind, 0);
  EXPECT_EQ(t->legend.text, "db(v(out))");
  EXPECT_STREQ(t->legend.font.face_name, "Times New Roman");
  EXPECT_EQ(t->legend.point_size, 18);
  EXPECT_EQ(t->legend.x, -100);
  EXPECT_EQ(t->legend.y, -100);
  EXPECT_FALSE(t->legend.position_set);
  EXPECT_EQ(t->colour_index, 0);
  EXPECT_EQ(t->symbol_index, 4);
  EXPECT_EQ(t->symbol_size, 3);
  EXPECT_EQ(t->plot_index, 3);
  EXPECT_EQ(t->line_style, 1);
  EXPECT_EQ(t->line_weight, 2);
  EXPECT_FALSE(t->display_symbols);
  EXPECT_TRUE(t->display_symbols_with_text);
  EXPECT_EQ(t->symbol_period, 1);
  EXPECT_EQ(t->point_count, 7);
  EXPECT_EQ(t->drawn_point_count, 7);
  EXPECT_EQ(t->x_expression, nullptr);
  EXPECT_EQ(graph->trace_counter, 1);
}

TEST_F(TraceTest, ExperimentalDataShowsSymbols) {
  make_graph();
  EXPECT_TRUE(add_plain_trace(graph, 1)->display_symbols);
}

TEST_F(TraceTest, ThirteenthTraceTakesColourZeroAgain) {
  make_graph();
  for (int i = 0; i < 13; i++) EXPECT_EQ(add_plain_trace(graph, 0)->colour_index, i % 12) << i;
  EXPECT_EQ(graph->trace_counter, 13);
}

TEST_F(TraceTest, DestroyFreesEveryExpression) {
  make_graph();
  int dummies[4];
  for (int i = 0; i < 2; i++) {
    Trace *t = add_plain_trace(graph, 0);
    t->x_expression = reinterpret_cast<Expression *>(&dummies[2 * i]);
    t->y_expression = reinterpret_cast<Expression *>(&dummies[2 * i + 1]);
  }
  destroy_graph(graph);
  graph = nullptr;
  EXPECT_EQ(freed_expressions, 4);
}

struct TitleRow {
  const char *name;
  const char *text;
  const char *unit;
  const char *stored;
};

const TitleRow kTitles[] = {
    {"text and unit", "Time", "s", "Time  [s]"},
    {"no unit", "Time", "", "Time"},
    {"bracket in the text", "a [b]", "", "a [b]"},
    {"bracket in the text and a unit", "a [b]", "V", "a [b]  [V]"},
    {"empty text", "", "Hz", "  [Hz]"},
};

TEST_F(CreateGraphTest, TitleTextAndUnitStayApart) {
  make_graph();
  for (const TitleRow &row : kTitles) {
    set_title_unit(graph, 1, "");
    set_title_text(graph, 1, row.text);
    set_title_unit(graph, 1, row.unit);
    EXPECT_EQ(graph->title[1].text, row.stored) << row.name;
    EXPECT_EQ(title_text(graph, 1), row.text) << row.name;
    EXPECT_EQ(title_unit(graph, 1), row.unit) << row.name;
  }
}

TEST_F(CreateGraphTest, EmptyUnitRemovesTheBracketAndTextKeepsTheUnit) {
  make_graph();
  set_title_text(graph, 0, "Time");
  set_title_unit(graph, 0, "s");
  EXPECT_EQ(graph->title[0].text, "Time  [s]");
  set_title_text(graph, 0, "Zeit");
  EXPECT_EQ(graph->title[0].text, "Zeit  [s]");
  set_title_unit(graph, 0, "");
  EXPECT_EQ(graph->title[0].text, "Zeit");
  EXPECT_EQ(title_unit(graph, 0), "");
  EXPECT_EQ(title_text(graph, 5), "");   // no such axis
}

TEST_F(CreateGraphTest, DisplayRange) {
  make_graph();
  Axis &x = graph->axes[0];
  x.min = 0;
  x.max = 4.2;
  x.increment = 1;
  x.scale = 0.001;
  DisplayRange r = display_range(graph, 0);
  EXPECT_DOUBLE_EQ(r.min, 0);
  EXPECT_DOUBLE_EQ(r.max, 0.0042);
  EXPECT_DOUBLE_EQ(r.increment, 0.001);
  // A logarithmic axis reports increment 1 whatever is stored.
  Axis &y = graph->axes[1];
  y = x;
  y.base = 10;
  y.min = -3;
  y.max = 2;
  y.increment = 7;
  y.scale = 1;
  r = display_range(graph, 1);
  EXPECT_DOUBLE_EQ(r.min, 0.001);
  EXPECT_DOUBLE_EQ(r.max, 100);
  EXPECT_EQ(r.increment, 1.0);
}

TEST_F(CreateGraphTest, AxisSettingsRoundTrip) {
  make_graph();
  set_automatic_flag(graph, 1, kAutomaticIncrement, false);
  EXPECT_TRUE(automatic_flag(graph, 1, kAutomaticMin));
  EXPECT_TRUE(automatic_flag(graph, 1, kAutomaticMax));
  EXPECT_FALSE(automatic_flag(graph, 1, kAutomaticIncrement));
  EXPECT_FALSE(automatic_flag(graph, 1, 3));
  set_axis_tics(graph, 0, 9);
  EXPECT_EQ(axis_tics(graph, 0), 9);
  set_axis_grid(graph, 1, {2, 5, true});
  GridSettings g = axis_grid(graph, 1);
  EXPECT_EQ(g.major_style, 2);
  EXPECT_EQ(g.minor_style, 5);
  EXPECT_TRUE(g.display);
  set_label_digits(graph, 0, 3);
  set_label_notation(graph, 0, kNotationScientific);
  EXPECT_EQ(graph->label_format[0].digits, 3);
  EXPECT_EQ(graph->label_format[0].notation, 4);
  set_axis_tics(graph, 2, 4);   // no such axis: nothing happens
  EXPECT_EQ(axis_tics(graph, 2), 0);
}

struct CharacterRow {
  int c;
  int view_mode;
  int margin_measure;
  double line_width_factor;
  int margin;
};

TEST_F(CreateGraphTest, MeasuresFromTheCharacterHeight) {
  make_graph();
  const CharacterRow rows[] = {
      {100, kWindowView, 80, 2.5, 1},   {100, kPageView, 80, 2.5, 80},
      {41, kPageView, 33, 1.025, 33},   // 32.8 rounds up
      {20, kWindowView, 16, 1.0, 1},    {0, kPageView, 0, 1.0, 0},
  };
  for (const CharacterRow &row : rows) {
    graph->view_mode = row.view_mode;
    set_character_height(graph, row.c);
    EXPECT_EQ(graph->character_height, row.c);
    EXPECT_EQ(graph->margin_measure, row.margin_measure) << row.c;
    EXPECT_DOUBLE_EQ(graph->line_width_factor, row.line_width_factor) << row.c;
    EXPECT_EQ(graph->margin, row.margin) << row.c;
  }
}

struct RoundRow {
  double x;
  double expected;
};

TEST(RoundHalfAway, Table) {
  const RoundRow rows[] = {
      {2.5, 3},        {-2.5, -3},  {2.4999, 2},   {-2.4999, -2}, {0.5, 1},
      {-0.5, -1},      {0, 0},      {1.5, 2},      {-1.5, -2},    {0.49999999999999994, 0},
      {1e300, 1e300},  {7.0, 7},    {-7.5, -8},    {1e-300, 0},
  };
  for (const RoundRow &row : rows) EXPECT_EQ(round_half_away(row.x), row.expected) << row.x;
  EXPECT_EQ(frac(-2.25), -0.25);
  EXPECT_EQ(frac(2.25), 0.25);
}

using CoordinateTest = GraphTest;

// x axis 0 .. 8 over 800 units from 100: factor 100.
void linear_x(Graph *graph) {
  Axis &x = graph->axes[0];
  x.min = 0;
  x.max = 8;
  x.increment = 2;
  x.scale = 1;
  set_axis_extent(graph, 0, 100, 800);
  compute_axis_ticks(graph, 0);
}

struct CoordinateRow {
  const char *name;
  double value;
  int expected;
};

TEST_F(CoordinateTest, LinearValuesClampedAndRounded) {
  make_graph();
  linear_x(graph);
  const CoordinateRow rows[] = {
      {"minimum", 0, 100},           {"maximum", 8, 900},
      {"half up", 0.125, 113},       {"half away below zero", -1.125, -13},
      {"just below half", 0.0049, 100},
      {"far right", 1e10, 32767},    {"far left", -1e10, -32767},
      {"huge", 1e300, 32767},        {"not a number", NAN, 0},
      {"infinity", INFINITY, 32767},
  };
  for (const CoordinateRow &row : rows)
    EXPECT_EQ(value_to_logical(graph, 0, row.value), row.expected) << row.name;
}

TEST_F(CoordinateTest, ScaleDividesTheValue) {
  make_graph();
  linear_x(graph);
  graph->axes[0].scale = 0.001;   // axis 0m .. 8m
  EXPECT_EQ(value_to_logical(graph, 0, 0.004), 500);
}

TEST_F(CoordinateTest, LogarithmicAxisAndNonPositiveValues) {
  make_graph(10, 1);
  Axis &x = graph->axes[0];
  x.min = -3;
  x.max = 3;
  x.increment = 1;
  set_axis_extent(graph, 0, 0, 600);
  compute_axis_ticks(graph, 0);
  EXPECT_EQ(value_to_logical(graph, 0, 0.001), 0);
  EXPECT_EQ(value_to_logical(graph, 0, 1), 300);
  EXPECT_EQ(value_to_logical(graph, 0, 2), 330);   // 300 + 100 log10 2 = 330.1
  EXPECT_EQ(value_to_logical(graph, 0, 1000), 600);
  EXPECT_EQ(value_to_logical(graph, 0, 0), 0);
  EXPECT_EQ(value_to_logical(graph, 0, -5), 0);
  EXPECT_DOUBLE_EQ(logical_to_value(graph, 0, 300), 1);
  EXPECT_DOUBLE_EQ(logical_to_value(graph, 0, 500), 100);
}

TEST_F(CoordinateTest, ReverseOfTheDownwardYAxis) {
  make_graph();
  Axis &y = graph->axes[1];
  y.min = -6;
  y.max = 6;
  y.increment = 2;
  y.scale = 1000;
  set_axis_extent(graph, 1, 600, -600);   // bottom at 600, top at 0: factor -50
  compute_axis_ticks(graph, 1);
  EXPECT_DOUBLE_EQ(logical_to_value(graph, 1, 600), -6000);
  EXPECT_DOUBLE_EQ(logical_to_value(graph, 1, 300), 0);
  EXPECT_DOUBLE_EQ(logical_to_value(graph, 1, 0), 6000);
  EXPECT_EQ(value_to_logical(graph, 1, 2000), 200);
}

struct SymbolRow {
  int index;
  int count;
  SymbolShape shapes[kMaxSymbolShapes];
};

// Centre (100, 200), half-size 5.
const SymbolRow kSymbols[] = {
    {0, 1, {{kShapeEllipse, true, 2, {{95, 195}, {105, 205}}}}},
    {1, 1, {{kShapeEllipse, false, 2, {{95, 195}, {105, 205}}}}},
    {2, 1, {{kShapeRectangle, true, 2, {{95, 195}, {105, 205}}}}},
    {3, 1, {{kShapePolyline, false, 5, {{95, 205}, {105, 205}, {105, 195}, {95, 195}, {95, 205}}}}},
    {4, 1, {{kShapePolygon, true, 3, {{95, 205}, {100, 195}, {105, 205}}}}},
    {5, 1, {{kShapePolyline, false, 4, {{95, 205}, {100, 195}, {105, 205}, {95, 205}}}}},
    {6, 1, {{kShapePolygon, true, 4, {{100, 205}, {95, 200}, {100, 195}, {105, 200}}}}},
    {7, 1, {{kShapePolyline, false, 5, {{100, 205}, {95, 200}, {100, 195}, {105, 200}, {100, 205}}}}},
    {8, 2, {{kShapeLine, false, 2, {{95, 205}, {106, 194}}},
            {kShapeLine, false, 2, {{95, 195}, {106, 206}}}}},
    {9, 3, {{kShapeLine, false, 2, {{95, 205}, {106, 194}}},
            {kShapeLine, false, 2, {{95, 195}, {106, 206}}},
            {kShapePolyline, false, 5, {{95, 205}, {105, 205}, {105, 195}, {95, 195}, {95, 205}}}}},
    {10, 2, {{kShapeLine, false, 2, {{100, 195}, {100, 206}}},
             {kShapeLine, false, 2, {{95, 200}, {106, 200}}}}},
    {11, 4, {{kShapeLine, false, 2, {{100, 195}, {100, 206}}},
             {kShapeLine, false, 2, {{95, 200}, {106, 200}}},
             {kShapeLine, false, 2, {{95, 205}, {106, 194}}},
             {kShapeLine, false, 2, {{95, 195}, {106, 206}}}}},
};

TEST(Symbols, EveryShapeAtItsCorners) {
  for (const SymbolRow &row : kSymbols) {
    SymbolShape shapes[kMaxSymbolShapes];
    ASSERT_EQ(symbol_shapes(row.index, 100, 200, 5, shapes), row.count) << row.index;
    for (int s = 0; s < row.count; s++) {
      const SymbolShape &got = shapes[s], &want = row.shapes[s];
      EXPECT_EQ(got.kind, want.kind) << row.index << "/" << s;
      EXPECT_EQ(got.filled, want.filled) << row.index << "/" << s;
      ASSERT_EQ(got.point_count, want.point_count) << row.index << "/" << s;
      for (int p = 0; p < got.point_count; p++) {
        EXPECT_EQ(got.points[p].x, want.points[p].x) << row.index << "/" << s << "/" << p;
        EXPECT_EQ(got.points[p].y, want.points[p].y) << row.index << "/" << s << "/" << p;
      }
    }
  }
}

TEST(Symbols, UnknownIndexDrawsNothing) {
  SymbolShape shapes[kMaxSymbolShapes];
  EXPECT_EQ(symbol_shapes(12, 0, 0, 5, shapes), 0);
  EXPECT_EQ(symbol_shapes(-1, 0, 0, 5, shapes), 0);
}

}  // namespace
