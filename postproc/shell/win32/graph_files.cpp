// Save Graph File and Open Graph File: the dialogs, the ".upg" rule, the private-profile
// file behind the portable writer and reader, and the graph window a load ends in.
//
// A save starts from an emptied file: keys that this save leaves out (a range value that is
// automatic now, the plot rectangle of an automatic layout, sections beyond the counts)
// would otherwise come back from an earlier save on the next load. A file that cannot be
// written is told, rather than letting the user believe the graph was kept.
#include "graph_files.h"

#include <windows.h>

#include "../../base/font_list.h"
#include "../../base/messages.h"
#include "../../base/text.h"
#include "../../data/load.h"
#include "../../data/plot_model.h"
#include "../../data/win32/plot_dialogs.h"
#include "../../graph/win32/graph_window.h"
#include "../../graph/win32/text_windows.h"
#include "../../graphfile/load.h"
#include "../../graphfile/save.h"
#include "../../graphfile/win32/profile_file.h"
#include "../../resources/resource_ids.h"
#include "../settings.h"
#include "../settings.h"
#include "app.h"
#include "file_dialog.h"

namespace {

bool readable(const std::string &path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

bool write_graph_file(const Graph &graph, const std::string &path) {
  ProfileFile file = profile_file(path);
  if (!empty_profile_file(file)) return false;
  ProfileFunctions keys = profile_functions(file);
  bool written = save_graph(graph, current_file_name(), keys);
  return flush_profile_file(file) && written;
}

// The window a loaded graph is shown in, with its labels' and text blocks' windows.
HWND show_loaded_graph(LoadedGraph &loaded) {
  HWND window = create_graph_window(app().mdi_client, kGraphWindow, current_plot_index(), loaded.title);
  if (!window) {
    destroy_graph(loaded.graph);
    return nullptr;
  }
  set_window_graph(window, loaded.graph);
  for (TextBlock *b = loaded.graph->text_blocks; b; b = b->next) make_text_block_window(window, b);
  refresh_graph_window(window);
  return window;
}

}  // namespace

void save_graph_file() {
  HWND window = app().active_child;
  const Graph *graph = window ? window_graph(window) : nullptr;
  if (!graph) return;
  std::string path;
  if (!file_dialog(path, false, IDS_INITIAL_GRAPH_FILE, load_text(IDS_FILTER_GRAPH_FILES))) return;
  path = graph_file_name(path);
  // Remembered once it holds the graph: the welcome dialog offers it as the last graph.
  if (!write_graph_file(*graph, path)) {
    show_message(app().frame, kMbIconStop, IDS_CANT_OPEN_FILE, path.c_str());
    return;
  }
  set_setting_text("LastGraph", path);
  report_traces_left_out(app().frame, *graph);
}

GraphFileOpening open_graph_file(std::string path) {
  if (path.empty() &&
      !file_dialog(path, true, IDS_INITIAL_GRAPH_FILE, load_text(IDS_FILTER_GRAPH_FILES)))
    return GraphFileOpening::kCancelled;
  ProfileFile file = profile_file(path);
  GraphFileHooks hooks;
  hooks.file_readable = readable;
  hooks.enter_graph_folder = [](const std::string &graph_path) { make_folder_current(graph_path); };
  hooks.browse_data_file = [](std::string &data_file) {
    data_file.clear();
    return file_dialog(data_file, true, IDS_INITIAL_DATA_FILE, load_text(IDS_FILTER_DATA_FILES));
  };
  hooks.load_data_file = [](const std::string &data_file) {
    if (!load_data_file(data_file.c_str())) return false;
    close_all_children();
    show_mdi_client();
    return true;
  };
  hooks.choose_plot = [] { show_select_current_plot(app().frame); };
  hooks.fonts = &program_font_list();
  hooks.owner = app().frame;
  LoadedGraph loaded = load_graph(profile_functions(file), path, hooks,
                                  settings().graph);
  if (!loaded.graph)
    return loaded.not_a_graph_file ? GraphFileOpening::kNotAGraphFile : GraphFileOpening::kEnded;
  if (!show_loaded_graph(loaded)) return GraphFileOpening::kEnded;
  mru_add(path);
  set_setting_text("LastGraph", path);
  return GraphFileOpening::kOpened;
}
