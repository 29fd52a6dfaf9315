// The SVG writer: exact elements, a well-formed document, and the pixels an outside renderer
// (rsvg-convert) makes of it.
#include <gtest/gtest.h>

#include <cstring>

#include "canvas/cairo_canvas.h"
#include "canvas/svg_canvas.h"
#include "render_support.h"
#include "test_picture.h"

namespace {

const Colour kWhite{255, 255, 255};
const Colour kBlack{0, 0, 0};

LogicalFont font_of(const char *face, int height, int escapement = 0, int weight = 400, bool italic = false) {
  LogicalFont font{};
  font.height = height;
  font.escapement = escapement;
  font.weight = weight;
  font.italic = italic;
  std::snprintf(font.face_name, sizeof font.face_name, "%s", face);
  return font;
}

// The document's body: what follows the background rectangle, up to </svg>.
std::string body(const std::string &document) {
  size_t start = document.find("fill=\"#ffffff\"/>\n");
  size_t end = document.rfind("</svg>");
  if (start == std::string::npos || end == std::string::npos) return "malformed:" + document;
  start += std::strlen("fill=\"#ffffff\"/>\n");
  return document.substr(start, end - start);
}

class SvgCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override { create_graph_resources(kWhite, nullptr); }
  void TearDown() override { destroy_graph_resources(); }
};

