// CorvexIV.exe as a user sees it, each scenario in a Wine prefix of its own: the licence
// gate, a fresh install, an update over it, the predecessor's clean-up, the Start Menu
// fallback, the folder browser's status, cancelling during extraction and the stand-in's
// "-uninstall".
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "componentdb/documents.h"
#include "installer_driver.h"

namespace fs = std::filesystem;

namespace {

const int kWait = 30000;
const char kCaption[] = "Corvex IV Installation";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kUninstallEntry[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvex IV";

enum {
  kLicence = 1000, kDirectory = 1001, kBrowse = 1002, kAccept = 1003, kDecline = 1004,
  kDirectoryLabel = 1005, kStatus = 1006, kInstallNow = 1007, kTitle = 1008,
  kOverwrite = 1010, kUpdate = 1011,
};

std::string scratch(const std::string &name) { return windows_path(std::string(CORVEX_UI_SCRATCH) + "/" + name); }

void screenshot(HWND window, const char *name) {
  EXPECT_TRUE(save_screenshot(window, GetSysColor(COLOR_BTNFACE), std::string(CORVEX_UI_SCRATCH) + "/" + name));
}

// Whether all these controls of the dialog are enabled, or all disabled, within the time-out.
bool controls_become(HWND dialog, std::initializer_list<int> ids, bool enabled) {
  return wait_for_controls(dialog, ids, enabled, kWait);
}

// The suite as built: the committed tree, the generated databases and the stand-ins.
std::map<std::string, std::string> sample_suite() {
  std::map<std::string, std::string> files;
  for (auto &e : fs::recursive_directory_iterator(CORVEX_SAMPLE_TREE))
    if (e.is_regular_file()) {
      std::string rel = fs::relative(e.path(), CORVEX_SAMPLE_TREE).generic_string();
      for (char &c : rel)
        if (c == '/') c = '\\';
      files[rel] = read_file(e.path().string());
    }
  for (const char *ext : {"cap", "res", "ind", "bead"})
    files[std::string("lib\\cmp\\standard.") + ext] =
        read_file(std::string(CORVEX_SAMPLE_DATABASE_DIR) + "\\standard." + ext);
  for (const char *exe : {"tesl3.exe", "moveexe.exe", "unlink.exe"})
    files[exe] = read_file(std::string(CORVEX_STANDIN_DIR) + "\\" + exe);
  return files;
}

class Installer : public ::testing::Test {
 protected:
  void TearDown() override {
    end_program(program);
    end_program(other);
  }

  HWND start() {
    if (!start_program(windows_path(CORVEXIV), "", program)) return nullptr;
    dialog = wait_for_dialog(program, kCaption, nullptr, kWait);
    return dialog;
  }

  // Accept, once the directory controls are open type the directory, "Install Now".
  void begin_install(const std::string &directory) {
    accept();
    set_control_text(dialog, kDirectory, directory);
    press_button(dialog, kInstallNow);
  }

  void accept() {
    press_button(dialog, kAccept);
    EXPECT_TRUE(controls_become(dialog, {kDirectory, kInstallNow}, true)) << "Accept opens no directory controls";
  }

  // The next box of the program besides the install dialog; its text, after pressing OK.
  std::string answer_message_box() {
    HWND box = wait_for_dialog(program, kCaption, dialog, kWait);
    if (!box) return "<no message box>";
    std::string text = unified(message_box_text(box));
    press_button(box, IDOK);
    EXPECT_TRUE(wait_until_gone(box, kWait)) << "the box stays after OK: " << text;
    return text;
  }

  // A complete overwrite install into a new directory; returns the success message.
  std::string install_fresh(const std::string &directory) {
    if (!start()) return "<no dialog>";
    begin_install(directory);
    std::string text = answer_message_box();
    EXPECT_EQ(wait_for_exit(program, kWait), 0);
    return text;
  }

  // Installs over an existing installation, answering the update dialog.
  std::string install_again(const std::string &directory, bool update, HWND *update_dialog_seen = nullptr) {
    if (!start()) return "<no dialog>";
    begin_install(directory);
    HWND ask = wait_for_dialog(program, "Overwrite or Update?", nullptr, kWait);
    if (update_dialog_seen) *update_dialog_seen = ask;
    if (!ask) return "<no update dialog>";
    EXPECT_EQ(send_message(GetDlgItem(ask, kOverwrite), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(control_enabled(dialog, kAccept));
    EXPECT_FALSE(control_enabled(dialog, IDCANCEL));
    if (update) {
      screenshot(ask, "update-dialog.bmp");
      click_control(ask, kUpdate);
    }
    press_button(ask, IDOK);
    EXPECT_TRUE(wait_until_gone(ask, kWait));
    std::string text = answer_message_box();
    EXPECT_EQ(wait_for_exit(program, kWait), 0);
    return text;
  }

  std::string folder(const char *value) { return read_string(HKEY_CURRENT_USER, kShellFolders, value); }

  // What the simulator's stand-in records when the installer starts it from `dir`.
  static std::string installer_start(const std::string &dir) {
    return "command line: \"" + dir + "\\tesl3.exe\"\r\nworking directory: " + dir + "\r\n";
  }
  // The installer starts the simulator last, after it has ended itself: whether its stand-in
  // has run, its record written whole (it may be missing, or not whole, at first).
  static bool simulator_started(const std::string &dir) {
    const std::string record = dir + "\\tesl3.started";
    return wait_until([&] { return read_file(record) == installer_start(dir); }, kWait,
                      "the installer's start of the stand-in recorded in " + record,
                      [&] { return "in it " + ::testing::PrintToString(read_file(record)); });
  }

  Program program{};
  Program other{};
  HWND dialog = nullptr;
};

TEST_F(Installer, LicenceGatesTheDirectoryControls) {
  ASSERT_NE(start(), nullptr);
  EXPECT_EQ(dialog_item_text(dialog, kTitle), "Installs Corvex IV Version 4.12k");
  std::string licence = dialog_item_text(dialog, kLicence);
  EXPECT_EQ(licence.rfind("Corvex IV License Agreement\r\n", 0), 0u) << licence.substr(0, 40);
  EXPECT_EQ(dialog_item_text(dialog, kDirectory), "C:\\Program Files\\HVX\\CorvexIV");
  EXPECT_EQ(dialog_item_text(dialog, kDirectoryLabel), "Installation Directory:");
  EXPECT_EQ(dialog_item_text(dialog, kStatus), "");
  for (int id : {kDirectoryLabel, kDirectory, kBrowse, kInstallNow}) EXPECT_FALSE(control_enabled(dialog, id)) << id;
  for (int id : {int(kAccept), int(kDecline), IDCANCEL}) EXPECT_TRUE(control_enabled(dialog, id)) << id;
  screenshot(dialog, "install-reading.bmp");

  // A disabled "Install Now" does nothing, even when its command arrives: once the dialog
  // has taken it, no other dialog or box exists, not even one not yet shown.
  press_button(dialog, kInstallNow);
  ASSERT_TRUE(wait_for_posted_messages(dialog, kWait));
  EXPECT_EQ(program_dialogs(program, false), std::vector<HWND>{dialog});

  // Typed characters are sent, so they have been handled when type_into returns.
  type_into(GetDlgItem(dialog, kLicence), "I agree to anything");
  EXPECT_EQ(dialog_item_text(dialog, kLicence), licence);

  press_button(dialog, kAccept);
  EXPECT_TRUE(controls_become(dialog, {kDirectoryLabel, kDirectory, kBrowse, kInstallNow, kAccept, kDecline}, true));
  for (int id : {kDirectoryLabel, kDirectory, kBrowse, kInstallNow, kAccept, kDecline})
    EXPECT_TRUE(control_enabled(dialog, id)) << id;
  screenshot(dialog, "install-ready.bmp");
  // Typing reaches an edit box this way: the licence box above really was typed into.
  send_message(GetDlgItem(dialog, kDirectory), EM_SETSEL, 0, -1);
  type_into(GetDlgItem(dialog, kDirectory), "D:\\X");
  EXPECT_EQ(dialog_item_text(dialog, kDirectory), "D:\\X");

  // A directory that can't be made is reported and the dialog stays ready.
  set_control_text(dialog, kDirectory, "Q:\\nowhere\\CorvexIV");
  press_button(dialog, kInstallNow);
  HWND refused = wait_for_dialog(program, "Directory Not Found", nullptr, kWait);
  ASSERT_NE(refused, nullptr);
  EXPECT_EQ(unified(message_box_text(refused)),
            "Could not create directory \"Q:\\nowhere\\CorvexIV\"\nPlease choose another location");
  press_button(refused, IDOK);
  // Once the box is destroyed its call has returned; the marker then comes back only after
  // the dialog's handler has.
  ASSERT_TRUE(wait_until_destroyed(refused, kWait));
  ASSERT_TRUE(wait_for_posted_messages(dialog, kWait));
  EXPECT_TRUE(control_enabled(dialog, kInstallNow));
  EXPECT_EQ(dialog_item_text(dialog, kDirectory), "Q:\\nowhere\\CorvexIV");

  // Ready -> reading, the program goes on: had Decline ended the dialog, the marker posted
  // after it would never be taken.
  press_button(dialog, kDecline);
  ASSERT_TRUE(wait_for_posted_messages(dialog, kWait));
  EXPECT_EQ(wait_for_exit(program, 0), -1);
  EXPECT_TRUE(IsWindowVisible(dialog));
  for (int id : {kDirectoryLabel, kDirectory, kBrowse, kInstallNow}) EXPECT_FALSE(control_enabled(dialog, id)) << id;

  press_button(dialog, kDecline);  // in reading it ends the program
  EXPECT_EQ(wait_for_exit(program, kWait), 0);
}

TEST_F(Installer, FreshInstallIntoANewDirectory) {
  const std::string dir = "C:\\Corvex Test\\HVX\\CorvexIV";
  ASSERT_FALSE(directory_exists(dir));
  for (const char *name : {"desktop.lnk", "startmenu.lnk", "expected.txt"})
    DeleteFileA(scratch(std::string("links\\") + name).c_str());  // no earlier run's files to read
  ASSERT_NE(start(), nullptr);
  begin_install(dir);
  HWND box = wait_for_dialog(program, kCaption, dialog, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(wait_for_dialog(program, "Overwrite or Update?", nullptr, 0), nullptr);
  EXPECT_EQ(unified(message_box_text(box)), "Corvex IV has been successfully installed");
  press_button(box, IDOK);
  EXPECT_EQ(wait_for_exit(program, kWait), 0);

  std::map<std::string, std::string> suite = sample_suite();
  size_t installed = 0;
  for (auto &e : fs::recursive_directory_iterator(dir))
    if (e.is_regular_file()) {
      std::string rel = fs::relative(e.path(), dir).string();
      if (rel == "uninstall.info" || rel == "tesl3.started") continue;
      ASSERT_EQ(suite.count(rel), 1u) << "not in the suite: " << rel;
      EXPECT_TRUE(read_file(e.path().string()) == suite[rel]) << rel << " differs";
      ++installed;
    }
  EXPECT_EQ(installed, suite.size());
  for (const char *name : {"cap", "diode", "polcap", "schottky", "varactor", "zener"})
    EXPECT_TRUE(is_read_only(dir + "\\lib\\sym\\" + name + ".asy")) << name;
  EXPECT_FALSE(is_read_only(dir + "\\lib\\sym\\res.asy"));

  const std::string desktop_link = folder("Desktop") + "\\Corvex IV.lnk";
  const std::string start_menu_link = folder("Start Menu") + "\\Corvex IV.lnk";
  EXPECT_TRUE(file_exists(desktop_link)) << desktop_link;
  EXPECT_TRUE(file_exists(start_menu_link)) << start_menu_link;
  EXPECT_EQ(read_file(dir + "\\uninstall.info"), "Link:" + desktop_link + "\r\nLink:" + start_menu_link + "\r\n");
  EXPECT_EQ(read_string(HKEY_LOCAL_MACHINE, kUninstallEntry, "DisplayName"), "Corvex IV");
  EXPECT_EQ(read_string(HKEY_LOCAL_MACHINE, kUninstallEntry, "UninstallString"), dir + "\\tesl3.exe -uninstall");

  EXPECT_TRUE(simulator_started(dir));

  // For the outside reader of shortcut files, which runs after this scenario.
  CreateDirectoryA(scratch("links").c_str(), nullptr);
  EXPECT_TRUE(CopyFileA(desktop_link.c_str(), scratch("links\\desktop.lnk").c_str(), FALSE));
  EXPECT_TRUE(CopyFileA(start_menu_link.c_str(), scratch("links\\startmenu.lnk").c_str(), FALSE));
  write_file(scratch("links\\expected.txt"), dir + "\n");
}

TEST_F(Installer, SecondInstallUpdatesOrOverwrites) {
  const std::string dir = "C:\\HVX\\CorvexIV";
  ASSERT_EQ(install_fresh(dir), "Corvex IV has been successfully installed");
  std::string windir;
  char buffer[MAX_PATH];
  ASSERT_GT(GetEnvironmentVariableA("WINDIR", buffer, MAX_PATH), 0u);
  windir = buffer;
  const std::string settings = windir + "\\tesl3.ini";
  write_file(settings, "[Options]\r\nuser=1\r\n");

  // The user's own parts, added after the first installation.
  const std::string bjt = dir + "\\lib\\cmp\\standard.bjt";
  const std::string shipped_bjt = read_file(bjt);
  write_file(bjt, shipped_bjt + ".model MY_NPN NPN(Bf=77 Is=1f)\r\n");
  const std::string cap = dir + "\\lib\\cmp\\standard.cap";
  CCapacitorDoc capacitors;
  ASSERT_TRUE(load_document(capacitors, cap));
  const size_t shipped_count = capacitors.records.size();
  CCapacitorRec mine;
  mine.manufacturer = "My Lab";
  mine.part_number = "ML-47N";
  mine.kind = "C0G";
  mine.value[0] = 47e-9f;
  mine.value[1] = 50;
  capacitors.records.push_back(mine);
  ASSERT_TRUE(save_document(capacitors, cap));
  const std::string user_cap = read_file(cap);

  HWND asked = nullptr;
  EXPECT_EQ(install_again(dir, true, &asked), "Corvex IV has been successfully updated");
  EXPECT_NE(asked, nullptr);
  EXPECT_NE(read_file(bjt).find(".model MY_NPN NPN(Bf=77 Is=1f)"), std::string::npos);
  EXPECT_EQ(read_file(bjt + ".bak"), shipped_bjt + ".model MY_NPN NPN(Bf=77 Is=1f)\r\n");
  EXPECT_EQ(read_file(cap + ".bak"), user_cap);
  CCapacitorDoc merged;
  ASSERT_TRUE(load_document(merged, cap));
  EXPECT_EQ(merged.records.size(), shipped_count + 1);
  bool found = false;
  for (const CCapacitorRec &r : merged.records) found = found || (r.part_number == "ML-47N" && r.manufacturer == "My Lab");
  EXPECT_TRUE(found) << "the user's capacitor survives the merge";
  for (const char *ext : {"mos", "jft", "dio", "res", "ind", "bead"})
    EXPECT_TRUE(file_exists(dir + "\\lib\\cmp\\standard." + ext + ".bak")) << ext;
  EXPECT_EQ(read_file(settings), "[Options]\r\nuser=1\r\n") << "an update keeps the settings";

  EXPECT_EQ(install_again(dir, false), "Corvex IV has been successfully installed");
  EXPECT_FALSE(file_exists(settings)) << "overwriting starts from default settings";
  EXPECT_EQ(read_file(bjt), shipped_bjt) << "overwriting replaces the user's library";
}

TEST_F(Installer, RemovesWhatThePredecessorLeft) {
  const std::string programs = read_string(HKEY_LOCAL_MACHINE,
                                           "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                           "Common Programs");
  ASSERT_NE(programs, "<none>");
  write_file(programs + "\\Tessal CAD III\\TesCAD III.lnk", "old shortcut");
  const std::string company = "Software\\Halvex Corporation";
  write_string(HKEY_LOCAL_MACHINE, company + "\\Tessal CAD III\\1.0", "Path", "C:\\TCAD3");
  write_string(HKEY_LOCAL_MACHINE, company + "\\Other Product\\2.0", "Path", "C:\\Other");
  const std::string uninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  write_string(HKEY_LOCAL_MACHINE, uninstall + "\\Tessal CAD III", "DisplayName", "Tessal CAD III");
  // A stale type naming the simulator in capitals, one of another program, one ShellNew type.
  write_string(HKEY_CLASSES_ROOT, "Asy.Document\\DefaultIcon", nullptr, "C:\\TCAD3\\TESL3.EXE,0");
  write_string(HKEY_CLASSES_ROOT, "Asy.Document\\shell\\open\\command", nullptr, "C:\\TCAD3\\TESL3.EXE \"%1\"");
  write_string(HKEY_CLASSES_ROOT, "Asy.Document\\shell\\open\\ddeexec\\Application", nullptr, "TESL3");
  write_string(HKEY_CLASSES_ROOT, "Net.Document\\DefaultIcon", nullptr, "C:\\Editor\\netedit.exe,1");
  write_string(HKEY_CLASSES_ROOT, "ACS.Document", nullptr, "Corvex Schematic");
  write_string(HKEY_CLASSES_ROOT, "ACS.Document\\ShellNew", "NullFile", "");

  ASSERT_EQ(install_fresh("C:\\HVX\\CorvexIV"), "Corvex IV has been successfully installed");
  EXPECT_FALSE(file_exists(programs + "\\Tessal CAD III\\TesCAD III.lnk"));
  EXPECT_FALSE(directory_exists(programs + "\\Tessal CAD III"));
  EXPECT_FALSE(key_exists(HKEY_LOCAL_MACHINE, company + "\\Tessal CAD III"));
  EXPECT_TRUE(key_exists(HKEY_LOCAL_MACHINE, company + "\\Other Product\\2.0")) << "another product's key survives";
  EXPECT_FALSE(key_exists(HKEY_LOCAL_MACHINE, uninstall + "\\Tessal CAD III"));
  EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, "Asy.Document"));
  EXPECT_EQ(read_string(HKEY_CLASSES_ROOT, "Net.Document\\DefaultIcon", nullptr), "C:\\Editor\\netedit.exe,1");
  EXPECT_FALSE(key_exists(HKEY_CLASSES_ROOT, "ACS.Document"));
}

TEST_F(Installer, EmptyStartMenuFallsBackToCommonStartMenu) {
  write_string(HKEY_CURRENT_USER, kShellFolders, "Start Menu", "");
  const std::string common = "C:\\Common Menu";
  CreateDirectoryA(common.c_str(), nullptr);
  write_string(HKEY_CURRENT_USER, kShellFolders, "Common Start Menu", common);
  const std::string dir = "C:\\HVX\\CorvexIV";
  ASSERT_EQ(install_fresh(dir), "Corvex IV has been successfully installed");
  EXPECT_TRUE(file_exists(common + "\\Corvex IV.lnk"));
  EXPECT_EQ(read_file(dir + "\\uninstall.info"),
            "Link:" + folder("Desktop") + "\\Corvex IV.lnk\r\nLink:" + common + "\\Corvex IV.lnk\r\n");
}

TEST_F(Installer, FolderBrowserCutsTheStatusAt35Characters) {
  const std::string path = "C:\\Programs\\Simulation\\Circuits\\CorvexIV";  // 40 characters
  ASSERT_EQ(path.size(), 40u);
  CreateDirectoryA("C:\\Programs", nullptr);
  CreateDirectoryA("C:\\Programs\\Simulation", nullptr);
  CreateDirectoryA("C:\\Programs\\Simulation\\Circuits", nullptr);
  CreateDirectoryA(path.c_str(), nullptr);
  ASSERT_NE(start(), nullptr);
  accept();
  set_control_text(dialog, kDirectory, path);
  press_button(dialog, kBrowse);
  HWND browser = wait_for_dialog(program, nullptr, dialog, kWait);
  ASSERT_NE(browser, nullptr);
  // The status is set once the browser has started; wait for both texts, then check them.
  const std::string prompt = "Select the directory to install Corvex IV", status = path.substr(0, 35) + "...";
  auto shows = [&](const std::string &text) {
    std::vector<std::string> texts = static_texts(browser);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  };
  wait_until([&] { return shows(prompt) && shows(status); }, kWait, "the prompt and the cut status in the browser",
             [&] { return ::testing::PrintToString(static_texts(browser)); });
  EXPECT_TRUE(shows(prompt));
  EXPECT_TRUE(shows(status)) << "statics: " << ::testing::PrintToString(static_texts(browser));
  screenshot(browser, "folder-browser.bmp");
  press_button(browser, IDCANCEL);
  ASSERT_TRUE(wait_until_destroyed(browser, kWait));
  ASSERT_TRUE(wait_for_posted_messages(dialog, kWait));
  EXPECT_EQ(dialog_item_text(dialog, kDirectory), path) << "cancelling the browser keeps the directory";
  press_button(dialog, IDCANCEL);
  EXPECT_EQ(wait_for_exit(program, kWait), 0);
}

TEST_F(Installer, CancelDuringExtractionAsksAndNoFinishes) {
  const std::string dir = "C:\\HVX\\CorvexIV";
  ASSERT_NE(start(), nullptr);
  accept();
  set_control_text(dialog, kDirectory, dir);
  press_button(dialog, kInstallNow);
  press_button(dialog, IDCANCEL);  // queued behind "Install Now": arrives while it is busy
  HWND quit = wait_for_dialog(program, kCaption, dialog, kWait);
  ASSERT_NE(quit, nullptr);
  std::vector<std::string> texts = static_texts(quit);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0], "Reallly Quit installing Corvex IV?");
  EXPECT_EQ(window_text(GetDlgItem(quit, IDOK)), "Yes");
  EXPECT_EQ(window_text(GetDlgItem(quit, IDCANCEL)), "No");
  EXPECT_FALSE(control_enabled(dialog, kAccept));
  EXPECT_FALSE(control_enabled(dialog, kInstallNow));
  EXPECT_TRUE(control_enabled(dialog, IDCANCEL));
  screenshot(dialog, "install-busy.bmp");
  press_button(quit, IDCANCEL);
  ASSERT_TRUE(wait_until_gone(quit, kWait));
  EXPECT_EQ(answer_message_box(), "Corvex IV has been successfully installed");
  EXPECT_EQ(wait_for_exit(program, kWait), 0);
  EXPECT_TRUE(file_exists(dir + "\\uninstall.info"));
}

TEST_F(Installer, StandInUninstallRemovesTheRegistration) {
  const std::string dir = "C:\\HVX\\CorvexIV";
  ASSERT_EQ(install_fresh(dir), "Corvex IV has been successfully installed");
  const std::string desktop_link = folder("Desktop") + "\\Corvex IV.lnk";
  const std::string start_menu_link = folder("Start Menu") + "\\Corvex IV.lnk";
  ASSERT_TRUE(file_exists(desktop_link));
  ASSERT_TRUE(key_exists(HKEY_LOCAL_MACHINE, kUninstallEntry));
  std::string command = read_string(HKEY_LOCAL_MACHINE, kUninstallEntry, "UninstallString");
  ASSERT_EQ(command, dir + "\\tesl3.exe -uninstall");
  // Not beside the run the installer started, which may still be under way.
  ASSERT_TRUE(simulator_started(dir));
  ASSERT_TRUE(start_program(dir + "\\tesl3.exe", "-uninstall", other));
  HWND box = wait_for_dialog(other, "Corvex IV Uninstall", nullptr, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(unified(message_box_text(box)), "Removed shortcut " + desktop_link + "\nRemoved shortcut " +
                                                start_menu_link + "\nRemoved the uninstall entry \"Corvex IV\"");
  press_button(box, IDOK);
  EXPECT_EQ(wait_for_exit(other, kWait), 0);
  EXPECT_FALSE(file_exists(desktop_link));
  EXPECT_FALSE(file_exists(start_menu_link));
  EXPECT_FALSE(key_exists(HKEY_LOCAL_MACHINE, kUninstallEntry));
  EXPECT_TRUE(file_exists(dir + "\\tesl3.exe")) << "the files stay";
  const std::string uninstall_start = installer_start(dir) + "command line: \"" + dir + "\\tesl3.exe\" -uninstall\r\n";
  EXPECT_EQ(read_file(dir + "\\tesl3.started").substr(0, uninstall_start.size()), uninstall_start);
}

}  // namespace
