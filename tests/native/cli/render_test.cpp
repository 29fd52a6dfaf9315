// ulmocli render on the bundled samples, its pictures read back by outside tools.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli_run.h"
#include "result_writer.h"

namespace {

using Texts = std::vector<std::string>;

std::string sample(const std::string &name) { return std::string(ULMO_SAMPLES) + "/" + name; }
// Named after the process too: another checkout may run these tests at the same time.
std::string scratch(const std::string &name) {
  return ::testing::TempDir() + "render_" + std::to_string(getpid()) + "_" + name;
}

std::string read_file(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string unescape(std::string text) {
  static const std::pair<const char *, const char *> entities[] = {
      {"&apos;", "'"}, {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}};
  for (const auto &[entity, character] : entities)
    for (size_t at; (at = text.find(entity)) != std::string::npos;)
      text.replace(at, strlen(entity), character);
  return text;
}

// The strings of the document's <text> elements, in document order.
Texts svg_texts(const std::string &path) {
  std::string svg = read_file(path);
  static const std::regex text_element("<text[^>]*>([^<]*)</text>");
  Texts texts;
  for (std::sregex_iterator i(svg.begin(), svg.end(), text_element), end; i != end; ++i)
    texts.push_back(unescape((*i)[1]));
  return texts;
}

struct PixelCount {
  int width = 0, height = 0;
  int not_white = 0;
  int shadow_grey = 0;   // 128, 128, 128: the page view's shadow
};

PixelCount count_pixels(const std::string &png) {
  PixelCount c;
  cairo_surface_t *image = cairo_image_surface_create_from_png(png.c_str());
  if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
    cairo_surface_flush(image);
    c.width = cairo_image_surface_get_width(image);
    c.height = cairo_image_surface_get_height(image);
    int stride = cairo_image_surface_get_stride(image);
    const unsigned char *data = cairo_image_surface_get_data(image);
    for (int y = 0; y < c.height; y++)
      for (int x = 0; x < c.width; x++) {
        uint32_t argb = *reinterpret_cast<const uint32_t *>(data + y * stride + 4 * x);
        if ((argb & 0xFFFFFF) != 0xFFFFFF) c.not_white++;
        if ((argb & 0xFFFFFF) == 0x808080) c.shadow_grey++;
      }
  }
  cairo_surface_destroy(image);
  return c;
}

// Renders to `output` and expects success without a word on stderr.
void render(const std::string &arguments, const std::string &output) {
  std::remove(output.c_str());
  CliRun r = run("render " + arguments + " -o " + output);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
}

// Outside readers accept the document and draw something.
void expect_valid_svg(const std::string &svg) {
  EXPECT_EQ(run_command("xmllint --noout " + svg).status, 0);
  std::string png = svg + ".png";
  ASSERT_EQ(run_command("rsvg-convert -o " + png + " " + svg).status, 0);
  PixelCount c = count_pixels(png);
  EXPECT_EQ(c.width, 800);
  EXPECT_EQ(c.height, 600);
  EXPECT_GT(c.not_white, 2000);
}

// A 0 .. 5 ms transient: m-suffixed labels a millisecond apart; a sine of amplitude 1 is
// scaled -1 .. 1 in halves. The legend texts are the expression texts, the y unit the one
// both share.
TEST(CliRender, TransientSvgHoldsLabelsTitlesAndLegends) {
  std::string svg = scratch("transient.svg");
  render(sample("amplifier-transient.out") + " \"'v(in)'\" \"'v(out)'\"", svg);
  EXPECT_EQ(svg_texts(svg),
            (Texts{"0.0m", "1.0m", "2.0m", "3.0m", "4.0m", "5.0m", "time  [sec]", "-1.0", "-0.5",
                   "0.0", "0.5", "1.0", "Y Axis Title  [V]", "'v(in)'", "'v(out)'"}));
  expect_valid_svg(svg);
}

// 0 .. 1 after the x expression: increments of 0.2 without a suffix; the x title is the
// expression with its unit; traces of different units leave the y unit empty.
TEST(CliRender, XExpressionPlotChoiceAndMixedUnits) {
  std::string svg = scratch("x_expression.svg");
  render(sample("several-plots.out") + " --plot 1 --x \"'time'*200\" \"'v(in)'\" \"'i(r1)'\"",
         svg);
  EXPECT_EQ(svg_texts(svg),
            (Texts{"0.0", "0.2", "0.4", "0.6", "0.8", "1.0", "'time'*200  [sec]", "-1.0", "-0.5",
                   "0.0", "0.5", "1.0", "Y Axis Title", "'v(in)'", "'i(r1)'"}));
  expect_valid_svg(svg);
}

// 10 Hz .. 1 MHz on decades (base and superscript exponent), the low-pass response in dB.
TEST(CliRender, ComplexPlotOnLogarithmicX) {
  std::string svg = scratch("ac_db.svg");
  render(sample("filter-ac.out") + " --logx \"db('v(out)')\"", svg);
  EXPECT_EQ(svg_texts(svg),
            (Texts{"10", "1", "10", "2", "10", "3", "10", "4", "10", "5", "10", "6",
                   "frequency  [Hz]", "-80.0", "-60.0", "-40.0", "-20.0", "0.0",
                   "Y Axis Title  [dB]", "db('v(out)')"}));
  expect_valid_svg(svg);

  render(sample("filter-ac.out") + " --logy \"mag('v(out)')\"", svg);
  Texts texts = svg_texts(svg);
  ASSERT_EQ(texts.size(), 19u);
  EXPECT_EQ(Texts(texts.begin(), texts.begin() + 7),
            (Texts{"0.0M", "0.2M", "0.4M", "0.6M", "0.8M", "1.0M", "frequency  [Hz]"}));
  EXPECT_EQ(Texts(texts.begin() + 7, texts.end()),
            (Texts{"10", "-4", "10", "-3", "10", "-2", "10", "-1", "10", "0",
                   "Y Axis Title  [V]", "mag('v(out)')"}));
}

// A complex run lets infinities through (exp overflows above 709); the axis is scaled to the
// values that can be drawn instead of becoming "nan".
TEST(CliRender, InfiniteValuesAreLeftOutOfTheRange) {
  std::string svg = scratch("infinite.svg");
  render(sample("filter-ac.out") + " \"exp('frequency'/1k)\"", svg);
  Texts texts = svg_texts(svg);
  ASSERT_EQ(texts.size(), 13u);
  EXPECT_EQ(Texts(texts.begin() + 7, texts.end()),
            (Texts{"0.0e306", "10.0e306", "20.0e306", "30.0e306", "Y Axis Title  [Hz]",
                   "exp('frequency'/1k)"}));
  expect_valid_svg(svg);
}

// A logarithmic axis over data that is not positive tells so and turns linear.
TEST(CliRender, LogarithmicAxisOverNonPositiveDataTurnsLinear) {
  std::string svg = scratch("log_negative.svg");
  std::remove(svg.c_str());
  CliRun r = run("render " + sample("amplifier-transient.out") + " --logy -o " + svg +
                 " \"'v(in)'\"");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "Negative or zero data not allowed in logaritmic plots\n");
  Texts texts = svg_texts(svg);
  ASSERT_EQ(texts.size(), 14u);
  EXPECT_EQ(Texts(texts.begin() + 7, texts.end()),
            (Texts{"-1.0", "-0.5", "0.0", "0.5", "1.0", "Y Axis Title  [V]", "'v(in)'"}));
}

