// The graph window in an MDI frame: its words, its legend label windows, layout on size,
// view and legend switches, its picture, Copy Graph and the graph's release with the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/win32/child_words.h"
#include "dib.h"
#include "screen_image.h"
#include "canvas/canvas.h"
#include "graph/coordinates.h"
#include "graph/layout.h"
#include "graph/scaling.h"
#include "graph/axis.h"
#include "graph/properties.h"
#include "graph/win32/cursors.h"
#include "graph/win32/graph_interaction.h"
#include "graph/win32/graph_window.h"
#include "graph/win32/legend_windows.h"
#include "graph/win32/text_windows.h"
#include "resources/cursor_dialog_ids.h"
#include "shell/settings.h"
#include "shell/settings.h"

namespace {

int g_freed = 0;
void count_freed(Expression *) { g_freed++; }

LRESULT CALLBACK graph_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (graph_window_message(hwnd, message, wparam, lparam, &result)) return result;
  return DefMDIChildProcA(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK text_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (text_window_message(hwnd, message, wparam, lparam, &result)) return result;
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

HWND g_client = nullptr;
LRESULT CALLBACK frame_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefFrameProcA(hwnd, g_client, message, wparam, lparam);
}

void register_classes() {
  static bool done = false;
  if (done) return;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA graph{CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, graph_proc, 0, 3 * static_cast<int>(sizeof(LONG_PTR)) + 26,
                  instance, nullptr, LoadCursor(nullptr, IDC_ARROW),
                  static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), nullptr, kGraphWindowClass};
  WNDCLASSA text{CS_DBLCLKS, text_proc, 0, 32, instance, nullptr, LoadCursor(nullptr, IDC_ARROW),
                 static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), nullptr, kTextWindowClass};
  WNDCLASSA frame{0, frame_proc, 0, 0, instance, nullptr, LoadCursor(nullptr, IDC_ARROW),
                  reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1), nullptr, "GraphWindowTestFrame"};
  ASSERT_TRUE(RegisterClassA(&graph));
  ASSERT_TRUE(RegisterClassA(&text));
  ASSERT_TRUE(RegisterClassA(&frame));
  WNDCLASSA cursor{0, cursor_marker_proc, 0, 8, instance, nullptr, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr,
                   kCursorWindowClass};
  ASSERT_TRUE(RegisterClassA(&cursor));
  done = true;
}

// A transient of two traces: a sine and a flat line at 0.5 (the palette's second colour).
Graph *two_trace_graph() {
  GraphPreferences p = default_graph_preferences();
  Graph *graph = create_graph(nullptr, "time", "s", "V", 1, 1, p);
  const int n = 1000;
  for (int k = 0; k < 2; k++) {
    double *x = new double[n], *y = new double[n];
    for (int i = 0; i < n; i++) {
      x[i] = 1e-3 * i / (n - 1);
      y[i] = k == 0 ? std::sin(6 * std::acos(-1.0) * i / (n - 1)) : 0.5;
    }
    Trace *t = add_trace(graph, 0, 0, kPenSolid, 1, k == 0 ? "'v(out)'" : "'v(ref)'", n, 0, x, y, p);
    t->y_expression = reinterpret_cast<Expression *>(static_cast<intptr_t>(0x1000 + k));
  }
  set_data_range(graph, 0, 0, 1e-3);
  set_data_range(graph, 1, -1, 1);
  return graph;
}

// The window's children, in trace order by the trace each one keeps.
std::vector<HWND> label_windows(HWND window, const Graph &graph) {
  std::vector<HWND> children, labels;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  for (const Trace *t = graph.head->next; t; t = t->next)
    for (HWND c : children)
      if (GetWindowLongPtrA(c, kTextMarkerWord) == kLegendLabelMarker)
        if (GetWindowLongPtrA(c, kTextRecordWord) == reinterpret_cast<LONG_PTR>(t)) labels.push_back(c);
  EXPECT_EQ(labels.size(), children.size());
  return labels;
}

