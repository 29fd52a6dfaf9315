// Graphs saved and loaded again: the file's exact text, and a graph with every kind of
// setting coming back key for key and drawing the same picture.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "base/cformat.h"
#include "data/plot_model.h"
#include "expr/expression.h"
#include "graph/axis.h"
#include "graph/properties.h"
#include "graph/scaling.h"
#include "graph/text_block.h"
#include "graphfile/save.h"
#include "graphfile_fixture.h"
#include "spectrum/fft_plot.h"
#include "traces/experimental.h"
#include "traces/new_plot.h"

namespace {

using RoundTripTest = GraphFileTest;

TEST_F(RoundTripTest, EverySettingComesBackKeyForKeyAndInThePicture) {
  Graph *g = formatted_graph();
  std::string saved = save_text(*g);
  LoadedGraph &l = load_text(saved);
  ASSERT_NE(l.graph, nullptr);
  EXPECT_TRUE(ui.messages.empty()) << ui.messages[0].text;
  EXPECT_EQ(save_text(*l.graph), saved);
  EXPECT_EQ(picture(l.graph), picture(g));

  // What the writer and reader might both overlook is checked on the graph itself.
  const Graph &r = *l.graph;
  EXPECT_EQ(l.view, kPageView);
  EXPECT_EQ(l.title, "'v(b)' tt of plot 1 \"first\" plot ");
  EXPECT_FALSE(r.layout_automatic);
  EXPECT_EQ(r.plot.left, 1500);
  EXPECT_EQ(r.plot.bottom, 3600);
  EXPECT_FALSE(automatic_flag(&r, 0, kAutomaticMin));
  EXPECT_FALSE(automatic_flag(&r, 0, kAutomaticIncrement));
  EXPECT_TRUE(automatic_flag(&r, 1, kAutomaticMin));
  EXPECT_FALSE(automatic_flag(&r, 1, kAutomaticMax));
  EXPECT_EQ(axis_base(&r, 1), 10);
  EXPECT_DOUBLE_EQ(display_range(&r, 0).min, 0.5);
  EXPECT_DOUBLE_EQ(display_range(&r, 1).max, 100);
  EXPECT_EQ(title_text(&r, 1), "'v(b)'");
  EXPECT_FALSE(r.title[0].display);
  EXPECT_TRUE(r.title[1].display);
  EXPECT_EQ(r.title[1].font.escapement, 900);
  EXPECT_EQ(r.label_format[0].font.weight, 700);
  EXPECT_EQ(r.label_format[1].font.italic, 1);
  std::vector<const Trace *> t;
  for (const Trace *x = r.head->next; x; x = x->next) t.push_back(x);
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0]->plot_index, 1);
  EXPECT_EQ(t[2]->plot_index, 0);
  EXPECT_EQ(t[2]->legend.text, "\"first\" plot");
  EXPECT_EQ(expression_text(t[2]->y_expression), "'v(b)'+2");
  EXPECT_DOUBLE_EQ(t[2]->y_values[3], 11);   // evaluated over plot 0 again
  EXPECT_TRUE(t[0]->legend.border);
  EXPECT_TRUE(t[0]->legend.position_set);
  EXPECT_EQ(t[0]->legend.x, 900);
  EXPECT_EQ(t[1]->symbol_size, 4);
  EXPECT_FALSE(t[1]->display_symbols_with_text);
  ASSERT_NE(r.text_blocks, nullptr);
  EXPECT_EQ(r.text_blocks->text, "Gain 'peak' ");
  EXPECT_EQ(r.text_blocks->justification, kJustifyCentre);
  EXPECT_FALSE(r.text_blocks->adjust_box);
  ASSERT_NE(r.text_blocks->next, nullptr);
  EXPECT_EQ(r.text_blocks->next->font.escapement, 900);
}

TEST_F(RoundTripTest, HiddenLegendsAndTheWindowViewComeBack) {
  Graph *g = traces_over_two_plots();
  set_graph_property(g, kGraphLegendDisplay, number_value(kLegendHidden));
  std::string saved = save_text(*g);
  EXPECT_NE(saved.find("ShowLegends=0\r\n"), std::string::npos);
  ASSERT_NE(load_text(saved).graph, nullptr);
  EXPECT_EQ(loaded.graph->legend_display, kLegendHidden);
  EXPECT_EQ(loaded.view, kWindowView);
  EXPECT_TRUE(loaded.graph->layout_automatic);
  EXPECT_EQ(save_text(*loaded.graph), saved);
  EXPECT_EQ(picture(loaded.graph), picture(g));
}

