// The builder's side: append_token, delete_last_token, unit inference on builder units,
// copies, the default x expression, and the round trip builder -> text -> parser.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "data/plot_model.h"
#include "expr/evaluate.h"
#include "expr/expression.h"
#include "fixture.h"

namespace {

// Builder input: a variable by name, a constant by its typed text, or a function-table code.
struct Press {
  int32_t code;        // kTokenConstant, a function-table code, or 0 for a variable
  const char *text;    // variable name or constant text
};

Press var(const char *name) { return {0, name}; }
Press num(const char *text) { return {kTokenConstant, text}; }
Press op(int32_t code) { return {code, nullptr}; }

class BuilderTest : public ExprTest {
 protected:
  void SetUp() override {
    ExprTest::SetUp();
    // t = 1, 2, 3 (no zero: every function is defined); v(1) = 3t; v(out) = t^2;
    // i(vdd) = t / 2; time-like variable "tt" = t.
    std::vector<double> rows;
    for (double t : {1.0, 2.0, 3.0}) {
      double row[] = {t, 3 * t, t * t, t / 2, t};
      rows.insert(rows.end(), row, row + 5);
    }
    load(make_plot({{"time", kTime}, {"v(1)", kVoltage}, {"v(out)", kVoltage},
                    {"i(vdd)", kCurrent}, {"tt", kTime}},
                   rows));
  }

  // Appends as the builder does: variables with their index and unit dimension.
  Expression *build(const std::vector<Press> &presses) {
    Expression *e = new_expression();
    EXPECT_NE(e, nullptr);
    for (const Press &p : presses) {
      int r;
      if (p.code == 0) {
        int index = find_variable(p.text);
        EXPECT_GE(index, 0) << p.text;
        r = append_token(e, index, p.text, variable_dimension(index));
      } else if (p.code == kTokenConstant) {
        r = append_token(e, kTokenConstant, p.text, 1);
      } else {
        r = append_token(e, p.code, nullptr, 0);
      }
      EXPECT_EQ(r, 0);
    }
    return e;
  }

  Expression *finalized(const std::vector<Press> &presses) {
    Expression *e = build(presses);
    EXPECT_EQ(finalize_expression(e), kFinalizeOk);
    return e;
  }

  std::vector<double> run(Expression *e, bool *ok = nullptr) {
    std::vector<double> x(static_cast<size_t>(point_count())), y(x.size());
    build_abscissa(x.data());
    bool r = evaluate_over_current_plot(e, x.data(), y.data());
    if (ok) *ok = r;
    return y;
  }
};

TEST_F(BuilderTest, AppendKeepsTextPositionsAndTheTextForm) {
  Expression *e = build({op(kTokenDb), var("v(out)"), op(kTokenClose), op(kTokenMultiply),
                         num("10k")});
  EXPECT_STREQ(e->display_text, "db('v(out)')*10k");
  const int32_t positions[] = {0, 3, 11, 12, 13};
  for (int i = 0; i < 5; i++) EXPECT_EQ(e->tokens[i].text_position, positions[i]) << i;
  EXPECT_EQ(e->tokens[1].code, 2);
  EXPECT_STREQ(e->tokens[1].name, "v(out)");
  EXPECT_EQ(e->tokens[1].unit, 10);
  EXPECT_EQ(e->tokens[4].value, 1e4);
  EXPECT_EQ(e->tokens[0].name, nullptr);
  free_expression(e);
}

TEST_F(BuilderTest, NewExpressionIsEmpty) {
  Expression *e = new_expression();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->token_count, 0);
  EXPECT_EQ(e->token_capacity, 100);
  EXPECT_EQ(e->result_unit, 0);
  EXPECT_EQ(e->accumulator_count, 0);
  EXPECT_EQ(e->accumulator_sums, nullptr);
  EXPECT_STREQ(e->display_text, "");
  free_expression(e);
}

