// The GDI canvas drawing into a DIB section: what lands on the pixels.
#include <gtest/gtest.h>

#include <cstdio>

#include "dib.h"
#include "canvas/win32/gdi_canvas.h"

namespace {

const Colour kWhite{255, 255, 255};
const Colour kBlack{0, 0, 0};
const Colour kGrey{128, 128, 128};
const Mapping kOneToOne{{0, 0}, {100, 100}, {0, 0}, {100, 100}};

LogicalFont arial(int height) {
  LogicalFont font{};
  font.height = height;
  font.weight = 400;
  std::snprintf(font.face_name, sizeof font.face_name, "%s", "Arial");
  return font;
}

class GdiCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override { create_graph_resources(kWhite, nullptr); }
  void TearDown() override { destroy_graph_resources(); }
  Dib dib{100, 100};
};

TEST_F(GdiCanvasTest, FrameOutlineInBlackUnderAnIsotropicMapping) {
  {
    GdiCanvas canvas(dib.dc());
    // Twice the device in both directions, and a client wider than the window's shape: the
    // height decides the scale, as for the graph window.
    canvas.set_mapping({{0, 0}, {200, 200}, {0, 0}, {150, 100}});
    canvas.set_pen({kPenSolid, 0, kBlack});
    canvas.set_brush({true, kBlack});
    canvas.rectangle({20, 20, 100, 80});   // device (10, 10) - (50, 40)
  }
  EXPECT_EQ(dib.count_in_row(10, 0, 100, kBlack), 40);      // x 10..49
  EXPECT_EQ(dib.count_in_row(39, 0, 100, kBlack), 40);
  EXPECT_EQ(dib.count_in_column(10, 0, 100, kBlack), 30);   // y 10..39
  EXPECT_EQ(dib.count_in_column(49, 0, 100, kBlack), 30);
  EXPECT_TRUE(dib.pixel(30, 25) == kWhite);                 // the null brush leaves the inside
  EXPECT_TRUE(dib.pixel(50, 10) == kWhite);                 // right and bottom edges excluded
  EXPECT_TRUE(dib.pixel(10, 40) == kWhite);
}

TEST_F(GdiCanvasTest, HorizontalLineInAPaletteColourCoversOneRow) {
  Colour colour = graph_resources()->palette[1];
  {
    GdiCanvas canvas(dib.dc());
    canvas.set_mapping(kOneToOne);
    canvas.set_pen({kPenSolid, 0, colour});
    canvas.move_to({10, 60});
    canvas.line_to({90, 60});
  }
  EXPECT_EQ(dib.count_in_row(60, 0, 100, colour), 80);   // the end pixel is not drawn
  EXPECT_TRUE(dib.pixel(10, 60) == colour);
  EXPECT_TRUE(dib.pixel(90, 60) == kWhite);
  EXPECT_EQ(dib.count_in_row(59, 0, 100, kWhite), 100);
  EXPECT_EQ(dib.count_in_row(61, 0, 100, kWhite), 100);
}

TEST_F(GdiCanvasTest, GreyStripFillsExactlyItsRectangle) {
  {
    GdiCanvas canvas(dib.dc());
    canvas.set_mapping(kOneToOne);
    canvas.fill_rect({20, 70, 80, 75}, kGrey);
  }
  for (int y = 70; y < 75; y++) EXPECT_EQ(dib.count_in_row(y, 0, 100, kGrey), 60) << y;
  EXPECT_EQ(dib.count_in_row(69, 0, 100, kWhite), 100);
  EXPECT_EQ(dib.count_in_row(75, 0, 100, kWhite), 100);
  EXPECT_TRUE(dib.pixel(19, 72) == kWhite);
  EXPECT_TRUE(dib.pixel(80, 72) == kWhite);
}

TEST_F(GdiCanvasTest, ClippingKeepsALineOutOfTheRegionUntilReset) {
  Colour colour = graph_resources()->palette[0];
  {
    GdiCanvas canvas(dib.dc());
    canvas.set_mapping(kOneToOne);
    canvas.set_pen({kPenSolid, 0, colour});
    canvas.intersect_clip({0, 0, 50, 100});
    canvas.intersect_clip({10, 0, 100, 100});   // narrowings intersect
    canvas.move_to({0, 20});
    canvas.line_to({100, 20});
    canvas.reset_clip();
    canvas.move_to({0, 30});
    canvas.line_to({100, 30});
  }
  EXPECT_EQ(dib.count_in_row(20, 10, 50, colour), 40);
  EXPECT_EQ(dib.count_in_row(20, 0, 10, kWhite), 10);
  EXPECT_EQ(dib.count_in_row(20, 50, 100, kWhite), 50);
  EXPECT_EQ(dib.count_in_row(30, 0, 100, colour), 100);
}

TEST_F(GdiCanvasTest, PenStylesRasterOpsAndBrushes) {
  Colour colour = graph_resources()->palette[2];
  {
    GdiCanvas canvas(dib.dc());
    canvas.set_mapping(kOneToOne);
    canvas.set_pen({kPenDot, 0, colour});
    canvas.move_to({0, 10});
    canvas.line_to({100, 10});
    canvas.set_pen({kPenNull, 0, colour});
    canvas.move_to({0, 20});
    canvas.line_to({100, 20});
    // Inverting twice gives back the background; once, it shows.
    canvas.set_pen({kPenSolid, 0, kBlack});
    canvas.set_raster_op(kRopNot);
    canvas.move_to({0, 30});
    canvas.line_to({100, 30});
    canvas.move_to({0, 30});
    canvas.line_to({100, 30});
    canvas.move_to({0, 40});
    canvas.line_to({100, 40});
    canvas.set_raster_op(kRopCopyPen);
    canvas.set_brush({false, colour});
    const LogicalPoint triangle[] = {{50, 60}, {60, 80}, {40, 80}};
    canvas.polygon(triangle, 3);
    canvas.ellipse({70, 60, 90, 80});
  }
  int dotted = dib.count_in_row(10, 0, 100, colour);
  EXPECT_GT(dotted, 20);
  EXPECT_LT(dotted, 80);
  EXPECT_EQ(dib.count_in_row(20, 0, 100, kWhite), 100);
  EXPECT_EQ(dib.count_in_row(30, 0, 100, kWhite), 100);
  EXPECT_EQ(dib.count_in_row(40, 0, 100, kBlack), 100);
  EXPECT_TRUE(dib.pixel(50, 75) == colour);
  EXPECT_TRUE(dib.pixel(80, 70) == colour);
  EXPECT_TRUE(dib.pixel(35, 75) == kWhite);
}