TEST_F(RoundTripTest, TheFileTextInItsOrder) {
  load(ramp_plot());
  new_graph();
  std::string title;
  auto batch = expressions({"'v(a)'*'i(c)'"});
  ASSERT_TRUE(new_plot(graph, title, batch, {"'v(a)'*'i(c)'"}, preferences).ok);
  set_automatic_flag(graph, 1, kAutomaticMax, false);
  ASSERT_TRUE(set_manual_range(graph, 1, 0, 1.25, 0));
  EXPECT_EQ(save_text(*graph, "C:\\sim\\ramp.out"),
            "[ulmograph]\r\nView=0\r\n\r\n"
            "[xaxis]\r\nBase=1\r\nTics=3\r\nGridMajor=0\r\nGridMinor=2\r\nDisplayGrid=0\r\nUnit=sec\r\n\r\n"
            "[xaxislabel]\r\nFontPointSize=18\r\nFontFace=Arial\r\nFontStyle=Regular\r\n"
            "FontOrientation=Horizontal\r\nNotation=1\r\nDigits=1\r\n\r\n"
            "[xaxistitle]\r\nText=time\r\nFontPointSize=20\r\nFontFace=Arial\r\nFontStyle=Regular\r\n"
            "FontOrientation=Horizontal\r\nDisplay=1\r\n\r\n"
            "[yaxis]\r\nMax=1.25\r\nBase=1\r\nTics=3\r\nGridMajor=0\r\nGridMinor=2\r\nDisplayGrid=0\r\nUnit=W\r\n\r\n"
            "[yaxislabel]\r\nFontPointSize=18\r\nFontFace=Arial\r\nFontStyle=Regular\r\n"
            "FontOrientation=Horizontal\r\nNotation=1\r\nDigits=1\r\n\r\n"
            "[yaxistitle]\r\nText=Y Axis Title\r\nFontPointSize=20\r\nFontFace=Arial\r\nFontStyle=Regular\r\n"
            "FontOrientation=Vertical\r\nDisplay=1\r\n\r\n"
            "[traces]\r\nDataFile=C:\\sim\\ramp.out\r\nShowLegends=5\r\nNumberOfTraces=1\r\n\r\n"
            "[trace1]\r\nLegend=\"'v(a)'*'i(c)'\"\r\nPlotIndex=0\r\nYExpression=\"'v(a)'*'i(c)'\"\r\n"
            "YUnit=W\r\nXUnit=sec\r\nSymbolIndex=0\r\nLineStyle=0\r\nLineWeight=0\r\nColor=0\r\n"
            "DisplaySymbols=0\r\nSymbolPeriod=1\r\nDisplaySymbolsWithText=1\r\nSymbolSize=3\r\n"
            "FontPointSize=18\r\nFontFace=Arial\r\nFontStyle=Regular\r\nFontOrientation=Horizontal\r\n"
            "Border=0\r\n");
}

TEST_F(RoundTripTest, TracesNotFromThePlotsAreLeftOutAndTheRestNumberedInOrder) {
  Graph *g = traces_over_two_plots();
  Trace *second = first_trace(g);
  second = next_trace(g);
  set_trace_property(second, kTracePlotIndex, number_value(-1));
  std::string saved = save_text(*g);
  EXPECT_NE(saved.find("NumberOfTraces=2\r\n"), std::string::npos);
  EXPECT_NE(saved.find("[trace2]\r\nLegend=\"\"first\" plot\""), std::string::npos);
  EXPECT_EQ(saved.find("[trace3]"), std::string::npos);
  EXPECT_EQ(saved.find("tt of plot 1"), std::string::npos);
  ASSERT_NE(load_text(saved).graph, nullptr);
  EXPECT_EQ(loaded.title, "'v(b)' \"first\" plot ");
}

