// Lines are taken whole, whatever their length: a wide file of many columns must not be cut
// into pieces that would read as rows of their own.
#include "monitor_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace {

bool separator(char c) {
  return c == ' ' || c == '\t' || c == '=' || c == '(' || c == ')' || c == ',' || c == ';';
}

bool digit(char c) { return c >= '0' && c <= '9'; }

struct Token {
  const char *begin;
  size_t length;
};

bool is_number(const Token &t) {
  const char *p = t.begin;
  size_t n = t.length;
  if (n >= 1 && digit(p[0])) return true;
  if (n >= 2 && p[0] == '-' && digit(p[1])) return true;
  return n >= 3 && p[0] == '-' && p[1] == '.' && digit(p[2]);
}

// The longest decimal number at the start of a number token; false when it overflows.
bool convert(const Token &t, double &value) {
  const char *p = t.begin, *end = t.begin + t.length;
  const char *q = p;
  if (q < end && *q == '-') q++;
  while (q < end && digit(*q)) q++;
  if (q < end && *q == '.') {
    q++;
    while (q < end && digit(*q)) q++;
  }
  if (q < end && (*q == 'e' || *q == 'E')) {
    const char *r = q + 1;
    if (r < end && (*r == '+' || *r == '-')) r++;
    if (r < end && digit(*r)) {
      while (r < end && digit(*r)) r++;
      q = r;
    }
  }
  std::string number(p, q);
  value = strtod(number.c_str(), nullptr);
  return std::isfinite(value);
}

// Splits one line into tokens.
void tokens_of(const char *line, size_t length, std::vector<Token> &out) {
  out.clear();
  size_t i = 0;
  while (i < length) {
    while (i < length && separator(line[i])) i++;
    size_t start = i;
    while (i < length && !separator(line[i])) i++;
    if (i > start) out.push_back({line + start, i - start});
  }
}

}  // namespace

namespace {

MonitorReadStatus read_rows(const char *text, size_t size, MonitorData &data,
                            int32_t &bad_line) {
  bad_line = 0;
  std::vector<Token> tokens;
  bool first_row = true;
  int32_t line_number = 0;
  size_t pos = 0;
  while (pos < size) {
    const char *line = text + pos;
    const char *newline = static_cast<const char *>(memchr(line, '\n', size - pos));
    size_t length = newline ? static_cast<size_t>(newline - line) : size - pos;
    pos += length + (newline ? 1 : 0);
    line_number++;
    if (length > 0 && line[length - 1] == '\r') length--;
    tokens_of(line, length, tokens);
    if (tokens.empty() || !is_number(tokens[0])) continue;

    double x;
    if (!convert(tokens[0], x)) {
      bad_line = line_number;
      return kMonitorNumberOutOfRange;
    }
    size_t values = tokens.size() >= 2 && is_number(tokens[1]) ? tokens.size() - 1 : 0;
    if (first_row) {
      data.columns = static_cast<int32_t>(values);
      first_row = false;
    } else if (values < static_cast<size_t>(data.columns)) {
      break;
    }
    data.x.push_back(x);
    for (int32_t c = 0; c < data.columns; c++) {
      double v = 0.0;
      const Token &t = tokens[static_cast<size_t>(c) + 1];
      if (is_number(t) && !convert(t, v)) {
        bad_line = line_number;
        return kMonitorNumberOutOfRange;
      }
      data.y.push_back(v);
    }
  }
  return kMonitorReadOk;
}

}  // namespace

MonitorReadStatus read_monitor_text(const char *text, size_t size, MonitorData &data,
                                    int32_t &bad_line) {
  data = MonitorData();
  MonitorReadStatus status;
  try {
    status = read_rows(text, size, data, bad_line);
  } catch (const std::bad_alloc &) {
    status = kMonitorNoMemory;
  }
  if (status != kMonitorReadOk) data = MonitorData();
  return status;
}

MonitorReadStatus read_monitor_file(const char *path, MonitorData &data, int32_t &bad_line) {
  data = MonitorData();
  bad_line = 0;
  FILE *f = fopen(path, "rb");
  if (!f) return kMonitorCantOpen;
  std::string text;
  bool failed = false;
  try {
    char chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) text.append(chunk, n);
    failed = ferror(f) != 0;
  } catch (const std::bad_alloc &) {
    fclose(f);
    return kMonitorNoMemory;
  }
  fclose(f);
  if (failed) return kMonitorCantOpen;
  return read_monitor_text(text.data(), text.size(), data, bad_line);
}
