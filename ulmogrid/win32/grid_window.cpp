// The grid's window: painting, scrolling, selection by mouse and keyboard, and editing a cell
// in place.
//
// The window owns nothing of the grid's content; the UlmoGrid record (made by ulmogrd_create,
// freed by ulmogrd_destroy after the window is gone) holds the cells, the selection and the
// history. Column widths are fitted lazily, at the next paint after the cells changed, so
// that the program filling thousands of cells one by one pays for one fit.
#include "grid_window.h"

#include <cstdio>

const char kGridWindowClass[] = "UlmoGrid";

namespace {

const int kCellPadding = 8;      // pixels beside a cell's text
const int kMinColumnWidth = 64;
const int kMaxColumnWidth = 400;
const int kWheelRows = 3;
const UINT_PTR kEditorId = 1;

UlmoGrid *grid_of(HWND window) { return reinterpret_cast<UlmoGrid *>(GetWindowLongPtrA(window, 0)); }

int rows_of(const UlmoGrid *g) { return g->grid.cells.rows; }
int columns_of(const UlmoGrid *g) { return g->grid.cells.columns; }

// The viewport with the grid's current size and the window's client area.
GridViewport &view_of(UlmoGrid *g) {
  GridViewport &v = g->view;
  RECT client{};
  GetClientRect(g->window, &client);
  v.rows = rows_of(g);
  v.columns = columns_of(g);
  v.default_width = kMinColumnWidth;
  v.client_width = client.right;
  v.client_height = client.bottom;
  return v;
}

struct ScreenMeasure {
  HDC dc;
};

int measure_on(const std::string &text, void *context) {
  SIZE size{};
  GetTextExtentPoint32A(static_cast<ScreenMeasure *>(context)->dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void fit_widths(UlmoGrid *g) {
  HDC dc = GetDC(g->window);
  HGDIOBJ old = SelectObject(dc, g->font);
  ScreenMeasure m{dc};
  GridViewport &v = g->view;
  v.widths = fit_column_widths(g->grid.cells, measure_on, &m, kCellPadding, kMinColumnWidth, kMaxColumnWidth);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  v.row_height = tm.tmHeight + 4;
  char digits[16];
  snprintf(digits, sizeof digits, "%d", rows_of(g));
  v.header_width = measure_on(digits, &m) + 2 * kCellPadding;
  SelectObject(dc, old);
  ReleaseDC(g->window, dc);
  g->widths_stale = false;
}

void fit_if_stale(UlmoGrid *g) {
  if (g->widths_stale || g->view.row_height == 0) fit_widths(g);
}

int full_rows(UlmoGrid *g) { return viewport_full_rows(view_of(g)); }
int full_columns(UlmoGrid *g) { return viewport_full_columns(view_of(g)); }

void update_scroll_bars(UlmoGrid *g) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 1;
  info.nMax = rows_of(g);
  info.nPage = static_cast<UINT>(full_rows(g));
  info.nPos = g->view.top_row;
  SetScrollInfo(g->window, SB_VERT, &info, TRUE);
  info.nMax = columns_of(g);
  info.nPage = static_cast<UINT>(full_columns(g));
  info.nPos = g->view.left_column;
  SetScrollInfo(g->window, SB_HORZ, &info, TRUE);
}

void clamp_origin(UlmoGrid *g) { clamp_viewport_origin(view_of(g)); }

void scroll_to(UlmoGrid *g, int top_row, int left_column) {
  GridViewport &v = view_of(g);
  v.top_row = top_row;
  v.left_column = left_column;
  clamp_viewport_origin(v);
  update_scroll_bars(g);
  InvalidateRect(g->window, nullptr, FALSE);
}

void ensure_active_visible(UlmoGrid *g) {
  const GridSelection &s = g->grid.selection;
  scroll_viewport_to_show(view_of(g), s.active_row, s.active_column);
  update_scroll_bars(g);
  InvalidateRect(g->window, nullptr, FALSE);
}

void hit_cell(UlmoGrid *g, int x, int y, int &row, int &column) { viewport_cell_at(view_of(g), x, y, row, column); }

RECT cell_rect(UlmoGrid *g, int row, int column) {
  CellBox b = viewport_cell_box(view_of(g), row, column);
  return RECT{b.left, b.top, b.right, b.bottom};
}

void selection_changed(UlmoGrid *g) {
  ensure_active_visible(g);
  InvalidateRect(g->window, nullptr, FALSE);
}

// Enter, Escape and Tab belong to the edit in place, not to a dialog or the frame.
LRESULT CALLBACK editor_proc(HWND editor, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND window = GetParent(editor);
  UlmoGrid *g = grid_of(window);
  WNDPROC base = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(editor, GWLP_USERDATA));
  if (!g || g->editor != editor) return CallWindowProcA(base, editor, message, wparam, lparam);
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | CallWindowProcA(base, editor, message, wparam, lparam);
    case WM_KEYDOWN:
      if (wparam == VK_RETURN || wparam == VK_TAB) {
        finish_editing(g, true);
        move_selection(g->grid.selection, wparam == VK_RETURN ? kMoveDown : kMoveRight, false, 1, rows_of(g),
                       columns_of(g));
        selection_changed(g);
        return 0;
      }
      if (wparam == VK_ESCAPE) {
        finish_editing(g, false);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wparam == '\r' || wparam == '\t' || wparam == 27) return 0;   // no beep
      break;
    case WM_KILLFOCUS:   // the user went elsewhere: the edit is kept, as Enter would
      finish_editing(g, true);
      return 0;
  }
  return CallWindowProcA(base, editor, message, wparam, lparam);
}

