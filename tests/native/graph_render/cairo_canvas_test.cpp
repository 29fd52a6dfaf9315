// The cairo canvas: pixels of the image, fonts by family name, PNG and PDF files read back.
#include <gtest/gtest.h>

#include <cstring>

#include "canvas/cairo_canvas.h"
#include "render_support.h"
#include "test_picture.h"

namespace {

const Colour kWhite{255, 255, 255};
const Colour kBlack{0, 0, 0};
const Mapping kOneToOne{{0, 0}, {200, 100}, {0, 0}, {200, 100}};

LogicalFont font_of(const char *face, int height, int escapement = 0) {
  LogicalFont font{};
  font.height = height;
  font.escapement = escapement;
  font.weight = 400;
  std::snprintf(font.face_name, sizeof font.face_name, "%s", face);
  return font;
}

class CairoCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override { create_graph_resources(kWhite, nullptr); }
  void TearDown() override { destroy_graph_resources(); }
};

// Non-white pixels inside a box: text drawn with antialiasing.
int inked(cairo_surface_t *image, int left, int top, int right, int bottom) {
  int n = 0;
  for (int y = top; y < bottom; y++) n += (right - left) - count_in_row(image, y, left, right, kWhite);
  return n;
}

TEST_F(CairoCanvasTest, DrawsTheTestPicture) {
  CairoSurface image = create_white_image(kPictureSize, kPictureSize);
  {
    CairoCanvas canvas(image.get());
    draw_test_picture(canvas);
    EXPECT_TRUE(canvas.flush());
  }
  expect_test_picture(image.get());
}

TEST_F(CairoCanvasTest, PenStylesRasterOpsAndBrushes) {
  Colour colour = graph_resources()->palette[2];
  CairoSurface image = create_white_image(100, 100);
  {
    CairoCanvas canvas(image.get());
    canvas.set_pen({kPenDot, 0, colour});
    canvas.move_to({0, 10});
    canvas.line_to({100, 10});
    canvas.set_pen({kPenNull, 0, colour});
    canvas.move_to({0, 20});
    canvas.line_to({100, 20});
    canvas.set_pen({kPenSolid, 0, kBlack});
    canvas.set_raster_op(kRopNot);   // twice gives back the background; once, it shows
    for (int y : {30, 30, 40}) {
      canvas.move_to({0, y});
      canvas.line_to({100, y});
    }
    canvas.set_raster_op(kRopCopyPen);
    canvas.set_pen({kPenSolid, 3, colour});   // three pixels wide: rows 49..51
    canvas.move_to({10, 50});
    canvas.line_to({90, 50});
    canvas.set_pen({kPenSolid, 0, colour});
    canvas.set_brush({false, colour});
    const LogicalPoint triangle[] = {{50, 60}, {60, 80}, {40, 80}};
    canvas.polygon(triangle, 3);
    canvas.ellipse({70, 60, 90, 80});
    EXPECT_TRUE(canvas.flush());
  }
  EXPECT_NEAR(count_in_row(image.get(), 10, 0, 100, colour), 50, 2);   // 3 on, 3 off
  EXPECT_TRUE(pixel(image.get(), 1, 10) == colour);
  EXPECT_TRUE(pixel(image.get(), 4, 10) == kWhite);
  EXPECT_TRUE(pixel(image.get(), 5, 10) == kWhite);
  EXPECT_TRUE(pixel(image.get(), 7, 10) == colour);
  EXPECT_EQ(count_in_row(image.get(), 20, 0, 100, kWhite), 100);
  EXPECT_EQ(count_in_row(image.get(), 30, 0, 100, kWhite), 100);
  EXPECT_EQ(count_in_row(image.get(), 40, 0, 100, kBlack), 100);
  for (int y = 49; y <= 51; y++) EXPECT_EQ(count_in_row(image.get(), y, 20, 80, colour), 60) << y;
  EXPECT_EQ(count_in_row(image.get(), 48, 0, 100, kWhite), 100);
  EXPECT_EQ(count_in_row(image.get(), 52, 0, 100, kWhite), 100);
  EXPECT_TRUE(pixel(image.get(), 50, 75) == colour);
  EXPECT_TRUE(pixel(image.get(), 80, 70) == colour);
  EXPECT_TRUE(pixel(image.get(), 35, 75) == kWhite);
}

