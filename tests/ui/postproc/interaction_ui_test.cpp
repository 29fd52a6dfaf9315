// Working a graph window as a user does: zoom bands and back, the Zoom button and the pointer
// of zoom mode, the two cursors with their read-outs and measurements, the keyboard and the
// read-out window while they are shown, dragging the plot rectangle and a legend label, text
// blocks, and the format dialogs with what they change in the drawn graph.
//
// The graph comes from the simulator's link (v(in) of the transient sample over time, axes
// 0 .. 5 ms and -1 .. 1). What the axes show is read the way a user reads it: with the
// cursors, at the pixels of the plot's frame, found on the screen as its long black lines.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "circuits.h"
#include "clipboard.h"
#include "driver.h"
#include "stored_settings.h"
#include "resources/cursor_dialog_ids.h"
#include "resources/format_dialog_ids.h"
#include "shell/commands.h"
#include "paths.h"

namespace {

const int kWait = 20000;
const double kEnd = 5e-3;   // the transient's last time

std::string shot(const char *name) { return std::string(ULMO_SCRATCH) + "/" + name; }

struct Frame {
  int left, top, right, bottom;   // client pixels of the frame's lines
};

struct Reading {
  std::string text;
  double x, y;
};

class Interaction : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ulmo-Software");
    set_number("DisplayWelcome", 0);
    set_number("CursorWndDigits", 12);
    set_number("CursorWndNumberFormat", 1);
    ASSERT_TRUE(start_program(windows_path(ULMOGPP), "/x", program));
    frame = wait_for_window(program, "AppFrame", "Ulmo-Postprocessor", kWait);
    ASSERT_NE(frame, nullptr);
    Program link{};
    ASSERT_TRUE(start_program(windows_path(ULMOLINK), "-5 \"" + sample_path("amplifier-transient.out") + ";1\"", link));
    EXPECT_EQ(wait_for_exit(link, kWait), 0);
    HWND client = find_child(frame, "MDIClient");
    ASSERT_NE(client, nullptr);
    ASSERT_TRUE((graph = wait_for_child_window(client, "ChildGraph", kWait)) != nullptr);
    send_message(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(graph), 0);
    ASSERT_TRUE(settled());
    ASSERT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("interaction-start.bmp")));
  }
  void TearDown() override { end_program(program); }

  // A graph window that a scenario has closed (or a link has replaced) has nothing left to take.
  bool settled() {
    return wait_for_posted_messages(frame, kWait) && (!IsWindow(graph) || wait_for_posted_messages(graph, kWait));
  }
  void command(int id) {
    PostMessageA(frame, WM_COMMAND, id, 0);
    settled();
  }
  void post(HWND window, UINT message, POINT at, WPARAM keys = MK_LBUTTON) {
    PostMessageA(window, message, keys, MAKELPARAM(at.x, at.y));
  }
  void click(POINT at) {
    post(graph, WM_LBUTTONDOWN, at);
    post(graph, WM_LBUTTONUP, at, 0);
    settled();
  }
  void drag(HWND window, POINT from, POINT to) {
    post(window, WM_LBUTTONDOWN, from);
    post(window, WM_MOUSEMOVE, {(from.x + to.x) / 2, (from.y + to.y) / 2});
    post(window, WM_MOUSEMOVE, to);
    post(window, WM_LBUTTONUP, to, 0);
    settled();
  }

  // The plot's frame: the rows and columns nearly as black as the blackest are its lines
  // (the trace crosses them at a few pixels only).
  Frame frame_lines() {
    settled();
    // The read-out window opens over the frame's right side; aside, as a user would put it.
    if (HWND cursor_info = find_any_window(program, "#32770", "Cursor Info")) {
      RECT r, graph_rect;
      GetWindowRect(cursor_info, &r);
      GetWindowRect(graph, &graph_rect);
      int x = std::max(static_cast<int>(graph_rect.right), static_cast<int>(GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)));
      SetWindowPos(cursor_info, nullptr, x, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    settled();
    RECT area;
    GetClientRect(graph, &area);
    MapWindowPoints(graph, nullptr, reinterpret_cast<POINT *>(&area), 2);
    ScreenImage image = capture_screen(area);
    std::vector<int> rows(image.height), columns(image.width);
    for (int y = 0; y < image.height; y++)
      for (int x = 0; x < image.width; x++)
        if (image.at(x, y) == RGB(0, 0, 0)) rows[y]++, columns[x]++;
    auto lines = [](const std::vector<int> &counts, int &first, int &last) {
      int most = *std::max_element(counts.begin(), counts.end());
      first = last = -1;
      for (int i = 0; i < static_cast<int>(counts.size()); i++) {
        if (counts[i] < most * 9 / 10) continue;
        if (first < 0) first = i;
        last = i;
      }
    };
    Frame f;
    lines(rows, f.top, f.bottom);
    lines(columns, f.left, f.right);
    return f;
  }

  HWND info() { return wait_for_window(program, "#32770", "Cursor Info", kWait); }
  std::string field(int id) { return window_text(GetDlgItem(info(), id)); }
  static Reading parse(const std::string &text) {
    Reading r{text, 0, 0};
    EXPECT_EQ(sscanf(text.c_str(), "(%lf,%lf)", &r.x, &r.y), 2) << text;
    return r;
  }
  Reading cursor(int id) { return parse(field(id)); }
  // Moves the active cursor with a click and reads it.
  Reading read_at(POINT at, int id = IDC_CURSOR_ONE_VALUE) {
    click(at);
    return cursor(id);
  }

  Program program{};
  HWND frame = nullptr, graph = nullptr;
};