// A trace a load could not make again (no expression text) is left out like a trace of no
// plot, and the save says which were; a graph left with none opens with its message.
TEST_F(RoundTripTest, TracesWithoutAnExpressionAreLeftOutAndNamed) {
  auto experimental = [this](Graph *g) {
    ExperimentalData data{2, {"bench a", "bench b"}, {0, 1, 2, 3, 4, 5}};
    std::string title;
    EXPECT_EQ(add_experimental_traces(g, data, title, preferences), kExperimentalDone);
  };
  // The spectrum of the graph's first trace, in a graph of its own as the FFT commands make it.
  auto spectrum_of = [this](Graph *g) {
    std::vector<FftTraceChoice> choices = fft_trace_choices(g);
    Spectrum out;
    EXPECT_EQ(normalized_fft_spectrum(choices[0], out), kFftOk);
    return create_fft_graph(nullptr, choices[0], out, preferences);
  };
  struct Row {
    const char *name;
    std::function<Graph *(Graph *)> make;   // from the three traces of two plots
    int written;
    const char *left_out;                   // the message, or none
  } rows[] = {
      {"New Plot and Overlay", [](Graph *g) { return g; }, 3, nullptr},
      {"with experimental data", [&](Graph *g) { experimental(g); return g; }, 3,
       "These traces have no expression of the data file and were left out of the graph file: "
       "bench a, bench b"},
      {"a trace of no plot beside them", [](Graph *g) {
         set_trace_property(first_trace(g), kTracePlotIndex, number_value(-1));
         return g;
       }, 2, "These traces have no expression of the data file and were left out of the graph file: 'v(b)'"},
      {"an FFT window", spectrum_of, 0,
       "These traces have no expression of the data file and were left out of the graph file: FFT('v(b)')"},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    Graph *source = traces_over_two_plots();
    Graph *g = row.make(source);
    ui.messages.clear();
    std::string saved = save_text(*g);
    EXPECT_NE(saved.find(c_format("NumberOfTraces=%d\r\n", row.written)), std::string::npos) << saved;
    EXPECT_EQ(saved.find(c_format("[trace%d]", row.written + 1)), std::string::npos);
    EXPECT_EQ(saved.find("YExpression=\"\""), std::string::npos);
    report_traces_left_out(owner, *g);
    if (row.left_out) {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text, row.left_out);
      EXPECT_EQ(ui.messages[0].flags, static_cast<unsigned>(kMbIconExclamation));
      EXPECT_EQ(ui.messages[0].owner, owner);
    } else {
      EXPECT_TRUE(ui.messages.empty());
    }
    if (g != source) destroy_graph(g);

    ui.messages.clear();
    LoadedGraph &l = load_text(saved);
    if (row.written == 0) {
      EXPECT_EQ(l.graph, nullptr);
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text, "No specification of traces found in the graph file!");
      continue;
    }
    ASSERT_NE(l.graph, nullptr);
    int loaded_traces = 0;
    for (const Trace *t = l.graph->head->next; t; t = t->next) loaded_traces++;
    EXPECT_EQ(loaded_traces, row.written);
  }
}

TEST_F(RoundTripTest, AnAutomaticValueWritesNoKeyAndStaysAutomatic) {
  Graph *g = traces_over_two_plots();
  set_automatic_flag(g, 0, kAutomaticMax, false);
  ASSERT_TRUE(set_manual_range(g, 0, 0, 2.5, 0));
  std::string saved = save_text(*g);
  size_t x = saved.find("[xaxis]\r\n");
  ASSERT_EQ(saved.compare(x, 24, "[xaxis]\r\nMax=2.5\r\nBase=1"), 0);
  ASSERT_NE(load_text(saved).graph, nullptr);
  for (int flag : {kAutomaticMin, kAutomaticIncrement}) EXPECT_TRUE(automatic_flag(loaded.graph, 0, flag));
  EXPECT_FALSE(automatic_flag(loaded.graph, 0, kAutomaticMax));
  EXPECT_DOUBLE_EQ(display_range(loaded.graph, 0).max, 2.5);
  EXPECT_EQ(picture(loaded.graph), picture(g));
}

TEST_F(RoundTripTest, ManualRangesKeepSixSignificantDigits) {
  Graph *g = traces_over_two_plots();
  for (int i = 0; i < 3; i++) set_automatic_flag(g, 0, i, false);
  ASSERT_TRUE(set_manual_range(g, 0, 0.123456789, 2.98765432, 0.5));
  std::string saved = save_text(*g);
  EXPECT_NE(saved.find("Min=0.123457\r\nMax=2.98765\r\nIncr=0.5\r\n"), std::string::npos);
  ASSERT_NE(load_text(saved).graph, nullptr);
  EXPECT_DOUBLE_EQ(display_range(loaded.graph, 0).min, 0.123457);
}

TEST_F(RoundTripTest, ALogarithmicEndRoundedOntoTheOtherComesBack) {
  Graph *g = traces_over_two_plots();
  ASSERT_TRUE(set_axis_base(g, 1, 8));
  set_automatic_flag(g, 1, kAutomaticMin, false);
  // 50 is rounded to 8^2, the automatic maximum of the data (at most 64), which then moves
  // one decade up; loaded again, the minimum meets the maximum before it moves.
  ASSERT_TRUE(set_manual_range(g, 1, 50, 0, 0));
  ASSERT_DOUBLE_EQ(display_range(g, 1).min, 64);
  ASSERT_DOUBLE_EQ(display_range(g, 1).max, 512);
  std::string saved = save_text(*g);
  ASSERT_NE(load_text(saved).graph, nullptr);
  EXPECT_TRUE(ui.messages.empty()) << ui.messages[0].text;
  EXPECT_EQ(save_text(*loaded.graph), saved);
}

TEST(GraphFileName, TheExtensionIsAddedOnlyWithoutAnyDot) {
  struct {
    const char *chosen, *used;
  } rows[] = {{"C:\\g\\graph", "C:\\g\\graph.upg"}, {"graph.old", "graph.old"},
              {"graph.upg", "graph.upg"}, {"C:\\v1.2\\graph", "C:\\v1.2\\graph"}, {"graph.", "graph."}};
  for (const auto &r : rows) EXPECT_EQ(graph_file_name(r.chosen), r.used) << r.chosen;
}

}  // namespace
