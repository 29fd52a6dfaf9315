// The installer's finishing half against a fake registry and shell: shortcuts and their
// error texts, the predecessor's clean-up, stale file types, the uninstall entry and
// ".\uninstall.info", the settings file, the order of the finishing steps, and the install
// dialog's pure decisions.
#include <gtest/gtest.h>

#include <filesystem>

#include "fake_file_ops.h"
#include "fake_shell_ops.h"
#include "setup/dialog_logic.h"
#include "setup/finish.h"
#include "setup/registration.h"
#include "setup/settings_file.h"

namespace {

const std::string kFolders = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::string kUninstall = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

class Setup : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.reset();
    fake_shell.reset();
    install = win_path("install");
    std::filesystem::create_directories(host_path(install));
    for (const char* f : {"Desktop", "Start Menu", "Common Start Menu"}) {
      std::filesystem::create_directories(host_path(win_path(f)));
      fake_shell.set(kFolders, f, win_path(f));
    }
    fake_shell.add_key(kUninstall);
  }
  std::string install;
};

using Shortcuts = Setup;

TEST_F(Shortcuts, LinkPathTargetWorkingDirectoryAndDescription) {
  std::string link;
  EXPECT_EQ(create_shortcut(ShortcutPlace::desktop, link, install, "tesl3", "Corvex IV", "Halvex Corporation's Corvex IV"), "");
  EXPECT_EQ(link, win_path("Desktop") + "\\Corvex IV.lnk");
  ASSERT_EQ(fake_shell.logged("link").size(), 1u);
  EXPECT_EQ(fake_shell.logged("link")[0],
            link + " -> " + install + "\\tesl3.exe in " + install + " \"Halvex Corporation's Corvex IV\"");
}

TEST_F(Shortcuts, EmptyStartMenuFallsBackToCommonStartMenu) {
  fake_shell.set(kFolders, "Start Menu", "");
  std::string link;
  EXPECT_EQ(create_shortcut(ShortcutPlace::start_menu, link, install, "tesl3", "Corvex IV", "d"), "");
  EXPECT_EQ(link, win_path("Common Start Menu") + "\\Corvex IV.lnk");
  fake_shell.set(kFolders, "Common Start Menu", "");
  link.clear();
  EXPECT_EQ(create_shortcut(ShortcutPlace::start_menu, link, install, "tesl3", "Corvex IV", "d"), "Could't find Start Menu");
  EXPECT_EQ(link, "");
}

TEST_F(Shortcuts, ErrorTextsForEachPlace) {
  struct Row {
    const char* name;
    LinkOutcome outcome;
    const char* desktop;
    const char* start_menu;
  } rows[] = {
      {"no link object", {false, false, false}, "", ""},
      {"save fails", {true, true, false}, "Trouble saving link in desktop.", "Trouble saving link in startup menu."},
      {"save fails before SetPath", {true, false, false}, "Trouble saving link in desktop.", "Trouble saving link in startup menu."},
      {"SetPath fails", {true, false, true}, "Trouble making link in desktop: SetPath() failed!",
       "Trouble making link in Start Menu: SetPath() failed!"},
  };
  for (const Row& r : rows) {
    fake_shell.link_outcome = r.outcome;
    std::string link;
    EXPECT_EQ(create_shortcut(ShortcutPlace::desktop, link, install, "tesl3", "Corvex IV", "d"), r.desktop) << r.name;
    EXPECT_EQ(link, win_path("Desktop") + "\\Corvex IV.lnk") << r.name << ": the path is handed back anyway";
    EXPECT_EQ(create_shortcut(ShortcutPlace::start_menu, link, install, "tesl3", "Corvex IV", "d"), r.start_menu) << r.name;
  }
}

TEST_F(Shortcuts, MissingFoldersKeyOrValue) {
  std::string link;
  fake_shell.set(kFolders, "Desktop", "");
  EXPECT_EQ(create_shortcut(ShortcutPlace::desktop, link, install, "tesl3", "Corvex IV", "d"), "Could't find Desktop location");
  fake_shell.set(kFolders, "Desktop", win_path("Desktop"), false);  // not REG_SZ
  EXPECT_EQ(create_shortcut(ShortcutPlace::desktop, link, install, "tesl3", "Corvex IV", "d"), "Could't find Desktop location");
  fake_shell.denied.insert("hkcu\\software\\microsoft\\windows\\currentversion\\explorer\\shell folders");
  for (ShortcutPlace p : {ShortcutPlace::desktop, ShortcutPlace::start_menu})
    EXPECT_EQ(create_shortcut(p, link, install, "tesl3", "Corvex IV", "d"), "Could't find startup Shell Folder location");
  EXPECT_TRUE(fake_shell.logged("link").empty());
}