TEST_F(BuilderTest, TheHundredAndFirstTokenGrowsTheArrayByAHundred) {
  Expression *e = new_expression();
  for (int i = 0; i < 100; i++) ASSERT_EQ(append_token(e, kTokenOpen, nullptr, 0), 0);
  EXPECT_EQ(e->token_capacity, 100);
  ASSERT_EQ(append_token(e, kTokenOpen, nullptr, 0), 0);
  EXPECT_EQ(e->token_count, 101);
  EXPECT_EQ(e->token_capacity, 200);
  EXPECT_EQ(std::string(e->display_text), std::string(101, '('));
  free_expression(e);
}

TEST_F(BuilderTest, DeleteLastReportsTheRemovedClassAndTheNewState) {
  Expression *e = build({var("v(1)"), op(kTokenMultiply), op(kTokenSin), op(kTokenOpen)});
  DeletedToken d = delete_last_token(e);
  EXPECT_EQ(d.removed_class, kClassOpen);
  EXPECT_EQ(d.builder_state, kClassFunction);
  EXPECT_STREQ(e->display_text, "'v(1)'*sin(");
  d = delete_last_token(e);
  EXPECT_EQ(d.removed_class, kClassFunction);
  EXPECT_EQ(d.builder_state, kClassOperator);
  EXPECT_STREQ(e->display_text, "'v(1)'*");
  d = delete_last_token(e);
  EXPECT_EQ(d.removed_class, kClassOperator);
  EXPECT_EQ(d.builder_state, kClassOperand);
  EXPECT_STREQ(e->display_text, "'v(1)'");
  d = delete_last_token(e);   // the only token
  EXPECT_EQ(d.removed_class, kClassOperand);
  EXPECT_EQ(d.builder_state, kBuilderEmptied);
  EXPECT_EQ(e->token_count, 0);
  EXPECT_STREQ(e->display_text, "");
  // The Expression goes on as new.
  ASSERT_EQ(append_token(e, kTokenConstant, "2", 1), 0);
  EXPECT_STREQ(e->display_text, "2");
  EXPECT_EQ(e->tokens[0].text_position, 0);
  free_expression(e);

  e = build({op(kTokenOpen), var("v(1)"), op(kTokenClose)});
  d = delete_last_token(e);
  EXPECT_EQ(d.removed_class, kClassClose);
  EXPECT_EQ(d.builder_state, kClassOperand);
  d = delete_last_token(e);
  EXPECT_EQ(d.builder_state, kClassOpen);
  d = delete_last_token(e);   // a sole "(" also reports class 0 and state 5
  EXPECT_EQ(d.removed_class, kClassOperand);
  EXPECT_EQ(d.builder_state, kBuilderEmptied);
  free_expression(e);
}

TEST_F(BuilderTest, TokenClassesAndPrecedence) {
  EXPECT_EQ(token_class(0), kClassOperand);
  EXPECT_EQ(token_class(41), kClassOperand);
  for (int32_t c = kTokenAdd; c >= kTokenDivide; c--) EXPECT_EQ(token_class(c), kClassOperator);
  EXPECT_EQ(token_class(kTokenOpen), kClassOpen);
  EXPECT_EQ(token_class(kTokenClose), kClassClose);
  for (int32_t c = kTokenDb; c >= kTokenIm; c--) EXPECT_EQ(token_class(c), kClassFunction);
  EXPECT_EQ(token_class(kTokenConstant), kClassOperand);
  EXPECT_EQ(token_class(kTokenDerivativeArgument), kClassOperand);
  EXPECT_EQ(token_class(-99), kClassOperand);
  EXPECT_EQ(token_precedence(kTokenMultiply), 2);
  EXPECT_EQ(token_precedence(kTokenDivide), 2);
  EXPECT_EQ(token_precedence(kTokenAdd), 1);
  EXPECT_EQ(token_precedence(kTokenSubtract), 1);
  EXPECT_EQ(token_precedence(kTokenSin), 1);
}

