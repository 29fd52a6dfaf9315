// The settings record of a monitor is allocated by the command and attached to its graph
// window as a property; it is released when the window is destroyed, so it outlives every
// refresh. The dialog edits a program-wide copy, so that each new monitor starts with the
// settings confirmed last. The recorded file time only moves forward. Every computation that
// asks for the SNDR opens a table of its own, refreshes included, so earlier results stay to
// compare with.
#include "monitor_window.h"

#include <new>

#include "../../base/messages.h"
#include "../../base/win32/child_words.h"
#include "../../graph/win32/graph_window.h"
#include "../../resources/resource_ids.h"
#include "../../tables/win32/table_window.h"
#include "../monitor.h"

namespace {

const char kSettingsProperty[] = "MonitorSettings";

MonitorSettings &dialog_settings() {
  static MonitorSettings settings;
  return settings;
}

// The file's last-write time, 0 when it cannot be opened.
uint64_t last_write_time(const std::string &path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  FILETIME written{};
  BOOL ok = GetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  if (!ok) return 0;
  return (static_cast<uint64_t>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
}

// The "Extracted values" table of a computation.
TableLayout extracted_values(const MonitorResult &result) {
  TableLayout layout{"Extracted values", result.table_rows, 4, {}, -1};
  for (const ExtractedRow &r : result.rows)
    for (int column = 0; column < 4; column++) layout.cells.push_back({r.row, column + 1, r.cells[column]});
  return layout;
}

// One computation into the monitor's window (made on the first one). `refresh`: a file that
// cannot be read says nothing. False when nothing was plotted.
bool compute_into_window(HWND mdi_client, MonitorSettings *s, bool refresh,
                         const GraphPreferences &preferences) {
  HWND shown = static_cast<HWND>(s->graph_window);
  HWND owner = shown ? shown : GetParent(mdi_client);
  MonitorData data;
  int32_t bad_line = 0;
  switch (read_monitor_file(s->file_name.c_str(), data, bad_line)) {
    case kMonitorReadOk: break;
    case kMonitorCantOpen:
      if (!refresh) show_message(owner, kMbIconExclamation, IDS_CANT_OPEN_FILE, s->file_name.c_str());
      return false;
    case kMonitorNumberOutOfRange:
      show_message(owner, kMbIconExclamation, IDS_MONITOR_NUMBER_RANGE, static_cast<int>(bad_line),
                   s->file_name.c_str());
      return false;
    case kMonitorNoMemory:
      return false;
  }
  MonitorResult result;
  MonitorStatus status = compute_monitor(data, *s, result);
  if (int message = monitor_status_message(status))
    show_message(owner, kMbIconExclamation, message, s->file_name.c_str());
  if (status != kMonitorOk) return false;
  // The table comes before the graph window, and without it nothing is plotted.
  if (result.table && !create_table_window(mdi_client, extracted_values(result))) return false;

  bool fresh = shown == nullptr;
  if (fresh) {
    HWND window = create_graph_window(mdi_client, kGraphWindow, -1, s->file_name);
    if (!window) return false;
    Graph *graph = create_monitor_graph(window, preferences);
    if (!graph) {
      SendMessageA(mdi_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
      return false;
    }
    set_window_graph(window, graph);
    s->graph_window = shown = window;
    SetPropA(window, kSettingsProperty, s);
  }
  apply_monitor_result(window_graph(shown), fresh, result, preferences);
  s->sndr = result.last_sndr;
  refresh_graph_window(shown);
  return true;
}

}  // namespace

void monitor_file_command(HWND frame, HWND mdi_client, const GraphPreferences &preferences,
                          BrowseForFile browse) {
  MonitorSettings chosen = dialog_settings();
  chosen.graph_window = nullptr;
  chosen.last_write_time = 0;
  if (!run_monitor_dialog(frame, chosen, browse)) return;
  dialog_settings() = chosen;
  if (chosen.file_name.empty()) return;
  MonitorSettings *s = new (std::nothrow) MonitorSettings(chosen);
  if (!s) return;
  s->last_write_time = last_write_time(s->file_name);
  if (!compute_into_window(mdi_client, s, false, preferences)) delete s;
}

void monitor_window_focused(HWND window, const GraphPreferences &preferences) {
  auto *s = static_cast<MonitorSettings *>(GetPropA(window, kSettingsProperty));
  if (!s || s->last_write_time == 0) return;
  uint64_t now = last_write_time(s->file_name);
  if (now <= s->last_write_time) return;
  s->last_write_time = now;
  compute_into_window(GetParent(window), s, true, preferences);
}

void monitor_window_destroyed(HWND window) {
  delete static_cast<MonitorSettings *>(RemovePropA(window, kSettingsProperty));
}

const MonitorSettings *window_monitor(HWND window) {
  return static_cast<const MonitorSettings *>(GetPropA(window, kSettingsProperty));
}
