// Graph windows made from traces as a user sees them: the Add Plot builder and its two ways
// out, the X-axis expression, the simulator's direct plots, Reload after the simulator wrote
// the file again, the view modes and Copy Graph, the menu with a graph window active, and a
// trace of 4 M points; the spectra of a graph's traces and a monitored data file.
//
// Graph windows are MDI children, so they are found below the MDI client rather than among
// the top-level windows; their legend labels are their "Text" children, ordered left to right
// as the layout places them, which is the order of the traces. A graph is "drawn" once the
// colour of its first trace (red, the palette's first) shows in its client area.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "big_result.h"
#include "circuits.h"
#include "clipboard.h"
#include "driver.h"
#include "resources/dialog_ids.h"
#include "resources/spectrum_dialog_ids.h"
#include "result_writer.h"
#include "revisions.h"
#include "test_signal.h"
#include "shell/commands.h"
#include "paths.h"

namespace {

const int kWait = 20000;
// A 4 M-point file is read and evaluated within this; the figures are printed, not asserted.
const int kBigWait = 120000;

const COLORREF kFirstTraceColour = RGB(255, 0, 0);
const COLORREF kPageShadow = RGB(128, 128, 128);
// Enough pixels of a colour to be a drawn curve, not a stray one.
const size_t kCurvePixels = 20;

// The commands a scenario gives through the frame.
// Function buttons that need a complex plot: mag, phase, re, im.
const int kComplexButtons[] = {825, 826, 827, 828};
const int kTimes = 806, kOpen = 808, kClose = 809;

// The client area as the screen shows it.
ScreenImage capture_client(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT *>(&r), 2);
  return capture_screen(r);
}

size_t pixels_of(const ScreenImage &image, COLORREF colour) {
  return static_cast<size_t>(std::count(image.pixels.begin(), image.pixels.end(), colour));
}

// Waits until the window's client shows between `least` and `most` pixels of `colour`.
bool shows_pixels(HWND window, COLORREF colour, size_t least, size_t most, int timeout_ms) {
  size_t seen = 0;
  return wait_until([&] { return (seen = pixels_of(capture_client(window), colour)) >= least && seen <= most; },
                    timeout_ms,
                    describe_window(window) + " to show " + std::to_string(least) + " to " + std::to_string(most) +
                        " pixels of colour " + std::to_string(colour),
                    [&] { return std::to_string(seen); });
}

// The children of `parent` of a class, in the order the platform lists them.
std::vector<HWND> children_of_class(HWND parent, const char *class_name);

// Pixels of `colour` in the graph's client area outside its shown legend labels, whose
// symbols have their traces' colours too: what the curves themselves show of it.
size_t curve_pixels(HWND graph, COLORREF colour) {
  POINT origin{0, 0};
  ClientToScreen(graph, &origin);
  std::vector<RECT> labels;
  for (HWND label : children_of_class(graph, "Text")) {
    RECT r{};
    if (!IsWindowVisible(label) || !GetWindowRect(label, &r)) continue;
    OffsetRect(&r, -origin.x, -origin.y);
    labels.push_back(r);
  }
  const ScreenImage image = capture_client(graph);
  size_t n = 0;
  for (int y = 0; y < image.height; y++)
    for (int x = 0; x < image.width; x++) {
      if (image.at(x, y) != colour) continue;
      const POINT p{x, y};
      n += std::none_of(labels.begin(), labels.end(), [&](const RECT &r) { return PtInRect(&r, p) != 0; });
    }
  return n;
}