using Predecessor = Setup;

TEST_F(Predecessor, ShortcutsInBothProgramMenusAreRemoved) {
  fake_shell.set("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Common Programs", win_path("common"));
  fake_shell.set("HKU\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs", win_path("user"));
  for (const char* menu : {"common", "user"}) write_host_file(host_path(win_path(std::string(menu) + "\\Tessal CAD III\\TesCAD III.lnk")), "x");
  fake.read_only.insert(host_path(win_path("user\\Tessal CAD III\\TesCAD III.lnk")));
  remove_predecessor_shortcuts();
  EXPECT_FALSE(host_exists(host_path(win_path("common\\Tessal CAD III"))));
  EXPECT_FALSE(host_exists(host_path(win_path("user\\Tessal CAD III"))));
  EXPECT_TRUE(host_exists(host_path(win_path("user"))));
  EXPECT_TRUE(fake_shell.logged("message").empty());
}

TEST_F(Predecessor, AShortcutThatStaysIsReported) {
  fake_shell.set("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Common Programs", win_path("common"));
  std::string folder = win_path("common\\Tessal CAD III");
  write_host_file(host_path(folder + "\\readme.txt"), "the user's own file keeps the folder");
  remove_predecessor_shortcuts();
  ASSERT_EQ(fake_shell.logged("message").size(), 1u);
  EXPECT_EQ(fake_shell.logged("message")[0], "Trouble removing link:\n\n" + folder +
                                                  "\n\nYou will have to delete this by hand with the correct permisssions");
  remove_shortcut(win_path("nothing here"));
  EXPECT_EQ(fake_shell.logged("message").size(), 1u) << "nothing to remove is no failure";
}

TEST_F(Predecessor, SettingsChainStopsAtAnotherProduct) {
  fake_shell.add_key("HKLM\\Software\\Halvex Corporation\\Tessal CAD III\\1.0");
  fake_shell.add_key("HKLM\\Software\\Halvex Corporation\\Other Product\\2.0");
  remove_predecessor_settings();
  EXPECT_FALSE(fake_shell.has_key("HKLM\\Software\\Halvex Corporation\\Tessal CAD III"));
  EXPECT_TRUE(fake_shell.has_key("HKLM\\Software\\Halvex Corporation\\Other Product\\2.0"));
  fake_shell.keys.erase("hklm\\software\\halvex corporation\\other product\\2.0");
  fake_shell.keys.erase("hklm\\software\\halvex corporation\\other product");
  remove_predecessor_settings();
  EXPECT_FALSE(fake_shell.has_key("HKLM\\Software\\Halvex Corporation"));
  EXPECT_TRUE(fake_shell.has_key("HKLM\\Software"));
}

TEST_F(Predecessor, UninstallEntryRemovedOthersKept) {
  fake_shell.add_key(kUninstall + "\\Tessal CAD III");
  fake_shell.add_key(kUninstall + "\\Another");
  remove_predecessor_uninstall_entry();
  EXPECT_FALSE(fake_shell.has_key(kUninstall + "\\Tessal CAD III"));
  EXPECT_TRUE(fake_shell.has_key(kUninstall + "\\Another"));
}

using FileTypes = Setup;

