// What the installer's scenarios need beside the shared UI driver: its dialogs told apart
// (they share the class and, with the message boxes, the caption), control states by id,
// typing, and the registry and files of the prefix the scenario runs in.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "driver.h"

// A visible dialog-class window of the program with this caption (any, if null) that isn't
// `other`; null after the time-out.
HWND wait_for_dialog(const Program &program, const char *caption, HWND other, int timeout_ms);
// Dialog-class windows of the program now visible, or all of them, shown or not yet shown.
std::vector<HWND> program_dialogs(const Program &program, bool visible_only = true);

bool control_enabled(HWND dialog, int id);
// Waits until all these controls of the dialog are enabled, or all disabled.
bool wait_for_controls(HWND dialog, const std::vector<int> &ids, bool enabled, int timeout_ms);
// Types the characters into the control as keyboard input would reach it.
void type_into(HWND control, const std::string &text);
// The static texts of a window's children, in child order.
std::vector<std::string> static_texts(HWND window);

// Registry access of the scenario's prefix; read_string is "<none>" for a missing value.
std::string read_string(HKEY root, const std::string &key, const char *value);
bool key_exists(HKEY root, const std::string &key);
void write_string(HKEY root, const std::string &key, const char *value, const std::string &text);

std::string read_file(const std::string &path);
void write_file(const std::string &path, const std::string &bytes);  // creates the folders
bool file_exists(const std::string &path);
bool directory_exists(const std::string &path);
bool is_read_only(const std::string &path);
// Message boxes show "\n" as "\r\n" in some versions; compare on "\n".
std::string unified(std::string text);
