// Measured data and exports as a user meets them: an experimental file loaded onto a graph of
// the transient sample (black symbols over the simulated trace), a damaged one refused, and
// raw data and traces exported through the dialogs into files that agree with each other.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "clipboard.h"
#include "driver.h"
#include "resources/export_dialog_ids.h"
#include "screen_image.h"
#include "stored_settings.h"
#include "wait.h"
#include "shell/commands.h"
#include "paths.h"

namespace {

const int kWait = 20000;
const int kFileName = 0x47c;   // the common file dialogs' name box

std::string file_bytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> crlf_lines(const std::string &text) {
  std::vector<std::string> lines;
  size_t at = 0;
  for (size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  EXPECT_EQ(at, text.size()) << "a line without its carriage return and line feed";
  return lines;
}

class ExportUi : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ulmo-Software");
    set_number("DisplayWelcome", 0);
    ASSERT_TRUE(start_program(windows_path(ULMOGPP), "/x", program));
    frame = wait_for_window(program, "AppFrame", "Ulmo-Postprocessor", kWait);
    ASSERT_NE(frame, nullptr);
    client = find_child(frame, "MDIClient");
    // v(in) of the transient sample by the link.
    Program link{};
    ASSERT_TRUE(start_program(windows_path(ULMOLINK), "-5 \"" + sample_path("amplifier-transient.out") + ";1\"", link));
    ASSERT_EQ(wait_for_exit(link, kWait), 0);
    ASSERT_TRUE((graph = wait_for_child_window(client, "ChildGraph", kWait)) != nullptr);
    send_message(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(graph), 0);
    settled();
  }
  void TearDown() override { end_program(program); }

  bool settled() { return wait_for_posted_messages(frame, kWait) && wait_for_posted_messages(graph, kWait); }
  HWND dialog(const char *title) { return wait_for_window(program, "#32770", title, kWait); }
  void command(int id) { PostMessageA(frame, WM_COMMAND, id, 0); }
  void choose_file(const char *title, const std::string &path) {
    HWND box = dialog(title);
    ASSERT_NE(box, nullptr) << title;
    set_window_text(GetDlgItem(box, kFileName), path.c_str());
    press_button(box, IDOK);
    EXPECT_TRUE(wait_until_destroyed(box, kWait));
    settled();
  }
  ScreenImage picture(const char *name) {
    EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), scratch_host_path(name)));
    RECT area;
    GetClientRect(graph, &area);
    MapWindowPoints(graph, nullptr, reinterpret_cast<POINT *>(&area), 2);
    return capture_screen(area);
  }
  // Export to File through its dialogs: the source, then the list entries at `picks`.
  void export_file(bool traces, const std::vector<int> &picks, const std::string &path) {
    remove(path.c_str());
    command(kCmdExportToFile);
    HWND choice = dialog("Export");
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(choice, IDC_EXPORT_RAW_DATA), BST_CHECKED);
    if (traces) send_message(GetDlgItem(choice, IDC_EXPORT_ACTIVE_WINDOW), BM_CLICK, 0, 0);
    press_button(choice, IDOK);
    HWND list_box = dialog(traces ? "Export Traces" : "Export Raw Data");
    ASSERT_NE(list_box, nullptr);
    HWND list = GetDlgItem(list_box, traces ? IDC_EXPORT_TRACE_LIST : IDC_EXPORT_VARIABLES);
    for (int p : picks) send_message(list, LB_SETSEL, TRUE, p);
    press_button(list_box, IDOK);
    choose_file("Export File Name", windows_path(path));
  }

  Program program{};
  HWND frame = nullptr, client = nullptr, graph = nullptr;
};

TEST_F(ExportUi, MeasuredDataOverTheSimulatedTrace) {
  ScreenImage before = picture("export-before.bmp");
  std::string title_before = window_text(graph);

  // 41 measured points a little off the simulated 1 kHz sine, CRLF as the platform writes text.
  std::string data = "41\r\n1\r\nmeasured v(in)\r\n";
  for (int i = 0; i <= 40; i++) {
    char row[64];
    double t = i * 0.125e-3;
    snprintf(row, sizeof row, "%g\t%g\r\n", t, 0.9 * sin(2 * 3.141592653589793 * 1000 * t - 0.3));
    data += row;
  }
  std::ofstream(scratch_host_path("measured.dat"), std::ios::binary) << data;
  command(kCmdLoadExperimentalData);
  choose_file("Load Experimental Data", windows_path(scratch_host_path("measured.dat")));
  EXPECT_EQ(window_text(graph), title_before + "measured v(in) ");
  ScreenImage after = picture("export-measured.bmp");
  // The black symbols add black pixels to what the simulated trace and the axes drew.
  EXPECT_GT(share_of(after, RGB(0, 0, 0)), share_of(before, RGB(0, 0, 0)) + 0.001);

  // Line feeds only: refused with its message, the graph as it was.
  std::ofstream(scratch_host_path("unix.dat"), std::ios::binary) << "1\n1\nu\n0 0\n";
  command(kCmdLoadExperimentalData);
  choose_file("Load Experimental Data", windows_path(scratch_host_path("unix.dat")));
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Error reading experimental data.");
  press_button(box, IDOK);
  EXPECT_TRUE(wait_until_destroyed(box, kWait));
  EXPECT_EQ(window_text(graph), title_before + "measured v(in) ");
}

