#include "test_picture.h"

#include <gtest/gtest.h>

#include "render_support.h"

namespace {

const Colour kWhite{255, 255, 255};
const Colour kBlack{0, 0, 0};
const Colour kGrey{128, 128, 128};

}  // namespace

void draw_test_picture(Canvas &canvas) {
  const Colour *palette = graph_resources()->palette;
  // A client wider than the window's shape: the height decides, 0.5 device units per unit.
  canvas.set_mapping({{0, 0}, {200, 200}, {0, 0}, {150, 100}});
  canvas.set_pen({kPenSolid, 0, kBlack});
  canvas.set_brush({true, kBlack});
  canvas.rectangle({20, 20, 100, 80});                     // device (10, 10) - (50, 40)
  canvas.set_pen({kPenSolid, 0, palette[1]});
  canvas.move_to({20, 120});
  canvas.line_to({180, 120});                              // device row 60, x 10..89
  canvas.fill_rect({40, 140, 160, 150}, kGrey);            // device (20, 70) - (80, 75)
  canvas.set_pen({kPenSolid, 0, palette[0]});
  canvas.intersect_clip({0, 0, 100, 200});
  canvas.intersect_clip({20, 0, 200, 200});                // device x 10..49
  canvas.move_to({0, 40});
  canvas.line_to({200, 40});                               // device row 20
  canvas.reset_clip();
  canvas.move_to({0, 60});
  canvas.line_to({200, 60});                               // device row 30, all of it
}

void expect_test_picture(cairo_surface_t *image) {
  const Colour *palette = graph_resources()->palette;
  // The frame: outline only, right and bottom edges left out as GDI does.
  EXPECT_EQ(count_in_row(image, 10, 0, 100, kBlack), 40);
  EXPECT_EQ(count_in_row(image, 39, 0, 100, kBlack), 40);
  // (The lines of rows 20 and 30 cross the frame's sides.)
  EXPECT_EQ(count_in_column(image, 10, 11, 20, kBlack), 9);
  EXPECT_EQ(count_in_column(image, 49, 11, 20, kBlack), 9);
  EXPECT_EQ(count_in_column(image, 10, 31, 40, kBlack), 9);
  EXPECT_EQ(count_in_column(image, 49, 31, 40, kBlack), 9);
  EXPECT_TRUE(pixel(image, 30, 25) == kWhite);
  EXPECT_TRUE(pixel(image, 50, 12) == kWhite);
  EXPECT_TRUE(pixel(image, 12, 40) == kWhite);
  // The line covers one row, from its first pixel to the one before its end.
  EXPECT_EQ(count_in_row(image, 60, 0, 100, palette[1]), 80);
  EXPECT_TRUE(pixel(image, 10, 60) == palette[1]);
  EXPECT_TRUE(pixel(image, 89, 60) == palette[1]);
  EXPECT_EQ(count_in_row(image, 59, 0, 100, kWhite), 100);
  EXPECT_EQ(count_in_row(image, 61, 0, 100, kWhite), 100);
  // The grey strip.
  for (int y = 70; y < 75; y++) EXPECT_EQ(count_in_row(image, y, 0, 100, kGrey), 60) << y;
  EXPECT_EQ(count_in_row(image, 69, 0, 100, kWhite), 100);
  EXPECT_EQ(count_in_row(image, 75, 0, 100, kWhite), 100);
  // Clipped to x 10..49, then the whole row once the clip is lifted.
  EXPECT_EQ(count_in_row(image, 20, 10, 50, palette[0]), 40);
  EXPECT_EQ(count_in_row(image, 20, 0, 10, kWhite), 10);
  EXPECT_EQ(count_in_row(image, 20, 50, 100, kWhite), 50);
  EXPECT_EQ(count_in_row(image, 30, 0, 100, palette[0]), 100);
}