RECT rect_in_parent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT *>(&r), 2);
  return r;
}

class GraphWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    register_classes();
    create_graph_resources({255, 255, 255}, count_freed);
    g_freed = 0;
    frame_ = CreateWindowA("GraphWindowTestFrame", "graph window test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           900, 700, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(frame_, nullptr);
    CLIENTCREATESTRUCT ccs{nullptr, 50000};
    g_client = CreateWindowA("MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 880, 650,
                             frame_, nullptr, GetModuleHandleA(nullptr), &ccs);
    ASSERT_NE(g_client, nullptr);
    window_ = create_graph_window(g_client, kGraphWindow, 3, "'v(out)' 'v(ref)' ");
    ASSERT_NE(window_, nullptr);
    MoveWindow(window_, 0, 0, 720, 520, TRUE);
    graph_ = two_trace_graph();
    set_window_graph(window_, graph_);
    refresh_graph_window(window_);
    UpdateWindow(window_);
  }
  void TearDown() override {
    if (frame_) DestroyWindow(frame_);
    destroy_graph_resources();
  }
  TextSize client() const {
    RECT r;
    GetClientRect(window_, &r);
    return {r.right, r.bottom};
  }
  LogicalPoint device(LogicalPoint p) const { return to_device(device_transform(graph_mapping(*graph_, client())), p); }

  HWND frame_ = nullptr, window_ = nullptr;
  Graph *graph_ = nullptr;
};

TEST_F(GraphWindowTest, KeepsKindGraphAndPlotInItsWords) {
  EXPECT_EQ(GetWindowLongPtrA(window_, kChildKindWord), kGraphWindow);
  EXPECT_EQ(window_graph(window_), graph_);
  EXPECT_EQ(GetWindowLongPtrA(window_, kChildPlotWord), 3);
  EXPECT_EQ(graph_->owner, window_);
  char title[64];
  GetWindowTextA(window_, title, sizeof title);
  EXPECT_STREQ(title, "'v(out)' 'v(ref)' ");
}

// Each label is a "Text" window sized to the label, its bottom 2 pixels above the plot's top
// and 5 pixels right of the one before (a pixel of rounding either way).
TEST_F(GraphWindowTest, LegendLabelsAreChildWindowsInARowAboveThePlot) {
  std::vector<HWND> labels = label_windows(window_, *graph_);
  ASSERT_EQ(labels.size(), 2u);
  const Trace *t = graph_->head->next;
  for (HWND label : labels) {
    char name[16];
    GetClassNameA(label, name, sizeof name);
    EXPECT_STREQ(name, "Text");
    EXPECT_EQ(GetWindowLongPtrA(label, kTextMarkerWord), kLegendLabelMarker);
    EXPECT_EQ(GetWindowLongPtrA(label, kTextRecordWord), reinterpret_cast<LONG_PTR>(t));
    EXPECT_EQ(t->legend.window, label);
    EXPECT_TRUE(IsWindowVisible(label));
    t = t->next;
  }
  RECT first = rect_in_parent(labels[0]), second = rect_in_parent(labels[1]);
  int plot_top = device({graph_->plot.left, graph_->plot.top}).y;
  int plot_left = device({graph_->plot.left, graph_->plot.top}).x;
  EXPECT_NEAR(first.left, plot_left, 1);
  EXPECT_NEAR(first.bottom, plot_top - 2, 1);
  EXPECT_NEAR(second.bottom, plot_top - 2, 1);
  EXPECT_NEAR(second.left - first.right, 5, 1);
  EXPECT_GT(first.right - first.left, 20);
  EXPECT_GT(first.bottom - first.top, 8);
}

