// Runs in blocks against runs point by point: the same values bit for bit, the same failing
// point, messages, warning flags and accumulators, on the bundled samples, on data made to
// fail or to hold non-numbers at block boundaries, and on seeded random expressions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "data/load.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "expr/evaluate.h"
#include "expr/evaluate_block.h"
#include "expr/expression.h"
#include "expr/run_state.h"
#include "fixture.h"

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const int kBlock = kEvaluationBlockPoints;

uint64_t bits(double v) {
  uint64_t b;
  memcpy(&b, &v, sizeof b);
  return b;
}

// Everything a run leaves behind that a caller or the next run could see.
struct RunOutcome {
  bool ok;
  int points_taken;                 // the point counter after the run
  std::vector<uint64_t> values;     // of the points before the failing one, or all
  std::vector<std::string> messages;
  bool non_number;
  bool infinity;
  std::vector<uint64_t> accumulators;   // sums then previous values
};

class BlockEvaluation : public ExprTest {
 protected:
  // The run every caller made before blocks: each point in turn with its rows locked.
  static bool run_point_by_point(Expression *e, const double *x, double *values) {
    int points = point_count();
    reset_evaluation(e, points - 1, variable_count());
    for (int i = 0; i < points; i++) {
      RowToken re_token, im_token;
      const double *re = lock_real_row(i, re_token);
      EvaluationResult r = is_real_plot()
                               ? evaluate_real_point(e, re, x)
                               : evaluate_complex_point(e, re, lock_imag_row(i, im_token), x);
      release_row(im_token);
      release_row(re_token);
      if (!r.ok) return false;
      values[i] = r.value;
    }
    return true;
  }

  // `text` over the current plot in blocks of `block_points`, or point by point (0).
  RunOutcome run(const std::string &text, int block_points) {
    RunOutcome out{};
    Expression *e = parse_expression(text.c_str());
    EXPECT_NE(e, nullptr) << text;
    if (!e) return out;
    size_t points = static_cast<size_t>(point_count());
    std::vector<double> x(points), y(points, -1.0);
    build_abscissa(x.data());
    clear_evaluation_warnings();
    shown_messages().clear();
    out.ok = block_points ? evaluate_run_in_blocks(e, x.data(), y.data(), block_points)
                          : run_point_by_point(e, x.data(), y.data());
    out.points_taken = current_run().point_counter;
    size_t valid = out.ok ? points : static_cast<size_t>(out.points_taken - 1);
    for (size_t i = 0; i < valid; i++) out.values.push_back(bits(y[i]));
    for (const ShownMessage &m : shown_messages()) out.messages.push_back(m.text);
    out.non_number = non_number_seen();
    out.infinity = infinity_seen();
    for (const double *slots : {e->accumulator_sums, e->accumulator_previous})
      for (int32_t k = 0; k < e->accumulator_count; k++) out.accumulators.push_back(bits(slots[k]));
    free_expression(e);
    return out;
  }

  // Both paths give the same; returns the reference outcome.
  RunOutcome expect_same(const std::string &text, int block_points = kBlock) {
    RunOutcome reference = run(text, 0);
    RunOutcome blocks = run(text, block_points);
    std::string where = text + " in blocks of " + std::to_string(block_points) + " over " +
                        std::to_string(point_count()) + " points";
    EXPECT_EQ(blocks.ok, reference.ok) << where;
    EXPECT_EQ(blocks.points_taken, reference.points_taken) << where;
    EXPECT_EQ(blocks.messages, reference.messages) << where;
    EXPECT_EQ(blocks.non_number, reference.non_number) << where;
    EXPECT_EQ(blocks.infinity, reference.infinity) << where;
    EXPECT_EQ(blocks.accumulators, reference.accumulators) << where;
    EXPECT_EQ(blocks.values.size(), reference.values.size()) << where;
    if (blocks.values != reference.values) {
      for (size_t i = 0; i < std::min(blocks.values.size(), reference.values.size()); i++)
        if (blocks.values[i] != reference.values[i]) {
          ADD_FAILURE() << where << ": first difference at point " << i;
          break;
        }
    }
    return reference;
  }

  std::vector<std::string> variable_names() {
    std::vector<std::string> names;
    for (int v = 0; v < variable_count(); v++) {
      std::string name, unit;
      variable_info(v, name, unit);
      names.push_back(name);
    }
    return names;
  }
};

// Valid expressions over given variables: numbers, the four operators, every function of
// the table, parentheses; running functions never inside a derivative (finalize refuses
// them), derivatives nested at most three deep so that the point path's reference, which
// evaluates an argument three times per point and level, stays quick.
class ExpressionGenerator {
 public:
  ExpressionGenerator(uint32_t seed, std::vector<std::string> variables)
      : random_(seed), variables_(std::move(variables)) {}

