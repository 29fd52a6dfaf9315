// What the graph-file tests share: result files loaded as the program loads them, graphs
// saved into and loaded from the native store, the hooks of the load answered as a test
// asks, and the picture a graph draws as a comparable list.
#pragma once

#include <string>
#include <vector>

#include "base/font_list.h"
#include "fixture.h"
#include "graphfile/load.h"

class GraphFileTest : public TracesTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A font as the format dialogs give it: the listed face, width 0, the style asked for.
  LogicalFont font(const char *face, bool bold, bool italic, bool vertical = false);
  // Traces from both plots of a file of two, positive for a logarithmic y axis; the graph is
  // the fixture's.
  Graph *traces_over_two_plots();
  // Those traces with every setting a graph file keeps, none at its default.
  Graph *formatted_graph();
  // What a save writes, as "section|key=value" in the order written.
  std::vector<std::string> written_keys(const Graph &g);

  // Through the native store (ini_fixture.cpp):
  // The graph saved with this test's result file as its data file, as the file's text.
  std::string save_text(const Graph &g, const std::string &data_file = std::string());
  // Loads the text as the graph file `graph_path` (which must exist for the load to start);
  // the loaded graph is kept in `loaded` and freed by the fixture.
  LoadedGraph &load_text(const std::string &text, const std::string &graph_path = std::string());

  // Every drawing call of a graph's picture (graph, text blocks, legend labels) with the
  // state it drew with, as text, one line per call.
  std::vector<std::string> picture(Graph *g);

  GraphFileHooks hooks;
  FontList fonts{};
  std::string graph_path;                 // a file that exists: the graph file of the test
  std::vector<std::string> loaded_paths;  // data files the load asked to load
  int choose_calls = 0;
  int chosen_plot = 0;                    // what the Select Current Plot dialog picks
  bool browse_answer = false;             // the open dialog: chosen or cancelled
  std::string browse_path;
  LoadedGraph loaded{};
};

// The font list entry of a face, as the platform enumerates it (a width it keeps).
LogicalFont listed_font(const char *face);
