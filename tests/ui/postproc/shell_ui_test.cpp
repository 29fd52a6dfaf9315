// The frame of ulmogpp.exe as a user works it: the welcome dialog, the menus, recent files
// and settings across runs, the window placement, the link from the simulator.
//
// The program and this driver share one Wine prefix, so the driver reads and seeds the
// program's registry settings directly. Each scenario starts from an empty settings key; a
// program ended by end_program is killed and saves nothing, one closed by WM_CLOSE saves.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driver.h"
#include "stored_settings.h"
#include "host_memory.h"
#include "resources/dialog_ids.h"
#include "shell/commands.h"
#include "paths.h"

namespace {

const int kWait = 20000;
const char kWelcome[] = "Welcome to Ulmo-Postprocessor";

std::string shot(const char *name) { return std::string(ULMO_SCRATCH) + "/" + name; }

bool grayed(const std::vector<MenuItemReport> &menu, int id) {
  const MenuItemReport *item = find_menu_item(menu, id);
  EXPECT_NE(item, nullptr) << "no menu item " << id;
  return item && (item->state & MF_GRAYED);
}

std::string item_text(const std::vector<MenuItemReport> &menu, int id) {
  const MenuItemReport *item = find_menu_item(menu, id);
  return item ? item->text : "<none>";
}

void click(HWND dialog, int id) { send_message(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
bool checked(HWND dialog, int id) { return send_message(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Saves the whole screen once `window` on it shows drawn over its face colour.
testing::AssertionResult screen_shot(HWND window, int face, const char *name) {
  return save_screenshot(window, GetSysColor(face), shot(name), true);
}

class Shell : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ulmo-Software"); }
  void TearDown() override { end_program(program); }

  // Starts the program once the one started before has ended; returns its frame once it is
  // up, and the program is then waiting for input.
  HWND start(const std::string &command_line) {
    frame = status = nullptr;
    EXPECT_TRUE(end_program(program)) << "the program started before does not end";
    if (!start_program(windows_path(ULMOGPP), command_line, program)) return nullptr;
    frame = wait_for_window(program, "AppFrame", "Ulmo-Postprocessor", kWait);
    status = frame ? find_child(frame, "Status") : nullptr;
    return frame;
  }
  HWND dialog(const char *title, int timeout = kWait) { return wait_for_window(program, "#32770", title, timeout); }
  // Closes the frame as the user does, which saves the settings.
  void close() {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_EQ(wait_for_exit(program, kWait), 0);
  }
  void command(int id) { PostMessageA(frame, WM_COMMAND, id, 0); }
  // Whether the modal dialog `window` went away within the time-out: it is destroyed, and its
  // call has returned, after its button's message was handled, not when it was posted.
  static bool gone(HWND window) { return wait_until_destroyed(window, kWait); }
  // The frame's thread has taken everything posted to it so far; a dialog or box that any of
  // it opens exists by then.
  bool settled() { return wait_for_posted_messages(frame, kWait); }

  Program program{};
  HWND frame = nullptr;
  HWND status = nullptr;
};

TEST_F(Shell, WelcomeDialogComesWithAnEmptyCommandLineOnly) {
  ASSERT_NE(start(""), nullptr);
  HWND welcome = dialog(kWelcome);
  ASSERT_NE(welcome, nullptr);
  EXPECT_TRUE(checked(welcome, IDC_WELCOME_EXISTING_GRAPH));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_LAST_GRAPH)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_LAST_DATA_FILE)));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_EXISTING_DATA_FILE)));
  EXPECT_TRUE(screen_shot(welcome, COLOR_BTNFACE, "welcome.bmp"));
  press_button(welcome, IDCANCEL);
  EXPECT_TRUE(gone(welcome));
  EXPECT_EQ(window_text(status), "Data File: None");
  ASSERT_TRUE(settled());
  EXPECT_EQ(find_any_window(program, "#32770", nullptr), nullptr);

  // The welcome would open before the message loop runs; a marker posted to the frame is
  // taken by the welcome's loop or by the main one, so by then a welcome of this program
  // (shown or not yet) would exist. The program started before has ended, so none of its
  // windows is left to be found.
  const std::string path = sample_path("amplifier-transient.out");
  for (const std::string &line : {std::string("/x"), path}) {
    ASSERT_NE(start(line), nullptr) << line;
    ASSERT_TRUE(settled()) << line;
    EXPECT_EQ(find_any_window(program, "#32770", kWelcome), nullptr) << line;
  }
  EXPECT_EQ(window_text(status), "Data File: " + path);
}

