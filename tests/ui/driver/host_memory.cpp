#include "host_memory.h"

#include <cctype>
#include <cstdio>
#include <cstring>

uint64_t host_physical_memory() {
  FILE *in = fopen("Z:\\proc\\meminfo", "r");
  if (!in) return 0;
  char line[256];
  unsigned long long kib = 0;
  while (fgets(line, sizeof line, in))
    if (sscanf(line, "MemTotal: %llu kB", &kib) == 1) break;
  fclose(in);
  return static_cast<uint64_t>(kib) * 1024;
}

long long kilobytes_shown(const std::string &text) {
  const std::string unit = " KB";
  if (text.size() <= unit.size() || text.compare(text.size() - unit.size(), unit.size(), unit) != 0) return -1;
  std::string digits = text.substr(0, text.size() - unit.size());
  if (digits.size() > 18 || (digits.size() > 1 && digits[0] == '0')) return -1;
  long long n = 0;
  for (char c : digits) {
    if (!isdigit(static_cast<unsigned char>(c))) return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}