bool same_picture(const ScreenImage &a, const ScreenImage &b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

std::vector<HWND> children_of_class(HWND parent, const char *class_name) {
  std::vector<HWND> found;
  for (HWND w = FindWindowExA(parent, nullptr, class_name, nullptr); w;
       w = FindWindowExA(parent, w, class_name, nullptr))
    found.push_back(w);
  return found;
}

// The legend labels of a graph window, left to right.
std::vector<HWND> legend_labels(HWND graph) {
  std::vector<HWND> labels = children_of_class(graph, "Text");
  auto left = [](HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r.left;
  };
  std::stable_sort(labels.begin(), labels.end(), [&](HWND a, HWND b) { return left(a) < left(b); });
  return labels;
}

std::vector<std::string> texts_of(const std::vector<HWND> &windows) {
  std::vector<std::string> texts;
  for (HWND w : windows) texts.push_back(window_text(w));
  return texts;
}

std::vector<std::string> titles_of(const std::vector<HWND> &windows) {
  std::vector<std::string> titles = texts_of(windows);
  std::sort(titles.begin(), titles.end());
  return titles;
}

bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

// A button pressed as a click presses it: the button tells its dialog.
void click(HWND dialog, int id) { send_message(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// A click on an entry of the variable list: the selection, then the notification that the
// list sends its dialog.
void pick(HWND dialog, int index) {
  HWND list = GetDlgItem(dialog, IDC_VARIABLE_LIST);
  send_message(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  send_message(dialog, WM_COMMAND, MAKEWPARAM(IDC_VARIABLE_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// A double click on an entry of the variable list, as the mouse makes it: press and release,
// then the second press that the platform reports as a double click, and its release.
void double_click(HWND dialog, int index) {
  HWND list = GetDlgItem(dialog, IDC_VARIABLE_LIST);
  const int height = static_cast<int>(send_message(list, LB_GETITEMHEIGHT, 0, 0));
  const LPARAM at = MAKELPARAM(5, index * height + height / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(list, WM_LBUTTONUP, 0, at);
  PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(list, WM_LBUTTONUP, 0, at);
}

// Texts of controls in the program's process are asked for by message: the platform keeps an
// edit control's text where only its own process reads it. Wide, since the platform converts
// wide texts between processes.
std::string narrow(const wchar_t *text) {
  char out[1200] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, out, sizeof out - 1, nullptr, nullptr);
  return out;
}
std::string control_text(HWND dialog, int id) {
  wchar_t text[600] = {};
  send_message_wide(GetDlgItem(dialog, id), WM_GETTEXT, 600, reinterpret_cast<LPARAM>(text));
  return narrow(text);
}
std::string list_entry(HWND dialog, int list_id, int index) {
  wchar_t text[600] = {};
  HWND list = GetDlgItem(dialog, list_id);
  if (send_message_wide(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) >= 600) return "<too long>";
  send_message_wide(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return narrow(text);
}

const MenuItemReport *item(const std::vector<MenuItemReport> &menu, int id) {
  const MenuItemReport *found = find_menu_item(menu, id);
  EXPECT_NE(found, nullptr) << "no menu item " << id;
  return found;
}
bool grayed(const std::vector<MenuItemReport> &menu, int id) {
  const MenuItemReport *i = item(menu, id);
  return i && (i->state & MF_GRAYED);
}
bool checked(const std::vector<MenuItemReport> &menu, int id) {
  const MenuItemReport *i = item(menu, id);
  return i && (i->state & MF_CHECKED);
}

// Seconds on a clock finer than the tick count.
double now_seconds() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The window paints what is invalid before this returns: the platform sends it the paint
// message and waits for it.
void repaint_now(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

class Traces : public ::testing::Test {
 protected:
  // The preferences and window placement other scenarios left would change what is drawn.
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ulmo-Software"); }
  void TearDown() override { end_program(program); }

  // Starts the program on `command_line` and waits until the data file named there shows on
  // the status bar (when `path` is given).
  HWND start(const std::string &command_line, const std::string &path, int timeout = kWait) {
    if (!start_program(windows_path(ULMOGPP), command_line, program)) return nullptr;
    frame = wait_for_window(program, "AppFrame", "Ulmo-Postprocessor", timeout);
    if (!frame) return nullptr;
    status = find_child(frame, "Status");
    mdi_client = find_child(frame, "MDIClient");
    if (!path.empty() && wait_for_text(status, "Data File: Z", timeout) != "Data File: " + path) return nullptr;
    return frame;
  }
  HWND start_on(const std::string &path, int timeout = kWait) { return start("\"" + path + "\"", path, timeout); }

  void command(int id) { PostMessageA(frame, WM_COMMAND, id, 0); }
  bool settled() { return wait_for_posted_messages(frame, kWait); }
  HWND dialog(const char *title, int timeout = kWait) { return wait_for_window(program, "#32770", title, timeout); }

  std::vector<HWND> graphs() { return children_of_class(mdi_client, "ChildGraph"); }
  // Waits until the MDI client holds `count` graph windows; false after the time-out.
  bool graph_count_is(size_t count, int timeout = kWait) {
    return wait_until([&] { return graphs().size() == count; }, timeout, std::to_string(count) + " graph windows",
                      [&] { return std::to_string(graphs().size()) + " in " + describe_window(mdi_client); });
  }
  HWND active_child() { return reinterpret_cast<HWND>(send_message(mdi_client, WM_MDIGETACTIVE, 0, 0)); }

  // Add Plot, as the menu opens it.
  HWND open_add_plot() {
    command(kCmdAddPlot);
    return dialog("Add Plot");
  }
  // Picks the variables in order with `between` pressed between them, and adds the expression.
  void add_expression(HWND add_plot, const std::vector<int> &variables, int between = 0) {
    for (size_t i = 0; i < variables.size(); i++) {
      if (i > 0) click(add_plot, between);
      pick(add_plot, variables[i]);
    }
    ASSERT_TRUE(enabled(add_plot, IDC_ADD_EXPRESSION));
    click(add_plot, IDC_ADD_EXPRESSION);
  }
  // One New Plot of the variables (one trace each); the new window once its curve shows.
  HWND new_plot_of(const std::vector<int> &variables) {
    size_t before = graphs().size();
    HWND add_plot = open_add_plot();
    EXPECT_NE(add_plot, nullptr);
    if (!add_plot) return nullptr;
    for (int v : variables) add_expression(add_plot, {v});
    click(add_plot, IDC_NEW_PLOT);
    EXPECT_TRUE(wait_until_destroyed(add_plot, kWait));
    if (!graph_count_is(before + 1)) return nullptr;
    HWND window = active_child();
    EXPECT_TRUE(drawn(window));
    return window;
  }

  // The graph shows the curve of its first trace.
  testing::AssertionResult drawn(HWND graph, int timeout = kWait) {
    size_t seen = 0;
    if (wait_until([&] { return (seen = curve_pixels(graph, kFirstTraceColour)) >= kCurvePixels; }, timeout,
                   describe_window(graph) + " to show its first trace's curve", [&] { return std::to_string(seen) + " pixels of it"; }))
      return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the graph \"" << window_text(graph) << "\" shows " << seen
                                       << " pixels of its first trace's curve";
  }
  // Waits until the graph's client shows something else than `before`, and is drawn.
  testing::AssertionResult repainted_differently(HWND graph, const ScreenImage &before) {
    if (!wait_until([&] { return !same_picture(capture_client(graph), before); }, kWait,
                    describe_window(graph) + " to show another picture", [] { return std::string("the same picture"); }))
      return testing::AssertionFailure() << "the graph \"" << window_text(graph) << "\" shows the same picture";
    return drawn(graph);
  }
  // The whole screen, once the graph on it is drawn, as a BMP in the scratch folder.
  testing::AssertionResult screenshot(HWND graph, const char *name) {
    testing::AssertionResult ok = drawn(graph);
    if (!ok) return ok;
    return save_screenshot(graph, RGB(255, 255, 255), scratch_host_path(name), true);
  }

  Program program{};
  HWND frame = nullptr, status = nullptr, mdi_client = nullptr;
};

// 1. One expression of two variables: its window, title, legend and curve; the complex-only
// buttons on a real and a complex plot; Add Expression only with the parentheses closed.
TEST_F(Traces, NewPlotOfAProductOnTheTransientSample) {
  ASSERT_NE(start_on(sample_path("amplifier-transient.out")), nullptr);
  HWND add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  EXPECT_EQ(SendDlgItemMessageA(add_plot, IDC_VARIABLE_LIST, LB_GETCOUNT, 0, 0), 6);
  EXPECT_EQ(list_entry(add_plot, IDC_VARIABLE_LIST, 0), "time (time)");
  EXPECT_EQ(list_entry(add_plot, IDC_VARIABLE_LIST, 2), "v(out) (voltage)");
  for (int id : kComplexButtons) EXPECT_FALSE(enabled(add_plot, id)) << id;
  EXPECT_TRUE(enabled(add_plot, 824));   // rms, the last function of a real plot
  EXPECT_FALSE(enabled(add_plot, IDC_NEW_PLOT));
  EXPECT_FALSE(enabled(add_plot, IDC_OVERLAY_PLOT));
  EXPECT_FALSE(enabled(add_plot, IDC_ADD_EXPRESSION));

  pick(add_plot, 1);
  EXPECT_EQ(control_text(add_plot, IDC_EXPRESSION_TEXT), "'v(in)'");
  EXPECT_TRUE(enabled(add_plot, IDC_ADD_EXPRESSION));
  click(add_plot, kTimes);
  EXPECT_FALSE(enabled(add_plot, IDC_ADD_EXPRESSION));
  pick(add_plot, 2);
  EXPECT_EQ(control_text(add_plot, IDC_EXPRESSION_TEXT), "'v(in)'*'v(out)'");
  ASSERT_TRUE(enabled(add_plot, IDC_ADD_EXPRESSION));
  click(add_plot, IDC_ADD_EXPRESSION);
  EXPECT_EQ(control_text(add_plot, IDC_EXPRESSION_TEXT), "");
  EXPECT_EQ(list_entry(add_plot, IDC_TRACE_LIST, 0), "'v(in)'*'v(out)'");
  EXPECT_TRUE(enabled(add_plot, IDC_NEW_PLOT));
  EXPECT_FALSE(enabled(add_plot, IDC_OVERLAY_PLOT));   // no graph window to overlay yet
  EXPECT_TRUE(save_screenshot(add_plot, GetSysColor(COLOR_BTNFACE), scratch_host_path("traces-add-plot.bmp"), true));
  click(add_plot, IDC_NEW_PLOT);
  ASSERT_TRUE(wait_until_destroyed(add_plot, kWait));

  ASSERT_TRUE(graph_count_is(1));
  HWND graph = graphs()[0];
  ASSERT_TRUE(drawn(graph));   // painted from the message loop: the New Plot has ended
  EXPECT_EQ(window_text(graph), "'v(in)'*'v(out)' ");
  std::vector<HWND> labels = legend_labels(graph);
  EXPECT_EQ(texts_of(labels), std::vector<std::string>{"'v(in)'*'v(out)'"});
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_TRUE(IsWindowVisible(labels[0]));
  EXPECT_EQ(window_text(status), "Data File: " + sample_path("amplifier-transient.out"));
  EXPECT_TRUE(screenshot(graph, "traces-new-plot.bmp"));

  // After "(" Add Expression waits for the ")" that closes it; taking that back disables it.
  add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  click(add_plot, kOpen);
  EXPECT_FALSE(enabled(add_plot, IDC_ADD_EXPRESSION));
  pick(add_plot, 2);
  EXPECT_FALSE(enabled(add_plot, IDC_ADD_EXPRESSION));
  click(add_plot, kClose);
  EXPECT_EQ(control_text(add_plot, IDC_EXPRESSION_TEXT), "('v(out)')");
  EXPECT_TRUE(enabled(add_plot, IDC_ADD_EXPRESSION));
  click(add_plot, IDC_DELETE_LAST);
  EXPECT_EQ(control_text(add_plot, IDC_EXPRESSION_TEXT), "('v(out)'");
  EXPECT_FALSE(enabled(add_plot, IDC_ADD_EXPRESSION));
  click(add_plot, IDCANCEL);
  ASSERT_TRUE(wait_until_destroyed(add_plot, kWait));
  ASSERT_TRUE(settled());
  EXPECT_EQ(graphs().size(), 1u);

  // The AC sample is complex: all four are there.
  ASSERT_TRUE(end_program(program));
  ASSERT_NE(start_on(sample_path("filter-ac.out")), nullptr);
  add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  for (int id : kComplexButtons) EXPECT_TRUE(enabled(add_plot, id)) << id;
  click(add_plot, IDCANCEL);
  EXPECT_TRUE(wait_until_destroyed(add_plot, kWait));
}

// A double click on a variable plots what the builder holds with it at once: after "*" the
// product, after a function the function closed.
TEST_F(Traces, DoubleClickOnAVariablePlotsAtOnce) {
  ASSERT_NE(start_on(sample_path("amplifier-transient.out")), nullptr);
  HWND add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  pick(add_plot, 1);
  click(add_plot, kTimes);
  double_click(add_plot, 2);
  ASSERT_TRUE(wait_until_destroyed(add_plot, kWait));
  ASSERT_TRUE(graph_count_is(1));
  HWND graph = graphs()[0];
  ASSERT_TRUE(drawn(graph));
  EXPECT_EQ(window_text(graph), "'v(in)'*'v(out)' ");
  EXPECT_EQ(texts_of(legend_labels(graph)), std::vector<std::string>{"'v(in)'*'v(out)'"});

  add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  click(add_plot, 817);   // sin(
  double_click(add_plot, 2);
  ASSERT_TRUE(wait_until_destroyed(add_plot, kWait));
  ASSERT_TRUE(graph_count_is(2));
  graph = active_child();
  ASSERT_TRUE(drawn(graph));
  EXPECT_EQ(window_text(graph), "sin('v(out)') ");
  EXPECT_EQ(texts_of(legend_labels(graph)), std::vector<std::string>{"sin('v(out)')"});
}

// An expression that cannot be evaluated is told about; the window made for it stays, empty,
// and the status bar shows the data file again.
TEST_F(Traces, AFailedEvaluationIsToldAndLeavesAnEmptyWindow) {
  const std::string path = sample_path("amplifier-transient.out");
  ASSERT_NE(start_on(path), nullptr);
  HWND add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  add_expression(add_plot, {2, 1}, 807);   // v(out)/v(in): v(in) is 0 at time 0
  add_expression(add_plot, {2});           // not reached
  click(add_plot, IDC_NEW_PLOT);
  ASSERT_TRUE(wait_until_destroyed(add_plot, kWait));
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Divide by zero");
  press_button(box, IDOK);
  ASSERT_TRUE(wait_until_destroyed(box, kWait));
  ASSERT_TRUE(settled());
  EXPECT_EQ(find_any_window(program, "#32770", nullptr), nullptr);
  ASSERT_EQ(graphs().size(), 1u);
  EXPECT_EQ(window_text(graphs()[0]), "");
  EXPECT_TRUE(legend_labels(graphs()[0]).empty());
  EXPECT_EQ(window_text(status), "Data File: " + path);
}

// 2. Two expressions of different units in one window, then a third overlaid onto it.
TEST_F(Traces, TwoExpressionsAndAnOverlay) {
  ASSERT_NE(start_on(sample_path("amplifier-transient.out")), nullptr);
  HWND add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  add_expression(add_plot, {2});   // v(out), volts
  add_expression(add_plot, {3});   // i(vin), amperes
  EXPECT_EQ(SendDlgItemMessageA(add_plot, IDC_TRACE_LIST, LB_GETCOUNT, 0, 0), 2);
  click(add_plot, IDC_NEW_PLOT);
  ASSERT_TRUE(wait_until_destroyed(add_plot, kWait));
  ASSERT_TRUE(graph_count_is(1));
  HWND graph = graphs()[0];
  ASSERT_TRUE(drawn(graph));
  EXPECT_EQ(window_text(graph), "'v(out)' 'i(vin)' ");
  EXPECT_EQ(texts_of(legend_labels(graph)), (std::vector<std::string>{"'v(out)'", "'i(vin)'"}));
  EXPECT_GE(curve_pixels(graph, RGB(0, 255, 0)), kCurvePixels);   // the second trace

  // Overlay Plot is offered now that a graph window is active, and adds to that window.
  ScreenImage before = capture_client(graph);
  add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  EXPECT_FALSE(enabled(add_plot, IDC_OVERLAY_PLOT));
  add_expression(add_plot, {1});   // v(in)
  ASSERT_TRUE(enabled(add_plot, IDC_OVERLAY_PLOT));
  click(add_plot, IDC_OVERLAY_PLOT);
  ASSERT_TRUE(wait_until_destroyed(add_plot, kWait));
  ASSERT_TRUE(settled());
  EXPECT_EQ(graphs().size(), 1u);
  EXPECT_EQ(window_text(graph), "'v(out)' 'i(vin)' 'v(in)' ");
  EXPECT_EQ(texts_of(legend_labels(graph)), (std::vector<std::string>{"'v(out)'", "'i(vin)'", "'v(in)'"}));
  EXPECT_TRUE(repainted_differently(graph, before));
  EXPECT_GE(curve_pixels(graph, RGB(0, 0, 255)), kCurvePixels);   // the third trace
  EXPECT_TRUE(screenshot(graph, "traces-overlay.bmp"));
}

// 3. X-Axis Expression: OK only once an expression is added, the box shows the last one, and
// the graph is drawn again over the new x values with the expression as its x title.
TEST_F(Traces, XAxisExpressionRedrawsTheGraph) {
  ASSERT_NE(start_on(sample_path("amplifier-transient.out")), nullptr);
  HWND graph = new_plot_of({2});
  ASSERT_NE(graph, nullptr);
  ASSERT_TRUE(settled());
  ScreenImage before = capture_client(graph);
  EXPECT_FALSE(grayed(read_menu(frame), kCmdXAxisExpression));

  // Cancel leaves the graph as it was.
  command(kCmdXAxisExpression);
  HWND x_axis = dialog("X-Axis Expression");
  ASSERT_NE(x_axis, nullptr);
  pick(x_axis, 1);
  click(x_axis, IDC_ADD_EXPRESSION);
  click(x_axis, IDCANCEL);
  ASSERT_TRUE(wait_until_destroyed(x_axis, kWait));
  ASSERT_TRUE(settled());
  ASSERT_TRUE(drawn(graph));
  EXPECT_TRUE(same_picture(capture_client(graph), before));

  command(kCmdXAxisExpression);
  x_axis = dialog("X-Axis Expression");
  ASSERT_NE(x_axis, nullptr);
  EXPECT_FALSE(enabled(x_axis, IDOK));
  for (int id : kComplexButtons) EXPECT_FALSE(enabled(x_axis, id)) << id;
  pick(x_axis, 2);
  click(x_axis, IDC_ADD_EXPRESSION);
  EXPECT_EQ(control_text(x_axis, IDC_X_AXIS_TEXT), "'v(out)'");
  pick(x_axis, 1);
  click(x_axis, IDC_ADD_EXPRESSION);   // the last one added is the one used
  EXPECT_EQ(control_text(x_axis, IDC_X_AXIS_TEXT), "'v(in)'");
  ASSERT_TRUE(enabled(x_axis, IDOK));
  EXPECT_TRUE(save_screenshot(x_axis, GetSysColor(COLOR_BTNFACE), scratch_host_path("traces-x-axis-dialog.bmp"), true));
  click(x_axis, IDOK);
  ASSERT_TRUE(wait_until_destroyed(x_axis, kWait));

  // v(out) over v(in): the filter's ellipse, and the x title changes below the plot.
  EXPECT_TRUE(repainted_differently(graph, before));
  ASSERT_TRUE(settled());
  ScreenImage after = capture_client(graph);
  ASSERT_EQ(after.height, before.height);
  const int band = after.height / 8;   // the x labels and title
  bool bottom_changed = false;
  for (int y = after.height - band; y < after.height && !bottom_changed; y++)
    for (int x = 0; x < after.width && !bottom_changed; x++) bottom_changed = after.at(x, y) != before.at(x, y);
  EXPECT_TRUE(bottom_changed);
  EXPECT_EQ(window_text(graph), "'v(out)' ");
  EXPECT_TRUE(screenshot(graph, "traces-x-axis.bmp"));
}

// 4. The simulator's link: one window for all indices, one per index, one per group, with
// the function in the legends and the logarithmic axes asked for.
TEST_F(Traces, LinkMakesDirectPlots) {
  const std::string path = sample_path("filter-ac.out");
  ASSERT_NE(start("/x", ""), nullptr);
  auto link = [&](const char *message, const std::string &request) {
    Program linker{};
    ASSERT_TRUE(start_program(windows_path(ULMOLINK), std::string(message) + " \"" + path + ";" + request + "\"", linker));
    ASSERT_EQ(wait_for_exit(linker, kWait), 0);   // the frame has handled it by then
  };

  link("-5", "1,2;db");
  ASSERT_EQ(graphs().size(), 1u);
  HWND graph = graphs()[0];
  EXPECT_EQ(window_text(graph), "db('v(in)') db('v(out)')");
  EXPECT_EQ(texts_of(legend_labels(graph)), (std::vector<std::string>{"db('v(in)')", "db('v(out)')"}));
  EXPECT_TRUE(screenshot(graph, "traces-link-5.bmp"));

  link("-6", "2,3;mag");
  EXPECT_EQ(titles_of(graphs()), (std::vector<std::string>{"mag('i(vin)')", "mag('v(out)')"}));
  for (HWND g : graphs()) EXPECT_EQ(texts_of(legend_labels(g)), std::vector<std::string>{window_text(g)});

  // Groups: one of variable 2, one of variables 1 and 3; no function: the names quoted.
  link("-7", "1,2,2,1,3");
  EXPECT_EQ(titles_of(graphs()), (std::vector<std::string>{"'v(in)' 'i(vin)'", "'v(out)'"}));

  // Logarithmic axes draw another picture of the same magnitudes in a window of the same size.
  link("-5", "1,2;mag");
  ASSERT_EQ(graphs().size(), 1u);
  ASSERT_TRUE(drawn(graphs()[0]));
  ScreenImage linear = capture_client(graphs()[0]);
  link("-5", "1,2;mag;logx;logy");
  ASSERT_EQ(graphs().size(), 1u);
  graph = graphs()[0];
  EXPECT_EQ(window_text(graph), "mag('v(in)') mag('v(out)')");
  ASSERT_TRUE(drawn(graph));
  ScreenImage logarithmic = capture_client(graph);
  EXPECT_EQ(logarithmic.width, linear.width);
  EXPECT_FALSE(same_picture(logarithmic, linear));
  EXPECT_TRUE(screenshot(graph, "traces-link-5-log.bmp"));
}

// 5. Reload after the simulator wrote the file again: new values, a variable gone, a plot gone.
class Reload : public Traces {
 protected:
  void write(const std::string &name, const std::vector<SamplePlot> &plots) {
    ASSERT_TRUE(write_result_file(scratch_host_path(name), plots, kSampleWide)) << name;
  }
  // Reload, and the box it shows: its text, once, then OK.
  std::string reload_box_text() {
    command(kCmdReload);
    return next_box_text();
  }
  // The text of the next box, which is then closed with OK.
  std::string next_box_text() {
    HWND box = wait_for_message_box(program, kWait);
    if (!box) return "<no box>";
    std::string text = message_box_text(box);
    press_button(box, IDOK);
    EXPECT_TRUE(wait_until_destroyed(box, kWait));
    return text;
  }
  // No box or dialog is open once the frame has taken everything posted so far.
  testing::AssertionResult no_box() {
    if (!settled()) return testing::AssertionFailure() << "the frame takes no messages";
    if (HWND box = find_any_window(program, "#32770", nullptr))
      return testing::AssertionFailure() << "\"" << window_text(box) << "\": " << message_box_text(box);
    return testing::AssertionSuccess();
  }
};

TEST_F(Reload, NewValuesAndAVanishedVariable) {
  const SamplePlot plot = filter_transient(501);
  write("reload.out", {plot});
  ASSERT_NE(start_on(scratch_windows_path("reload.out")), nullptr);
  HWND out = new_plot_of({2});   // v(out)
  HWND in = new_plot_of({1});    // v(in)
  ASSERT_NE(out, nullptr);
  ASSERT_NE(in, nullptr);
  send_message(mdi_client, WM_MDITILE, MDITILE_VERTICAL, 0);   // both in sight
  ASSERT_TRUE(settled());
  ASSERT_TRUE(drawn(out));
  ASSERT_TRUE(drawn(in));
  ScreenImage out_before = capture_client(out), in_before = capture_client(in);

  // Every value turned over: the same windows, drawn anew, without a word.
  write("reload.out", {with_scaled_values(plot, -1)});
  command(kCmdReload);
  EXPECT_TRUE(no_box());
  EXPECT_EQ(graphs().size(), 2u);
  EXPECT_EQ(window_text(out), "'v(out)' ");
  EXPECT_EQ(window_text(in), "'v(in)' ");
  EXPECT_TRUE(repainted_differently(out, out_before));
  EXPECT_TRUE(repainted_differently(in, in_before));
  EXPECT_TRUE(screenshot(out, "traces-reload-values.bmp"));

  // v(out) is gone: its trace is told about and kept as it was; v(in) is updated.
  ASSERT_TRUE(settled());
  out_before = capture_client(out);
  in_before = capture_client(in);
  write("reload.out", {without_variable(plot, 2)});
  EXPECT_EQ(reload_box_text(), "One or more variables does not exist in the reloaded file. Trace 'v(out)' will not be updated.");
  EXPECT_TRUE(no_box());   // only for the trace that used it
  EXPECT_TRUE(repainted_differently(in, in_before));
  ASSERT_TRUE(drawn(out));
  EXPECT_TRUE(same_picture(capture_client(out), out_before));
  EXPECT_EQ(texts_of(legend_labels(out)), std::vector<std::string>{"'v(out)'"});
  EXPECT_TRUE(screenshot(in, "traces-reload-variable-gone.bmp"));
}

// Every trace that uses a vanished variable is told about, once, in whichever window.
TEST_F(Reload, EachTraceOfAVanishedVariableIsTold) {
  const SamplePlot plot = filter_transient(501);
  write("reload-each.out", {plot});
  ASSERT_NE(start_on(scratch_windows_path("reload-each.out")), nullptr);
  ASSERT_NE(new_plot_of({2}), nullptr);   // v(out)
  HWND add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  add_expression(add_plot, {1});              // v(in)
  add_expression(add_plot, {1, 2}, kTimes);   // v(in)*v(out)
  click(add_plot, IDC_NEW_PLOT);
  ASSERT_TRUE(wait_until_destroyed(add_plot, kWait));
  ASSERT_TRUE(graph_count_is(2));
  ASSERT_TRUE(settled());

  write("reload-each.out", {without_variable(plot, 2)});
  std::vector<std::string> told = {reload_box_text(), next_box_text()};
  std::sort(told.begin(), told.end());
  EXPECT_EQ(told, (std::vector<std::string>{
                      "One or more variables does not exist in the reloaded file. Trace 'v(in)'*'v(out)' will not be updated.",
                      "One or more variables does not exist in the reloaded file. Trace 'v(out)' will not be updated."}));
  EXPECT_TRUE(no_box());
  EXPECT_EQ(graphs().size(), 2u);
}

TEST_F(Reload, AVanishedPlotIsToldAndAnotherChosen) {
  const std::vector<SamplePlot> plots = {filter_transient(501), filter_ac_sweep(), filter_transient(201)};
  write("plots.out", plots);
  ASSERT_NE(start("\"" + scratch_windows_path("plots.out") + "\"", ""), nullptr);
  HWND select = dialog("Select Current Plot");   // three plots: the last is current
  ASSERT_NE(select, nullptr);
  EXPECT_EQ(SendDlgItemMessageA(select, IDC_PLOT_LIST, LB_GETCURSEL, 0, 0), 2);
  press_button(select, IDOK);
  ASSERT_TRUE(wait_until_destroyed(select, kWait));
  HWND graph = new_plot_of({2});
  ASSERT_NE(graph, nullptr);

  // Plot 2 is gone from a file of two: the user is told, then chooses the plot.
  write("plots.out", without_plot(plots, 2));
  EXPECT_EQ(reload_box_text(),
            "Plot number 2 referenced by trace labeled 'v(out)' does not exist in the reloaded data file. "
            "Please select which plot to use in the following dialog box.");
  select = dialog("Select Current Plot");
  ASSERT_NE(select, nullptr);
  EXPECT_EQ(SendDlgItemMessageA(select, IDC_PLOT_LIST, LB_GETCOUNT, 0, 0), 2);
  EXPECT_TRUE(save_screenshot(select, GetSysColor(COLOR_BTNFACE), scratch_host_path("traces-reload-select-plot.bmp"), true));
  SendDlgItemMessageA(select, IDC_PLOT_LIST, LB_SETCURSEL, 1, 0);   // the AC sweep
  ScreenImage before = capture_client(graph);
  press_button(select, IDOK);
  ASSERT_TRUE(wait_until_destroyed(select, kWait));
  EXPECT_TRUE(no_box());
  EXPECT_TRUE(repainted_differently(graph, before));   // v(out) of the sweep now
  EXPECT_EQ(window_text(graph), "'v(out)' ");

  // Plot 1 is gone from a file of one: the current plot is used, and nothing is asked.
  write("plots.out", {plots[0]});
  before = capture_client(graph);
  EXPECT_EQ(reload_box_text(),
            "Plot number 1 referenced by trace labeled 'v(out)' does not exist in the reloaded data file. "
            "The current plot will be used.");
  EXPECT_TRUE(no_box());
  EXPECT_TRUE(repainted_differently(graph, before));
  EXPECT_TRUE(screenshot(graph, "traces-reload-plot-gone.bmp"));
}

// A file that is no result file any more: the status bar says so, the graphs keep what they
// show, and without data there is nothing to reload or add.
TEST_F(Reload, AFileThatNoLongerReadsLeavesTheGraphsAsTheyWere) {
  write("broken.out", {filter_transient(501)});
  ASSERT_NE(start_on(scratch_windows_path("broken.out")), nullptr);
  HWND graph = new_plot_of({2});
  ASSERT_NE(graph, nullptr);
  ASSERT_TRUE(settled());
  const ScreenImage before = capture_client(graph);
  {
    FILE *out = fopen(scratch_host_path("broken.out").c_str(), "wb");
    ASSERT_NE(out, nullptr);
    fputs("no plots in here", out);
    fclose(out);
  }
  command(kCmdReload);
  EXPECT_TRUE(no_box());
  EXPECT_EQ(window_text(status), "Not an Ulmo-Dizid Data File.");
  ASSERT_EQ(graphs().size(), 1u);
  EXPECT_EQ(window_text(graph), "'v(out)' ");
  ASSERT_TRUE(drawn(graph));
  EXPECT_TRUE(same_picture(capture_client(graph), before));
  std::vector<MenuItemReport> menu = read_menu(frame);
  EXPECT_TRUE(grayed(menu, kCmdReload));
  EXPECT_TRUE(grayed(menu, kCmdAddPlot));
  EXPECT_FALSE(grayed(menu, kCmdCopy));
}

// 6. Print Layout shows the page with its shadow, Normal takes it away, and the View menu's
// marks follow; Copy puts the picture of the window's logical space on the clipboard.
TEST_F(Traces, ViewModesAndCopyGraph) {
  ASSERT_NE(start_on(sample_path("amplifier-transient.out")), nullptr);
  HWND graph = new_plot_of({2});
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(pixels_of(capture_client(graph), kPageShadow), 0u);
  std::vector<MenuItemReport> menu = read_menu(frame);
  EXPECT_TRUE(checked(menu, kCmdViewNormal));
  EXPECT_FALSE(checked(menu, kCmdViewPrintLayout));

  command(kCmdViewPrintLayout);
  EXPECT_TRUE(shows_pixels(graph, kPageShadow, kCurvePixels, SIZE_MAX, kWait));
  ASSERT_TRUE(drawn(graph));
  menu = read_menu(frame);
  EXPECT_FALSE(checked(menu, kCmdViewNormal));
  EXPECT_TRUE(checked(menu, kCmdViewPrintLayout));
  EXPECT_TRUE(screenshot(graph, "traces-print-layout.bmp"));

  // Copied in page view: the 7000 x 5000 page.
  auto copied_extents = [&](LONG *x_ext, LONG *y_ext, LONG *mode) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    command(kCmdCopy);
    ASSERT_TRUE(settled());
    ASSERT_TRUE(wait_for_clipboard_format(CF_METAFILEPICT, kWait));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_METAFILEPICT);
    const METAFILEPICT *picture = data ? static_cast<const METAFILEPICT *>(GlobalLock(data)) : nullptr;
    if (picture) {
      *x_ext = picture->xExt;
      *y_ext = picture->yExt;
      *mode = picture->mm;
      GlobalUnlock(data);
    }
    CloseClipboard();
    ASSERT_NE(picture, nullptr);
  };
  LONG x_ext = 0, y_ext = 0, mode = 0;
  copied_extents(&x_ext, &y_ext, &mode);
  EXPECT_EQ(mode, MM_ANISOTROPIC);
  EXPECT_EQ(x_ext, 10000);
  EXPECT_EQ(y_ext, 5000 * 10000 / 7000);

  command(kCmdViewNormal);
  EXPECT_TRUE(shows_pixels(graph, kPageShadow, 0, 0, kWait));
  ASSERT_TRUE(drawn(graph));
  menu = read_menu(frame);
  EXPECT_TRUE(checked(menu, kCmdViewNormal));
  EXPECT_FALSE(checked(menu, kCmdViewPrintLayout));

  // In window view the logical height follows the client's shape.
  RECT client{};
  GetClientRect(graph, &client);
  const long height = 7000L * client.bottom / client.right;
  copied_extents(&x_ext, &y_ext, &mode);
  EXPECT_EQ(x_ext, 10000);
  EXPECT_EQ(y_ext, height * 10000 / 7000);
}

// 7. The menu with a graph window active, and Show/Hide Legends acting on the labels.
TEST_F(Traces, MenuWithAGraphWindowActive) {
  ASSERT_NE(start_on(sample_path("amplifier-transient.out")), nullptr);
  HWND graph = new_plot_of({2, 1});
  ASSERT_NE(graph, nullptr);
  ASSERT_EQ(active_child(), graph);
  std::vector<MenuItemReport> menu = read_menu(frame);
  for (int id : {11002, 14005, 14006, 10016, 12004, 13001, 13002, 13003, 13004, 13005, 13006, 14002, 12005,
                 14004, 12002, 12003, 15001, 15002, 15003, 15004, 15005, 14003})
    EXPECT_FALSE(grayed(menu, id)) << id;
  for (int id : {11001, 11003, 11005, 11006, 11007, 11004}) EXPECT_TRUE(grayed(menu, id)) << id;
  EXPECT_FALSE(checked(menu, 14002));   // not zoomed
  EXPECT_FALSE(checked(menu, 12005));   // not placing text
  EXPECT_EQ(item(menu, kCmdShowLegends)->text, "Hide &Legends\tCtrl+L");

  std::vector<HWND> labels = legend_labels(graph);
  ASSERT_EQ(labels.size(), 2u);
  for (HWND label : labels) EXPECT_TRUE(IsWindowVisible(label));
  command(kCmdShowLegends);
  ASSERT_TRUE(settled());
  for (HWND label : labels) EXPECT_FALSE(IsWindowVisible(label));
  EXPECT_EQ(item(read_menu(frame), kCmdShowLegends)->text, "Show &Legends\tCtrl+L");
  EXPECT_TRUE(screenshot(graph, "traces-legends-hidden.bmp"));
  // A trace overlaid while the legends are hidden gets its label hidden too; all come back.
  HWND add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  add_expression(add_plot, {3});
  click(add_plot, IDC_OVERLAY_PLOT);
  ASSERT_TRUE(wait_until_destroyed(add_plot, kWait));
  ASSERT_TRUE(settled());
  labels = legend_labels(graph);
  ASSERT_EQ(labels.size(), 3u);
  for (HWND label : labels) EXPECT_FALSE(IsWindowVisible(label));
  command(kCmdShowLegends);
  ASSERT_TRUE(settled());
  labels = legend_labels(graph);
  EXPECT_EQ(texts_of(labels), (std::vector<std::string>{"'v(out)'", "'v(in)'", "'i(vin)'"}));
  for (HWND label : labels) EXPECT_TRUE(IsWindowVisible(label));
  EXPECT_EQ(item(read_menu(frame), kCmdShowLegends)->text, "Hide &Legends\tCtrl+L");

  // A minimized graph window cannot be copied.
  ShowWindow(graph, SW_MINIMIZE);
  ASSERT_TRUE(wait_for_state(graph, "minimized", IsIconic, kWait));
  menu = read_menu(frame);
  EXPECT_TRUE(grayed(menu, kCmdCopy));
  EXPECT_FALSE(grayed(menu, kCmdViewPrintLayout));

  // Closed, it leaves no active child: the graph items go grey and lose their marks.
  send_message(mdi_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(graph), 0);
  ASSERT_TRUE(graph_count_is(0));
  menu = read_menu(frame);
  for (int id : {11002, 14005, 14006, 10016, 12004, 13001, 13006, 14002, 12005, 14004, 12002, 15004, 14003})
    EXPECT_TRUE(grayed(menu, id)) << id;
  EXPECT_FALSE(checked(menu, kCmdViewNormal));
  EXPECT_FALSE(grayed(menu, kCmdAddPlot));
}

// 8. A trace of 4 M points: New Plot, a repaint and a resize, timed as the driver sees them.
// New Plot is timed in two parts: pressing it returns once the dialog is hidden, which this
// platform without a window manager holds up by its own wait for one (any top-level window
// hidden takes it, the driver's own ShowWindow too); then the window is made and drawn.
TEST_F(Traces, FourMillionPointsTimed) {
  const int64_t kPoints = 4 * 1024 * 1024;
  const std::string name = "four-million.out";
  ASSERT_TRUE(write_big_result(scratch_host_path(name), kPoints, 2));
  struct Remove {
    std::string path;
    ~Remove() { DeleteFileA(path.c_str()); }
  } remove{scratch_windows_path(name)};
  ASSERT_NE(start_on(scratch_windows_path(name), kBigWait), nullptr);

  HWND add_plot = open_add_plot();
  ASSERT_NE(add_plot, nullptr);
  add_expression(add_plot, {1});
  const double pressed = now_seconds();
  click(add_plot, IDC_NEW_PLOT);
  const double closed = now_seconds();
  ASSERT_TRUE(graph_count_is(1, kBigWait));
  HWND graph = graphs()[0];
  ASSERT_TRUE(drawn(graph, kBigWait));
  const double new_plot_drawn = now_seconds();
  EXPECT_EQ(window_text(graph), "'v(1)' ");
  EXPECT_EQ(texts_of(legend_labels(graph)), std::vector<std::string>{"'v(1)'"});
  EXPECT_TRUE(screenshot(graph, "traces-four-million.bmp"));

  double start = now_seconds();
  repaint_now(graph);
  const double repaint_seconds = now_seconds() - start;
  EXPECT_FALSE(GetUpdateRect(graph, nullptr, FALSE));   // painted, not only asked to
  EXPECT_TRUE(drawn(graph, 0));

  RECT r{};
  GetWindowRect(graph, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  start = now_seconds();
  SetWindowPos(graph, nullptr, 0, 0, width * 3 / 2, height * 3 / 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  repaint_now(graph);
  const double resize_seconds = now_seconds() - start;
  // Another process's window is moved and painted by its own thread, which a busy machine
  // may not have run yet.
  EXPECT_TRUE(wait_until([&] { return !GetUpdateRect(graph, nullptr, FALSE); }, kWait,
                         describe_window(graph) + " to have painted", [] { return std::string("a part to paint"); }));
  EXPECT_TRUE(drawn(graph, kWait));
  RECT after{};
  EXPECT_TRUE(wait_until([&] {
    GetWindowRect(graph, &after);
    return after.right - after.left == width * 3 / 2;
  }, kWait, describe_window(graph) + " to be " + std::to_string(width * 3 / 2) + " pixels wide",
                         [&] { return std::to_string(after.right - after.left); }));

  char line[300];
  snprintf(line, sizeof line,
           "4 M points: New Plot pressed to dialog closed %.0f ms, dialog closed to graph drawn %.0f ms; "
           "repaint %.0f ms; resize %.0f ms",
           (closed - pressed) * 1000, (new_plot_drawn - closed) * 1000, repaint_seconds * 1000, resize_seconds * 1000);
  std::cout << line << std::endl;
}

// 9. Spectra of a graph's traces: one dialog, then a window per trace, each titled after its
// trace; the samples field raises what the user typed to a power of two.
TEST_F(Traces, FftOfATwoTraceGraphOpensTwoWindows) {
  const std::string path = sample_path("amplifier-transient.out");
  ASSERT_NE(start_on(path), nullptr);
  HWND source = new_plot_of({1, 2});
  ASSERT_NE(source, nullptr);
  command(kCmdAddNormalizedFftPlot);
  HWND fft = dialog("Add FFT Plot");
  ASSERT_NE(fft, nullptr);
  EXPECT_EQ(send_message(GetDlgItem(fft, IDC_FFT_TRACE), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(control_text(fft, IDC_FFT_POINTS), "4001");
  EXPECT_EQ(control_text(fft, IDC_FFT_SAMPLES), "4096");
  // Another trace chosen: the field's value is kept by the trace it belonged to, after the
  // rule (3000 becomes 4096, -512 becomes 512, text that is no number changes nothing).
  HWND traces = GetDlgItem(fft, IDC_FFT_TRACE);
  auto choose = [&](int index) {
    send_message(traces, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    send_message(fft, WM_COMMAND, MAKEWPARAM(IDC_FFT_TRACE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(traces));
    return control_text(fft, IDC_FFT_SAMPLES);
  };
  set_control_text(fft, IDC_FFT_SAMPLES, "3000");
  EXPECT_EQ(choose(1), "4096");
  set_control_text(fft, IDC_FFT_SAMPLES, "-512");
  EXPECT_EQ(choose(0), "4096");
  EXPECT_EQ(choose(1), "512");
  set_control_text(fft, IDC_FFT_SAMPLES, "many");
  EXPECT_EQ(choose(0), "4096");
  EXPECT_EQ(choose(1), "512");
  set_control_text(fft, IDC_FFT_SAMPLES, "4001");   // the trace's own points stay
  EXPECT_EQ(choose(0), "4096");
  EXPECT_EQ(choose(1), "4001");
  press_button(fft, IDOK);
  ASSERT_TRUE(wait_until_destroyed(fft, kWait));
  ASSERT_TRUE(graph_count_is(3));
  EXPECT_EQ(titles_of(graphs()), (std::vector<std::string>{"'v(in)' 'v(out)' ", "FFT('v(in)')", "FFT('v(out)')"}));
  for (HWND g : graphs()) {
    if (g == source) continue;
    EXPECT_TRUE(drawn(g));
    EXPECT_EQ(texts_of(legend_labels(g)), std::vector<std::string>{window_text(g)});
  }
  EXPECT_TRUE(screenshot(active_child(), "spectrum-fft.bmp"));

  // Cancel makes nothing.
  command(kCmdAddFftPlot);
  fft = dialog("Add FFT Plot");
  ASSERT_NE(fft, nullptr);
  press_button(fft, IDCANCEL);
  ASSERT_TRUE(wait_until_destroyed(fft, kWait));
  ASSERT_TRUE(settled());
  EXPECT_EQ(graphs().size(), 3u);
}

// 10. The monitored file: reached through ulmolink, its dialog's dimming, the plot with its
// "Extracted values" table, and the plot again in the same window, with a second table, when
// it gets the focus after the file was rewritten.
TEST_F(Traces, MonitoredFileReplotsInPlaceWhenFocused) {
  const std::string host = scratch_host_path("monitored.dat");
  double expected_sndr = 0;
  auto write_signal = [&](double amplitude) {
    TestSignalSpec spec;
    spec.samples = 1024;
    spec.oversampling = 32;   // the dialog's OSR
    spec.signal_bin = 6;
    spec.amplitude = amplitude;
    TestSignal signal = make_test_signal(spec);
    expected_sndr = signal.expected_sndr;
    FILE *f = fopen(host.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("samples\n", f);
    for (double v : signal.samples) fprintf(f, "%.17g\n", v);
    fclose(f);
  };
  write_signal(0.5);
  ASSERT_NE(start_on(sample_path("amplifier-transient.out")), nullptr);
  HWND other = new_plot_of({1});
  ASSERT_NE(other, nullptr);

  Program linker{};
  ASSERT_TRUE(start_program(windows_path(ULMOLINK), "--command 10003", linker));
  ASSERT_EQ(wait_for_exit(linker, kWait), 0);
  HWND monitor = dialog("Monitor File On Disk and Plot");
  ASSERT_NE(monitor, nullptr);
  EXPECT_EQ(control_text(monitor, IDC_MONITOR_FREQUENCY), "1");
  EXPECT_EQ(control_text(monitor, IDC_MONITOR_OSR), "32");
  EXPECT_TRUE(enabled(monitor, IDC_MONITOR_FREQUENCY));
  EXPECT_FALSE(enabled(monitor, IDC_MONITOR_LENGTH));   // averaging is off
  click(monitor, IDC_MONITOR_PSD);
  EXPECT_FALSE(enabled(monitor, IDC_MONITOR_FREQUENCY));
  EXPECT_FALSE(enabled(monitor, IDC_MONITOR_AVERAGING));
  click(monitor, IDC_MONITOR_PSD);
  EXPECT_TRUE(enabled(monitor, IDC_MONITOR_FREQUENCY));
  click(monitor, IDC_MONITOR_SNDR);
  EXPECT_FALSE(enabled(monitor, IDC_MONITOR_OSR_LABEL));
  click(monitor, IDC_MONITOR_SNDR);
  set_control_text(monitor, IDC_MONITOR_FILE, windows_path(host).c_str());
  press_button(monitor, IDOK);
  ASSERT_TRUE(wait_until_destroyed(monitor, kWait));
  ASSERT_TRUE(graph_count_is(2));
  HWND plotted = active_child();
  EXPECT_EQ(window_text(plotted), windows_path(host));
  EXPECT_EQ(texts_of(legend_labels(plotted)), std::vector<std::string>{"PSD [dBFS]"});
  ASSERT_TRUE(drawn(plotted));
  EXPECT_TRUE(screenshot(plotted, "spectrum-monitor.bmp"));
  const ScreenImage before = capture_client(plotted);
  auto tables = [&] { return children_of_class(mdi_client, "ChildTable"); };
  ASSERT_EQ(tables().size(), 1u);
  EXPECT_EQ(window_text(tables()[0]), "Extracted values");
  // Its one row, as Copy gives it: the SNDR with "%g", then four empty rows.
  send_message(mdi_client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(tables()[0]), 0);
  ASSERT_TRUE(settled());
  EXPECT_TRUE(save_screenshot(tables()[0], GetSysColor(COLOR_APPWORKSPACE), scratch_host_path("spectrum-extracted-values.bmp"), true));
  empty_clipboard();
  command(kCmdSelectAll);
  command(kCmdCopy);
  ASSERT_TRUE(settled());
  wait_for_clipboard_format(CF_TEXT, kWait);
  const std::string copied = clipboard_text();
  double sndr = 0;
  char unit[8] = "";
  EXPECT_EQ(sscanf(copied.c_str(), "Trace 1\tSNDR\t%lf\t%7s\r\n", &sndr, unit), 2) << copied;
  EXPECT_STREQ(unit, "dB");
  EXPECT_NEAR(sndr, expected_sndr, 0.1);
  EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 5) << copied;

  // The simulator writes the file again; its time moves on by a minute, whatever the clock.
  FILETIME written{};
  HANDLE file = CreateFileA(host.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  GetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  write_signal(0.05);
  ULARGE_INTEGER later{};
  later.LowPart = written.dwLowDateTime;
  later.HighPart = written.dwHighDateTime;
  later.QuadPart += 600000000ULL;
  written.dwLowDateTime = later.LowPart;
  written.dwHighDateTime = later.HighPart;
  file = CreateFileA(host.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
  CloseHandle(file);

  // Another window takes the focus, then the monitor's window gets it back.
  send_message(mdi_client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(other), 0);
  ASSERT_TRUE(settled());
  send_message(mdi_client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(plotted), 0);
  EXPECT_TRUE(repainted_differently(plotted, before));
  EXPECT_EQ(graphs().size(), 2u);   // in place
  EXPECT_EQ(texts_of(legend_labels(plotted)), std::vector<std::string>{"PSD [dBFS]"});
  EXPECT_TRUE(screenshot(plotted, "spectrum-monitor-refreshed.bmp"));
  EXPECT_TRUE(wait_until([&] { return tables().size() == 2; }, kWait, "two table windows",
                         [&] { return std::to_string(tables().size()); }));
}

// 11. A monitored file too short for its signal band: 64 samples leave no bin below fs/64.
// Asked for its SNDR, the monitor says why there is none, and plots and lists nothing.
TEST_F(Traces, MonitoredFileWithoutABandSaysSo) {
  const std::string host = scratch_host_path("short-band.dat");
  FILE *f = fopen(host.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fputs("samples\n", f);
  for (int i = 0; i < 64; i++) fprintf(f, "%.17g\n", sin(8.0 * atan(1.0) * 2 * i / 64));
  fclose(f);
  ASSERT_NE(start_on(sample_path("amplifier-transient.out")), nullptr);
  Program linker{};
  ASSERT_TRUE(start_program(windows_path(ULMOLINK), "--command 10003", linker));
  ASSERT_EQ(wait_for_exit(linker, kWait), 0);
  HWND monitor = dialog("Monitor File On Disk and Plot");
  ASSERT_NE(monitor, nullptr);
  ASSERT_EQ(control_text(monitor, IDC_MONITOR_OSR), "32");
  SetDlgItemTextA(monitor, IDC_MONITOR_FILE, windows_path(host).c_str());
  press_button(monitor, IDOK);
  ASSERT_TRUE(wait_until_destroyed(monitor, kWait));
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr) << "waited for a message box; graph windows: " << graphs().size();
  EXPECT_EQ(message_box_text(box),
            "The signal band does not hold the signal of the file '" + windows_path(host) + "': it has no SNDR");
  press_button(box, IDOK);
  ASSERT_TRUE(wait_until_destroyed(box, kWait));
  ASSERT_TRUE(settled());
  EXPECT_TRUE(graphs().empty());
  EXPECT_TRUE(children_of_class(mdi_client, "ChildTable").empty());
}

}  // namespace
