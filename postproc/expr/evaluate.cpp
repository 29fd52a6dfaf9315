// The evaluation run.
//
// One run evaluates one finalized Expression at points 0, 1, ... in order. Its state (last
// point, variable count, point counter, the value stack) is process-wide; the two warning
// flags outlive runs. The value stack is allocated by reset_evaluation, large enough for the
// Expression and all its nested derivative arguments (each nesting level stacks its values
// above its caller's), so evaluating a point never allocates.
//
// reset_evaluation also checks the whole Expression once: well-formed postfix, a derivative
// argument before every drv, variable indices below the variable count, one accumulator
// slot per running function. The per-point loop can then pop and index without checks; an
// Expression that fails the check fails every point of its run with the internal-error
// message instead of reading out of bounds.
//
// Whole runs over the current plot (evaluate_over_current_plot) evaluate blocks of points at
// once (evaluate_block.cpp) and come back here for any block where a point may fail, so the
// failing point, its message and the warning flags are always this path's.
//
// Running functions use the run's point counter and the accumulator slot of their position
// (counted in postfix order within one evaluation). The derivative evaluates its argument at
// the neighbouring points with their own value rows; those evaluations do not advance the
// point counter. Derivative arguments never hold running functions (finalize refuses them).
#include "evaluate.h"

#include <cmath>
#include <cstdlib>

#include "../base/messages.h"
#include "../data/plot_model.h"
#include "../resources/resource_ids.h"
#include "kernels.h"
#include "run_state.h"

