// The format dialogs opened for real over a graph window, worked from a watcher thread: what
// they show, each validation message with its text while the dialog stays open, what OK
// writes back, and that Cancel changes nothing. Each dialog's picture is saved.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <utility>

#include "graph/graph.h"
#include "shell/settings.h"
#include "base/font_list.h"
#include "base/win32/font_list_win32.h"
#include "dialog_watcher.h"
#include "dialogs/win32/format_dialogs.h"
#include "driver.h"
#include "graph/axis.h"
#include "graph/resources.h"
#include "graph/scaling.h"
#include "graph/win32/graph_window.h"
#include "resources/format_dialog_ids.h"
#include "shell/win32/ui_win32.h"
#include "wait.h"

namespace {

const char kHostClass[] = "FormatDialogsTestGraph";
const char kMessageCaption[] = "Ulmo-Postprocessor";

void register_host_class() {
  static bool done = false;
  if (done) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.cbWndExtra = 3 * static_cast<int>(sizeof(LONG_PTR)) + 26;   // a graph window's words
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kHostClass;
  ASSERT_TRUE(RegisterClassA(&wc));
  done = true;
}

GraphPreferences shipped_preferences() { return default_graph_preferences(); }

std::string text_of(HWND dialog, int id) { return control_text(dialog, id); }
bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
int combo_selection(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0)); }
int combo_count(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0)); }

void set_text(HWND dialog, int id, const char *text) { SetDlgItemTextA(dialog, id, text); }

void choose(HWND dialog, int id, int entry) {
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, entry, 0);
}

void choose_text(HWND dialog, int id, const char *text) {
  LRESULT entry = SendDlgItemMessageA(dialog, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(text));
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, entry, 0);
}

void set_check(HWND dialog, int id, bool on) {
  SendDlgItemMessageA(dialog, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

// A click on the arrows beside an edit, as the scroll bar reports it.
void arrow(HWND dialog, int bar, bool up) {
  SendMessageA(dialog, WM_VSCROLL, up ? SB_LINEUP : SB_LINEDOWN, reinterpret_cast<LPARAM>(GetDlgItem(dialog, bar)));
}

// A click that the dialog has handled once the call returns.
void press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// Waits until the window's picture stops changing: Wine paints a dialog's controls one by one,
// and a picture taken half-way shows some of them missing.
bool settles(HWND window) {
  ScreenImage last;
  return wait_until([&] {
    ScreenImage now = capture_window(window);
    bool same = now.width > 0 && now.width == last.width && now.height == last.height && now.pixels == last.pixels;
    last = std::move(now);
    return same;
  }, 10000);
}

testing::AssertionResult picture(HWND dialog, const std::string &name) {
  if (!settles(dialog)) return testing::AssertionFailure() << name << " never stops changing";
  return screenshot(dialog, name);
}

// The dropped-down list of a combo box, on the window colour.
testing::AssertionResult list_picture(HWND combo, const std::string &name) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(combo, &info) || !info.hwndList) return testing::AssertionFailure() << "no list";
  if (!settles(info.hwndList)) return testing::AssertionFailure() << name << " never stops changing";
  return save_screenshot(info.hwndList, GetSysColor(COLOR_WINDOW),
                         windows_path(ULMO_SCREENSHOT_DIR) + "\\" + name + ".bmp");
}

// Presses OK, which must bring the application's message box with `text`; closes the box and
// tells whether `dialog` is still open afterwards.
testing::AssertionResult refused_with(HWND dialog, const std::string &text) {
  DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
  click(dialog, IDOK);
  HWND box = wait_for_dialog(thread, kMessageCaption);
  if (!box) return testing::AssertionFailure() << "no message box for \"" << text << "\"";
  std::string shown = control_text(box, 0xFFFF);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  if (!wait_until_gone(thread, kMessageCaption)) return testing::AssertionFailure() << "the box stays";
  if (shown != text) return testing::AssertionFailure() << "the box says \"" << shown << "\"";
  if (!IsWindow(dialog) || !IsWindowVisible(dialog)) return testing::AssertionFailure() << "the dialog closed";
  return testing::AssertionSuccess();
}

class FormatDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    register_host_class();
    HDC screen = GetDC(nullptr);
    build_font_list(screen);
    ReleaseDC(nullptr, screen);
    install_win32_ui(nullptr);
    create_graph_resources({255, 255, 255}, nullptr);
    host = CreateWindowA(kHostClass, "graph", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 500, 400, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(host);
    graph = create_graph(nullptr, "Time", "s", "V", 1, 1, shipped_preferences());
    ASSERT_TRUE(graph);
    set_window_graph(host, graph);
    set_data_range(graph, 0, 0, 7.3);
    set_data_range(graph, 1, -3.3, -1.2);
    ui_thread = GetCurrentThreadId();
  }
  void TearDown() override {
    set_window_graph(host, nullptr);
    DestroyWindow(host);
    destroy_graph(graph);
    destroy_graph_resources();
    free_font_list();
  }
  Trace *add_test_trace() {
    double *x = new double[4]{0.1, 0.2, 0.3, 0.4};
    double *y = new double[4]{-3, -2, -1.5, -1.2};
    return add_trace(graph, 0, 3, 1, 2, "'v(out)'", 4, 0, x, y, shipped_preferences());
  }
  int face_entry_of(const char *face) {
    const FontList &list = program_font_list();
    for (int i = 0; i < list.count; i++)
      if (strcmp(list.fonts[i].face_name, face) == 0) return i;
    return -1;
  }

  HWND host = nullptr;
  Graph *graph = nullptr;
  DWORD ui_thread = 0;
  DialogWatcher watcher;
};

// ---- Format Axis ----

TEST_F(FormatDialogs, AxisOpensWithTheLinearAxisAndCancelChangesNothing) {
  set_axis_grid(graph, 0, {2, 0, true});
  Axis before = graph->axes[0];
  std::string caption, entries[3], tics;
  bool autos[3], radios[4], grid[7], enabling[8];
  watcher.start("Format X-Axis", [&](HWND d) {
    caption = window_text(d);
    entries[0] = text_of(d, IDC_AXIS_MIN);
    entries[1] = text_of(d, IDC_AXIS_MAX);
    entries[2] = text_of(d, IDC_AXIS_INCREMENT);
    tics = text_of(d, IDC_AXIS_TICS);
    autos[0] = checked(d, IDC_AXIS_AUTO_MIN);
    autos[1] = checked(d, IDC_AXIS_AUTO_MAX);
    autos[2] = checked(d, IDC_AXIS_AUTO_INCREMENT);
    radios[0] = checked(d, IDC_AXIS_LINEAR);
    radios[1] = checked(d, IDC_AXIS_LOGARITHMIC);
    radios[2] = checked(d, IDC_AXIS_BASE_8);
    radios[3] = checked(d, IDC_AXIS_BASE_10);
    for (int i = 0; i < 6; i++) grid[i] = checked(d, IDC_AXIS_MAJOR_SOLID + i);
    grid[6] = checked(d, IDC_AXIS_DISPLAY_GRID);
    const int ids[8] = {IDC_AXIS_BASE_GROUP, IDC_AXIS_BASE_8, IDC_AXIS_BASE_10, IDC_AXIS_AUTO_INCREMENT,
                        IDC_AXIS_INCREMENT, IDC_AXIS_TICS_LABEL, IDC_AXIS_TICS, IDC_AXIS_TICS_SPIN};
    for (int i = 0; i < 8; i++) enabling[i] = enabled(d, ids[i]);
    EXPECT_TRUE(picture(d, "format_axis"));
    set_text(d, IDC_AXIS_MAX, "100");   // typed, then cancelled
    click(d, IDCANCEL);
  });
  EXPECT_FALSE(run_axis_dialog(host, 0));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(caption, "Format X-Axis");
  EXPECT_EQ(entries[0], "0");
  EXPECT_EQ(entries[1], "8");
  EXPECT_EQ(entries[2], "2");
  EXPECT_EQ(tics, "3");
  EXPECT_TRUE(autos[0] && autos[1] && autos[2]);
  EXPECT_TRUE(radios[0]);
  EXPECT_FALSE(radios[1]);
  EXPECT_FALSE(radios[2]);
  EXPECT_TRUE(radios[3]);
  const bool expected_grid[7] = {false, true, false, true, false, false, true};
  for (int i = 0; i < 7; i++) EXPECT_EQ(grid[i], expected_grid[i]) << i;
  const bool expected_enabling[8] = {false, false, false, true, true, true, true, true};
  for (int i = 0; i < 8; i++) EXPECT_EQ(enabling[i], expected_enabling[i]) << i;
  EXPECT_EQ(graph->axes[0].max, before.max);
  EXPECT_TRUE(graph->axes[0].automatic_max);
}

