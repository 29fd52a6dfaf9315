// Graph files written and read by the platform's private-profile functions: the round trip of
// a graph with every setting, a save over an earlier one, long values, and the reading rules
// the native store follows.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "expr/expression.h"
#include "graph/axis.h"
#include "graph/properties.h"
#include "graph/scaling.h"
#include "graphfile/save.h"
#include "graphfile/win32/profile_file.h"
#include "graphfile_fixture.h"
#include "read_cases.h"

namespace {

class ProfileFileTest : public GraphFileTest {
 protected:
  bool save_file(const Graph &g, const std::string &at) {
    ProfileFile file = profile_file(at);
    if (!empty_profile_file(file)) return false;
    ProfileFunctions keys = profile_functions(file);
    bool written = save_graph(g, path, keys);
    bool flushed = flush_profile_file(file);
    EXPECT_TRUE(written);
    EXPECT_TRUE(flushed);
    return flushed && written;
  }
  LoadedGraph &load_file(const std::string &at) {
    destroy_graph(loaded.graph);
    ProfileFile file = profile_file(at);
    loaded = load_graph(profile_functions(file), at, hooks, preferences);
    return loaded;
  }
  static std::string file_text(const std::string &at) {
    std::ifstream in(at, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
};

TEST_F(ProfileFileTest, EverySettingComesBackKeyForKeyAndInThePicture) {
  Graph *g = formatted_graph();
  ASSERT_TRUE(save_file(*g, graph_path));
  std::string text = file_text(graph_path);
  EXPECT_EQ(text.rfind("[ulmograph]\r\nView=1\r\nPosX=1500\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("\r\nYExpression=\"'v(b)'+2\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nText=\"'v(b)'\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nText=\"Gain 'peak' \"\r\n"), std::string::npos);

  ASSERT_NE(load_file(graph_path).graph, nullptr);
  EXPECT_TRUE(ui.messages.empty()) << ui.messages[0].text;
  EXPECT_EQ(written_keys(*loaded.graph), written_keys(*g));
  EXPECT_EQ(picture(loaded.graph), picture(g));
  EXPECT_EQ(loaded.title, "'v(b)' tt of plot 1 \"first\" plot ");
  EXPECT_EQ(title_text(loaded.graph, 1), "'v(b)'");
}

TEST_F(ProfileFileTest, ASaveLeavesNothingOfAnEarlierOne) {
  Graph *g = traces_over_two_plots();
  for (int i = 0; i < 3; i++) set_automatic_flag(g, 0, i, false);
  ASSERT_TRUE(set_manual_range(g, 0, 0.5, 2.5, 0.5));
  set_graph_property(g, kGraphLayoutAutomatic, number_value(0));
  ASSERT_TRUE(save_file(*g, graph_path));
  ASSERT_NE(file_text(graph_path).find("[trace3]"), std::string::npos);

  // Now automatic, one trace fewer: nothing of the first save may come back.
  for (int i = 0; i < 3; i++) set_automatic_flag(g, 0, i, true);
  set_graph_property(g, kGraphLayoutAutomatic, number_value(1));
  Trace *third = first_trace(g);
  third = next_trace(g);
  third = next_trace(g);
  set_trace_property(third, kTracePlotIndex, number_value(-1));
  ASSERT_TRUE(save_file(*g, graph_path));
  std::string text = file_text(graph_path);
  for (const char *gone : {"Min=", "Incr=", "PosX=", "[trace3]"})
    EXPECT_EQ(text.find(gone), std::string::npos) << gone;
  ASSERT_NE(load_file(graph_path).graph, nullptr);
  for (int i = 0; i < 3; i++) EXPECT_TRUE(automatic_flag(loaded.graph, 0, i)) << i;
  EXPECT_TRUE(loaded.graph->layout_automatic);
  EXPECT_EQ(loaded.title, "'v(b)' tt of plot 1 ");
}

TEST_F(ProfileFileTest, LongExpressionsAndLegendsComeBackWhole) {
  load({ramp_plot(), ramp_plot(1.0)});
  std::string expression = "'v(b)'";
  while (expression.size() < 1200) expression += "+'i(c)'*2";
  std::string legend(700, 'L');
  std::string text = "[ulmograph]\r\nView=0\r\n[traces]\r\nDataFile=" + path +
                     "\r\nNumberOfTraces=1\r\n[trace1]\r\nLegend=\"" + legend +
                     "\"\r\nPlotIndex=1\r\nYExpression=\"" + expression + "\"\r\n";
  std::ofstream(graph_path, std::ios::binary) << text;
  ASSERT_NE(load_file(graph_path).graph, nullptr);
  const Trace *t = loaded.graph->head->next;
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(expression_text(t->y_expression), expression);
  EXPECT_EQ(t->legend.text, legend);
}

TEST_F(ProfileFileTest, TheUnsavedWriteIsToldAsAFailure) {
  Graph *g = traces_over_two_plots();
  EXPECT_FALSE(save_file(*g, "Z:\\no\\such\\folder\\graph.upg"));
}

// The rules the native store follows, as the platform reads.
TEST(ProfileRules, ThePlatformReadsAsTheNativeStore) {
  std::string at = ::testing::TempDir() + "profile_rules.ini";
  for (const ReadCase &c : kReads) {
    std::ofstream(at, std::ios::binary) << c.text;
    ProfileFile file = profile_file(at);
    ProfileFunctions keys = profile_functions(file);
    std::string value = "untouched";
    EXPECT_EQ(keys.read(keys.context, c.section, c.key, value), c.found) << c.name;
    if (c.found) {
      EXPECT_EQ(value, c.value) << c.name;
    }
  }
  remove(at.c_str());
}

}  // namespace