namespace {

const int kStackMemoryCode = 705;   // out-of-memory termination: the value stack

struct StackEntry {
  double re;
  double im;
  const Expression *argument;   // derivative-argument operands only
};

struct Run {
  int last_point;
  int variable_count;
  int point_counter;
  bool usable;          // the Expression passed the check of reset_evaluation
  bool non_number_seen;
  bool infinity_seen;
  StackEntry *stack;
  size_t stack_capacity;
};

Run run = {-1, 0, 0, false, false, false, nullptr, 0};

// Why an evaluation failed: silently, or after its message was shown.
enum Outcome { kEvaluated, kFailedSilently, kFailedReported };

bool is_running_function(int32_t code) {
  return code == kTokenInt || code == kTokenAvg || code == kTokenRms;
}

bool can_evaluate(const Expression *e, int variable_count, bool nested) {
  int depth = 0, running = 0;
  for (int32_t i = 0; i < e->token_count; i++) {
    const Token &t = e->tokens[i];
    if (t.code >= 0) {
      if (t.code >= variable_count) return false;
      depth++;
    } else if (t.code == kTokenConstant) {
      depth++;
    } else if (t.code == kTokenDerivativeArgument) {
      if (!t.derivative_argument || !can_evaluate(t.derivative_argument, variable_count, true))
        return false;
      if (i + 1 >= e->token_count || e->tokens[i + 1].code != kTokenDrv) return false;
      depth++;
    } else if (token_class(t.code) == kClassOperator) {
      if (depth < 2) return false;
      depth--;
    } else if (token_class(t.code) == kClassFunction) {
      if (depth < 1) return false;
      if (t.code == kTokenDrv && (i == 0 || e->tokens[i - 1].code != kTokenDerivativeArgument))
        return false;
      running += is_running_function(t.code);
    } else {
      return false;   // parentheses and unknown codes do not survive finalize
    }
  }
  if (running != e->accumulator_count || (nested && running > 0)) return false;
  if (running > 0 && (!e->accumulator_sums || !e->accumulator_previous)) return false;
  return e->token_count == 0 || depth == 1;
}

#if defined(__GNUC__)
__attribute__((noinline, cold))
#endif
Outcome report(int message_id) {
  show_evaluation_error(message_id);
  return kFailedReported;
}

// The value rows of one point; the derivative locks those of the neighbours.
struct Rows {
  const double *re;
  const double *im;   // complex evaluation only
};

template <bool kComplex>
Outcome evaluate_at(Expression *e, int point, Rows rows, const double *x, size_t base,
                    double &result);

// Running function `code` on slot `slot` at the run's point counter.
Outcome running_value(Expression *e, int32_t code, int slot, double f, const double *x,
                      double &result) {
  int n = run.point_counter;
  if (!x || n > run.last_point) return report(IDS_INTERNAL_ERROR);
  result = running_step(code, f, x, n, e->accumulator_sums[slot], e->accumulator_previous[slot]);
  return kEvaluated;
}

// The argument A at `point`, with the given rows or those of that point.
template <bool kComplex>
Outcome argument_at(const Expression *a, int point, const Rows *rows, const double *x,
                    size_t base, double &value) {
  Expression *argument = const_cast<Expression *>(a);   // no accumulators: not changed
  if (rows) return evaluate_at<kComplex>(argument, point, *rows, x, base, value);
  RowToken re_token, im_token;
  Rows neighbour = {lock_real_row(point, re_token), nullptr};
  if (kComplex) neighbour.im = lock_imag_row(point, im_token);
  Outcome r = kFailedReported;
  if (!neighbour.re || (kComplex && !neighbour.im))
    r = report(IDS_INTERNAL_ERROR);
  else
    r = evaluate_at<kComplex>(argument, point, neighbour, x, base, value);
  release_row(re_token);
  if (kComplex) release_row(im_token);
  return r;
}

// Kept out of line: the per-point loop stays small for the common expressions.
template <bool kComplex>
#if defined(__GNUC__)
__attribute__((noinline))
#endif
Outcome derivative(const Expression *a, int i, const Rows &rows, const double *x, size_t base,
                   double &result) {
  if (!x || i > run.last_point) return report(IDS_INTERNAL_ERROR);
  double dl = 0, dr = 0, fl, fr;
  Outcome r = i == 0 ? argument_at<kComplex>(a, i, &rows, x, base, fl)
                     : argument_at<kComplex>(a, i - 1, nullptr, x, base, fl);
  if (r != kEvaluated) return r;
  if (i > 0) dl = x[i] - x[i - 1];
  r = i == run.last_point ? argument_at<kComplex>(a, i, &rows, x, base, fr)
                          : argument_at<kComplex>(a, i + 1, nullptr, x, base, fr);
  if (r != kEvaluated) return r;
  if (i < run.last_point) dr = x[i + 1] - x[i];
  // Not guarded: a single point, or x[i-1] = x[i+1], gives an IEEE infinity or NaN.
  result = (fr - fl) / (dl + dr);
  return kEvaluated;
}

double read_real(double v) {
  if (std::isfinite(v)) return v;
  if (std::isnan(v))
    run.non_number_seen = true;
  else
    run.infinity_seen = true;
  return 0.0;
}

// A point outside a function's domain fails with the function's message, or silently.
Outcome outside(int message_id) { return message_id ? report(message_id) : kFailedSilently; }

Outcome real_function(int32_t code, double x, double &r) {
  int index = function_kernel_index(code);
  if (index < 0) return report(IDS_INTERNAL_ERROR);
  const FunctionKernel &k = kFunctionKernels[index];
  if (outside_domain(k.real_domain, x)) return outside(k.real_message);
  r = k.real(x);
  return kEvaluated;
}

Outcome complex_function(int32_t code, double re, double im, double &r) {
  int index = function_kernel_index(code);
  if (index < 0) return report(IDS_INTERNAL_ERROR);
  const FunctionKernel &k = kFunctionKernels[index];
  if (k.of_both_parts) {
    r = k.of_parts(re, im);
    return kEvaluated;
  }
  double m = magnitude(re, im);
  if (outside_domain(k.magnitude_domain, m)) return outside(k.complex_message);
  r = k.of_magnitude(m);
  return kEvaluated;
}

// Real evaluation touches only the real parts (the imaginary ones stay 0); reading the pair
// as one would also defeat store forwarding on every operator.
Outcome real_arithmetic(int32_t code, StackEntry &a, const StackEntry &b) {
  switch (code) {
    case kTokenAdd: a.re += b.re; break;
    case kTokenSubtract: a.re -= b.re; break;
    case kTokenMultiply: a.re *= b.re; break;
    default:
      if (b.re == 0) return report(IDS_DIVIDE_BY_ZERO);
      a.re /= b.re;
      break;
  }
  return kEvaluated;
}

Outcome complex_arithmetic(int32_t code, StackEntry &a, const StackEntry &b) {
  double ar = a.re, ai = a.im, br = b.re, bi = b.im;
  switch (code) {
    case kTokenAdd: a.re = ar + br, a.im = ai + bi; break;
    case kTokenSubtract: a.re = ar - br, a.im = ai - bi; break;
    case kTokenMultiply:
      a.re = ar * br - ai * bi;
      a.im = ai * br + ar * bi;
      break;
    default: {
      double d = br * br + bi * bi;
      if (d == 0) return report(IDS_DIVIDE_BY_ZERO);
      a.re = (ar * br + ai * bi) / d;
      a.im = (ai * br - ar * bi) / d;
      break;
    }
  }
  return kEvaluated;
}

template <bool kComplex>
Outcome evaluate_at(Expression *e, int point, Rows rows, const double *x, size_t base,
                    double &result) {
  if (base + static_cast<size_t>(e->token_count) > run.stack_capacity)
    return report(IDS_INTERNAL_ERROR);
  StackEntry *stack = run.stack + base;
  size_t top = 0;
  int slot = 0;
  for (int32_t i = 0; i < e->token_count; i++) {
    const Token &t = e->tokens[i];
    if (t.code >= 0) {
      if (kComplex)
        stack[top++] = {rows.re[t.code], rows.im[t.code], nullptr};
      else
        stack[top++] = {read_real(rows.re[t.code]), 0.0, nullptr};
      continue;
    }
    Outcome r = kEvaluated;
    switch (t.code) {
      case kTokenConstant:
        stack[top++] = {t.value, 0.0, nullptr};
        break;
      case kTokenDerivativeArgument:
        stack[top++] = {0.0, 0.0, t.derivative_argument};
        break;
      case kTokenAdd: case kTokenSubtract: case kTokenMultiply: case kTokenDivide:
        top--;
        r = kComplex ? complex_arithmetic(t.code, stack[top - 1], stack[top])
                     : real_arithmetic(t.code, stack[top - 1], stack[top]);
        break;
      case kTokenDrv: {
        StackEntry &s = stack[top - 1];
        r = derivative<kComplex>(s.argument, point, rows, x, base + top, s.re);
        s.im = 0.0, s.argument = nullptr;
        break;
      }
      case kTokenInt: case kTokenAvg: case kTokenRms: {
        StackEntry &s = stack[top - 1];
        r = running_value(e, t.code, slot++, s.re, x, s.re);
        if (kComplex) s.im = 0.0;
        break;
      }
      default: {
        StackEntry &s = stack[top - 1];
        r = kComplex ? complex_function(t.code, s.re, s.im, s.re) : real_function(t.code, s.re, s.re);
        if (kComplex) s.im = 0.0;
        break;
      }
    }
    if (r != kEvaluated) return r;
  }
  result = top ? stack[top - 1].re : 0.0;
  return kEvaluated;
}

template <bool kComplex>
EvaluationResult evaluate_point(Expression *e, Rows rows, const double *abscissa) {
  int point = run.point_counter;
  double value = 0.0;
  Outcome r;
  if (!run.usable || !rows.re || (kComplex && !rows.im) || point > run.last_point)
    r = report(IDS_INTERNAL_ERROR);
  else
    r = evaluate_at<kComplex>(e, point, rows, abscissa, 0, value);
  run.point_counter++;
  return {r == kEvaluated ? one_nan(value) : 0.0, r == kEvaluated};
}

}  // namespace

