// The installer's shell operations on Wine: the registry rules shell registration relies on,
// a shortcut made through the shell link object and read back through it, and the Wine
// detection behind the settings file's location.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "files/files.h"
#include "setup/registration.h"
#include "setup/settings_file.h"
#include "setup/shell_ops.h"

namespace {

const char kTestKey[] = "Software\\CorvexShellTest";

TEST(ShellOps, DeleteRefusesKeysWithSubkeysAndQueryOnlyReadsStrings) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kTestKey) + "\\parent\\child").c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  DWORD number = 7;
  RegSetValueExA(key, "number", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), sizeof number);
  RegSetValueExA(key, "text", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\x\\TESL3.EXE,0"), 17);
  RegCloseKey(key);

  RegKey child = shell_ops.open_key(RegRoot::current_user, (std::string(kTestKey) + "\\parent\\child").c_str(), RegAccess::read);
  ASSERT_NE(child, nullptr);
  std::string text;
  EXPECT_FALSE(shell_ops.query_string(child, "number", text));
  EXPECT_FALSE(shell_ops.query_string(child, "missing", text));
  ASSERT_TRUE(shell_ops.query_string(child, "text", text));
  EXPECT_EQ(text, "C:\\x\\TESL3.EXE,0");
  shell_ops.close_key(child);

  RegKey top = shell_ops.open_key(RegRoot::current_user, kTestKey, RegAccess::all);
  ASSERT_NE(top, nullptr);
  EXPECT_FALSE(shell_ops.delete_subkey(top, "parent")) << "a key with subkeys stays";
  RegKey parent = shell_ops.open_key(RegRoot::current_user, (std::string(kTestKey) + "\\parent").c_str(), RegAccess::all);
  ASSERT_NE(parent, nullptr);
  EXPECT_TRUE(shell_ops.delete_subkey(parent, "child"));
  shell_ops.close_key(parent);
  EXPECT_TRUE(shell_ops.delete_subkey(top, "parent"));
  shell_ops.close_key(top);
  EXPECT_EQ(shell_ops.open_key(RegRoot::current_user, (std::string(kTestKey) + "\\parent").c_str(), RegAccess::read), nullptr);
  RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
}

TEST(ShellOps, ShortcutReadsBackThroughTheLinkObject) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "corvex-links-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, "Desktop", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()), DWORD(folder.size() + 1));
  RegCloseKey(key);
  std::string link;
  const std::string install = "C:\\Program Files\\HVX\\CorvexIV";
  ASSERT_EQ(create_shortcut(ShortcutPlace::desktop, link, install, "tesl3", "Corvex IV", "Halvex Corporation's Corvex IV"), "");
  EXPECT_EQ(link, folder + "\\Corvex IV.lnk");

  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  IShellLinkA* shell_link = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                         reinterpret_cast<void**>(&shell_link))));
  IPersistFile* file = nullptr;
  ASSERT_TRUE(SUCCEEDED(shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
  ASSERT_TRUE(SUCCEEDED(file->Load(wide, STGM_READ)));
  char text[MAX_PATH] = "";
  shell_link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
  EXPECT_STREQ(text, "C:\\Program Files\\HVX\\CorvexIV\\tesl3.exe");
  shell_link->GetWorkingDirectory(text, MAX_PATH);
  EXPECT_STREQ(text, "C:\\Program Files\\HVX\\CorvexIV");
  shell_link->GetDescription(text, MAX_PATH);
  EXPECT_STREQ(text, "Halvex Corporation's Corvex IV");
  file->Release();
  shell_link->Release();
  CoUninitialize();

  remove_shortcut(link);
  EXPECT_FALSE(exists_as_file(link));
  remove_shortcut(folder);  // an empty shortcut folder
  EXPECT_FALSE(exists_as_directory(folder));
}

TEST(ShellOps, WineIsDetectedAndTheSettingsFileLiesInWindir) {
  EXPECT_TRUE(shell_ops.running_under_wine());
  char windir[MAX_PATH];
  ASSERT_GT(GetEnvironmentVariableA("WINDIR", windir, MAX_PATH), 0u);
  std::string expected = std::string(windir) + "\\tesl3.ini";
  EXPECT_EQ(find_settings_file(), expected);
  std::string value;
  SetEnvironmentVariableA("CORVEX_LONG", std::string(300, 'x').c_str());
  EXPECT_FALSE(shell_ops.get_env("CORVEX_LONG", value)) << "a value longer than its buffer is not cut";
}

}  // namespace