TEST_F(Shell, WelcomeExistingDataFileOpensTheDialogAndTheFileBecomesRecent) {
  std::string path = sample_path("filter-ac.out");
  ASSERT_NE(start(""), nullptr);
  HWND welcome = dialog(kWelcome);
  ASSERT_NE(welcome, nullptr);
  click(welcome, IDC_WELCOME_EXISTING_DATA_FILE);
  press_button(welcome, IDOK);
  HWND open = dialog("Open");
  ASSERT_NE(open, nullptr);
  // The first filter of string 800 is chosen; the pattern "*.out" went into the list. Raw
  // files of ngspice come last.
  HWND filter = GetDlgItem(open, 0x470);
  EXPECT_EQ(send_message(filter, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(send_message(filter, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(listed_text(filter, 2), "ngspice Raw Files(*.raw)");
  set_window_text(GetDlgItem(open, 0x47c), path.c_str());   // the file-name box
  press_button(open, IDOK);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
  std::vector<MenuItemReport> menu = read_menu(frame);
  EXPECT_EQ(item_text(menu, 10010), path);
  close();
  EXPECT_EQ(stored("File1"), path);
  EXPECT_EQ(stored("File2"), "");
  EXPECT_EQ(stored("LastDataFile"), path);
  EXPECT_EQ(stored("DisplayWelcome"), "1");

  // The next run has it in the File menu, and choosing it opens it.
  ASSERT_NE(start("/x"), nullptr);
  menu = read_menu(frame);
  EXPECT_EQ(item_text(menu, 10010), path);
  EXPECT_EQ(find_menu_item(menu, 10011), nullptr);
  command(kCmdRecentFile1);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
}

TEST_F(Shell, WelcomeLastDataFileOpensIt) {
  std::string path = sample_path("amplifier-transient.out");
  set_text("LastDataFile", path);
  set_text("LastGraph", scratch_windows_path("last.upg"));
  ASSERT_NE(start(""), nullptr);
  HWND welcome = dialog(kWelcome);
  ASSERT_NE(welcome, nullptr);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_LAST_GRAPH)));
  ASSERT_TRUE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_LAST_DATA_FILE)));
  click(welcome, IDC_WELCOME_LAST_DATA_FILE);
  press_button(welcome, IDOK);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
}

TEST_F(Shell, WelcomeExistingGraphAndDoNotDisplayAgain) {
  ASSERT_NE(start(""), nullptr);
  HWND welcome = dialog(kWelcome);
  ASSERT_NE(welcome, nullptr);
  click(welcome, IDC_WELCOME_DONT_SHOW);
  press_button(welcome, IDOK);   // "Open an existing Graph": the graph file's open dialog
  ASSERT_TRUE(gone(welcome));
  HWND open = dialog("Open");
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(send_message(GetDlgItem(open, 0x470), CB_GETCOUNT, 0, 0), 2);
  press_button(open, IDCANCEL);
  ASSERT_TRUE(gone(open));
  ASSERT_TRUE(settled());
  EXPECT_EQ(window_text(status), "Data File: None");
  close();
  EXPECT_EQ(stored("DisplayWelcome"), "0");
  ASSERT_NE(start(""), nullptr);
  ASSERT_TRUE(settled());
  EXPECT_EQ(find_any_window(program, "#32770", kWelcome), nullptr);
  EXPECT_EQ(window_text(status), "Data File: None");
}

