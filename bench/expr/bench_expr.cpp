// bench_expr [DIR] [POINTS]: trace evaluation against hand-written loops.
//
// A synthetic transient of 4 Mi points (eight real variables, written to DIR and loaded as
// the program loads it) is evaluated with four expressions through
// evaluate_over_current_plot, and by a loop written for each that reads the same rows through
// the same row locks and computes the same values, non-number checks included. The run
// point by point (the path every run took before blocks) is timed too. Each side runs five
// times, in turn; the median is reported, and the values of all three must agree bit for bit.
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
const int kRounds = 5;
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

// The non-number rule of real evaluation.
struct DataCheck {
  bool non_number = false;
  bool infinity = false;
  double read(double v) {
    if (std::isfinite(v)) return v;
    (std::isnan(v) ? non_number : infinity) = true;
    return 0.0;
  }
};

int variable(const char *name) { return find_variable(name); }

bool hand_db(const double *, double *y) {
  int k = variable("v(out)"), points = point_count();
  DataCheck check;
  for (int i = 0; i < points; i++) {
    RowToken token;
    double v = check.read(lock_real_row(i, token)[k]);
    release_row(token);
    if (v == 0) return false;
    y[i] = 20.0 * std::log10(std::fabs(v));
  }
  return true;
}

bool hand_product(const double *, double *y) {
  int a = variable("v(1)"), b = variable("i(vdd)"), points = point_count();
  DataCheck check;
  for (int i = 0; i < points; i++) {
    RowToken token;
    const double *row = lock_real_row(i, token);
    y[i] = check.read(row[a]) * check.read(row[b]);
    release_row(token);
  }
  return true;
}

bool hand_integral(const double *x, double *y) {
  int k = variable("i(vdd)"), points = point_count();
  DataCheck check;
  double sum = 0, previous = 0;
  for (int i = 0; i < points; i++) {
    RowToken token;
    double f = check.read(lock_real_row(i, token)[k]);
    release_row(token);
    if (i == 0) {
      previous = f;
      y[i] = 0.0;
      continue;
    }
    sum += (x[i] - x[i - 1]) * (previous + f) * 0.5;
    previous = f;
    y[i] = sum;
  }
  return true;
}

// A window of three values slides along: one row lock per point.
bool hand_derivative(const double *x, double *y) {
  int k = variable("v(out)"), last = point_count() - 1;
  DataCheck check;
  auto value = [&](int i) {
    RowToken token;
    double v = check.read(lock_real_row(i, token)[k]);
    release_row(token);
    return v;
  };
  double here = value(0), next = last > 0 ? value(1) : here, before = here;
  for (int i = 0; i <= last; i++) {
    double dl = i > 0 ? x[i] - x[i - 1] : 0.0;
    double dr = i < last ? x[i + 1] - x[i] : 0.0;
    y[i] = ((i < last ? next : here) - before) / (dl + dr);
    before = here;
    here = next;
    if (i + 2 <= last) next = value(i + 2);
  }
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
  bool (*hand)(const double *x, double *y);
  double goal;
};

}  // namespace

int main(int argc, char **argv) {
  std::string dir = argc > 1 ? argv[1] : "/tmp";
  int32_t points = argc > 2 ? static_cast<int32_t>(atol(argv[2])) : kDefaultPoints;
  std::string path = dir + "/ulmo-bench-expr.out";
  if (points < 2 || !write_bench_result(path, points) || !load_data_file(path.c_str())) {
    fprintf(stderr, "cannot write and load %s\n", path.c_str());
    return 1;
  }
  remove(path.c_str());
  printf("%d points x %d variables, blocks of %d points, median of %d runs\n", points,
         kVariableCount, kEvaluationBlockPoints, kRounds);
  size_t n = static_cast<size_t>(points);
  std::vector<double> x(n), hand_y(n), block_y(n), point_y(n);
  build_abscissa(x.data());

  const Case cases[] = {
      {"db('v(out)')", hand_db, 1.5},
      {"'v(1)'*'i(vdd)'", hand_product, 1.5},
      {"int('i(vdd)')", hand_integral, 1.5},
      {"drv('v(out)')", hand_derivative, 3.0},
  };
  printf("%-18s %9s %9s %9s %12s %12s\n", "expression", "hand ms", "block ms", "point ms",
         "block/hand", "point/hand");
  bool all_met = true;
  for (const Case &c : cases) {
    Expression *e = parse_expression(c.text);
    if (!e) {
      fprintf(stderr, "%s does not parse\n", c.text);
      return 1;
    }
    std::vector<double> hand, block, point;
    for (int round = 0; round < kRounds; round++) {
      double t0 = now();
      bool ok = c.hand(x.data(), hand_y.data());
      double t1 = now();
      ok = evaluate_over_current_plot(e, x.data(), block_y.data()) && ok;
      double t2 = now();
      ok = point_by_point(e, x.data(), point_y.data()) && ok;
      double t3 = now();
      if (!ok) {
        fprintf(stderr, "%s: a run failed\n", c.text);
        return 1;
      }
      hand.push_back(t1 - t0), block.push_back(t2 - t1), point.push_back(t3 - t2);
    }
    BlockRunCounts counts = last_block_run_counts();
    if (memcmp(hand_y.data(), block_y.data(), n * sizeof(double)) != 0 ||
        memcmp(hand_y.data(), point_y.data(), n * sizeof(double)) != 0 || counts.point_blocks) {
      fprintf(stderr, "%s: the three runs disagree (or blocks fell back: %d)\n", c.text,
              counts.point_blocks);
      return 1;
    }
    double h = median(hand), b = median(block), p = median(point);
    bool met = b / h <= c.goal;
    all_met = all_met && met;
    printf("%-18s %9.1f %9.1f %9.1f %11.2fx %11.2fx  goal %.1fx %s\n", c.text, h * 1e3, b * 1e3,
           p * 1e3, b / h, p / h, c.goal, met ? "met" : "NOT met");
    free_expression(e);
  }
  printf(all_met ? "every goal met\n" : "some goals not met\n");
  clear_plot_list();
  return 0;
}
