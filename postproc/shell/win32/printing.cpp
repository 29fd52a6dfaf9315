// Printing.
//
// The printer selection (the platform's device-mode and device-names blocks) is kept from
// init_printer to release_printer; its context is replaced only by printer_setup. A job runs
// on the user-interface thread: the frame is disabled, a modeless cancel dialog shows, and
// the abort procedure the platform calls between bands pumps messages so that the dialog can
// set the cancel flag. Page arithmetic is print_layout's.
#include "printing.h"

#include <commdlg.h>

#include <cstring>
#include <ctime>
#include <string>

#include "../../base/messages.h"
#include "../../base/win32/font_list_win32.h"
#include "../../data/plot_model.h"
#include "../../graph/paint.h"
#include "../../canvas/win32/gdi_canvas.h"
#include "../../graph/win32/graph_window.h"
#include "../../resources/dialog_ids.h"
#include "../../resources/resource_ids.h"
#include "../../tables/win32/table_window.h"
#include "../print_layout.h"
#include "app.h"

namespace {

HGLOBAL g_dev_mode, g_dev_names;
HDC g_context;
int g_availability;
FontSurface g_font_surface;

// The job in progress.
bool g_cancelled;
HWND g_cancel_dialog;
std::string g_document;

// The printer's page is drawn one device unit a logical unit; the graph engine converts
// point sizes on it with the printer's own resolution.
void set_context(HDC dc) {
  if (g_context) DeleteDC(g_context);
  g_context = dc;
  g_availability = 0;
  if (!dc) return;
  g_availability = 1;
  g_font_surface = {GetDeviceCaps(dc, LOGPIXELSY), 1, 1};
  if (g_dev_names) {
    if (auto *names = static_cast<DEVNAMES *>(GlobalLock(g_dev_names))) {
      std::string driver = reinterpret_cast<const char *>(names) + names->wDriverOffset;
      GlobalUnlock(g_dev_names);
      if (driver.find('.') == std::string::npos) driver += ".drv";
      if (HMODULE module = LoadLibraryA(driver.c_str())) {
        if (GetProcAddress(module, "EXTDEVICEMODE") || GetProcAddress(module, "ExtDeviceMode")) g_availability = 2;
        FreeLibrary(module);
      }
    }
  }
}

struct DeviceNames {
  std::string driver, device, port;
};

bool device_names(DeviceNames &out) {
  if (!g_dev_names) return false;
  auto *names = static_cast<DEVNAMES *>(GlobalLock(g_dev_names));
  if (!names) return false;
  const char *base = reinterpret_cast<const char *>(names);
  out.driver = base + names->wDriverOffset;
  out.device = base + names->wDeviceOffset;
  out.port = base + names->wOutputOffset;
  GlobalUnlock(g_dev_names);
  return true;
}

INT_PTR CALLBACK cancel_dialog_proc(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      DeviceNames names;
      device_names(names);
      SetDlgItemTextA(dialog, IDC_PRINT_DOCUMENT, g_document.c_str());
      SetDlgItemTextA(dialog, IDC_PRINT_DEVICE, names.device.c_str());
      SetDlgItemTextA(dialog, IDC_PRINT_PORT, names.port.c_str());
      return TRUE;
    }
    case WM_COMMAND:
      g_cancelled = true;
      return TRUE;
  }
  return FALSE;
}

