// The native store behind a graph file: an INI text read with the INI library and kept in
// memory, section by section, so that ulmocli, the native tests and the fuzzer read and write
// graph files by the private-profile rules (see profile.h) without the platform.
//
// Sections and keys keep the order they were first seen or written. A section name that
// occurs twice keeps only its first occurrence readable, as the profile reader finds only that
// one; writes go to the same occurrence.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "../profile.h"

class IniStore {
 public:
  // Replaces the contents with those of `text`. Lines the reader cannot take (no "=", an
  // unclosed section name) are left out, as the profile reader leaves them unread.
  void parse(const std::string &text);
  // The file's contents; false, leaving the store empty, when it cannot be read.
  bool load(const char *path);

  bool read(const std::string &section, const std::string &key, std::string &value) const;
  void write(const std::string &section, const std::string &key, const std::string &value);

  // The contents in the form the profile functions write: "[section]", then "key=value" per
  // key, lines ended by CR LF, a blank line between sections.
  std::string text() const;
  // Writes text() to `path`, replacing the file; false when it cannot be written.
  bool save(const char *path) const;

  // The key functions over this store.
  ProfileFunctions functions();

  struct Section {
    std::string name;
    int block;   // which "[...]" line of the text made it; -1 when made by a write
    std::vector<std::pair<std::string, std::string>> keys;
  };

 private:
  friend struct IniParse;
  Section *find_section(const std::string &name);
  const Section *find_section(const std::string &name) const;
  Section &add_section(const std::string &name, int block);

  std::vector<Section> sections_;
  // Each section's place by its name in lower case, and each key's place in its section: a
  // damaged file may name many sections, and a load looks up every one it counts.
  std::map<std::string, size_t> section_index_;
  std::vector<std::map<std::string, size_t>> key_index_;
};
