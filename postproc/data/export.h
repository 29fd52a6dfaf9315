// The export text formats (written through a C stream in text mode, so lines end the way
// the platform's text files do), and the CSV form of the raw data export.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// One trace block: the legend text, one "%e\t%e" line of x and y per point, an empty line.
// False when the stream reports a write error.
bool write_trace_export(FILE *out, const char *legend, const double *x, const double *y,
                        int point_count);

// A variable of the current plot as the export lists show it: "name (unit name)".
std::string variable_list_text(int index);

// The columns of a raw data export: variable 0, then the selected variables in list order
// (variable 0 again when it is selected too). Indices outside the current plot are dropped.
std::vector<int> raw_export_columns(const std::vector<int> &selected);

// Raw data export of the current plot: a tab-separated header of list texts, then one line
// of "%e" real parts per point. False when the stream reports a write error.
bool write_raw_data_export(FILE *out, const std::vector<int> &selected);

// The same columns as RFC 4180 CSV: CRLF line ends, a header of the list texts quoted where
// they need it, values with 17 significant digits so that they read back exactly. The stream
// must be binary for the line ends to stay as written.
bool write_raw_data_csv(FILE *out, const std::vector<int> &selected);
