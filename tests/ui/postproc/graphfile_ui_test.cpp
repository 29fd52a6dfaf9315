// Graph files as a user keeps them: a graph made by the link, formatted through its dialogs,
// saved, everything closed, and the graph opened again from the File menu, from the recent
// files and from the welcome dialog, each time looking exactly as it did.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"
#include "resources/dialog_ids.h"
#include "resources/format_dialog_ids.h"
#include "screen_image.h"
#include "stored_settings.h"
#include "wait.h"
#include "shell/commands.h"
#include "paths.h"

namespace {

const int kWait = 20000;
const int kFileName = 0x47c, kFilterList = 0x470;   // the common file dialogs' boxes

bool same_pixels(const ScreenImage &a, const ScreenImage &b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

class GraphFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ulmo-Software");
    set_number("DisplayWelcome", 0);
    graph_file = windows_path(scratch_host_path("scenario"));   // the save adds ".upg"
    remove(scratch_host_path("scenario.upg").c_str());
  }
  void TearDown() override { end_program(program); }

  void start(const std::string &arguments) {
    ASSERT_TRUE(start_program(windows_path(ULMOGPP), arguments, program));
    frame = wait_for_window(program, "AppFrame", "Ulmo-Postprocessor", kWait);
    ASSERT_NE(frame, nullptr);
    client = find_child(frame, "MDIClient");
    ASSERT_NE(client, nullptr);
  }
  void stop() {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(wait_for_exit(program, kWait), 0);
  }
  bool settled() { return wait_for_posted_messages(frame, kWait); }
  void command(int id) {
    PostMessageA(frame, WM_COMMAND, id, 0);
    settled();
  }
  HWND dialog(const char *title) { return wait_for_window(program, "#32770", title, kWait); }
  static void click(HWND dialog, int id) { send_message(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

  // The graph window the program shows now, maximized so that every opening draws it at the
  // same size; none when it has none.
  HWND shown_graph() {
    HWND g = wait_for_child_window(client, "ChildGraph", kWait);
    if (!g) return nullptr;
    send_message(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(g), 0);
    settled();
    wait_for_posted_messages(g, kWait);
    return g;
  }
  ScreenImage picture(HWND g, const char *name) {
    EXPECT_TRUE(save_screenshot(g, RGB(255, 255, 255), scratch_host_path(name)));
    RECT area;
    GetClientRect(g, &area);
    MapWindowPoints(g, nullptr, reinterpret_cast<POINT *>(&area), 2);
    return capture_screen(area);
  }
  void choose_file(HWND box, const std::string &path) {
    ASSERT_NE(box, nullptr);
    set_window_text(GetDlgItem(box, kFileName), path.c_str());
    press_button(box, IDOK);
    EXPECT_TRUE(wait_until_destroyed(box, kWait));
    settled();
  }

  // v(in) of the transient sample by the link.
  HWND linked_graph() {
    Program link{};
    EXPECT_TRUE(start_program(windows_path(ULMOLINK), "-5 \"" + sample_path("amplifier-transient.out") + ";1\"", link));
    EXPECT_EQ(wait_for_exit(link, kWait), 0);
    return shown_graph();
  }
  // Saves the active graph into the scenario's file and returns what the file holds.
  std::string saved_graph_file() {
    command(kCmdSaveGraphFile);
    choose_file(dialog("Save As"), graph_file);
    FILE *f = fopen(scratch_host_path("scenario.upg").c_str(), "rb");
    if (!f) return "<not saved>";
    std::string text;
    char block[4096];
    for (size_t n; (n = fread(block, 1, sizeof block, f)) > 0;) text.append(block, n);
    fclose(f);
    return text;
  }
  // The linked graph, then page view, a manual y maximum with the grid, bold x labels with
  // three decimals, and a bordered text block.
  HWND formatted_graph() {
    HWND g = linked_graph();
    if (!g) return nullptr;
    command(kCmdViewPrintLayout);

    command(kCmdFormatYAxis);
    HWND axis = dialog("Format Y-Axis");
    EXPECT_NE(axis, nullptr);
    click(axis, IDC_AXIS_AUTO_MAX);
    set_control_text(axis, IDC_AXIS_MAX, "2");
    click(axis, IDC_AXIS_DISPLAY_GRID);
    press_button(axis, IDOK);
    EXPECT_TRUE(wait_until_destroyed(axis, kWait));

    command(kCmdFormatXLabel);
    HWND label = dialog("Format X-Axis Label");
    EXPECT_NE(label, nullptr);
    click(label, IDC_LABEL_BOLD);
    set_control_text(label, IDC_LABEL_DIGITS, "3");
    press_button(label, IDOK);
    EXPECT_TRUE(wait_until_destroyed(label, kWait));

    command(kCmdAddText);
    RECT r;
    GetClientRect(g, &r);
    POINT at{r.right / 3, r.bottom / 3};
    PostMessageA(g, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(g, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    HWND text = dialog("Format Text");
    EXPECT_NE(text, nullptr);
    set_control_text(text, IDC_TEXT_EDIT, "kept in the graph file");
    click(text, IDC_BORDER);
    press_button(text, IDOK);
    EXPECT_TRUE(wait_until_destroyed(text, kWait));
    // A click beside the page drops the block's selection, which a reopened graph lacks.
    PostMessageA(g, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(g, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    settled();
    wait_for_posted_messages(g, kWait);
    return g;
  }

  Program program{};
  HWND frame = nullptr, client = nullptr;
  std::string graph_file;
};

TEST_F(GraphFiles, SavedAndOpenedFromTheMenuTheRecentFilesAndTheWelcome) {
  start("/x");
  HWND g = formatted_graph();
  ASSERT_NE(g, nullptr);
  ScreenImage made = picture(g, "graphfile-made.bmp");

  command(kCmdSaveGraphFile);
  HWND save = dialog("Save As");
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(send_message(GetDlgItem(save, kFilterList), CB_GETCOUNT, 0, 0), 2);
  choose_file(save, graph_file);
  const std::string saved = graph_file + ".upg";
  FILE *f = fopen(scratch_host_path("scenario.upg").c_str(), "rb");
  ASSERT_NE(f, nullptr) << "the save wrote no " << scratch_host_path("scenario.upg");
  fclose(f);

  command(kCmdCloseAll);
  ASSERT_TRUE(wait_until_no_child_window(client, "ChildGraph", kWait));
  command(kCmdOpenGraphFile);
  HWND open = dialog("Open");
  ASSERT_NE(open, nullptr);
  choose_file(open, saved);
  g = shown_graph();
  ASSERT_NE(g, nullptr);
  EXPECT_TRUE(same_pixels(picture(g, "graphfile-from-menu.bmp"), made));
  std::vector<MenuItemReport> menu = read_menu(frame);
  const MenuItemReport *recent = find_menu_item(menu, kCmdRecentFile1);
  ASSERT_NE(recent, nullptr);
  EXPECT_EQ(recent->text, saved);

  command(kCmdCloseAll);
  command(kCmdRecentFile1);
  g = shown_graph();
  ASSERT_NE(g, nullptr);
  EXPECT_TRUE(same_pixels(picture(g, "graphfile-from-recent.bmp"), made));
  stop();
  EXPECT_EQ(stored("LastGraph"), saved);
  EXPECT_EQ(stored("File1"), saved);

  // The next run offers the last graph in its welcome dialog.
  set_number("DisplayWelcome", 1);
  start("");
  HWND welcome = dialog("Welcome to Ulmo-Postprocessor");
  ASSERT_NE(welcome, nullptr);
  ASSERT_TRUE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_LAST_GRAPH)));
  click(welcome, IDC_WELCOME_LAST_GRAPH);
  press_button(welcome, IDOK);
  g = shown_graph();
  ASSERT_NE(g, nullptr);
  EXPECT_TRUE(same_pixels(picture(g, "graphfile-from-welcome.bmp"), made));
}

// A spectrum has no expression a graph file could keep: the save names it as left out, and
// the file, which holds no trace, opens with the message that says so instead of an empty graph.
TEST_F(GraphFiles, ASpectrumIsNamedAsLeftOutAndItsFileOpensWithAMessage) {
  start("/x");
  Program link{};
  ASSERT_TRUE(start_program(windows_path(ULMOLINK), "-5 \"" + sample_path("amplifier-transient.out") + ";1\"", link));
  EXPECT_EQ(wait_for_exit(link, kWait), 0);
  ASSERT_NE(shown_graph(), nullptr);
  command(kCmdAddNormalizedFftPlot);
  HWND fft = dialog("Add FFT Plot");
  ASSERT_NE(fft, nullptr);
  press_button(fft, IDOK);
  ASSERT_TRUE(wait_until_destroyed(fft, kWait));
  HWND spectrum = nullptr;
  ASSERT_TRUE(wait_until([&] {
    spectrum = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    return spectrum && window_text(spectrum).rfind("FFT(", 0) == 0;
  }, kWait)) << "the active window is \"" << (spectrum ? window_text(spectrum) : std::string()) << "\"";
  const std::string title = window_text(spectrum);

  command(kCmdSaveGraphFile);
  choose_file(dialog("Save As"), graph_file);
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr) << "waited for a message box after the save; the active window is \""
                          << window_text(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0))) << "\"";
  EXPECT_EQ(message_box_text(box),
            "These traces have no expression of the data file and were left out of the graph file: " + title);
  press_button(box, IDOK);
  ASSERT_TRUE(wait_until_destroyed(box, kWait));
  settled();

