// Path joining, existence tests, directory chains and output files of the installer.
//
// All effects go through `file_ops`; this file holds only the steps. The recursion of
// make_directory_path is bounded by its shared counter, so a file system that reports a
// directory as missing after creating it cannot make it loop.
#include "payload/files.h"

#include <cstdlib>

[[noreturn]] void fatal_error(const std::string& text) {
  file_ops.show_message(text.c_str());
  file_ops.end_process(0);
  std::abort();  // end_process never returns; this keeps a faulty table from going on
}

bool exists_as_file(const std::string& path) {
  return !path.empty() && file_ops.find(path.c_str()) == EntryKind::file;
}

bool exists_as_directory(const std::string& path) {
  return !path.empty() && file_ops.find(path.c_str()) == EntryKind::directory;
}

std::string join_install_path(const std::string& directory, const std::string& relative_path) {
  if (directory.empty()) return relative_path;
  size_t skip = 0;
  if (relative_path.compare(0, 2, ".\\") == 0)
    skip = 2;
  else if (relative_path.compare(0, 1, "\\") == 0)
    skip = 1;
  std::string joined = directory;
  if (joined.back() != '\\') joined += '\\';
  joined.append(relative_path, skip, std::string::npos);
  return joined;
}

std::string directory_part(const std::string& path) {
  size_t end = path.find_last_not_of('\\');
  if (end == std::string::npos) return std::string();
  size_t slash = path.rfind('\\', end);
  if (slash == std::string::npos) return std::string();
  return path.substr(0, slash + 1);
}

void make_directory_path(const std::string& directory, int& counter) {
  if (counter > 260) return;
  ++counter;
  if (directory.empty()) return;
  std::string dir = directory;
  if (dir.back() == '\\') dir.pop_back();
  if (dir.empty() || exists_as_directory(dir)) return;
  if (file_ops.create_directory(dir.c_str())) return;
  make_directory_path(directory_part(dir), counter);
  make_directory_path(dir, counter);
}

FILE* open_output_file(const std::string& path) {
  if (FILE* out = file_ops.open(path.c_str(), "wb")) return out;
  file_ops.set_read_only(path.c_str(), false);
  if (FILE* out = file_ops.open(path.c_str(), "wb")) return out;
  int counter = 0;
  make_directory_path(directory_part(path), counter);
  return file_ops.open(path.c_str(), "wb");
}

bool write_and_close(FILE* out, const void* data, size_t length) {
  bool written = length == 0 || fwrite(data, 1, length, out) == length;
  bool closed = fclose(out) == 0;  // the data may only reach the disk here
  return written && closed;
}