TEST_F(BuilderTest, FunctionTableComesFromStringsFortyToSixtyFour) {
  const char *texts[kFunctionTableSize] = {
      "+", "-", "*", "/", "(", ")", "db(", "abs(", "sqrt(", "sgn(", "log(", "log10(", "exp(",
      "sin(", "cos(", "tan(", "atan(", "drv(", "int(", "avg(", "rms(", "mag(", "phase(", "re(",
      "im("};
  for (int p = 1; p <= kFunctionTableSize; p++) EXPECT_EQ(function_text(-p), texts[p - 1]) << p;
  EXPECT_EQ(function_text(kTokenConstant), "");
  EXPECT_EQ(function_text(3), "");
}

TEST_F(BuilderTest, UnitInference) {
  struct Case {
    std::vector<Press> presses;
    int32_t unit;
    const char *symbol;
  };
  const Case cases[] = {
      {{var("v(1)"), op(kTokenMultiply), var("i(vdd)")}, 110, "W"},
      {{var("v(1)"), op(kTokenAdd), var("i(vdd)")}, 1, " "},
      {{var("v(1)"), op(kTokenAdd), var("v(out)")}, 10, "V"},
      {{op(kTokenDb), var("v(1)"), op(kTokenClose)}, 16, "dB"},
      {{op(kTokenPhase), var("v(1)"), op(kTokenClose)}, 15, "Deg"},
      {{op(kTokenAtan), var("v(1)"), op(kTokenClose)}, 15, "Deg"},
      {{var("v(1)"), op(kTokenMultiply), var("v(out)")}, 100, "V^2"},
      {{var("i(vdd)"), op(kTokenMultiply), var("i(vdd)")}, 121, "A^2"},
      {{op(kTokenOpen), var("v(1)"), op(kTokenMultiply), var("i(vdd)"), op(kTokenClose),
        op(kTokenDivide), var("v(1)")}, 11, "A"},
      {{var("v(1)"), op(kTokenDivide), var("i(vdd)")}, 1, " "},     // 10 / 11 = 0 -> 1
      {{var("v(1)"), op(kTokenMultiply), var("tt")}, 120, " "},     // no unit of its own
      {{var("v(1)"), op(kTokenDivide), num("2")}, 10, "V"},
      {{num("2"), op(kTokenDivide), var("v(1)")}, 1, " "},
      {{op(kTokenAbs), var("v(1)"), op(kTokenClose)}, 10, "V"},
      {{op(kTokenRms), var("i(vdd)"), op(kTokenClose)}, 11, "A"},
      {{op(kTokenAvg), var("v(1)"), op(kTokenClose)}, 10, "V"},
      {{op(kTokenMag), var("v(1)"), op(kTokenClose)}, 10, "V"},
      {{op(kTokenSqrt), var("v(1)"), op(kTokenClose)}, 1, " "},
      {{op(kTokenInt), var("v(1)"), op(kTokenClose)}, 1, " "},
      {{op(kTokenDrv), var("v(1)"), op(kTokenClose)}, 1, " "},
      {{op(kTokenRe), var("v(1)"), op(kTokenClose)}, 1, " "},
      // Incompatible units stop the inference, whatever follows.
      {{op(kTokenOpen), var("v(1)"), op(kTokenAdd), var("i(vdd)"), op(kTokenClose),
        op(kTokenMultiply), var("i(vdd)")}, 1, " "},
      {{op(kTokenDb), var("v(1)"), op(kTokenAdd), var("i(vdd)"), op(kTokenClose)}, 1, " "},
  };
  for (const Case &c : cases) {
    Expression *e = finalized(c.presses);
    EXPECT_EQ(e->result_unit, c.unit) << e->display_text;
    EXPECT_EQ(expression_unit_symbol(e), c.symbol) << e->display_text;
    free_expression(e);
  }
}

TEST_F(BuilderTest, UnitProductsBeyondThirtyTwoBitsEndInNone) {
  std::vector<Press> presses = {var("v(1)")};
  for (int i = 0; i < 9; i++) presses.push_back(op(kTokenMultiply)), presses.push_back(var("v(1)"));
  Expression *e = finalized(presses);   // 10^10 does not fit
  EXPECT_EQ(e->result_unit, 1);
  free_expression(e);
  presses.resize(17);   // 10^9 fits: kept as a code without a unit
  e = finalized(presses);
  EXPECT_EQ(e->result_unit, 1000000000);
  EXPECT_EQ(expression_unit_symbol(e), " ");
  free_expression(e);
}

