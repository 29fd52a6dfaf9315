// Parser of the databases' source lists (format in source_list.h).
#include "componentdb/source_list.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <type_traits>
#include <vector>

namespace {

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return std::string();
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::vector<std::string> split_fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    size_t bar = line.find('|', start);
    fields.push_back(trim(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
    if (bar == std::string::npos) return fields;
    start = bar + 1;
  }
}

bool parse_number(const std::string& field, float& number) {
  if (field.empty()) return false;
  char* end = nullptr;
  errno = 0;
  double v = strtod(field.c_str(), &end);
  if (*end != '\0' || errno == ERANGE) return false;
  number = float(v);
  return true;
}

// Calls make(fields, record) for every record line; texts come first, then numbers.
template <class Doc>
bool parse_lines(const std::string& text, Doc& doc, size_t texts, size_t numbers, std::string& error) {
  doc.records.clear();
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::string t = trim(line);
    if (t.empty() || t[0] == '#') continue;
    std::vector<std::string> f = split_fields(line);
    if (f.size() != texts + numbers) {
      error = "line " + std::to_string(number) + ": expected " + std::to_string(texts + numbers) + " fields";
      return false;
    }
    typename Doc::Record rec;
    std::string* text_fields[] = {&rec.manufacturer, &rec.part_number, nullptr};
    if constexpr (std::is_same<Doc, CCapacitorDoc>::value) text_fields[2] = &rec.kind;
    for (size_t i = 0; i < texts; ++i) *text_fields[i] = f[i];
    for (size_t i = 0; i < numbers; ++i)
      if (!parse_number(f[texts + i], rec.value[i])) {
        error = "line " + std::to_string(number) + ": not a number: \"" + f[texts + i] + "\"";
        return false;
      }
    doc.records.push_back(rec);
  }
  return true;
}

}  // namespace

bool parse_source_list(const std::string& text, CCapacitorDoc& doc, std::string& error) {
  return parse_lines(text, doc, 3, 5, error);
}

bool parse_source_list(const std::string& text, CInductorDoc& doc, std::string& error) {
  return parse_lines(text, doc, 2, 5, error);
}

bool parse_source_list(const std::string& text, CResistorDoc& doc, std::string& error) {
  return parse_lines(text, doc, 2, 3, error);
}