  std::string next() { return expression(6, false, 0); }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  std::string operand() {
    static const char *const numbers[] = {"0", "1", "2", "0.5", "-1", "3.7", "1k", "2.5m",
                                          "1e-3", "-2", "10", ".25"};
    if (pick(3) == 0) return numbers[pick(12)];
    return "'" + variables_[static_cast<size_t>(pick(static_cast<int>(variables_.size())))] + "'";
  }

  std::string expression(int depth, bool in_derivative, int derivatives) {
    int kind = depth == 0 ? 0 : pick(10);
    if (kind <= 1) return operand();
    if (kind <= 5) {
      std::string text = expression(depth - 1, in_derivative, derivatives) +
                         function_text(static_cast<int32_t>(-1 - pick(4))) +
                         expression(depth - 1, in_derivative, derivatives);
      return pick(2) ? "(" + text + ")" : text;
    }
    // The functions that look at other points come up more often than their share.
    static const int32_t looking[] = {kTokenDrv, kTokenInt, kTokenAvg, kTokenRms};
    int32_t code;
    do {
      code = pick(3) == 0 ? looking[pick(4)]
                          : static_cast<int32_t>(kTokenDb - pick(kTokenDb - kTokenIm + 1));
    } while ((in_derivative && (code == kTokenInt || code == kTokenAvg || code == kTokenRms)) ||
             (code == kTokenDrv && derivatives == 3));
    bool derivative = code == kTokenDrv;
    return function_text(code) +
           expression(depth - 1, in_derivative || derivative, derivatives + derivative) + ")";
  }

  std::mt19937 random_;
  std::vector<std::string> variables_;
};

const char *const kSampleFiles[] = {"amplifier-transient.out", "filter-ac.out",
                                    "operating-point.out", "pole-zero.out",
                                    "several-plots.out", "narrow-transient.out"};

// Expressions every plot is tried with, over variable 1 ('a'), 2 ('b') and 0.
std::vector<std::string> chosen_expressions(const std::string &a, const std::string &b,
                                            const std::string &t) {
  std::string va = "'" + a + "'", vb = "'" + b + "'", vt = "'" + t + "'";
  return {va,
          "db(" + va + ")",
          va + "*" + vb,
          "int(" + vb + ")",
          "drv(" + va + ")",
          "drv(drv(" + va + "))",
          "avg(" + va + ")+rms(" + vb + ")*int(" + va + ")",
          "int(drv(" + va + ")*" + vb + ")",
          "phase(" + va + ")-mag(" + vb + ")+re(" + va + ")*im(" + vb + ")",
          "sqrt(" + va + ")",
          "log(" + va + ")",
          "log10(" + vb + ")",
          "1/" + va,
          va + "/(" + vb + "-" + vb + ")",
          "drv(1/(" + vt + "-" + vt + "))",
          "exp(" + va + "*1k)-exp(" + vb + "*1k)",
          "sgn(" + va + ")+abs(" + vb + ")+sin(" + va + ")+cos(" + vb + ")+tan(" + va +
              ")+atan(" + vb + ")",
          "2*3+4",
          ""};
}

TEST_F(BlockEvaluation, BundledSamplesGiveWhatThePointPathGives) {
  int plots_seen = 0;
  for (const char *name : kSampleFiles) {
    std::string path = std::string(ULMO_SAMPLES_DIR) + "/" + name;
    ASSERT_TRUE(load_data_file(path.c_str())) << path;
    for (int p = 0; p < plot_count(); p++) {
      ASSERT_TRUE(select_plot(p, false));
      plots_seen++;
      std::vector<std::string> v = variable_names();
      ASSERT_FALSE(v.empty());
      std::string a = v[std::min<size_t>(1, v.size() - 1)];
      std::string b = v[std::min<size_t>(2, v.size() - 1)];
      for (const std::string &text : chosen_expressions(a, b, v[0])) {
        expect_same(text);
        expect_same(text, 7);
      }
    }
    clear_plot_list();
  }
  EXPECT_EQ(plots_seen, 9);
}

