// The text form: tokenizer, parser, finalize (postfix, derivative arguments, units) and the
// round trip from the builder's tokens through the text back to the same Expression.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/plot_model.h"
#include "expr/evaluate.h"
#include "expr/expression.h"
#include "fixture.h"

namespace {

class ParseTest : public ExprTest {
 protected:
  void SetUp() override {
    ExprTest::SetUp();
    // t = 0, 1, 2; x = t; y = t^2; v(1) = 2; i(vdd) = 3; a = 10; b = 4.
    std::vector<double> rows;
    for (double t : {0.0, 1.0, 2.0}) {
      double row[] = {t, t, t * t, 2, 3, 10, 4};
      rows.insert(rows.end(), row, row + 7);
    }
    load(make_plot({{"time", kTime}, {"x", kVoltage}, {"y", kVoltage}, {"v(1)", kVoltage},
                    {"i(vdd)", kCurrent}, {"a", kVoltage}, {"b", kVoltage}},
                   rows));
  }

  std::string postfix_of(const char *text) {
    Expression *e = parse_expression(text);
    if (!e) return "<none>";
    std::string p = postfix(e);
    free_expression(e);
    return p;
  }
};

TEST_F(ParseTest, QuotedNamesAreFoundIgnoringCase) {
  Expression *e = parse_expression("'V(1)'");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->token_count, 1);
  EXPECT_EQ(e->tokens[0].code, 3);
  EXPECT_STREQ(e->tokens[0].name, "V(1)");
  EXPECT_EQ(e->tokens[0].unit, kUnitDimensionNone);   // text-form variables carry "none"
  free_expression(e);

  int why = -1;
  EXPECT_EQ(parse_expression("'v(2)'", &why), nullptr);
  EXPECT_EQ(why, kParseUnknownVariable);
  EXPECT_EQ(parse_expression("db('v(1)')+'nothing'"), nullptr);
}

TEST_F(ParseTest, QuotedNamesHoldBlanksAndOperators) {
  SamplePlot p = make_plot({{"time", kTime}, {"v(a + b)", kVoltage}}, {0, 5, 1, 6});
  load(p);
  EXPECT_EQ(values("'v(a + b)'*2"), (std::vector<double>{10, 12}));
  // A missing closing quote runs to the end of the text.
  EXPECT_EQ(postfix_of("2*'v(a + b)"), "2 v(a + b) *");
}

TEST_F(ParseTest, PrecedenceAndLeftAssociativity) {
  struct Case {
    const char *text;
    double value;
  };
  const Case cases[] = {
      {"2*3+4", 10}, {"2+3*4", 14},  {"8/2/2", 2},      {"8-2-2", 4},     {"(2+3)*4", 20},
      {"2*(3+4)", 14}, {"8/(2/2)", 8}, {"8-(2-2)", 8},  {"2-3*4+5", -5},  {"12/3*2", 8},
      {"((((1))))+1", 2}, {"1-2+3", 2}, {"2*-3", -6},   {"-2*-3", 6},     {"2--3", 5},
      {"1MEG+1", 1000001}, {"10k/1k", 10}, {"", 0},     {"   ", 0},
  };
  for (const Case &c : cases) {
    std::vector<double> v = values(c.text);
    ASSERT_EQ(v.size(), 3u) << c.text;
    EXPECT_EQ(v[0], c.value) << c.text;
  }
  EXPECT_EQ(postfix_of("2*3+4"), "2 3 * 4 +");
  EXPECT_EQ(postfix_of("2+3*4"), "2 3 4 * +");
  EXPECT_EQ(postfix_of("8/2/2"), "8 2 / 2 /");
  EXPECT_EQ(postfix_of("8-2-2"), "8 2 - 2 -");
  EXPECT_EQ(postfix_of("sin('x'+1)*2"), "x 1 + sin( 2 *");
}

TEST_F(ParseTest, FunctionNamesIgnoreCaseAndMayLackTheirParenthesis) {
  EXPECT_EQ(postfix_of("LOG10('x')"), "x log10(");
  EXPECT_EQ(postfix_of("log10('x')"), "x log10(");
  EXPECT_EQ(postfix_of("Int('x')"), "x int(");
  EXPECT_EQ(postfix_of("SIN 'x')"), "x sin(");
  EXPECT_EQ(postfix_of("sin (('x'))"), "x sin(");   // one "(" is absorbed, the next is a group
  EXPECT_EQ(postfix_of("PHASE( 'x' )"), "x phase(");
  Expression *e = parse_expression("Int('x')");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->tokens[1].code, kTokenInt);
  EXPECT_EQ(e->accumulator_count, 1);
  ASSERT_NE(e->accumulator_sums, nullptr);
  ASSERT_NE(e->accumulator_previous, nullptr);
  EXPECT_STREQ(e->display_text, "int('x')");   // the table's spelling
  free_expression(e);
}

