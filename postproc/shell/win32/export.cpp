// The export and experimental-data commands: their dialogs and files. What is written and
// which cell holds what are the portable modules' (data/export, traces/trace_export,
// traces/experimental); this file asks the user and hands over.
#include "export.h"

#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "../../base/messages.h"
#include "../../base/text.h"
#include "../../data/export.h"
#include "../../data/load.h"
#include "../../data/plot_model.h"
#include "../../graph/win32/graph_window.h"
#include "../../resources/export_dialog_ids.h"
#include "../../resources/resource_ids.h"
#include "../../traces/experimental.h"
#include "../../tables/win32/table_window.h"
#include "../../traces/trace_export.h"
#include "../settings.h"
#include "../settings.h"
#include "app.h"
#include "file_dialog.h"

namespace {

// Cancel ends either dialog alike.
INT_PTR cancelled(HWND dialog, WPARAM wparam) {
  if (LOWORD(wparam) != IDCANCEL) return FALSE;
  EndDialog(dialog, IDCANCEL);
  return TRUE;
}

// A multiple-selection list dialog: the texts in, the selected positions out.
struct ListChoice {
  int list_id;
  std::vector<std::string> texts;
  bool take_single;        // one entry: taken at once, the dialog closes by itself
  std::vector<int> selected;
};

INT_PTR CALLBACK list_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  ListChoice *choice = reinterpret_cast<ListChoice *>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lparam);
      choice = reinterpret_cast<ListChoice *>(lparam);
      HWND list = GetDlgItem(dialog, choice->list_id);
      for (const std::string &t : choice->texts)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str()));
      if (choice->take_single && choice->texts.size() == 1) {
        SendMessageA(list, LB_SETSEL, TRUE, 0);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        HWND list = GetDlgItem(dialog, choice->list_id);
        int count = static_cast<int>(SendMessageA(list, LB_GETSELCOUNT, 0, 0));
        if (count > 0) {
          std::vector<int> items(static_cast<size_t>(count));
          count = static_cast<int>(SendMessageA(list, LB_GETSELITEMS, count, reinterpret_cast<LPARAM>(items.data())));
          items.resize(count > 0 ? static_cast<size_t>(count) : 0);
          choice->selected = items;
        }
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      return cancelled(dialog, wparam);
  }
  return FALSE;
}

// True and the positions when the user confirmed with at least one entry selected.
bool choose_from_list(int dialog_id, ListChoice &choice) {
  INT_PTR r = DialogBoxParamA(app().instance, MAKEINTRESOURCEA(dialog_id), app().frame, list_proc,
                              reinterpret_cast<LPARAM>(&choice));
  return r == IDOK && !choice.selected.empty();
}

INT_PTR CALLBACK source_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CheckRadioButton(dialog, IDC_EXPORT_RAW_DATA, IDC_EXPORT_ACTIVE_WINDOW, IDC_EXPORT_RAW_DATA);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        bool active = IsDlgButtonChecked(dialog, IDC_EXPORT_ACTIVE_WINDOW) == BST_CHECKED;
        EndDialog(dialog, active ? IDC_EXPORT_ACTIVE_WINDOW : IDC_EXPORT_RAW_DATA);
        return TRUE;
      }
      return cancelled(dialog, wparam);
  }
  return FALSE;
}

HWND active_graph_window() {
  HWND child = app().active_child;
  if (!child || GetWindowLongPtrA(child, kChildKindWord) != kGraphWindow) return nullptr;
  return window_graph(child) ? child : nullptr;
}

// Where the data comes from, asked when a graph window is active; kNothing on Cancel.
ExportSource ask_source(HWND graph_window) {
  ExportSource source = export_source(data_loaded(), graph_window != nullptr);
  if (source != ExportSource::kAskUser) return source;
  INT_PTR r = DialogBoxParamA(app().instance, MAKEINTRESOURCEA(IDD_EXPORT_CHOICE), app().frame,
                              source_proc, 0);
  if (r == IDC_EXPORT_ACTIVE_WINDOW) return ExportSource::kActiveGraph;
  return r == IDC_EXPORT_RAW_DATA ? ExportSource::kRawData : ExportSource::kNothing;
}