TEST_F(FileTypes, OnlyTypesNamingTheSimulatorGoInTheirOrder) {
  EXPECT_STREQ(kStaleFileTypes[0], "ACS.Document");
  EXPECT_STREQ(kStaleFileTypes[3], "Cir.document");
  EXPECT_STREQ(kStaleFileTypes[8], "Corvex Netlist");
  EXPECT_STREQ(kStaleFileTypes[13], "Corvex.Rawfile");
  fake_shell.set("HKCR\\Asy.Document\\DefaultIcon", "", "C:\\TCAD3\\TESL3.EXE,0");
  fake_shell.add_key("HKCR\\Asy.Document\\shell\\open\\ddeexec\\Application");
  fake_shell.add_key("HKCR\\Asy.Document\\shell\\open\\command");
  fake_shell.add_key("HKCR\\Asy.Document\\shell\\printto\\command");
  fake_shell.set("HKCR\\Corvex.Symbol\\DefaultIcon", "", "c:\\x\\tesl3.exe,2");
  fake_shell.set("HKCR\\Net.Document\\DefaultIcon", "", "C:\\Editor\\netedit.exe,1");
  fake_shell.set("HKCR\\Raw.Document\\DefaultIcon", "", "C:\\TCAD3\\tesl3.exe");  // no comma: not an icon entry
  fake_shell.set("HKCR\\Sp.Document\\DefaultIcon", "", "C:\\TCAD3\\tesl3.exe,0", false);
  remove_stale_file_types();
  EXPECT_FALSE(fake_shell.has_key("HKCR\\Asy.Document"));
  EXPECT_FALSE(fake_shell.has_key("HKCR\\Corvex.Symbol"));
  EXPECT_TRUE(fake_shell.has_key("HKCR\\Net.Document\\DefaultIcon"));
  EXPECT_TRUE(fake_shell.has_key("HKCR\\Raw.Document\\DefaultIcon"));
  EXPECT_TRUE(fake_shell.has_key("HKCR\\Sp.Document\\DefaultIcon"));
  std::vector<std::string> expected = {
      "HKCR\\Asy.Document\\shell\\open\\ddeexec\\Application", "HKCR\\Asy.Document\\shell\\open\\ddeexec",
      "HKCR\\Asy.Document\\shell\\open\\command",              "HKCR\\Asy.Document\\shell\\printto\\command",
      "HKCR\\Asy.Document\\shell\\open",                       "HKCR\\Asy.Document\\shell\\printto",
      "HKCR\\Asy.Document\\DefaultIcon",                       "HKCR\\Asy.Document\\shell",
      "HKCR\\Asy.Document",                                    "HKCR\\Corvex.Symbol\\DefaultIcon",
      "HKCR\\Corvex.Symbol"};
  EXPECT_EQ(fake_shell.logged("delete"), expected);
}

TEST_F(FileTypes, ShellNewTypesOfTheFirstFourNamingCorvex) {
  fake_shell.set("HKCR\\ACS.Document", "", "Corvex Schematic");
  fake_shell.add_key("HKCR\\ACS.Document\\ShellNew");
  fake_shell.set("HKCR\\Cir.document", "", "CORVEX netlist");
  fake_shell.set("HKCR\\ASC.Document", "", "Some other schematic");
  fake_shell.add_key("HKCR\\ASC.Document\\ShellNew");
  fake_shell.set("HKCR\\ECS.Document", "", "Corvex");  // not among the first four
  fake_shell.add_key("HKCR\\Asy.Document\\ShellNew");
  fake_shell.set("HKCR\\Asy.Document", "", "Corvex symbol", false);
  remove_stale_file_types();
  EXPECT_FALSE(fake_shell.has_key("HKCR\\ACS.Document"));
  EXPECT_FALSE(fake_shell.has_key("HKCR\\Cir.document"));
  EXPECT_TRUE(fake_shell.has_key("HKCR\\ASC.Document\\ShellNew"));
  EXPECT_TRUE(fake_shell.has_key("HKCR\\ECS.Document"));
  EXPECT_TRUE(fake_shell.has_key("HKCR\\Asy.Document\\ShellNew"));
}

using UninstallEntry = Setup;

TEST_F(UninstallEntry, DisplayNameAndUnquotedUninstallString) {
  register_uninstall_entry("C:\\Program Files\\HVX\\CorvexIV\\tesl3.exe");
  EXPECT_EQ(fake_shell.get(kUninstall + "\\Corvex IV", "DisplayName"), "Corvex IV");
  EXPECT_EQ(fake_shell.get(kUninstall + "\\Corvex IV", "UninstallString"),
            "C:\\Program Files\\HVX\\CorvexIV\\tesl3.exe -uninstall");
  fake_shell.reset();
  register_uninstall_entry("C:\\x\\tesl3.exe");  // no Uninstall key: silently nothing
  EXPECT_FALSE(fake_shell.has_key(kUninstall + "\\Corvex IV"));
}