TEST_F(ParseTest, SignsJoinNumbersWhereAnOperandIsExpected) {
  EXPECT_EQ(postfix_of("-2*'x'"), "-2 x *");
  EXPECT_EQ(postfix_of("'x'*-2"), "x -2 *");
  EXPECT_EQ(postfix_of("('x')-2"), "x 2 -");
  EXPECT_EQ(postfix_of("sin(-1)"), "-1 sin(");
  EXPECT_EQ(postfix_of("('a')-'b'"), "a b -");
  EXPECT_EQ(postfix_of("(-2.5MEG)"), "-2.5e+006");
  EXPECT_EQ(postfix_of("'x'- 2"), "x 2 -");
  EXPECT_EQ(postfix_of("'x'*+5"), "x 5 *");
  EXPECT_EQ(postfix_of("'x'*+-5"), "x -5 *");
  EXPECT_EQ(values("('a')-'b'")[0], 6);
  EXPECT_EQ(values("'a'-2")[0], 8);
  EXPECT_EQ(values("- 2*'b'")[0], -8);
  Expression *e = parse_expression("'x'*-2");
  ASSERT_NE(e, nullptr);
  EXPECT_STREQ(e->display_text, "'x'*-2");
  free_expression(e);
}

TEST_F(ParseTest, TextsTheBuilderCannotProduceAreRejected) {
  const char *rejected[] = {
      "x", "'x'*e3", "2^3", "^", "'x'+", "+", "*2", "('x'", "'x')", "(('x')", "sin('x'",
      "-'x'", "-(2)", "- sin(1)", "()", "sin()", "2 3", "'x' 'y'", "2,3", "2'x'", "'x'(2)",
      "sin", "drv()", "1e3x", "'x'**2", "2*/3", "(+)", ")(", "foo('x')", "1e3 e3", "--2",
      "-+2", "2 -", "abs(abs('x')", "1e", "1e-'x'", "2e-", "1e+k",
  };
  for (const char *text : rejected) {
    int why = -1;
    EXPECT_EQ(parse_expression(text, &why), nullptr) << text;
    EXPECT_EQ(why, kParseMalformed) << text;
  }
}

TEST_F(ParseTest, ConstantsInEveryFormParseNumberReads) {
  struct Case {
    const char *text;
    double value;
  };
  const Case cases[] = {
      {".5", 0.5},     {"1e-3", 1e-3}, {"2.5E+6k", 2.5e9}, {"1d3", 1e3},  {"1.", 1},
      {"10k", 1e4},    {"1MEG", 1e6},  {"3m", 3e-3},       {"1e3k", 1e6}, {"-1.5e-3", -1.5e-3},
      {"1.2.3", 1.2},  {"+5", 5},      {"1e+-3", 1e-3},    {".", 0},
  };
  for (const Case &c : cases) {
    std::vector<double> v = values(c.text);
    ASSERT_EQ(v.size(), 3u) << c.text;
    EXPECT_EQ(v[0], c.value) << c.text;
  }
  EXPECT_DOUBLE_EQ(values("1mil")[0], 2.54e-5);
  EXPECT_EQ(postfix_of("1e-3*'x'"), "0.001 x *");
  EXPECT_EQ(postfix_of("'x'-1e-3"), "x 0.001 -");
}

TEST_F(ParseTest, DerivativeArgumentsAreNested) {
  EXPECT_EQ(postfix_of("drv('x')*2"), "D[x] drv( 2 *");
  EXPECT_EQ(postfix_of("drv(drv('x'))"), "D[D[x] drv(] drv(");
  EXPECT_EQ(postfix_of("drv(('x'+1)*2)+drv('y')"), "D[x 1 + 2 *] drv( D[y] drv( +");
  EXPECT_EQ(postfix_of("int(drv('x'))"), "D[x] drv( int(");
  Expression *e = parse_expression("drv(sin('x'))");
  ASSERT_NE(e, nullptr);
  ASSERT_EQ(e->token_count, 2);
  const Token &argument = e->tokens[0];
  EXPECT_EQ(argument.code, kTokenDerivativeArgument);
  EXPECT_EQ(token_class(argument.code), kClassOperand);
  EXPECT_EQ(argument.unit, kUnitDimensionNone);
  ASSERT_NE(argument.derivative_argument, nullptr);
  EXPECT_STREQ(argument.derivative_argument->display_text, "sin('x')");
  EXPECT_STREQ(e->display_text, "drv(sin('x'))");
  free_expression(e);
}

