// Evaluation runs: arithmetic, every function in both modes, running functions, the
// derivative, data that is not a number, the errors and their messages, direct plots.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "data/plot_model.h"
#include "expr/direct.h"
#include "expr/evaluate.h"
#include "expr/expression.h"
#include "expr/kernels.h"
#include "fixture.h"

namespace {

const double kPi = 3.141592653589793;
const unsigned kExclamationOk = 0x0030;
const char kLogMessage[] = "Negativ or zero argument not allowed for logarithmic functions";

using Values = std::vector<double>;

class RealEvaluation : public ExprTest {
 protected:
  void SetUp() override {
    ExprTest::SetUp();
    // t = 0, 1, 2; x = t; sq = t^2; c = 3; n = -3; z = 0; m = -10.
    std::vector<double> rows;
    for (double t : {0.0, 1.0, 2.0}) {
      double row[] = {t, t, t * t, 3, -3, 0, -10};
      rows.insert(rows.end(), row, row + 7);
    }
    load(make_plot({{"t", kTime}, {"x", kVoltage}, {"sq", kVoltage}, {"c", kVoltage},
                    {"n", kVoltage}, {"z", kVoltage}, {"m", kVoltage}},
                   rows));
  }

  // The run fails; returns the messages it showed.
  std::vector<ShownMessage> failing(const char *text) {
    bool ok = true;
    values(text, &ok);
    EXPECT_FALSE(ok) << text;
    return shown_messages();
  }
};

TEST_F(RealEvaluation, Arithmetic) {
  EXPECT_EQ(values("'x'+'c'"), (Values{3, 4, 5}));
  EXPECT_EQ(values("'x'-'c'"), (Values{-3, -2, -1}));
  EXPECT_EQ(values("'x'*'c'"), (Values{0, 3, 6}));
  EXPECT_EQ(values("'x'/'c'"), (Values{0, 1.0 / 3, 2.0 / 3}));
  EXPECT_EQ(values("2*3+4"), (Values{10, 10, 10}));
  EXPECT_EQ(values("8/2/2"), (Values{2, 2, 2}));
}

TEST_F(RealEvaluation, Functions) {
  EXPECT_EQ(values("db('m')"), (Values{20, 20, 20}));   // db(-10): of the magnitude
  EXPECT_EQ(values("db(-10)")[0], 20);
  EXPECT_EQ(values("abs('n')"), (Values{3, 3, 3}));
  EXPECT_EQ(values("sqrt('sq')"), (Values{0, 1, 2}));
  EXPECT_EQ(values("sgn('x'-1)"), (Values{-1, 0, 1}));
  EXPECT_EQ(values("log('c')")[0], std::log(3.0));
  EXPECT_EQ(values("log10('c')")[0], std::log10(3.0));
  EXPECT_EQ(values("exp('x')"), (Values{1, std::exp(1.0), std::exp(2.0)}));
  EXPECT_EQ(values("sin('x')")[2], std::sin(2.0));
  EXPECT_EQ(values("cos('x')")[2], std::cos(2.0));
  EXPECT_EQ(values("tan('x')")[2], std::tan(2.0));
  EXPECT_EQ(values("atan('x')")[2], std::atan(2.0));
  // The complex-only functions pass a real value through.
  for (const char *f : {"mag('n')", "phase('n')", "re('n')", "im('n')"})
    EXPECT_EQ(values(f), (Values{-3, -3, -3})) << f;
}

TEST_F(RealEvaluation, RunningFunctionsOnTime) {
  EXPECT_EQ(values("int('x')"), (Values{0, 0.5, 2}));
  EXPECT_EQ(values("avg('x')"), (Values{0, 0.5, 1}));
  EXPECT_EQ(values("rms('c')"), (Values{3, 3, 3}));
  EXPECT_EQ(values("int('c')"), (Values{0, 3, 6}));
  EXPECT_EQ(values("rms('x')")[2], std::sqrt((0.5 + 2.5) / 2));
  // Each running function has its own slot.
  EXPECT_EQ(values("int('x')+avg('c')*10"), (Values{30, 30.5, 32}));
  EXPECT_EQ(values("int(int('c'))"), (Values{0, 1.5, 6}));
}

TEST_F(RealEvaluation, RmsIsNeverNegative) {
  // At the first point the root mean square of -3 is 3, not -3.
  EXPECT_EQ(values("rms('n')"), (Values{3, 3, 3}));
}

TEST_F(RealEvaluation, AccumulatorsStartAgainWithEveryRun) {
  Expression *e = parse_expression("int('x')");
  std::vector<double> x(3), y(3);
  build_abscissa(x.data());
  ASSERT_TRUE(evaluate_over_current_plot(e, x.data(), y.data()));
  ASSERT_TRUE(evaluate_over_current_plot(e, x.data(), y.data()));
  EXPECT_EQ(y, (Values{0, 0.5, 2}));
  free_expression(e);
}

TEST_F(RealEvaluation, Derivative) {
  EXPECT_EQ(values("drv('sq')"), (Values{1, 2, 3}));   // one-sided, central, one-sided
  EXPECT_EQ(values("drv('sq')*2"), (Values{2, 4, 6}));
  EXPECT_EQ(values("drv(drv('sq'))"), (Values{1, 1, 1}));
  EXPECT_EQ(values("drv('x'*'x'+'c')"), (Values{1, 2, 3}));
  EXPECT_EQ(values("int(drv('sq'))"), (Values{0, 1.5, 4}));
}

TEST_F(RealEvaluation, SecondDerivativeOverFivePoints) {
  std::vector<double> rows;
  for (double t : {0.0, 1.0, 2.0, 3.0, 4.0}) rows.push_back(t), rows.push_back(t * t);
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, rows));
  // drv(y) = 1, 2, 4, 6, 7; its derivative 1, 1.5, 2, 1.5, 1.
  EXPECT_EQ(values("drv('y')"), (Values{1, 2, 4, 6, 7}));
  EXPECT_EQ(values("drv(drv('y'))"), (Values{1, 1.5, 2, 1.5, 1}));
}