TEST(CliRender, PdfReadsBackWithLegendsAndLabels) {
  std::string pdf = scratch("transient.pdf");
  render(sample("narrow-transient.out") + " \"'v(out)'\" \"'i(vin)'*1k\"", pdf);
  CliRun text = run_command("pdftotext " + pdf + " -");
  ASSERT_EQ(text.status, 0);
  for (const char *expected : {"'v(out)'", "'i(vin)'*1k", "0.0m", "2.0m", "5.0m", "-0.5",
                               "time [sec]", "Y Axis Title"})
    EXPECT_NE(text.out.find(expected), std::string::npos) << expected << " in\n" << text.out;
  CliRun info = run_command("pdfinfo " + pdf);
  EXPECT_NE(info.out.find("800 x 600 pts"), std::string::npos) << info.out;

  render(sample("filter-ac.out") + " --logx \"phase('v(out)')\"", pdf);
  text = run_command("pdftotext " + pdf + " -");
  for (const char *expected : {"phase('v(out)')", "frequency [Hz]", "-100.0", "0.0"})
    EXPECT_NE(text.out.find(expected), std::string::npos) << expected << " in\n" << text.out;
}

TEST(CliRender, PngHasTheAskedSizeAndPageViewHasItsShadow) {
  std::string window = scratch("window.png"), page = scratch("page.png");
  render(sample("amplifier-transient.out") + " \"'v(in)'\"", window);
  PixelCount w = count_pixels(window);
  EXPECT_EQ(w.width, 800);
  EXPECT_EQ(w.height, 600);
  EXPECT_GT(w.not_white, 2000);
  EXPECT_LT(w.shadow_grey, 20);   // only where antialiased text happens to blend to it

  render(sample("amplifier-transient.out") + " --size 640x480 --page \"'v(in)'\"", page);
  PixelCount p = count_pixels(page);
  EXPECT_EQ(p.width, 640);
  EXPECT_EQ(p.height, 480);
  EXPECT_GT(p.not_white, 2000);
  EXPECT_GT(p.shadow_grey, 4 * (p.width + p.height));   // a band along two sides

  render(sample("operating-point.out") + " --size 320x200 \"'v(1)'\"", window);
  w = count_pixels(window);
  EXPECT_EQ(w.width, 320);
  EXPECT_EQ(w.height, 200);
  EXPECT_GT(w.not_white, 200);
}