TEST_F(UninstallEntry, InfoFileHoldsTwoLinkLinesAndIsRewritten) {
  std::string info = install + "\\uninstall.info";
  write_host_file(host_path(info), "Link:old\nLink:older\nLink:oldest\n");
  for (int pass = 0; pass < 2; ++pass) {
    write_uninstall_info(info, "C:\\D\\Corvex IV.lnk", "C:\\S\\Corvex IV.lnk");
    EXPECT_EQ(read_host_file(host_path(info)), "Link:C:\\D\\Corvex IV.lnk\nLink:C:\\S\\Corvex IV.lnk\n") << pass;
  }
  write_uninstall_info(win_path("missing\\uninstall.info"), "a", "b");  // can't be opened: nothing
  EXPECT_FALSE(host_exists(host_path(win_path("missing"))));
}

using SettingsFile = Setup;

TEST_F(SettingsFile, WhereTheSimulatorsSettingsLie) {
  std::string windir = win_path("windows"), home = win_path("home"), local = win_path("local");
  fake_shell.env = {{"WINDIR", windir}, {"HOME", home}, {"LOCALAPPDATA", local}};
  // Under Wine, nothing existing: on to the VirtualStore (NT 6), then WINDIR's name.
  EXPECT_EQ(find_settings_file(), windir + "\\tesl3.ini");
  write_host_file(host_path(home + "\\.wine\\tesl3.ini"), "h");
  EXPECT_EQ(find_settings_file(), home + "\\.wine\\tesl3.ini");
  write_host_file(host_path(windir + "\\tesl3.ini"), "w");
  EXPECT_EQ(find_settings_file(), windir + "\\tesl3.ini");
  // Not under Wine, the HOME copy doesn't count; WINDIR without a drive goes whole.
  fake_shell.wine = false;
  std::filesystem::remove(host_path(windir + "\\tesl3.ini"));
  write_host_file(host_path(local + "\\VirtualStore\\" + windir + "\\tesl3.ini"), "v");
  EXPECT_EQ(find_settings_file(), local + "\\VirtualStore\\" + windir + "\\tesl3.ini");
  fake_shell.nt_major = 5;
  EXPECT_EQ(find_settings_file(), windir + "\\tesl3.ini");
  fake_shell.env.erase("WINDIR");
  EXPECT_EQ(find_settings_file(), "");
}

TEST_F(SettingsFile, VirtualStoreDropsTheDriveOfWindir) {
  fake_shell.wine = false;
  fake_shell.env = {{"WINDIR", "C:\\Windows"}, {"LOCALAPPDATA", win_path("local")}};
  write_host_file(host_path(win_path("local\\VirtualStore\\Windows\\tesl3.ini")), "v");
  EXPECT_EQ(find_settings_file(), win_path("local\\VirtualStore\\Windows\\tesl3.ini"));
}

using Finishing = Setup;

TEST_F(Finishing, StepsInTheirOrder) {
  write_host_file(host_path(install + "\\tesl3.exe"), "exe");
  fake_shell.env = {{"WINDIR", win_path("windows")}};
  write_host_file(host_path(win_path("windows\\tesl3.ini")), "old settings");
  fake_shell.add_key("HKLM\\Software\\Halvex Corporation\\Tessal CAD III\\1.0");
  fake_shell.add_key(kUninstall + "\\Tessal CAD III");
  finish_installation(install, 0);
  const std::string d = win_path("Desktop") + "\\Corvex IV.lnk", s = win_path("Start Menu") + "\\Corvex IV.lnk";
  std::vector<std::string> expected = {
      "link: " + d + " -> " + install + "\\tesl3.exe in " + install + " \"Halvex Corporation's Corvex IV\"",
      "link: " + s + " -> " + install + "\\tesl3.exe in " + install + " \"Halvex Corporation's Corvex IV\"",
      "message: Corvex IV has been successfully installed",
      "delete: HKLM\\Software\\Halvex Corporation\\Tessal CAD III\\1.0",
      "delete: HKLM\\Software\\Halvex Corporation\\Tessal CAD III",
      "delete: HKLM\\Software\\Halvex Corporation",
      "delete: " + kUninstall + "\\Tessal CAD III",
      "set: " + kUninstall + "\\Corvex IV DisplayName=Corvex IV",
      "set: " + kUninstall + "\\Corvex IV UninstallString=" + install + "\\tesl3.exe -uninstall",
      "start: \"" + install + "\\tesl3.exe\" in " + install,
  };
  EXPECT_EQ(fake_shell.log, expected);
  EXPECT_EQ(read_host_file(host_path(install + "\\uninstall.info")), "Link:" + d + "\nLink:" + s + "\n");
  EXPECT_FALSE(host_exists(host_path(win_path("windows\\tesl3.ini")))) << "overwrite mode resets the settings";
}