// A text the graph drew, with the escapement of the font it was drawn in.
struct DrawnText {
  std::string text;
  int escapement;
};

// The texts of a Windows metafile in drawing order. The file's handle table is replayed
// (an object takes the lowest free slot) so that each text is paired with the font selected
// when it was drawn.
std::vector<DrawnText> metafile_texts(HMETAFILE metafile) {
  std::vector<BYTE> bits(GetMetaFileBitsEx(metafile, 0, nullptr));
  GetMetaFileBitsEx(metafile, static_cast<UINT>(bits.size()), bits.data());
  auto word = [&](size_t at) {
    WORD w = 0;
    if (at + 2 <= bits.size()) memcpy(&w, &bits[at], 2);
    return static_cast<short>(w);
  };
  std::vector<int> slots;   // per handle: a font's escapement, or -1 (another object), or -2 (free)
  int escapement = 0;
  std::vector<DrawnText> texts;
  for (size_t at = 18; at + 6 <= bits.size();) {
    DWORD words = 0;
    memcpy(&words, &bits[at], 4);
    if (words < 3) break;
    const WORD function = static_cast<WORD>(word(at + 4));
    const size_t parameters = at + 6;
    switch (function) {
      case META_CREATEFONTINDIRECT: case META_CREATEPENINDIRECT: case META_CREATEBRUSHINDIRECT:
      case META_CREATEPALETTE: case META_CREATEPATTERNBRUSH: case META_DIBCREATEPATTERNBRUSH:
      case META_CREATEREGION: {
        const int value = function == META_CREATEFONTINDIRECT ? word(parameters + 4) : -1;
        auto free_slot = std::find(slots.begin(), slots.end(), -2);
        if (free_slot == slots.end()) slots.push_back(value); else *free_slot = value;
        break;
      }
      case META_DELETEOBJECT:
        if (static_cast<size_t>(word(parameters)) < slots.size()) slots[word(parameters)] = -2;
        break;
      case META_SELECTOBJECT:
        if (static_cast<size_t>(word(parameters)) < slots.size() && slots[word(parameters)] >= 0)
          escapement = slots[word(parameters)];
        break;
      case META_EXTTEXTOUT: {
        const int count = word(parameters + 4), options = word(parameters + 6);
        const size_t text = parameters + 8 + ((options & (ETO_OPAQUE | ETO_CLIPPED)) ? 8 : 0);
        if (text + count <= bits.size())
          texts.push_back({std::string(reinterpret_cast<const char *>(&bits[text]), count), escapement});
        break;
      }
      case META_TEXTOUT: {
        const int count = word(parameters);
        if (parameters + 2 + count <= bits.size())
          texts.push_back({std::string(reinterpret_cast<const char *>(&bits[parameters + 2]), count), escapement});
        break;
      }
    }
    at += static_cast<size_t>(words) * 2;
  }
  return texts;
}

// The texts of the graph's copy on the clipboard.
std::vector<DrawnText> copied_texts(HWND frame) {
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
  PostMessageA(frame, WM_COMMAND, kCmdCopy, 0);
  std::vector<DrawnText> texts;
  if (!wait_for_clipboard_format(CF_METAFILEPICT, kWait)) return texts;
  if (!OpenClipboard(nullptr)) return texts;
  HANDLE data = GetClipboardData(CF_METAFILEPICT);
  if (const METAFILEPICT *picture = data ? static_cast<const METAFILEPICT *>(GlobalLock(data)) : nullptr) {
    texts = metafile_texts(picture->hMF);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return texts;
}

// Whether `texts` holds `wanted` in this order, other texts between them allowed.
bool holds_in_order(const std::vector<DrawnText> &texts, const std::vector<std::string> &wanted) {
  size_t next = 0;
  for (const DrawnText &t : texts)
    if (next < wanted.size() && t.text == wanted[next]) next++;
  return next == wanted.size();
}

const DrawnText *drawn_text(const std::vector<DrawnText> &texts, const std::string &text) {
  for (const DrawnText &t : texts)
    if (t.text == text) return &t;
  return nullptr;
}

// A value a pixel stands for, on an axis of `span` drawn over `pixels`.
double pixel_of(double span, int pixels) { return std::fabs(span) / pixels; }

TEST_F(Interaction, ZoomBandsAndLeavingZoomModeRestoresTheAxes) {
  Frame f = frame_lines();
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("interaction-zoom-start.bmp")));
  ASSERT_GT(f.right - f.left, 200);
  ASSERT_GT(f.bottom - f.top, 100);
  const double xp = pixel_of(kEnd, f.right - f.left), yp = pixel_of(2, f.bottom - f.top);
  command(kCmdShowCursors);
  Reading low = read_at({f.left, f.bottom}), high = read_at({f.right, f.top});
  EXPECT_NEAR(low.x, 0, xp);
  EXPECT_NEAR(low.y, -1, yp);
  EXPECT_NEAR(high.x, kEnd, xp);
  EXPECT_NEAR(high.y, 1, yp);

  command(kCmdZoom);   // hides the cursors and presses the button
  ASSERT_TRUE(wait_until_no_window(program, "#32770", "Cursor Info", kWait));
  const MenuItemReport *zoom_item = nullptr;
  std::vector<MenuItemReport> menu = read_menu(frame);
  zoom_item = find_menu_item(menu, kCmdZoom);
  ASSERT_NE(zoom_item, nullptr);
  EXPECT_TRUE(zoom_item->state & MF_CHECKED);

  // The band from a quarter to a half of the plot in both directions.
  POINT a{f.left + (f.right - f.left) / 4, f.top + (f.bottom - f.top) / 4};
  POINT b{f.left + (f.right - f.left) / 2, f.top + (f.bottom - f.top) / 2};
  const double x_lo = kEnd * (a.x - f.left) / (f.right - f.left), x_hi = kEnd * (b.x - f.left) / (f.right - f.left);
  const double y_hi = 1 - 2.0 * (a.y - f.top) / (f.bottom - f.top), y_lo = 1 - 2.0 * (b.y - f.top) / (f.bottom - f.top);
  post(graph, WM_LBUTTONDOWN, a);
  post(graph, WM_MOUSEMOVE, b);
  settled();
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("interaction-zoom-band.bmp")));
  post(graph, WM_LBUTTONUP, b, 0);
  settled();
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("interaction-zoomed.bmp")));

  // In zoom mode a click moves a cursor and changes nothing else.
  Frame z = frame_lines();
  command(kCmdShowCursors);
  Reading zoomed_low = read_at({z.left, z.bottom}), zoomed_high = read_at({z.right, z.top});
  EXPECT_NEAR(zoomed_low.x, x_lo, 1.5 * xp);
  EXPECT_NEAR(zoomed_high.x, x_hi, 1.5 * xp);
  EXPECT_NEAR(zoomed_low.y, y_lo, 1.5 * yp);
  EXPECT_NEAR(zoomed_high.y, y_hi, 1.5 * yp);
  EXPECT_EQ(read_at({z.left, z.bottom}).text, zoomed_low.text);

  // A second band, then zoom mode off: the frame and every reading are as before the first.
  drag(graph, {z.left + 10, z.top + 10}, {z.right - 10, z.bottom - 10});
  Reading twice = read_at({z.left + 1, z.bottom - 1});
  EXPECT_GT(twice.x, zoomed_low.x);
  command(kCmdZoom);
  Frame back = frame_lines();
  EXPECT_EQ(back.left, f.left);
  EXPECT_EQ(back.top, f.top);
  EXPECT_EQ(back.right, f.right);
  EXPECT_EQ(back.bottom, f.bottom);
  EXPECT_EQ(read_at({f.left, f.bottom}).text, low.text);   // the cursors stayed shown
  EXPECT_EQ(read_at({f.right, f.top}).text, high.text);
  menu = read_menu(frame);
  EXPECT_FALSE(find_menu_item(menu, kCmdZoom)->state & MF_CHECKED);
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("interaction-unzoomed.bmp")));
}

