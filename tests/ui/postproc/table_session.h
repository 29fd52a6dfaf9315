// What the table and printing scenarios share: ulmogpp.exe started on a sample without the
// welcome dialog, and its MDI children found once the load that made them is over.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driver.h"
#include "paths.h"

class TableSession : public ::testing::Test {
 public:
  static constexpr int kWait = 60000;

 protected:
  static std::string shot(const char *name) { return std::string(ULMO_SCRATCH) + "/" + name; }

  void start(const char *sample_name) { start_on(sample_path(sample_name)); }
  // The same on a data file given by its Windows path.
  void start_on(const std::string &path) {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ulmo-Software");
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Ulmo-Software\\Ulmo-Postprocessor\\Settings", 0, nullptr,
                              0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD no = 0;
    RegSetValueExA(key, "DisplayWelcome", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&no), sizeof no);
    RegCloseKey(key);
    ASSERT_TRUE(start_program(windows_path(ULMOGPP), path, program));
    frame = wait_for_window(program, "AppFrame", "Ulmo-Postprocessor", kWait);
    ASSERT_NE(frame, nullptr);
    client = find_child(frame, "MDIClient");
    ASSERT_NE(client, nullptr);
  }
  void TearDown() override { end_program(program); }

  // A child of the class, once the load that made it is over (it exists, empty, before).
  HWND wait_for_child(const char *class_name) {
    HWND child = wait_for_child_window(client, class_name, kWait);
    wait_for_posted_messages(frame, kWait);
    return child;
  }

  Program program{};
  HWND frame = nullptr, client = nullptr;
};
