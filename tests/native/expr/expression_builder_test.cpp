// The builder of the Add Plot and X-Axis Expression dialogs: its acceptance table, one row
// per state, and what each input does to the Expression, the state and the paren depth.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expr/expression_builder.h"
#include "fixture.h"

namespace {

using Texts = std::vector<std::string>;

// The Enabling of a state as a word: O operands, F functions, P operators, C close,
// A Add Expression, D Delete Last; "-" where not accepted.
std::string enabling_word(const BuilderState &s) {
  BuilderEnabling e = builder_enabling(s);
  std::string w;
  w += e.operands ? 'O' : '-';
  w += e.functions ? 'F' : '-';
  w += e.operators ? 'P' : '-';
  w += e.close ? 'C' : '-';
  w += e.add_expression ? 'A' : '-';
  w += e.delete_last ? 'D' : '-';
  return w;
}

TEST(BuilderTable, OneRowPerStateAndDepth) {
  struct Row {
    const char *name;
    int state, depth;
    const char *word;
  } rows[] = {
      {"new", kBuilderNew, 0, "OF----"},
      {"emptied", kBuilderEmptied, 0, "OF----"},
      {"after an operator", kClassOperator, 0, "OF---D"},
      {"after a function", kClassFunction, 1, "OF---D"},
      {"after (", kClassOpen, 2, "OF---D"},
      {"after an operand, closed", kClassOperand, 0, "--P-AD"},
      {"after an operand, open", kClassOperand, 1, "--PC-D"},
      {"after ), closed", kClassClose, 0, "--P-AD"},
      {"after ), still open", kClassClose, 2, "--PC-D"},
  };
  for (const Row &r : rows)
    EXPECT_EQ(enabling_word({r.state, r.depth, kButtonLast}), r.word) << r.name;
}

// The 25 buttons in a state that accepts functions and in one that accepts operators.
std::string buttons(const BuilderState &s) {
  std::string w;
  for (int b = kButtonFirst; b <= kButtonLast; b++) w += button_enabled(s, b) ? '1' : '0';
  return w;
}

TEST(BuilderTable, MagPhaseReImOnlyInAComplexPlot) {
  BuilderState real = initial_builder_state(true), complex = initial_builder_state(false);
  EXPECT_EQ(real.state, kBuilderNew);
  EXPECT_EQ(real.paren_depth, 0);
  EXPECT_EQ(real.last_function_button, 824);
  EXPECT_EQ(complex.last_function_button, 828);
  //                       + - * / ( ) db abs ... rms mag phase re im
  EXPECT_EQ(buttons(real), "0000101111111111111110000");
  EXPECT_EQ(buttons(complex), "0000101111111111111111111");
  real.state = complex.state = kClassOperand;
  real.paren_depth = complex.paren_depth = 1;
  EXPECT_EQ(buttons(real), "1111010000000000000000000");
  EXPECT_EQ(buttons(complex), "1111010000000000000000000");
  EXPECT_FALSE(button_enabled(complex, 803));
  EXPECT_FALSE(button_enabled(complex, 829));
}

TEST(BuilderTable, ButtonCodes) {
  EXPECT_EQ(button_token_code(804), kTokenAdd);
  EXPECT_EQ(button_token_code(808), kTokenOpen);
  EXPECT_EQ(button_token_code(809), kTokenClose);
  EXPECT_EQ(button_token_code(810), kTokenDb);
  EXPECT_EQ(button_token_code(822), kTokenInt);
  EXPECT_EQ(button_token_code(828), kTokenIm);
}

TEST(BuilderTable, StateAfterDeleteCorrectsTheDepth) {
  BuilderState s{kClassClose, 0, kButtonLast};
  EXPECT_EQ(state_after_delete(s, {kClassClose, kClassOperand}).paren_depth, 1);
  s = {kClassFunction, 2, kButtonLast};
  BuilderState after = state_after_delete(s, {kClassFunction, kClassOperator});
  EXPECT_EQ(after.paren_depth, 1);
  EXPECT_EQ(after.state, kClassOperator);
  EXPECT_EQ(state_after_delete({kClassOpen, 1, kButtonLast}, {kClassOpen, kClassOpen}).paren_depth, 0);
  // The only token gone: emptied, and nothing open whatever it was.
  after = state_after_delete({kClassOpen, 1, kButtonLast}, {kClassOperand, kBuilderEmptied});
  EXPECT_EQ(after.state, kBuilderEmptied);
  EXPECT_EQ(after.paren_depth, 0);
}

class ExpressionBuilderTest : public ExprTest {
 protected:
  void SetUp() override {
    ExprTest::SetUp();
    // t = 1, 2, 3; v(1) = 3t; v(out) = t^2; i(vdd) = t / 2.
    std::vector<double> rows;
    for (double t : {1.0, 2.0, 3.0}) {
      double row[] = {t, 3 * t, t * t, t / 2};
      rows.insert(rows.end(), row, row + 4);
    }
    load(make_plot({{"time", kTime}, {"v(1)", kVoltage}, {"v(out)", kVoltage},
                    {"i(vdd)", kCurrent}},
                   rows));
    open_builder(b, true);
  }