BOOL CALLBACK abort_proc(HDC, int) {
  MSG msg;
  while (!g_cancelled && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {   // for the message loop, once the job is over
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!g_cancel_dialog || !IsDialogMessageA(g_cancel_dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return !g_cancelled;
}

std::string window_caption(HWND window) {
  char caption[128] = {};
  GetWindowTextA(window, caption, sizeof caption);
  return print_document_title(caption);
}

// A job from its context to its report: frame disabled, cancel dialog and abort procedure in
// place while `print` runs; `print` returns false for a failure worth reporting.
template <typename Print>
void run_job(HWND window, Print print) {
  HWND frame = app().frame;
  g_cancelled = false;
  g_document = window_caption(window);
  HDC dc = create_printer_context();
  bool reported_failure = dc == nullptr;
  if (dc) {
    EnableWindow(frame, FALSE);
    g_cancel_dialog = CreateDialogParamA(app().instance, MAKEINTRESOURCEA(IDD_PRINT_CANCEL), frame, cancel_dialog_proc, 0);
    if (!g_cancel_dialog || SetAbortProc(dc, abort_proc) <= 0)
      reported_failure = true;
    else
      reported_failure = !print(dc);
    EnableWindow(frame, TRUE);
    if (g_cancel_dialog) DestroyWindow(g_cancel_dialog);
    g_cancel_dialog = nullptr;
    DeleteDC(dc);
  }
  if (reported_failure && !g_cancelled) show_message(frame, kMbIconExclamation, IDS_CANNOT_PRINT, g_document.c_str());
}

// The plot's texts without changing the current plot for longer than the reading.
bool plot_texts(int plot_index, std::string &circuit, std::string &name) {
  int current = current_plot_index();
  if (plot_index < 0 || !select_plot(plot_index, false)) return false;
  circuit = current_plot_text(kPlotTitle);
  name = current_plot_text(kPlotName);
  select_plot(current, false);
  return true;
}

// The printer canvas draws the graph from the page origin: the graph's mapping gets the
// origin as its viewport origin.
class PageCanvas : public GdiCanvas {
 public:
  PageCanvas(HDC dc, PagePoint origin) : GdiCanvas(dc), origin_(origin) {}
  void set_mapping(const Mapping &mapping) override {
    Mapping moved = mapping;
    moved.viewport_origin.x += origin_.x;
    moved.viewport_origin.y += origin_.y;
    GdiCanvas::set_mapping(moved);
  }

 private:
  PagePoint origin_;
};

bool print_graph_page(HWND window, HDC dc) {
  const int width = GetDeviceCaps(dc, PHYSICALWIDTH), height = GetDeviceCaps(dc, PHYSICALHEIGHT);
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = g_document.c_str();
  if (StartDocA(dc, &doc) <= 0) return true;   // not started: ends without a report
  if (StartPage(dc) <= 0) {
    AbortDoc(dc);
    return true;
  }
  // The header in 12-point Times New Roman.
  HFONT font = CreateFontA(header_font_height(GetDeviceCaps(dc, LOGPIXELSY), 1, 1), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                           FALSE, ANSI_CHARSET, OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS, PROOF_QUALITY,
                           VARIABLE_PITCH | FF_ROMAN, "Times New Roman");
  HGDIOBJ old_font = SelectObject(dc, font);
  print_header(dc, static_cast<int>(GetWindowLongPtrA(window, kChildPlotWord)));
  SelectObject(dc, old_font);
  DeleteObject(font);

  if (Graph *graph = window_graph(window)) {
    const GraphWindowSettings &settings = graph_window_settings();
    RECT client;
    GetClientRect(window, &client);
    HDC screen_dc = GetDC(window);
    int saved = SaveDC(dc);
    {
      PageCanvas page(dc, graph_page_origin(width, height));
      GdiCanvas screen(screen_dc);
      LayoutSurface page_surface{{static_cast<int>(0.8 * width), static_cast<int>(0.8 * height)},
                                 GetDeviceCaps(dc, LOGPIXELSY), &g_font_surface};
      LayoutSurface screen_surface{{client.right, client.bottom}, GetDeviceCaps(screen_dc, LOGPIXELSY), settings.printer};
      print_graph(graph, page, page_surface, {width, height}, screen, screen_surface, settings.detect_multiple_traces);
    }
    RestoreDC(dc, saved);
    ReleaseDC(window, screen_dc);
    relayout_graph_window(window);
  }
  if (EndPage(dc) <= 0 || EndDoc(dc) <= 0) {
    AbortDoc(dc);
    return false;
  }
  return true;
}

bool print_table_pages(ULMOGRD_HANDLE grid, HDC dc) {
  const int pages = ulmogrd_print_begin(grid, dc);
  if (pages <= 0) return false;   // nothing to print is reported
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = g_document.c_str();
  if (StartDocA(dc, &doc) <= 0) {
    ulmogrd_print_end(grid);
    return true;
  }
  bool ok = true;
  for (int page = 0; page < pages && ok; page++) ok = ulmogrd_print_page(grid) != 0;
  ulmogrd_print_end(grid);
  if (!ok || EndDoc(dc) <= 0) {
    AbortDoc(dc);
    return false;
  }
  return true;
}

void relayout_graph_windows(HWND mdi_client) {
  for (HWND child = GetWindow(mdi_client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (strcmp(name, kGraphWindowClass) == 0) relayout_graph_window(child);
  }
}

}  // namespace

void init_printer(HWND frame) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = frame;
  dialog.Flags = PD_RETURNDEFAULT;
  if (PrintDlgA(&dialog)) {
    g_dev_mode = dialog.hDevMode;
    g_dev_names = dialog.hDevNames;
  }
  set_context(create_printer_context());
}

void release_printer() {
  set_context(nullptr);
  if (g_dev_mode) GlobalFree(g_dev_mode);
  if (g_dev_names) GlobalFree(g_dev_names);
  g_dev_mode = g_dev_names = nullptr;
}

HDC create_printer_context() {
  DeviceNames names;
  if (!device_names(names)) return nullptr;
  DEVMODEA *mode = g_dev_mode ? static_cast<DEVMODEA *>(GlobalLock(g_dev_mode)) : nullptr;
  if (mode && strncmp(reinterpret_cast<const char *>(mode->dmDeviceName), names.device.c_str(), CCHDEVICENAME - 1) != 0) {
    GlobalUnlock(g_dev_mode);
    GlobalFree(g_dev_mode);
    g_dev_mode = nullptr;
    mode = nullptr;
  }
  HDC dc = CreateDCA(names.driver.c_str(), names.device.c_str(), names.port.c_str(), mode);
  if (mode) GlobalUnlock(g_dev_mode);
  return dc;
}

HDC printer_context() { return g_context; }
int printer_availability() { return g_availability; }
const FontSurface *printer_font_surface() { return g_context ? &g_font_surface : nullptr; }

void printer_setup(HWND frame, HWND mdi_client) {
  if (g_dev_names) {
    if (auto *names = static_cast<DEVNAMES *>(GlobalLock(g_dev_names))) {
      names->wDefault &= ~DN_DEFAULTPRN;
      GlobalUnlock(g_dev_names);
    }
  }
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = frame;
  dialog.hDevMode = g_dev_mode;
  dialog.hDevNames = g_dev_names;
  dialog.Flags = PD_PRINTSETUP;
  BOOL chosen = PrintDlgA(&dialog);
  // The dialog may have replaced the blocks it was given, whatever the answer.
  g_dev_mode = dialog.hDevMode;
  g_dev_names = dialog.hDevNames;
  if (!chosen) return;
  set_context(create_printer_context());
  free_font_list();
  if (g_context) {
    build_font_list(g_context);
  } else {
    HDC screen = GetDC(nullptr);
    build_font_list(screen);
    ReleaseDC(nullptr, screen);
  }
  apply_graph_settings();
  relayout_graph_windows(mdi_client);
}

void print_graph(HWND window) {
  run_job(window, [window](HDC dc) { return print_graph_page(window, dc); });
}

void print_table(HWND window) {
  ULMOGRD_HANDLE grid = table_grid(window);
  if (!grid) return;   // a table window without a grid prints nothing
  run_job(window, [grid](HDC dc) { return print_table_pages(grid, dc); });
}

int print_header(HDC dc, int plot_index) {
  SIZE x{};
  GetTextExtentPoint32A(dc, "X", 1, &x);
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (const std::tm *t = std::localtime(&now)) local = *t;
  std::string circuit, name;
  bool has_plot = plot_texts(plot_index, circuit, name);
  PrintHeader header =
      print_header_layout(GetDeviceCaps(dc, HORZRES), x.cy, print_date_text(local), has_plot, circuit, name);
  UINT align = GetTextAlign(dc);
  for (int i = 0; i < header.line_count; i++) {
    const HeaderLine &line = header.lines[i];
    SetTextAlign(dc, (line.right_aligned ? TA_RIGHT : TA_LEFT) | TA_TOP | TA_NOUPDATECP);
    TextOutA(dc, line.x, line.y, line.text.c_str(), static_cast<int>(line.text.size()));
  }
  SetTextAlign(dc, align);
  return header.height;
}