// Starts editing the active cell: with its text (F2, double click) or with what was typed.
void begin_editing(UlmoGrid *g, const std::string *typed) {
  if (g->editor) return;
  const GridSelection &s = g->grid.selection;
  g->grid.selection = GridSelection{s.active_row, s.active_column, s.active_row, s.active_column};
  ensure_active_visible(g);
  g->edit_row = s.active_row;
  g->edit_column = s.active_column;
  RECT r = cell_rect(g, g->edit_row, g->edit_column);
  const std::string &text = typed ? *typed : cell_text(g->grid.cells, g->edit_row, g->edit_column);
  HWND editor = CreateWindowExA(0, "EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, r.left,
                                r.top, r.right - r.left + 1, r.bottom - r.top + 1, g->window,
                                reinterpret_cast<HMENU>(kEditorId), grid_instance(), nullptr);
  if (!editor) return;
  SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(g->font), FALSE);
  SetWindowLongPtrA(editor, GWLP_USERDATA,
                    SetWindowLongPtrA(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editor_proc)));
  g->editor = editor;
  SetFocus(editor);
  int end = static_cast<int>(text.size());
  SendMessageA(editor, EM_SETSEL, typed ? end : 0, end);
}

void copy_to_clipboard(UlmoGrid *g) { put_clipboard_text(g->window, grid_copy(g->grid)); }

bool key_down(UlmoGrid *g, WPARAM key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0, control = GetKeyState(VK_CONTROL) < 0;
  GridMove move;
  switch (key) {
    case VK_UP: move = kMoveUp; break;
    case VK_DOWN: move = kMoveDown; break;
    case VK_LEFT: move = kMoveLeft; break;
    case VK_RIGHT: move = kMoveRight; break;
    case VK_HOME: move = control ? kMoveFirstCell : kMoveHome; break;
    case VK_END: move = control ? kMoveLastCell : kMoveEnd; break;
    case VK_PRIOR: move = kMovePageUp; break;
    case VK_NEXT: move = kMovePageDown; break;
    case VK_RETURN: move = kMoveDown; break;
    case VK_TAB: move = shift ? kMoveLeft : kMoveRight; break;
    case VK_F2: begin_editing(g, nullptr); return true;
    case VK_DELETE:
      // The key empties the cells; the clipboard keeps what it had.
      grid_cut(g->grid);
      grid_contents_changed(g);
      return true;
    default:
      if (!control) return false;
      switch (key) {
        case 'C': copy_to_clipboard(g); return true;
        case 'X':
          if (put_clipboard_text(g->window, grid_copy(g->grid))) grid_cut(g->grid);
          grid_contents_changed(g);
          return true;
        case 'V': {
          std::string text;
          if (get_clipboard_text(g->window, text) && grid_paste(g->grid, text)) grid_contents_changed(g);
          return true;
        }
        case 'Z': if (grid_undo(g->grid)) grid_contents_changed(g); return true;
        case 'Y': if (grid_redo(g->grid)) grid_contents_changed(g); return true;
        case 'A': grid_select_all(g->grid); InvalidateRect(g->window, nullptr, FALSE); return true;
      }
      return false;
  }
  bool extend = shift && key != VK_RETURN && key != VK_TAB;
  move_selection(g->grid.selection, move, extend, full_rows(g), rows_of(g), columns_of(g));
  selection_changed(g);
  return true;
}

void mouse_down(UlmoGrid *g, int x, int y, bool shift) {
  if (g->editor) finish_editing(g, true);
  SetFocus(g->window);
  int row, column;
  hit_cell(g, x, y, row, column);
  if (row < 0 || column < 0) return;
  if (!heading_click_selection(g->grid.selection, row, column, shift, rows_of(g), columns_of(g))) {
    click_selection(g->grid.selection, row, column, shift, rows_of(g), columns_of(g));
    g->dragging = true;
    SetCapture(g->window);
  }
  InvalidateRect(g->window, nullptr, FALSE);
}

void mouse_drag(UlmoGrid *g, int x, int y) {
  int row, column;
  viewport_drag_cell(view_of(g), x, y, row, column);
  GridSelection before = g->grid.selection;
  click_selection(g->grid.selection, row, column, true, rows_of(g), columns_of(g));
  const GridSelection &s = g->grid.selection;
  if (s.active_row != before.active_row || s.active_column != before.active_column) selection_changed(g);
}

