// The native file-operation table for the installer tests (see fake_file_ops.h).
#include "fake_file_ops.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

FakeFileSystem fake;

void FakeFileSystem::reset() {
  if (!scratch.empty()) std::filesystem::remove_all(scratch);
  char pattern[] = "/tmp/installer-test-XXXXXX";
  scratch = mkdtemp(pattern);
  std::filesystem::create_directory(scratch + "/temp");
  read_only.clear();
  messages.clear();
  sleeps.clear();
  temp_names.clear();
  fail_open = nullptr;
  fail_create_directory = nullptr;
  fail_remove = nullptr;
  fail_set_read_only = nullptr;
  on_open = nullptr;
  create_directory_calls = 0;
  temp_counter = 0;
}

std::string host_path(const std::string& windows_path) {
  std::string p = windows_path;
  for (char& c : p)
    if (c == '\\') c = '/';
  return p;
}

std::string win_path(const std::string& relative) {
  std::string p = fake.scratch + "\\" + relative;
  for (size_t i = fake.scratch.size(); i < p.size(); ++i)
    if (p[i] == '/') p[i] = '\\';
  return p;
}

std::string read_host_file(const std::string& host) {
  std::ifstream in(host, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void write_host_file(const std::string& host, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(host).parent_path());
  std::ofstream out(host, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
}

bool host_exists(const std::string& host) {
  struct stat st;
  return stat(host.c_str(), &st) == 0;
}

namespace {

// Windows file names ignore a trailing slash no more than POSIX; drop it for lookups.
std::string key(const char* path) {
  std::string p = host_path(path);
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  return p;
}

bool writes(const char* mode) { return std::string(mode).find_first_of("wa+") != std::string::npos; }

FILE* open_file(const char* path, const char* mode) {
  std::string host = key(path);
  if (fake.on_open) fake.on_open(path, mode);
  if (fake.fail_open && fake.fail_open(path, mode)) return nullptr;
  if (writes(mode) && fake.read_only.count(host)) return nullptr;
  return fopen(host.c_str(), mode);
}

gzFile gz_open_file(const char* path, const char* mode) {
  if (fake.fail_open && fake.fail_open(path, mode)) return nullptr;
  return gzopen(key(path).c_str(), mode);
}

EntryKind find_entry(const char* path) {
  struct stat st;
  if (stat(key(path).c_str(), &st) != 0) return EntryKind::none;
  return S_ISDIR(st.st_mode) ? EntryKind::directory : EntryKind::file;
}

bool create_directory(const char* path) {
  ++fake.create_directory_calls;
  if (fake.fail_create_directory && fake.fail_create_directory(path)) return false;
  return mkdir(key(path).c_str(), 0755) == 0;
}

bool set_read_only(const char* path, bool on) {
  if (fake.fail_set_read_only && fake.fail_set_read_only(path)) return false;
  std::string host = key(path);
  if (!host_exists(host)) return false;
  if (on)
    fake.read_only.insert(host);
  else
    fake.read_only.erase(host);
  return true;
}

bool remove_file(const char* path) {
  std::string host = key(path);
  if (fake.fail_remove && fake.fail_remove(path)) return false;
  if (fake.read_only.count(host)) return false;
  return unlink(host.c_str()) == 0;
}

std::string temp_name(const char* prefix) {
  for (;;) {
    std::string name = win_path("temp\\" + std::string(prefix) + std::to_string(++fake.temp_counter));
    if (!host_exists(host_path(name))) {
      fake.temp_names.push_back(name);
      return name;
    }
  }
}

}  // namespace

FileOps file_ops = {open_file, gz_open_file, find_entry, create_directory, set_read_only, remove_file, temp_name};