void reset_evaluation(Expression *e, int last_point, int variable_count) {
  run.last_point = last_point;
  run.variable_count = variable_count;
  run.point_counter = 0;
  for (int32_t k = 0; k < e->accumulator_count; k++) {
    if (e->accumulator_sums) e->accumulator_sums[k] = 0.0;
    if (e->accumulator_previous) e->accumulator_previous[k] = 0.0;
  }
  run.usable = can_evaluate(e, variable_count, false);
  size_t needed = total_tokens(e) + 1;
  if (needed > run.stack_capacity) {
    free(run.stack);
    run.stack = static_cast<StackEntry *>(malloc(sizeof(StackEntry) * needed));
    if (!run.stack) out_of_memory(kStackMemoryCode);
    run.stack_capacity = needed;
  }
}

EvaluationResult evaluate_real_point(Expression *e, const double *row, const double *abscissa) {
  return evaluate_point<false>(e, Rows{row, nullptr}, abscissa);
}

EvaluationResult evaluate_complex_point(Expression *e, const double *real_row,
                                        const double *imag_row, const double *abscissa) {
  return evaluate_point<true>(e, Rows{real_row, imag_row}, abscissa);
}

void show_evaluation_error(int message_id) {
  show_message(ui_hooks().frame_window(), kMbIconExclamation | kMbOk, message_id);
}

bool non_number_seen() { return run.non_number_seen; }
bool infinity_seen() { return run.infinity_seen; }

void clear_evaluation_warnings() { run.non_number_seen = run.infinity_seen = false; }

void show_evaluation_warnings(WindowHandle owner) {
  if (run.non_number_seen) {
    show_message(owner, kMbIconExclamation | kMbOk, IDS_NON_NUMBERS);
    run.non_number_seen = false;
  }
  if (run.infinity_seen) {
    show_message(owner, kMbIconExclamation | kMbOk, IDS_INFINITE_NUMBERS);
    run.infinity_seen = false;
  }
}

RunState current_run() { return {run.last_point, run.point_counter, run.usable}; }

void advance_point_counter(int points) { run.point_counter += points; }

void raise_evaluation_warnings(bool non_number, bool infinity) {
  run.non_number_seen |= non_number;
  run.infinity_seen |= infinity;
}