TEST_F(Interaction, ANarrowBandReachesTheXLimitAndStillZoomsY) {
  command(kCmdZoom);
  command(kCmdShowCursors);
  std::string message;
  Reading before{}, after{};
  for (int round = 0; round < 12 && message.empty(); round++) {
    Frame z = frame_lines();
    POINT middle{(z.left + z.right) / 2, (z.top + z.bottom) / 2};
    before = read_at(middle);
    // Two pixels wide, half the plot high.
    post(graph, WM_LBUTTONDOWN, {middle.x, middle.y - (z.bottom - z.top) / 4});
    post(graph, WM_LBUTTONUP, {middle.x + 2, middle.y + (z.bottom - z.top) / 4}, 0);
    // The marker comes back through the box's loop when the band opened one, so the box
    // exists by then; it is made hidden and shown once its loop runs.
    ASSERT_TRUE(wait_for_posted_messages(graph, kWait));
    HWND box = find_any_window(program, "#32770", "Ulmo-Postprocessor");
    if (box && wait_for_state(box, "shown", IsWindowVisible, kWait)) {
      message = message_box_text(box);
      EXPECT_TRUE(save_screenshot(box, GetSysColor(COLOR_BTNFACE), shot("interaction-max-zoom.bmp"), true));
      press_button(box, IDOK);
      settled();   // the box's loop ends on the next message it takes
      ASSERT_TRUE(wait_until_destroyed(box, kWait));
      after = read_at(middle);
    }
  }
  ASSERT_EQ(message, "Maximum zoom reached for x-axis") << before.text;
  // x stayed, y zoomed: the same pixel reads the same x and another y.
  char x_before[64], x_after[64];
  snprintf(x_before, sizeof x_before, "%.15g", before.x);
  snprintf(x_after, sizeof x_after, "%.15g", after.x);
  EXPECT_STREQ(x_before, x_after);
  EXPECT_NE(before.y, after.y);
}

// The closed-form values of v(in) at the sample's points between two times.
struct Measured {
  int count;
  double minimum, maximum, mean, rms;
};
// The span as a time average, worked out here from the samples on their own: the curve cut
// at both cursors by linear interpolation and integrated, and its square, line by line.
Measured closed_form(double t1, double t2) {
  SamplePlot plot = filter_transient(4001);
  double lo = std::min(t1, t2), hi = std::max(t1, t2);
  auto time = [&](int i) { return plot.real[6 * i]; };
  auto value = [&](int i) { return plot.real[6 * i + 1]; };
  auto at = [&](double t) {
    int i = 0;
    while (i + 2 < plot.point_count && time(i + 1) < t) i++;
    return value(i) + (value(i + 1) - value(i)) * (t - time(i)) / (time(i + 1) - time(i));
  };
  std::vector<double> ts{lo}, vs{at(lo)};
  Measured m{0, 0, 0, 0, 0};
  for (int i = 0; i < plot.point_count; i++) {
    if (time(i) <= lo || time(i) >= hi) continue;
    ts.push_back(time(i));
    vs.push_back(value(i));
    m.count++;
  }
  ts.push_back(hi);
  vs.push_back(at(hi));
  double integral = 0, squares = 0;
  m.minimum = m.maximum = vs[0];
  for (size_t k = 1; k < ts.size(); k++) {
    integral += (ts[k] - ts[k - 1]) * (vs[k] + vs[k - 1]) / 2;
    squares += (ts[k] - ts[k - 1]) * (vs[k] * vs[k] + vs[k] * vs[k - 1] + vs[k - 1] * vs[k - 1]) / 3;
    m.minimum = std::min(m.minimum, vs[k]);
    m.maximum = std::max(m.maximum, vs[k]);
  }
  m.mean = integral / (hi - lo);
  m.rms = std::sqrt(squares / (hi - lo));
  return m;
}