struct SampleRow {
  const char *name;
  const char *arguments;   // the sample, options and expressions
  Texts legends;
};

// Every bundled sample: real and complex plots, one point and many, linear and logarithmic.
const SampleRow kSamples[] = {
    {"transient", "amplifier-transient.out \"'v(out)'\"", {"'v(out)'"}},
    {"ac, both axes logarithmic", "filter-ac.out --logx --logy \"mag('v(out)')\"", {"mag('v(out)')"}},
    {"narrow transient", "narrow-transient.out \"'v(out)'\" \"'i(vin)'*1k\"", {"'v(out)'", "'i(vin)'*1k"}},
    {"operating point", "operating-point.out \"'v(1)'\" \"'v(2)'\"", {"'v(1)'", "'v(2)'"}},
    {"pole-zero", "pole-zero.out \"re('r(p1)')\" \"im('r(p1)')\"", {"re('r(p1)')", "im('r(p1)')"}},
    {"several plots: the ac one", "several-plots.out --plot 2 --logx \"db('v(out)')\"", {"db('v(out)')"}},
    {"several plots: the pole-zero one", "several-plots.out --plot 3 \"mag('r(p1)')\"", {"mag('r(p1)')"}},
};

TEST(CliRender, EverySampleInEveryFormat) {
  for (const SampleRow &row : kSamples) {
    std::string arguments = std::string(ULMO_SAMPLES) + "/" + row.arguments;
    std::string svg = scratch("sample.svg"), pdf = scratch("sample.pdf"), png = scratch("sample.png");
    render(arguments, svg);
    expect_valid_svg(svg);
    Texts texts = svg_texts(svg);
    ASSERT_GE(texts.size(), row.legends.size()) << row.name;
    EXPECT_EQ(Texts(texts.end() - row.legends.size(), texts.end()), row.legends) << row.name;

    render(arguments, pdf);
    CliRun text = run_command("pdftotext " + pdf + " -");
    EXPECT_EQ(text.status, 0) << row.name;
    for (const std::string &legend : row.legends)
      EXPECT_NE(text.out.find(legend), std::string::npos) << row.name << ": " << legend << " in\n" << text.out;

    render(arguments, png);
    PixelCount c = count_pixels(png);
    EXPECT_EQ(c.width, 800) << row.name;
    EXPECT_EQ(c.height, 600) << row.name;
    EXPECT_GT(c.not_white, 2000) << row.name;
  }
}

