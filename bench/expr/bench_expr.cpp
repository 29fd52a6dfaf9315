// bench_expr [DIR] [POINTS] [BLOCK]: trace evaluation against hand-written loops.
//
// A synthetic transient of 4 Mi points (eight real variables, written to DIR and loaded as
// the program loads it) is evaluated with four expressions through
// evaluate_over_current_plot, and by loops written for each that read the same rows and
// compute the same values, non-number checks included: one walks the plot's value blocks
// directly (the floor, and the reference of the goals), one takes each row through its row
// lock. The run point by point (the path every run took before blocks) is timed too. Each
// side runs seven times, in turn; the median is reported, and all values must agree bit for
// bit.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/load.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "expr/evaluate.h"
#include "expr/evaluate_block.h"
#include "expr/expression.h"
#include "result_writer.h"

namespace {

const int32_t kDefaultPoints = 4 * 1024 * 1024;
const int kRounds = 7;
const char *const kVariables[] = {"time", "v(in)", "v(out)", "v(1)", "v(2)", "i(vdd)",
                                  "i(r1)", "v(3)"};
const int kVariableCount = 8;

double now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Smooth waveforms that never cross zero where a logarithm or a divisor would meet them.
void fill_row(int64_t i, double *row) {
  double t = i * 1e-9;
  double w = 2 * 3.141592653589793 * 1e6 * t;
  row[0] = t;
  row[1] = std::sin(w);
  row[2] = 1.5 + std::sin(w - 0.3);
  row[3] = 0.8 * std::cos(w);
  row[4] = 2.5 - std::cos(3 * w);
  row[5] = -1e-3 * (1.2 + std::sin(w + 0.1));
  row[6] = 1e-3 * std::cos(w);
  row[7] = 0.5;
}

bool write_bench_result(const std::string &path, int32_t points) {
  FILE *out = fopen(path.c_str(), "wb");
  if (!out) return false;
  SamplePlot header;
  header.circuit_title = "Expression benchmark";
  header.simulation_date = "Wed Dec  9 12:00:00 2026";
  header.plot_name = "Transient Analysis";
  header.analysis_code = 4;
  header.plot_kind = 1;
  for (int v = 0; v < kVariableCount; v++)
    header.variables.push_back({kVariables[v], v == 0 ? 2 : kVariables[v][0] == 'i' ? 1 : 0});
  header.point_count = points;
  write_plot_count(out, 1, kSampleWide);
  write_plot_header(out, header, kSampleWide);
  const int64_t kPiece = 4096;
  std::vector<double> rows(static_cast<size_t>(kPiece * kVariableCount));
  bool ok = true;
  for (int64_t p = 0; p < points && ok; p += kPiece) {
    int64_t n = std::min<int64_t>(kPiece, points - p);
    for (int64_t i = 0; i < n; i++) fill_row(p + i, &rows[static_cast<size_t>(i * kVariableCount)]);
    size_t count = static_cast<size_t>(n * kVariableCount);
    ok = fwrite(rows.data(), sizeof(double), count, out) == count;
  }
  return fclose(out) == 0 && ok;
}

// The non-number rule of real evaluation; its flags are compared with the library's, so
// that the hand-written loops cannot skip them.
struct DataCheck {
  bool non_number = false;
  bool infinity = false;
  double read(double v) {
    if (std::isfinite(v)) return v;
    (std::isnan(v) ? non_number : infinity) = true;
    return 0.0;
  }
};
DataCheck check;

int variable(const char *name) { return find_variable(name); }

// The rows in point order through the row locks, one per point: what any code outside the
// data layer can do.
struct LockedRows {
  template <class Visit>
  void operator()(Visit visit) const {
    int points = point_count();
    for (int i = 0; i < points; i++) {
      RowToken token;
      visit(i, lock_real_row(i, token));
      release_row(token);
    }
  }
};

// The rows in point order straight from the plot's value blocks: the floor.
struct DirectRows {
  template <class Visit>
  void operator()(Visit visit) const {
    const PlotRecord *p = plot_list().current;
    uint32_t v = static_cast<uint32_t>(p->variable_count);
    int i = 0;
    for (uint32_t b = 0; b < p->block_count; b++) {
      const ValueBlock &block = p->real_blocks[b];
      for (uint32_t offset = 0; offset < block.count; offset += v)
        visit(i++, block.values + offset);
    }
  }
};

template <class Walk>
bool hand_db(const double *, double *y) {
  int k = variable("v(out)");
  bool ok = true;
  Walk()([&](int i, const double *row) {
    double v = check.read(row[k]);
    ok = ok && v != 0;
    y[i] = 20.0 * std::log10(std::fabs(v));
  });
  return ok;
}

template <class Walk>
bool hand_product(const double *, double *y) {
  int a = variable("v(1)"), b = variable("i(vdd)");
  Walk()([&](int i, const double *row) { y[i] = check.read(row[a]) * check.read(row[b]); });
  return true;
}

template <class Walk>
bool hand_integral(const double *x, double *y) {
  int k = variable("i(vdd)");
  double sum = 0, previous = 0;
  Walk()([&](int i, const double *row) {
    double f = check.read(row[k]);
    if (i == 0) {
      previous = f;
      y[i] = 0.0;
      return;
    }
    sum += (x[i] - x[i - 1]) * (previous + f) * 0.5;
    previous = f;
    y[i] = sum;
  });
  return true;
}

// Point i - 1 is done when the value of point i is read; the last point after the walk.
template <class Walk>
bool hand_derivative(const double *x, double *y) {
  int k = variable("v(out)"), last = point_count() - 1;
  double before = 0, here = 0;
  Walk()([&](int i, const double *row) {
    double f = check.read(row[k]);
    if (i > 0) {
      int j = i - 1;
      double dl = j > 0 ? x[j] - x[j - 1] : 0.0;
      y[j] = (f - (j > 0 ? before : here)) / (dl + (x[i] - x[j]));
    }
    before = here;
    here = f;
  });
  double dl = last > 0 ? x[last] - x[last - 1] : 0.0;
  y[last] = (here - (last > 0 ? before : here)) / (dl + 0.0);
  return true;
}

// The run as it was made before blocks: every point in turn with its row locked.
bool point_by_point(Expression *e, const double *x, double *y) {
  int points = point_count();
  reset_evaluation(e, points - 1, variable_count());
  for (int i = 0; i < points; i++) {
    RowToken token;
    EvaluationResult r = evaluate_real_point(e, lock_real_row(i, token), x);
    release_row(token);
    if (!r.ok) return false;
    y[i] = r.value;
  }
  return true;
}

struct Case {
  const char *text;
  bool (*locked)(const double *x, double *y);
  bool (*direct)(const double *x, double *y);
  double goal;
};

}  // namespace