double number(const std::string &text) { return strtod(text.c_str(), nullptr); }

TEST_F(Interaction, CursorsReadAndMeasureTheTrace) {
  command(kCmdShowCursors);
  HWND window = info();
  ASSERT_NE(window, nullptr);
  std::vector<RECT> squares;
  std::vector<HWND> markers;
  for (HWND c = GetWindow(graph, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(c, name, sizeof name);
    if (std::string(name) != "Cursor") continue;
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, graph, reinterpret_cast<POINT *>(&r), 2);
    squares.push_back(r);
    markers.push_back(c);
  }
  ASSERT_EQ(squares.size(), 2u);
  std::sort(squares.begin(), squares.end(), [](const RECT &a, const RECT &b) { return a.top < b.top; });
  EXPECT_EQ(squares[0].left, 10);
  EXPECT_EQ(squares[0].top, 10);
  EXPECT_EQ(squares[0].right - squares[0].left, 11);
  EXPECT_EQ(squares[1].left, 10);
  EXPECT_EQ(squares[1].top, 30);
  EXPECT_EQ(squares[1].bottom - squares[1].top, 11);
  // Both at x 15: their x difference is exactly zero, in the read-outs' format.
  Reading one = cursor(IDC_CURSOR_ONE_VALUE), two = cursor(IDC_CURSOR_TWO_VALUE);
  EXPECT_EQ(one.x, two.x);
  std::string difference = field(IDC_CURSOR_DIFFERENCE);
  EXPECT_EQ(difference.substr(0, 21), "(0.000000000000E+000,") << difference;
  EXPECT_NEAR(parse(difference).y, one.y - two.y, 1e-11);
  EXPECT_EQ(one.text.find("E-0") != std::string::npos || one.text.find("E+0") != std::string::npos, true) << one.text;

  Frame f = frame_lines();
  ASSERT_GT(f.right - f.left, 200);
  const double xp = pixel_of(kEnd, f.right - f.left);
  POINT p1{f.left + (f.right - f.left) / 5, (f.top + f.bottom) / 2};
  POINT p2{f.left + (f.right - f.left) * 3 / 5, f.top + 20};
  one = read_at(p1);
  PostMessageA(GetDlgItem(window, IDC_CURSOR_TWO), BM_CLICK, 0, 0);
  wait_for_posted_messages(window, kWait);
  two = read_at(p2, IDC_CURSOR_TWO_VALUE);
  EXPECT_NEAR(one.x, kEnd / 5, 1.5 * xp);
  EXPECT_NEAR(two.x, kEnd * 3 / 5, 1.5 * xp);
  Reading diff = parse(field(IDC_CURSOR_DIFFERENCE));
  EXPECT_NEAR(diff.x, one.x - two.x, 1e-14);
  EXPECT_NEAR(diff.y, one.y - two.y, 1e-11);
  EXPECT_NE(field(IDC_SPAN_TRACE).find("v(in)"), std::string::npos) << field(IDC_SPAN_TRACE);
  Measured m = closed_form(one.x, two.x);
  ASSERT_GT(m.count, 100);
  EXPECT_NEAR(number(field(IDC_SPAN_MINIMUM)), m.minimum, 1e-9);
  EXPECT_NEAR(number(field(IDC_SPAN_MAXIMUM)), m.maximum, 1e-9);
  EXPECT_NEAR(number(field(IDC_SPAN_MEAN)), m.mean, 1e-9);
  EXPECT_NEAR(number(field(IDC_SPAN_RMS)), m.rms, 1e-9);
  EXPECT_NEAR(number(field(IDC_SPAN_PEAK_TO_PEAK)), m.maximum - m.minimum, 1e-9);
  EXPECT_TRUE(save_screenshot(window, GetSysColor(COLOR_BTNFACE), shot("interaction-cursors.bmp"), true));

  // Arrow keys move the active cursor (2) a pixel; the read-out follows.
  PostMessageA(graph, WM_KEYDOWN, VK_LEFT, 0);
  PostMessageA(graph, WM_KEYDOWN, VK_UP, 0);
  settled();
  Reading keyed = cursor(IDC_CURSOR_TWO_VALUE);
  EXPECT_LT(keyed.x, two.x);
  EXPECT_NEAR(keyed.x, two.x - xp, xp / 2);
  EXPECT_GT(keyed.y, two.y);

  command(kCmdShowCursors);   // hides them
  ASSERT_TRUE(wait_until_destroyed(window, kWait));
  for (HWND m : markers) EXPECT_FALSE(IsWindow(m));
}