// One point on each axis (min equal to max) still gets a scale around it; "none" is a blank
// unit symbol.
TEST(CliRender, APoleZeroPlotOfOnePoint) {
  std::string svg = scratch("pole_zero.svg");
  render(sample("pole-zero.out") + " \"re('r(p1)')\" \"im('r(p1)')\"", svg);
  EXPECT_EQ(svg_texts(svg),
            (Texts{"-1.0K", "-0.8K", "-0.6K", "-0.4K", "-0.2K", "0.0K", "r(p1)  [Hz]", "-0.5K", "0.0K",
                   "0.5K", "1.0K", "Y Axis Title  [ ]", "re('r(p1)')", "im('r(p1)')"}));
}

// Failures leave no picture behind; their messages are eval's.
TEST(CliRender, FailuresTellWhyAndWriteNothing) {
  std::string out = scratch("failed.svg");
  std::remove(out.c_str());
  std::string missing = scratch("missing.out");
  CliRun r = run("render " + missing + " -o " + out + " 1");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Can't open the file '" + missing + "'\n");

  std::string op = sample("operating-point.out");
  r = run("render " + op + " -o " + out + " 1 \"'nope'\"");
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, "ulmocli: 'nope': a quoted name is not a variable of plot 0\n");
  r = run("render " + op + " -o " + out + " \"2^3\"");
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, "ulmocli: 2^3: not an expression\n");
  r = run("render " + op + " -o " + out + " 1 1/0");
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, "Divide by zero\nulmocli: 1/0 cannot be evaluated over plot 0\n");
  r = run("render " + op + " --x 1/0 -o " + out + " 1");
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, "Divide by zero\nulmocli: 1/0 cannot be evaluated over plot 0\n");
  EXPECT_FALSE(std::ifstream(out).good());

  r = run("render " + op + " -o " + scratch("no/such/folder.png") + " 1");
  EXPECT_EQ(r.status, 4);
  EXPECT_NE(r.err.find("could not be written"), std::string::npos) << r.err;
}

TEST(CliRender, BadUsage) {
  std::string op = sample("operating-point.out");
  const std::string usage_start = "usage: ulmocli render FILE.out";
  for (const std::string &arguments :
       Texts{"", op + " 1", op + " -o " + scratch("x.svg"), op + " -o " + scratch("x.txt") + " 1",
        op + " -o .svg 1", op + " --size 0x10 -o " + scratch("x.svg") + " 1",
        op + " --size 640 -o " + scratch("x.svg") + " 1",
        op + " --size 640x480x2 -o " + scratch("x.svg") + " 1",
        op + " --plot -1 -o " + scratch("x.svg") + " 1"}) {
    CliRun r = run("render " + arguments);
    EXPECT_EQ(r.status, 1) << arguments;
    EXPECT_EQ(r.err.rfind(usage_start, 0), 0u) << arguments << ": " << r.err;
  }
  CliRun r = run("render " + sample("several-plots.out") + " --plot 9 -o " + scratch("x.svg") +
                 " 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "ulmocli: " + sample("several-plots.out") + " has no plot 9\n");
}

}  // namespace

// Graph files: written by hand beside result files made here, so that another result file
// gives other numbers.
namespace {

std::string write_ramp(const std::string &name, double scale, int plots = 1) {
  SamplePlot p;
  p.circuit_title = "ramp";
  p.simulation_date = "today";
  p.plot_name = "Transient Analysis";
  p.number_type = 4;
  p.plot_kind = 1;
  p.variables = {{"time", 2}, {"v(out)", 0}};
  p.point_count = 5;
  for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) p.real.insert(p.real.end(), {t, scale * t});
  std::string path = scratch(name);
  EXPECT_TRUE(write_result_file(path, std::vector<SamplePlot>(static_cast<size_t>(plots), p), kSampleWide));
  return path;
}