TEST_F(SvgCanvasTest, DocumentFrame) {
  SvgCanvas canvas(800, 600);
  EXPECT_EQ(canvas.document(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"800\" height=\"600\" "
            "viewBox=\"0 0 800 600\" shape-rendering=\"crispEdges\" xml:space=\"preserve\">\n"
            "<rect width=\"800\" height=\"600\" fill=\"#ffffff\"/>\n"
            "</svg>\n");
}

struct ElementRow {
  const char *name;
  void (*draw)(Canvas &canvas);
  const char *expected;
};

const ElementRow kElements[] = {
    {"consecutive lines are one path through pixel centres",
     [](Canvas &c) {
       c.set_mapping({{0, 0}, {200, 200}, {0, 0}, {100, 100}});
       c.set_pen({kPenSolid, 0, {255, 0, 0}});
       c.move_to({20, 120});
       c.line_to({180, 120});
       c.line_to({180, 20});
       c.move_to({0, 0});
     },
     "<path d=\"M10.5 60.5L90.5 60.5L90.5 10.5\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"1\" "
     "stroke-linecap=\"butt\" stroke-linejoin=\"miter\"/>\n"},
    {"dashes and a wide pen",
     [](Canvas &c) {
       c.set_pen({kPenDashDot, 0, {0, 0, 0}});
       c.move_to({0, 5});
       c.line_to({50, 5});
       c.set_pen({kPenDash, 4, {0, 0, 255}});   // wider than a pixel: solid, as in GDI
       c.move_to({0, 8});
       c.line_to({50, 8});
     },
     "<path d=\"M0.5 5.5L50.5 5.5\" fill=\"none\" stroke=\"#000000\" stroke-width=\"1\" "
     "stroke-linecap=\"butt\" stroke-linejoin=\"miter\" stroke-dasharray=\"9 6 3 6\"/>\n"
     "<path d=\"M0 8L50 8\" fill=\"none\" stroke=\"#0000ff\" stroke-width=\"4\" "
     "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"},
    {"null pen draws nothing",
     [](Canvas &c) {
       c.set_pen({kPenNull, 0, {0, 0, 0}});
       c.move_to({0, 5});
       c.line_to({50, 5});
     },
     ""},
    {"rectangle filled and outlined, right and bottom edges left out",
     [](Canvas &c) {
       c.set_brush({false, {0, 128, 0}});
       c.rectangle({10, 20, 30, 40});
     },
     "<rect x=\"10\" y=\"20\" width=\"19\" height=\"19\" fill=\"#008000\"/>\n"
     "<rect x=\"10.5\" y=\"20.5\" width=\"19\" height=\"19\" fill=\"none\" stroke=\"#000000\" "
     "stroke-width=\"1\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\"/>\n"},
    {"hollow ellipse and a filled polygon",
     [](Canvas &c) {
       c.set_brush({true, {0, 0, 0}});
       c.ellipse({10, 10, 21, 31});
       c.set_brush({false, {1, 2, 3}});
       const LogicalPoint triangle[] = {{0, 10}, {5, 0}, {10, 10}};
       c.polygon(triangle, 3);
     },
     "<ellipse cx=\"15.5\" cy=\"20.5\" rx=\"5\" ry=\"10\" fill=\"none\" stroke=\"#000000\" "
     "stroke-width=\"1\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\"/>\n"
     "<path d=\"M0.5 10.5L5.5 0.5L10.5 10.5Z\" fill=\"#010203\" fill-rule=\"evenodd\" stroke=\"#000000\" "
     "stroke-width=\"1\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\"/>\n"},
    {"fill_rect of corners in any order",
     [](Canvas &c) { c.fill_rect({30, 40, 10, 20}, {128, 128, 128}); },
     "<rect x=\"10\" y=\"20\" width=\"20\" height=\"20\" fill=\"#808080\"/>\n"},
    {"clip groups nest and reset closes them",
     [](Canvas &c) {
       c.intersect_clip({0, 0, 50, 60});
       c.intersect_clip({10, 0, 100, 100});
       c.reset_clip();
       c.intersect_clip({1, 2, 3, 4});
     },
     "<clipPath id=\"clip1\"><rect x=\"0\" y=\"0\" width=\"50\" height=\"60\"/></clipPath>\n"
     "<g clip-path=\"url(#clip1)\">\n"
     "<clipPath id=\"clip2\"><rect x=\"10\" y=\"0\" width=\"90\" height=\"100\"/></clipPath>\n"
     "<g clip-path=\"url(#clip2)\">\n"
     "</g>\n</g>\n"
     "<clipPath id=\"clip3\"><rect x=\"1\" y=\"2\" width=\"2\" height=\"2\"/></clipPath>\n"
     "<g clip-path=\"url(#clip3)\">\n"
     "</g>\n"},   // the document closes what is still open
    {"text on its baseline keeps the exact string, escaped",
     [](Canvas &c) {
       c.set_font(font_of("Arial", -20));
       c.set_text_colour({0, 0, 255});
       c.set_text_align(kAlignCenter | kAlignBaseline);
       c.text_out({20, 80}, "a<b & \"Time  [s]\"");
       c.set_font(font_of("Times New Roman", -10, 0, 700, true));
       c.set_text_align(kAlignRight | kAlignBaseline);
       c.text_out({90, 30}, "1.5\xB5");
     },
     "<text x=\"20\" y=\"80\" font-family=\"Arial\" font-size=\"20\" text-anchor=\"middle\" "
     "fill=\"#0000ff\">a&lt;b &amp; &quot;Time  [s]&quot;</text>\n"
     "<text x=\"90\" y=\"30\" font-family=\"Times New Roman\" font-size=\"10\" font-weight=\"bold\" "
     "font-style=\"italic\" text-anchor=\"end\" fill=\"#0000ff\">1.5\xC2\xB5</text>\n"},
    {"vertical text turns about its point",
     [](Canvas &c) {
       c.set_font(font_of("Arial", -20, 900));
       c.set_text_align(kAlignLeft | kAlignBaseline);
       c.text_out({40, 150}, "Voltage");
     },
     "<text transform=\"translate(40 150) rotate(-90)\" x=\"0\" y=\"0\" font-family=\"Arial\" "
     "font-size=\"20\" text-anchor=\"start\" fill=\"#000000\">Voltage</text>\n"},
    {"inverting draws white in the difference blend",
     [](Canvas &c) {
       c.set_raster_op(kRopNot);
       c.fill_rect({0, 0, 10, 10}, {0, 0, 0});
     },
     "<rect x=\"0\" y=\"0\" width=\"10\" height=\"10\" fill=\"#ffffff\" style=\"mix-blend-mode:difference\"/>\n"},
};

TEST_F(SvgCanvasTest, Elements) {
  for (const ElementRow &row : kElements) {
    SvgCanvas canvas(100, 100);
    row.draw(canvas);
    EXPECT_EQ(body(canvas.document()), row.expected) << row.name;
  }
}

TEST_F(SvgCanvasTest, TopAlignedTextSitsItsAscentLower) {
  SvgCanvas canvas(100, 100);
  canvas.set_font(font_of("Arial", -20));
  canvas.set_text_align(kAlignLeft | kAlignTop);
  canvas.text_out({10, 10}, "X");
  canvas.set_text_align(kAlignLeft | kAlignBottom);
  canvas.text_out({10, 50}, "X");
  // The face's ascent is 1854 and its descent 434 of 2048 units to the em.
  EXPECT_EQ(body(canvas.document()),
            "<text x=\"10\" y=\"28.105\" font-family=\"Arial\" font-size=\"20\" text-anchor=\"start\" "
            "fill=\"#000000\">X</text>\n"
            "<text x=\"10\" y=\"45.762\" font-family=\"Arial\" font-size=\"20\" text-anchor=\"start\" "
            "fill=\"#000000\">X</text>\n");
}

TEST_F(SvgCanvasTest, MeasuresLikeTheCairoCanvas) {
  SvgCanvas svg(800, 600);
  CairoSurface image = create_white_image(800, 600);
  CairoCanvas cairo(image.get());
  const Mapping window{{-1, -1}, {7002, 5002}, {0, 0}, {800, 600}};
  for (Canvas *canvas : {static_cast<Canvas *>(&svg), static_cast<Canvas *>(&cairo)}) {
    canvas->set_mapping(window);
    canvas->set_font(font_of("Times New Roman", -140));
  }
  for (const char *text : {"X", "1.5k", "-2.0", "Time  [s]"}) {
    TextSize a = svg.text_extent(text), b = cairo.text_extent(text);
    EXPECT_EQ(a.width, b.width) << text;
    EXPECT_EQ(a.height, b.height) << text;
    EXPECT_GT(a.width, 0) << text;
  }
}

TEST_F(SvgCanvasTest, ParsedByXmllintAndRenderedByRsvg) {
  Scratch scratch;
  SvgCanvas canvas(kPictureSize, kPictureSize);
  draw_test_picture(canvas);
  canvas.set_font(font_of("Arial", -16));
  canvas.text_out({0, 180}, "<&> \x01 \xB5");   // markup, a control byte, a code-page byte
  canvas.intersect_clip({0, 0, 10, 10});      // left open: the document closes it
  std::string svg = scratch.path("picture.svg"), png = scratch.path("picture.png");
  ASSERT_TRUE(write_file(svg, canvas.document()));

  ToolRun lint = run_tool("xmllint --noout '" + svg + "'");
  EXPECT_EQ(lint.status, 0) << lint.output;
  EXPECT_EQ(lint.output, "");

  ToolRun render = run_tool("rsvg-convert -o '" + png + "' '" + svg + "'");
  ASSERT_EQ(render.status, 0) << render.output;
  CairoSurface image(cairo_image_surface_create_from_png(png.c_str()));
  ASSERT_EQ(cairo_surface_status(image.get()), CAIRO_STATUS_SUCCESS);
  ASSERT_EQ(cairo_image_surface_get_width(image.get()), kPictureSize);
  ASSERT_EQ(cairo_image_surface_get_height(image.get()), kPictureSize);
  // The text sits in the bottom left corner, away from what the picture checks.
  expect_test_picture(image.get());
}

}  // namespace
