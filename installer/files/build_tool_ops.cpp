// Build-time tools link the portable libraries but touch no installed files and talk to no
// user; any use of the tables there is a bug and ends the tool.
#include <cstdio>
#include <cstdlib>

#include "files/file_ops.h"
#include "files/process_ops.h"

namespace {

[[noreturn]] void misuse() {
  fputs("installer platform table used by a build-time tool\n", stderr);
  abort();
}
FILE* open_file(const char*, const char*) { misuse(); }
gzFile gz_open_file(const char*, const char*) { misuse(); }
EntryKind find_entry(const char*) { misuse(); }
bool create_directory(const char*) { misuse(); }
bool set_read_only(const char*, bool) { misuse(); }
bool remove_file(const char*) { misuse(); }
std::string temp_name(const char*) { misuse(); }
void show_message(const char*) { misuse(); }
void end_process(int) { misuse(); }
void sleep_ms(unsigned) { misuse(); }

}  // namespace

FileOps file_ops = {open_file, gz_open_file, find_entry, create_directory, set_read_only, remove_file, temp_name};
ProcessOps process_ops = {show_message, end_process, sleep_ms};
