// The status bar window.
//
// Drawn by hand: the class's light grey behind it all, a grey and a white line along the top,
// a sunken frame around the text rectangle, and the text in "Helv" on the button face. The window text mirrors what is
// shown, so that tools reading windows (and accessibility) see the message too.
#include "status_bar.h"

#include "../../base/messages.h"
#include "../status.h"

const char kStatusClass[] = "Status";

namespace {

// Termination codes: the bar could not get its drawing objects, or its window.
const int kStatusObjectsOutOfMemory = 1600;
const int kStatusWindowOutOfMemory = 1601;

const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kWhite = RGB(255, 255, 255);

HWND window() { return static_cast<HWND>(status_bar().window); }

void line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

void draw_text(HDC dc, bool painting) {
  StatusBar &bar = status_bar();
  RECT r{bar.text_rect.left, bar.text_rect.top, bar.text_rect.right, bar.text_rect.bottom};
  FillRect(dc, &r, static_cast<HBRUSH>(bar.background));
  HGDIOBJ old_font = SelectObject(dc, static_cast<HFONT>(bar.font));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  if (painting) SetBkMode(dc, TRANSPARENT);
  RECT text = r;
  OffsetRect(&text, 2, 0);
  DrawTextA(dc, bar.shown.c_str(), -1, &text, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);
}

void paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  StatusBar &bar = status_bar();
  const StatusRect &t = bar.text_rect;
  HPEN grey = CreatePen(PS_SOLID, 1, kGrey);
  HPEN white = CreatePen(PS_SOLID, 1, kWhite);
  HGDIOBJ old = SelectObject(dc, grey);
  line(dc, 0, 0, bar.width, 0);
  SelectObject(dc, white);
  line(dc, 0, 1, bar.width, 1);
  SelectObject(dc, grey);
  line(dc, t.left - 1, t.bottom, t.left - 1, t.top - 1);
  line(dc, t.left - 1, t.top - 1, t.right + 1, t.top - 1);
  SelectObject(dc, white);
  line(dc, t.right + 1, t.top - 1, t.right + 1, t.bottom + 1);
  line(dc, t.right + 1, t.bottom + 1, t.left - 2, t.bottom + 1);
  SelectObject(dc, old);
  DeleteObject(grey);
  DeleteObject(white);
  draw_text(dc, true);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK status_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      paint(hwnd);
      return 0;
    case WM_SETFOCUS:
      SetFocus(GetParent(hwnd));
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

// The cell height of the bar's font on the screen, which the text rectangle must hold.
int screen_text_height(HFONT font) {
  HDC screen = GetDC(nullptr);
  if (!screen) return 0;
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICA metrics{};
  int height = GetTextMetricsA(screen, &metrics) ? metrics.tmHeight : 0;
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return height;
}

}  // namespace

bool register_status_class(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = status_proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = CreateSolidBrush(RGB(192, 192, 192));
  wc.lpszClassName = kStatusClass;
  return RegisterClassA(&wc) != 0;
}

void create_status_bar(HWND frame) {
  StatusBar &bar = status_bar();
  bar.font = CreateFontA(13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                         OUT_STRING_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY,
                         VARIABLE_PITCH | FF_SWISS, "Helv");
  bar.background = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  if (!bar.font || !bar.background) out_of_memory(kStatusObjectsOutOfMemory);
  bar.text_height = screen_text_height(static_cast<HFONT>(bar.font));
  RECT client;
  GetClientRect(frame, &client);
  place_status_bar(bar, client.right, client.bottom);
  HWND hwnd = CreateWindowA(kStatusClass, nullptr, WS_CHILD, 0, bar.top, bar.width, bar.height,
                            frame, nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(frame, GWLP_HINSTANCE)),
                            nullptr);
  if (!hwnd) out_of_memory(kStatusWindowOutOfMemory);
  bar.window = hwnd;
}

void show_status_bar(int show_command) {
  if (!window()) return;
  ShowWindow(window(), show_command);
  UpdateWindow(window());
}

void layout_status_bar(HWND frame) {
  StatusBar &bar = status_bar();
  if (!window()) return;
  RECT client;
  GetClientRect(frame, &client);
  place_status_bar(bar, client.right, client.bottom);
  MoveWindow(window(), 0, bar.top, bar.width, bar.height, TRUE);
}

int status_bar_top() { return status_bar().top; }

void destroy_status_bar() {
  StatusBar &bar = status_bar();
  if (bar.window) DestroyWindow(window());
  if (bar.font) DeleteObject(static_cast<HFONT>(bar.font));
  if (bar.background) DeleteObject(static_cast<HBRUSH>(bar.background));
  bar = StatusBar{};
}

int show_status_text(int code, const char *shown) {
  int previous = keep_status(status_bar(), code, shown);
  if (previous >= 0) redraw_status_text();
  return previous;
}

void redraw_status_text() {
  HWND hwnd = window();
  if (!hwnd) return;
  SetWindowTextA(hwnd, status_bar().shown.c_str());
  HDC dc = GetDC(hwnd);
  draw_text(dc, false);
  ReleaseDC(hwnd, dc);
}