TEST_F(GdiCanvasTest, TextAlignsOnItsPointAndMeasuresOnAScreenDc) {
  TextSize one, two;
  {
    GdiCanvas canvas(dib.dc());
    canvas.set_mapping(kOneToOne);
    canvas.set_font(arial(-20));
    canvas.set_text_colour(kBlack);
    one = canvas.text_extent("W");
    two = canvas.text_extent("WW");
    canvas.set_text_align(kAlignRight | kAlignTop);
    canvas.text_out({80, 10}, "W");
    canvas.set_text_align(kAlignLeft | kAlignBaseline);
    canvas.text_out({20, 80}, "W");
  }
  EXPECT_GT(one.width, 5);
  EXPECT_EQ(two.width, 2 * one.width);
  EXPECT_GE(one.height, 20);
  EXPECT_LE(one.height, 26);
  int right_aligned = 0, outside = 0;
  for (int y = 10; y < 35; y++) {
    right_aligned += dib.count_in_row(y, 80 - one.width, 80, kBlack);
    outside += dib.count_in_row(y, 80, 100, kBlack);
  }
  EXPECT_GT(right_aligned, 10);
  EXPECT_EQ(outside, 0);
  int above_baseline = 0, below_baseline = 0;
  for (int y = 60; y < 80; y++) above_baseline += dib.count_in_row(y, 20, 20 + one.width, kBlack);
  for (int y = 81; y < 100; y++) below_baseline += dib.count_in_row(y, 0, 100, kBlack);
  EXPECT_GT(above_baseline, 10);
  EXPECT_EQ(below_baseline, 0);   // a W has no descender
}

TEST_F(GdiCanvasTest, MetafileCannotMeasureText) {
  HDC metafile = CreateMetaFileA(nullptr);
  ASSERT_NE(metafile, nullptr);
  {
    GdiCanvas canvas(metafile);
    canvas.set_font(arial(-20));
    TextSize size = canvas.text_extent("1.5k");
    EXPECT_EQ(size.width, 0);
    EXPECT_EQ(size.height, 0);
  }
  DeleteMetaFile(CloseMetaFile(metafile));
}

TEST_F(GdiCanvasTest, OriginalsSelectedBackAndOwnObjectsDeleted) {
  HGDIOBJ pen = GetCurrentObject(dib.dc(), OBJ_PEN);
  HGDIOBJ brush = GetCurrentObject(dib.dc(), OBJ_BRUSH);
  HGDIOBJ font = GetCurrentObject(dib.dc(), OBJ_FONT);
  HGDIOBJ own_pen, own_brush, own_font;
  {
    GdiCanvas canvas(dib.dc());
    canvas.set_pen({kPenSolid, 3, kBlack});
    canvas.set_pen({kPenDash, 0, kGrey});   // the first pen is deleted once replaced
    canvas.set_brush({false, kGrey});
    canvas.set_font(arial(-12));
    own_pen = GetCurrentObject(dib.dc(), OBJ_PEN);
    own_brush = GetCurrentObject(dib.dc(), OBJ_BRUSH);
    own_font = GetCurrentObject(dib.dc(), OBJ_FONT);
    EXPECT_NE(own_pen, pen);
    EXPECT_NE(own_brush, brush);
    EXPECT_NE(own_font, font);
  }
  EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_FONT), font);
  EXPECT_EQ(GetObjectType(own_pen), 0u);
  EXPECT_EQ(GetObjectType(own_brush), 0u);
  EXPECT_EQ(GetObjectType(own_font), 0u);
}

}  // namespace

// Trace reduction groups points by the column the canvas says they land in; the DC fits an
// isotropic mapping by rounding the shrunk viewport extent, so only its own placement is exact.
TEST_F(GdiCanvasTest, PlacementIsWhereTheDcPutsEveryLogicalCoordinate) {
  const Mapping wide{{-1, -1}, {7002, 4668}, {0, 0}, {1000, 800}};   // y shrinks: 666.7 rows
  GdiCanvas canvas(dib.dc());
  canvas.set_mapping(wide);
  DeviceTransform placed = canvas.placement(wide);
  SIZE viewport;
  GetViewportExtEx(dib.dc(), &viewport);
  EXPECT_NEAR(viewport.cy, 667, 1);
  int off_x = 0, off_y = 0, off_y_exact_ratio = 0;
  for (int v = -1; v <= 7001; v++) {
    POINT p{v, v};
    LPtoDP(dib.dc(), &p, 1);
    LogicalPoint expected = to_device(placed, {v, v});
    off_x += p.x != expected.x;
    if (v > 4667) continue;
    off_y += p.y != expected.y;
    off_y_exact_ratio += p.y != to_device(device_transform(wide), {v, v}).y;
  }
  EXPECT_EQ(off_x, 0);
  EXPECT_EQ(off_y, 0);
  EXPECT_GT(off_y_exact_ratio, 100);   // rows the reduction would have got wrong
}