TEST_F(ParseTest, RunningFunctionsInsideADerivativeAreRefused) {
  for (const char *text : {"drv(int('x'))", "drv(avg('x'))", "drv(rms('x')*2)",
                           "drv(drv(int('x')))", "drv('x'+drv(avg('x')))"}) {
    int why = -1;
    EXPECT_EQ(parse_expression(text, &why), nullptr) << text;
    EXPECT_EQ(why, kParseMalformed) << text;
  }
  // The other way round is meaningful: the running integral of a derivative.
  EXPECT_NE(postfix_of("int(drv('x'))"), "<none>");
}

TEST_F(ParseTest, DerivativesNestEightDeep) {
  std::string eight = "'y'", nine;
  for (int i = 0; i < 8; i++) eight = "drv(" + eight + ")";
  nine = "drv(" + eight + ")";
  Expression *e = parse_expression(eight.c_str());
  ASSERT_NE(e, nullptr);
  free_expression(e);
  EXPECT_EQ(parse_expression(nine.c_str()), nullptr);
}

TEST_F(ParseTest, UnitsOfTextFormVariablesAreNone) {
  Expression *e = parse_expression("'v(1)'*'i(vdd)'");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->result_unit, 1);
  EXPECT_EQ(expression_unit_symbol(e), " ");
  set_expression_unit(e, "w");   // restored from a graph file, matched ignoring case
  EXPECT_EQ(e->result_unit, 110);
  EXPECT_EQ(expression_unit_symbol(e), "W");
  set_expression_unit(e, "hz");
  EXPECT_EQ(e->result_unit, 13);
  set_expression_unit(e, "furlong");
  EXPECT_EQ(e->result_unit, 0);
  EXPECT_EQ(expression_unit_symbol(e), " ");
  free_expression(e);
  e = parse_expression("db('x')");
  EXPECT_EQ(expression_unit_symbol(e), "dB");
  free_expression(e);
  e = parse_expression("phase('x')");
  EXPECT_EQ(expression_unit_symbol(e), "Deg");
  free_expression(e);
}

TEST_F(ParseTest, LongTextsAreKeptWhole) {
  std::string text = "'v(1)'";
  for (int i = 0; i < 400; i++) text += "+'v(1)'";   // 2806 characters, 801 tokens
  Expression *e = parse_expression(text.c_str());
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(expression_text(e), text);
  EXPECT_EQ(e->token_count, 801);
  free_expression(e);
  EXPECT_EQ(values(text.c_str())[0], 802);
}

TEST_F(ParseTest, RebindFollowsRenumberedVariablesAlsoInsideDerivatives) {
  Expression *e = parse_expression("'b'*drv('y')");
  ASSERT_NE(e, nullptr);
  // The reloaded file has the same variables in another order.
  load(make_plot({{"time", kTime}, {"Y", kVoltage}, {"junk", kVoltage}, {"B", kVoltage}},
                 {0, 0, 7, 1, 1, 1, 7, 2, 2, 4, 7, 3}));
  ASSERT_TRUE(rebind_variables(e));
  EXPECT_EQ(e->tokens[0].code, 3);
  EXPECT_EQ(e->tokens[1].derivative_argument->tokens[0].code, 1);
  std::vector<double> x(3), y(3);
  build_abscissa(x.data());
  ASSERT_TRUE(evaluate_over_current_plot(e, x.data(), y.data()));
  EXPECT_EQ(y, (std::vector<double>{1, 2 * 2, 3 * 3}));   // b = 1, 2, 3 times drv(t^2) = 1, 2, 3
  // A variable that is gone, even one only inside the derivative, fails the rebind.
  load(make_plot({{"time", kTime}, {"b", kVoltage}}, {0, 1, 1, 2}));
  EXPECT_FALSE(rebind_variables(e));
  free_expression(e);
}

TEST_F(ParseTest, RebindLeavesTheDefaultXExpressionAlone) {
  Expression *x = make_variable_expression("time", 12);
  EXPECT_TRUE(rebind_variables(x));
  EXPECT_EQ(x->tokens[0].code, 0);
  free_expression(x);
}

}  // namespace