TEST_F(CairoCanvasTest, FamiliesResolveToTheLiberationFaces) {
  CairoSurface image = create_white_image(10, 10);
  CairoCanvas canvas(image.get());
  canvas.set_mapping(kOneToOne);
  auto width = [&](const char *face) {
    canvas.set_font(font_of(face, -20));
    return canvas.text_extent("Graph 1.5k").width;
  };
  int arial = width("Arial"), sans = width("Liberation Sans");
  int times = width("Times New Roman"), serif = width("Liberation Serif");
  EXPECT_GT(arial, 50);
  EXPECT_EQ(arial, sans);
  EXPECT_EQ(times, serif);
  EXPECT_NE(arial, times);
}

TEST_F(CairoCanvasTest, TextExtentInLogicalUnits) {
  CairoSurface image = create_white_image(10, 10);
  CairoCanvas canvas(image.get());
  canvas.set_mapping(kOneToOne);
  canvas.set_font(font_of("Arial", -20));
  TextSize one = canvas.text_extent("W"), two = canvas.text_extent("WW");
  EXPECT_NEAR(two.width, 2 * one.width, 1);
  EXPECT_EQ(one.height, 22);   // em 20: ascent 18.1 + descent 4.2 of the Arial-metric face
  // The same font in a logical space ten times finer measures ten times larger.
  canvas.set_mapping({{0, 0}, {2000, 1000}, {0, 0}, {200, 100}});
  canvas.set_font(font_of("Arial", -200));
  TextSize fine = canvas.text_extent("WW");
  EXPECT_NEAR(fine.width, 10 * two.width, 10);
  EXPECT_NEAR(fine.height, 224, 1);
  // A positive height is the cell: ascent and descent together.
  canvas.set_mapping(kOneToOne);
  canvas.set_font(font_of("Arial", 30));
  EXPECT_EQ(canvas.text_extent("X").height, 30);
  EXPECT_EQ(canvas.text_extent("").width, 0);
}

TEST_F(CairoCanvasTest, TextAlignsOnItsPoint) {
  CairoSurface image = create_white_image(200, 100);
  TextSize size;
  {
    CairoCanvas canvas(image.get());
    canvas.set_mapping(kOneToOne);
    canvas.set_font(font_of("Arial", -20));
    canvas.set_text_colour(kBlack);
    size = canvas.text_extent("WW");
    canvas.set_text_align(kAlignRight | kAlignTop);
    canvas.text_out({100, 10}, "WW");
    canvas.set_text_align(kAlignCenter | kAlignBaseline);
    canvas.text_out({150, 80}, "WW");
    EXPECT_TRUE(canvas.flush());
  }
  EXPECT_GT(inked(image.get(), 100 - size.width, 10, 100, 10 + size.height), 40);
  EXPECT_EQ(inked(image.get(), 100, 0, 130, 40), 0);           // nothing right of the point
  EXPECT_EQ(inked(image.get(), 0, 0, 200, 10), 0);             // nothing above the top
  EXPECT_GT(inked(image.get(), 150 - size.width / 2, 60, 150, 80), 20);
  EXPECT_GT(inked(image.get(), 150, 60, 150 + size.width / 2, 80), 20);
  EXPECT_EQ(inked(image.get(), 130, 82, 170, 100), 0);         // W has no descender
}