TEST_F(GraphWindowTest, HidingTheLegendsHidesTheirWindowsAndRaisesThePlot) {
  int top_with = graph_->plot.top;
  toggle_graph_legends(window_);
  EXPECT_EQ(graph_->legend_display, kLegendHidden);
  for (HWND label : label_windows(window_, *graph_)) EXPECT_FALSE(IsWindowVisible(label));
  EXPECT_EQ(graph_->plot.top, graph_->character_height);
  EXPECT_LT(graph_->plot.top, top_with);
  toggle_graph_legends(window_);
  EXPECT_EQ(graph_->legend_display, kLegendShown);
  for (HWND label : label_windows(window_, *graph_)) EXPECT_TRUE(IsWindowVisible(label));
  EXPECT_EQ(graph_->plot.top, top_with);
}

// The logical height follows the client's shape in window view: W = 7000, H = trunc(W h / w).
TEST_F(GraphWindowTest, SizingLaysTheGraphOutForTheNewShape) {
  MoveWindow(window_, 0, 0, 600, 600, TRUE);
  TextSize c = client();
  EXPECT_EQ(graph_resources()->view_width, 7000);
  EXPECT_EQ(graph_resources()->view_height, 7000 * c.height / c.width);
  MoveWindow(window_, 0, 0, 800, 400, TRUE);
  c = client();
  EXPECT_EQ(graph_resources()->view_height, 7000 * c.height / c.width);
}

TEST_F(GraphWindowTest, PaintsFrameAndTracesAndThePageViewShadow) {
  TextSize c = client();
  Dib picture(c.width, c.height);
  SendMessageA(window_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.dc()), PRF_CLIENT);
  LogicalPoint top_left = device({graph_->plot.left, graph_->plot.top});
  LogicalPoint bottom_right = device({graph_->plot.right, graph_->plot.bottom});
  int frame_height = bottom_right.y - top_left.y;
  // The frame's left edge, and the flat trace at 0.5 across the plot in its colour.
  int black_left = 0;
  for (int dx = -1; dx <= 1; dx++)
    black_left = std::max(black_left, picture.count_in_column(top_left.x + dx, top_left.y, bottom_right.y, {0, 0, 0}));
  EXPECT_GT(black_left, frame_height * 9 / 10);
  Colour flat = graph_resources()->palette[graph_->head->next->next->colour_index];
  int y_half = device({0, value_to_logical(graph_, 1, 0.5)}).y;
  int flat_pixels = 0;
  for (int dy = -1; dy <= 1; dy++) flat_pixels += picture.count_in_row(y_half + dy, top_left.x, bottom_right.x, flat);
  EXPECT_GT(flat_pixels, (bottom_right.x - top_left.x) * 8 / 10);

  set_graph_view(window_, kPageView);
  EXPECT_EQ(graph_->view_mode, kPageView);
  EXPECT_EQ(graph_resources()->view_height, 5000);
  Dib page(c.width, c.height);
  SendMessageA(window_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(page.dc()), PRF_CLIENT);
  int grey = 0;
  for (int y = 0; y < c.height; y++) grey += page.count_in_row(y, 0, c.width, {128, 128, 128});
  EXPECT_GT(grey, c.width);   // a strip along the bottom and one along the right
  set_graph_view(window_, kWindowView);
  EXPECT_EQ(graph_->view_mode, kWindowView);
}

TEST_F(GraphWindowTest, CopyPutsThePictureOfTheWindowsShapeOnTheClipboard) {
  ASSERT_TRUE(copy_graph_window(window_));
  ASSERT_TRUE(OpenClipboard(window_));
  HANDLE data = GetClipboardData(CF_METAFILEPICT);
  ASSERT_NE(data, nullptr);
  auto *picture = static_cast<METAFILEPICT *>(GlobalLock(data));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->mm, MM_ANISOTROPIC);
  EXPECT_EQ(picture->xExt, 10000);
  TextSize c = client();
  int h = 7000 * c.height / c.width;
  EXPECT_EQ(picture->yExt, static_cast<LONG>(static_cast<long long>(h) * 10000 / 7000));
  GlobalUnlock(data);
  CloseClipboard();
}

TEST_F(GraphWindowTest, TheGraphGoesWithItsWindow) {
  SendMessageA(g_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window_), 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(g_freed, 2);   // both traces' expressions, once each
}

