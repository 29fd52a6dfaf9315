// Reading, merging and writing the model libraries.
//
// The reader works on the file's bytes: a physical line runs up to and including its line
// feed (or to the end of the file), so lines of any length are accepted. A logical line is a
// cleaned line plus its "+" continuations; the line read after the last continuation is
// held back and starts the next logical line. A reader state lives for one file only.
#include "componentdb/model_library.h"

#include "componentdb/backup.h"
#include "files/ascii.h"
#include "files/files.h"

namespace {

const char kHeader[] =
    "* Copyright (c) Halvex Corporation.  Component models merged by the Corvex IV installer.\r\n"
    "*\r\n"
    "\r\n";

bool is_white(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Tabs become blanks, the line ends at its first CR or LF, and no blank touches an "=".
std::string clean_line(const std::string& physical) {
  std::string line;
  for (char c : physical) {
    if (c == '\r' || c == '\n') break;
    line += c == '\t' ? ' ' : c;
  }
  std::string cleaned;
  for (char c : line) {
    if (c == ' ' && !cleaned.empty() && cleaned.back() == '=') continue;
    if (c == '=')
      while (!cleaned.empty() && cleaned.back() == ' ') cleaned.pop_back();
    cleaned += c;
  }
  return cleaned;
}

// The text after the "+" of a continuation line, or false when the line is none.
bool continuation_text(const std::string& line, std::string& text) {
  size_t first = 0;
  while (first < line.size() && is_white(line[first])) ++first;
  if (first == line.size() || line[first] != '+') return false;
  text = line.substr(first + 1);
  return true;
}

std::string normalise(const std::string& gathered) {
  std::string text;
  for (char c : gathered)
    if (!(c == ' ' && !text.empty() && text.back() == ' ')) text += c;
  if (!text.empty() && is_white(text[0])) text.erase(0, 1);
  return text;
}

class LineReader {
 public:
  explicit LineReader(const std::string& content) : content_(content) {}

  bool next_cleaned(std::string& line) {
    if (at_ >= content_.size()) return false;
    size_t feed = content_.find('\n', at_);
    size_t end = feed == std::string::npos ? content_.size() : feed + 1;
    line = clean_line(content_.substr(at_, end - at_));
    at_ = end;
    return true;
  }

  bool next_logical(std::string& logical) {
    std::string gathered;
    if (has_held_ && !held_.empty()) {
      gathered = held_;
    } else if (!next_cleaned(gathered)) {
      has_held_ = false;
      return false;
    }
    has_held_ = false;
    std::string line, text;
    while (next_cleaned(line)) {
      if (!continuation_text(line, text)) {
        held_ = line;
        has_held_ = true;
        break;
      }
      size_t comment = gathered.find(';');
      if (comment != std::string::npos) gathered.erase(comment);
      if (text.empty() || !is_white(text[0])) gathered += ' ';
      gathered += text;
    }
    logical = normalise(gathered);
    return true;
  }

 private:
  const std::string& content_;
  size_t at_ = 0;
  std::string held_;
  bool has_held_ = false;
};

std::string second_token(const std::string& text) {
  size_t at = 0;
  while (at < text.size() && is_white(text[at])) ++at;
  while (at < text.size() && !is_white(text[at])) ++at;
  while (at < text.size() && is_white(text[at])) ++at;
  size_t end = at;
  while (end < text.size() && !is_white(text[end])) ++end;
  return text.substr(at, end - at);
}

}  // namespace

std::vector<std::string> read_logical_lines(const std::string& content) {
  std::vector<std::string> lines;
  LineReader reader(content);
  std::string line;
  while (reader.next_logical(line)) lines.push_back(line);
  return lines;
}

std::vector<ModelEntry> parse_model_library(const std::string& content) {
  std::vector<ModelEntry> entries;
  for (std::string& line : read_logical_lines(content))
    if (line.size() >= 6 && ascii_iequal(line.substr(0, 6), ".model")) {
      std::string name = second_token(line);
      entries.push_back(ModelEntry{name, std::move(line)});
    }
  return entries;
}

bool read_model_library(const std::string& path, std::vector<ModelEntry>& entries) {
  FILE* in = file_ops.open(path.c_str(), "rb");
  if (!in) return false;
  std::string content;
  char block[4096];
  size_t got;
  while ((got = fread(block, 1, sizeof block, in)) > 0) content.append(block, got);
  bool ok = !ferror(in);
  fclose(in);
  if (ok) entries = parse_model_library(content);
  return ok;
}

void merge_model_entries(std::vector<ModelEntry>& user, std::vector<ModelEntry>& shipped) {
  for (ModelEntry& s : shipped) {
    bool replaced = false;
    if (!s.name.empty())
      for (ModelEntry& u : user)
        if (!u.name.empty() && ascii_iequal(u.name, s.name)) {
          u = std::move(s);
          replaced = true;
          break;
        }
    if (!replaced) user.push_back(std::move(s));
  }
  shipped.clear();
}

std::string format_model_library(const std::vector<ModelEntry>& entries) {
  std::string out = kHeader;
  for (const ModelEntry& e : entries) out += e.text + "\r\n";
  return out;
}

int merge_model_library(const char* output_path, const char* shipped_path, const char* user_path) {
  if (!output_path || !*output_path || !shipped_path || !*shipped_path || !user_path || !*user_path) return 0;
  if (!exists_as_file(user_path)) return 0;
  backup_database(user_path);
  std::vector<ModelEntry> user, shipped;
  if (!read_model_library(user_path, user) || !read_model_library(shipped_path, shipped)) return 0;
  merge_model_entries(user, shipped);
  std::string bytes = format_model_library(user);
  // Binary, with explicit CR LF: the same bytes whichever C library writes them.
  FILE* out = open_for_writing(output_path);
  return out && write_and_close(out, bytes.data(), bytes.size()) ? 1 : 0;
}
