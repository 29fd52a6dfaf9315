// The postprocessor's settings in the registry, as the UI scenarios set them before a run and
// read them after one.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

const char kKey[] = "Software\\Ulmo-Software\\Ulmo-Postprocessor\\Settings";

inline void set_text(const char *name, const std::string &value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()), value.size() + 1);
  RegCloseKey(key);
}

inline void set_number(const char *name, DWORD value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value);
  RegCloseKey(key);
}

// The stored value as text ("<none>" when absent); numbers in decimal.
inline std::string stored(const char *name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<none>";
  BYTE data[1024] = {};
  DWORD size = sizeof data - 1, type = 0;
  LONG rc = RegQueryValueExA(key, name, nullptr, &type, data, &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return "<none>";
  if (type == REG_DWORD) return std::to_string(*reinterpret_cast<DWORD *>(data));
  return reinterpret_cast<char *>(data);
}
