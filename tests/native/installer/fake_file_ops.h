// Native stand-ins for the installer's platform tables. File operations: real files below
// a scratch folder, with the Windows behaviour the installer relies on layered on top
// (read-only files can't be opened for writing or deleted, even by root), and hooks to make
// single operations fail. Process operations (fake_process_ops.cpp): every message and pause
// recorded, the end of the process thrown as ProcessEnded.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "files/files.h"
#include "files/process_ops.h"

// Thrown where the installer would end the process.
struct ProcessEnded {
  int exit_code;
};

struct FakeFileSystem {
  std::string scratch;                 // a fresh folder for the current test
  std::set<std::string> read_only;     // host paths
  std::vector<std::string> messages;   // every message box text, in order
  std::vector<unsigned> sleeps;        // every pause, in milliseconds
  std::vector<std::string> temp_names; // every temporary name handed out
  // Return true to make the operation fail.
  std::function<bool(const std::string& path, const char* mode)> fail_open;
  std::function<bool(const std::string& path)> fail_create_directory;
  std::function<bool(const std::string& path)> fail_remove;
  std::function<bool(const std::string& path)> fail_set_read_only;
  std::function<void(const std::string& path, const char* mode)> on_open;
  int create_directory_calls = 0;
  int temp_counter = 0;

  void reset();  // new scratch folder, nothing recorded, no hooks
};

extern FakeFileSystem fake;

// A Windows-style path below the scratch folder, e.g. win_path("install") ends in
// "\install" (the fake maps backslashes onto the host's separators).
std::string win_path(const std::string& relative);
std::string host_path(const std::string& windows_path);

std::string read_host_file(const std::string& host);
void write_host_file(const std::string& host, const std::string& bytes);
bool host_exists(const std::string& host);
