// The builder's acceptance table and inputs.
//
// The table makes the builder produce only complete, balanced expressions in which operands
// and operators alternate: after an operand or ")" only an operator or ")" may follow, after
// anything else only an operand, "(" or a function. Add Expression needs a complete operand
// at paren depth 0. A leading minus exists only inside a constant.
//
// Two choices the dialogs depend on:
// - Add Plot's double click on a variable while parentheses are open (after "sin(", say)
//   closes them before it adds the expression, so "sin(" and a double click on v(out) plot
//   sin('v(out)'), which is what the user was writing; the Add Expression button itself stays
//   disabled until the user closes them.
// - Expressions are finalized when they are added, so that the dialogs hand on only
//   Expressions that can be evaluated; one that finalize refuses (a running function inside a
//   derivative) stays in the builder, where Delete Last can repair it.
#include "expression_builder.h"

#include <cassert>

#include "../base/messages.h"
#include "../data/plot_model.h"
#include "../resources/resource_ids.h"
#include "evaluate.h"

namespace {

const int kBuilderMemoryCode = 700;

ExpressionPtr new_builder_expression() {
  ExpressionPtr e(new_expression());
  if (!e) out_of_memory(kBuilderMemoryCode);
  return e;
}

void append(ExpressionBuilder &b, int32_t code, const char *text, int32_t unit) {
  if (append_token(b.expression.get(), code, text, unit) != 0) out_of_memory(kBuilderMemoryCode);
  b.state = state_after_append(b.state, code);
}

bool is_function_or_open(int32_t code) {
  int c = token_class(code);
  return c == kClassFunction || c == kClassOpen;
}

}  // namespace

int button_token_code(int button) { return 803 - button; }

BuilderState initial_builder_state(bool real_plot) {
  return {kBuilderNew, 0, real_plot ? kButtonLastRealFunction : kButtonLast};
}

BuilderEnabling builder_enabling(const BuilderState &s) {
  BuilderEnabling e{};
  switch (s.state) {
    case kBuilderNew:
    case kBuilderEmptied:
      e.operands = e.functions = true;
      break;
    case kClassOperator:
    case kClassFunction:
    case kClassOpen:
      e.operands = e.functions = true;
      e.delete_last = true;
      break;
    case kClassOperand:
    case kClassClose:
      e.operators = true;
      e.close = s.paren_depth > 0;
      e.add_expression = s.paren_depth == 0;
      e.delete_last = true;
      break;
  }
  return e;
}

bool button_enabled(const BuilderState &s, int button) {
  BuilderEnabling e = builder_enabling(s);
  if (button >= kButtonFirst && button < kButtonOpen) return e.operators;
  if (button == kButtonOpen) return e.functions;
  if (button == kButtonClose) return e.close;
  if (button >= kButtonFirstFunction && button <= kButtonLast)
    return e.functions && button <= s.last_function_button;
  return false;
}

BuilderState state_after_append(BuilderState s, int32_t code) {
  s.state = token_class(code);
  if (is_function_or_open(code)) s.paren_depth++;
  if (code == kTokenClose) s.paren_depth--;
  return s;
}

BuilderState state_after_delete(BuilderState s, DeletedToken deleted) {
  s.state = deleted.builder_state;
  if (deleted.removed_class == kClassClose) s.paren_depth++;
  if (deleted.removed_class == kClassFunction || deleted.removed_class == kClassOpen)
    s.paren_depth--;
  // Deleting the only token reports it as an operand; whatever it was, nothing is open now.
  if (s.state == kBuilderEmptied) s.paren_depth = 0;
  return s;
}

void open_builder(ExpressionBuilder &b, bool real_plot) {
  b.state = initial_builder_state(real_plot);
  b.expression = new_builder_expression();
  b.finished.clear();
}

bool press_variable(ExpressionBuilder &b, int index) {
  std::string name, unit;
  if (!builder_enabling(b.state).operands || !variable_info(index, name, unit)) return false;
  append(b, index, name.c_str(), variable_dimension(index));
  return true;
}

bool press_button(ExpressionBuilder &b, int button) {
  if (!button_enabled(b.state, button)) return false;
  append(b, button_token_code(button), nullptr, kUnitDimensionNone);
  return true;
}

bool press_constant(ExpressionBuilder &b, const std::string &text) {
  if (!builder_enabling(b.state).operands || text.empty()) return false;
  std::string typed = text.substr(0, kConstantTextLimit);
  append(b, kTokenConstant, typed.c_str(), kUnitDimensionNone);
  return true;
}

bool press_delete_last(ExpressionBuilder &b) {
  if (!builder_enabling(b.state).delete_last) return false;
  assert(b.expression->token_count > 0);
  b.state = state_after_delete(b.state, delete_last_token(b.expression.get()));
  return true;
}

bool press_add_expression(ExpressionBuilder &b) {
  if (!builder_enabling(b.state).add_expression) return false;
  // A refused finalize leaves its Expression fit only for release, so a copy is finalized.
  ExpressionPtr done(copy_expression(b.expression.get()));
  if (!done) out_of_memory(kBuilderMemoryCode);
  int finalized = finalize_expression(done.get());
  if (finalized == kFinalizeNoMemory) out_of_memory(kBuilderMemoryCode);
  if (finalized != kFinalizeOk) {
    show_evaluation_error(IDS_INTERNAL_ERROR);
    return false;
  }
  b.finished.push_back(std::move(done));
  b.expression = new_builder_expression();
  b.state = {kBuilderNew, 0, b.state.last_function_button};
  return true;
}

bool double_click_variable(ExpressionBuilder &b, int index) {
  if (!press_variable(b, index)) return false;
  while (b.state.paren_depth > 0) append(b, kTokenClose, nullptr, kUnitDimensionNone);
  return press_add_expression(b);
}

std::string builder_text(const ExpressionBuilder &b) { return expression_text(b.expression.get()); }