TEST_F(FormatDialogs, AxisValidationMessagesKeepTheDialogOpen) {
  struct Row {
    const char *min, *max, *increment;
    const char *text;
  };
  const Row rows[] = {
      {"1", "1.0000000000001", "1", "Relative length of axis must be larger than 1e-12"},
      {"3", "1", "1", "Maximum must be greater than Minimum"},
      {"0", "7", "0", "Increment must be positive"},
      {"0", "7", "-1", "Increment must be positive"},
      {"0", "1", "2", "Increment must not exceed axis range"},
  };
  Axis before = graph->axes[0];
  for (const Row &row : rows) {
    watcher.start("Format X-Axis", [&](HWND d) {
      set_text(d, IDC_AXIS_MIN, row.min);
      set_text(d, IDC_AXIS_MAX, row.max);
      set_text(d, IDC_AXIS_INCREMENT, row.increment);
      EXPECT_TRUE(refused_with(d, row.text)) << row.text;
      click(d, IDCANCEL);
    });
    EXPECT_FALSE(run_axis_dialog(host, 0));
    EXPECT_TRUE(watcher.finish());
  }
  EXPECT_EQ(graph->axes[0].min, before.min);
  EXPECT_EQ(graph->axes[0].max, before.max);
  EXPECT_EQ(graph->axes[0].increment, before.increment);
  EXPECT_TRUE(graph->axes[0].automatic_min);
}

TEST_F(FormatDialogs, AxisOkAppliesRangeTicsAndGrid) {
  watcher.start("Format X-Axis", [&](HWND d) {
    set_text(d, IDC_AXIS_MIN, "0");
    set_text(d, IDC_AXIS_MAX, "10m");
    set_text(d, IDC_AXIS_INCREMENT, "2.5m");
    set_text(d, IDC_AXIS_TICS, "4");
    set_check(d, IDC_AXIS_MAJOR_SOLID, false);
    set_check(d, IDC_AXIS_MAJOR_DOT, true);
    set_check(d, IDC_AXIS_MINOR_DOT, false);
    set_check(d, IDC_AXIS_MINOR_NONE, true);
    set_check(d, IDC_AXIS_DISPLAY_GRID, true);
    click(d, IDOK);
  });
  EXPECT_TRUE(run_axis_dialog(host, 0));
  ASSERT_TRUE(watcher.finish());
  DisplayRange r = display_range(graph, 0);
  EXPECT_DOUBLE_EQ(r.min, 0);
  EXPECT_DOUBLE_EQ(r.max, 0.01);
  EXPECT_DOUBLE_EQ(r.increment, 0.0025);
  EXPECT_FALSE(graph->axes[0].automatic_min || graph->axes[0].automatic_max || graph->axes[0].automatic_increment);
  EXPECT_EQ(graph->axes[0].tics, 4);
  EXPECT_EQ(graph->axes[0].major_grid_style, 2);
  EXPECT_EQ(graph->axes[0].minor_grid_style, 5);
  EXPECT_TRUE(graph->axes[0].display_grid);
}

