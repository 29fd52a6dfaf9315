// The plot dialogs opened for real on files written by the result writer, worked from a
// watcher thread: the entries and fields they show, and the plot that OK or a double click
// selects.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "base/ui.h"
#include "data/load.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/win32/plot_dialogs.h"
#include "dialog_watcher.h"
#include "driver.h"
#include "resources/dialog_ids.h"
#include "result_writer.h"

namespace {

std::vector<std::pair<int, int>> shown_windows;
void record_window(int index, int kind) { shown_windows.push_back({index, kind}); }

SamplePlot sample(const std::string &title, const std::string &name, int kind, int code) {
  SamplePlot p;
  p.circuit_title = title;
  p.simulation_date = "Tue Dec  8 10:00:00 2026";
  p.plot_name = name;
  p.plot_kind = kind;
  p.analysis_code = code;
  const int32_t counters[6] = {1234, -7, 99, 40000, 39990, 10};
  const double times[8] = {1.5e-05, 0.25, 1e-12, 123456789.0, 0, 7.77, 2.5e-300, 1e100};
  for (int i = 0; i < 6; i++) p.counters[i] = counters[i];
  for (int i = 0; i < 8; i++) p.times[i] = times[i];
  p.variables = {{"time", 2}, {"v(out)", 0}};
  p.point_count = 2;
  p.real = {0, 1, 2, 3};
  return p;
}

class PlotDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_ui_hooks();
    ui_hooks().show_plot_window = record_window;
    shown_windows.clear();
    ui_thread = GetCurrentThreadId();
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    path = std::string(folder) + "ulmo-dialogs-test.out";
  }
  void TearDown() override {
    clear_plot_list();
    DeleteFileA(path.c_str());
    reset_ui_hooks();
  }
  void load(const std::vector<SamplePlot> &plots) {
    ASSERT_TRUE(write_result_file(path, plots, kSampleWide));
    ASSERT_TRUE(load_data_file(path.c_str()));
  }
  std::vector<std::string> entries_of(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PLOT_LIST);
    std::vector<std::string> out;
    for (int i = 0; i < list_count(list); i++) out.push_back(list_entry(list, i));
    return out;
  }

  DWORD ui_thread;
  std::string path;
  DialogWatcher watcher;
};

TEST_F(PlotDialogs, SelectListsEveryPlotAndOkSelects) {
  load({sample("Amplifier", "Operating Point", 0, 0), sample("Amplifier", "Transient Analysis", 1, 4),
        sample("Amplifier", "Pole-Zero Analysis", 2, 0)});
  std::vector<std::string> entries;
  int selected = -2;
  bool list_focused = false;
  std::string label;
  testing::AssertionResult shot = testing::AssertionFailure() << "no picture taken";
  watcher.start("Select Current Plot", [&](HWND dialog) {
    entries = entries_of(dialog);
    HWND list = GetDlgItem(dialog, IDC_PLOT_LIST);
    selected = list_selection(list);
    list_focused = focus_of(ui_thread) == list;
    label = control_text(dialog, IDOK) + "/" + control_text(dialog, IDCANCEL);
    shot = screenshot(dialog, "select-current-plot");
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    click(dialog, IDOK);
  });
  show_select_current_plot(nullptr);
  ASSERT_TRUE(watcher.finish());
  std::vector<std::string> expected = {"Amplifier (Operating Point)", "Amplifier (Transient Analysis)",
                                       "Amplifier (Pole-Zero Analysis)"};
  EXPECT_EQ(entries, expected);
  EXPECT_EQ(selected, 2);   // the current plot: the last one after a load
  EXPECT_TRUE(list_focused);
  EXPECT_EQ(label, "OK/Cancel");
  EXPECT_TRUE(shot);
  EXPECT_EQ(current_plot_index(), 0);
  // A table plot's window comes forward.
  ASSERT_EQ(shown_windows.size(), 1u);
  EXPECT_EQ(shown_windows[0], std::make_pair(0, 0));
}

TEST_F(PlotDialogs, DoubleClickSelects) {
  load({sample("Filter", "AC Analysis", 1, 5), sample("Filter", "Operating Point", 0, 0)});
  watcher.start("Select Current Plot", [&](HWND dialog) {
    double_click_entry(GetDlgItem(dialog, IDC_PLOT_LIST), 0);
  });
  show_select_current_plot(nullptr);
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(current_plot_index(), 0);
  EXPECT_TRUE(shown_windows.empty());   // a vector plot has no window of its own
}

