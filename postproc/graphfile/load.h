// Loading a graph file: the checks and messages of the sequence, the data file, the traces
// evaluated again over it, and every saved format restored through the graph operations.
// What a window needs (its creation, its labels' and text blocks' windows, the layout, the
// recent files) is the caller's, after a graph came back.
#pragma once

#include <functional>
#include <string>

#include "../base/font_list.h"
#include "../graph/graph.h"
#include "profile.h"

struct GraphFileHooks {
  // Whether a file opens for reading.
  std::function<bool(const std::string &path)> file_readable;
  // The graph file's folder made the current one, before its data file is looked for; may be
  // empty (the data file's path is taken against that folder anyway).
  std::function<void(const std::string &graph_path)> enter_graph_folder;
  // Yes to the missing-data-file question: another data file chosen in an open dialog; false
  // when the dialog was cancelled.
  std::function<bool(std::string &path)> browse_data_file;
  // The data file loaded, as opening it loads it, and the windows of the file before closed;
  // false when it could not be loaded (the reason has been told).
  std::function<bool(const std::string &path)> load_data_file;
  // The "Select Current Plot" dialog; the plot current after it is used.
  std::function<void()> choose_plot;
  // Told of each trace left out because its expression does not parse or evaluate over its
  // plot (the program itself says nothing more); may be empty.
  std::function<void(int number, const std::string &legend)> trace_left_out;
  const FontList *fonts;   // installed faces; none takes every face (see read_font_keys)
  WindowHandle owner;      // of the messages
  std::string data_file;   // not empty: used, as it is, instead of the file's DataFile
};

struct LoadedGraph {
  Graph *graph;            // the caller's; none when the load ended with a message
  int view;                // ViewMode
  std::string title;       // the window title: each trace's legend and one blank
  std::string data_file;   // the path the data file was loaded from
  bool not_a_graph_file;   // the load ended because the file did not open or has no View
};

// The whole sequence over `file`, the graph file at `path`. Every message but the missing
// plots' (the trace then uses the substitute plot) and a failing expression's (the trace is
// left out) ends the load with no graph.
LoadedGraph load_graph(const ProfileFunctions &file, const std::string &path,
                       GraphFileHooks &hooks, const GraphPreferences &preferences);

// A relative data-file path taken against the graph file's folder ("\" or "/" separate; a
// path that starts with either, or with a drive letter, is not relative).
std::string resolve_data_file(const std::string &graph_path, const std::string &data_file);

// Traces and text blocks read at most: a count beyond it in a damaged file would keep the
// reader looking for sections that are not there.
const int kMaxStoredItems = 100000;
