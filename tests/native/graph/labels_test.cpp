#include <string>
#include <vector>

#include "graph/axis.h"
#include "graph/label_layout.h"
#include "graph/labels.h"
#include "graph/resources.h"
#include "graph/scaling.h"
#include "graph_fixture.h"

namespace {

struct SuffixRow {
  double scale;
  const char *suffix;
};

TEST(ScalePrefix, EveryRow) {
  const SuffixRow rows[] = {
      {1e18, "e18"},   {1e15, "e15"},   {1e12, "e12"},   {1e9, "G"},      {1e6, "M"},
      {1e3, "K"},      {1, ""},         {1e-3, "m"},     {1e-6, "u"},     {1e-9, "n"},
      {1e-12, "p"},    {1e-15, "f"},    {1e-18, "e-18"}, {1e-21, "e-21"}, {1e-24, "e-24"},
      {1e-27, "e-27"}, {1e-30, "e-30"},
      // Beyond the table's ends the suffix keeps the true exponent.
      {1e21, "e21"},   {1e300, "e300"}, {1e-33, "e-33"}, {1e-300, "e-300"},
      {0, ""},
  };
  for (const SuffixRow &row : rows) EXPECT_EQ(scale_prefix(row.scale), row.suffix) << row.scale;
}

struct LabelRow {
  const char *name;
  double min, max, increment, scale;
  int base, notation, digits;
  std::vector<std::string> texts;
  std::vector<std::string> exponents;   // logarithmic axes only
};

const LabelRow kLabels[] = {
    {"scale 1, two digits", 0, 1, 0.5, 1, 1, 1, 2, {"0.00", "0.50", "1.00"}, {}},
    {"kilo", 1, 3, 1, 1e3, 1, 1, 1, {"1.0K", "2.0K", "3.0K"}, {}},
    {"kilo in decimal", 1, 3, 1, 1e3, 1, 2, 1, {"1000.0", "2000.0", "3000.0"}, {}},
    {"milli", 2.5, 3.5, 1, 1e-3, 1, 1, 1, {"2.5m", "3.5m"}, {}},
    {"pico", 0, 4, 2, 1e-12, 1, 1, 1, {"0.0p", "2.0p", "4.0p"}, {}},
    {"atto", 3, 4, 1, 1e-18, 1, 1, 1, {"3.0e-18", "4.0e-18"}, {}},
    {"digits 0 decimal", 0, 6, 2, 1, 1, 2, 0, {"0", "2", "4", "6"}, {}},
    {"scientific", 1.5, 3, 1.5, 1e-3, 1, 4, 2, {"1.50E-003", "3.00E-003"}, {}},
    {"scientific zero", -1, 1, 1, 1, 1, 4, 1, {"-1.0E+000", "0.0E+000", "1.0E+000"}, {}},
    {"log 10", -3, 3, 1, 1, 10, 1, 1,
     {"10", "10", "10", "10", "10", "10", "10"}, {"-3", "-2", "-1", "0", "1", "2", "3"}},
    {"log 8 ignores notation", -1, 2, 1, 1, 8, 4, 3, {"8", "8", "8", "8"}, {"-1", "0", "1", "2"}},
};

// The axis and the format a table row describes.
template <class Row>
Axis axis_of(const Row &row) {
  Axis a{};
  a.min = row.min;
  a.max = row.max;
  a.increment = row.increment;
  a.scale = row.scale;
  a.base = row.base;
  return a;
}
template <class Row>
TickLabelFormat format_of(const Row &row) {
  TickLabelFormat f{};
  f.notation = row.notation;
  f.digits = row.digits;
  return f;
}

TEST(TickLabels, Table) {
  for (const LabelRow &row : kLabels) {
    Axis a = axis_of(row);
    TickLabelFormat f = format_of(row);
    std::vector<std::string> texts, exponents;
    for (const TickLabel &l : tick_labels(a, f)) {
      texts.push_back(l.text);
      if (!l.exponent.empty()) exponents.push_back(l.exponent);
    }
    EXPECT_EQ(texts, row.texts) << row.name;
    EXPECT_EQ(exponents, row.exponents) << row.name;
  }
}

struct DataLabelRow {
  const char *name;
  double lo, hi;
  std::vector<std::string> texts;
};

// Ranges scaled automatically from data, labelled with one digit and scale factors.
const DataLabelRow kDataLabels[] = {
    // The fourth tick is -2 + 2 after -6 + 2 + 2, a few units of the last place below zero.
    {"-5 .. 5 has a zero, not -0.0", -5, 5, {"-6.0", "-4.0", "-2.0", "0.0", "2.0", "4.0", "6.0"}},
    {"0 .. 7.3", 0, 7.3, {"0.0", "2.0", "4.0", "6.0", "8.0"}},
    {"0 .. 0.0042", 0, 0.0042, {"0.0m", "1.0m", "2.0m", "3.0m", "4.0m", "5.0m"}},
    {"-3.3 .. -1.2", -3.3, -1.2,
     {"-3.5", "-3.0", "-2.5", "-2.0", "-1.5", "-1.0"}},
    {"1e-300 .. 1e300", 1e-300, 1e300,
     {"0.0e300", "0.2e300", "0.4e300", "0.6e300", "0.8e300", "1.0e300"}},
    {"0 .. 1e308", 0, 1e308,
     {"0.0e306", "20.0e306", "40.0e306", "60.0e306", "80.0e306", "100.0e306"}},
    {"constant 1e20", 1e20, 1e20, {"-2.0e21", "0.0e21", "2.0e21", "4.0e21", "6.0e21"}},
    {"1e-20 .. 3e-20", 1e-20, 3e-20,
     {"10.0e-21", "15.0e-21", "20.0e-21", "25.0e-21", "30.0e-21"}},
};

TEST(TickLabels, FromDataRanges) {
  create_graph_resources({0, 0, 0}, nullptr);
  for (const DataLabelRow &row : kDataLabels) {
    Axis a{};
    a.base = 1;
    a.scale = 1;
    set_axis_range(a, row.lo, row.hi, 0, true);
    TickLabelFormat f{};
    f.notation = kNotationScaleFactors;
    f.digits = 1;
    std::vector<std::string> texts;
    for (const TickLabel &l : tick_labels(a, f)) texts.push_back(l.text);
    EXPECT_EQ(texts, row.texts) << row.name;
  }
  destroy_graph_resources();
}

struct DrawnDigitsRow {
  const char *name;
  double min, max, increment, scale;
  int base, notation, digits;
  int drawn_digits;
  std::vector<std::string> texts;
};

// Neighbouring labels that would read the same take more digits; the format keeps its own.
const DrawnDigitsRow kDrawnDigits[] = {
    {"a narrow range", 1, 1.005, 0.001, 1, 1, 1, 1, 3, {"1.000", "1.001", "1.002", "1.003", "1.004", "1.005"}},
    {"zoomed in on milli", 0.5, 0.55, 0.01, 1e-3, 1, 1, 1, 2,
     {"0.50m", "0.51m", "0.52m", "0.53m", "0.54m", "0.55m"}},
    {"decimal", 0.5, 0.55, 0.01, 1e-3, 1, 2, 3, 5, {"0.00050", "0.00051", "0.00052", "0.00053", "0.00054", "0.00055"}},
    {"scientific", 1, 1.004, 0.002, 1, 1, 4, 1, 3, {"1.000E+000", "1.002E+000", "1.004E+000"}},
    // 0.96 and 1.04 read 1 and 1, then 1.0 and 1.0.
    {"one more digit is not always enough", 0.96, 1.04, 0.08, 1, 1, 2, 0, 2, {"0.96", "1.04"}},
    {"halves in whole numbers", 0, 2, 0.5, 1, 1, 2, 0, 1, {"0.0", "0.5", "1.0", "1.5", "2.0"}},
    {"distinct labels keep their digits", 0, 1, 0.5, 1, 1, 1, 2, 2, {"0.00", "0.50", "1.00"}},
    {"digits beyond the need stay", 0, 1, 0.5, 1, 1, 2, 18, 18,
     {"0.000000000000000000", "0.500000000000000000", "1.000000000000000000"}},
    // Two units of the last place apart: no count up to 15 tells them apart, so none is added.
    {"at most 15", 1, 1 + 4.5e-16, 2.2205e-16, 1, 1, 1, 1, 1, {"1.0", "1.0", "1.0"}},
    {"logarithmic axes have no digits", -1, 1, 1, 1, 10, 1, 1, 1, {"10", "10", "10"}},
};

TEST(TickLabels, DrawnDigitsTellNeighboursApart) {
  for (const DrawnDigitsRow &row : kDrawnDigits) {
    Axis a = axis_of(row);
    TickLabelFormat f = format_of(row);
    EXPECT_EQ(drawn_label_digits(a, f), row.drawn_digits) << row.name;
    std::vector<std::string> texts;
    for (const TickLabel &l : tick_labels(a, f)) texts.push_back(l.text);
    EXPECT_EQ(texts, row.texts) << row.name;
  }
}

// A range scaled from the data 1.0 ... 1.0042 in the shipped one digit.
TEST(TickLabels, ANarrowDataRange) {
  create_graph_resources({0, 0, 0}, nullptr);
  Axis a{};
  a.base = 1;
  a.scale = 1;
  set_axis_range(a, 1.0, 1.0042, 0, true);
  TickLabelFormat f{};
  f.notation = kNotationScaleFactors;
  f.digits = 1;
  std::vector<std::string> texts;
  for (const TickLabel &l : tick_labels(a, f)) texts.push_back(l.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"1.000", "1.001", "1.002", "1.003", "1.004", "1.005"}));
  destroy_graph_resources();
}