TEST_F(BuilderTest, FinalizeRefusesWhatIsNoExpression) {
  const std::vector<Press> malformed[] = {
      {var("v(1)"), op(kTokenMultiply)},
      {op(kTokenSin), var("v(1)")},
      {var("v(1)"), op(kTokenClose)},
      {var("v(1)"), var("v(1)")},
      {op(kTokenDrv), op(kTokenClose)},
      {op(kTokenDrv), op(kTokenInt), var("v(1)"), op(kTokenClose), op(kTokenClose)},
  };
  for (const std::vector<Press> &presses : malformed) {
    Expression *e = build(presses);
    std::string text = e->display_text;
    EXPECT_EQ(finalize_expression(e), kFinalizeMalformed) << text;
    free_expression(e);
  }
}

TEST_F(BuilderTest, ConstantsKeepTheNumberAsTyped) {
  struct Case {
    const char *typed;
    const char *stored;
    double value;
  };
  const Case cases[] = {
      {".5", ".5", 0.5},       {"1e-3", "1e-3", 1e-3},     {"2.5MEG", "2.5MEG", 2.5e6},
      {" 10k ", "10k", 1e4},   {"10kOhm", "10k", 1e4},     {"=(5)", "5", 5},
      {"+5", "+5", 5},         {"-5", "-5", -5},           {"abc", "0", 0},
      {"", "0", 0},            {"1.2.3", "1.2", 1.2},      {"1e3k;x", "1e3k", 1e6},
      // An exponent without digits adds nothing and is not stored.
      {"1e-", "1", 1},         {"2e-k", "2k", 2e3},        {"2Ek", "2k", 2e3},
      {"1e", "1", 1},          {"1e+-", "1", 1},           {"1e+-2", "1e+-2", 1e-2},
  };
  for (const Case &c : cases) {
    Expression *e = build({var("v(1)"), op(kTokenMultiply), num(c.typed)});
    EXPECT_EQ(std::string(e->display_text), std::string("'v(1)'*") + c.stored) << c.typed;
    EXPECT_EQ(e->tokens[2].value, c.value) << c.typed;
    free_expression(e);
  }
}

TEST_F(BuilderTest, DefaultXExpression) {
  Expression *x = make_variable_expression("time", 12);
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->token_count, 1);
  EXPECT_EQ(x->token_capacity, 1);
  EXPECT_EQ(x->tokens[0].code, 0);
  EXPECT_EQ(x->tokens[0].unit, 12);
  EXPECT_EQ(x->tokens[0].name, nullptr);
  EXPECT_EQ(x->result_unit, 12);
  EXPECT_EQ(expression_text(x), "time");
  EXPECT_EQ(expression_unit_symbol(x), "sec");
  EXPECT_EQ(run(x), (std::vector<double>{1, 2, 3}));
  free_expression(x);
}

TEST_F(BuilderTest, CopiesAreDeep) {
  Expression *e = finalized({op(kTokenInt), op(kTokenDrv), var("v(out)"), op(kTokenClose),
                             op(kTokenClose), op(kTokenMultiply), var("v(1)")});
  std::vector<double> expected = run(e);
  Expression *copy = copy_expression(e);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->token_capacity, copy->token_count);
  EXPECT_EQ(postfix(copy), postfix(e));
  EXPECT_EQ(expression_text(copy), expression_text(e));
  EXPECT_EQ(copy->result_unit, e->result_unit);
  EXPECT_EQ(copy->accumulator_count, 1);
  EXPECT_NE(copy->accumulator_sums, e->accumulator_sums);
  EXPECT_NE(copy->tokens[0].derivative_argument, e->tokens[0].derivative_argument);
  EXPECT_NE(copy->tokens[0].derivative_argument->tokens[0].name,
            e->tokens[0].derivative_argument->tokens[0].name);
  free_expression(e);   // the copy must not share anything with it
  EXPECT_EQ(run(copy), expected);
  free_expression(copy);
}