// Working the window with the mouse and keys, as the platform delivers them.

LRESULT mouse(HWND window, UINT message, POINT at) {
  WPARAM keys = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
  return SendMessageA(window, message, keys, MAKELPARAM(at.x, at.y));
}

void drag(HWND window, POINT from, POINT to) {
  mouse(window, WM_LBUTTONDOWN, from);
  mouse(window, WM_MOUSEMOVE, {(from.x + to.x) / 2, (from.y + to.y) / 2});
  mouse(window, WM_MOUSEMOVE, to);
  mouse(window, WM_LBUTTONUP, to);
}

class InteractionTest : public GraphWindowTest {
 protected:
  POINT at_values(double x, double y) const {
    LogicalPoint d = device({value_to_logical(graph_, 0, x), value_to_logical(graph_, 1, y)});
    return {d.x, d.y};
  }
  RECT plot_on_device() const {
    LogicalPoint a = device({graph_->plot.left, graph_->plot.top});
    LogicalPoint b = device({graph_->plot.right, graph_->plot.bottom});
    return {a.x, a.y, b.x, b.y};
  }
  void expect_automatic(bool on) const {
    for (int axis = 0; axis < 2; axis++)
      for (int flag = 0; flag < 3; flag++) EXPECT_EQ(automatic_flag(graph_, axis, flag), on) << axis << flag;
  }
};

TEST_F(InteractionTest, ZoomTwiceThenLeaveZoomModeForTheFormerRanges) {
  const DisplayRange x0 = display_range(graph_, 0), y0 = display_range(graph_, 1);
  toggle_zoom(window_);
  ASSERT_TRUE(graph_window_zoomed(window_));
  // A click is no band: nothing but the automatic flags changes.
  POINT centre = at_values(5e-4, 0);
  mouse(window_, WM_LBUTTONDOWN, centre);
  mouse(window_, WM_LBUTTONUP, centre);
  EXPECT_EQ(display_range(graph_, 0).max, x0.max);
  expect_automatic(false);
  set_automatic_flag(graph_, 0, kAutomaticMin, true);

  drag(window_, at_values(6e-4, -0.5), at_values(2e-4, 0.5));   // corners in either order
  DisplayRange x = display_range(graph_, 0), y = display_range(graph_, 1);
  const double x_pixel = 1e-3 / 500, y_pixel = 2.0 / 300;   // at most, in this window
  EXPECT_NEAR(x.min, 2e-4, x_pixel);
  EXPECT_NEAR(x.max, 6e-4, x_pixel);
  EXPECT_NEAR(y.min, -0.5, y_pixel);
  EXPECT_NEAR(y.max, 0.5, y_pixel);
  expect_automatic(false);

  drag(window_, at_values(3e-4, 0), at_values(4e-4, 0.25));
  x = display_range(graph_, 0);
  EXPECT_NEAR(x.min, 3e-4, x_pixel / 2.5);
  EXPECT_NEAR(x.max, 4e-4, x_pixel / 2.5);

  toggle_zoom(window_);
  EXPECT_FALSE(graph_window_zoomed(window_));
  x = display_range(graph_, 0);
  y = display_range(graph_, 1);
  EXPECT_EQ(x.min, x0.min);
  EXPECT_EQ(x.max, x0.max);
  EXPECT_EQ(x.increment, x0.increment);
  EXPECT_EQ(y.min, y0.min);
  EXPECT_EQ(y.max, y0.max);
  expect_automatic(true);
}

TEST_F(InteractionTest, EachZoomedWindowRestoresItsOwnRanges) {
  HWND second = create_graph_window(g_client, kGraphWindow, 0, "second");
  ASSERT_NE(second, nullptr);
  Graph *other = two_trace_graph();
  set_data_range(other, 0, 0, 7.3);
  set_window_graph(second, other);
  refresh_graph_window(second);
  toggle_zoom(window_);
  toggle_zoom(second);
  zoom_graph(graph_, 1e-4, 2e-4, 0, 0.5);
  zoom_graph(other, 1, 2, 0, 0.5);
  toggle_zoom(window_);
  EXPECT_EQ(display_range(graph_, 0).max, 1e-3);
  toggle_zoom(second);
  EXPECT_EQ(display_range(other, 0).max, 8);
}

