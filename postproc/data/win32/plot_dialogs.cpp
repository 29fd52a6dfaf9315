// The plot dialogs place texts that plot_dialog_text computes; they hold no state of their
// own beyond the dialog's lifetime. The plot choice is applied after the dialog has closed,
// so a table or pole-zero window that select_plot brings forward is not covered by it.
#include "plot_dialogs.h"

#include <string>
#include <vector>

#include "../../resources/dialog_ids.h"
#include "../plot_dialog_text.h"
#include "../plot_model.h"

namespace {

HINSTANCE instance() { return GetModuleHandleA(nullptr); }

// Wide enough entries get a horizontal scroll bar instead of being cut at the border.
void set_horizontal_extent(HWND list, const std::vector<std::string> &entries) {
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
  LONG widest = 0;
  for (const std::string &entry : entries) {
    SIZE size{};
    GetTextExtentPoint32A(dc, entry.c_str(), static_cast<int>(entry.size()), &size);
    if (size.cx > widest) widest = size.cx;
  }
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  SendMessageA(list, LB_SETHORIZONTALEXTENT, widest + 8, 0);
}

void fill_plot_list(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_PLOT_LIST);
  std::vector<std::string> entries = plot_list_entries();
  for (const std::string &entry : entries)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  set_horizontal_extent(list, entries);
  SendMessageA(list, LB_SETCURSEL, current_plot_index(), 0);
  SetFocus(list);
}

// Closes with the selected entry's index, or with -1 when none is selected.
void end_with_selection(HWND dialog) {
  LRESULT index = SendDlgItemMessageA(dialog, IDC_PLOT_LIST, LB_GETCURSEL, 0, 0);
  EndDialog(dialog, index == LB_ERR ? -1 : index);
}

INT_PTR CALLBACK select_plot_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      fill_plot_list(dialog);
      return FALSE;   // the focus is on the list
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDOK: end_with_selection(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, -1); return TRUE;
        case IDC_PLOT_LIST:
          if (HIWORD(wparam) == LBN_DBLCLK) end_with_selection(dialog);
          return TRUE;
      }
      break;
  }
  return FALSE;
}

void fill_plot_info(HWND dialog) {
  PlotInfoTexts info = current_plot_info();
  SetDlgItemTextA(dialog, IDC_INFO_FILE_NAME, info.file_name.c_str());
  SetDlgItemTextA(dialog, IDC_INFO_TITLE, info.circuit_title.c_str());
  SetDlgItemTextA(dialog, IDC_INFO_DATE, info.simulation_date.c_str());
  SetDlgItemTextA(dialog, IDC_INFO_PLOT_NAME, info.plot_name.c_str());
}

INT_PTR CALLBACK plot_info_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      fill_plot_info(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_INFO_STATISTICS: show_statistics(dialog); return TRUE;
        case IDOK:
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
      }
      break;
  }
  return FALSE;
}

int value_control(const StatisticsLine &line) {
  return (line.is_time ? IDC_STAT_TIME : IDC_STAT_COUNTER) + line.source;
}

void fill_statistics(HWND dialog) {
  for (const StatisticsText &text : current_statistics_texts())
    SetDlgItemTextA(dialog, value_control(text.line), text.value.c_str());
}

INT_PTR CALLBACK statistics_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      fill_statistics(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

void show_select_current_plot(HWND owner) {
  if (plot_count() < 2) return;
  INT_PTR chosen = DialogBoxParamA(instance(), MAKEINTRESOURCEA(IDD_SELECT_PLOT), owner,
                                   select_plot_proc, 0);
  if (chosen >= 0) select_plot(static_cast<int>(chosen), true);
}

void show_plot_info(HWND owner) {
  if (plot_count() == 0) return;
  DialogBoxParamA(instance(), MAKEINTRESOURCEA(IDD_PLOT_INFO), owner, plot_info_proc, 0);
}

void show_statistics(HWND owner) {
  if (plot_count() == 0) return;
  int id = current_plot_is_transient() ? IDD_STATISTICS_TRANSIENT : IDD_STATISTICS_GENERAL;
  DialogBoxParamA(instance(), MAKEINTRESOURCEA(id), owner, statistics_proc, 0);
}
