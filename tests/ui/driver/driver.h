// The UI driver: starts a Windows program and works it as a user would, by its windows.
//
// Every wait of the driver that gives up says what it waited for and what it saw (the
// program's windows, a box's text, whether the program still runs), and a message sent to
// the program is given up on when the program takes none, so that a failing scenario tells
// its cause in its log instead of failing bare or hanging until the test's time-out.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "screen_image.h"
#include "wait.h"

struct Program {
  PROCESS_INFORMATION process;
  bool running;
};

// Starts `exe` with `arguments` (the command line after the program's name), in `directory`
// when given, and waits until it first waits for input. Every program started is ended by
// end_program.
bool start_program(const std::string &exe, const std::string &arguments, Program &program,
                   const std::string &directory = "");
// Waits for the program to end on its own; returns its exit code, or -1 on time-out.
int wait_for_exit(Program &program, int timeout_ms);
// Ends the program by its process if it still runs and waits until the process is gone, so
// that nothing of it is left when the next program starts; false if it outlived the wait.
bool end_program(Program &program);

// The first visible top-level window of the program with this class (and title, if given).
HWND wait_for_window(const Program &program, const char *class_name, const char *title,
                     int timeout_ms);
// A top-level window of the program with this class (and title, if given), shown or not yet
// shown, as it is now; null if there is none. For checks that a window did not open.
HWND find_any_window(const Program &program, const char *class_name, const char *title);
// A message box of the program (class "#32770"), or null after the time-out.
HWND wait_for_message_box(const Program &program, int timeout_ms);
HWND find_child(HWND parent, const char *class_name);
// Waits until the window no longer exists (a modal dialog's call has returned by then).
bool wait_until_destroyed(HWND window, int timeout_ms);
// Waits until the window is closed or hidden.
bool wait_until_gone(HWND window, int timeout_ms);
// Waits until the program has no window of this class (and title, if given), shown or not.
bool wait_until_no_window(const Program &program, const char *class_name, const char *title, int timeout_ms);
// The first child of `parent` with this class, once there is one; null after the time-out.
HWND wait_for_child_window(HWND parent, const char *class_name, int timeout_ms);
// Waits until `parent` has no child of this class.
bool wait_until_no_child_window(HWND parent, const char *class_name, int timeout_ms);
// Waits until `state(window)` holds (IsZoomed, IsIconic, IsWindowEnabled ...), called `name`.
template <class State>
bool wait_for_state(HWND window, const char *name, State state, int timeout_ms);

// Returns once the thread of `window` has taken from its queue every message posted to the
// window before this call: a marker posted after them has come back. A message whose handler
// runs a modal loop (a dialog, a message box) counts as taken once that loop runs, so a window
// it opens exists by then. This is the proof that the program got that far, which a check
// that something did not happen needs first. False after the time-out.
bool wait_for_posted_messages(HWND window, int timeout_ms);

// What a failed wait saw. A window as its class and title, "(hidden)" when not shown, and a
// message box with its text; "no window" once destroyed.
std::string describe_window(HWND window);
// The top-level windows of a process: the shown ones and the dialogs not yet shown.
std::string describe_windows_of(DWORD process_id);
// The program's windows while it runs, else how it ended.
std::string describe_program(const Program &program);

// SendMessage to another program's window, given up on (and reported, with 0 returned) when
// the window's thread takes no message for a long time: a hung program then fails the scenario
// with a message instead of stopping it. The wide form passes text as UTF-16.
LRESULT send_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT send_message_wide(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

std::string window_text(HWND window);
// A control's text as the control itself tells it (GetWindowText does not ask a window of
// another process), and set as typed text would be.
std::string dialog_item_text(HWND dialog, int id);
void set_window_text(HWND window, const std::string &text);
void set_control_text(HWND dialog, int id, const std::string &text);
// Clicks a button, radio button or check box as a user does (it changes only when clicked).
void click_control(HWND dialog, int id);
// The text of a message box.
std::string message_box_text(HWND box);
// The text of item `index` of another process's list box or combo box (asked for in UTF-16,
// which is how such text crosses processes whole), in the ANSI code page.
std::string listed_text(HWND box, int index);
// Presses a dialog button by its id.
void press_button(HWND dialog, int id);
// Waits until the window's text starts with `starts_with`; returns the last text seen.
std::string wait_for_text(HWND window, const std::string &starts_with, int timeout_ms);

template <class State>
bool wait_for_state(HWND window, const char *name, State state, int timeout_ms) {
  return wait_until([&] { return state(window) != 0; }, timeout_ms, describe_window(window) + " to be " + name,
                    [&] { return describe_window(window) + ", not " + name; });
}

// The program's path on this machine as Windows sees it (Z: is the host's root).
std::string windows_path(const std::string &host_path);

// The pointer the thread of `window` shows now: "resource N" for the program's own cursor
// resource `resource`, "arrow", "none" or "other"; empty when the program did not answer.
// Like wait_for_posted_messages, it returns after the program took what was posted before.
std::string read_pointer(HWND window, int resource);

// One item of a program's menu bar as a user finds it after opening the menu.
struct MenuItemReport {
  int popup;            // position of its popup on the menu bar
  int id;               // 0 for a separator
  unsigned state;       // MF_GRAYED, MF_CHECKED, MF_SEPARATOR ...
  std::string text;
};
// Reads the menu bar of `frame` after the program handled WM_INITMENU; empty on failure.
// Like wait_for_posted_messages, it returns after the program took what was posted before.
std::vector<MenuItemReport> read_menu(HWND frame);
// The item with `id`, or null.
const MenuItemReport *find_menu_item(const std::vector<MenuItemReport> &menu, int id);
