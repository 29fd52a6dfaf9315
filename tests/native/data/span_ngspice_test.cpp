// Span measures of a simulator's own results against its own measurement commands: the mean
// and RMS over a run of uneven steps, to the digits ngspice prints.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "base/span.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "data/rawfile.h"

namespace {

const std::string kResults = NGSPICE_RESULTS;

// "name = value from= ... to= ...": the value as printed, and its number of digits.
struct Measured {
  double value = 0;
  int digits = 0;
};

Measured measured(const std::string &log, const std::string &name) {
  std::ifstream in(kResults + "/" + log);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(name + " ", 0) != 0) continue;
    size_t at = line.find('=') + 1;
    while (line[at] == ' ') at++;
    std::string number = line.substr(at, line.find(' ', at) - at);
    Measured m;
    m.value = std::stod(number);
    m.digits = static_cast<int>(number.find('e') - number.find('.') - 1) + 1;
    return m;
  }
  ADD_FAILURE() << name << " not in " << log;
  return {};
}

// Half a unit in the last printed digit.
double half_unit(const Measured &m) {
  return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(m.value))) - (m.digits - 1));
}

TEST(SpanAgainstNgspice, MeanAndRmsOfAnUnevenTransient) {
  clear_plot_list();
  ASSERT_EQ(read_raw_file((kResults + "/rc-meas.raw").c_str()), kReadOk);
  ASSERT_EQ(variable_count(), 2);
  std::vector<double> t(static_cast<size_t>(point_count())), v(t.size());
  for (int i = 0; i < point_count(); i++) {
    RowToken token;
    const double *row = lock_real_row(i, token);
    ASSERT_NE(row, nullptr);
    t[i] = row[0];
    v[i] = row[1];
    release_row(token);
  }
  clear_plot_list();
  // The steps are uneven: a point average would be off in the second digit.
  double shortest = 1, longest = 0;
  for (size_t i = 1; i < t.size(); i++) {
    shortest = std::min(shortest, t[i] - t[i - 1]);
    longest = std::max(longest, t[i] - t[i - 1]);
  }
  ASSERT_GT(longest / shortest, 100);

  SpanMeasures s = measure_span(t.data(), v.data(), static_cast<int>(t.size()), 0, 10e-3);
  Measured mean = measured("rc_meas.log", "vavg"), rms = measured("rc_meas.log", "vrms");
  EXPECT_NEAR(s.mean, mean.value, half_unit(mean)) << "ngspice printed " << mean.digits << " digits";
  EXPECT_NEAR(s.rms, rms.value, half_unit(rms)) << "ngspice printed " << rms.digits << " digits";
}

}  // namespace
