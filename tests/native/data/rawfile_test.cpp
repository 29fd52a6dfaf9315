// ngspice raw files, written by ngspice itself at build time, read back and checked against
// the numbers ngspice printed for the same run; then the same files cut short and damaged.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "base/status.h"
#include "data/load.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/rawfile.h"
#include "largest_allocation.h"
#include "ngspice_print.h"
#include "support/fake_ui.h"

namespace {

const std::string kResults = NGSPICE_RESULTS;

std::string result(const std::string &name) { return kResults + "/" + name; }

struct ExpectedPlot {
  const char *plot_name;
  int kind;
  int analysis_code;
  bool complex;
  std::vector<std::pair<std::string, std::string>> variables;   // name, unit name
};

struct RawCase {
  const char *file;
  const char *log;
  const char *title;
  std::vector<ExpectedPlot> plots;
};

void PrintTo(const RawCase &c, std::ostream *os) { *os << c.file; }

const std::vector<std::pair<std::string, std::string>> kMultiVectors = {
    {"v(in)", "voltage"}, {"i(l1)", "current"}, {"v(mid)", "voltage"}, {"v(out)", "voltage"},
    {"i(v1)", "current"}};

std::vector<std::pair<std::string, std::string>> with_scale(
    std::pair<std::string, std::string> scale, std::vector<std::pair<std::string, std::string>> rest) {
  rest.insert(rest.begin(), scale);
  return rest;
}

const ExpectedPlot kRcTransient{"Transient Analysis", kPlotVector, 4, false,
                                {{"time", "time"}, {"v(in)", "voltage"}, {"v(out)", "voltage"}, {"i(v1)", "current"}}};
const ExpectedPlot kRlcAc{"AC Analysis", kPlotVector, 1, true,
                          {{"frequency", "frequency"}, {"v(a)", "voltage"}, {"v(b)", "voltage"}, {"v(in)", "voltage"},
                           {"i(l1)", "current"}, {"v(out)", "voltage"}, {"i(v1)", "current"}}};
const ExpectedPlot kOp{"Operating Point", kPlotSinglePoint, 0, false,
                       {{"v(in)", "voltage"}, {"v(mid)", "voltage"}, {"v(out)", "voltage"}, {"i(v1)", "current"}}};
// Roots have no unit: ngspice calls them voltages.
const ExpectedPlot kPz{"Pole-Zero Analysis", kPlotPoleZero, 6, true,
                       {{"v(pole(1))", "none"}, {"v(pole(2))", "none"}, {"v(zero(1))", "none"}}};
const std::vector<ExpectedPlot> kMulti{
    {"Operating Point", kPlotSinglePoint, 0, false, kMultiVectors},
    {"DC transfer characteristic", kPlotVector, 0, false, with_scale({"v(v-sweep)", "voltage"}, kMultiVectors)},
    {"AC Analysis", kPlotVector, 1, true, with_scale({"frequency", "frequency"}, kMultiVectors)},
    {"Transient Analysis", kPlotVector, 4, false, with_scale({"time", "time"}, kMultiVectors)}};

const std::vector<RawCase> kCases = {
    {"rc-tran.raw", "rc_tran.log", "rc low-pass transient", {kRcTransient}},
    {"rc-tran-ascii.raw", "rc_tran.log", "rc low-pass transient", {kRcTransient}},
    {"rc-tran-batch.raw", "rc_tran.log", "rc low-pass transient", {kRcTransient}},
    {"rlc-ac.raw", "rlc_ac.log", "rlc band-pass ac sweep", {kRlcAc}},
    {"rlc-ac-ascii.raw", "rlc_ac.log", "rlc band-pass ac sweep", {kRlcAc}},
    {"op.raw", "op.log", "divider operating point", {kOp}},
    {"op-ascii.raw", "op.log", "divider operating point", {kOp}},
    {"pz.raw", "pz.log", "lead-lag pole-zero", {kPz}},
    {"pz-ascii.raw", "pz.log", "lead-lag pole-zero", {kPz}},
    {"multi.raw", "multi.log", "several analyses", kMulti},
    {"multi-ascii.raw", "multi.log", "several analyses", kMulti},
};

// The printed vector of a variable: by its name, or the name inside "v(...)" (ngspice prints
// pole(1) and v-sweep where the raw file writes v(pole(1)) and v(v-sweep)).
const std::vector<PrintedValue> *printed_vector(const PrintedPlot &plot, const std::string &name) {
  auto it = plot.find(name);
  if (it == plot.end() && name.rfind("v(", 0) == 0) it = plot.find(name.substr(2, name.size() - 3));
  return it == plot.end() ? nullptr : &it->second;
}

// ngspice prints 15 or 16 significant digits.
void expect_printed(double printed, double read, const std::string &where) {
  EXPECT_NEAR(read, printed, 1e-13 * std::fabs(printed) + 1e-300) << where;
}

class RawFiles : public ::testing::TestWithParam<RawCase> {
 protected:
  void SetUp() override { clear_plot_list(); }
  void TearDown() override { clear_plot_list(); }
  FakeUi ui;
};

TEST_P(RawFiles, EveryVariableAndValueIsWhatNgspicePrinted) {
  const RawCase &c = GetParam();
  std::string path = result(c.file);
  ASSERT_TRUE(load_data_file(path.c_str())) << path;
  EXPECT_EQ(ui.statuses.back(), "Data File: " + path);
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_EQ(plot_count(), static_cast<int>(c.plots.size()));
  EXPECT_EQ(current_plot_index(), plot_count() - 1);
  std::map<int, PrintedPlot> printed = read_printed_plots(result(c.log));
  for (int p = 0; p < plot_count(); p++) {
    const ExpectedPlot &want = c.plots[p];
    ASSERT_TRUE(select_plot(p, false));
    SCOPED_TRACE(std::string(c.file) + " plot " + std::to_string(p));
    EXPECT_EQ(current_file_name(), path);
    EXPECT_EQ(current_plot_text(kPlotTitle), c.title);
    EXPECT_EQ(current_plot_text(kPlotName), want.plot_name);
    EXPECT_NE(current_plot_text(kPlotDate).find("20"), std::string::npos);
    EXPECT_EQ(current_plot_kind(), want.kind);
    EXPECT_EQ(current_analysis_code(), want.analysis_code);
    EXPECT_EQ(is_real_plot(), !want.complex);
    ASSERT_EQ(variable_count(), static_cast<int>(want.variables.size()));
    const PrintedPlot &values = printed[p];
    // ngspice prints roots in rad/s; a pole-zero plot holds them in Hz.
    const double printed_per_held = want.kind == kPlotPoleZero ? 6.283185307179586476925 : 1;
    for (int v = 0; v < variable_count(); v++) {
      std::string name, unit;
      ASSERT_TRUE(variable_info(v, name, unit));
      EXPECT_EQ(name, want.variables[v].first);
      EXPECT_EQ(unit, want.variables[v].second) << name;
      const std::vector<PrintedValue> *column = printed_vector(values, name);
      ASSERT_NE(column, nullptr) << name << " was not printed";
      ASSERT_EQ(point_count(), static_cast<int>(column->size())) << name;
      for (int i = 0; i < point_count(); i++) {
        RowToken re, im;
        const double *real = lock_real_row(i, re);
        const double *imag = lock_imag_row(i, im);
        std::string where = name + " at point " + std::to_string(i);
        expect_printed((*column)[i].re / printed_per_held, real[v], where);
        if (want.complex) {
          ASSERT_NE(imag, nullptr);
          expect_printed((*column)[i].im / printed_per_held, imag[v], where + " (imaginary)");
        }
        release_row(re);
        if (imag) release_row(im);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Ngspice, RawFiles, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RawCase> &info) {
                           std::string n = info.param.file;
                           for (char &ch : n)
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

TEST(RawFile, BinaryAndTextFilesHoldTheSameNumbers) {
  // Binary values are exact; text ones carry 16 digits.
  for (const char *stem : {"rc-tran", "rlc-ac", "multi"}) {
    clear_plot_list();
    std::vector<unsigned char> text = file_bytes(result(std::string(stem) + "-ascii.raw"));
    ASSERT_EQ(read_raw_bytes(text.data(), text.size(), "text"), kReadOk);
    std::vector<std::vector<double>> text_values;
    for (int p = 0; p < plot_count(); p++) {
      select_plot(p, false);
      std::vector<double> column(point_count());
      for (int v = 0; v < variable_count(); v++) {
        ASSERT_EQ(copy_real_column(v, column.data()), point_count());
        text_values.push_back(column);
      }
    }
    clear_plot_list();
    std::vector<unsigned char> binary = file_bytes(result(std::string(stem) + ".raw"));
    ASSERT_EQ(read_raw_bytes(binary.data(), binary.size(), "binary"), kReadOk);
    size_t k = 0;
    for (int p = 0; p < plot_count(); p++) {
      select_plot(p, false);
      std::vector<double> column(point_count());
      for (int v = 0; v < variable_count(); v++, k++) {
        copy_real_column(v, column.data());
        ASSERT_LT(k, text_values.size());
        for (int i = 0; i < point_count(); i++)
          EXPECT_NEAR(column[i], text_values[k][i], 1e-14 * std::fabs(column[i])) << stem;
      }
    }
    EXPECT_EQ(k, text_values.size());
  }
  clear_plot_list();
}

TEST(RawFile, VectorTypesGiveTheirUnits) {
  clear_plot_list();
  ASSERT_EQ(read_raw_file(result("types.raw").c_str()), kReadOk);
  // ngspice sorts the vectors by name; v(in) and i(v1) come from the circuit.
  const std::map<std::string, std::string> want = {
      {"t_admittance", "conductance"}, {"t_capacitance", "capacitance"}, {"t_charge", "none"},
      {"t_current_density", "none"}, {"t_decibel", "decibel"}, {"t_frequency", "frequency"},
      {"t_impedance", "none"}, {"t_notype", "none"}, {"t_phase", "angle"}, {"t_pole", "none"},
      {"t_power", "power"}, {"t_res_sweep", "none"}, {"t_s_param", "none"},
      {"t_sqr_current", "current squared"}, {"t_sqr_current_density", "current squared over freq"},
      {"t_sqr_voltage", "voltage squared"}, {"t_sqr_voltage_density", "voltage squared over freq"},
      {"t_temp_sweep", "temperature"}, {"t_temperature", "temperature"}, {"t_time", "time"},
      {"t_voltage_density", "none"}, {"t_zero", "none"}, {"v(in)", "voltage"}, {"i(v1)", "current"}};
  ASSERT_EQ(variable_count(), static_cast<int>(want.size()));
  for (int v = 0; v < variable_count(); v++) {
    std::string name, unit;
    variable_info(v, name, unit);
    ASSERT_TRUE(want.count(name)) << name;
    EXPECT_EQ(unit, want.at(name)) << name;
  }
  clear_plot_list();
}

// --- Damaged files -------------------------------------------------------------------------


class DamagedRaw : public ::testing::Test {
 protected:
  void SetUp() override {
    clear_plot_list();
    largest_allocation = 0;
    plot_allocator() = noting_allocator();
  }
  void TearDown() override {
    clear_plot_list();
    plot_allocator() = PlotAllocator{malloc, calloc};
  }
  ReadResult read(const std::vector<unsigned char> &bytes) {
    clear_plot_list();
    return read_raw_bytes(bytes.data(), bytes.size(), "damaged.raw");
  }
  static std::vector<unsigned char> replaced(const std::string &file, const std::string &from, const std::string &to) {
    std::vector<unsigned char> b = file_bytes(result(file));
    std::string s(b.begin(), b.end());
    size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) s.replace(at, from.size(), to);
    return std::vector<unsigned char>(s.begin(), s.end());
  }
};

// For each count of whole plots k, where the k-th plot's last byte that is not space ends.
std::vector<size_t> plot_ends(const std::vector<unsigned char> &bytes) {
  std::string s(bytes.begin(), bytes.end());
  std::vector<size_t> starts;
  for (size_t at = s.find("Title: "); at != std::string::npos; at = s.find("Title: ", at + 1))
    starts.push_back(at);
  std::vector<size_t> ends;
  for (size_t k = 0; k < starts.size(); k++) {
    size_t e = k + 1 < starts.size() ? starts[k + 1] : s.size();
    while (e > starts[k] && isspace(static_cast<unsigned char>(s[e - 1]))) e--;
    ends.push_back(e);
  }
  return ends;
}

TEST_F(DamagedRaw, EveryCutIsRejectedButOneAfterAWholePlot) {
  for (const char *file : {"rc-tran.raw", "rc-tran-ascii.raw", "op.raw", "op-ascii.raw", "pz-ascii.raw",
                           "rlc-ac.raw", "multi.raw", "multi-ascii.raw"}) {
    std::vector<unsigned char> whole = file_bytes(result(file));
    ASSERT_FALSE(whole.empty()) << file;
    std::vector<size_t> ends = plot_ends(whole);
    largest_allocation = 0;
    size_t stride = whole.size() > 16384 ? 7 : 1;
    int accepted = 0;
    for (size_t cut = 0; cut < whole.size(); cut += stride) {
      ReadResult r = read(std::vector<unsigned char>(whole.begin(), whole.begin() + cut));
      // A vector line of 6 bytes becomes a 68-byte entry; values take what they take.
      ASSERT_LE(largest_allocation, 12 * whole.size()) << file << " cut at " << cut;
      if (r != kReadOk) {
        EXPECT_EQ(r, kReadNotDataFile) << file << " cut at " << cut;
        continue;
      }
      // Read only when what is left is whole plots and space.
      size_t whole_plots = 0;
      for (size_t k = 0; k < ends.size(); k++) {
        bool space = ends[k] <= cut;
        for (size_t i = ends[k]; i < cut && space; i++) space = isspace(whole[i]);
        if (space) whole_plots = k + 1;
      }
      EXPECT_GT(whole_plots, 0u) << file << " cut at " << cut;
      EXPECT_EQ(plot_count(), static_cast<int>(whole_plots)) << file << " cut at " << cut;
      accepted++;
    }
    EXPECT_LE(accepted, static_cast<int>(ends.size()) * 2) << file;
  }
}

TEST_F(DamagedRaw, DamagedHeadersAreRejected) {
  struct Damage {
    const char *file, *from, *to;
  };
  const Damage damages[] = {
      {"rc-tran.raw", "No. Points: 71", "No. Points: 72"},
      {"rc-tran.raw", "No. Points: 71", "No. Points: 70"},
      {"rc-tran.raw", "No. Points: 71", "No. Points: 2147483647"},
      {"rc-tran.raw", "No. Points: 71", "No. Points: 99999999999"},
      {"rc-tran.raw", "No. Points: 71", "No. Points: -1"},
      {"rc-tran.raw", "No. Points: 71", "No. Points: 7x"},
      {"rc-tran.raw", "No. Variables: 4", "No. Variables: 5"},
      {"rc-tran.raw", "No. Variables: 4", "No. Variables: 3"},
      {"rc-tran.raw", "No. Variables: 4", "No. Variables: 2147483647"},
      {"rc-tran.raw", "No. Variables: 4", "No. Variables:"},
      {"rc-tran.raw", "Flags: real", "Flags: packed"},
      {"rc-tran.raw", "\t2\tv(out)", "\t3\tv(out)"},
      {"rc-tran.raw", "\t2\tv(out)\tvoltage", "\t2\tv(out)"},
      {"rc-tran.raw", "Binary:", "Octal:"},
      {"rc-tran.raw", "Title:", "Titel:"},
      {"rlc-ac.raw", "Flags: complex", "Flags: real"},   // the values are left over
      {"rc-tran-ascii.raw", "\n 1\t", "\n 2\t"},          // a point out of order
      {"rc-tran-ascii.raw", "\t2.000000000000000e-09", "\t2.00000000000000oe-09"},
      {"rlc-ac-ascii.raw", ",0.000000000000000e+00\n", " 0.000000000000000e+00\n"},
      {"rlc-ac-ascii.raw", ",0.000000000000000e+00\n", ",\n"},
      {"multi.raw", "No. Points: 4\n", "No. Points: 400000000\n"},
      {"multi-ascii.raw", "Title: several analyses", "Tit"},
  };
  for (const Damage &d : damages) {
    EXPECT_EQ(read(replaced(d.file, d.from, d.to)), kReadNotDataFile) << d.file << ": " << d.to;
  }
  EXPECT_LE(largest_allocation, 1u << 20);
  // The same files undamaged read.
  EXPECT_EQ(read(replaced("rc-tran.raw", "Title:", "Title:")), kReadOk);
  EXPECT_EQ(read(replaced("rlc-ac-ascii.raw", "Values:", "Values:")), kReadOk);
}

TEST_F(DamagedRaw, LinesEndedByCarriageReturnsAndExtraHeaderLinesRead) {
  std::vector<unsigned char> b = file_bytes(result("op-ascii.raw"));
  std::string s(b.begin(), b.end()), crlf;
  for (char c : s) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  crlf.insert(crlf.find("Flags:"), "Command: version 39\r\nOption: reltol=1e-3\r\n");
  ASSERT_EQ(read(std::vector<unsigned char>(crlf.begin(), crlf.end())), kReadOk);
  EXPECT_EQ(variable_count(), 4);
  EXPECT_EQ(current_plot_text(kPlotName), "Operating Point");
}

TEST_F(DamagedRaw, LoadTellsTheUserAsForAResultFile) {
  struct Load {
    std::string content;
    bool ok;
    const char *status;
  };
  std::vector<unsigned char> op = file_bytes(result("op.raw"));
  const Load loads[] = {
      {std::string(op.begin(), op.end()), true, nullptr},
      {std::string(op.begin(), op.end() - 3), false, "Not an Ulmo-Dizid Data File."},
      {"Title: nothing else\n", false, "Not an Ulmo-Dizid Data File."},
      {"Tit", false, "Not an Ulmo-Dizid Data File."},
  };
  for (const Load &l : loads) {
    FakeUi ui;
    std::string path = ::testing::TempDir() + "raw_load.raw";
    std::ofstream(path, std::ios::binary) << l.content;
    EXPECT_EQ(load_data_file(path.c_str()), l.ok);
    EXPECT_EQ(data_loaded(), l.ok);
    EXPECT_EQ(ui.statuses.front(), "Reading Data File, Please Wait...");
    EXPECT_EQ(ui.statuses.back(), l.ok ? "Data File: " + path : std::string(l.status));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(plot_count(), l.ok ? 1 : 0);
    std::remove(path.c_str());
  }
}

}  // namespace