// Where a scroll-bar action leaves the first visible row or column; -1 for an action that
// moves nothing. The two bars share their codes (SB_LINEUP is SB_LINELEFT, ...).
int scrolled_to(HWND window, int bar, int code, int position, int page, int last) {
  switch (code) {
    case SB_LINEUP: return position - 1;
    case SB_LINEDOWN: return position + 1;
    case SB_PAGEUP: return position - page;
    case SB_PAGEDOWN: return position + page;
    case SB_TOP: return 1;
    case SB_BOTTOM: return last;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(window, bar, &info);
      return info.nTrackPos;
    }
  }
  return -1;
}

void vertical_scroll(UlmoGrid *g, int code) {
  int top = scrolled_to(g->window, SB_VERT, code, g->view.top_row, full_rows(g), rows_of(g));
  if (top >= 0) scroll_to(g, top, g->view.left_column);
}

void horizontal_scroll(UlmoGrid *g, int code) {
  int left = scrolled_to(g->window, SB_HORZ, code, g->view.left_column, full_columns(g), columns_of(g));
  if (left >= 0) scroll_to(g, g->view.top_row, left);
}

// The visible part, drawn off screen and copied in one piece.
void paint(UlmoGrid *g) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(g->window, &ps);
  fit_if_stale(g);
  RECT client;
  GetClientRect(g->window, &client);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1);
  HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
  FillRect(memory, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
  HGDIOBJ old_font = SelectObject(memory, g->font);
  const GridViewport &v = view_of(g);
  GridPage visible{v.top_row, v.top_row + full_rows(g), v.left_column, v.left_column + full_columns(g)};
  if (visible.last_row > rows_of(g)) visible.last_row = rows_of(g);
  if (visible.last_column > columns_of(g)) visible.last_column = columns_of(g);
  draw_grid_cells(memory, g->grid, v.widths, v.row_height, v.header_width, visible, 0, 0, true);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old_font);
  SelectObject(memory, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(g->window, &ps);
}

LRESULT CALLBACK grid_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto *create = reinterpret_cast<CREATESTRUCTA *>(lparam);
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<UlmoGrid *>(create->lpCreateParams)->window = window;
  }
  UlmoGrid *g = grid_of(window);
  if (!g) return DefWindowProcA(window, message, wparam, lparam);
  switch (message) {
    case WM_PAINT: paint(g); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE:
      fit_if_stale(g);
      clamp_origin(g);
      update_scroll_bars(g);
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_VSCROLL: vertical_scroll(g, LOWORD(wparam)); return 0;
    case WM_HSCROLL: horizontal_scroll(g, LOWORD(wparam)); return 0;
    case WM_MOUSEWHEEL: {
      int notches = static_cast<short>(HIWORD(wparam)) / WHEEL_DELTA;
      scroll_to(g, g->view.top_row - notches * kWheelRows, g->view.left_column);
      return 0;
    }
    case WM_LBUTTONDOWN:
      mouse_down(g, static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)), (wparam & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSEMOVE:
      if (g->dragging) mouse_drag(g, static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (g->dragging) {
        g->dragging = false;
        if (message == WM_LBUTTONUP) ReleaseCapture();
      }
      return 0;
    case WM_LBUTTONDBLCLK: {
      int row, column;
      hit_cell(g, static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)), row, column);
      if (row > 0 && column > 0) begin_editing(g, nullptr);
      return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (key_down(g, wparam)) return 0;
      break;
    case WM_CHAR:
      if (wparam >= 32 && wparam != 127 && GetKeyState(VK_CONTROL) >= 0) {
        std::string typed(1, static_cast<char>(wparam));
        begin_editing(g, &typed);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (g->editor) SetFocus(g->editor);
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_KILLFOCUS: InvalidateRect(window, nullptr, FALSE); return 0;
    case WM_DESTROY:
      g->editor = nullptr;   // an edit in progress goes with the window, unkept
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, 0, 0);
      g->window = nullptr;
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

bool register_grid_class(HINSTANCE instance) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, kGridWindowClass, &existing)) return true;
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = grid_proc;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kGridWindowClass;
  return RegisterClassA(&wc) != 0;
}

HWND create_grid_window(UlmoGrid *grid, HWND parent) {
  grid->font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  grid->view.top_row = grid->view.left_column = 1;
  grid->widths_stale = true;
  RECT client{};
  GetClientRect(parent, &client);
  return CreateWindowExA(0, kGridWindowClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 0, 0,
                         client.right, client.bottom, parent, nullptr, grid_instance(), grid);
}

void grid_contents_changed(UlmoGrid *g) {
  g->widths_stale = true;
  if (!g->window) return;
  fit_widths(g);
  clamp_origin(g);
  update_scroll_bars(g);
  ensure_active_visible(g);
  InvalidateRect(g->window, nullptr, FALSE);
}

void finish_editing(UlmoGrid *g, bool commit) {
  HWND editor = g->editor;
  if (!editor) return;
  g->editor = nullptr;   // before the focus moves: its loss would finish the edit again
  if (commit) {
    int length = GetWindowTextLengthA(editor);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(editor, &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    if (grid_edit_cell(g->grid, g->edit_row, g->edit_column, text)) g->widths_stale = true;
  }
  if (GetFocus() == editor) SetFocus(g->window);
  DestroyWindow(editor);
  grid_contents_changed(g);
}