TEST_F(PlotDialogs, CancelChangesNothing) {
  load({sample("Filter", "Operating Point", 0, 0), sample("Filter", "Operating Point 2", 0, 0)});
  watcher.start("Select Current Plot", [&](HWND dialog) {
    SendMessageA(GetDlgItem(dialog, IDC_PLOT_LIST), LB_SETCURSEL, 0, 0);
    click(dialog, IDCANCEL);
  });
  show_select_current_plot(nullptr);
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(current_plot_index(), 1);
  EXPECT_TRUE(shown_windows.empty());
}

TEST_F(PlotDialogs, LongTitleIsListedAlone) {
  std::string title(300, 'L');
  title[0] = 'A';
  title[299] = 'Z';
  load({sample(title, "Transient Analysis", 1, 4), sample("Short", "Operating Point", 1, 0)});
  std::vector<std::string> entries;
  watcher.start("Select Current Plot", [&](HWND dialog) {
    entries = entries_of(dialog);
    click(dialog, IDCANCEL);
  });
  show_select_current_plot(nullptr);
  ASSERT_TRUE(watcher.finish());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0], title);
  EXPECT_EQ(entries[1], "Short (Operating Point)");
}

TEST_F(PlotDialogs, OnePlotShowsNothing) {
  load({sample("Amplifier", "Operating Point", 0, 0)});
  watcher.start("", [&](HWND dialog) { click(dialog, IDCANCEL); });
  show_select_current_plot(nullptr);
  EXPECT_FALSE(watcher.finish());
  EXPECT_EQ(current_plot_index(), 0);
  EXPECT_TRUE(shown_windows.empty());
}

const std::vector<std::string> kTransientLabels = {
    "Number of total iterations performed:",
    "Number of iterations for transient analysis:",
    "Total number of timepoints:",
    "Number of timepoints accepted:",
    "Number of timepoints rejected:",
    "Total analysis time:",
    "Transient analysis time:",
    "Time spent in device loading:",
    "Time spent in L-U decomposition:",
    "Time spent in matrix solving:",
    "Time spent in transient L-U decomposition:",
    "Time spent in transient matrix solving:"};
const std::vector<std::string> kTransientValues = {
    "1234", "-7", "40000", "39990", "10", "1.5E-005 sec", "0.25 sec", "1E-012 sec",
    "1.23457E+008 sec", "0 sec", "2.5E-300 sec", "1E+100 sec"};
// Value fields in display order.
const std::vector<int> kTransientFields = {
    IDC_STAT_COUNTER + 0, IDC_STAT_COUNTER + 1, IDC_STAT_COUNTER + 3, IDC_STAT_COUNTER + 4,
    IDC_STAT_COUNTER + 5, IDC_STAT_TIME + 0,    IDC_STAT_TIME + 1,    IDC_STAT_TIME + 2,
    IDC_STAT_TIME + 3,    IDC_STAT_TIME + 4,    IDC_STAT_TIME + 6,    IDC_STAT_TIME + 7};
const std::vector<size_t> kGeneralRows = {0, 5, 7, 8, 9};

struct StatisticsSeen {
  std::vector<std::string> labels, values;
  std::vector<int> label_tops;
  int static_count = 0;
  std::string ok;
};

BOOL CALLBACK count_static(HWND child, LPARAM count) {
  char name[16];
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Static") == 0 && GetDlgCtrlID(child) != -1 && GetDlgCtrlID(child) != 0xFFFF)
    ++*reinterpret_cast<int *>(count);
  return TRUE;
}

// Reads every line the statistics dialog may have; a field it lacks reads "<no control>".
StatisticsSeen read_statistics(HWND dialog) {
  StatisticsSeen seen;
  for (int field : kTransientFields) {
    HWND label = GetDlgItem(dialog, field + IDC_STAT_LABEL_OFFSET);
    if (!label) continue;
    seen.labels.push_back(window_text(label));
    seen.values.push_back(control_text(dialog, field));
    RECT r;
    GetWindowRect(label, &r);
    seen.label_tops.push_back(r.top);
  }
  EnumChildWindows(dialog, count_static, reinterpret_cast<LPARAM>(&seen.static_count));
  seen.ok = control_text(dialog, IDOK);
  return seen;
}

class Statistics : public PlotDialogs, public ::testing::WithParamInterface<int> {};

