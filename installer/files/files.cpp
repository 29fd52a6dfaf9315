// Path joining, existence tests, directory chains and output files of the installer.
//
// All effects go through `file_ops`; this file holds only the steps. The recursion of
// make_directory_path is bounded by its shared counter, so a file system that reports a
// directory as missing after creating it cannot make it loop. copy_file streams through a
// small block, so no file of any size needs a whole-file buffer.
#include "files/files.h"

namespace {

const size_t kCopyBlock = 1024;

}  // namespace

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

FILE* open_for_writing(const std::string& path) {
  if (FILE* out = file_ops.open(path.c_str(), "wb")) return out;
  file_ops.set_read_only(path.c_str(), false);
  return file_ops.open(path.c_str(), "wb");
}

FILE* open_output_file(const std::string& path) {
  if (FILE* out = open_for_writing(path)) return out;
  int counter = 0;
  make_directory_path(directory_part(path), counter);
  return file_ops.open(path.c_str(), "wb");
}

bool remove_even_if_read_only(const std::string& path) {
  if (file_ops.remove(path.c_str())) return true;
  file_ops.set_read_only(path.c_str(), false);
  return file_ops.remove(path.c_str());
}

bool write_and_close(FILE* out, const void* data, size_t length) {
  bool written = length == 0 || fwrite(data, 1, length, out) == length;
  bool closed = fclose(out) == 0;  // the data may only reach the disk here
  return written && closed;
}

bool copy_file(const std::string& from, const std::string& to) {
  FILE* in = file_ops.open(from.c_str(), "rb");
  if (!in) return false;
  FILE* out = open_for_writing(to);
  if (!out) {
    fclose(in);
    return false;
  }
  unsigned char block[kCopyBlock];
  bool ok = true;
  size_t got;
  while (ok && (got = fread(block, 1, kCopyBlock, in)) > 0) ok = fwrite(block, 1, got, out) == got;
  if (ferror(in)) ok = false;
  fclose(in);
  if (fclose(out) != 0) ok = false;
  return ok;
}
