// The export text formats. Numbers go through c_format so that their exponents have three
// digits on every C runtime (1.000000e-003), as the files written on the reference platform
// do. Rows are read in place from the plot's blocks, so an export needs no memory of its own
// beyond one line of text.
#include "export.h"

#include "../base/cformat.h"
#include "plot_model.h"

namespace {

// One export row per point of the current plot: the values of `columns` put out one by one
// (`put(value, last)`); false at the first write error.
template <typename Put>
bool for_each_row(const std::vector<int> &columns, FILE *out, Put put) {
  for (int p = 0; p < point_count(); p++) {
    RowToken token;
    const double *row = lock_real_row(p, token);
    if (!row) break;
    for (size_t i = 0; i < columns.size(); i++) put(row[columns[i]], i + 1 == columns.size());
    release_row(token);
    if (ferror(out)) return false;
  }
  return !ferror(out);
}

std::string csv_field(const std::string &text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

bool write_trace_export(FILE *out, const char *legend, const double *x, const double *y,
                        int point_count) {
  fputs(legend, out);
  fputc('\n', out);
  for (int i = 0; i < point_count; i++) fputs(c_format("%e\t%e\n", x[i], y[i]).c_str(), out);
  fputc('\n', out);
  return !ferror(out);
}

std::string variable_list_text(int index) {
  std::string name, unit;
  if (!variable_info(index, name, unit)) return "";
  return name + " (" + unit + ")";
}

std::vector<int> raw_export_columns(const std::vector<int> &selected) {
  std::vector<int> columns;
  if (variable_count() < 1) return columns;
  columns.push_back(0);
  for (int v : selected)
    if (v >= 0 && v < variable_count()) columns.push_back(v);
  return columns;
}

bool write_raw_data_export(FILE *out, const std::vector<int> &selected) {
  std::vector<int> columns = raw_export_columns(selected);
  for (size_t i = 0; i < columns.size(); i++)
    fputs(c_format(i + 1 < columns.size() ? "%s\t" : "%s\n", variable_list_text(columns[i]).c_str()).c_str(), out);
  return for_each_row(columns, out, [out](double v, bool last) {
    fputs(c_format(last ? "%e\n" : "%e\t", v).c_str(), out);
  });
}

bool write_raw_data_csv(FILE *out, const std::vector<int> &selected) {
  std::vector<int> columns = raw_export_columns(selected);
  for (size_t i = 0; i < columns.size(); i++) {
    fputs(csv_field(variable_list_text(columns[i])).c_str(), out);
    fputs(i + 1 < columns.size() ? "," : "\r\n", out);
  }
  return for_each_row(columns, out, [out](double v, bool last) {
    fputs(c_format("%.17g", v).c_str(), out);
    fputs(last ? "\r\n" : ",", out);
  });
}
