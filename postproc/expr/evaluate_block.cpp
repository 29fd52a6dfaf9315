// Evaluation runs a block of points at a time.
//
// The point path (evaluate.cpp) walks the postfix list once per point; here each token is
// applied to every point of a block before the next token, so the walk, the dispatch and
// the checks are paid once per block. A stack element is a column: one value per point of
// the block (real parts, and imaginary parts for a complex plot).
//
// The block path never shows anything and never decides how a run fails. A block is first
// evaluated on its own: its warning flags are kept aside and the Expression's accumulators
// are saved. When every point of the block succeeds, the flags are raised, the values stand
// and the point counter moves past the block. When any point might fail (a zero divisor, a
// logarithm's domain, a row that cannot be locked, no abscissa), the accumulators are put
// back and the same block is evaluated again by the point path, which fails at the same
// point with the same message and raises only the flags read up to there. So a block that
// succeeds here gives what the point path gives, bit for bit (the same operations in the
// same order on each point, the formulas of run_state.h), and any other block is the point
// path's own work.
//
// A derivative needs its argument one point beyond each side of the block, and a nested
// derivative one further: the rows of a block are locked with a halo as deep as the
// Expression's deepest derivative, and held until the block is done. Rows that share a value
// block are locked through the first and the last of them (see lock_rows).
//
// Memory: the columns, row pointers and saved accumulators are allocated once per run. If
// that fails the run is the point path's alone.
#include "evaluate_block.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "../data/plot_list.h"
#include "../data/plot_model.h"
#include "evaluate.h"
#include "kernels.h"
#include "run_state.h"