  // Inputs as words: a variable index "v1", a button "b808", a constant "c10k", "del",
  // "add"; returns which were accepted, "1" or "0" each.
  std::string press(const Texts &inputs) {
    std::string accepted;
    for (const std::string &in : inputs) {
      bool r = false;
      if (in[0] == 'v') r = press_variable(b, std::stoi(in.substr(1)));
      else if (in[0] == 'b') r = press_button(b, std::stoi(in.substr(1)));
      else if (in[0] == 'c') r = press_constant(b, in.substr(1));
      else if (in == "del") r = press_delete_last(b);
      else if (in == "add") r = press_add_expression(b);
      accepted += r ? '1' : '0';
    }
    return accepted;
  }

  ExpressionBuilder b;
};

TEST_F(ExpressionBuilderTest, InputsTextsStatesAndDepths) {
  struct Row {
    const char *name;
    Texts inputs;
    const char *accepted;
    const char *text;
    int state, depth;
  } rows[] = {
      {"variable", {"v2"}, "1", "'v(out)'", kClassOperand, 0},
      {"operator after operand", {"v1", "b806", "v3"}, "111", "'v(1)'*'i(vdd)'", kClassOperand, 0},
      {"function and close", {"b817", "v2", "b809"}, "111", "sin('v(out)')", kClassClose, 0},
      {"nested", {"b810", "b808", "v1", "b805", "c1", "b809", "b809"}, "1111111",
       "db(('v(1)'-1))", kClassClose, 0},
      {"operator first is ignored", {"b804", "b806"}, "00", "", kBuilderNew, 0},
      {"two operands in a row", {"v1", "v2", "c5"}, "100", "'v(1)'", kClassOperand, 0},
      {"close at depth 0", {"v1", "b809"}, "10", "'v(1)'", kClassOperand, 0},
      {"two operators in a row", {"v1", "b804", "b805"}, "110", "'v(1)'+", kClassOperator, 0},
      {"function after operand", {"v1", "b817", "b808"}, "100", "'v(1)'", kClassOperand, 0},
      {"open depth", {"b808", "b808", "b817"}, "111", "((sin(", kClassFunction, 3},
      {"constant as typed", {"c-2.5MEG"}, "1", "-2.5MEG", kClassOperand, 0},
      {"constant that is no number", {"cabc"}, "1", "0", kClassOperand, 0},
      {"empty constant", {"c"}, "0", "", kBuilderNew, 0},
      {"variable out of range", {"v4", "v-1"}, "00", "", kBuilderNew, 0},
      {"delete of a function", {"v1", "b804", "b817", "del"}, "1111", "'v(1)'+", kClassOperator, 0},
      {"delete of )", {"b817", "v1", "b809", "del"}, "1111", "sin('v(1)'", kClassOperand, 1},
      {"delete in a new builder", {"del"}, "0", "", kBuilderNew, 0},
      {"delete of the only token", {"b808", "del"}, "11", "", kBuilderEmptied, 0},
      {"emptied ignores )", {"b808", "del", "b809", "b804"}, "1100", "", kBuilderEmptied, 0},
      {"emptied accepts an operand", {"v1", "del", "v2"}, "111", "'v(out)'", kClassOperand, 0},
      {"mag in a real plot", {"b825", "b828", "b824"}, "001", "rms(", kClassFunction, 1},
  };
  for (const Row &r : rows) {
    open_builder(b, true);
    EXPECT_EQ(press(r.inputs), r.accepted) << r.name;
    EXPECT_EQ(builder_text(b), r.text) << r.name;
    EXPECT_EQ(b.state.state, r.state) << r.name;
    EXPECT_EQ(b.state.paren_depth, r.depth) << r.name;
  }
}

TEST_F(ExpressionBuilderTest, AllTwentyFiveButtonsInAComplexPlot) {
  open_builder(b, false);
  for (int button = 810; button <= 828; button++) {
    EXPECT_TRUE(press_button(b, button)) << button;
    EXPECT_TRUE(press_variable(b, 1));
    EXPECT_TRUE(press_button(b, 809));
    EXPECT_TRUE(press_button(b, 804));
  }
  EXPECT_EQ(press({"b808", "b805", "b806", "b807"}), "1000");
  EXPECT_EQ(press({"v1", "b805", "v1", "b806", "v1", "b807", "c2", "b809"}), "11111111");
  EXPECT_EQ(b.state.paren_depth, 0);
  EXPECT_TRUE(press_add_expression(b));
}

// After "(" Add Expression waits for ")"; Delete Last of that ")" disables it again.
TEST_F(ExpressionBuilderTest, AddExpressionWaitsForTheClosingParenthesis) {
  press({"b808", "v1"});
  EXPECT_FALSE(builder_enabling(b.state).add_expression);
  EXPECT_FALSE(press_add_expression(b));
  press({"b809"});
  EXPECT_TRUE(builder_enabling(b.state).add_expression);
  press({"del"});
  EXPECT_FALSE(builder_enabling(b.state).add_expression);
  EXPECT_TRUE(builder_enabling(b.state).close);
  EXPECT_EQ(press({"b809", "add"}), "11");
  ASSERT_EQ(b.finished.size(), 1u);
  EXPECT_EQ(expression_text(b.finished[0].get()), "('v(1)')");
}

// Finished Expressions are finalized (postfix, unit) and kept in order; the builder starts
// again with an empty one.
TEST_F(ExpressionBuilderTest, AddExpressionFinalizesAndStartsAgain) {
  EXPECT_EQ(press({"v1", "b806", "v3", "add"}), "1111");
  EXPECT_EQ(b.state.state, kBuilderNew);
  EXPECT_EQ(b.state.last_function_button, 824);
  EXPECT_EQ(builder_text(b), "");
  EXPECT_EQ(press({"b810", "v2", "b809", "add"}), "1111");
  ASSERT_EQ(b.finished.size(), 2u);
  EXPECT_EQ(postfix(b.finished[0].get()), "v(1) i(vdd) *");
  EXPECT_EQ(expression_unit_symbol(b.finished[0].get()), "W");
  EXPECT_EQ(expression_text(b.finished[1].get()), "db('v(out)')");
  EXPECT_EQ(expression_unit_symbol(b.finished[1].get()), "dB");
  EXPECT_EQ(press({"add"}), "0");
}

// A running function inside a derivative cannot be evaluated: the builder says so and keeps
// the Expression, which Delete Last can still repair.
TEST_F(ExpressionBuilderTest, AnExpressionFinalizeRefusesStaysInTheBuilder) {
  EXPECT_EQ(press({"b821", "b822", "v1", "b809", "b809", "add"}), "111110");
  ASSERT_EQ(shown_messages().size(), 1u);
  EXPECT_EQ(shown_messages()[0].text, "Internal error, cant't continue");
  EXPECT_TRUE(b.finished.empty());
  EXPECT_EQ(builder_text(b), "drv(int('v(1)'))");
  EXPECT_EQ(press({"del", "del", "del", "del", "b817", "v1", "b809", "b809", "add"}),
            "111111111");
  ASSERT_EQ(b.finished.size(), 1u);
  EXPECT_EQ(expression_text(b.finished[0].get()), "drv(sin('v(1)'))");
}

TEST_F(ExpressionBuilderTest, ConstantTextIsCutAt511Characters) {
  EXPECT_TRUE(press_constant(b, std::string(600, '1')));
  EXPECT_EQ(builder_text(b), std::string(511, '1'));
}

// The double click of Add Plot: the variable, then Add Expression; with parentheses open it
// closes them first.
TEST_F(ExpressionBuilderTest, DoubleClick) {
  EXPECT_TRUE(double_click_variable(b, 2));
  ASSERT_EQ(b.finished.size(), 1u);
  EXPECT_EQ(expression_text(b.finished[0].get()), "'v(out)'");

  press({"b817", "b808", "v1", "b804"});
  EXPECT_TRUE(double_click_variable(b, 3));
  ASSERT_EQ(b.finished.size(), 2u);
  EXPECT_EQ(expression_text(b.finished[1].get()), "sin(('v(1)'+'i(vdd)'))");
  EXPECT_EQ(b.state.state, kBuilderNew);

  press({"v1"});
  EXPECT_FALSE(double_click_variable(b, 2));
  EXPECT_EQ(builder_text(b), "'v(1)'");
  EXPECT_EQ(b.finished.size(), 2u);
  EXPECT_FALSE(double_click_variable(b, 9));
}

}  // namespace