TEST_F(FormatDialogs, AxisTypeSwitchesRememberTheIncrementAndTheArrowsStepTheTics) {
  std::string log_increment, linear_increment, tics_after[3];
  bool log_auto = false, linear_auto = true, base_enabled = false, tics_enabled = true, bases_cleared = false;
  watcher.start("Format Y-Axis", [&](HWND d) {
    set_text(d, IDC_AXIS_INCREMENT, "0.25");
    press(d, IDC_AXIS_LOGARITHMIC);
    log_increment = text_of(d, IDC_AXIS_INCREMENT);
    log_auto = checked(d, IDC_AXIS_AUTO_INCREMENT);
    base_enabled = enabled(d, IDC_AXIS_BASE_8);
    tics_enabled = enabled(d, IDC_AXIS_TICS);
    press(d, IDC_AXIS_LINEAR);
    linear_increment = text_of(d, IDC_AXIS_INCREMENT);
    linear_auto = checked(d, IDC_AXIS_AUTO_INCREMENT);
    bases_cleared = !checked(d, IDC_AXIS_BASE_8) && !checked(d, IDC_AXIS_BASE_10);
    arrow(d, IDC_AXIS_TICS_SPIN, true);
    tics_after[0] = text_of(d, IDC_AXIS_TICS);
    for (int i = 0; i < 5; i++) arrow(d, IDC_AXIS_TICS_SPIN, false);
    tics_after[1] = text_of(d, IDC_AXIS_TICS);
    arrow(d, IDC_AXIS_TICS_SPIN, true);
    tics_after[2] = text_of(d, IDC_AXIS_TICS);
    click(d, IDOK);
  });
  EXPECT_TRUE(run_axis_dialog(host, 1));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(log_increment, "");
  EXPECT_TRUE(log_auto);
  EXPECT_TRUE(base_enabled);
  EXPECT_FALSE(tics_enabled);
  EXPECT_EQ(linear_increment, "0.25");
  EXPECT_FALSE(linear_auto);
  EXPECT_TRUE(bases_cleared);
  EXPECT_EQ(tics_after[0], "4");
  EXPECT_EQ(tics_after[1], "1");
  EXPECT_EQ(tics_after[2], "2");
  EXPECT_EQ(axis_base(graph, 1), 1);
  EXPECT_EQ(graph->axes[1].tics, 2);
  EXPECT_DOUBLE_EQ(display_range(graph, 1).increment, 0.25);
  EXPECT_TRUE(graph->axes[1].automatic_min);   // -3.5 ... -1 from the data
  EXPECT_DOUBLE_EQ(display_range(graph, 1).min, -3.5);
}

TEST_F(FormatDialogs, AxisOnALogarithmicAxis) {
  set_data_range(graph, 0, 0.002, 350);
  ASSERT_TRUE(set_axis_base(graph, 0, 10));
  std::string increment;
  bool increment_enabled = true, auto_increment = false, log = false;
  watcher.start("Format X-Axis", [&](HWND d) {
    increment = text_of(d, IDC_AXIS_INCREMENT);
    increment_enabled = enabled(d, IDC_AXIS_INCREMENT);
    auto_increment = checked(d, IDC_AXIS_AUTO_INCREMENT);
    log = checked(d, IDC_AXIS_LOGARITHMIC);
    press(d, IDC_AXIS_BASE_8);
    click(d, IDOK);
  });
  EXPECT_TRUE(run_axis_dialog(host, 0));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(increment, "");
  EXPECT_FALSE(increment_enabled);
  EXPECT_TRUE(auto_increment);
  EXPECT_TRUE(log);
  EXPECT_EQ(axis_base(graph, 0), 8);
  EXPECT_EQ(graph->axes[0].min, -3);
  EXPECT_EQ(graph->axes[0].max, 3);
}

// ---- Tick labels ----