TEST_F(Interaction, DraggingThePlotByACornerAndALegendLabel) {
  Frame f = frame_lines();
  POINT centre{(f.left + f.right) / 2, (f.top + f.bottom) / 2};
  click(centre);   // selects it: handles at its corners and edges
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("interaction-plot-selected.bmp")));
  drag(graph, {f.right - 1, f.bottom - 1}, {f.right - 101, f.bottom - 51});
  Frame resized = frame_lines();
  EXPECT_NEAR(resized.left, f.left, 1);
  EXPECT_NEAR(resized.top, f.top, 1);
  EXPECT_NEAR(resized.right, f.right - 100, 2);
  EXPECT_NEAR(resized.bottom, f.bottom - 50, 2);
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("interaction-plot-resized.bmp")));

  HWND label = FindWindowExA(graph, nullptr, "Text", nullptr);
  ASSERT_NE(label, nullptr);
  RECT home;
  GetWindowRect(label, &home);
  drag(label, {3, 3}, {83, 63});
  RECT moved;
  GetWindowRect(label, &moved);
  EXPECT_EQ(moved.left, home.left + 80);
  EXPECT_EQ(moved.top, home.top + 60);
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("interaction-legend-moved.bmp")));

  // A double click on the plot area puts the layout and the label back.
  POINT inside{(resized.left + resized.right) / 2, (resized.top + resized.bottom) / 2};
  post(graph, WM_LBUTTONDOWN, inside);
  post(graph, WM_LBUTTONUP, inside, 0);
  post(graph, WM_LBUTTONDBLCLK, inside);
  post(graph, WM_LBUTTONUP, inside, 0);
  settled();
  Frame reset = frame_lines();
  EXPECT_EQ(reset.left, f.left);
  EXPECT_EQ(reset.right, f.right);
  EXPECT_EQ(reset.bottom, f.bottom);
  RECT back;
  GetWindowRect(label, &back);
  EXPECT_EQ(back.left, home.left);
  EXPECT_EQ(back.top, home.top);
}

// A double click, as the platform delivers one to a window of the class.
void double_click(HWND window, POINT at) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// The running program reaches each format dialog from the part of the graph double-clicked:
// the axis bands on the frame's edges, and a legend label.
TEST_F(Interaction, DoubleClicksOpenTheMatchingFormatDialogs) {
  Frame f = frame_lines();
  struct Target {
    HWND window;
    POINT at;
    const char *title;
  };
  HWND label = FindWindowExA(graph, nullptr, "Text", nullptr);
  ASSERT_NE(label, nullptr);
  const Target targets[] = {
      {graph, {(f.left + f.right) / 2, f.bottom - 2}, "Format X-Axis"},
      {graph, {f.left + 2, (f.top + f.bottom) / 2}, "Format Y-Axis"},
      {label, {3, 3}, "Format Legend"},
  };
  ASSERT_TRUE(shows_drawn_window(capture_window(label), RGB(255, 255, 255)));
  const ScreenImage unselected = capture_window(label);
  for (const Target &t : targets) {
    double_click(t.window, t.at);
    HWND dialog = wait_for_window(program, "#32770", t.title, kWait);
    ASSERT_NE(dialog, nullptr) << t.title;
    press_button(dialog, IDCANCEL);
    EXPECT_TRUE(wait_until_destroyed(dialog, kWait)) << t.title;
    settled();
  }
  // The label's selection handles went with its dialog: it shows as before the double click.
  size_t differing = 0;
  bool as_before = wait_until([&] {
    ScreenImage now = capture_window(label);
    differing = now.pixels.size() == unselected.pixels.size() ? 0 : now.pixels.size();
    for (size_t i = 0; i < now.pixels.size() && i < unselected.pixels.size(); i++)
      differing += now.pixels[i] != unselected.pixels[i];
    return differing == 0;
  }, kWait);
  EXPECT_TRUE(as_before) << "waited for the legend label to show as before its dialog, without handles; saw "
                         << differing << " pixels differ";
}

// Add Text places a block where the graph is clicked and opens its dialog; what the dialog
// sets shows on the graph; Delete removes the selected block.
TEST_F(Interaction, ATextBlockMadeThroughItsDialogAndDeleted) {
  Frame f = frame_lines();
  command(kCmdAddText);
  POINT at{f.left + (f.right - f.left) / 3, f.top + (f.bottom - f.top) / 3};
  post(graph, WM_LBUTTONDOWN, at);
  post(graph, WM_LBUTTONUP, at, 0);
  HWND dialog = wait_for_window(program, "#32770", "Format Text", kWait);
  ASSERT_NE(dialog, nullptr);
  set_control_text(dialog, IDC_TEXT_EDIT, "Gain 20 dB");
  // Radio buttons and the check box change only when clicked, as a user clicks them.
  for (int id : {IDC_TEXT_RIGHT, IDC_TEXT_VERTICAL, IDC_BORDER}) send_message(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  press_button(dialog, IDOK);
  ASSERT_TRUE(wait_until_destroyed(dialog, kWait));
  settled();
  // The block is the graph's newest "Text" child: taller than wide, as vertical text is.
  HWND block = nullptr;
  for (HWND c = FindWindowExA(graph, nullptr, "Text", nullptr); c; c = FindWindowExA(graph, c, "Text", nullptr))
    if (window_text(c) == "Gain 20 dB") block = c;
  ASSERT_NE(block, nullptr);
  RECT r;
  GetWindowRect(block, &r);
  EXPECT_GT(r.bottom - r.top, 2 * (r.right - r.left));
  EXPECT_TRUE(IsWindowVisible(block));
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("interaction-text-block.bmp")));
  // Selected by a click, then deleted.
  post(block, WM_LBUTTONDOWN, {2, 2});
  post(block, WM_LBUTTONUP, {2, 2}, 0);
  settled();
  command(kCmdDelete);
  EXPECT_TRUE(wait_until_destroyed(block, kWait));
}

