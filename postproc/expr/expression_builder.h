// The expression builder of the Add Plot and X-Axis Expression dialogs: which inputs it
// accepts in each state and what each does to the Expression under construction. The dialogs
// only apply it: they pass the user's input here and show the enabling and the text it leaves.
#pragma once

#include <string>
#include <vector>

#include "expression.h"
#include "expression_ptr.h"

// Builder states beside the token classes 0..4 of the last token.
const int kBuilderNew = 6;   // kBuilderEmptied (5) comes from delete_last_token

// Control ids of the operator and function buttons; button b appends the token 803 - b.
const int kButtonFirst = 804;              // "+"
const int kButtonOpen = 808;               // "("
const int kButtonClose = 809;              // ")"
const int kButtonFirstFunction = 810;      // "db("
const int kButtonLastRealFunction = 824;   // "rms(": mag, phase, re and im need a complex plot
const int kButtonLast = 828;               // "im("
const int kConstantTextLimit = 511;

int button_token_code(int button);   // 803 - button

struct BuilderState {
  int state;                  // kBuilderNew, kBuilderEmptied or the class of the last token
  int paren_depth;            // "(" and functions not yet closed
  int last_function_button;   // function buttons above it stay disabled
};

BuilderState initial_builder_state(bool real_plot);

// What the enabling step accepts in a state; what it does not accept is ignored when pressed,
// and the variable list, Add Expression and Delete Last are shown disabled.
struct BuilderEnabling {
  bool operands;          // variables and the constant
  bool functions;         // "(" and the function buttons up to the last function button
  bool operators;         // "+", "-", "*", "/"
  bool close;             // ")"
  bool add_expression;
  bool delete_last;
};
BuilderEnabling builder_enabling(const BuilderState &state);
// Whether button 804..828 is accepted; false for any other id.
bool button_enabled(const BuilderState &state, int button);

// The state after a token was appended, and after delete_last_token removed one.
BuilderState state_after_append(BuilderState state, int32_t code);
BuilderState state_after_delete(BuilderState state, DeletedToken deleted);

// One open builder. The Expression under construction is never none; finished Expressions
// are finalized, in the order added, and owned here until the dialog hands them on.
struct ExpressionBuilder {
  BuilderState state;
  ExpressionPtr expression;
  std::vector<ExpressionPtr> finished;
};

// Each input returns whether it was accepted; an ignored one changes nothing. The builder's
// memory failures end the program (code 700).
void open_builder(ExpressionBuilder &builder, bool real_plot);
bool press_variable(ExpressionBuilder &builder, int index);
bool press_button(ExpressionBuilder &builder, int button);
// The constant field's text, cut at 511 characters and not validated (no number reads as 0);
// an empty text is ignored.
bool press_constant(ExpressionBuilder &builder, const std::string &text);
bool press_delete_last(ExpressionBuilder &builder);
// Finalizes the Expression and moves it to the finished ones; a new empty one follows. An
// Expression that finalize refuses (a running function inside a derivative, derivatives
// nested too deep) stays under construction and the internal-error message is shown.
bool press_add_expression(ExpressionBuilder &builder);
// Add Plot's double click: the variable, the parentheses still open, and Add Expression.
bool double_click_variable(ExpressionBuilder &builder, int index);

std::string builder_text(const ExpressionBuilder &builder);
