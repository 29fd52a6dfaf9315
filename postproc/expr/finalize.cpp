// finalize_expression: from the written (infix) token list to the evaluable postfix one.
//
// Steps, in order: check that the list is an expression at all; move the argument of every
// derivative into a nested Expression (finalized by itself, recursively); convert to postfix
// by shunting-yard (left-associative, "*" and "/" over "+" and "-", no operator crossing an
// open parenthesis or function); allocate one accumulator slot per running function; infer
// the result unit (outer Expression only).
//
// Malformed lists are refused before anything is moved, so evaluation may rely on a
// well-formed postfix list: every operator finds two operands, every function one, and one
// value is left at the end. Two further refusals keep evaluation meaningful and bounded:
// - a running function (int, avg, rms) inside a derivative argument: its slots would be fed
//   by the neighbour evaluations of every point and have no defined value;
// - derivatives nested deeper than kMaxDerivativeNesting: each level evaluates its argument
//   three times per point, so the cost grows as 3^depth.
// On failure the Expression is only fit for free_expression.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "expression.h"

namespace {

const int kMaxDerivativeNesting = 8;

bool is_running_function(int32_t code) {
  return code == kTokenInt || code == kTokenAvg || code == kTokenRms;
}

// Operands and operators alternate, parentheses and functions balance, no argument is empty.
bool is_well_formed(const Expression *e) {
  bool operand_expected = true;
  int depth = 0;
  for (int32_t i = 0; i < e->token_count; i++) {
    int32_t code = e->tokens[i].code;
    if (code < kTokenConstant) return false;   // derivative arguments exist only after this
    switch (token_class(code)) {
      case kClassOperand:
        if (!operand_expected) return false;
        operand_expected = false;
        break;
      case kClassOperator:
        if (operand_expected) return false;
        operand_expected = true;
        break;
      case kClassFunction:
      case kClassOpen:
        if (!operand_expected) return false;
        depth++;
        break;
      case kClassClose:
        if (operand_expected || depth == 0) return false;
        depth--;
        break;
    }
  }
  return e->token_count == 0 || (!operand_expected && depth == 0);
}

// Index of the ")" that closes the function or "(" at `open`; the list is well formed.
int32_t closing_index(const Expression *e, int32_t open) {
  int depth = 0;
  for (int32_t i = open + 1; i < e->token_count; i++) {
    int c = token_class(e->tokens[i].code);
    if (c == kClassFunction || c == kClassOpen) {
      depth++;
    } else if (c == kClassClose) {
      if (depth == 0) return i;
      depth--;
    }
  }
  return -1;
}

// A nested Expression holding (shallow copies of) tokens first..last-1 and their text.
Expression *shallow_argument(const Expression *e, int32_t first, int32_t last) {
  Expression *a = static_cast<Expression *>(calloc(1, sizeof(Expression)));
  if (!a) return nullptr;
  int32_t count = last - first;
  size_t text_begin = static_cast<size_t>(e->tokens[first].text_position);
  size_t text_end = static_cast<size_t>(e->tokens[last].text_position);
  a->tokens = static_cast<Token *>(malloc(sizeof(Token) * static_cast<size_t>(count)));
  a->display_text = static_cast<char *>(malloc(text_end - text_begin + 1));
  if (!a->tokens || !a->display_text) {
    free(a->tokens);
    free(a->display_text);
    free(a);
    return nullptr;
  }
  memcpy(a->tokens, e->tokens + first, sizeof(Token) * static_cast<size_t>(count));
  for (int32_t i = 0; i < count; i++)
    a->tokens[i].text_position -= static_cast<int32_t>(text_begin);
  memcpy(a->display_text, e->display_text + text_begin, text_end - text_begin);
  a->display_text[text_end - text_begin] = '\0';
  a->text_length = text_end - text_begin;
  a->text_capacity = a->text_length + 1;
  a->token_count = a->token_capacity = count;
  a->result_unit = kUnitDimensionNone;
  return a;
}

// Frees a nested Expression whose tokens are still owned by the outer list.
void discard_shallow(Expression *a) {
  free(a->tokens);
  free(a->display_text);
  free(a);
}

int finalize_level(Expression *e, int nesting);

// Step A. The new outer list is built first with shallow copies; only when every nested
// Expression exists does ownership move, so a failure leaves the original list intact.
int extract_derivative_arguments(Expression *e, int nesting) {
  bool any = false;
  for (int32_t i = 0; i < e->token_count && !any; i++) any = e->tokens[i].code == kTokenDrv;
  if (!any) return kFinalizeOk;
  if (nesting >= kMaxDerivativeNesting) return kFinalizeMalformed;

  Token *out = static_cast<Token *>(malloc(sizeof(Token) * static_cast<size_t>(e->token_count)));
  if (!out) return kFinalizeNoMemory;
  int32_t written = 0;
  bool failed = false;
  for (int32_t i = 0; i < e->token_count; i++) {
    out[written++] = e->tokens[i];
    if (e->tokens[i].code != kTokenDrv) continue;
    int32_t close = closing_index(e, i);
    Expression *argument = shallow_argument(e, i + 1, close);
    if (!argument) {
      failed = true;
      break;
    }
    out[written++] = {kTokenDerivativeArgument, e->tokens[i + 1].text_position,
                      kUnitDimensionNone, 0.0, nullptr, argument};
    out[written++] = e->tokens[close];
    i = close;
  }
  if (failed) {
    for (int32_t k = 0; k < written; k++)
      if (out[k].code == kTokenDerivativeArgument) discard_shallow(out[k].derivative_argument);
    free(out);
    return kFinalizeNoMemory;
  }
  free(e->tokens);
  e->tokens = out;
  e->token_count = written;
  e->token_capacity = written;

  for (int32_t k = 0; k < written; k++) {
    if (out[k].code != kTokenDerivativeArgument) continue;
    int r = finalize_level(out[k].derivative_argument, nesting + 1);
    if (r != kFinalizeOk) return r;
  }
  return kFinalizeOk;
}

// Step B.
int convert_to_postfix(Expression *e) {
  if (e->token_count == 0) return kFinalizeOk;
  size_t n = static_cast<size_t>(e->token_count);
  Token *out = static_cast<Token *>(malloc(sizeof(Token) * n));
  Token *stack = static_cast<Token *>(malloc(sizeof(Token) * n));
  if (!out || !stack) {
    free(out);
    free(stack);
    return kFinalizeNoMemory;
  }
  int32_t written = 0, top = 0;
  e->accumulator_count = 0;
  for (int32_t i = 0; i < e->token_count; i++) {
    const Token &t = e->tokens[i];
    switch (token_class(t.code)) {
      case kClassOperand:
        out[written++] = t;
        break;
      case kClassOperator:
        while (top > 0) {
          int c = token_class(stack[top - 1].code);
          if (c == kClassOpen || c == kClassFunction) break;
          if (token_precedence(stack[top - 1].code) < token_precedence(t.code)) break;
          out[written++] = stack[--top];
        }
        stack[top++] = t;
        break;
      case kClassFunction:
        if (is_running_function(t.code)) e->accumulator_count++;
        stack[top++] = t;
        break;
      case kClassOpen:
        stack[top++] = t;
        break;
      case kClassClose:
        while (top > 0) {
          Token popped = stack[--top];
          if (token_class(popped.code) == kClassOpen) break;
          out[written++] = popped;
          if (token_class(popped.code) == kClassFunction) break;
        }
        break;
    }
  }
  while (top > 0) {
    Token popped = stack[--top];
    if (token_class(popped.code) != kClassOpen) out[written++] = popped;
  }
  free(stack);
  free(e->tokens);
  e->tokens = out;
  e->token_count = written;
  e->token_capacity = static_cast<int32_t>(n);
  return kFinalizeOk;
}

// Step C.
int allocate_accumulators(Expression *e) {
  free(e->accumulator_sums);
  free(e->accumulator_previous);
  e->accumulator_sums = e->accumulator_previous = nullptr;
  if (e->accumulator_count == 0) return kFinalizeOk;
  size_t size = sizeof(double) * static_cast<size_t>(e->accumulator_count);
  e->accumulator_sums = static_cast<double *>(calloc(1, size));
  e->accumulator_previous = static_cast<double *>(calloc(1, size));
  if (!e->accumulator_sums || !e->accumulator_previous) return kFinalizeNoMemory;
  return kFinalizeOk;
}

int32_t function_unit(int32_t code, int32_t u) {
  switch (code) {
    case kTokenDb: return kUnitDimensionDecibel;
    case kTokenAtan: case kTokenPhase: return kUnitDimensionAngle;
    case kTokenAbs: case kTokenSgn: case kTokenExp: case kTokenSin: case kTokenCos:
    case kTokenTan: case kTokenMag: case kTokenAvg: case kTokenRms:
      return u;
    default: return kUnitDimensionNone;
  }
}

// Step D. A product or quotient outside the 32-bit range is no unit that could ever show;
// it ends the inference like incompatible units do.
int infer_units(Expression *e) {
  e->result_unit = kUnitDimensionNone;
  if (e->token_count == 0) return kFinalizeOk;
  int64_t *stack = static_cast<int64_t *>(malloc(sizeof(int64_t) * static_cast<size_t>(e->token_count)));
  if (!stack) return kFinalizeNoMemory;
  int32_t top = 0;
  bool stopped = false;
  for (int32_t i = 0; i < e->token_count && !stopped; i++) {
    const Token &t = e->tokens[i];
    switch (token_class(t.code)) {
      case kClassOperand:
        stack[top++] = t.unit;
        break;
      case kClassOperator: {
        int64_t b = stack[--top], a = stack[top - 1], r;
        if (t.code == kTokenAdd || t.code == kTokenSubtract) {
          r = a;
          stopped = a != b;
        } else if (t.code == kTokenMultiply) {
          r = a * b;
        } else {
          r = (b == 0 || a / b == 0) ? kUnitDimensionNone : a / b;
        }
        if (r > INT32_MAX || r < INT32_MIN) stopped = true;
        stack[top - 1] = r;
        break;
      }
      case kClassFunction:
        stack[top - 1] = function_unit(t.code, static_cast<int32_t>(stack[top - 1]));
        break;
      default:
        break;
    }
  }
  if (!stopped) e->result_unit = static_cast<int32_t>(stack[top - 1]);
  free(stack);
  return kFinalizeOk;
}

int finalize_level(Expression *e, int nesting) {
  if (!is_well_formed(e)) return kFinalizeMalformed;
  int r = extract_derivative_arguments(e, nesting);
  if (r == kFinalizeOk) r = convert_to_postfix(e);
  if (r == kFinalizeOk && nesting > 0 && e->accumulator_count > 0) r = kFinalizeMalformed;
  if (r == kFinalizeOk) r = allocate_accumulators(e);
  if (r == kFinalizeOk && nesting == 0) r = infer_units(e);
  return r;
}

}  // namespace

int finalize_expression(Expression *e) { return finalize_level(e, 0); }