TEST_P(Statistics, LayoutByAnalysisCode) {
  int code = GetParam();
  load({sample("Amplifier", "Analysis", 1, code)});
  StatisticsSeen seen;
  std::string title;
  testing::AssertionResult shot = testing::AssertionFailure() << "no picture taken";
  watcher.start("Simulation Statistics", [&](HWND dialog) {
    seen = read_statistics(dialog);
    shot = screenshot(dialog, "statistics-code-" + std::to_string(code));
    click(dialog, IDOK);
  });
  show_statistics(nullptr);
  ASSERT_TRUE(watcher.finish());
  std::vector<std::string> labels, values;
  for (size_t row = 0; row < kTransientLabels.size(); row++) {
    if (code != 4 && std::find(kGeneralRows.begin(), kGeneralRows.end(), row) == kGeneralRows.end())
      continue;
    labels.push_back(kTransientLabels[row]);
    values.push_back(kTransientValues[row]);
  }
  EXPECT_EQ(seen.labels, labels);
  EXPECT_EQ(seen.values, values);
  EXPECT_EQ(seen.static_count, static_cast<int>(2 * labels.size()));   // nothing else shown
  for (size_t i = 1; i < seen.label_tops.size(); i++) EXPECT_GT(seen.label_tops[i], seen.label_tops[i - 1]);
  EXPECT_EQ(seen.ok, "OK");
  EXPECT_TRUE(shot);
}

INSTANTIATE_TEST_SUITE_P(Codes, Statistics, ::testing::Values(4, 0, 5));

TEST_F(PlotDialogs, PlotInfoAndItsStatistics) {
  load({sample("Amplifier", "Operating Point", 0, 0), sample("Filter", "Transient Analysis", 1, 4)});
  std::vector<std::string> fields;
  std::string buttons;
  StatisticsSeen seen;
  bool info_back = false;
  testing::AssertionResult shot = testing::AssertionFailure() << "no picture taken";
  watcher.start("Plot Info", [&](HWND dialog) {
    for (int id : {IDC_INFO_FILE_NAME, IDC_INFO_TITLE, IDC_INFO_DATE, IDC_INFO_PLOT_NAME})
      fields.push_back(control_text(dialog, id));
    buttons = control_text(dialog, IDC_INFO_STATISTICS) + "/" + control_text(dialog, IDCANCEL);
    shot = screenshot(dialog, "plot-info");
    click(dialog, IDC_INFO_STATISTICS);
    HWND statistics = wait_for_dialog(ui_thread, "Simulation Statistics");
    if (!statistics) return;
    seen = read_statistics(statistics);
    click(statistics, IDOK);
    info_back = wait_until_gone(ui_thread, "Simulation Statistics") &&
                IsWindowVisible(dialog) && IsWindowEnabled(dialog);
    click(dialog, IDCANCEL);
  });
  show_plot_info(nullptr);
  ASSERT_TRUE(watcher.finish());
  std::vector<std::string> expected = {path, "Filter", "Tue Dec  8 10:00:00 2026", "Transient Analysis"};
  EXPECT_EQ(fields, expected);
  EXPECT_EQ(buttons, "Statistics.../Close");
  EXPECT_TRUE(shot);
  EXPECT_EQ(seen.values, kTransientValues);
  EXPECT_TRUE(info_back);
  EXPECT_TRUE(wait_until_gone(ui_thread, "Plot Info"));
}

TEST_F(PlotDialogs, PlotInfoOfTheSelectedPlot) {
  load({sample("Amplifier", "Operating Point", 0, 0), sample("Filter", "Transient Analysis", 1, 4)});
  ASSERT_TRUE(select_plot(0, false));
  std::string title, name;
  watcher.start("Plot Info", [&](HWND dialog) {
    title = control_text(dialog, IDC_INFO_TITLE);
    name = control_text(dialog, IDC_INFO_PLOT_NAME);
    click(dialog, IDCANCEL);
  });
  show_plot_info(nullptr);
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(title, "Amplifier");
  EXPECT_EQ(name, "Operating Point");
}

TEST_F(PlotDialogs, NothingLoadedShowsNothing) {
  clear_plot_list();
  watcher.start("", [&](HWND dialog) { click(dialog, IDCANCEL); });
  show_plot_info(nullptr);
  show_statistics(nullptr);
  show_select_current_plot(nullptr);
  EXPECT_FALSE(watcher.finish());
}

}  // namespace