TEST_F(BlockEvaluation, RandomExpressionsOnEverySample) {
  int cases = 0, succeeded = 0, reported = 0, silent = 0;
  uint32_t seed = 20261209;
  for (const char *name : kSampleFiles) {
    std::string path = std::string(ULMO_SAMPLES_DIR) + "/" + name;
    ASSERT_TRUE(load_data_file(path.c_str())) << path;
    for (int p = 0; p < plot_count(); p++) {
      ASSERT_TRUE(select_plot(p, false));
      ExpressionGenerator generator(seed++, variable_names());
      std::mt19937 sizes(seed);
      for (int i = 0; i < 60; i++) {
        std::string text = generator.next();
        RunOutcome r = expect_same(text);
        expect_same(text, 1 + static_cast<int>(sizes() % 40));
        cases++;
        succeeded += r.ok;
        reported += !r.ok && !r.messages.empty();
        silent += !r.ok && r.messages.empty();
      }
    }
    clear_plot_list();
  }
  EXPECT_EQ(cases, 540);
  // The generator must reach successes and both kinds of failure, or the test proves little.
  EXPECT_GT(succeeded, cases / 4);
  EXPECT_GT(reported, 20);
  EXPECT_GT(silent, 20);
}

TEST_F(BlockEvaluation, PointCountsAroundTheBlockSize) {
  for (int points : {1, 2, kBlock - 1, kBlock, kBlock + 1, 2 * kBlock + 1}) {
    std::vector<double> rows;
    for (int i = 0; i < points; i++)
      rows.insert(rows.end(), {i * 1.0, std::sin(i * 7e-3), std::cos(i * 5e-3) + 2});
    load(make_plot({{"t", kTime}, {"a", kVoltage}, {"b", kVoltage}}, rows));
    for (const std::string &text : chosen_expressions("a", "b", "t")) {
      expect_same(text);
      expect_same(text, points);
    }
    // The last point fails: the run ends there, after every block before it.
    RunOutcome r = expect_same("1/('t'-" + std::to_string(points - 1) + ")");
    EXPECT_EQ(r.points_taken, points);
    EXPECT_FALSE(r.ok);
  }
}

// Block sizes around a plot's point count and around the failing point.
TEST_F(BlockEvaluation, FailuresAtBlockBoundaries) {
  const int points = 40;
  for (int failing : {0, 1, 6, 7, 8, 13, 14, 15, 39}) {
    std::vector<double> rows;
    for (int i = 0; i < points; i++)
      rows.insert(rows.end(), {i * 0.5, i == failing ? 0.0 : i + 1.0});
    load(make_plot({{"t", kTime}, {"y", kVoltage}}, rows));
    for (int block : {1, 6, 7, 8, 39, 40, 41}) {
      for (const char *text : {"1/'y'", "db('y')", "log('y')", "int('t')/'y'", "drv(1/'y')",
                               "drv(drv(log10('y')))", "avg('t')+sqrt('y'-1)"}) {
        RunOutcome r = expect_same(text, block);
        EXPECT_FALSE(r.ok) << text;
      }
    }
  }
}

TEST_F(BlockEvaluation, TheFailingPointAndItsMessage) {
  std::vector<double> rows;
  for (int i = 0; i < 20; i++) rows.insert(rows.end(), {i * 1.0, i == 9 ? 0.0 : 2.0});
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, rows));
  RunOutcome r = expect_same("1/'y'", 4);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.points_taken, 10);
  EXPECT_EQ(r.values.size(), 9u);
  EXPECT_EQ(r.messages, std::vector<std::string>{"Divide by zero"});
  // The derivative reaches the zero one point early, from point 8.
  r = expect_same("drv(1/'y')", 4);
  EXPECT_EQ(r.points_taken, 9);
  EXPECT_EQ(r.messages, std::vector<std::string>{"Divide by zero"});
  // The second block is evaluated point by point, the first and the last at once.
  RunOutcome ok = run("int('y')*drv('y')", 8);
  EXPECT_TRUE(ok.ok);
  BlockRunCounts counts = last_block_run_counts();
  EXPECT_EQ(counts.whole_blocks, 3);
  EXPECT_EQ(counts.point_blocks, 0);
  run("1/'y'", 8);
  counts = last_block_run_counts();
  EXPECT_EQ(counts.whole_blocks, 1);
  EXPECT_EQ(counts.point_blocks, 1);
}

