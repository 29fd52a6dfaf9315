// The private-profile backend. A value is read with a buffer that grows until the value fits,
// so that a long expression or legend comes back whole rather than cut where a fixed buffer
// would end. A missing key is told apart from an empty one by a default no file can hold.
#include "profile_file.h"

#include <windows.h>

#include <vector>

namespace {

const char kMissing[] = "\x01";

bool read_key(void *context, const char *section, const char *key, std::string &value) {
  const ProfileFile &file = *static_cast<ProfileFile *>(context);
  std::vector<char> buffer(512);
  for (;;) {
    DWORD n = GetPrivateProfileStringA(section, key, kMissing, buffer.data(),
                                       static_cast<DWORD>(buffer.size()), file.path.c_str());
    if (n + 1 < buffer.size() || buffer.size() >= (1u << 24)) {
      value.assign(buffer.data(), n);
      return value != kMissing;
    }
    buffer.resize(buffer.size() * 4);
  }
}

bool write_key(void *context, const char *section, const char *key, const char *value) {
  const ProfileFile &file = *static_cast<ProfileFile *>(context);
  return WritePrivateProfileStringA(section, key, value, file.path.c_str()) != 0;
}

}  // namespace

ProfileFile profile_file(const std::string &path) {
  char full[MAX_PATH * 4];
  DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  if (n == 0 || n >= sizeof full) return {path};
  return {full};
}

ProfileFunctions profile_functions(ProfileFile &file) { return {&file, read_key, write_key}; }

bool empty_profile_file(const ProfileFile &file) {
  HANDLE h = CreateFileA(file.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

bool flush_profile_file(const ProfileFile &file) {
  // The flush reports nothing useful on every platform; the emptied file has grown only when
  // the keys reached it.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.path.c_str());
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(file.path.c_str(), GetFileExInfoStandard, &data)) return false;
  return data.nFileSizeLow != 0 || data.nFileSizeHigh != 0;
}