TEST_F(FormatDialogs, LabelOpensWithTheFormatAndOkHasTheFocus) {
  std::string caption, face, size, digits;
  bool scale_factors = false, ok_focused = false;
  watcher.start("Format Y-Axis Label", [&](HWND d) {
    caption = window_text(d);
    face = text_of(d, IDC_LABEL_FACE);
    size = text_of(d, IDC_LABEL_SIZE);
    digits = text_of(d, IDC_LABEL_DIGITS);
    scale_factors = checked(d, IDC_LABEL_SCALE_FACTORS);
    ok_focused = focus_of(ui_thread) == GetDlgItem(d, IDOK);
    EXPECT_TRUE(picture(d, "format_label"));
    click(d, IDCANCEL);
  });
  EXPECT_FALSE(run_label_dialog(host, 1));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(caption, "Format Y-Axis Label");
  EXPECT_EQ(face, "Arial");
  EXPECT_EQ(size, "18");
  EXPECT_EQ(digits, "1");
  EXPECT_TRUE(scale_factors);
  EXPECT_TRUE(ok_focused);
}

TEST_F(FormatDialogs, LabelDigitsAreRefusedOutsideZeroToTwenty) {
  std::string up, down;
  watcher.start("Format X-Axis Label", [&](HWND d) {
    set_text(d, IDC_LABEL_DIGITS, "21");
    EXPECT_TRUE(refused_with(d, "Number of digits can't be greater than 20"));
    set_text(d, IDC_LABEL_DIGITS, "-1");
    EXPECT_TRUE(refused_with(d, "Number of digits can't be less than zero"));
    set_text(d, IDC_LABEL_DIGITS, "19");
    arrow(d, IDC_LABEL_DIGITS_SPIN, true);
    arrow(d, IDC_LABEL_DIGITS_SPIN, true);
    up = text_of(d, IDC_LABEL_DIGITS);
    set_text(d, IDC_LABEL_DIGITS, "1");
    arrow(d, IDC_LABEL_DIGITS_SPIN, false);
    arrow(d, IDC_LABEL_DIGITS_SPIN, false);
    down = text_of(d, IDC_LABEL_DIGITS);
    set_text(d, IDC_LABEL_DIGITS, "20");
    press(d, IDC_LABEL_DECIMAL);
    choose_text(d, IDC_LABEL_SIZE, "36");
    set_check(d, IDC_LABEL_BOLD, true);
    click(d, IDOK);
  });
  EXPECT_TRUE(run_label_dialog(host, 0));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(up, "20");
  EXPECT_EQ(down, "0");
  EXPECT_EQ(graph->label_format[0].digits, 20);
  EXPECT_EQ(graph->label_format[0].notation, kNotationDecimal);
  EXPECT_EQ(graph->label_format[0].point_size, 36);
  EXPECT_EQ(graph->label_format[0].font.weight, 700);
  EXPECT_STREQ(graph->label_format[0].font.face_name, "Arial");
}

TEST_F(FormatDialogs, LabelOnALogarithmicAxisChangesOnlyTheFont) {
  set_data_range(graph, 0, 1, 1000);
  ASSERT_TRUE(set_axis_base(graph, 0, 10));
  std::string digits;
  bool any_notation = true, digits_enabled = true, group_enabled = true;
  watcher.start("Format X-Axis Label", [&](HWND d) {
    digits = text_of(d, IDC_LABEL_DIGITS);
    any_notation = checked(d, IDC_LABEL_SCALE_FACTORS) || checked(d, IDC_LABEL_DECIMAL) ||
                   checked(d, IDC_LABEL_SCIENTIFIC);
    digits_enabled = enabled(d, IDC_LABEL_DIGITS) || enabled(d, IDC_LABEL_DIGITS_SPIN);
    group_enabled = enabled(d, IDC_LABEL_NOTATION_GROUP) || enabled(d, IDC_LABEL_DECIMAL);
    set_check(d, IDC_LABEL_ITALIC, true);
    click(d, IDOK);
  });
  EXPECT_TRUE(run_label_dialog(host, 0));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(digits, "");
  EXPECT_FALSE(any_notation);
  EXPECT_FALSE(digits_enabled);
  EXPECT_FALSE(group_enabled);
  EXPECT_EQ(graph->label_format[0].font.italic, 1);
  EXPECT_EQ(graph->label_format[0].digits, 1);
  EXPECT_EQ(graph->label_format[0].notation, kNotationScaleFactors);
}

