// A single-point plot shows as a values table, a pole-zero plot as a pole-zero graph. Loading
// a file opens one per such plot; selecting such a plot with "Select Current Plot" brings its
// window forward, or opens it again when the user closed it.
#include "own_plot_windows.h"

#include <windows.h>

#include "../../data/plot_codes.h"
#include "../../data/plot_model.h"
#include "../../tables/win32/table_window.h"
#include "../settings.h"
#include "../settings.h"
#include "app.h"

namespace {

HWND find_plot_window(int plot_index, int kind) {
  if (!app().mdi_client) return nullptr;
  for (HWND child = GetWindow(app().mdi_client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindow(child, GW_OWNER)) continue;   // icon titles
    if (GetWindowLongPtrA(child, kChildKindWord) == kind && GetWindowLongPtrA(child, kChildPlotWord) == plot_index)
      return child;
  }
  return nullptr;
}

}  // namespace

void show_plot_window(int plot_index, int plot_kind) {
  const int kind = plot_kind == kPlotPoleZero ? kPoleZeroWindow : kTableWindow;
  if (HWND existing = find_plot_window(plot_index, kind)) {
    SendMessageA(app().mdi_client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(existing), 0);
    if (IsIconic(existing)) SendMessageA(app().mdi_client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(existing), 0);
    return;
  }
  const int current = current_plot_index();
  if (!select_plot(plot_index, false)) return;
  if (kind == kPoleZeroWindow)
    open_pole_zero_window(app().mdi_client, settings().graph);
  else
    open_values_table(app().mdi_client);
  select_plot(current, false);
}