int main(int argc, char **argv) {
  std::string dir = argc > 1 ? argv[1] : "/tmp";
  int32_t points = argc > 2 ? static_cast<int32_t>(atol(argv[2])) : kDefaultPoints;
  int block_points = argc > 3 ? atoi(argv[3]) : kEvaluationBlockPoints;
  std::string path = dir + "/ulmo-bench-expr.out";
  if (points < 2 || !write_bench_result(path, points) || !load_data_file(path.c_str())) {
    fprintf(stderr, "cannot write and load %s\n", path.c_str());
    return 1;
  }
  remove(path.c_str());
  printf("%d points x %d variables, blocks of %d points, median of %d runs\n", points,
         kVariableCount, block_points, kRounds);
  size_t n = static_cast<size_t>(points);
  std::vector<double> x(n), hand_y(n), locked_y(n), block_y(n), point_y(n);
  build_abscissa(x.data());

  const Case cases[] = {
      {"db('v(out)')", hand_db<LockedRows>, hand_db<DirectRows>, 1.5},
      {"'v(1)'*'i(vdd)'", hand_product<LockedRows>, hand_product<DirectRows>, 1.5},
      {"int('i(vdd)')", hand_integral<LockedRows>, hand_integral<DirectRows>, 1.5},
      {"drv('v(out)')", hand_derivative<LockedRows>, hand_derivative<DirectRows>, 3.0},
  };
  printf("milliseconds: hand-written loops over the value blocks (direct) and through a row\n"
         "lock per point (locked), the run in blocks, the run point by point\n");
  printf("%-16s %7s %7s %7s %7s %14s %14s\n", "expression", "direct", "locked", "blocks",
         "points", "blocks/direct", "points/direct");
  bool all_met = true;
  for (const Case &c : cases) {
    Expression *e = parse_expression(c.text);
    if (!e) {
      fprintf(stderr, "%s does not parse\n", c.text);
      return 1;
    }
    std::vector<double> direct, locked, block, point;
    bool same = true;
    check = DataCheck();
    clear_evaluation_warnings();
    for (int round = 0; round < kRounds; round++) {
      double t0 = now();
      bool ok = c.direct(x.data(), hand_y.data());
      double t1 = now();
      ok = c.locked(x.data(), locked_y.data()) && ok;
      double t2 = now();
      ok = (block_points == kEvaluationBlockPoints
                ? evaluate_over_current_plot(e, x.data(), block_y.data())
                : evaluate_run_in_blocks(e, x.data(), block_y.data(), block_points)) &&
           ok;
      double t3 = now();
      ok = point_by_point(e, x.data(), point_y.data()) && ok;
      double t4 = now();
      if (!ok) {
        fprintf(stderr, "%s: a run failed\n", c.text);
        return 1;
      }
      direct.push_back(t1 - t0), locked.push_back(t2 - t1);
      block.push_back(t3 - t2), point.push_back(t4 - t3);
      for (const std::vector<double> *other : {&locked_y, &block_y, &point_y})
        same = same && memcmp(hand_y.data(), other->data(), n * sizeof(double)) == 0;
    }
    BlockRunCounts counts = last_block_run_counts();
    same = same && check.non_number == non_number_seen() && check.infinity == infinity_seen();
    if (!same || counts.point_blocks) {
      fprintf(stderr, "%s: the runs disagree (or blocks went point by point: %d)\n", c.text,
              counts.point_blocks);
      return 1;
    }
    double d = median(direct), l = median(locked), b = median(block), p = median(point);
    bool met = b / d <= c.goal;
    all_met = all_met && met;
    printf("%-16s %7.1f %7.1f %7.1f %7.1f %13.2fx %13.2fx  goal %.1fx %s\n", c.text, d * 1e3,
           l * 1e3, b * 1e3, p * 1e3, b / d, p / d, c.goal, met ? "met" : "NOT met");
    free_expression(e);
  }
  printf(all_met ? "every goal met\n" : "some goals not met\n");
  clear_plot_list();
  return 0;
}