std::string write_text(const std::string &name, const std::string &text) {
  std::string path = scratch(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// Relative to the graph file, as a graph saved beside its data names it.
std::string ramp_graph(const std::string &data_name, const std::string &y_axis, int plot = 0) {
  return "[ulmograph]\r\nView=0\r\n[xaxistitle]\r\nText=time\r\n[xaxis]\r\nUnit=sec\r\n"
         "[yaxis]\r\n" + y_axis + "Unit=V\r\n[yaxistitle]\r\nText=Out\r\n"
         "[traces]\r\nDataFile=" + data_name + "\r\nNumberOfTraces=1\r\n"
         "[trace1]\r\nLegend=\"'v(out)'\"\r\nPlotIndex=" + std::to_string(plot) +
         "\r\nYExpression=\"'v(out)'\"\r\n"
         "[textblocks]\r\nNumberOfTextBlocks=1\r\n[textblock1]\r\nText=note\r\nPosX=3000\r\nPosY=2000\r\n"
         "Cx=0\r\nCy=0\r\nBorder=1\r\n";
}

const Texts kXLabels = {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0", "time  [sec]"};

Texts concat(Texts a, const Texts &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(CliRenderGraph, ASavedGraphDrawsItsFormatsOverItsOwnAndAnotherResultFile) {
  std::string own = write_ramp("ramp_own.out", 1.0);
  std::string other = write_ramp("ramp_other.out", 10.0);
  std::string own_name = own.substr(own.find_last_of('/') + 1);
  std::string graph = write_text("ramp.upg", ramp_graph(own_name, ""));
  std::string svg = scratch("ramp_own.svg");
  render(graph, svg);
  EXPECT_EQ(svg_texts(svg), concat(kXLabels, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0", "Out  [V]",
                                              "note", "'v(out)'"}));
  expect_valid_svg(svg);

  render(graph + " --data " + other, svg);
  EXPECT_EQ(svg_texts(svg), concat(kXLabels, {"0.0", "2.0", "4.0", "6.0", "8.0", "10.0", "Out  [V]",
                                              "note", "'v(out)'"}));
  // A manual range stays what was saved, whatever the data.
  std::string manual = write_text("ramp_manual.ini", ramp_graph(own_name, "Min=0\r\nMax=20\r\nIncr=5\r\n"));
  render(manual + " --data " + other, svg);
  EXPECT_EQ(svg_texts(svg), concat(kXLabels, {"0.0", "5.0", "10.0", "15.0", "20.0", "Out  [V]", "note",
                                              "'v(out)'"}));
  std::string png = scratch("ramp_manual.png");
  render(manual, png);
  EXPECT_GT(count_pixels(png).not_white, 2000);
}

// Labels that would read the same in the axis's one digit are drawn with the digits they
// need: a narrow range from the data, and a saved range as narrow as a zoom leaves it.
TEST(CliRender, NeighbouringLabelsNeverReadTheSame) {
  std::string svg = scratch("narrow.svg");
  render(sample("amplifier-transient.out") + " \"1+'time'*0.84\"", svg);
  Texts texts = svg_texts(svg);
  ASSERT_EQ(texts.size(), 15u);
  EXPECT_EQ(Texts(texts.begin() + 7, texts.end()),
            (Texts{"1.000", "1.001", "1.002", "1.003", "1.004", "1.005", "Y Axis Title  [ ]",
                   "1+'time'*0.84"}));

  std::string own = write_ramp("ramp_narrow.out", 1.0);
  std::string zoomed = write_text("ramp_zoomed.upg", ramp_graph(own.substr(own.find_last_of('/') + 1),
                                                                "Min=0.0005\r\nMax=0.00055\r\nIncr=0.00001\r\n"));
  render(zoomed, svg);
  EXPECT_EQ(svg_texts(svg), concat(kXLabels, {"0.50m", "0.51m", "0.52m", "0.53m", "0.54m", "0.55m",
                                              "Out  [V]", "note", "'v(out)'"}));
}

TEST(CliRenderGraph, LoadMessagesGoToStderrWithStatusTwo) {
  std::string data = write_ramp("ramp_msg.out", 1.0);
  std::string out = scratch("messages.svg");
  std::string missing_graph = scratch("missing.upg");
  struct {
    std::string graph, err;
  } rows[] = {
      {write_text("moved.upg", ramp_graph("moved.out", "")),
       "Could not find data file moved.out that is referenced in the graph file. Do you want to "
       "browse for a data file?\nulmocli: answered No\n"},
      {write_text("no_view.upg", "[traces]\nDataFile=" + data + "\nNumberOfTraces=1\n"),
       "Not an Ulmo-Postprocessor graph file!\n"},
      {write_text("no_traces.upg", "[ulmograph]\nView=0\n[traces]\nDataFile=" + data + "\n"),
       "No specification of traces found in the graph file!\n"},
      {write_text("no_data.upg", "[ulmograph]\nView=0\n[traces]\nNumberOfTraces=1\n"),
       "No specification of data file found in the graph file!\n"},
      {missing_graph, "Can't open the file '" + missing_graph + "'\n"},
  };
  for (const auto &r : rows) {
    std::remove(out.c_str());
    CliRun run_result = run("render " + r.graph + " -o " + out);
    EXPECT_EQ(run_result.status, 2) << r.graph;
    EXPECT_EQ(run_result.err, r.err) << r.graph;
    EXPECT_FALSE(std::ifstream(out).good()) << r.graph;
  }
}

TEST(CliRenderGraph, QuestionsAreAnsweredAsAScriptCan) {
  std::string two_plots = write_ramp("ramp_two.out", 1.0, 2);
  std::string graph = write_text("vanished.upg", ramp_graph(two_plots, "", 5));
  std::string svg = scratch("vanished.svg");
  CliRun r = run("render " + graph + " -o " + svg);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err,
            "Plot number 5 referenced by trace labeled 'v(out)' does not exist in the reloaded data "
            "file. Please select which plot to use in the following dialog box.\n"
            "ulmocli: plot 1, the current plot, is used\n");
  EXPECT_EQ(svg_texts(svg).back(), "'v(out)'");

  // A trace that cannot be evaluated over the other file is left out, drawn without, and told.
  std::string other = write_text("other_vars.upg", ramp_graph(two_plots, "") +
                                                       "[traces]\r\nNumberOfTraces=2\r\n");
  std::string two = write_text("two_traces.upg",
                               "[ulmograph]\nView=0\n[traces]\nDataFile=" + two_plots +
                                   "\nNumberOfTraces=2\n[trace1]\nLegend=gone\nPlotIndex=1\n"
                                   "YExpression=\"'v(in)'\"\n[trace2]\nLegend=kept\nPlotIndex=1\n"
                                   "YExpression=\"'v(out)'*2\"\n");
  r = run("render " + two + " -o " + svg);
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, "ulmocli: trace 1 (gone) cannot be evaluated over plot 1 and is left out\n");
  EXPECT_EQ(svg_texts(svg).back(), "kept");
}

TEST(CliRenderGraph, OptionsOfTheOtherForm) {
  std::string data = write_ramp("ramp_usage.out", 1.0);
  std::string graph = write_text("usage.upg", ramp_graph(data, ""));
  for (const std::string &arguments :
       Texts{graph + " --plot 0 -o " + scratch("x.svg"), graph + " --logy -o " + scratch("x.svg"),
             graph + " -o " + scratch("x.svg") + " \"'v(out)'\"",
             data + " --data " + data + " -o " + scratch("x.svg") + " \"'v(out)'\""}) {
    CliRun r = run("render " + arguments);
    EXPECT_EQ(r.status, 1) << arguments;
  }
}

}  // namespace
