// Native stand-in for the installer's shell operations: an in-memory registry with the
// Windows rules the installer relies on (names ignore case, a key with subkeys can't be
// deleted), and one ordered log of everything else it asks of the shell.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "setup/shell_ops.h"

struct FakeValue {
  bool is_string;  // REG_SZ; otherwise some other type the installer must not read
  std::string text;
};

struct FakeShell {
  // "HKLM\Software\..." in lower case -> values by lower-case name ("" the default value).
  std::map<std::string, std::map<std::string, FakeValue>> keys;
  std::vector<std::string> log;  // "message: ...", "link: ...", "delete: ...", "set: ...", "start: ..."
  std::set<std::string> denied;  // keys (as given to add_key) that can't be opened
  LinkOutcome link_outcome{true, true, true};
  std::map<std::string, std::string> env;
  bool wine = true;
  int nt_major = 6;

  void reset();
  // Creates the key and its parents; "HKCR\Asy.Document\DefaultIcon".
  void add_key(const std::string& path);
  void set(const std::string& path, const std::string& value, const std::string& text, bool is_string = true);
  bool has_key(const std::string& path) const;
  std::string get(const std::string& path, const std::string& value) const;  // "<none>" if missing
  std::vector<std::string> logged(const std::string& kind) const;           // entries of one kind
};

extern FakeShell fake_shell;