TEST_F(ExportUi, RawDataAndTracesAgree) {
  export_file(false, {1, 2}, scratch_host_path("raw.txt"));
  std::vector<std::string> raw = crlf_lines(file_bytes(scratch_host_path("raw.txt")));
  ASSERT_EQ(raw.size(), 4002u);
  EXPECT_EQ(raw[0], "time (time)\tv(in) (voltage)\tv(out) (voltage)");
  EXPECT_EQ(raw[1], "0.000000e+000\t0.000000e+000\t0.000000e+000");

  export_file(true, {0}, scratch_host_path("traces.txt"));
  std::vector<std::string> traces = crlf_lines(file_bytes(scratch_host_path("traces.txt")));
  ASSERT_EQ(traces.size(), 4003u);   // legend, 4001 points, an empty line
  EXPECT_EQ(traces[0], "'v(in)'");
  EXPECT_EQ(traces[4002], "");
  // The trace's x and y are the raw export's first two columns, point by point.
  for (size_t i = 1; i <= 4001; i++) {
    size_t second_tab = raw[i].find('\t', raw[i].find('\t') + 1);
    ASSERT_EQ(traces[i], raw[i].substr(0, second_tab)) << i;
  }
}

// Export to Spreadsheet asks the same way; with one trace on the graph the trace list takes it
// and closes by itself, and the table window shows the trace.
TEST_F(ExportUi, SpreadsheetChoices) {
  command(kCmdExportToSpreadsheet);
  HWND choice = dialog("Export");
  ASSERT_NE(choice, nullptr);
  send_message(GetDlgItem(choice, IDC_EXPORT_ACTIVE_WINDOW), BM_CLICK, 0, 0);
  press_button(choice, IDOK);
  ASSERT_TRUE(wait_until_destroyed(choice, kWait));
  ASSERT_TRUE(wait_until_no_window(program, "#32770", nullptr, kWait));
  // Had the list waited for the user, it would be open now that the frame has taken the command.
  EXPECT_TRUE(settled());
  EXPECT_EQ(find_any_window(program, "#32770", "Export Traces"), nullptr);

  // The table: the plot's texts in column 1, the trace's x and y in columns 2 and 3 with its
  // legend above the values, 4001 points and ten rows to spare, seven columns; read back
  // through Copy as a spreadsheet would receive it.
  HWND table = nullptr;
  ASSERT_TRUE((table = wait_for_child_window(client, "ChildTable", kWait)) != nullptr);
  EXPECT_EQ(window_text(table), "'v(in)'");
  send_message(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(table), 0);
  settled();
  EXPECT_TRUE(save_screenshot(table, GetSysColor(COLOR_WINDOW), scratch_host_path("export-spreadsheet.bmp"), true));
  empty_clipboard();
  command(kCmdSelectAll);
  command(kCmdCopy);
  settled();
  ASSERT_TRUE(wait_for_clipboard_format(CF_TEXT, kWait));
  std::vector<std::string> rows = crlf_lines(clipboard_text());
  ASSERT_EQ(rows.size(), 4011u);
  EXPECT_EQ(rows[3], "\ttime\t'v(in)'\t\t\t\t");
  EXPECT_EQ(rows[4], "\t0\t0\t\t\t\t");
  EXPECT_EQ(rows[4004].substr(0, 7), "\t0.005\t");
  EXPECT_EQ(rows[4005], "\t\t\t\t\t\t");
  // With a table active there is no graph to ask about: the raw data are taken at once.
  send_message(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(graph), 0);
  settled();

  command(kCmdExportToSpreadsheet);
  choice = dialog("Export");
  ASSERT_NE(choice, nullptr);
  press_button(choice, IDOK);
  HWND variables = dialog("Export Raw Data");
  ASSERT_NE(variables, nullptr);
  EXPECT_EQ(send_message(GetDlgItem(variables, IDC_EXPORT_VARIABLES), LB_GETCOUNT, 0, 0), 6);
  press_button(variables, IDCANCEL);
  EXPECT_TRUE(wait_until_destroyed(variables, kWait));
}

}  // namespace
