// IniStore over the INI library.
//
// The library is set to read as the profile reader does: only ';' starts a comment, and only
// at the start of a line (a value keeps a ';' inside it); no continuation lines; lines of any
// length. It reports the section of each key by name only, so the reader callback counts the
// section lines itself: a key belongs to the block of the last section line read, and only
// the first block of a name is kept.
#include "ini_store.h"

#include <ini.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "../../base/ascii.h"

namespace {

// Lines grow up to this; a longer one is read in pieces, each a line of its own.
const int kLongestLine = 1 << 20;

std::string trimmed(const char *text) {
  std::string s = text;
  size_t first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  size_t last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

std::string lower(const std::string &text) {
  std::string s = text;
  for (char &c : s) c = ascii_lower(c);
  return s;
}

// The library also splits a line at a ':'; the profile reader only at '='. A ':' before the
// first '=' of a key line is hidden from the library as kHiddenColon and put back in the key.
const char kHiddenColon = '\x1F';

std::string hide_colons(const std::string &text) {
  std::string out = text;
  size_t line = 0;
  while (line < out.size()) {
    size_t end = out.find('\n', line);
    if (end == std::string::npos) end = out.size();
    size_t first = out.find_first_not_of(" \t", line);
    bool key_line = first < end && out[first] != '[' && out[first] != ';';
    for (size_t i = line; key_line && i < end && out[i] != '='; i++)
      if (out[i] == ':') out[i] = kHiddenColon;
    line = end + 1;
  }
  return out;
}

void configure_reader() {
  static char comment_prefixes[] = ";";
  ini_allow_multiline = false;
  ini_allow_bom = true;
  ini_start_comment_prefixes = comment_prefixes;
  ini_allow_inline_comments = false;
  ini_use_stack = false;
  ini_allow_realloc = true;
  ini_initial_alloc = 512;
  ini_max_line = kLongestLine;
  ini_stop_on_first_error = false;
  ini_allow_no_value = false;
}

}  // namespace

// What the reader callback and the key handler share while one text is parsed.
struct IniParse {
  IniStore *store;
  const std::string *text;
  size_t position;
  bool at_line_start;
  int block;   // section lines read so far, less one
  std::vector<bool> kept;   // per block: whether it is the first of its name

  // fgets over the text, noting every line that opens a section.
  static char *next_line(char *buffer, int size, void *stream) {
    IniParse &p = *static_cast<IniParse *>(stream);
    const std::string &t = *p.text;
    if (p.position >= t.size() || size < 2) return nullptr;
    size_t n = 0;
    while (n + 1 < static_cast<size_t>(size) && p.position < t.size()) {
      char c = t[p.position++];
      buffer[n++] = c == '\0' ? ' ' : c;
      if (c == '\n') break;
    }
    buffer[n] = '\0';
    if (p.at_line_start) {
      const char *s = buffer;
      if (n == p.position && strncmp(s, "\xEF\xBB\xBF", 3) == 0) s += 3;   // the first line's mark
      while (*s == ' ' || *s == '\t') s++;
      if (*s == '[' && strchr(s, ']')) p.open_block(s + 1);
    }
    p.at_line_start = n > 0 && buffer[n - 1] == '\n';
    return buffer;
  }

  void open_block(const char *after_bracket) {
    std::string name = trimmed(std::string(after_bracket, strchr(after_bracket, ']')).c_str());
    bool first = store->find_section(name) == nullptr;
    kept.push_back(first);
    block = static_cast<int>(kept.size()) - 1;
    if (first) store->add_section(name, block);
  }

  static int take_key(void *user, const char *, const char *name, const char *value) {
    IniParse &p = *static_cast<IniParse *>(user);
    // Keys before the first section line form a section without a name, as for the profile
    // reader; like a kept block, it is the last section made while its keys are read.
    if (p.block < 0 && !p.store->find_section("")) p.store->add_section("", -1);
    if (p.block >= 0 && !p.kept[static_cast<size_t>(p.block)]) return 1;
    size_t section = p.store->sections_.size() - 1;
    std::string key = trimmed(name);
    for (char &c : key)
      if (c == kHiddenColon) c = ':';
    auto &keys = p.store->key_index_[section];
    if (!keys.emplace(lower(key), p.store->sections_[section].keys.size()).second)
      return 1;   // the first key of a name wins
    p.store->sections_[section].keys.emplace_back(key, trimmed(value));
    return 1;
  }
};

void IniStore::parse(const std::string &text) {
  sections_.clear();
  section_index_.clear();
  key_index_.clear();
  configure_reader();
  std::string lines = hide_colons(text);
  IniParse p{this, &lines, 0, true, -1, {}};
  ini_parse_stream(IniParse::next_line, &p, IniParse::take_key, &p);
}

bool IniStore::load(const char *path) {
  parse(std::string());
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream contents;
  contents << in.rdbuf();
  if (in.bad()) return false;
  parse(contents.str());
  return true;
}

IniStore::Section &IniStore::add_section(const std::string &name, int block) {
  section_index_.emplace(lower(name), sections_.size());
  key_index_.emplace_back();
  sections_.push_back({name, block, {}});
  return sections_.back();
}

IniStore::Section *IniStore::find_section(const std::string &name) {
  auto found = section_index_.find(lower(name));
  return found == section_index_.end() ? nullptr : &sections_[found->second];
}

const IniStore::Section *IniStore::find_section(const std::string &name) const {
  return const_cast<IniStore *>(this)->find_section(name);
}

bool IniStore::read(const std::string &section, const std::string &key, std::string &value) const {
  const Section *s = find_section(section);
  if (!s) return false;
  const auto &keys = key_index_[static_cast<size_t>(s - sections_.data())];
  auto found = keys.find(lower(key));
  if (found == keys.end()) return false;
  value = without_quotes(s->keys[found->second].second);
  return true;
}

void IniStore::write(const std::string &section, const std::string &key, const std::string &value) {
  Section *s = find_section(section);
  if (!s) s = &add_section(section, -1);
  auto &keys = key_index_[static_cast<size_t>(s - sections_.data())];
  auto placed = keys.emplace(lower(key), s->keys.size());
  if (placed.second) s->keys.emplace_back(key, value);
  else s->keys[placed.first->second].second = value;
}

std::string IniStore::text() const {
  std::string out;
  for (const Section &s : sections_) {
    if (!out.empty()) out += "\r\n";
    out += "[" + s.name + "]\r\n";
    for (const auto &k : s.keys) out += k.first + "=" + k.second + "\r\n";
  }
  return out;
}

bool IniStore::save(const char *path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out << text();
  out.close();
  return static_cast<bool>(out);
}

ProfileFunctions IniStore::functions() {
  auto read = [](void *context, const char *section, const char *key, std::string &value) {
    return static_cast<IniStore *>(context)->read(section, key, value);
  };
  auto write = [](void *context, const char *section, const char *key, const char *value) {
    static_cast<IniStore *>(context)->write(section, key, value);
    return true;
  };
  return {this, read, write};
}
