// The installer's shell operations on Windows: registry, the shell link object through COM,
// message boxes, environment, version and process creation.
//
// Registry handles are HKEYs passed through as opaque keys. A link is made on the calling
// thread with COM initialised for the call only, so nothing of COM outlives a shortcut.
#include "setup/win32/shell_ops_win32.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

#include "setup/shell_ops.h"

HWND shell_message_owner = nullptr;
const char kInstallerCaption[] = "Corvex IV Installation";

namespace {

const DWORD kValueBuffer = 260;

HKEY root_key(RegRoot root) {
  switch (root) {
    case RegRoot::classes_root: return HKEY_CLASSES_ROOT;
    case RegRoot::current_user: return HKEY_CURRENT_USER;
    case RegRoot::local_machine: return HKEY_LOCAL_MACHINE;
    case RegRoot::users: return HKEY_USERS;
  }
  return nullptr;
}

REGSAM access_rights(RegAccess access) {
  switch (access) {
    case RegAccess::read: return KEY_READ;
    case RegAccess::create_subkey: return KEY_CREATE_SUB_KEY;
    case RegAccess::set_value: return KEY_SET_VALUE;
    case RegAccess::all: return KEY_ALL_ACCESS;
  }
  return KEY_READ;
}

RegKey open_key(RegRoot root, const char* path, RegAccess access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root_key(root), path, 0, access_rights(access), &key) != ERROR_SUCCESS) return nullptr;
  return key;
}

bool create_subkey(RegKey parent, const char* name) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(static_cast<HKEY>(parent), name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool query_string(RegKey key, const char* value, std::string& text) {
  char buffer[kValueBuffer + 1] = {};
  DWORD type = 0, size = kValueBuffer;
  if (RegQueryValueExA(static_cast<HKEY>(key), value, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return false;
  buffer[size < kValueBuffer ? size : kValueBuffer] = '\0';
  text = buffer;
  return true;
}

bool set_string(RegKey key, const char* value, const std::string& text) {
  return RegSetValueExA(static_cast<HKEY>(key), value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        DWORD(text.size() + 1)) == ERROR_SUCCESS;
}

bool delete_subkey(RegKey parent, const char* name) {
  return RegDeleteKeyA(static_cast<HKEY>(parent), name) == ERROR_SUCCESS;
}

void close_key(RegKey key) { RegCloseKey(static_cast<HKEY>(key)); }

LinkOutcome save_link(const char* link_path, const char* target, const char* working_directory,
                      const char* description) {
  LinkOutcome outcome{false, false, false};
  HRESULT initialised = CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    if (SUCCEEDED(initialised)) CoUninitialize();
    return outcome;
  }
  IPersistFile* file = nullptr;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    link->Release();
    if (SUCCEEDED(initialised)) CoUninitialize();
    return outcome;
  }
  outcome.made = true;
  outcome.set_path_ok = SUCCEEDED(link->SetPath(target));
  link->SetWorkingDirectory(working_directory);
  if (*description) link->SetDescription(description);
  WCHAR wide[MAX_PATH];
  if (MultiByteToWideChar(CP_ACP, 0, link_path, -1, wide, MAX_PATH) > 0)
    outcome.save_ok = SUCCEEDED(file->Save(wide, TRUE));
  file->Release();
  link->Release();
  if (SUCCEEDED(initialised)) CoUninitialize();
  return outcome;
}

bool remove_directory(const char* path) { return RemoveDirectoryA(path) != 0; }

void show_message(const char* text) { MessageBoxA(shell_message_owner, text, kInstallerCaption, MB_OK); }

bool get_env(const char* name, std::string& value) {
  char buffer[260];
  DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return false;  // unset, or longer than we read
  value.assign(buffer, length);
  return true;
}

bool running_under_wine() {
  HMODULE kernel = GetModuleHandleA("kernel32");
  return kernel && GetProcAddress(kernel, "wine_get_unix_file_name") != nullptr;
}

int nt_major_version() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return 0;
#pragma GCC diagnostic pop
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT ? int(version.dwMajorVersion) : 0;
}

bool start_program(const std::string& command_line, const std::string& directory) {
  std::vector<char> line(command_line.begin(), command_line.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

ShellOps shell_ops = {open_key,      create_subkey,  query_string,       set_string,       delete_subkey,
                      close_key,     save_link,      remove_directory,   show_message,     get_env,
                      running_under_wine, nt_major_version, start_program};
