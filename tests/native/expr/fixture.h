// Shared helpers of the expression tests: small plots written with the result writer and
// loaded as the program loads them, and the recording user interface.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expr/expression.h"
#include "result_writer.h"
#include "support/fake_ui.h"

// Unit indices of the result file.
enum { kVoltage = 0, kCurrent = 1, kTime = 2, kFrequency = 3, kPower = 7 };

// A vector plot with these variables and point-major values (imag for a complex plot).
SamplePlot make_plot(const std::vector<SampleVariable> &variables, const std::vector<double> &real,
                     const std::vector<double> &imag = {});

class ExprTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes the plots to a file of their own and loads it; the last plot is current.
  void load(const std::vector<SamplePlot> &plots);
  void load(const SamplePlot &plot) { load(std::vector<SamplePlot>{plot}); }

  // Parses `text` over the current plot and evaluates it at every point; fails the test
  // when it does not parse. `ok` tells whether the run succeeded.
  std::vector<double> values(const char *text, bool *ok = nullptr);

  // The postfix tokens, one word each: variable names, constants as their value (%g),
  // function-table texts, D[...] for a derivative argument.
  static std::string postfix(const Expression *e);

  // Every message box shown since SetUp (and since the last load).
  std::vector<ShownMessage> &shown_messages() { return ui.messages; }

  FakeUi ui;
};