TEST_F(Shell, WithSaveSettingsOffTheWelcomeChoiceIsNotKept) {
  set_number("SaveSettings", 0);
  ASSERT_NE(start(""), nullptr);
  HWND welcome = dialog(kWelcome);
  ASSERT_NE(welcome, nullptr);
  click(welcome, IDC_WELCOME_DONT_SHOW);
  press_button(welcome, IDOK);
  ASSERT_TRUE(gone(welcome));
  close();
  EXPECT_EQ(stored("DisplayWelcome"), "<none>");
  EXPECT_EQ(stored("SaveSettings"), "0");
  EXPECT_EQ(stored("File1"), "");
  EXPECT_EQ(stored("WindowPosition"), "<none>");
  ASSERT_NE(start(""), nullptr);
  EXPECT_NE(dialog(kWelcome), nullptr);
}

TEST_F(Shell, AFailingRecentFileIsRemoved) {
  std::string missing = scratch_windows_path("gone.out"), present = sample_path("filter-ac.out");
  DeleteFileA(missing.c_str());
  set_text("File1", missing);
  set_text("File3", present);   // the gap is closed when the list is read
  ASSERT_NE(start("/x"), nullptr);
  std::vector<MenuItemReport> menu = read_menu(frame);
  EXPECT_EQ(item_text(menu, 10010), missing);
  EXPECT_EQ(item_text(menu, 10011), present);
  command(kCmdRecentFile1);
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Can't open the file '" + missing + "'");
  press_button(box, IDOK);
  // The box's call has returned once it is destroyed; the menu is read after the command's
  // handler has returned too.
  ASSERT_TRUE(gone(box));
  EXPECT_EQ(window_text(status), "Data File: None");
  menu = read_menu(frame);
  EXPECT_EQ(item_text(menu, 10010), present);
  EXPECT_EQ(find_menu_item(menu, 10011), nullptr);
  close();
  EXPECT_EQ(stored("File1"), present);
  EXPECT_EQ(stored("File2"), "");
}

TEST_F(Shell, RecentFileWithoutExtensionGetsDotOut) {
  std::string base = sample_path("amplifier-transient.out");
  base.resize(base.size() - 4);   // a stored path without its extension
  if (base.find('.') != std::string::npos) GTEST_SKIP() << "the samples' folder has a dot: " << base;
  set_text("File1", base);
  ASSERT_NE(start("/x"), nullptr);
  command(kCmdRecentFile1);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + base + ".out");
}

TEST_F(Shell, MaximizedComesBackMaximizedAndMinimizedComesBackNormal) {
  ASSERT_NE(start("/x"), nullptr);
  ShowWindow(frame, SW_MAXIMIZE);
  ASSERT_TRUE(wait_for_state(frame, "maximized", IsZoomed, kWait));
  close();
  EXPECT_EQ(stored("WindowPosition").substr(0, 4), "0,3,");
  ASSERT_NE(start("/x"), nullptr);
  ASSERT_TRUE(settled());   // the placement is set before the message loop
  EXPECT_TRUE(IsZoomed(frame));
  EXPECT_TRUE(screen_shot(frame, COLOR_APPWORKSPACE, "frame-maximized.bmp"));
  ShowWindow(frame, SW_MINIMIZE);
  ASSERT_TRUE(wait_for_state(frame, "minimized", IsIconic, kWait));
  close();
  // Minimized from maximized: the platform's flags say it would restore maximized.
  EXPECT_EQ(stored("WindowPosition").substr(0, 4), "2,2,");
  ASSERT_NE(start("/x"), nullptr);
  ASSERT_TRUE(settled());
  EXPECT_FALSE(IsIconic(frame));
  EXPECT_FALSE(IsZoomed(frame));
}

TEST_F(Shell, NinePlacementNumbersAreIgnored) {
  set_text("WindowPosition", "0,1,0,0,0,0,100,100,300");
  ASSERT_NE(start("/x"), nullptr);
  RECT r;
  GetWindowRect(frame, &r);
  EXPECT_GT(r.right - r.left, 200);   // the default size, not a 200-pixel sliver
}