TEST_F(BlockEvaluation, WarningsOnlyFromThePointsBeforeAFailure) {
  // A non-number at point 12 and an infinity at 30; the run fails at 20 in the second case.
  std::vector<double> rows;
  for (int i = 0; i < 40; i++)
    rows.insert(rows.end(), {i * 1.0, i == 12 ? kNan : i == 30 ? -kInf : 1.0, i == 20 ? 0.0 : 1.0});
  load(make_plot({{"t", kTime}, {"y", kVoltage}, {"d", kVoltage}}, rows));
  RunOutcome r = expect_same("'y'+1", 16);
  EXPECT_TRUE(r.ok && r.non_number && r.infinity);
  r = expect_same("'y'/'d'", 16);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.non_number);
  EXPECT_FALSE(r.infinity);   // point 30 was never reached
  r = expect_same("'y'/'d'", 32);
  EXPECT_FALSE(r.infinity);
  // A derivative reads one point beyond its own: point 11 already sees 12.
  r = expect_same("drv('y')+'y'/('t'-11)", 8);
  EXPECT_TRUE(r.non_number);
  r = expect_same("drv('y')+'y'/('t'-10)", 8);
  EXPECT_FALSE(r.non_number);
  expect_same("int('y')+avg('y')+rms('y')", 5);
}

TEST_F(BlockEvaluation, ComplexPlots) {
  std::vector<double> re, im;
  for (int i = 0; i < 50; i++) {
    re.insert(re.end(), {1.0 + i, i == 17 ? 0.0 : std::cos(i * 0.3), i == 33 ? kNan : -0.0});
    im.insert(im.end(), {0.0, i == 17 ? 0.0 : std::sin(i * 0.3), i == 40 ? kInf : -0.0});
  }
  load(make_plot({{"f", kFrequency}, {"v", kVoltage}, {"w", kVoltage}}, re, im));
  for (const char *text : {"'v'", "db('v')", "log('v')", "log10('v')", "1/'v'", "'v'*'w'",
                           "phase('w')", "phase('v')+im('v'/('v'+1))", "drv(im('v'))",
                           "int(re('v'))", "rms('v')", "sqrt('v')+sgn('w')", "'w'/'w'"}) {
    for (int block : {1, 8, 16, 17, 18, 64}) expect_same(text, block);
  }
  // No data is tested in a complex plot: the non-number passes, with no warning.
  RunOutcome r = expect_same("'w'", 8);
  EXPECT_TRUE(r.ok);
  EXPECT_FALSE(r.non_number || r.infinity);
  EXPECT_EQ(r.values[33], bits(kNan));
}

// `variables` variables w0 (time), w1, ...: wide enough, and the rows of a block of points
// and of its derivative halo come from several value blocks.
SamplePlot wide_plot(int variables, int points, bool complex) {
  std::vector<SampleVariable> names;
  for (int v = 0; v < variables; v++)
    names.push_back({"w" + std::to_string(v), v ? kVoltage : kTime});
  std::vector<double> re, im;
  for (int i = 0; i < points; i++)
    for (int v = 0; v < variables; v++) {
      re.push_back(v ? std::sin(i * 0.37 + v) : i * 0.25);
      if (complex) im.push_back(v ? std::cos(i * 0.21 - v) : 0.0);
    }
  return make_plot(names, re, im);
}

const char *const kWideExpressions[] = {
    "'w3276'", "'w1'*'w3275'", "drv('w3000')", "drv(drv('w2'*'w3276'))", "int('w3276')",
    "avg('w5')+rms('w3276')", "db('w3276')", "phase('w3276')", "1/'w7'"};


TEST_F(BlockEvaluation, RowsFromManyValueBlocks) {
  for (bool complex : {false, true}) {
    load(wide_plot(3277, 57, complex));   // 32768 / 3277: 9 rows per value block
    for (const char *text : kWideExpressions)
      for (int block : {1, 7, 9, 10, 512}) expect_same(text, block);
  }
  load(wide_plot(33000, 5, false));   // wider than a value block: a block per row
  for (const char *text : {"'w32999'*'w1'", "drv('w32999')", "int('w32999')"})
    for (int block : {1, 2, 512}) expect_same(text, block);
}

// Cuts the current plot's values into separate blocks of `rows` rows each.
void recut_value_blocks(uint32_t rows) {
  PlotRecord *p = plot_list().current;
  uint32_t width = rows * static_cast<uint32_t>(p->variable_count);
  uint32_t total = static_cast<uint32_t>(p->point_count * p->variable_count);
  uint32_t count = (total + width - 1) / width;
  for (ValueBlock **blocks : {&p->real_blocks, &p->imag_blocks}) {
    if (!*blocks) continue;
    std::vector<double> all;
    for (uint32_t b = 0; b < p->block_count; b++)
      all.insert(all.end(), (*blocks)[b].values, (*blocks)[b].values + (*blocks)[b].count);
    for (uint32_t b = 0; b < p->block_count; b++) free((*blocks)[b].values);
    free(*blocks);
    *blocks = static_cast<ValueBlock *>(calloc(count, sizeof(ValueBlock)));
    for (uint32_t b = 0; b < count; b++) {
      ValueBlock &block = (*blocks)[b];
      block.count = std::min(width, total - b * width);
      block.values = static_cast<double *>(malloc(block.count * sizeof(double)));
      std::copy(all.begin() + b * width, all.begin() + b * width + block.count, block.values);
    }
  }
  p->values_per_block = width;
  p->block_count = count;
}

