// The monitored data file: plain text that another program keeps rewriting, read into rows of
// an x value and the same number of y values each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct MonitorData {
  std::vector<double> x;   // the first number of each row
  int32_t columns = 0;     // y values per row, as the first row has them; 0: a single column
  std::vector<double> y;   // row after row, `columns` values each
  int32_t rows() const { return static_cast<int32_t>(x.size()); }
  double value(int32_t row, int32_t column) const {   // column 0 .. columns-1
    return y[static_cast<size_t>(row) * columns + column];
  }
};

enum MonitorReadStatus {
  kMonitorReadOk = 0,
  kMonitorCantOpen,            // the file cannot be opened or read
  kMonitorNumberOutOfRange,    // a number beyond the range of a double
  kMonitorNoMemory,            // the rows do not fit in memory; nothing is kept
};

// Reads the text of a monitored file. Lines end at "\n" (one "\r" before it is dropped too);
// tokens are separated by runs of blanks, tabs, "=", "(", ")", "," and ";". A token is a
// number when it begins with a digit, "-" and a digit, or "-." and a digit; it reads as the
// longest decimal number at its start ("12abc" is 12). A line whose first token is a number is
// a row; when its second token is a number too, that token and every further one are its y
// values (non-numbers reading 0). Other lines are skipped.
//
// Every row should have the first row's number of y values. A row with more keeps only those;
// a row with fewer ends the data there: it is what a writer caught in the middle of a line
// leaves, and the rows after it could not be matched to columns. On kMonitorNumberOutOfRange
// `bad_line` is the 1-based line.
MonitorReadStatus read_monitor_text(const char *text, size_t size, MonitorData &data,
                                    int32_t &bad_line);
MonitorReadStatus read_monitor_file(const char *path, MonitorData &data, int32_t &bad_line);