TEST_F(RealEvaluation, DerivativeOfASinglePointIsNotANumber) {
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, {0, 5}));
  Values v = values("drv('y')");
  ASSERT_EQ(v.size(), 1u);
  EXPECT_TRUE(std::isnan(v[0]));
}

TEST_F(RealEvaluation, AverageOverAZeroSpanIsTheValue) {
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, {0, 4, 0, 6, 1, 8}));
  EXPECT_EQ(values("avg('y')"), (Values{4, 6, 7}));
  EXPECT_EQ(values("rms(-1*'y')"), (Values{4, 6, std::sqrt(50.0)}));
}

TEST_F(RealEvaluation, ReportedErrors) {
  struct Case {
    const char *text;
    const char *message;
  };
  const Case cases[] = {
      {"'x'/'z'", "Divide by zero"},  {"1/0", "Divide by zero"}, {"db('z')", kLogMessage},
      {"log10('z')", kLogMessage},    {"log10('n')", kLogMessage},
      {"drv(1/'z')", "Divide by zero"},
  };
  for (const Case &c : cases) {
    shown_messages().clear();
    std::vector<ShownMessage> shown = failing(c.text);
    ASSERT_EQ(shown.size(), 1u) << c.text;   // once, also from inside a derivative
    EXPECT_EQ(shown[0].text, c.message) << c.text;
    EXPECT_EQ(shown[0].caption, "Ulmo-Postprocessor");
    EXPECT_EQ(shown[0].flags, kExclamationOk);
  }
}

TEST_F(RealEvaluation, SilentFailures) {
  for (const char *text : {"sqrt('n')", "sqrt(-1)", "log('z')", "log('n')", "drv(sqrt('n'))"}) {
    shown_messages().clear();
    EXPECT_TRUE(failing(text).empty()) << text;
  }
}

TEST_F(RealEvaluation, TheFailingPointIsTheOneReported) {
  // 1/x fails at t = 0 only; the point counter still moves on.
  Expression *e = parse_expression("1/'x'");
  std::vector<double> x(3);
  build_abscissa(x.data());
  reset_evaluation(e, 2, variable_count());
  RowToken token;
  EvaluationResult r = evaluate_real_point(e, lock_real_row(0, token), x.data());
  EXPECT_FALSE(r.ok);
  r = evaluate_real_point(e, lock_real_row(1, token), x.data());
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.value, 1);
  r = evaluate_real_point(e, lock_real_row(2, token), x.data());
  EXPECT_EQ(r.value, 0.5);
  // Past the last point there is nothing to evaluate.
  r = evaluate_real_point(e, lock_real_row(2, token), x.data());
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(shown_messages().back().text, "Internal error, cant't continue");
  free_expression(e);
}

