// The extraction worker: writes every payload member below the install directory.
//
// The install dialog fills `install_state` (directory, update mode) before it starts the
// worker and afterwards only reads the status line and the done flag, both made to be
// shared between threads. The worker publishes one progress line per entry and sets the
// done flag after its last file operation; the flag is released and acquired, so
// everything the worker did is visible to the dialog's thread once it reads the flag set.
// Fatal errors end the process (fatal_error), nothing is rolled back.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "payload/payload_entry.h"
#include "payload/status_line.h"

struct InstallState {
  std::string install_directory;  // absolute, as the user chose it
  int update_mode = 0;            // 1: merge the component databases that already exist
  StatusLine status;              // the message of the entry being processed
  std::atomic<int> done{0};       // 1 once the last entry is finished
};

extern InstallState install_state;

// The update-mode merge of one component database path.
struct DatabaseMerge {
  const char* path;  // as in the payload table, compared ignoring case
  const char* kind;  // its wording in the failure message
  int (*merge)(const char* output_path, const char* shipped_path, const char* user_path);
};

// The merge for one of the eight database paths, or nullptr.
const DatabaseMerge* find_database_merge(const char* entry_path);

// "Trouble merging <kind> databases.\n    ...overwriting"
std::string merge_failure_text(const DatabaseMerge& merge);

// Processes the entries in table order, then sets the done flag.
void run_extraction(const PayloadEntry* entries, uint32_t count, InstallState& state);