struct SnapRow {
  const char *name;
  double v, increment;
  int base;
  const char *text;
};

// Only a tick within a billionth of an increment of zero is snapped.
const SnapRow kSnaps[] = {
    {"a tenth of a billionth below", -1e-10, 1, 1, "0.0"},
    {"a tenth of a billionth above", 1e-10, 1, 1, "0.0"},
    {"negative zero", -0.0, 1, 1, "0.0"},
    {"ten billionths below stays", -1e-8, 1, 1, "-0.0"},
    {"two billionths of a small increment", -2e-10, 0.1, 1, "-0.0"},
    {"log exponent of negative zero", -0.0, 1, 10, "0"},
};

TEST(TickLabels, ZeroSnap) {
  for (const SnapRow &row : kSnaps) {
    Axis a{};
    a.increment = row.increment;
    a.scale = 1;
    a.base = row.base;
    TickLabelFormat f{};
    f.notation = kNotationScaleFactors;
    f.digits = 1;
    TickLabel l = tick_label(a, f, row.v);
    EXPECT_EQ(row.base == 1 ? l.text : l.exponent, row.text) << row.name;
  }
}

struct MeasureRow {
  int c;
  int tick_length, tic_length, drop, exponent_gap;
};

TEST(LabelMeasures, Table) {
  const MeasureRow rows[] = {
      {100, 40, 20, 10, 10},   // X = max(6, 10)
      {200, 80, 40, 20, 12},
      {25, 10, 5, 2, 10},      // D = 2.5 truncated
      {7, 3, 1, 1, 10},        // L = 2.8, G = 1.4, D = max(0.7, 1)
      {0, 0, 0, 1, 10},
  };
  for (const MeasureRow &row : rows) {
    LabelMeasures m = label_measures(row.c);
    EXPECT_EQ(m.tick_length, row.tick_length) << row.c;
    EXPECT_EQ(m.tic_length, row.tic_length) << row.c;
    EXPECT_EQ(m.drop, row.drop) << row.c;
    EXPECT_EQ(m.exponent_gap, row.exponent_gap) << row.c;
  }
}