// ---- Titles ----

TEST_F(FormatDialogs, TitleOkKeepsTheUnitAndTheYTitleUpright) {
  std::string caption, text;
  bool show = false, edit_focused = false;
  int courier = face_entry_of("Courier New");
  ASSERT_GE(courier, 0);
  watcher.start("Format Y-Axis Title", [&](HWND d) {
    caption = window_text(d);
    text = text_of(d, IDC_TITLE_TEXT);
    show = checked(d, IDC_TITLE_SHOW);
    edit_focused = focus_of(ui_thread) == GetDlgItem(d, IDC_TITLE_TEXT);
    EXPECT_TRUE(picture(d, "format_title"));
    set_text(d, IDC_TITLE_TEXT, "Output");
    choose(d, IDC_FONT_FACE, courier);
    choose_text(d, IDC_FONT_SIZE, "24");
    set_check(d, IDC_TITLE_SHOW, false);
    click(d, IDOK);
  });
  EXPECT_TRUE(run_title_dialog(host, 1));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(caption, "Format Y-Axis Title");
  EXPECT_EQ(text, "Y Axis Title");
  EXPECT_TRUE(show);
  EXPECT_TRUE(edit_focused);
  EXPECT_EQ(graph->title[1].text, "Output  [V]");
  EXPECT_STREQ(graph->title[1].font.face_name, "Courier New");
  EXPECT_EQ(graph->title[1].font.escapement, 900);
  EXPECT_EQ(graph->title[1].font.orientation, 900);
  EXPECT_EQ(graph->title[1].point_size, 24);
  EXPECT_FALSE(graph->title[1].display);
}

TEST_F(FormatDialogs, TitleCancelChangesNothing) {
  watcher.start("Format X-Axis Title", [&](HWND d) {
    set_text(d, IDC_TITLE_TEXT, "Other");
    set_check(d, IDC_TITLE_SHOW, false);
    click(d, IDCANCEL);
  });
  EXPECT_FALSE(run_title_dialog(host, 0));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(graph->title[0].text, "Time  [s]");
  EXPECT_TRUE(graph->title[0].display);
}

// ---- Legend ----