// Blocks other than the reader cuts them still read right: the rows between two locked ones
// are taken by their stride only when the two lie exactly that far apart.
TEST_F(BlockEvaluation, ValueBlocksOfAnotherSize) {
  for (bool complex : {false, true}) {
    load(wide_plot(3, 30, complex));
    recut_value_blocks(4);
    for (const char *text : {"'w2'", "drv('w1'*'w2')", "int('w2')", "phase('w1')"})
      for (int block : {1, 3, 4, 5, 512}) expect_same(text, block);
    RunOutcome r = run("'w2'", 512);
    ASSERT_EQ(r.values.size(), 30u);
    EXPECT_EQ(r.values[29], bits(std::sin(29 * 0.37 + 2)));
  }
}

TEST_F(BlockEvaluation, ALongExpressionGetsShorterBlocks) {
  std::vector<double> rows;
  for (int i = 0; i < 1000; i++) rows.insert(rows.end(), {i * 1.0, std::sin(i * 0.1)});
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, rows));
  std::string text = "'y'";
  for (int i = 1; i < 2000; i++) text += i % 2 ? "+'y'*2" : "-'t'";
  RunOutcome r = expect_same(text);
  EXPECT_TRUE(r.ok);
  // 5999 tokens: 4 MiB of columns hold 87 points of each.
  BlockRunCounts counts = last_block_run_counts();
  EXPECT_EQ(counts.whole_blocks, 12);
  EXPECT_EQ(counts.point_blocks, 0);
}

TEST_F(BlockEvaluation, EveryNotANumberResultIsTheSameNan) {
  const uint64_t quiet_nan = bits(std::numeric_limits<double>::quiet_NaN());
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, {0, 5}));
  // 0/0 gives the negative default NaN of the processor; fabs makes it positive; their
  // product is one or the other as the compiler orders the operands.
  for (const char *text :
       {"drv('y')", "rms(drv('y'))*avg(drv('y'))", "avg(drv('y'))*rms(drv('y'))"}) {
    RunOutcome r = expect_same(text, 1);
    ASSERT_EQ(r.values.size(), 1u) << text;
    EXPECT_EQ(r.values[0], quiet_nan) << text;
  }
  // A complex plot passes its data through: a negative NaN too becomes the one NaN.
  load(make_plot({{"f", kFrequency}, {"v", kVoltage}}, {1, -kNan, 2, 1}, {0, kNan, 0, 0}));
  RunOutcome r = expect_same("'v'", 2);
  EXPECT_EQ(r.values, (std::vector<uint64_t>{quiet_nan, bits(1)}));
}

TEST_F(BlockEvaluation, NoAbscissaFailsAsThePointPathFails) {
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, {0, 1, 1, 2, 2, 4}));
  for (const char *text : {"int('y')", "drv('y')", "'y'*2"}) {
    std::vector<double> y(3);
    Expression *e = parse_expression(text);
    shown_messages().clear();
    bool blocks = evaluate_run_in_blocks(e, nullptr, y.data(), 2);
    std::vector<ShownMessage> block_messages = shown_messages();
    shown_messages().clear();
    bool points = run_point_by_point(e, nullptr, y.data());
    EXPECT_EQ(blocks, points) << text;
    ASSERT_EQ(block_messages.size(), shown_messages().size()) << text;
    if (!block_messages.empty()) {
      EXPECT_EQ(block_messages[0].text, "Internal error, cant't continue") << text;
    }
    free_expression(e);
  }
}

TEST_F(BlockEvaluation, AnExpressionThatDoesNotFitThePlotFailsAtTheFirstPoint) {
  load(make_plot({{"t", kTime}, {"y", kVoltage}}, {0, 1, 1, 2}));
  Expression *e = new_expression();   // not finalized: parentheses are still in it
  append_token(e, kTokenOpen, nullptr, 0);
  append_token(e, kTokenConstant, "1", 1);
  append_token(e, kTokenClose, nullptr, 0);
  std::vector<double> x(2), y(2);
  build_abscissa(x.data());
  EXPECT_FALSE(evaluate_over_current_plot(e, x.data(), y.data()));
  EXPECT_EQ(current_run().point_counter, 1);
  ASSERT_EQ(shown_messages().size(), 1u);
  EXPECT_EQ(shown_messages()[0].text, "Internal error, cant't continue");
  free_expression(e);
}

}  // namespace