void expect_segment(const TickSegment &s, int x0, int y0, int x1, int y1) {
  EXPECT_EQ(s.from.x, x0);
  EXPECT_EQ(s.from.y, y0);
  EXPECT_EQ(s.to.x, x1);
  EXPECT_EQ(s.to.y, y1);
}

TEST(LabelPlacement, TicksBesideTheEdges) {
  LabelMeasures m = label_measures(100);
  expect_segment(x_tick(1000, 4000, m), 1000, 4000, 1000, 4040);
  expect_segment(y_tick(2000, 800, m), 761, 2000, 800, 2000);
  expect_segment(x_minor_tic(1000, 4000, m), 1000, 4020, 1000, 4000);
  expect_segment(y_minor_tic(2000, 800, m), 780, 2000, 800, 2000);
}

struct PlacementRow {
  const char *name;
  bool x_axis, logarithmic;
  int at, edge;
  TextSize text, exponent;
  int text_left, text_top, exponent_left, exponent_top;
};

// Character height 100: L 40, G 20, D 10, X 10.
const PlacementRow kPlacements[] = {
    // 1000 - 50.5 = 949.5 rounds away to 950; top 4000 + 40 + 10.
    {"x linear, odd width", true, false, 1000, 4000, {101, 80}, {0, 0}, 950, 4050, 0, 0},
    {"x linear, even width", true, false, 1000, 4000, {100, 80}, {0, 0}, 950, 4050, 0, 0},
    // Base left 1000 - round(50.5) = 949; exponent at 949 + 101 + 10, top 4050 - 24.
    {"x log", true, true, 1000, 4000, {101, 80}, {30, 80}, 949, 4050, 1060, 4026},
    {"x log, half raised", true, true, 1000, 4000, {101, 85}, {30, 85}, 949, 4050, 1060, 4025},
    // Tick's outer end 761: left 761 - 150 - 20; top 2000 - round(40.5).
    {"y linear", false, false, 2000, 800, {150, 81}, {0, 0}, 591, 1959, 0, 0},
    {"y log", false, true, 2000, 800, {100, 80}, {30, 80}, 611, 1960, 721, 1936},
};