TEST_F(RealEvaluation, AnExpressionThatDoesNotFitThePlotFailsAtOnce) {
  Expression *e = parse_expression("'m'*2");   // variable 6
  std::vector<double> x(3);
  build_abscissa(x.data());
  reset_evaluation(e, 2, 6);   // a plot of six variables
  RowToken token;
  EXPECT_FALSE(evaluate_real_point(e, lock_real_row(0, token), x.data()).ok);
  ASSERT_EQ(shown_messages().size(), 1u);
  EXPECT_EQ(shown_messages()[0].text, "Internal error, cant't continue");
  free_expression(e);

  e = new_expression();   // not finalized: parentheses are still in it
  append_token(e, kTokenOpen, nullptr, 0);
  append_token(e, kTokenConstant, "1", 1);
  append_token(e, kTokenClose, nullptr, 0);
  reset_evaluation(e, 2, 7);
  EXPECT_FALSE(evaluate_real_point(e, lock_real_row(0, token), x.data()).ok);
  free_expression(e);
}

TEST_F(RealEvaluation, EmptyExpressionIsZero) {
  EXPECT_EQ(values(""), (Values{0, 0, 0}));
}

class NonNumbers : public ExprTest {};

TEST_F(NonNumbers, AreZeroAndRaiseTheirWarning) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, {0, 1, 1, nan, 2, 3}));
  EXPECT_EQ(values("'y'+1"), (Values{2, 1, 4}));
  EXPECT_TRUE(non_number_seen());
  EXPECT_FALSE(infinity_seen());
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, {0, 1, 1, -inf, 2, inf}));
  EXPECT_EQ(values("'y'"), (Values{1, 0, 0}));
  EXPECT_TRUE(infinity_seen());
  // Both flags outlive the runs; the warnings come non-numbers first and lower them.
  show_evaluation_warnings(nullptr);
  ASSERT_EQ(shown_messages().size(), 2u);
  EXPECT_EQ(shown_messages()[0].text,
            "Warning: One or more non-numbers detected in data file. Values set to zero");
  EXPECT_EQ(shown_messages()[1].text,
            "Warning: One or more infinite numbers detected in data file. Values set to zero");
  EXPECT_EQ(shown_messages()[1].flags, kExclamationOk);
  EXPECT_FALSE(non_number_seen());
  EXPECT_FALSE(infinity_seen());
  show_evaluation_warnings(nullptr);
  EXPECT_EQ(shown_messages().size(), 2u);
}

TEST_F(NonNumbers, InsideADerivativeToo) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, {0, 1, 1, 2, 2, nan}));
  EXPECT_EQ(values("drv('y')"), (Values{1, -0.5, -2}));
  EXPECT_TRUE(non_number_seen());
}

class ComplexEvaluation : public ExprTest {
 protected:
  void SetUp() override {
    ExprTest::SetUp();
    // f = 1, 2; v = (3, 4) then (-1, 0); w = (0, 0) then (-1, -0).
    load(make_plot({{"f", kFrequency}, {"v", kVoltage}, {"w", kVoltage}},
                   {1, 3, 0, 2, -1, -1}, {0, 4, 0, 0, 0, -0.0}));
  }
};

TEST_F(ComplexEvaluation, OneValueInEveryFunction) {
  EXPECT_EQ(values("'v'")[0], 3);
  EXPECT_EQ(values("mag('v')")[0], 5);
  EXPECT_EQ(values("abs('v')")[0], 5);
  EXPECT_EQ(values("db('v')")[0], 20 * std::log10(5.0));
  EXPECT_EQ(values("phase('v')")[0], std::atan2(4.0, 3.0) * 180 / kPi);
  EXPECT_EQ(values("re('v')")[0], 3);
  EXPECT_EQ(values("im('v')")[0], 4);
  EXPECT_EQ(values("sin('v')")[0], std::sin(5.0));
  EXPECT_EQ(values("cos('v')")[0], std::cos(5.0));
  EXPECT_EQ(values("tan('v')")[0], std::tan(5.0));
  EXPECT_EQ(values("atan('v')")[0], std::atan(5.0));
  EXPECT_EQ(values("exp('v')")[0], std::exp(5.0));
  EXPECT_EQ(values("sqrt('v')")[0], std::sqrt(5.0));
  EXPECT_EQ(values("sqrt('v')")[1], 1);   // the root of the magnitude of -1
  EXPECT_EQ(values("log('v')")[0], std::log(5.0));
  EXPECT_EQ(values("log10('v')")[0], std::log10(5.0));
  EXPECT_EQ(values("sgn('v')")[0], 1);
  EXPECT_EQ(values("sgn('v'-'v')")[0], 0);
}

TEST_F(ComplexEvaluation, ComplexArithmetic) {
  EXPECT_EQ(values("'v'*'v'")[0], -7);          // (3+4i)^2 = -7 + 24i
  EXPECT_EQ(values("im('v'*'v')")[0], 24);
  EXPECT_EQ(values("im('v'+'v')")[0], 8);
  EXPECT_EQ(values("im('v'-2*'v')")[0], -4);
  EXPECT_EQ(values("'v'/'v'")[0], 1);
  EXPECT_EQ(values("im(1/'v')")[0], -4.0 / 25);
  EXPECT_EQ(values("re(1/'v')")[0], 3.0 / 25);
  // Function results are real: im of a magnitude is 0.
  EXPECT_EQ(values("im(mag('v'))")[0], 0);
}