TEST_F(InteractionTest, CursorsReadThePointsTheyAreMovedTo) {
  GraphWindowSettings settings = graph_window_settings();
  settings.cursor_digits = 3;
  settings.cursor_number_format = 0;
  set_graph_window_settings(settings);
  ASSERT_TRUE(show_cursors(window_, frame_));
  EXPECT_TRUE(cursors_shown());
  HWND info = cursor_info_window();
  ASSERT_NE(info, nullptr);
  char title[32];
  GetWindowTextA(info, title, sizeof title);
  EXPECT_STREQ(title, "Cursor Info");
  std::vector<HWND> markers;
  for (HWND c = GetWindow(window_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char name[16];
    GetClassNameA(c, name, sizeof name);
    if (std::string(name) == kCursorWindowClass) markers.push_back(c);
  }
  ASSERT_EQ(markers.size(), 2u);
  std::vector<RECT> squares;
  for (HWND m : markers) squares.push_back(rect_in_parent(m));
  std::sort(squares.begin(), squares.end(), [](const RECT &a, const RECT &b) { return a.top < b.top; });
  EXPECT_EQ(squares[0].left, 10);
  EXPECT_EQ(squares[0].top, 10);
  EXPECT_EQ(squares[0].right, 21);
  EXPECT_EQ(squares[1].top, 30);
  EXPECT_EQ(squares[1].bottom, 41);
  EXPECT_TRUE(IsDlgButtonChecked(info, IDC_CURSOR_ONE));

  auto text = [&](int id) {
    char buffer[128] = {};
    GetDlgItemTextA(info, id, buffer, sizeof buffer);
    return std::string(buffer);
  };
  // Cursor 1 near the sine's first peak (three periods over the axis), cursor 2 on the flat
  // trace further on.
  POINT one = at_values(1e-3 / 12, 0.9), two = at_values(7.5e-4, 0.5);
  mouse(window_, WM_LBUTTONDOWN, one);
  mouse(window_, WM_LBUTTONUP, one);
  SendMessageA(info, WM_COMMAND, MAKEWPARAM(IDC_CURSOR_TWO, BN_CLICKED), 0);
  mouse(window_, WM_LBUTTONDOWN, two);
  mouse(window_, WM_LBUTTONUP, two);
  const std::string first = text(IDC_CURSOR_ONE_VALUE), second = text(IDC_CURSOR_TWO_VALUE);
  double x1, y1, x2, y2;
  ASSERT_EQ(sscanf(first.c_str(), "(%lf,%lf)", &x1, &y1), 2) << first;
  ASSERT_EQ(sscanf(second.c_str(), "(%lf,%lf)", &x2, &y2), 2) << second;
  EXPECT_NEAR(y1, 0.9, 0.01);
  EXPECT_NEAR(y2, 0.5, 0.01);
  EXPECT_EQ(first.find('.', first.find('.') + 1) - first.find(','), 2u);   // three decimals each
  EXPECT_EQ(first.substr(first.find('.') + 4, 1), ",");
  char difference[64];
  snprintf(difference, sizeof difference, "(%.3f,%.3f)", x1 - x2, y1 - y2);
  EXPECT_EQ(text(IDC_CURSOR_DIFFERENCE), difference);
  // The sine is nearest to cursor 1; between the cursors it runs through its peak.
  EXPECT_EQ(text(IDC_SPAN_TRACE), "'v(out)'");
  EXPECT_EQ(text(IDC_SPAN_MAXIMUM), "1.000");

  // An arrow key moves the active cursor (2) by a pixel; the release after it does not.
  RECT before = rect_in_parent(markers[1]);
  HWND active_marker = before.top == squares[1].top ? markers[0] : markers[1];
  RECT square = rect_in_parent(active_marker);
  SendMessageA(window_, WM_KEYDOWN, VK_RIGHT, 0);
  RECT moved = rect_in_parent(active_marker);
  EXPECT_EQ(moved.left, square.left + 1);
  EXPECT_EQ(moved.top, square.top);
  mouse(window_, WM_LBUTTONUP, {300, 300});
  EXPECT_EQ(rect_in_parent(active_marker).left, moved.left);

  hide_cursors();
  EXPECT_FALSE(cursors_shown());
  EXPECT_FALSE(IsWindow(info));
  for (HWND m : markers) EXPECT_FALSE(IsWindow(m));
}

TEST_F(InteractionTest, APlotRectangleResizedByItsCornerStaysWhereItWasPut) {
  const LogicalRect automatic = graph_->plot;
  RECT plot = plot_on_device();
  POINT centre{(plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2};
  mouse(window_, WM_LBUTTONDOWN, centre);   // selects it: the handles show
  mouse(window_, WM_LBUTTONUP, centre);
  EXPECT_TRUE(graph_->layout_automatic);
  drag(window_, {plot.right - 2, plot.bottom - 2}, {plot.right - 102, plot.bottom - 52});
  EXPECT_FALSE(graph_->layout_automatic);
  RECT now = plot_on_device();
  EXPECT_NEAR(now.left, plot.left, 1);
  EXPECT_NEAR(now.top, plot.top, 1);
  EXPECT_NEAR(now.right, plot.right - 100, 1);
  EXPECT_NEAR(now.bottom, plot.bottom - 50, 1);
  // Moved: a drag started inside a selected rectangle away from the handles moves it.
  centre = {(now.left + now.right) / 2, (now.top + now.bottom) / 2};
  mouse(window_, WM_LBUTTONDOWN, centre);
  mouse(window_, WM_LBUTTONUP, centre);
  drag(window_, centre, {centre.x + 30, centre.y + 20});
  RECT moved = plot_on_device();
  EXPECT_NEAR(moved.left, now.left + 30, 1);
  EXPECT_NEAR(moved.bottom, now.bottom + 20, 1);
  // A double click on the plot area gives the layout back.
  mouse(window_, WM_LBUTTONDBLCLK, {(moved.left + moved.right) / 2, (moved.top + moved.bottom) / 2});
  EXPECT_TRUE(graph_->layout_automatic);
  EXPECT_EQ(graph_->plot.left, automatic.left);
  EXPECT_EQ(graph_->plot.bottom, automatic.bottom);
}

TEST_F(InteractionTest, ADraggedLegendLabelStaysUntilThePlotIsDoubleClicked) {
  std::vector<HWND> labels = label_windows(window_, *graph_);
  ASSERT_EQ(labels.size(), 2u);
  const RECT home = rect_in_parent(labels[1]);
  drag(labels[1], {3, 3}, {63, 43});
  RECT moved = rect_in_parent(labels[1]);
  EXPECT_EQ(moved.left, home.left + 60);
  EXPECT_EQ(moved.top, home.top + 40);
  // Its width comes from two logical corners rounded to pixels: a pixel either way.
  EXPECT_NEAR(moved.right - moved.left, home.right - home.left, 1);
  Trace *second = graph_->head->next->next;
  EXPECT_TRUE(second->legend.position_set);
  EXPECT_TRUE(text_window_selected(labels[1]));
  // Sizing lays the graph out again; the label keeps its place.
  MoveWindow(window_, 0, 0, 720, 521, TRUE);
  MoveWindow(window_, 0, 0, 720, 520, TRUE);
  EXPECT_EQ(rect_in_parent(labels[1]).left, moved.left);
  RECT plot = plot_on_device();
  mouse(window_, WM_LBUTTONDBLCLK, {(plot.left + plot.right) / 2, (plot.top + plot.bottom) / 2});
  EXPECT_FALSE(second->legend.position_set);
  RECT back = rect_in_parent(labels[1]);
  EXPECT_EQ(back.left, home.left);
  EXPECT_EQ(back.top, home.top);
}

int g_text_dialogs = 0;
bool format_as_vertical_right_bordered(HWND, TextBlock *block) {
  g_text_dialogs++;
  PropertyValue text{};
  text.text = "Gain 20 dB";
  set_text_block_property(block, kTextBlockText, text);
  PropertyValue font{};
  get_text_block_property(block, kTextBlockFont, font);
  font.font.escapement = font.font.orientation = 900;
  set_text_block_property(block, kTextBlockFont, font);
  set_text_block_property(block, kTextBlockJustification, number_value(kJustifyRight));
  set_text_block_property(block, kTextBlockBorder, number_value(1));
  return true;
}

TEST_F(InteractionTest, AddTextPlacesABlockTheDialogFormatsAndDeleteRemovesIt) {
  GraphDialogs dialogs{};
  dialogs.format_text = format_as_vertical_right_bordered;
  set_graph_dialogs(dialogs);
  g_text_dialogs = 0;
  arm_add_text();
  EXPECT_TRUE(add_text_armed());
  mouse(window_, WM_LBUTTONDOWN, {200, 150});
  mouse(window_, WM_LBUTTONUP, {200, 150});
  set_graph_dialogs(GraphDialogs{});
  EXPECT_FALSE(add_text_armed());
  EXPECT_EQ(g_text_dialogs, 1);
  TextBlock *block = graph_->text_blocks;
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->text, "Gain 20 dB");
  HWND window = static_cast<HWND>(block->window);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetWindow(window_, GW_CHILD), window);   // on top of the labels
  EXPECT_GT(block->text_width, block->text_height);
  EXPECT_EQ(block->cx, block->text_height + 2 * block->margin);   // vertical: exchanged
  EXPECT_EQ(block->cy, block->text_width + 2 * block->margin);
  RECT r = rect_in_parent(window);
  EXPECT_NEAR(r.left, 200, 1);
  EXPECT_NEAR(r.top, 150, 1);
  EXPECT_GT(r.bottom - r.top, r.right - r.left);
  // On the screen: the border's left column, and the text inside it.
  UpdateWindow(window_);
  UpdateWindow(window);
  ScreenImage shown = capture_window(window);
  ASSERT_EQ(shown.width, r.right - r.left);
  int border = 0, right_border = 0, text = 0;
  for (int y = 0; y < shown.height; y++) {
    border += shown.at(0, y) == RGB(0, 0, 0);
    right_border += shown.at(shown.width - 1, y) == RGB(0, 0, 0);
    for (int x = 2; x < shown.width - 2; x++) text += shown.at(x, y) == RGB(0, 0, 0);
  }
  EXPECT_GE(border, shown.height - 1);
  EXPECT_GE(right_border, shown.height - 1);
  EXPECT_GT(text, 50);
  EXPECT_TRUE(save_bmp(capture_window(window_), std::string(GRAPH_SCRATCH) + "/text-block.bmp"));

  EXPECT_FALSE(top_text_block_selected(window_));
  delete_selected_text_block(window_);   // not selected: stays
  EXPECT_EQ(graph_->text_blocks, block);
  mouse(window, WM_LBUTTONDOWN, {2, 2});
  mouse(window, WM_LBUTTONUP, {2, 2});
  EXPECT_TRUE(text_window_selected(window));
  EXPECT_TRUE(top_text_block_selected(window_));
  delete_selected_text_block(window_);
  EXPECT_EQ(graph_->text_blocks, nullptr);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(InteractionTest, WithoutItsDialogAddTextLeavesAnEmptyBlock) {
  set_graph_dialogs(GraphDialogs{});
  arm_add_text();
  mouse(window_, WM_LBUTTONDOWN, {100, 100});
  ASSERT_NE(graph_->text_blocks, nullptr);
  EXPECT_EQ(graph_->text_blocks->text, "");
  EXPECT_EQ(graph_->text_blocks->cx, 0);
}

}  // namespace