// Cancelling the dialog of a block Add Text has just made leaves no block (none is written
// into a graph file either); a press on a label that is there while Add Text is armed takes
// the label and ends the mode: the menu's check and the toolbar button are released.
TEST_F(Interaction, AddTextCancelledLeavesNoBlockAndAPressOnALabelEndsIt) {
  auto text_windows = [&] {
    int n = 0;
    for (HWND c = FindWindowExA(graph, nullptr, "Text", nullptr); c; c = FindWindowExA(graph, c, "Text", nullptr)) n++;
    return n;
  };
  HWND toolbar = find_child(frame, "ToolbarWindow32");
  ASSERT_NE(toolbar, nullptr);
  auto expect_armed = [&](bool armed, const char *after) {
    ASSERT_TRUE(wait_for_posted_messages(frame, kWait)) << after;
    bool pressed = SendMessageA(toolbar, TB_ISBUTTONCHECKED, kCmdAddText, 0) != 0;
    std::vector<MenuItemReport> menu = read_menu(frame);
    const MenuItemReport *item = find_menu_item(menu, kCmdAddText);
    bool checked = item && (item->state & MF_CHECKED);
    EXPECT_EQ(pressed, armed) << "after " << after << ": the Add Text button is " << (pressed ? "pressed" : "released");
    EXPECT_EQ(checked, armed) << "after " << after << ": the menu's Add Text is " << (checked ? "checked" : "unchecked");
  };
  const int before = text_windows();
  ASSERT_GT(before, 0);   // the legend label
  Frame f = frame_lines();
  command(kCmdAddText);
  expect_armed(true, "Add Text");
  POINT at{f.left + (f.right - f.left) / 3, f.top + (f.bottom - f.top) / 3};
  post(graph, WM_LBUTTONDOWN, at);
  post(graph, WM_LBUTTONUP, at, 0);
  HWND dialog = wait_for_window(program, "#32770", "Format Text", kWait);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(text_windows(), before + 1);   // the block the dialog is for
  press_button(dialog, IDCANCEL);
  ASSERT_TRUE(wait_until_destroyed(dialog, kWait));
  settled();
  EXPECT_EQ(text_windows(), before) << "a cancelled Add Text left a block behind";
  expect_armed(false, "the block placed");

  HWND label = FindWindowExA(graph, nullptr, "Text", nullptr);
  ASSERT_NE(label, nullptr);
  command(kCmdAddText);
  expect_armed(true, "Add Text again");
  post(label, WM_LBUTTONDOWN, {3, 3});
  post(label, WM_LBUTTONUP, {3, 3}, 0);
  settled();
  expect_armed(false, "a press on the legend label");
  EXPECT_EQ(text_windows(), before);
  // The graph is clicked again: no block and no dialog, since the mode has ended. A dialog
  // would open on the click, before the menu can be read.
  post(graph, WM_LBUTTONDOWN, at);
  post(graph, WM_LBUTTONUP, at, 0);
  ASSERT_TRUE(wait_for_posted_messages(frame, kWait));
  EXPECT_EQ(wait_for_window(program, "#32770", "Format Text", 0), nullptr);   // a look
  EXPECT_EQ(text_windows(), before);
}

// The format dialogs change what the graph draws: the x labels in scientific notation with
// two digits, a retitled y axis that still reads upwards, and a logarithmic y axis turned
// back to linear by the sine's negative values, with the message that says why.
TEST_F(Interaction, FormatDialogsChangeWhatTheGraphDraws) {
  const std::vector<std::string> x_labels{"0.0m", "1.0m", "2.0m", "3.0m", "4.0m", "5.0m"};
  const std::vector<std::string> y_labels{"-1.0", "-0.5", "0.0", "0.5", "1.0"};
  std::vector<DrawnText> texts = copied_texts(frame);
  EXPECT_TRUE(holds_in_order(texts, x_labels));
  EXPECT_TRUE(holds_in_order(texts, y_labels));
  auto open = [&](int id, const char *title) {
    PostMessageA(frame, WM_COMMAND, id, 0);
    return wait_for_window(program, "#32770", title, kWait);
  };
  auto confirm = [&](HWND dialog) {
    press_button(dialog, IDOK);
    EXPECT_TRUE(wait_until_destroyed(dialog, kWait));
    settled();
  };

  HWND label = open(kCmdFormatXLabel, "Format X-Axis Label");
  ASSERT_NE(label, nullptr);
  send_message(GetDlgItem(label, IDC_LABEL_SCIENTIFIC), BM_CLICK, 0, 0);
  set_control_text(label, IDC_LABEL_DIGITS, "2");
  confirm(label);
  texts = copied_texts(frame);
  EXPECT_TRUE(holds_in_order(texts, {"0.00E+000", "1.00E-003", "2.00E-003", "3.00E-003", "4.00E-003", "5.00E-003"}));
  EXPECT_EQ(drawn_text(texts, "1.0m"), nullptr);
  EXPECT_TRUE(holds_in_order(texts, y_labels));

  HWND title = open(kCmdFormatYTitle, "Format Y-Axis Title");
  ASSERT_NE(title, nullptr);
  set_control_text(title, IDC_TITLE_TEXT, "Gain");
  send_message(GetDlgItem(title, IDC_FONT_BOLD), BM_CLICK, 0, 0);
  confirm(title);
  texts = copied_texts(frame);
  const DrawnText *y_title = drawn_text(texts, "Gain  [V]");
  ASSERT_NE(y_title, nullptr);
  EXPECT_EQ(y_title->escapement, 900);
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("interaction-formatted.bmp")));

  HWND axis = open(kCmdFormatYAxis, "Format Y-Axis");
  ASSERT_NE(axis, nullptr);
  send_message(GetDlgItem(axis, IDC_AXIS_LOGARITHMIC), BM_CLICK, 0, 0);
  press_button(axis, IDOK);
  // The range check shows its message without an owner and with the default caption.
  HWND box = wait_for_window(program, "#32770", "Error", kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Negative or zero data not allowed in logaritmic plots");
  press_button(box, IDOK);
  EXPECT_TRUE(wait_until_destroyed(axis, kWait));
  settled();
  EXPECT_TRUE(holds_in_order(copied_texts(frame), y_labels));
  axis = open(kCmdFormatYAxis, "Format Y-Axis");
  ASSERT_NE(axis, nullptr);
  EXPECT_EQ(send_message(GetDlgItem(axis, IDC_AXIS_LINEAR), BM_GETCHECK, 0, 0), BST_CHECKED);
  press_button(axis, IDCANCEL);
  EXPECT_TRUE(wait_until_destroyed(axis, kWait));
}