TEST_F(ComplexEvaluation, PhaseRange) {
  EXPECT_EQ(values("phase('v')")[1], 180);   // (-1, 0)
  EXPECT_EQ(values("phase('w')")[0], 0);     // (0, 0)
  EXPECT_EQ(values("phase('w')")[1], 180);   // (-1, -0) is not -180
}

TEST_F(ComplexEvaluation, ZeroMagnitude) {
  bool ok = true;
  values("db('w')", &ok);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(shown_messages().empty());
  values("log('w')", &ok);
  EXPECT_FALSE(ok);
  ASSERT_EQ(shown_messages().size(), 1u);
  EXPECT_EQ(shown_messages()[0].text, kLogMessage);
  values("log10('w')", &ok);
  EXPECT_FALSE(ok);
  values("'v'/'w'", &ok);
  EXPECT_FALSE(ok);
  ASSERT_EQ(shown_messages().size(), 3u);
  EXPECT_EQ(shown_messages()[2].text, "Divide by zero");
}

TEST_F(ComplexEvaluation, RunningFunctionsAndDerivativeUseTheRealPart) {
  EXPECT_EQ(values("int('v')"), (Values{0, 1}));         // (3 + -1) / 2 over f = 1..2
  EXPECT_EQ(values("avg('v')"), (Values{3, 1}));
  EXPECT_EQ(values("drv('v')"), (Values{-4, -4}));
  EXPECT_EQ(values("drv(im('v'))"), (Values{-4, -4}));
}

TEST_F(ComplexEvaluation, NothingIsTestedForNonNumbers) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  load(make_plot({{"f", kFrequency}, {"v", kVoltage}}, {1, nan}, {0, 0}));
  Values v = values("'v'");
  ASSERT_EQ(v.size(), 1u);
  EXPECT_TRUE(std::isnan(v[0]));
  EXPECT_FALSE(non_number_seen());
}

TEST(DirectPlot, ValueFunctions) {
  EXPECT_EQ(direct_plot_mode(""), kDirectReal);
  EXPECT_EQ(direct_plot_mode(nullptr), kDirectReal);
  EXPECT_EQ(direct_plot_mode("mag"), kDirectMagnitude);
  EXPECT_EQ(direct_plot_mode("db"), kDirectDb);
  EXPECT_EQ(direct_plot_mode("phase"), kDirectPhase);
  EXPECT_EQ(direct_plot_mode("anything"), kDirectPhase);
  EXPECT_EQ(direct_value(kDirectReal, 3, 4), 3);
  EXPECT_EQ(direct_value(kDirectMagnitude, 3, 4), 5);
  EXPECT_EQ(direct_value(kDirectDb, 3, 4), 20 * std::log10(5.0));
  EXPECT_EQ(direct_value(kDirectPhase, 3, 4), std::atan2(4.0, 3.0) * 180.0 / kPi);
  EXPECT_EQ(direct_value(kDirectPhase, -1, 0), 180);
  // The direct db never fails: a zero magnitude is the machine epsilon.
  EXPECT_EQ(direct_value(kDirectDb, 0, 0), 20 * std::log10(2.220446049250313e-16));
  EXPECT_NEAR(direct_db(0, 0), -313.07, 0.01);
}

}  // namespace

// Both evaluation paths take their formulas from the kernel table: every function that maps
// a value to a value has exactly one row, and nothing else has one.
TEST(KernelTable, OneRowPerValueFunction) {
  for (int32_t code = 0; code >= kTokenDerivativeArgument - 1; code--) {
    bool runs = code == kTokenDrv || code == kTokenInt || code == kTokenAvg || code == kTokenRms;
    bool wants_row = token_class(code) == kClassFunction && !runs && code < 0;
    int index = function_kernel_index(code);
    EXPECT_EQ(index >= 0, wants_row) << "code " << code;
    if (index < 0) continue;
    const FunctionKernel &k = kFunctionKernels[index];
    EXPECT_EQ(k.code, code);
    EXPECT_NE(k.real, nullptr) << "code " << code;
    EXPECT_NE(k.of_magnitude == nullptr, k.of_parts == nullptr) << "code " << code;
    EXPECT_EQ(k.of_both_parts, k.of_parts != nullptr) << "code " << code;
  }
  EXPECT_EQ(function_kernel_index(7), -1);
}