namespace {

// Beyond this derivative nesting the halo costs more than it saves; finalize allows 8.
const int kMaxHalo = 16;
// The columns of one run: a few MiB, so that a block's columns stay in the cache.
const size_t kMaxColumnBytes = 4 << 20;

BlockRunCounts counts = {0, 0};

struct Column {
  double *re;
  double *im;                   // complex plots only
  const Expression *argument;   // derivative-argument operands only
};

struct BlockRun {
  int block_points;
  int halo;         // the deepest derivative nesting
  int width;        // lanes of a column: block_points + 2 * halo
  int last_point;
  bool complex;
  const double *x;
  Column *columns;
  size_t column_count;
  int variable_count;
  uint32_t rows_per_block;   // of the plot's value blocks; 0: unknown, every row locked alone
  int row_first;             // the point of re_rows[0] and im_rows[0]
  RowToken *tokens;          // of the rows locked for the block
  size_t token_count;
  const double **re_rows;
  const double **im_rows;
  double *saved_sums;
  double *saved_previous;
  bool non_number;   // seen in this block
  bool infinity;
  void *memory;
};

int derivative_depth(const Expression *e) {
  int depth = 0;
  for (int32_t i = 0; i < e->token_count; i++)
    if (e->tokens[i].derivative_argument)
      depth = std::max(depth, 1 + derivative_depth(e->tokens[i].derivative_argument));
  return depth;
}

// Carves every array of the run out of one allocation; false when memory is short.
bool prepare_block_run(BlockRun &b, const Expression *e, int block_points, bool complex,
                       const double *x, int last_point) {
  b = BlockRun{};
  b.halo = derivative_depth(e);
  if (b.halo > kMaxHalo) return false;
  b.column_count = total_tokens(e) + 1;
  size_t planes = complex ? 2 : 1;
  // A long Expression gets shorter blocks, so that its columns stay within kMaxColumnBytes.
  size_t most_lanes = kMaxColumnBytes / (b.column_count * planes * sizeof(double));
  if (most_lanes < static_cast<size_t>(2 * b.halo + 1)) return false;
  b.block_points = static_cast<int>(std::min<size_t>(block_points, most_lanes - 2 * b.halo));
  b.width = b.block_points + 2 * b.halo;
  b.last_point = last_point;
  b.complex = complex;
  b.x = x;
  size_t width = static_cast<size_t>(b.width);
  size_t accumulators = static_cast<size_t>(e->accumulator_count);
  size_t bytes = sizeof(Column) * b.column_count +
                 planes * width * (sizeof(RowToken) + sizeof(const double *)) +
                 sizeof(double) * (planes * width * b.column_count + 2 * accumulators);
  char *p = static_cast<char *>(malloc(bytes));
  if (!p) return false;
  b.memory = p;
  // Largest alignment first: every piece stays aligned for its type.
  double *lanes = reinterpret_cast<double *>(p);
  p += sizeof(double) * planes * width * b.column_count;
  b.saved_sums = reinterpret_cast<double *>(p);
  b.saved_previous = b.saved_sums + accumulators;
  p += sizeof(double) * 2 * accumulators;
  b.columns = reinterpret_cast<Column *>(p);
  p += sizeof(Column) * b.column_count;
  b.re_rows = reinterpret_cast<const double **>(p);
  p += sizeof(const double *) * width;
  b.tokens = reinterpret_cast<RowToken *>(p);
  p += sizeof(RowToken) * planes * width;
  if (complex) b.im_rows = reinterpret_cast<const double **>(p);
  b.variable_count = variable_count();
  BlockGeometry geometry;
  if (compute_block_geometry(b.variable_count, last_point + 1, geometry))
    b.rows_per_block = geometry.rows_per_block;
  for (size_t c = 0; c < b.column_count; c++) {
    b.columns[c].re = lanes + c * width;
    b.columns[c].im = complex ? lanes + (b.column_count + c) * width : nullptr;
    b.columns[c].argument = nullptr;
  }
  return true;
}

// One run of rows of a value block: the first and the last row locked, those between at
// their stride from the first. Should the two locked rows not be exactly that far apart,
// every row of the run is locked by itself.
bool lock_run(BlockRun &b, int first, int last, bool imaginary) {
  const double **rows = (imaginary ? b.im_rows : b.re_rows) + (first - b.row_first);
  auto lock = [&](int point) {
    RowToken &token = b.tokens[b.token_count++];
    return imaginary ? lock_imag_row(point, token) : lock_real_row(point, token);
  };
  rows[0] = lock(first);
  if (!rows[0] || first == last) return rows[0] != nullptr;
  const double *end = lock(last);
  if (!end) return false;
  size_t stride = static_cast<size_t>(b.variable_count);
  size_t span = static_cast<size_t>(last - first) * stride * sizeof(double);
  if (reinterpret_cast<uintptr_t>(end) - reinterpret_cast<uintptr_t>(rows[0]) == span) {
    for (int k = 1; k < last - first; k++) rows[k] = rows[0] + static_cast<size_t>(k) * stride;
  } else {
    for (int k = 1; k < last - first; k++)
      if (!(rows[k] = lock(first + k))) return false;
  }
  rows[last - first] = end;
  return true;
}

// Locks the rows of points first..last (inclusive) for the block; false when one is missing.
// The rows of a plot lie in value blocks of whole rows in point order, rows_per_block rows
// each but the last (compute_block_geometry): within one value block they are adjacent, so
// a run of them costs two locks rather than one per row.
bool lock_rows(BlockRun &b, int first, int last) {
  b.row_first = first;
  b.token_count = 0;
  for (int i = first; i <= last;) {
    int64_t rows = b.rows_per_block;
    int64_t block_end = rows ? (i / rows + 1) * rows - 1 : i;
    int run_last = static_cast<int>(std::min<int64_t>(block_end, last));
    if (!lock_run(b, i, run_last, false) || (b.complex && !lock_run(b, i, run_last, true)))
      return false;
    i = run_last + 1;
  }
  return true;
}

void release_rows(BlockRun &b) {
  for (size_t k = 0; k < b.token_count; k++) release_row(b.tokens[k]);
}

template <class Predicate>
bool any_lane(const double *v, int count, Predicate p) {
  bool any = false;
  for (int k = 0; k < count; k++) any |= p(v[k]);
  return any;
}

template <class Function>
void map_lanes(double *v, int count, Function f) {
  for (int k = 0; k < count; k++) v[k] = f(v[k]);
}

// Variable `v` at points first..first+count-1. Real evaluation takes a non-number or an
// infinity as 0 and notes it for the block.
template <bool kComplex>
void load_variable(BlockRun &b, int32_t v, int first, int count, Column &c) {
  const double *const *re_rows = b.re_rows + (first - b.row_first);
  for (int k = 0; k < count; k++) c.re[k] = re_rows[k][v];
  if (kComplex) {
    const double *const *im_rows = b.im_rows + (first - b.row_first);
    for (int k = 0; k < count; k++) c.im[k] = im_rows[k][v];
    return;
  }
  if (!any_lane(c.re, count, [](double x) { return !std::isfinite(x); })) return;
  for (int k = 0; k < count; k++) {
    if (std::isfinite(c.re[k])) continue;
    if (std::isnan(c.re[k]))
      b.non_number = true;
    else
      b.infinity = true;
    c.re[k] = 0.0;
  }
}

void fill(double *v, int count, double value) { std::fill(v, v + count, value); }

bool real_arithmetic(int32_t code, double *a, const double *b, int count) {
  switch (code) {
    case kTokenAdd: for (int k = 0; k < count; k++) a[k] += b[k]; break;
    case kTokenSubtract: for (int k = 0; k < count; k++) a[k] -= b[k]; break;
    case kTokenMultiply: for (int k = 0; k < count; k++) a[k] *= b[k]; break;
    default:
      if (any_lane(b, count, [](double d) { return d == 0; })) return false;
      for (int k = 0; k < count; k++) a[k] /= b[k];
      break;
  }
  return true;
}

bool complex_arithmetic(int32_t code, Column &a, const Column &b, int count) {
  switch (code) {
    case kTokenAdd:
      for (int k = 0; k < count; k++) a.re[k] += b.re[k], a.im[k] += b.im[k];
      break;
    case kTokenSubtract:
      for (int k = 0; k < count; k++) a.re[k] -= b.re[k], a.im[k] -= b.im[k];
      break;
    case kTokenMultiply:
      for (int k = 0; k < count; k++) {
        double ar = a.re[k], ai = a.im[k], br = b.re[k], bi = b.im[k];
        a.re[k] = ar * br - ai * bi;
        a.im[k] = ai * br + ar * bi;
      }
      break;
    default:
      for (int k = 0; k < count; k++) {
        double br = b.re[k], bi = b.im[k];
        if (br * br + bi * bi == 0) return false;
      }
      for (int k = 0; k < count; k++) {
        double ar = a.re[k], ai = a.im[k], br = b.re[k], bi = b.im[k];
        double d = br * br + bi * bi;
        a.re[k] = (ar * br + ai * bi) / d;
        a.im[k] = (ai * br - ar * bi) / d;
      }
      break;
  }
  return true;
}

// Calls visit(std::integral_constant<int, I>) for I, the index of `code` in kFunctionKernels,
// so that each kernel's formula is a constant of the lane loop it runs in.
template <class Visit, size_t... I>
bool visit_kernel(int32_t code, Visit visit, std::index_sequence<I...>) {
  int index = function_kernel_index(code);
  bool ok = false;
  ((index == static_cast<int>(I) && (ok = visit(std::integral_constant<int, I>{}), true)) || ...);
  return ok;
}

template <class Visit>
bool visit_kernel(int32_t code, Visit visit) {
  return visit_kernel(code, visit, std::make_index_sequence<kFunctionKernelCount>{});
}

// False for a block where a point lies outside the domain: the point path then decides how
// that point fails.
bool real_function(int32_t code, double *v, int count) {
  return visit_kernel(code, [&](auto index) {
    constexpr int i = decltype(index)::value;
    constexpr FunctionKernel k = kFunctionKernels[i];
    if (k.real_domain != kAnyValue &&
        any_lane(v, count, [](double x) { return outside_domain(kFunctionKernels[i].real_domain, x); }))
      return false;
    if (k.real != kernel::identity)
      map_lanes(v, count, [](double x) { return kFunctionKernels[i].real(x); });
    return true;
  });
}

// Every function of a complex value gives a real one: the imaginary parts become 0.
bool complex_function(int32_t code, Column &c, int count) {
  double *re = c.re, *im = c.im;
  bool ok = visit_kernel(code, [&](auto index) {
    constexpr int i = decltype(index)::value;
    constexpr FunctionKernel k = kFunctionKernels[i];
    if constexpr (k.of_both_parts) {
      for (int n = 0; n < count; n++) re[n] = k.of_parts(re[n], im[n]);
    } else {
      for (int n = 0; n < count; n++) re[n] = magnitude(re[n], im[n]);
      if (k.magnitude_domain != kAnyValue &&
          any_lane(re, count,
                   [](double m) { return outside_domain(kFunctionKernels[i].magnitude_domain, m); }))
        return false;
      if (k.of_magnitude != kernel::identity)
        map_lanes(re, count, [](double m) { return kFunctionKernels[i].of_magnitude(m); });
    }
    return true;
  });
  if (ok) fill(im, count, 0.0);
  return ok;
}

template <int32_t kCode>
void running_lanes(const double *x, int first, int count, double &sum, double &previous,
                   double *v) {
  for (int k = 0; k < count; k++) v[k] = running_step(kCode, v[k], x, first + k, sum, previous);
}

// Running function `code` on slot `slot` over the block: strictly in point order, since
// each point's value depends on the one before.
bool running_values(BlockRun &b, Expression *e, int32_t code, int slot, int first, int count,
                    double *v) {
  if (!b.x) return false;
  double sum = e->accumulator_sums[slot], previous = e->accumulator_previous[slot];
  switch (code) {
    case kTokenInt: running_lanes<kTokenInt>(b.x, first, count, sum, previous, v); break;
    case kTokenAvg: running_lanes<kTokenAvg>(b.x, first, count, sum, previous, v); break;
    default: running_lanes<kTokenRms>(b.x, first, count, sum, previous, v); break;
  }
  e->accumulator_sums[slot] = sum;
  e->accumulator_previous[slot] = previous;
  return true;
}

template <bool kComplex>
bool evaluate_range(BlockRun &b, Expression *e, int first, int count, size_t base, double *out);

// The derivative at points first..first+count-1 of argument `a`, evaluated once at each
// point from one before to one after (within the plot) on the columns from `base` on.
template <bool kComplex>
bool derivative_values(BlockRun &b, const Expression *a, int first, int count, size_t base,
                       double *out) {
  if (!b.x || base >= b.column_count) return false;
  const double *x = b.x;
  int last = b.last_point;
  int from = std::max(first - 1, 0);
  int to = std::min(first + count, last);
  double *f = b.columns[base].re;
  // No accumulators in an argument: evaluating it changes nothing in it.
  if (!evaluate_range<kComplex>(b, const_cast<Expression *>(a), from, to - from + 1, base, f))
    return false;
  for (int k = 0; k < count; k++) {
    int i = first + k, j = i - from;   // f[j] is the argument at point i
    double dl = 0, dr = 0;
    double fl = i == 0 ? f[j] : f[j - 1];
    if (i > 0) dl = x[i] - x[i - 1];
    double fr = i == last ? f[j] : f[j + 1];
    if (i < last) dr = x[i + 1] - x[i];
    // Not guarded, as in the point path: a single point gives an infinity or a non-number.
    out[k] = (fr - fl) / (dl + dr);
  }
  return true;
}

// Expression `e` at points first..first+count-1 into `out`, on the columns from `base` on.
template <bool kComplex>
bool evaluate_range(BlockRun &b, Expression *e, int first, int count, size_t base, double *out) {
  if (base + static_cast<size_t>(e->token_count) > b.column_count) return false;
  Column *stack = b.columns + base;
  size_t top = 0;
  int slot = 0;
  for (int32_t i = 0; i < e->token_count; i++) {
    const Token &t = e->tokens[i];
    if (t.code >= 0) {
      load_variable<kComplex>(b, t.code, first, count, stack[top++]);
      continue;
    }
    bool ok = true;
    switch (t.code) {
      case kTokenConstant:
        fill(stack[top].re, count, t.value);
        if (kComplex) fill(stack[top].im, count, 0.0);
        top++;
        break;
      case kTokenDerivativeArgument:
        stack[top++].argument = t.derivative_argument;
        break;
      case kTokenAdd: case kTokenSubtract: case kTokenMultiply: case kTokenDivide:
        top--;
        ok = kComplex ? complex_arithmetic(t.code, stack[top - 1], stack[top], count)
                      : real_arithmetic(t.code, stack[top - 1].re, stack[top].re, count);
        break;
      case kTokenDrv: {
        Column &s = stack[top - 1];
        ok = derivative_values<kComplex>(b, s.argument, first, count, base + top, s.re);
        if (kComplex) fill(s.im, count, 0.0);
        s.argument = nullptr;
        break;
      }
      case kTokenInt: case kTokenAvg: case kTokenRms: {
        Column &s = stack[top - 1];
        ok = running_values(b, e, t.code, slot++, first, count, s.re);
        if (kComplex) fill(s.im, count, 0.0);
        break;
      }
      default:
        ok = kComplex ? complex_function(t.code, stack[top - 1], count)
                      : real_function(t.code, stack[top - 1].re, count);
        break;
    }
    if (!ok) return false;
  }
  if (top == 0)
    fill(out, count, 0.0);
  else if (out != stack[top - 1].re)
    std::copy(stack[top - 1].re, stack[top - 1].re + count, out);
  return true;
}

// Points first..first+count-1 of the run as one block; false (the Expression's accumulators
// as they were) when a point might fail.
bool evaluate_block(BlockRun &b, Expression *e, int first, int count, double *values) {
  assert(current_run().point_counter == first);
  size_t slots = static_cast<size_t>(e->accumulator_count);
  std::copy(e->accumulator_sums, e->accumulator_sums + slots, b.saved_sums);
  std::copy(e->accumulator_previous, e->accumulator_previous + slots, b.saved_previous);
  b.non_number = b.infinity = false;
  int row_first = std::max(first - b.halo, 0);
  int block_last = first + count - 1;
  int row_last = block_last + std::min(b.halo, b.last_point - block_last);
  bool ok = lock_rows(b, row_first, row_last);
  if (ok)
    ok = b.complex ? evaluate_range<true>(b, e, first, count, 0, values)
                   : evaluate_range<false>(b, e, first, count, 0, values);
  release_rows(b);
  if (ok) {
    // A store only where there is a NaN: a select on every value costs the 32-bit build a
    // stalled store-to-load forwarding per point.
    for (int k = 0; k < count; k++)
      if (std::isnan(values[k])) values[k] = one_nan(values[k]);
    raise_evaluation_warnings(b.non_number, b.infinity);
    advance_point_counter(count);
  } else {
    std::copy(b.saved_sums, b.saved_sums + slots, e->accumulator_sums);
    std::copy(b.saved_previous, b.saved_previous + slots, e->accumulator_previous);
  }
  return ok;
}

// The point path over points first..first+count-1, as a run has always been made.
bool evaluate_points(Expression *e, bool real, int first, int count, const double *abscissa,
                     double *values) {
  for (int i = first; i < first + count; i++) {
    RowToken re_token, im_token;
    const double *re = lock_real_row(i, re_token);
    EvaluationResult r;
    if (real) {
      r = evaluate_real_point(e, re, abscissa);
    } else {
      const double *im = lock_imag_row(i, im_token);
      r = evaluate_complex_point(e, re, im, abscissa);
      release_row(im_token);
    }
    release_row(re_token);
    if (!r.ok) return false;
    values[i] = r.value;
  }
  return true;
}

}  // namespace

bool evaluate_run_in_blocks(Expression *e, const double *abscissa, double *values,
                            int block_points) {
  int points = point_count();
  bool real = is_real_plot();
  reset_evaluation(e, points - 1, variable_count());
  counts = {0, 0};
  // No block needs more lanes than the plot has points.
  block_points = std::max(std::min(block_points, points), 1);
  BlockRun b{};
  bool whole = current_run().usable &&
               prepare_block_run(b, e, block_points, !real, abscissa, points - 1);
  if (whole) block_points = b.block_points;
  bool ok = true;
  for (int first = 0, count = 0; first < points && ok; first += count) {
    count = std::min(block_points, points - first);
    if (whole && evaluate_block(b, e, first, count, values + first)) {
      counts.whole_blocks++;
      continue;
    }
    counts.point_blocks++;
    ok = evaluate_points(e, real, first, count, abscissa, values);
  }
  free(b.memory);
  return ok;
}

BlockRunCounts last_block_run_counts() { return counts; }