TEST_F(Shell, MenuEnablingWithoutAndWithData) {
  ASSERT_NE(start("/x"), nullptr);
  std::vector<MenuItemReport> menu = read_menu(frame);
  ASSERT_GT(menu.size(), 40u);
  for (int id : {10002, 10004, 14001, 10009, 10017, 12001, 14003, 14002, 11002, 10016, 15001, 12002})
    EXPECT_TRUE(grayed(menu, id)) << id;
  for (int id : {10001, 10006, 10015, 13007, 17001, 17002}) EXPECT_FALSE(grayed(menu, id)) << id;
  EXPECT_EQ(item_text(menu, 14003), "Show &Cursors\tCtrl+U");

  const std::string amplifier = sample_path("amplifier-transient.out");
  ASSERT_NE(start(amplifier), nullptr);
  ASSERT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + amplifier);
  menu = read_menu(frame);
  for (int id : {10002, 14001, 10009, 10017, 12001}) EXPECT_FALSE(grayed(menu, id)) << id;
  EXPECT_TRUE(grayed(menu, 10004));   // one plot
  EXPECT_TRUE(grayed(menu, 14003));   // no window

  // An operating point is a table plot: no Add Plot.
  const std::string operating_point = sample_path("operating-point.out");
  ASSERT_NE(start(operating_point), nullptr);
  ASSERT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + operating_point);
  EXPECT_TRUE(grayed(read_menu(frame), 12001));
}