TEST_F(CairoCanvasTest, VerticalFontRunsUpwards) {
  CairoSurface image = create_white_image(100, 200);
  {
    CairoCanvas canvas(image.get());
    canvas.set_font(font_of("Arial", -20, 900));
    canvas.set_text_colour(kBlack);
    canvas.set_text_align(kAlignLeft | kAlignTop);
    canvas.text_out({40, 150}, "Voltage");
    EXPECT_TRUE(canvas.flush());
  }
  EXPECT_GT(inked(image.get(), 40, 60, 62, 150), 100);   // up from the point, right of it
  EXPECT_EQ(inked(image.get(), 0, 0, 40, 200), 0);
  EXPECT_EQ(inked(image.get(), 0, 151, 100, 200), 0);
}

TEST_F(CairoCanvasTest, BytesThatAreNotUtf8DoNotBreakTheSurface) {
  CairoSurface image = create_white_image(100, 100);
  CairoCanvas canvas(image.get());
  canvas.set_font(font_of("Arial", -12));
  canvas.text_out({10, 10}, "1.5\xB5V \x81\xFF");
  EXPECT_GT(canvas.text_extent("\x81").width, 0);
  EXPECT_TRUE(canvas.flush());
}

TEST_F(CairoCanvasTest, PngWrittenAndReadBack) {
  Scratch scratch;
  CairoSurface image = create_white_image(kPictureSize, kPictureSize);
  {
    CairoCanvas canvas(image.get());
    draw_test_picture(canvas);
  }
  ASSERT_TRUE(write_png(image.get(), scratch.path("picture.png")));
  CairoSurface read(cairo_image_surface_create_from_png(scratch.path("picture.png").c_str()));
  ASSERT_EQ(cairo_surface_status(read.get()), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(read.get()), kPictureSize);
  EXPECT_EQ(cairo_image_surface_get_height(read.get()), kPictureSize);
  expect_test_picture(read.get());
  EXPECT_FALSE(write_png(image.get(), scratch.path("missing/picture.png")));
}

TEST_F(CairoCanvasTest, PdfTextsReadBackByPdftotext) {
  Scratch scratch;
  std::string path = scratch.path("graph.pdf");
  CairoSurface pdf = create_pdf(path, 800, 600);
  {
    CairoCanvas canvas(pdf.get());
    canvas.set_mapping({{-1, -1}, {7002, 5002}, {0, 0}, {800, 600}});
    canvas.rectangle({700, 500, 6300, 4500});
    canvas.set_font(font_of("Times New Roman", -150));
    canvas.set_text_align(kAlignCenter | kAlignTop);
    canvas.text_out({3500, 4600}, "Time [s]");
    canvas.set_font(font_of("Arial", -120));
    canvas.set_text_align(kAlignRight | kAlignBaseline);
    canvas.text_out({650, 1000}, "1.5k");
    canvas.text_out({650, 2000}, "-2.0");
    canvas.text_out({650, 3000}, "100\xB5");
    EXPECT_TRUE(canvas.flush());
  }
  ASSERT_TRUE(finish_pdf(pdf.get()));
  ToolRun run = run_tool("pdftotext '" + path + "' -");
  ASSERT_EQ(run.status, 0) << run.output;
  for (const char *text : {"Time [s]", "1.5k", "-2.0", "100\xC2\xB5"})
    EXPECT_NE(run.output.find(text), std::string::npos) << text << " in:\n" << run.output;
  ToolRun info = run_tool("pdfinfo '" + path + "'");
  EXPECT_EQ(info.status, 0) << info.output;
  EXPECT_NE(info.output.find("800 x 600 pts"), std::string::npos) << info.output;
}

TEST_F(CairoCanvasTest, PdfThatCannotBeWrittenFails) {
  Scratch scratch;
  CairoSurface pdf = create_pdf(scratch.path("missing/graph.pdf"), 800, 600);
  {
    CairoCanvas canvas(pdf.get());
    canvas.rectangle({10, 10, 100, 100});
    canvas.text_out({10, 10}, "1.5k");
    canvas.flush();
  }
  EXPECT_FALSE(finish_pdf(pdf.get()));
}

}  // namespace