// Every shape the builder can produce prints a text that reads back to the same postfix
// tokens, the same text and the same values.
TEST_F(BuilderTest, RoundTripThroughTheTextForm) {
  const std::vector<Press> built[] = {
      {var("v(1)"), op(kTokenMultiply), var("i(vdd)")},
      {op(kTokenDb), var("v(out)"), op(kTokenClose)},
      {var("v(1)"), op(kTokenMultiply), num("10k")},
      {num("1MEG"), op(kTokenAdd), num("1")},
      {op(kTokenInt), var("i(vdd)"), op(kTokenClose), op(kTokenDivide), num("1k")},
      {num("-2"), op(kTokenMultiply), var("v(1)")},
      {var("v(1)"), op(kTokenMultiply), num("-2")},
      {op(kTokenOpen), var("v(1)"), op(kTokenClose), op(kTokenSubtract), num("2")},
      {op(kTokenSin), num("-1"), op(kTokenClose)},
      {op(kTokenDrv), op(kTokenDrv), var("v(out)"), op(kTokenClose), op(kTokenClose)},
      {op(kTokenDrv), var("v(out)"), op(kTokenClose), op(kTokenMultiply), num("2")},
      {op(kTokenOpen), var("v(1)"), op(kTokenAdd), num(".5"), op(kTokenClose),
       op(kTokenDivide), num("1e-3")},
      {var("v(1)"), op(kTokenSubtract), num("+5"), op(kTokenMultiply), num("2.5E+6k")},
      {var("v(1)"), op(kTokenAdd), num(" 10kOhm"), op(kTokenSubtract), num("abc")},
      {num("1e-"), op(kTokenSubtract), var("v(1)"), op(kTokenSubtract), num("2e+k")},
      {op(kTokenSqrt), op(kTokenAbs), var("v(1)"), op(kTokenSubtract), num("1mil"),
       op(kTokenClose), op(kTokenClose)},
      {op(kTokenLog10), var("v(out)"), op(kTokenClose), op(kTokenAdd), op(kTokenLog),
       var("v(1)"), op(kTokenClose), op(kTokenSubtract), op(kTokenExp), num("1m"),
       op(kTokenClose)},
      {op(kTokenSgn), var("v(1)"), op(kTokenClose), op(kTokenMultiply), op(kTokenCos),
       var("v(1)"), op(kTokenClose), op(kTokenDivide), op(kTokenTan), var("v(1)"),
       op(kTokenClose)},
      {op(kTokenAvg), var("v(1)"), op(kTokenClose), op(kTokenAdd), op(kTokenRms),
       var("i(vdd)"), op(kTokenClose), op(kTokenSubtract), op(kTokenAtan), var("v(1)"),
       op(kTokenClose)},
      {op(kTokenMag), var("v(1)"), op(kTokenClose), op(kTokenAdd), op(kTokenPhase),
       var("v(1)"), op(kTokenClose), op(kTokenAdd), op(kTokenRe), var("v(1)"),
       op(kTokenClose), op(kTokenAdd), op(kTokenIm), var("v(1)"), op(kTokenClose)},
      {op(kTokenOpen), op(kTokenOpen), var("v(1)"), op(kTokenSubtract), var("v(out)"),
       op(kTokenClose), op(kTokenSubtract), num("0.25"), op(kTokenClose), op(kTokenDivide),
       num("4"), op(kTokenDivide), num("2")},
  };
  for (const std::vector<Press> &presses : built) {
    Expression *e = finalized(presses);
    std::string text = expression_text(e);
    Expression *back = parse_expression(text.c_str());
    ASSERT_NE(back, nullptr) << text;
    EXPECT_EQ(postfix(back), postfix(e)) << text;
    EXPECT_EQ(expression_text(back), text);
    std::vector<double> a = run(e), b = run(back);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); i++) {
      if (std::isnan(a[i]))
        EXPECT_TRUE(std::isnan(b[i])) << text;
      else
        EXPECT_EQ(a[i], b[i]) << text << " at " << i;
    }
    free_expression(e);
    free_expression(back);
  }
}

}  // namespace
