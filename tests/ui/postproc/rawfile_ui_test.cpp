// ngspice raw files as a user opens them: on the command line, from the Open dialog's own
// filter, as a pole-zero graph; and converted by ulmocli.exe into a result file that draws
// the very same graph.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "screen_image.h"
#include "table_session.h"
#include "shell/commands.h"
#include "paths.h"

namespace {

const int kFileName = 0x47c, kFilterList = 0x470;   // the common file dialogs' boxes

class RawFiles : public TableSession {
 protected:
  bool settled() { return wait_for_posted_messages(frame, kWait); }
  HWND status() { return find_child(frame, "Status"); }

  // The graph of variable `index` of the file, made by the link as the simulator makes it,
  // maximized and drawn; its client area as the screen shows it.
  ScreenImage linked_graph(const std::string &path, const char *index, const char *shot_name) {
    Program link{};
    EXPECT_TRUE(start_program(windows_path(ULMOLINK), "-5 \"" + path + ";" + index + "\"", link));
    EXPECT_EQ(wait_for_exit(link, kWait), 0);
    HWND g = wait_for_child("ChildGraph");
    EXPECT_NE(g, nullptr);
    if (!g) return ScreenImage();
    send_message(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(g), 0);
    settled();
    wait_for_posted_messages(g, kWait);
    EXPECT_TRUE(save_screenshot(g, RGB(255, 255, 255), shot(shot_name)));
    RECT area;
    GetClientRect(g, &area);
    MapWindowPoints(g, nullptr, reinterpret_cast<POINT *>(&area), 2);
    return capture_screen(area);
  }
};

TEST_F(RawFiles, ARawFileAndItsConversionDrawTheSameGraph) {
  const std::string raw = sample_path("rc-tran.raw");
  const std::string converted = windows_path(shot("rc-tran-converted.out"));
  Program cli{};
  ASSERT_TRUE(start_program(windows_path(ULMOCLI), "convert \"" + raw + "\" \"" + converted + "\"", cli));
  ASSERT_EQ(wait_for_exit(cli, kWait), 0);

  start_on(raw);
  EXPECT_EQ(wait_for_text(status(), "Data File: Z", kWait), "Data File: " + raw);
  ScreenImage from_raw = linked_graph(raw, "2", "raw-graph.bmp");
  end_program(program);

  start_on(converted);
  EXPECT_EQ(wait_for_text(status(), "Data File: Z", kWait), "Data File: " + converted);
  ScreenImage from_converted = linked_graph(converted, "2", "converted-graph.bmp");
  ASSERT_GT(from_raw.width, 100);
  EXPECT_EQ(from_raw.width, from_converted.width);
  EXPECT_EQ(from_raw.height, from_converted.height);
  EXPECT_TRUE(from_raw.pixels == from_converted.pixels);
  // Not a blank page: the trace and the axes are drawn.
  EXPECT_GT(std::count_if(from_raw.pixels.begin(), from_raw.pixels.end(),
                          [](COLORREF c) { return c != RGB(255, 255, 255); }),
            1000);
}

TEST_F(RawFiles, APoleZeroRawFileOpensItsPoleZeroGraph) {
  start("pz.raw");
  HWND graph = wait_for_child("ChildGraph");
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(window_text(graph), "lead-lag pole-zero (Pole-Zero Analysis)");
  EXPECT_EQ(GetWindowLongPtrA(graph, 0), 2);   // kind: pole-zero
  send_message(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(graph), 0);
  ASSERT_TRUE(settled() && wait_for_posted_messages(graph, kWait));
  EXPECT_TRUE(save_screenshot(graph, RGB(255, 255, 255), shot("raw-pole-zero.bmp")));
  std::vector<std::string> labels;
  for (HWND child = GetWindow(graph, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    labels.push_back(window_text(child));
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Poles"), labels.end());
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Zeros"), labels.end());
}

TEST_F(RawFiles, TheOpenDialogOpensARawFileOfSeveralPlots) {
  start("op.raw");
  ASSERT_NE(wait_for_child("ChildTable"), nullptr);   // the operating point's values
  PostMessageA(frame, WM_COMMAND, kCmdOpenDataFile, 0);
  HWND open = wait_for_window(program, "#32770", "Open", kWait);
  ASSERT_NE(open, nullptr);
  HWND filter = GetDlgItem(open, kFilterList);
  ASSERT_EQ(send_message(filter, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(listed_text(filter, 2), "ngspice Raw Files(*.raw)");
  const std::string multi = sample_path("multi.raw");
  set_window_text(GetDlgItem(open, kFileName), multi.c_str());
  press_button(open, IDOK);
  EXPECT_EQ(wait_for_text(status(), "Data File: " + multi, kWait), "Data File: " + multi);
  // Four plots: the choice is offered, the operating point has its table again.
  HWND choose = wait_for_window(program, "#32770", "Select Current Plot", kWait);
  ASSERT_NE(choose, nullptr);
  HWND list = FindWindowExA(choose, nullptr, "ListBox", nullptr);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(send_message(list, LB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(listed_text(list, 0), "several analyses (Operating Point)");
  EXPECT_EQ(listed_text(list, 3), "several analyses (Transient Analysis)");
  EXPECT_TRUE(save_screenshot(frame, GetSysColor(COLOR_APPWORKSPACE), shot("raw-select-plot.bmp"), true));
  press_button(choose, IDCANCEL);
  EXPECT_TRUE(wait_until_destroyed(choose, kWait));
  HWND table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(window_text(table), "several analyses (Operating Point)");
}

}  // namespace