TEST_F(FormatDialogs, LegendOpensWithTheTraceAndFollowsDisplaySymbols) {
  Trace *trace = add_test_trace();
  int counts[4], selections[4];
  LRESULT weights[8];
  bool period_enabled = true, period_enabled_after = false;
  std::string text, period, size;
  watcher.start("Format Legend", [&](HWND d) {
    const int lists[4] = {IDC_LEGEND_SYMBOLS, IDC_LEGEND_COLOURS, IDC_LEGEND_LINE_STYLES, IDC_LEGEND_LINE_WEIGHTS};
    for (int i = 0; i < 4; i++) {
      counts[i] = combo_count(d, lists[i]);
      selections[i] = combo_selection(d, lists[i]);
    }
    for (int i = 0; i < 8; i++) weights[i] = SendDlgItemMessageA(d, IDC_LEGEND_LINE_WEIGHTS, CB_GETITEMDATA, i, 0);
    text = text_of(d, IDC_LEGEND_TEXT);
    period = text_of(d, IDC_LEGEND_PERIOD);
    size = text_of(d, IDC_LEGEND_SIZE);
    period_enabled = enabled(d, IDC_LEGEND_PERIOD) || enabled(d, IDC_LEGEND_SIZE_SPIN);
    EXPECT_TRUE(picture(d, "format_legend"));
    press(d, IDC_LEGEND_DISPLAY_SYMBOLS);
    period_enabled_after = enabled(d, IDC_LEGEND_PERIOD) && enabled(d, IDC_LEGEND_SIZE_SPIN);
    SendDlgItemMessageA(d, IDC_LEGEND_SYMBOLS, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(list_picture(GetDlgItem(d, IDC_LEGEND_SYMBOLS), "format_legend_symbols"));
    SendDlgItemMessageA(d, IDC_LEGEND_SYMBOLS, CB_SHOWDROPDOWN, FALSE, 0);
    click(d, IDCANCEL);
  });
  EXPECT_FALSE(run_legend_dialog(host, trace));
  ASSERT_TRUE(watcher.finish());
  const int expected_counts[4] = {12, 13, 6, 8};
  const int expected_selections[4] = {3, 0, 1, 2};
  for (int i = 0; i < 4; i++) {
    EXPECT_EQ(counts[i], expected_counts[i]) << i;
    EXPECT_EQ(selections[i], expected_selections[i]) << i;
  }
  for (int i = 0; i < 8; i++) EXPECT_EQ(weights[i], 2 * i) << i;
  EXPECT_EQ(text, "'v(out)'");
  EXPECT_EQ(period, "1");
  EXPECT_EQ(size, "3");
  EXPECT_FALSE(period_enabled);
  EXPECT_TRUE(period_enabled_after);
  EXPECT_FALSE(trace->display_symbols);   // cancelled
}

TEST_F(FormatDialogs, LegendRefusesPeriodThenSizeBelowOne) {
  Trace *trace = add_test_trace();
  std::string stepped;
  watcher.start("Format Legend", [&](HWND d) {
    set_text(d, IDC_LEGEND_PERIOD, "0");
    set_text(d, IDC_LEGEND_SIZE, "0");
    EXPECT_TRUE(refused_with(d, "Symbol period can't be less than one"));
    set_text(d, IDC_LEGEND_PERIOD, "1");
    EXPECT_TRUE(refused_with(d, "Symbol size can't be less than one"));
    set_text(d, IDC_LEGEND_SIZE, "1");
    arrow(d, IDC_LEGEND_SIZE_SPIN, false);
    arrow(d, IDC_LEGEND_SIZE_SPIN, true);
    arrow(d, IDC_LEGEND_SIZE_SPIN, true);
    stepped = text_of(d, IDC_LEGEND_SIZE);
    click(d, IDCANCEL);
  });
  EXPECT_FALSE(run_legend_dialog(host, trace));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(stepped, "3");
  EXPECT_EQ(trace->symbol_size, 3);
  EXPECT_EQ(trace->symbol_period, 1);
}

TEST_F(FormatDialogs, LegendOkWritesTraceAndLabel) {
  Trace *trace = add_test_trace();
  watcher.start("Format Legend", [&](HWND d) {
    set_text(d, IDC_LEGEND_TEXT, "output");
    choose_text(d, IDC_FONT_SIZE, "12");
    set_check(d, IDC_FONT_UNDERLINE, true);
    choose(d, IDC_LEGEND_SYMBOLS, 9);
    choose(d, IDC_LEGEND_COLOURS, 12);
    choose(d, IDC_LEGEND_LINE_STYLES, 5);
    choose(d, IDC_LEGEND_LINE_WEIGHTS, 7);
    set_check(d, IDC_LEGEND_SYMBOL_WITH_TEXT, false);
    set_check(d, IDC_BORDER, true);
    set_check(d, IDC_LEGEND_DISPLAY_SYMBOLS, true);
    set_text(d, IDC_LEGEND_PERIOD, "3");
    set_text(d, IDC_LEGEND_SIZE, "6");
    click(d, IDOK);
  });
  EXPECT_TRUE(run_legend_dialog(host, trace));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(trace->legend.text, "output");
  EXPECT_EQ(trace->legend.point_size, 12);
  EXPECT_EQ(trace->legend.font.underline, 1);
  EXPECT_STREQ(trace->legend.font.face_name, "Times New Roman");
  EXPECT_EQ(trace->symbol_index, 9);
  EXPECT_EQ(trace->colour_index, 12);
  EXPECT_EQ(trace->line_style, 5);
  EXPECT_EQ(trace->line_weight, 7);
  EXPECT_FALSE(trace->display_symbols_with_text);
  EXPECT_TRUE(trace->legend.border);
  EXPECT_TRUE(trace->display_symbols);
  EXPECT_EQ(trace->symbol_period, 3);
  EXPECT_EQ(trace->symbol_size, 6);
}

// ---- Text blocks ----

class FormatTextDialog : public FormatDialogs {
 protected:
  TextBlock block{};
  void SetUp() override {
    FormatDialogs::SetUp();
    const LogicalFont *face = font_list_find(program_font_list(), "Times New Roman");
    ASSERT_TRUE(face);
    block.font = *face;
    block.point_size = 9;
    block.justification = 7;
    block.text = "gain";
  }
};

TEST_F(FormatTextDialog, ANinePointBlockShowsTwentyAndOkSetsTwenty) {
  std::string size, text;
  bool right = false, horizontal = false, border = true, edit_focused = false;
  watcher.start("Format Text", [&](HWND d) {
    size = text_of(d, IDC_FONT_SIZE);
    text = text_of(d, IDC_TEXT_EDIT);
    right = checked(d, IDC_TEXT_RIGHT);
    horizontal = checked(d, IDC_TEXT_HORIZONTAL);
    border = checked(d, IDC_BORDER);
    edit_focused = focus_of(ui_thread) == GetDlgItem(d, IDC_TEXT_EDIT);
    EXPECT_TRUE(picture(d, "format_text"));
    click(d, IDOK);
  });
  EXPECT_TRUE(run_text_dialog(host, &block));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(size, "20");
  EXPECT_EQ(text, "gain");
  EXPECT_TRUE(right);
  EXPECT_TRUE(horizontal);
  EXPECT_FALSE(border);
  EXPECT_TRUE(edit_focused);
  EXPECT_EQ(block.point_size, 20);
  EXPECT_EQ(block.justification, kJustifyRight);
}

TEST_F(FormatTextDialog, OkWritesTheRecordAndCancelNothing) {
  watcher.start("Format Text", [&](HWND d) {
    set_text(d, IDC_TEXT_EDIT, "changed");
    set_check(d, IDC_BORDER, true);
    click(d, IDCANCEL);
  });
  EXPECT_FALSE(run_text_dialog(host, &block));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(block.text, "gain");
  EXPECT_FALSE(block.border);
  EXPECT_EQ(block.point_size, 9);
  watcher.start("Format Text", [&](HWND d) {
    set_text(d, IDC_TEXT_EDIT, "phase margin");
    set_check(d, IDC_TEXT_RIGHT, false);
    set_check(d, IDC_TEXT_CENTER, true);
    set_check(d, IDC_TEXT_HORIZONTAL, false);
    set_check(d, IDC_TEXT_VERTICAL, true);
    set_check(d, IDC_BORDER, true);
    set_check(d, IDC_FONT_BOLD, true);
    choose_text(d, IDC_FONT_SIZE, "48");
    click(d, IDOK);
  });
  EXPECT_TRUE(run_text_dialog(host, &block));
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(block.text, "phase margin");
  EXPECT_EQ(block.justification, kJustifyCentre);
  EXPECT_EQ(block.font.escapement, 900);
  EXPECT_EQ(block.font.orientation, 900);
  EXPECT_TRUE(block.border);
  EXPECT_EQ(block.font.weight, 700);
  EXPECT_EQ(block.point_size, 48);
  EXPECT_STREQ(block.font.face_name, "Times New Roman");
}

}  // namespace
