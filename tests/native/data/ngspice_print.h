// What ngspice printed for a run: the log of a netlist whose .control block writes
// "@plot N" before printing the vectors of plot N, either as "name = value" lines (one point)
// or as a table under an "Index" line (the scale first). Complex values print as "re, im".
#pragma once

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

struct PrintedValue {
  double re = 0, im = 0;
};

// The vectors of one plot by printed name, each value by point index.
using PrintedPlot = std::map<std::string, std::vector<PrintedValue>>;

inline bool parse_printed(const std::string &text, PrintedValue &out) {
  size_t comma = text.find(',');
  char *end = nullptr;
  out.re = strtod(text.c_str(), &end);
  if (end == text.c_str()) return false;
  if (comma == std::string::npos) return *end == '\0';
  std::string im = text.substr(comma + 1);
  out.im = strtod(im.c_str(), &end);
  return end != im.c_str() && *end == '\0';
}

// Joins "re,<tab>im" into one word so that a table row splits into one word per column.
inline std::vector<std::string> printed_words(std::string line) {
  for (size_t at; (at = line.find(",\t")) != std::string::npos || (at = line.find(", ")) != std::string::npos;)
    line.erase(at + 1, 1);
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

inline std::map<int, PrintedPlot> read_printed_plots(const std::string &log_path) {
  std::map<int, PrintedPlot> plots;
  std::ifstream in(log_path);
  PrintedPlot *plot = nullptr;
  std::vector<std::string> columns;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("@plot ", 0) == 0) {
      plot = &plots[atoi(line.c_str() + 6)];
      columns.clear();
      continue;
    }
    if (!plot) continue;
    std::vector<std::string> w = printed_words(line);
    if (w.size() == 3 && w[1] == "=") {
      PrintedValue v;
      if (parse_printed(w[2], v)) (*plot)[w[0]] = {v};
    } else if (!w.empty() && w[0] == "Index") {
      columns.assign(w.begin() + 1, w.end());
    } else if (!columns.empty() && w.size() == columns.size() + 1 && isdigit(static_cast<unsigned char>(w[0][0]))) {
      size_t point = static_cast<size_t>(atol(w[0].c_str()));
      for (size_t c = 0; c < columns.size(); c++) {
        std::vector<PrintedValue> &values = (*plot)[columns[c]];
        if (values.size() <= point) values.resize(point + 1);
        parse_printed(w[c + 1], values[point]);
      }
    }
  }
  return plots;
}

inline std::vector<unsigned char> file_bytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