// What the platform's own input does, as a user's hand would: the pointer moved there and
// the left button pressed and released; a key pressed with modifiers held.
void user_click(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}
void user_key(WORD key, std::initializer_list<WORD> held = {}) {
  std::vector<INPUT> input;
  auto add = [&](WORD k, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = k;
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    input.push_back(i);
  };
  for (WORD k : held) add(k, false);
  add(key, false);
  add(key, true);
  for (auto k = held.end(); k != held.begin();) add(*--k, true);
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

POINT centre_of(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The class and title of the top-level window a screen point shows, for failure messages.
std::string shown_at(POINT screen) {
  HWND w = WindowFromPoint(screen);
  HWND root = w ? GetAncestor(w, GA_ROOT) : nullptr;
  if (!root) return "no window";
  char name[64] = {};
  GetClassNameA(root, name, sizeof name);
  return std::string(name) + " \"" + window_text(root) + "\"";
}

// 10. The Zoom button is pressed exactly while the active graph window is zoomed, as the
// menu's check mark is: activating another window or closing the zoomed one releases it.
TEST_F(Interaction, TheZoomButtonFollowsTheActiveGraphWindow) {
  Program link{};
  ASSERT_TRUE(start_program(windows_path(ULMOLINK), "-6 \"" + sample_path("amplifier-transient.out") + ";1,2\"", link));
  ASSERT_EQ(wait_for_exit(link, kWait), 0);
  HWND client = find_child(frame, "MDIClient"), toolbar = find_child(frame, "ToolbarWindow32");
  ASSERT_NE(toolbar, nullptr);
  std::vector<HWND> graphs;
  ASSERT_TRUE(wait_until([&] {
    graphs.clear();
    for (HWND c = FindWindowExA(client, nullptr, "ChildGraph", nullptr); c; c = FindWindowExA(client, c, "ChildGraph", nullptr))
      graphs.push_back(c);
    return graphs.size() == 2;
  }, kWait)) << "waited for two graph windows; saw " << graphs.size();
  auto active = [&] { return reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)); };
  auto activate = [&](HWND w) {
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(w), 0);
    settled();
  };
  auto expect_zoom = [&](bool pressed, const char *after) {
    ASSERT_TRUE(wait_for_posted_messages(frame, kWait)) << after;
    bool shown = SendMessageA(toolbar, TB_ISBUTTONCHECKED, kCmdZoom, 0) != 0;
    std::vector<MenuItemReport> menu = read_menu(frame);
    const MenuItemReport *item = find_menu_item(menu, kCmdZoom);
    bool checked = item && (item->state & MF_CHECKED);
    const char *want = pressed ? "pressed" : "released";
    EXPECT_EQ(shown, pressed) << "after " << after << ": waited for the Zoom button " << want << "; saw it "
                              << (shown ? "pressed" : "released");
    EXPECT_EQ(checked, pressed) << "after " << after << ": the menu's Zoom item is " << (checked ? "checked" : "unchecked");
  };
  HWND zoomed = active(), other = zoomed == graphs[0] ? graphs[1] : graphs[0];
  ASSERT_TRUE(zoomed == graphs[0] || zoomed == graphs[1]);
  expect_zoom(false, "the link");
  command(kCmdZoom);
  expect_zoom(true, "Zoom in the active window");
  activate(other);
  ASSERT_EQ(active(), other);
  expect_zoom(false, "activating the other window");
  activate(zoomed);
  expect_zoom(true, "activating the zoomed window again");
  PostMessageA(zoomed, WM_CLOSE, 0, 0);
  ASSERT_TRUE(wait_until_destroyed(zoomed, kWait));
  ASSERT_EQ(active(), other);
  expect_zoom(false, "closing the zoomed window");
  command(kCmdZoom);
  expect_zoom(true, "Zoom in the last window");
  PostMessageA(other, WM_CLOSE, 0, 0);
  ASSERT_TRUE(wait_until_destroyed(other, kWait));
  expect_zoom(false, "closing the last window, zoomed");
}