  command(kCmdCloseAll);
  ASSERT_TRUE(wait_until([&] { return FindWindowExA(client, nullptr, "ChildGraph", nullptr) == nullptr; }, kWait));
  command(kCmdOpenGraphFile);
  choose_file(dialog("Open"), graph_file + ".upg");
  box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr) << "waited for a message box on opening a graph file without traces; a graph window "
                          << (FindWindowExA(client, nullptr, "ChildGraph", nullptr) ? "opened" : "did not open");
  EXPECT_EQ(message_box_text(box), "No specification of traces found in the graph file!");
  press_button(box, IDOK);
  ASSERT_TRUE(wait_until_destroyed(box, kWait));
  settled();
  EXPECT_EQ(FindWindowExA(client, nullptr, "ChildGraph", nullptr), nullptr);
}

// A text block that Add Text has just placed goes again when its dialog is cancelled: no
// window of it is left on the graph, and the saved graph file has no text block.
TEST_F(GraphFiles, ANewTextBlockWhoseDialogIsCancelledIsNeitherShownNorSaved) {
  start("/x");
  HWND g = linked_graph();
  ASSERT_NE(g, nullptr);
  auto text_windows = [&] {
    std::vector<HWND> found;
    for (HWND c = FindWindowExA(g, nullptr, "Text", nullptr); c; c = FindWindowExA(g, c, "Text", nullptr))
      found.push_back(c);
    return found;
  };
  const std::vector<HWND> labels = text_windows();
  ASSERT_EQ(labels.size(), 1u);
  command(kCmdAddText);
  RECT r;
  GetClientRect(g, &r);
  PostMessageA(g, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 3, r.bottom / 3));
  PostMessageA(g, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 3, r.bottom / 3));
  HWND text = dialog("Format Text");
  ASSERT_NE(text, nullptr);
  press_button(text, IDCANCEL);
  ASSERT_TRUE(wait_until_destroyed(text, kWait));
  ASSERT_TRUE(settled());
  EXPECT_EQ(text_windows(), labels);
  const std::string saved = saved_graph_file();
  EXPECT_NE(saved.find("[trace1]"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("[textblock"), std::string::npos) << saved;
}

