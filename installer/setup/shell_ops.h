// What the installer's finishing steps need from the desktop shell: the registry, the shell
// link object, message boxes, the environment and process creation.
//
// Every effect of shell registration and of the finishing steps goes through `shell_ops`,
// one table of function pointers (files still go through `file_ops`). The Windows build
// defines it with the real calls (win32/shell_ops_win32.cpp); native tests define a fake
// registry and record every message, link and start. A RegKey is an opaque handle owned
// by whoever opened it and closed with close_key; nullptr means "not open".
#pragma once

#include <string>

enum class RegRoot { classes_root, current_user, local_machine, users };

enum class RegAccess { read, create_subkey, set_value, all };

using RegKey = void*;

// What the shell link object made of one shortcut request.
struct LinkOutcome {
  bool made;         // the link object and its IPersistFile could be had
  bool set_path_ok;  // SetPath succeeded
  bool save_ok;      // IPersistFile::Save succeeded
};

struct ShellOps {
  RegKey (*open_key)(RegRoot root, const char* path, RegAccess access);
  // Creates (or opens) the subkey and closes it again.
  bool (*create_subkey)(RegKey parent, const char* name);
  // The value (nullptr or "": the default value) if it is of type REG_SZ, read through a
  // buffer of 260 bytes; false otherwise.
  bool (*query_string)(RegKey key, const char* value, std::string& text);
  // A REG_SZ value written with its length including the terminating NUL.
  bool (*set_string)(RegKey key, const char* value, const std::string& text);
  // Deletes the subkey only when it has no subkeys of its own.
  bool (*delete_subkey)(RegKey parent, const char* name);
  void (*close_key)(RegKey key);
  // Creates the shortcut file at link_path through the shell link object; an empty
  // description is not set.
  LinkOutcome (*save_link)(const char* link_path, const char* target, const char* working_directory,
                           const char* description);
  bool (*remove_directory)(const char* path);  // an empty directory
  // A message box with an OK button, owned by the install dialog when it is up.
  void (*show_message)(const char* text);
  // An environment variable read into a buffer of 260 characters; false when unset.
  bool (*get_env)(const char* name, std::string& value);
  bool (*running_under_wine)();  // kernel32 exports wine_get_unix_file_name
  int (*nt_major_version)();     // 0 on a Windows that isn't of the NT family
  // Starts a program with this command line and working directory, without waiting.
  bool (*start_program)(const std::string& command_line, const std::string& directory);
};

extern ShellOps shell_ops;
