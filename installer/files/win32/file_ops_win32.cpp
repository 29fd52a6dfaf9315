// The installer's file operations on Windows.
//
// Existence is a FindFirstFile search for the exact name; its attributes tell a directory
// from a file.
// Temporary names follow the C run-time's temporary-name rule given no directory: the
// directory named by TMP when it exists (else the system's temporary folder), the prefix
// and a decimal counter, the first name that doesn't exist. It is done here rather than by
// _tempnam because Wine's version creates and deletes a file for every name, which doubled
// the file-system work per packed member.
#include <windows.h>

#include <cstdlib>

#include "files/file_ops.h"

namespace {

FILE* open_file(const char* path, const char* mode) { return fopen(path, mode); }

gzFile gz_open_file(const char* path, const char* mode) { return gzopen(path, mode); }

EntryKind find_entry(const char* path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return EntryKind::none;
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::directory : EntryKind::file;
}

bool create_directory(const char* path) { return CreateDirectoryA(path, nullptr) != 0; }

bool set_read_only(const char* path, bool read_only) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  DWORD wanted = read_only ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~DWORD(FILE_ATTRIBUTE_READONLY);
  if (wanted == 0) wanted = FILE_ATTRIBUTE_NORMAL;
  return wanted == attributes || SetFileAttributesA(path, wanted) != 0;
}

bool remove_file(const char* path) { return DeleteFileA(path) != 0; }

std::string temp_directory() {
  const char* tmp = getenv("TMP");
  if (tmp && *tmp && find_entry(tmp) == EntryKind::directory) return tmp;
  char path[MAX_PATH + 1];
  DWORD length = GetTempPathA(sizeof path, path);
  return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

std::string temp_name(const char* prefix) {
  static unsigned counter = 0;  // the worker is the only caller; names never repeat in a run
  std::string dir = temp_directory();
  if (dir.empty()) return std::string();
  if (dir.back() != '\\' && dir.back() != '/') dir += '\\';
  for (unsigned tries = 0; tries < 100000; ++tries) {
    std::string name = dir + prefix + std::to_string(++counter);
    if (find_entry(name.c_str()) == EntryKind::none) return name;
  }
  return std::string();
}

}  // namespace

FileOps file_ops = {open_file, gz_open_file, find_entry, create_directory, set_read_only, remove_file, temp_name};
