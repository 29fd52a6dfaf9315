// The graph-file commands of the frame.
#pragma once

#include <string>

// Save Graph File (10016): the active graph window's graph, to a file chosen in a save dialog.
void save_graph_file();

enum class GraphFileOpening {
  kOpened,          // a graph window shows it
  kCancelled,       // the open dialog was cancelled
  kNotAGraphFile,   // it does not open, or is no graph file (a recent entry for it goes)
  kEnded,           // a message or a question ended the load
};
// Open Graph File (10015) with an open dialog when `path` is empty; the recent files, the
// welcome dialog's last graph otherwise.
GraphFileOpening open_graph_file(std::string path);
