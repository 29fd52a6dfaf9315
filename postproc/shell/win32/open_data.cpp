// The ways a data file reaches the program: the open dialog, a path (command line, dropped
// file, link message, welcome dialog), and the recent-file entries of the File menu.
#include <windows.h>

#include "../../base/ascii.h"
#include "../../base/text.h"
#include "../../data/load.h"
#include "../../data/plot_model.h"
#include "../../data/win32/plot_dialogs.h"
#include "../../resources/resource_ids.h"
#include "../commands.h"
#include "../settings.h"
#include "app.h"
#include "file_dialog.h"
#include "graph_files.h"

namespace {

// What follows every successful load that the user asked for: the MDI client shows again
// before the plot windows open and the plot choice is offered.
void after_user_open(std::string path, bool add_recent) {
  set_setting_text("LastDataFile", path);
  if (add_recent) mru_add(path);
  show_mdi_client();
  open_plot_windows();
  if (plot_count() >= 2) show_select_current_plot(app().frame);
}

void promote_loaded_file() {
  if (!data_loaded()) return;
  std::string loaded = current_file_name();
  mru_promote(loaded);
}

bool is_graph_file_extension(const std::string &path, size_t dot) {
  return starts_with_ignoring_case(path.c_str() + dot + 1, "upg");
}

}  // namespace

bool open_data_file_by_path(const std::string &path) {
  if (!load_data_file(path.c_str())) return false;
  after_user_open(path, false);
  return true;
}

void make_folder_current(const std::string &path) {
  size_t slash = path.rfind('\\');
  if (slash == std::string::npos) return;
  std::string folder = path.substr(0, slash);
  // "C:" alone names the drive's current folder; its root is meant.
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  SetCurrentDirectoryA(folder.c_str());
}

void open_data_file_by_dialog() {
  promote_loaded_file();
  std::string path;
  if (!file_dialog(path, true, IDS_INITIAL_DATA_FILE, load_text(IDS_FILTER_DATA_FILES))) return;
  close_all_children();
  if (load_data_file(path.c_str())) after_user_open(path, true);
  show_mdi_client();
}

void open_recent_file(int command_id) {
  char text[kPathWidth + 1] = {};
  if (!GetMenuStringA(app().file_menu, command_id, text, sizeof text, MF_BYCOMMAND)) return;
  std::string path = text;
  size_t dot = path.find('.');
  if (dot == std::string::npos) {
    path += ".out";
    dot = path.size() - 4;
  }
  if (is_graph_file_extension(path, dot)) {
    // An entry goes only when its file is gone or is no graph file; a load the user ended
    // (a data file not browsed for) leaves it.
    if (open_graph_file(path) == GraphFileOpening::kNotAGraphFile) mru_remove(command_id);
    return;
  }
  close_all_children();
  bool loaded = open_data_file_by_path(path);
  show_mdi_client();
  if (loaded) make_folder_current(path);
  else mru_remove(command_id);
}
