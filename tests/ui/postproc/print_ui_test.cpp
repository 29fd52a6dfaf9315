// Printing as a user does it, on the fixture's PDF printer: a pole-zero graph while another
// plot is current, and a values table; each PDF the printer writes is moved into the scratch
// folder, where print_check.sh reads it back. Cancelling a long job ends it without a word; a
// table with nothing in it cannot be printed and says so.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "clipboard.h"
#include "table_session.h"
#include "shell/commands.h"
#include "paths.h"

namespace {

const int kLongTableRows = 30000;

const int kWait = TableSession::kWait;

std::string printed_folder() { return windows_path(ULMO_PRINTED); }

std::set<std::string> pdfs() {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((printed_folder() + "\\*.pdf").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.insert(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// The file's last bytes hold the PDF end marker once the printer has written it whole.
bool complete_pdf(const std::string &path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  char tail[32] = {};
  DWORD size = GetFileSize(f, nullptr), read = 0;
  if (size > sizeof tail) SetFilePointer(f, -static_cast<LONG>(sizeof tail), nullptr, FILE_END);
  ReadFile(f, tail, sizeof tail - 1, &read, nullptr);
  CloseHandle(f);
  return std::string(tail, read).find("%%EOF") != std::string::npos;
}

// Waits for a PDF that was not there `before`, and moves it to the scratch folder as `name`.
bool take_printed(const std::set<std::string> &before, const std::string &name) {
  std::string fresh;
  bool done = wait_until([&] {
    for (const std::string &n : pdfs())
      if (!before.count(n) && complete_pdf(printed_folder() + "\\" + n)) {
        fresh = n;
        return true;
      }
    return false;
  }, kWait, "a new, complete PDF in " + printed_folder(), [&] { return ::testing::PrintToString(pdfs()); });
  if (!done) return false;
  std::string target = scratch_windows_path(name);
  DeleteFileA(target.c_str());
  return MoveFileA((printed_folder() + "\\" + fresh).c_str(), target.c_str()) != 0;
}

class Printing : public TableSession {
 protected:
  // What an earlier run printed is not this run's to check.
  static void SetUpTestSuite() {
    for (const char *name : {"printed-graph.pdf", "printed-table.pdf", "printed-after-cancel.pdf", "printed-after-setup.pdf"})
      DeleteFileA(scratch_windows_path(name).c_str());
  }
  void activate(HWND child) {
    send_message(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
    wait_for_posted_messages(frame, kWait);
  }
  void print() { PostMessageA(frame, WM_COMMAND, kCmdPrint, 0); }
  // The job is over once the frame takes input again and its queue has been taken.
  bool job_over() {
    return wait_for_state(frame, "enabled", IsWindowEnabled, kWait) && wait_for_posted_messages(frame, kWait);
  }

};

TEST_F(Printing, ThePrinterIsThereAndPrintIsOffered) {
  start("operating-point.out");
  ASSERT_NE(wait_for_child("ChildTable"), nullptr);
  std::vector<MenuItemReport> menu = read_menu(frame);
  const MenuItemReport *print = find_menu_item(menu, kCmdPrint), *setup = find_menu_item(menu, kCmdPrinterSetup);
  ASSERT_NE(print, nullptr);
  ASSERT_NE(setup, nullptr);
  EXPECT_FALSE(print->state & MF_GRAYED);
  EXPECT_FALSE(setup->state & MF_GRAYED);
}

TEST_F(Printing, AGraphPrintsTheHeaderOfItsOwnPlot) {
  start("several-plots.out");
  // The last plot (pole-zero) was current after the load; the user makes the transient current.
  HWND choice = wait_for_window(program, "#32770", "Select Current Plot", kWait);
  ASSERT_NE(choice, nullptr);
  send_message(FindWindowExA(choice, nullptr, "ListBox", nullptr), LB_SETCURSEL, 1, 0);
  press_button(choice, IDOK);
  ASSERT_TRUE(wait_until_destroyed(choice, kWait));
  HWND graph = wait_for_child("ChildGraph");
  ASSERT_NE(graph, nullptr);
  activate(graph);
  std::set<std::string> before = pdfs();
  print();
  EXPECT_TRUE(take_printed(before, "printed-graph.pdf"));
  ASSERT_TRUE(job_over());
  EXPECT_EQ(find_any_window(program, "#32770", nullptr), nullptr) << "no report";
}

TEST_F(Printing, ATablePrintsItsCells) {
  start("operating-point.out");
  HWND table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  activate(table);
  std::set<std::string> before = pdfs();
  print();
  EXPECT_TRUE(take_printed(before, "printed-table.pdf"));
  ASSERT_TRUE(job_over());
  EXPECT_EQ(find_any_window(program, "#32770", nullptr), nullptr) << "no report";
}

TEST_F(Printing, PrinterSetupKeepsThePrinterItChose) {
  start("operating-point.out");
  HWND table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  PostMessageA(frame, WM_COMMAND, kCmdPrinterSetup, 0);
  HWND dialog = nullptr;
  dialog = wait_for_window(program, "#32770", nullptr, kWait);
  ASSERT_NE(dialog, nullptr);
  // The kept printer is the one the dialog offers, once it has filled its lists.
  ASSERT_TRUE(wait_for_posted_messages(dialog, kWait));
  // (A drop-down list tells its text to no other process: its printer's port line shows it.)
  std::vector<std::string> texts;
  for (HWND label = FindWindowExA(dialog, nullptr, "Static", nullptr); label; label = FindWindowExA(dialog, label, "Static", nullptr))
    texts.push_back(window_text(label));
  EXPECT_NE(std::find(texts.begin(), texts.end(), "CUPS:ulmo-pdf"), texts.end()) << ::testing::PrintToString(texts);
  EXPECT_TRUE(save_screenshot(dialog, GetSysColor(COLOR_BTNFACE), std::string(ULMO_SCRATCH) + "/printer-setup.bmp"));
  press_button(dialog, IDOK);
  ASSERT_TRUE(wait_until_destroyed(dialog, kWait));
  // The new context prints as the old one did.
  activate(table);
  std::set<std::string> before = pdfs();
  print();
  EXPECT_TRUE(take_printed(before, "printed-after-setup.pdf"));
  ASSERT_TRUE(job_over());
  EXPECT_EQ(find_any_window(program, "#32770", nullptr), nullptr) << "no report";
}

TEST_F(Printing, AnEmptyTableCannotBePrinted) {
  start("operating-point.out");
  HWND table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  activate(table);
  PostMessageA(frame, WM_COMMAND, kCmdSelectAll, 0);
  PostMessageA(frame, WM_COMMAND, kCmdDelete, 0);
  PostMessageA(frame, WM_COMMAND, kCmdPrint, 0);
  // The report comes once the cancel dialog, also a dialog box, has gone.
  HWND box = wait_for_window(program, "#32770", "Ulmo-Postprocessor", kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Cannot print: Resistive divider from 5 V (Operating Point)!");
  press_button(box, IDOK);
  ASSERT_TRUE(wait_until_destroyed(box, kWait));
  EXPECT_TRUE(IsWindowEnabled(frame));
}

TEST_F(Printing, CancellingEndsTheJobWithoutAMessage) {
  start("operating-point.out");
  HWND table = wait_for_child("ChildTable");
  ASSERT_NE(table, nullptr);
  activate(table);
  // Thirty thousand rows, some five hundred pages: the job still runs when Cancel is pressed.
  std::string rows;
  for (int i = 0; i < kLongTableRows; i++) rows += "row " + std::to_string(i) + "\t" + std::to_string(i * 0.5) + " V\r\n";
  ASSERT_TRUE(put_clipboard_text(rows));
  PostMessageA(frame, WM_COMMAND, kCmdPaste, 0);
  ASSERT_TRUE(wait_for_posted_messages(frame, kWait));
  std::set<std::string> before = pdfs();
  PostMessageA(frame, WM_COMMAND, kCmdPrint, 0);
  HWND dialog = wait_for_window(program, "#32770", "Print", kWait);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(IsWindowEnabled(frame)) << "the frame waits for the job";
  EXPECT_EQ(window_text(GetDlgItem(dialog, 601)), "Resistive divider from 5 V (Operating Point)");
  EXPECT_EQ(window_text(GetDlgItem(dialog, 602)), "ulmo-pdf");
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(wait_until_destroyed(dialog, kWait));
  ASSERT_TRUE(job_over());
  EXPECT_EQ(find_any_window(program, "#32770", nullptr), nullptr) << "no report after a cancel";
  // Proof that nothing of the cancelled job reaches paper: the printer takes jobs in order,
  // and the next one, the table without the pasted rows, is the first and only to come out.
  PostMessageA(frame, WM_COMMAND, kCmdUndo, 0);
  print();
  EXPECT_TRUE(take_printed(before, "printed-after-cancel.pdf"));
  ASSERT_TRUE(job_over());
  EXPECT_EQ(pdfs(), before);
}

}  // namespace