bool choose_variables(std::vector<int> &selected) {
  ListChoice choice{IDC_EXPORT_VARIABLES, {}, false, {}};
  for (int i = 0; i < variable_count(); i++) choice.texts.push_back(variable_list_text(i));
  if (!choose_from_list(IDD_EXPORT_RAW_DATA, choice)) return false;
  selected = choice.selected;
  return true;
}

bool choose_traces(const Graph *graph, bool take_single, std::vector<int> &selected) {
  ListChoice choice{IDC_EXPORT_TRACE_LIST, trace_list_texts(graph), take_single, {}};
  if (!choose_from_list(IDD_EXPORT_TRACES, choice)) return false;
  selected = choice.selected;
  return true;
}

}  // namespace

void load_experimental_data(HWND graph_window) {
  Graph *graph = window_graph(graph_window);
  if (!graph) return;
  std::string path;
  if (!file_dialog(path, true, IDS_INITIAL_EXPERIMENTAL_FILE, load_text(IDS_FILTER_EXPERIMENTAL_FILES),
                   "Load Experimental Data"))
    return;
  char text[256] = {};
  GetWindowTextA(graph_window, text, sizeof text);
  std::string title = text;
  size_t traces_before = graph_traces(graph).size();
  int r = read_experimental_data(path.c_str(), graph, title, settings().graph);
  if (r != kExperimentalDone) {
    show_message(graph_window, kMbIconExclamation, experimental_message_id(r));
    return;
  }
  if (graph_traces(graph).size() == traces_before) return;   // not opened, already told
  SetWindowTextA(graph_window, title.c_str());
  refresh_graph_window(graph_window);
}

namespace {

const int kExportMemoryCode = 1800;

void write_export_file() {
  HWND graph_window = active_graph_window();
  ExportSource source = ask_source(graph_window);
  std::vector<int> selected;
  if (source == ExportSource::kRawData) {
    if (!choose_variables(selected)) return;
  } else if (source == ExportSource::kActiveGraph) {
    if (!choose_traces(window_graph(graph_window), false, selected)) return;
  } else {
    return;
  }
  std::string path;
  std::string title = load_text(IDS_EXPORT_FILE_NAME);
  if (!file_dialog(path, false, 0, load_text(IDS_FILTER_TEXT_FILES), title.c_str(),
                   OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST))
    return;
  FILE *out = fopen(path.c_str(), "w");
  if (!out) {
    show_message(nullptr, kMbSystemModal, IDS_CANT_OPEN_FILE, path.c_str());
    return;
  }
  bool written = source == ExportSource::kRawData
                     ? write_raw_data_export(out, selected)
                     : write_traces_export(out, window_graph(graph_window), selected);
  // A full disk must not pass for a finished export.
  if (fclose(out) != 0 || !written)
    show_message(nullptr, kMbSystemModal | kMbIconExclamation, IDS_EXPORT_WRITE_ERROR, path.c_str());
}

void build_spreadsheet() {
  HWND graph_window = active_graph_window();
  ExportSource source = ask_source(graph_window);
  std::vector<int> selected;
  TableLayout table;
  if (source == ExportSource::kRawData) {
    if (!choose_variables(selected)) return;
    table = raw_data_spreadsheet(selected);
  } else if (source == ExportSource::kActiveGraph) {
    const Graph *graph = window_graph(graph_window);
    if (!choose_traces(graph, trace_choice_is_implicit(graph), selected)) return;
    table = trace_spreadsheet(graph, selected, data_loaded());
  } else {
    return;
  }
  create_table_window(app().mdi_client, table);
}

}  // namespace

// Memory short while the texts of an export are built ends the program with the export's
// code, as nothing half-written should be taken for the data.
void export_to_file() {
  try {
    write_export_file();
  } catch (const std::bad_alloc &) {
    out_of_memory(kExportMemoryCode);
  }
}

void export_to_spreadsheet() {
  try {
    build_spreadsheet();
  } catch (const std::bad_alloc &) {
    out_of_memory(kExportMemoryCode);
  }
}