// A recent graph file that is gone is told and leaves the list; one whose data file is gone
// asks, and No leaves the graph file in the list and the program as it was.
TEST_F(GraphFiles, RecentGraphFilesThatNoLongerOpen) {
  start("/x");
  ASSERT_NE(formatted_graph(), nullptr);
  command(kCmdSaveGraphFile);
  choose_file(dialog("Save As"), graph_file);
  const std::string saved = graph_file + ".upg";
  // Opened once, it is a recent file.
  command(kCmdCloseAll);
  command(kCmdOpenGraphFile);
  choose_file(dialog("Open"), saved);
  ASSERT_NE(shown_graph(), nullptr);
  stop();

  // The data file moves away: the graph file names a file that is not there.
  std::string text;
  {
    FILE *in = fopen(scratch_host_path("scenario.upg").c_str(), "rb");
    ASSERT_NE(in, nullptr) << "the save wrote no " << scratch_host_path("scenario.upg");
    char buffer[65536];
    size_t n = fread(buffer, 1, sizeof buffer, in);
    fclose(in);
    text.assign(buffer, n);
  }
  size_t at = text.find("DataFile=");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, text.find("\r\n", at) - at, "DataFile=moved-away.out");
  FILE *out = fopen(scratch_host_path("scenario.upg").c_str(), "wb");
  fwrite(text.data(), 1, text.size(), out);
  fclose(out);

  start("/x");
  command(kCmdRecentFile1);
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box),
            "Could not find data file moved-away.out that is referenced in the graph file. Do you "
            "want to browse for a data file?");
  press_button(box, IDNO);
  ASSERT_TRUE(wait_until_destroyed(box, kWait));
  settled();
  EXPECT_EQ(FindWindowExA(client, nullptr, "ChildGraph", nullptr), nullptr);
  const MenuItemReport *recent = nullptr;
  std::vector<MenuItemReport> menu = read_menu(frame);
  recent = find_menu_item(menu, kCmdRecentFile1);
  ASSERT_NE(recent, nullptr);
  EXPECT_EQ(recent->text, saved);

  remove(scratch_host_path("scenario.upg").c_str());
  command(kCmdRecentFile1);
  box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Can't open the file '" + saved + "'");
  press_button(box, IDOK);
  ASSERT_TRUE(wait_until_destroyed(box, kWait));
  settled();
  menu = read_menu(frame);
  EXPECT_EQ(find_menu_item(menu, kCmdRecentFile1), nullptr);
}

}  // namespace
