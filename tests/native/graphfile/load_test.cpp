// The load sequence: each of its messages and what it leaves behind, the substitute plot,
// files written by hand, and values no dialog would have given.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "data/plot_model.h"
#include "expr/expression.h"
#include "graph/axis.h"
#include "graph/text_block.h"
#include "graphfile_fixture.h"

namespace {

class LoadTest : public GraphFileTest {
 protected:
  // A minimal graph file over `data_file` with the traces' sections given.
  std::string file(const std::string &data_file, int traces, const std::string &sections) {
    return "[ulmograph]\nView=0\n[traces]\nDataFile=" + data_file +
           "\nNumberOfTraces=" + std::to_string(traces) + "\n" + sections;
  }
  std::string one_trace(int plot_index, const char *expression = "'v(a)'") {
    return "[trace1]\nLegend=\"v(a)\"\nPlotIndex=" + std::to_string(plot_index) + "\nYExpression=\"" +
           expression + "\"\n";
  }
  std::string message() const { return ui.messages.empty() ? "(none)" : ui.messages[0].text; }
};

const char kNotGraph[] = "Not an Ulmo-Postprocessor graph file!";
const char kNoTraces[] = "No specification of traces found in the graph file!";
const char kNoData[] = "No specification of data file found in the graph file!";

TEST_F(LoadTest, EachMessageEndsTheLoadBeforeTheDataFile) {
  load(ramp_plot());
  struct {
    const char *name;
    std::string text;
    const char *message;
    unsigned flags;
  } rows[] = {
      {"no View, all else there",
       "[ulmograph]\nPosX=1\n[xaxis]\nBase=1\n[traces]\nDataFile=" + path + "\nNumberOfTraces=1\n" + one_trace(0),
       kNotGraph, kMbIconStop},
      {"View in another section", "[xaxis]\nView=0\n" + file(path, 1, one_trace(0)).substr(12), kNotGraph,
       kMbIconStop},
      {"empty", "", kNotGraph, kMbIconStop},
      {"no NumberOfTraces", "[ulmograph]\nView=1\n[traces]\nDataFile=" + path + "\n" + one_trace(0), kNoTraces,kMbIconStop},
      {"no traces", file(path, 0, ""), kNoTraces,kMbIconStop},
      {"negative count", file(path, -3, one_trace(0)), kNoTraces,kMbIconStop},
      {"no DataFile", "[ulmograph]\nView=0\n[traces]\nNumberOfTraces=1\n" + one_trace(0), kNoData,kMbIconStop},
      {"empty DataFile", file("", 1, one_trace(0)), kNoData,kMbIconStop},
  };
  for (const auto &r : rows) {
    ui.messages.clear();
    loaded_paths.clear();
    EXPECT_EQ(load_text(r.text).graph, nullptr) << r.name;
    ASSERT_EQ(ui.messages.size(), 1u) << r.name;
    EXPECT_EQ(ui.messages[0].text, r.message) << r.name;
    EXPECT_EQ(ui.messages[0].caption, "Ulmo-Postprocessor") << r.name;
    EXPECT_EQ(ui.messages[0].flags, r.flags) << r.name;
    EXPECT_TRUE(loaded_paths.empty()) << r.name;
    EXPECT_EQ(loaded.not_a_graph_file, r.message == kNotGraph) << r.name;
  }
}

TEST_F(LoadTest, AGraphFileThatDoesNotOpenIsToldByName) {
  std::string gone = ::testing::TempDir() + "no_such_graph.upg";
  EXPECT_EQ(load_text(file(path, 1, one_trace(0)), gone).graph, nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Can't open the file '" + gone + "'");
  EXPECT_EQ(ui.messages[0].flags, kMbIconStop);
  EXPECT_TRUE(loaded.not_a_graph_file);
}

TEST_F(LoadTest, AMovedDataFileAsksAndNoLeavesEverythingAsItWas) {
  load({ramp_plot(), ramp_plot(1.0)});
  select_plot(0, false);
  ui.answer = kIdNo;
  EXPECT_EQ(load_text(file("moved.out", 1, one_trace(0))).graph, nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Could not find data file moved.out that is referenced in the graph file. Do you want to "
            "browse for a data file?");
  EXPECT_EQ(ui.messages[0].flags, kMbYesNo | kMbIconQuestion);
  EXPECT_TRUE(loaded_paths.empty());
  EXPECT_FALSE(loaded.not_a_graph_file);
  EXPECT_EQ(plot_count(), 2);
  EXPECT_EQ(current_plot_index(), 0);
}

TEST_F(LoadTest, AMovedDataFileWithYesBrowses) {
  load(ramp_plot());
  ui.answer = kIdYes;
  browse_answer = false;   // the open dialog cancelled
  EXPECT_EQ(load_text(file("moved.out", 1, one_trace(0))).graph, nullptr);
  EXPECT_TRUE(loaded_paths.empty());

  browse_answer = true;
  browse_path = path;
  ui.messages.clear();
  ASSERT_NE(load_text(file("moved.out", 1, one_trace(0))).graph, nullptr);
  EXPECT_EQ(ui.messages.size(), 1u);   // the question only
  EXPECT_EQ(loaded_paths, std::vector<std::string>{path});
  EXPECT_EQ(loaded.data_file, path);
}

TEST_F(LoadTest, ARelativeDataFileIsFoundBesideTheGraphFile) {
  load(ramp_plot());
  std::string name = path.substr(path.find_last_of('/') + 1);
  std::string entered;
  hooks.enter_graph_folder = [&entered](const std::string &p) { entered = p; };
  ASSERT_NE(load_text(file(name, 1, one_trace(0))).graph, nullptr);
  EXPECT_EQ(loaded_paths, std::vector<std::string>{path});
  EXPECT_EQ(entered, graph_path);
  EXPECT_EQ(resolve_data_file("C:\\g\\x.upg", "run.out"), "C:\\g\\run.out");
  EXPECT_EQ(resolve_data_file("C:\\g\\x.upg", "D:\\r\\run.out"), "D:\\r\\run.out");
  EXPECT_EQ(resolve_data_file("C:\\g\\x.upg", "\\r\\run.out"), "\\r\\run.out");
  EXPECT_EQ(resolve_data_file("x.upg", "run.out"), "run.out");
  EXPECT_EQ(resolve_data_file("/home/u/x.upg", "sub\\run.out"), "/home/u/sub\\run.out");
}

TEST_F(LoadTest, AVanishedPlotInAFileOfOnePlotUsesIt) {
  load(ramp_plot());
  ASSERT_NE(load_text(file(path, 1, one_trace(3))).graph, nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Plot number 3 referenced by trace labeled v(a) does not exist in the reloaded data file. "
            "The current plot will be used.");
  EXPECT_EQ(ui.messages[0].flags, kMbIconExclamation);
  EXPECT_EQ(choose_calls, 0);
  ASSERT_NE(loaded.graph->head->next, nullptr);
  EXPECT_EQ(loaded.graph->head->next->plot_index, 0);
}

TEST_F(LoadTest, AVanishedPlotInAFileOfSeveralAsksWhichToUse) {
  load({ramp_plot(), ramp_plot(1.0), ramp_plot(2.0)});
  chosen_plot = 1;
  ASSERT_NE(load_text(file(path, 1, one_trace(7))).graph, nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Plot number 7 referenced by trace labeled v(a) does not exist in the reloaded data file. "
            "Please select which plot to use in the following dialog box.");
  EXPECT_EQ(ui.messages[0].flags, kMbIconExclamation);
  EXPECT_EQ(choose_calls, 1);
  const Trace *t = loaded.graph->head->next;
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->plot_index, 1);
  EXPECT_DOUBLE_EQ(t->y_values[0], 0.0);   // v(a) of plot 1: 2t - 1 + 1
}

TEST_F(LoadTest, ATraceWhoseExpressionFailsIsLeftOutSilently) {
  load(ramp_plot());
  std::string traces = one_trace(0, "'nope'") + "[trace2]\nLegend=b\nYExpression=\"'v(b)'\"\n" +
                       "[trace3]\nLegend=c\nYExpression=\"'v(a)'+\"\n" + "[trace4]\nLegend=d\nYExpression=\n";
  std::vector<int> left_out;
  hooks.trace_left_out = [&left_out](int number, const std::string &) { left_out.push_back(number); };
  ASSERT_NE(load_text(file(path, 4, traces)).graph, nullptr);
  EXPECT_TRUE(ui.messages.empty()) << message();
  EXPECT_EQ(left_out, (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(loaded.title, "v(a) b c d ");
  const Trace *t = loaded.graph->head->next;
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->legend.text, "b");
  EXPECT_EQ(t->next, nullptr);
}

TEST_F(LoadTest, AHandWrittenFileLoads) {
  load(ramp_plot());
  // Other order, other case, blanks around "=", comments, optional keys left out, the
  // expression unquoted.
  std::string text =
      "; written by a script\n"
      "[TRACE1]\n"
      "  yexpression = 'v(b)'*2 \n"
      "legend = doubled\n"
      "COLOR=3\n"
      "[Traces]\n"
      "numberoftraces = 1\n"
      "datafile = " + path + "\n"
      "[XAxis]\n"
      "max = 2\n"
      "min = 1\n"
      "[yaxistitle]\n"
      "text = Voltage\n"
      "fontface = Courier New\n"
      "fontstyle = bolditalic\n"
      "[UlmoGraph]\n"
      "view = 1\n";
  ASSERT_NE(load_text(text).graph, nullptr);
  EXPECT_TRUE(ui.messages.empty()) << message();
  const Graph &g = *loaded.graph;
  EXPECT_EQ(loaded.view, kPageView);
  const Trace *t = g.head->next;
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->legend.text, "doubled");
  EXPECT_EQ(t->colour_index, 3);
  EXPECT_EQ(t->symbol_period, 1);
  EXPECT_TRUE(t->display_symbols_with_text);
  EXPECT_DOUBLE_EQ(t->y_values[3], 18.0);
  EXPECT_EQ(expression_unit_symbol(t->y_expression), "V");
  EXPECT_DOUBLE_EQ(display_range(&g, 0).min, 1);
  EXPECT_DOUBLE_EQ(display_range(&g, 0).max, 2);
  EXPECT_TRUE(automatic_flag(&g, 0, kAutomaticIncrement));
  EXPECT_EQ(title_text(&g, 1), "Voltage");
  EXPECT_STREQ(g.title[1].font.face_name, "Courier New");
  EXPECT_EQ(g.title[1].point_size, 12);
  EXPECT_EQ(g.title[1].font.weight, 700);
  EXPECT_EQ(g.title[1].font.italic, 1);
  EXPECT_EQ(g.legend_display, kLegendShown);
  EXPECT_TRUE(g.layout_automatic);
  EXPECT_EQ(g.axes[0].tics, 3);
  EXPECT_EQ(g.axes[1].minor_grid_style, 2);
}

TEST_F(LoadTest, ValuesNoDialogWouldGiveTakeTheDefaults) {
  load(ramp_plot());
  std::string traces =
      "[trace1]\nYExpression=\"'v(b)'\"\nColor=13\nSymbolIndex=-1\nLineStyle=9\nSymbolPeriod=0\n"
      "SymbolSize=-4\nLineWeight=100000\nFontFace=Wingdings\nFontPointSize=14\nPosX=5\n"
      "[xaxis]\nBase=3\nTics=-2\nGridMajor=1\nGridMinor=7\nMin=nan\nIncr=-1\n"
      "[yaxis]\nMin=5\nMax=1\n"
      "[xaxislabel]\nNotation=3\nDigits=21\nFontFace=Arial\nFontPointSize=0\n"
      "[ulmograph]\nPosX=10\nPosY=10\nCx=-1\nCy=100\n"
      "[textblocks]\nNumberOfTextBlocks=3\n"
      "[textblock1]\nText=no size\nPosX=1\nPosY=2\nCx=3\n"
      "[textblock2]\nText=odd\nPosX=1\nPosY=2\nCx=3\nCy=4\nJustification=5\n";
  ASSERT_NE(load_text(file(path, 1, traces)).graph, nullptr);
  // Ranges the Format Axis dialog would refuse are told with its messages, and the axes stay
  // on their data.
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Increment must be positive");
  EXPECT_EQ(ui.messages[1].text, "Maximum must be greater than Minimum");
  EXPECT_EQ(ui.messages[1].flags, kMbIconExclamation);
  const Graph &g = *loaded.graph;
  EXPECT_TRUE(automatic_flag(&g, 1, kAutomaticMin));
  EXPECT_TRUE(automatic_flag(&g, 1, kAutomaticMax));
  const Trace *t = g.head->next;
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->colour_index, 0);
  EXPECT_EQ(t->symbol_index, 0);
  EXPECT_EQ(t->line_style, 0);
  EXPECT_EQ(t->symbol_period, 1);
  EXPECT_EQ(t->symbol_size, 0);
  EXPECT_EQ(t->line_weight, 0);
  EXPECT_STREQ(t->legend.font.face_name, "Arial");   // not installed: unchanged
  EXPECT_FALSE(t->legend.position_set);                // PosY missing
  EXPECT_EQ(g.axes[0].base, 1);
  EXPECT_EQ(g.axes[0].tics, 3);
  EXPECT_EQ(g.axes[0].major_grid_style, 0);
  EXPECT_EQ(g.axes[0].minor_grid_style, 2);
  EXPECT_TRUE(automatic_flag(&g, 0, kAutomaticMin));
  EXPECT_TRUE(automatic_flag(&g, 0, kAutomaticIncrement));
  EXPECT_EQ(g.label_format[0].notation, 1);
  EXPECT_EQ(g.label_format[0].digits, 1);
  EXPECT_EQ(g.label_format[0].point_size, 18);   // size 0: the font is kept
  EXPECT_TRUE(g.layout_automatic);
  ASSERT_NE(g.text_blocks, nullptr);   // the first block lacks Cy: not made
  EXPECT_EQ(g.text_blocks->text, "odd");
  EXPECT_EQ(g.text_blocks->justification, kJustifyLeft);
  EXPECT_EQ(g.text_blocks->next, nullptr);
}

TEST_F(LoadTest, ADataFileThatIsNotOneEndsTheLoad) {
  load(ramp_plot());
  FILE *f = fopen(graph_path.c_str(), "w");
  fputs("not a result file", f);
  fclose(f);
  EXPECT_EQ(load_text(file(graph_path, 1, one_trace(0))).graph, nullptr);
  EXPECT_EQ(loaded_paths, std::vector<std::string>{graph_path});
}

}  // namespace