// 11. Over the plot, zoom mode shows the zoom cursor (resource 6); beside the plot and
// outside zoom mode the arrow.
TEST_F(Interaction, ZoomModeShowsTheZoomCursorOverThePlot) {
  Frame f = frame_lines();
  const int kZoomCursor = 6;
  const std::string zoom_pointer = "resource 6";
  // The pointer is moved to the point and a pixel beside it in turn, so that the window is
  // asked for its pointer again each time, until it shows `wanted`; returns what it showed.
  auto pointer_at = [&](POINT at, const std::string &wanted) {
    std::string seen;
    int step = 0;
    wait_until([&] {
      POINT screen{at.x + (step++ % 2), at.y};
      ClientToScreen(graph, &screen);
      SetCursorPos(screen.x, screen.y);
      seen = read_pointer(graph, kZoomCursor);
      return seen == wanted;
    }, kWait);
    return seen;
  };
  POINT plot{(f.left + f.right) / 2, (f.top + f.bottom) / 2}, beside{f.left / 2, (f.top + f.bottom) / 2};
  EXPECT_EQ(pointer_at(plot, "arrow"), "arrow") << "waited for the arrow over the plot before zoom mode";
  command(kCmdZoom);
  EXPECT_EQ(pointer_at(plot, zoom_pointer), zoom_pointer) << "waited for the zoom cursor over the plot in zoom mode";
  EXPECT_EQ(pointer_at(beside, "arrow"), "arrow") << "waited for the arrow beside the plot in zoom mode";
  EXPECT_EQ(pointer_at({plot.x, f.top + 2}, zoom_pointer), zoom_pointer) << "waited for the zoom cursor near the plot's top edge";
  command(kCmdZoom);
  EXPECT_EQ(pointer_at(plot, "arrow"), "arrow") << "waited for the arrow over the plot after zoom mode";
}

// 11. While the cursors are shown, a click on the read-out's radio button chooses the cursor
// and leaves the keyboard where it was: the arrow keys move that cursor, Ctrl+L (Hide Legends)
// and the menu keys reach the frame.
TEST_F(Interaction, KeysBesideTheCursorKeysReachTheFrameWhileCursorsAreShown) {
  command(kCmdShowCursors);
  HWND window = info();
  ASSERT_NE(window, nullptr);
  HWND second = GetDlgItem(window, IDC_CURSOR_TWO);
  ASSERT_TRUE(wait_until([&] { return GetAncestor(WindowFromPoint(centre_of(second)), GA_ROOT) == window; }, kWait))
      << "waited for the Cursor Info window over the frame; saw " << shown_at(centre_of(second));
  user_click(centre_of(second));
  ASSERT_TRUE(wait_until([&] { return SendMessageA(second, BM_GETCHECK, 0, 0) == BST_CHECKED; }, kWait))
      << "waited for \"Cursor #2:\" to be checked by a click";
  settled();
  settled();
  EXPECT_EQ(GetAncestor(WindowFromPoint(centre_of(window)), GA_ROOT), window)
      << "after the click on \"Cursor #2:\": waited for the Cursor Info window at its centre; saw " << shown_at(centre_of(window));

  Reading before = cursor(IDC_CURSOR_TWO_VALUE);
  user_key(VK_RIGHT);
  std::string after;
  EXPECT_TRUE(wait_until([&] { return (after = field(IDC_CURSOR_TWO_VALUE)) != before.text; }, kWait))
      << "waited for the right arrow key to move cursor 2 from " << before.text << "; saw " << after;
  EXPECT_GT(parse(after).x, before.x);

  HWND label = FindWindowExA(graph, nullptr, "Text", nullptr);
  ASSERT_NE(label, nullptr);
  ASSERT_TRUE(IsWindowVisible(label));
  user_key('L', {VK_CONTROL});
  EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(label); }, kWait))
      << "waited for Ctrl+L to hide the legend label; it is still shown";

  // The menu keys: Alt+W opens the Window menu, Alt alone then Down the menu bar's first menu.
  struct MenuKeys {
    const char *name;
    std::function<void()> press;
  };
  const MenuKeys ways[] = {
      {"Alt+W", [] { user_key('W', {VK_MENU}); }},
      {"Alt, Down", [] { user_key(VK_MENU); user_key(VK_DOWN); }},
  };
  for (const MenuKeys &way : ways) {
    way.press();
    HWND popup = wait_for_window(program, "#32768", nullptr, kWait);
    EXPECT_NE(popup, nullptr) << "waited for " << way.name << " to open a menu of the frame; no menu opened";
    if (!popup) continue;
    user_key(VK_ESCAPE);
    user_key(VK_ESCAPE);
    EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(popup); }, kWait)) << way.name;
    settled();
  }
}

// 14. The Cursor Info window stays above the frame: a click in the graph, posted or made
// by the platform's input, leaves it on the screen where it is.
TEST_F(Interaction, CursorInfoStaysAboveTheFrameWhenTheGraphIsClicked) {
  command(kCmdShowCursors);
  HWND window = info();
  ASSERT_NE(window, nullptr);
  const POINT centre = centre_of(window);
  // Shown where it is, as the screen shows it: mostly its face, with its texts on it.
  auto seen = [&](const char *after) {
    settled();
    settled();   // the display's answers to the restacking come back through the queue
    std::string what = shown_at(centre);
    EXPECT_EQ(GetAncestor(WindowFromPoint(centre), GA_ROOT), window)
        << "after " << after << ": waited for the Cursor Info window at its centre; saw " << what;
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_TRUE(shows_drawn_window(capture_screen(r), GetSysColor(COLOR_BTNFACE)))
        << "after " << after << ": the screen does not show the Cursor Info window where it is";
  };
  seen("showing the cursors");
  click({200, 200});
  seen("a click in the graph");
  for (POINT at : {POINT{300, 250}, POINT{320, 270}}) {
    const std::string before = field(IDC_CURSOR_ONE_VALUE);
    ClientToScreen(graph, &at);
    user_click(at);
    ASSERT_TRUE(wait_until([&] { return field(IDC_CURSOR_ONE_VALUE) != before; }, kWait))
        << "waited for a click of the platform's input to move cursor 1 from " << before;
    seen("a click of the platform's input in the graph");
  }
  EXPECT_TRUE(save_screenshot(window, GetSysColor(COLOR_BTNFACE), shot("interaction-cursor-info-above.bmp"), true));
}

}  // namespace