TEST_F(Shell, SelectCurrentPlotIsOfferedForSeveralPlotsOnly) {
  const std::string amplifier = sample_path("amplifier-transient.out");
  ASSERT_NE(start(amplifier), nullptr);
  ASSERT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + amplifier);
  // It would be offered before the message loop, and for the command before the marker
  // posted after it comes back.
  ASSERT_TRUE(settled());
  EXPECT_EQ(find_any_window(program, "#32770", "Select Current Plot"), nullptr);
  command(kCmdSelectCurrentPlot);   // not with one plot, from the menu key either
  ASSERT_TRUE(settled());
  EXPECT_EQ(find_any_window(program, "#32770", "Select Current Plot"), nullptr);

  ASSERT_NE(start(sample_path("several-plots.out")), nullptr);
  HWND select = dialog("Select Current Plot");
  ASSERT_NE(select, nullptr);
  HWND list = GetDlgItem(select, IDC_PLOT_LIST);
  EXPECT_EQ(send_message(list, LB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(send_message(list, LB_GETCURSEL, 0, 0), 3);   // the last plot is current
  EXPECT_TRUE(screen_shot(select, COLOR_BTNFACE, "select-current-plot.bmp"));
  send_message(list, LB_SETCURSEL, 0, 0);
  press_button(select, IDOK);
  ASSERT_TRUE(gone(select));
  EXPECT_FALSE(grayed(read_menu(frame), 10004));
}

TEST_F(Shell, LinkMessageLoadsTheFileAndEmptiesTheClipboard) {
  std::string path = sample_path("filter-ac.out");
  ASSERT_NE(start("/x"), nullptr);
  Program link{};
  ASSERT_TRUE(start_program(windows_path(ULMOLINK), "-5 \"" + path + ";1,2;db\"", link));
  EXPECT_EQ(wait_for_exit(link, kWait), 0);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  CloseClipboard();
}

TEST_F(Shell, LinkMessageWithAMissingFileStillEmptiesTheClipboard) {
  std::string path = scratch_windows_path("not-there.out");
  ASSERT_NE(start("/x"), nullptr);
  Program link{};
  ASSERT_TRUE(start_program(windows_path(ULMOLINK), "-6 \"" + path + ";1\"", link));
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Can't open the file '" + path + "'");
  press_button(box, IDOK);
  EXPECT_EQ(wait_for_exit(link, kWait), 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  CloseClipboard();
}

TEST_F(Shell, AboutBoxTellsThePhysicalMemory) {
  ASSERT_NE(start("/x"), nullptr);
  command(kCmdAbout);
  HWND about = dialog("About Ulmo-Postprocessor");
  ASSERT_NE(about, nullptr);
  // Against the host's own count, not the call the program makes: within 1 %, which a figure
  // in units of 1024 bytes, or one cut to 32 bits, is not.
  const std::string figure = window_text(GetDlgItem(about, 301));
  const double host_kilobytes = host_physical_memory() / 1000.0;
  ASSERT_GT(host_kilobytes, 0) << "the host's memory size cannot be read";
  const long long shown = kilobytes_shown(figure);
  ASSERT_GT(shown, 0) << "not \"<digits> KB\": " << figure;
  EXPECT_NEAR(static_cast<double>(shown), host_kilobytes, host_kilobytes / 100) << figure;
  EXPECT_EQ(window_text(GetDlgItem(about, 302)), "");
  EXPECT_TRUE(screen_shot(about, COLOR_BTNFACE, "about.bmp"));
  press_button(about, IDOK);
  EXPECT_TRUE(gone(about));
}

TEST_F(Shell, MenusAndPreferencesAsTheUserSeesThem) {
  const std::string amplifier = sample_path("amplifier-transient.out");
  ASSERT_NE(start(amplifier), nullptr);
  ASSERT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + amplifier);
  SetForegroundWindow(frame);
  PostMessageA(frame, WM_SYSCOMMAND, SC_KEYMENU, 'f');
  HWND file_menu = wait_for_window(program, "#32768", nullptr, kWait);   // the open popup
  ASSERT_NE(file_menu, nullptr);
  EXPECT_TRUE(screen_shot(file_menu, COLOR_MENU, "menu-file.bmp"));
  PostMessageA(frame, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(frame, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(frame, WM_CANCELMODE, 0, 0);
  ASSERT_TRUE(settled());
  ASSERT_TRUE(wait_until_gone(file_menu, kWait));
  command(kCmdPreferences);
  HWND preferences = dialog("Preferences");
  ASSERT_NE(preferences, nullptr);
  EXPECT_TRUE(screen_shot(preferences, COLOR_BTNFACE, "preferences.bmp"));
  press_button(preferences, IDCANCEL);
  EXPECT_TRUE(gone(preferences));
}

TEST_F(Shell, HelpWithoutItsFileLeavesTheProgramRunning) {
  ASSERT_NE(start("/x"), nullptr);
  command(kCmdHelpContents);
  ASSERT_TRUE(settled());
  EXPECT_EQ(find_any_window(program, "#32770", nullptr), nullptr);
  close();
}

TEST_F(Shell, FormatCommandsOpenTheirDialogsOverTheActiveGraph) {
  std::string path = sample_path("filter-ac.out");
  ASSERT_NE(start("/x"), nullptr);
  Program link{};
  ASSERT_TRUE(start_program(windows_path(ULMOLINK), "-5 \"" + path + ";1,2;db\"", link));
  EXPECT_EQ(wait_for_exit(link, kWait), 0);
  HWND client = find_child(frame, "MDIClient");
  ASSERT_NE(client, nullptr);
  ASSERT_TRUE(wait_for_child_window(client, "ChildGraph", kWait) != nullptr);
  const struct {
    int command;
    const char *title;
  } formats[] = {
      {13001, "Format X-Axis"},       {13002, "Format Y-Axis"},       {13003, "Format X-Axis Label"},
      {13004, "Format Y-Axis Label"}, {13005, "Format X-Axis Title"}, {13006, "Format Y-Axis Title"},
  };
  for (const auto &format : formats) {
    command(format.command);
    HWND shown = dialog(format.title);
    ASSERT_NE(shown, nullptr) << format.title;
    // OK with what the dialog shows changes nothing and lays the graph out again.
    press_button(shown, IDOK);
    EXPECT_TRUE(gone(shown)) << format.title;
  }
  ASSERT_TRUE(settled());
  EXPECT_EQ(find_any_window(program, "#32770", nullptr), nullptr);
  close();
}

}  // namespace
