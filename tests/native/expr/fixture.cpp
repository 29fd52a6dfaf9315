#include "fixture.h"

#include <cstdio>
#include <unistd.h>

#include "base/cformat.h"
#include "data/load.h"
#include "data/plot_list.h"
#include "data/plot_model.h"
#include "expr/evaluate.h"

namespace {

int file_number = 0;

}  // namespace

SamplePlot make_plot(const std::vector<SampleVariable> &variables, const std::vector<double> &real,
                     const std::vector<double> &imag) {
  SamplePlot p;
  p.circuit_title = "expression test";
  p.simulation_date = "today";
  p.plot_name = "Test Plot";
  p.number_type = imag.empty() ? 4 : 8;
  p.plot_kind = 1;
  p.variables = variables;
  p.point_count = static_cast<int32_t>(real.size() / variables.size());
  p.real = real;
  p.imag = imag;
  return p;
}

void ExprTest::SetUp() {
  clear_evaluation_warnings();
  reset_plot_list();
}

void ExprTest::TearDown() { clear_plot_list(); }

void ExprTest::load(const std::vector<SamplePlot> &plots) {
  std::string path = ::testing::TempDir() + "expr_test_" + std::to_string(getpid()) + "_" +
                     std::to_string(file_number++) + ".out";
  ASSERT_TRUE(write_result_file(path, plots, kSampleWide));
  ASSERT_TRUE(load_data_file(path.c_str()));
  remove(path.c_str());
  shown_messages().clear();
}

std::vector<double> ExprTest::values(const char *text, bool *ok) {
  Expression *e = parse_expression(text);
  EXPECT_NE(e, nullptr) << text;
  if (!e) return {};
  std::vector<double> x(static_cast<size_t>(point_count())), y(x.size());
  build_abscissa(x.data());
  bool run_ok = evaluate_over_current_plot(e, x.data(), y.data());
  if (ok) *ok = run_ok;
  free_expression(e);
  return run_ok ? y : std::vector<double>{};
}

std::string ExprTest::postfix(const Expression *e) {
  std::string out;
  for (int32_t i = 0; i < e->token_count; i++) {
    const Token &t = e->tokens[i];
    if (!out.empty()) out += ' ';
    if (t.code >= 0)
      out += t.name ? t.name : c_format("#%d", t.code);
    else if (t.code == kTokenConstant)
      out += c_format("%g", t.value);
    else if (t.code == kTokenDerivativeArgument)
      out += "D[" + postfix(t.derivative_argument) + "]";
    else
      out += function_text(t.code);
  }
  return out;
}