TEST_F(Finishing, UpdateModeKeepsTheSettings) {
  write_host_file(host_path(install + "\\tesl3.exe"), "exe");
  fake_shell.env = {{"WINDIR", win_path("windows")}};
  write_host_file(host_path(win_path("windows\\tesl3.ini")), "user settings");
  fake.read_only.insert(host_path(win_path("windows\\tesl3.ini")));
  finish_installation(install, 1);
  EXPECT_EQ(fake_shell.logged("message"), std::vector<std::string>{"Corvex IV has been successfully updated"});
  EXPECT_TRUE(host_exists(host_path(win_path("windows\\tesl3.ini"))));
  finish_installation(install, 0);  // a read-only settings file goes as well
  EXPECT_FALSE(host_exists(host_path(win_path("windows\\tesl3.ini"))));
}

TEST_F(Finishing, AShortcutErrorEndsTheStepsThere) {
  write_host_file(host_path(install + "\\tesl3.exe"), "exe");
  fake_shell.set(kFolders, "Start Menu", "");
  fake_shell.set(kFolders, "Common Start Menu", "");
  finish_installation(install, 0);
  EXPECT_EQ(fake_shell.logged("message"), std::vector<std::string>{"Could't find Start Menu"});
  EXPECT_EQ(fake_shell.logged("link").size(), 1u);
  EXPECT_TRUE(fake_shell.logged("set").empty());
  EXPECT_TRUE(fake_shell.logged("start").empty());
  EXPECT_FALSE(host_exists(host_path(install + "\\uninstall.info")));
}

TEST_F(Finishing, NothingWithoutTheSimulator) {
  finish_installation(install, 0);
  EXPECT_TRUE(fake_shell.log.empty());
  EXPECT_FALSE(host_exists(host_path(install + "\\uninstall.info")));
}

TEST(DialogLogic, EnablingByAcceptedAndBusy) {
  struct Row {
    int accepted, busy;
    bool directory, accept_decline;
  } rows[] = {{0, 0, false, true}, {1, 0, true, true}, {1, 1, false, false}, {0, 1, false, false}};
  for (const Row& r : rows) {
    ControlEnabling e = control_enabling(r.accepted, r.busy);
    EXPECT_EQ(e.directory_controls, r.directory) << r.accepted << r.busy;
    EXPECT_EQ(e.accept_decline, r.accept_decline) << r.accepted << r.busy;
    EXPECT_TRUE(e.cancel);
  }
}

TEST(DialogLogic, TextsAndStartingDirectory) {
  EXPECT_EQ(title_text("Version 4.12k"), "Installs Corvex IV Version 4.12k");
  EXPECT_EQ(initial_install_directory("D:\\Programme", true), "D:\\Programme\\HVX\\CorvexIV");
  EXPECT_EQ(initial_install_directory("D:\\Programme", false), "C:\\Program Files\\HVX\\CorvexIV");
  EXPECT_EQ(initial_install_directory("", false), "C:\\Program Files\\HVX\\CorvexIV");
  EXPECT_EQ(std::string(kLicenceText).rfind("Corvex IV License Agreement\r\n", 0), 0u);
}

TEST(DialogLogic, BrowserStatusCutAt35Characters) {
  const std::string forty = "C:\\Programs\\Simulation\\Circuits\\CorvexIV";
  ASSERT_EQ(forty.size(), 40u);
  EXPECT_EQ(browser_status_text(forty), "C:\\Programs\\Simulation\\Circuits\\Cor...");
  EXPECT_EQ(browser_status_text(forty.substr(0, 35)), forty.substr(0, 35));
  EXPECT_EQ(browser_status_text(forty.substr(0, 36)), forty.substr(0, 35) + "...");
  EXPECT_EQ(browser_status_text(""), "");
}

}  // namespace
