// The graph window in an MDI frame: its words, its legend label windows, layout on size,
// view and legend switches, its picture, Copy Graph and the graph's release with the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/win32/child_words.h"
#include "dib.h"
#include "graph/canvas.h"
#include "graph/coordinates.h"
#include "graph/layout.h"
#include "graph/scaling.h"
#include "graph/win32/graph_window.h"
#include "graph/win32/legend_windows.h"
#include "shell/graph_preferences.h"
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
  done = true;
}

// A transient of two traces: a sine and a flat line at 0.5 (the palette's second colour).
Graph *two_trace_graph() {
  GraphPreferences p = graph_preferences(default_settings());
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

}  // namespace