TEST(LabelPlacement, Table) {
  LabelMeasures m = label_measures(100);
  for (const PlacementRow &row : kPlacements) {
    LabelPlacement p = row.x_axis
                           ? place_x_label(row.at, row.edge, row.text, row.exponent, row.logarithmic, m)
                           : place_y_label(row.at, row.edge, row.text, row.exponent, row.logarithmic, m);
    EXPECT_EQ(p.text.x, row.text_left) << row.name;
    EXPECT_EQ(p.text.y, row.text_top) << row.name;
    if (!row.logarithmic) continue;
    EXPECT_EQ(p.exponent.x, row.exponent_left) << row.name;
    EXPECT_EQ(p.exponent.y, row.exponent_top) << row.name;
  }
}

// Ten units per character; a font's height is what its record says.
TextSize fake_measure(const LogicalFont &font, const std::string &text) {
  return {10 * static_cast<int>(text.size()), font.height};
}

class BandTest : public GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    make_graph();
    graph->character_height = 100;
    graph->label_format[0].font.height = 50;
    graph->label_format[1].font.height = 50;
    graph->title[0].font.height = 70;
    graph->title[1].font.height = 60;
  }
  void y_axis(double min, double max, double increment, int base) {
    Axis &y = graph->axes[1];
    y.min = min;
    y.max = max;
    y.increment = increment;
    y.scale = 1;
    y.base = base;
  }
};

TEST_F(BandTest, XBandHeight) {
  EXPECT_EQ(x_label_band_height(*graph, fake_measure), 50 + 200 + 70);
  set_title_display(graph, 0, false);
  EXPECT_EQ(x_label_band_height(*graph, fake_measure), 50 + 200);
}

struct BandRow {
  const char *name;
  double min, max, increment;
  int base;
  bool title;
  int width;
};

const BandRow kBands[] = {
    // "0.0", "5.0" measured; "10.0" at max is not.
    {"label at max left out", 0, 10, 5, 1, true, 30 + 60},
    {"negative labels", -6, 6, 2, 1, true, 40 + 60},
    {"title hidden", -6, 6, 2, 1, false, 40},
    {"log base and exponent", -3, 3, 1, 10, true, 40 + 60},   // "10" + "-3"
    {"log positive exponents", 1, 3, 1, 10, false, 30},       // "10" + "1"
    {"max equal to min", 2, 2, 1, 1, true, 60},
    {"max below min", 3, 2, 1, 1, false, 0},
    // "1.0" six times: drawn, and measured, as "1.000" ... "1.004".
    {"labels with the digits they are drawn with", 1, 1.005, 0.001, 1, true, 50 + 60},
};

TEST_F(BandTest, YBandWidthTable) {
  for (const BandRow &row : kBands) {
    y_axis(row.min, row.max, row.increment, row.base);
    set_title_display(graph, 1, row.title);
    EXPECT_EQ(y_label_band_width(*graph, fake_measure), row.width) << row.name;
  }
}

TEST_F(BandTest, MeasuredLabelSizesKeptPerTick) {
  y_axis(-3, 3, 1, 10);
  measure_tick_labels(*graph, 1, fake_measure);
  const AxisGeometry &g = graph->geometry[1];
  ASSERT_EQ(g.label_count, 7);
  EXPECT_EQ(g.label_sizes[0].width, 20);      // "10"
  EXPECT_EQ(g.label_sizes[0].height, 50);
  EXPECT_EQ(g.exponent_sizes[0].width, 20);   // "-3"
  EXPECT_EQ(g.exponent_sizes[3].width, 10);   // "0"
  EXPECT_EQ(g.exponent_sizes[6].width, 10);   // "3", the label at the end

  Axis &x = graph->axes[0];
  x.min = 0;
  x.max = 200;
  x.increment = 1;
  x.scale = 1;
  x.base = 1;
  measure_tick_labels(*graph, 0, fake_measure);
  const AxisGeometry &h = graph->geometry[0];
  ASSERT_EQ(h.label_count, 101);
  EXPECT_EQ(h.label_sizes[98].width, 40);     // "98.0"
  EXPECT_EQ(h.label_sizes[99].width, 50);     // "199.0" overwrote "99.0"
  EXPECT_EQ(h.label_sizes[100].width, 50);    // "200.0"
  EXPECT_EQ(h.exponent_sizes[100].width, 0);

  // Sizes are those of the drawn texts: "0.50m" ... "0.55m".
  x.min = 0.5;
  x.max = 0.55;
  x.increment = 0.01;
  x.scale = 1e-3;
  measure_tick_labels(*graph, 0, fake_measure);
  ASSERT_EQ(h.label_count, 6);
  EXPECT_EQ(h.label_sizes[0].width, 50);
  EXPECT_EQ(h.label_sizes[5].width, 50);
}

}  // namespace
