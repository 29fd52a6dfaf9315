// The extraction worker's steps for one payload entry.
//
// A member is written from the program's read-only data in one write. A packed member is
// first written as its gzip member and then decompressed in place, so the target never
// holds anything but the member or its content. In update mode an existing component
// database is merged with the shipped one instead; a merge that fails is reported and the
// entry is then extracted plainly, overwriting the user's file (its backup stays).
#include "payload/extract.h"

#include <cstdio>
#include <cstdlib>

#include "componentdb/documents.h"
#include "componentdb/model_library.h"
#include "files/ascii.h"
#include "files/files.h"
#include "files/process_ops.h"
#include "payload/gunzip.h"

InstallState install_state;

namespace {

const DatabaseMerge kDatabaseMerges[] = {
    {".\\lib\\cmp\\standard.bjt", "BJT", merge_model_library},
    {".\\lib\\cmp\\standard.mos", "MOSFET", merge_model_library},
    {".\\lib\\cmp\\standard.jft", "JFET", merge_model_library},
    {".\\lib\\cmp\\standard.dio", "diode", merge_model_library},
    {".\\lib\\cmp\\standard.cap", "capacitor", merge_record_database<CCapacitorDoc>},
    {".\\lib\\cmp\\standard.res", "resistor", merge_record_database<CResistorDoc>},
    {".\\lib\\cmp\\standard.ind", "inductor", merge_record_database<CInductorDoc>},
    {".\\lib\\cmp\\standard.bead", "ferrite bead", merge_record_database<CInductorDoc>},
};

const char kWriteFailure[] = "Trouble writing file.\nOut of disk space?  Permission problem?";

void set_status(InstallState& state, const char* format, const char* path) {
  char line[StatusLine::kSize];
  snprintf(line, sizeof line, format, path);
  state.status.publish(line);
}

uint32_t member_length(const PayloadEntry& entry) {
  return entry.packed_size != 0 ? entry.packed_size : entry.size;
}

// Returns true when the user's database has been merged and the entry is finished.
bool merge_database(const PayloadEntry& entry, const DatabaseMerge& merge,
                    const std::string& target, InstallState& state) {
  set_status(state, "Merging: %s.gz\n", entry.path);
  std::string temp = file_ops.temp_name("tmp");
  FILE* out = temp.empty() ? nullptr : open_output_file(temp);
  if (!out) fatal_error("Trouble creating temporary file.\nOut of disk space?  Permission problem?");
  if (!write_and_close(out, entry.data, member_length(entry))) fatal_error(kWriteFailure);
  if (entry.packed_size != 0) {
    std::string error = gunzip_in_place(temp);
    if (!error.empty()) {
      std::string text = "Trouble un-gziping tmpfile: " + temp + "\n" + error;
      process_ops.show_message(text.c_str());
      file_ops.remove(temp.c_str());
      process_ops.end_process(0);
      std::abort();
    }
  }
  int merged = merge.merge(target.c_str(), temp.c_str(), target.c_str());
  if (merged != 1) process_ops.show_message(merge_failure_text(merge).c_str());
  file_ops.remove(temp.c_str());
  return merged == 1;
}

void extract_plainly(const PayloadEntry& entry, const std::string& target, InstallState& state) {
  set_status(state, "Extracting: %s.gz\n", entry.path);
  FILE* out = open_output_file(target);
  if (!out) fatal_error(kWriteFailure);
  if (!write_and_close(out, entry.data, member_length(entry))) fatal_error(kWriteFailure);
  if (entry.packed_size != 0) {
    std::string error = gunzip_in_place(target);
    if (!error.empty()) fatal_error("Trouble writing: " + target + "\n" + error);
  }
  if (entry.read_only == 1) file_ops.set_read_only(target.c_str(), true);
}

void extract_entry(const PayloadEntry& entry, InstallState& state) {
  std::string target = join_install_path(state.install_directory, entry.path);
  if (state.update_mode == 1) {
    const DatabaseMerge* merge = find_database_merge(entry.path);
    if (merge && exists_as_file(target) && merge_database(entry, *merge, target, state)) return;
  }
  extract_plainly(entry, target, state);
}

}  // namespace

const DatabaseMerge* find_database_merge(const char* entry_path) {
  for (const DatabaseMerge& merge : kDatabaseMerges)
    if (ascii_iequal(merge.path, entry_path)) return &merge;
  return nullptr;
}

std::string merge_failure_text(const DatabaseMerge& merge) {
  return std::string("Trouble merging ") + merge.kind + " databases.\n    ...overwriting";
}

void run_extraction(const PayloadEntry* entries, uint32_t count, InstallState& state) {
  state.status.publish("");
  for (uint32_t i = 0; i < count; ++i) extract_entry(entries[i], state);
  state.done.store(1, std::memory_order_release);
}
