// The plain and the normalised FFT plot of a trace, and the graph of a spectrum window.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "graph/axis.h"
#include "graph/resources.h"
#include "graph/graph.h"
#include "graph/scaling.h"
#include "shell/settings.h"
#include "spectrum/fft_plot.h"
#include "spectrum/sample_count.h"

namespace {

const double kTwoPi = 8.0 * atan(1.0);

struct Signal {
  std::vector<double> x, y;
  FftTraceChoice choice(int32_t samples) const {
    return {"v(out)", "V", static_cast<int32_t>(x.size()), samples, x.data(), y.data()};
  }
};

// n points over [0, span) evenly, y = f(t).
template <typename F>
Signal sampled(int32_t n, double span, F f) {
  Signal s;
  for (int32_t i = 0; i < n; i++) {
    s.x.push_back(span * i / n);
    s.y.push_back(f(s.x.back()));
  }
  return s;
}

TEST(NormalizedFft, SineOnABinShowsItsAmplitude) {
  for (int32_t m : {64, 1000, 4096}) {
    // A trace of exactly m points, so that no interpolation blurs the tone.
    Signal s = sampled(m, 2.0, [](double t) { return 1.5 * sin(kTwoPi * 5 * t / 2.0 + 0.2); });
    Spectrum out;
    ASSERT_EQ(normalized_fft_spectrum(s.choice(m), out), kFftOk);
    ASSERT_EQ(out.count, m / 2 + 1) << m;
    EXPECT_NEAR(out.magnitude[5], 1.5, 1e-9) << m;
    EXPECT_NEAR(out.magnitude[4], 0, 1e-9);
    // m samples 2/m apart: bin k at k/2 Hz, the tone's 2.5 Hz on bin 5, DC at 0.
    for (int32_t k : {0, 5, m / 2}) EXPECT_NEAR(out.frequency[k], k / 2.0, 1e-12 * m);
  }
}

TEST(NormalizedFft, ThousandSamplesGiveFiveHundredOnePointsAndADoubledDc) {
  Signal s = sampled(1000, 1.0, [](double) { return 0.25; });
  Spectrum out;
  ASSERT_EQ(normalized_fft_spectrum(s.choice(1000), out), kFftOk);
  EXPECT_EQ(out.count, 501);
  EXPECT_NEAR(out.magnitude[0], 0.5, 1e-12);   // the DC term doubled too, plotted at 1/T
  EXPECT_EQ(out.frequency[0], 0);
  EXPECT_NEAR(out.frequency[1], 1.0, 1e-12);   // 1000 samples 1 ms apart
  EXPECT_NEAR(out.frequency[500], 500.0, 1e-9);
}

TEST(NormalizedFft, LinearInTheTrace) {
  Signal a = sampled(512, 1.0, [](double t) { return sin(kTwoPi * 3 * t) + 0.1 * t; });
  Signal b = a;
  for (double &v : b.y) v *= -4;
  Spectrum sa, sb;
  normalized_fft_spectrum(a.choice(512), sa);
  normalized_fft_spectrum(b.choice(512), sb);
  for (int32_t k = 0; k < sa.count; k++) EXPECT_NEAR(sb.magnitude[k], 4 * sa.magnitude[k], 1e-9);
}

// A constant through the three-term window: bin 1 holds M'/2 / 1.05307 from the cosine term,
// bin 2 0.238 of that, every further bin nothing. The DC bin is not plotted.
TEST(PlainFft, WindowedConstantAndPointCount) {
  Signal s = sampled(1000, 4.0, [](double) { return 1.0; });
  Spectrum out;
  ASSERT_EQ(plain_fft_spectrum(s.choice(1000), out), kFftOk);
  EXPECT_EQ(out.count, 255);   // 1000 samples cut to 512
  EXPECT_NEAR(out.magnitude[0], 256 / 1.05307, 1e-9);
  EXPECT_NEAR(out.magnitude[1], 0.238 * 256 / 1.05307, 1e-9);
  for (int32_t k = 2; k < out.count; k++) EXPECT_NEAR(out.magnitude[k], 0, 1e-9) << k;
  // 512 of the samples, 4 ms apart: bins 1/(512 * 4 ms) apart, bin 1 first.
  EXPECT_NEAR(out.frequency[0], 1 / 2.048, 1e-12);
  EXPECT_NEAR(out.frequency[254], 255 / 2.048, 1e-9);
}

// Cut from 1000 to 512 samples, a 10 Hz tone still peaks within a bin of 10 Hz: the bins
// are spaced by the samples transformed, not by the whole trace's span.
TEST(PlainFft, ToneStaysAtItsFrequencyWhenSamplesAreCut) {
  Signal s = sampled(1000, 1.0, [](double t) { return sin(kTwoPi * 10 * t); });
  for (int32_t samples : {1000, 1024, 4096}) {
    Spectrum out;
    ASSERT_EQ(plain_fft_spectrum(s.choice(samples), out), kFftOk);
    int32_t peak = 0;
    for (int32_t k = 1; k < out.count; k++)
      if (out.magnitude[k] > out.magnitude[peak]) peak = k;
    double bin = out.frequency[1] - out.frequency[0];
    EXPECT_NEAR(out.frequency[peak], 10.0, bin) << samples;
  }
}

TEST(PlainFft, UnscaledToneOfTheWindowedSignal) {
  // A tone on bin 8 of 256 samples: the window's centre term 0.762 gives 0.762 M/2 A / 1.05307.
  Signal s = sampled(256, 1.0, [](double t) { return 2.0 * cos(kTwoPi * 8 * t); });
  Spectrum out;
  ASSERT_EQ(plain_fft_spectrum(s.choice(256), out), kFftOk);
  EXPECT_NEAR(out.magnitude[7], 0.762 * 128 * 2.0 / 1.05307, 1e-9);
}

TEST(FftPlots, TracesWithoutASpectrum) {
  Signal flat{{1, 1, 1, 1}, {0, 1, 2, 3}};
  Signal two{{0, 1}, {1, 2}};
  Spectrum out;
  EXPECT_EQ(normalized_fft_spectrum(flat.choice(4), out), kFftNoSpan);
  EXPECT_EQ(plain_fft_spectrum(flat.choice(4), out), kFftNoSpan);
  EXPECT_EQ(plain_fft_spectrum(two.choice(2), out), kFftTooFewSamples);
  EXPECT_EQ(normalized_fft_spectrum(two.choice(2), out), kFftOk);
  EXPECT_EQ(out.count, 2);
}

class FftGraphTest : public ::testing::Test {
 protected:
  void SetUp() override { create_graph_resources({212, 208, 200}, nullptr); }
  void TearDown() override {
    destroy_graph(source);
    destroy_graph(spectrum_graph);
    destroy_graph_resources();
  }
  GraphPreferences preferences = default_graph_preferences();
  Graph *source = nullptr, *spectrum_graph = nullptr;
};

TEST_F(FftGraphTest, EveryTraceIsOfferedAndItsSpectrumGetsAGraph) {
  source = create_graph(nullptr, "TIME", "sec", "V", 1, 1, preferences);
  for (const char *name : {"v(in)", "v(out)"}) {
    double *x = new double[1000], *y = new double[1000];
    for (int i = 0; i < 1000; i++) {
      x[i] = i * 1e-3;
      y[i] = sin(kTwoPi * 50 * x[i]);
    }
    ASSERT_TRUE(add_trace(source, 0, 0, 0, 0, name, 1000, 0, x, y, preferences));
  }
  std::vector<FftTraceChoice> choices = fft_trace_choices(source);
  ASSERT_EQ(choices.size(), 2u);
  EXPECT_EQ(choices[1].name, "v(out)");
  EXPECT_EQ(choices[1].y_unit, "V");
  EXPECT_EQ(choices[1].points, 1000);
  EXPECT_EQ(choices[1].samples, 1024);

  Spectrum out;
  ASSERT_EQ(normalized_fft_spectrum(choices[1], out), kFftOk);
  double first = out.frequency[0], last = out.frequency[out.count - 1];
  spectrum_graph = create_fft_graph(nullptr, choices[1], out, preferences);
  ASSERT_TRUE(spectrum_graph);
  EXPECT_FALSE(out.frequency);   // the trace took the arrays
  EXPECT_EQ(fft_title(choices[1].name), "FFT(v(out))");
  EXPECT_EQ(title_text(spectrum_graph, 0), "FREQ");
  EXPECT_EQ(title_unit(spectrum_graph, 0), "Hz");
  EXPECT_EQ(title_unit(spectrum_graph, 1), "V");
  const Trace *t = spectrum_graph->head->next;
  ASSERT_TRUE(t);
  EXPECT_EQ(t->legend.text, "FFT(v(out))");
  EXPECT_EQ(t->point_count, 513);
  EXPECT_EQ(t->plot_index, 0);
  EXPECT_EQ(t->line_style, 0);
  DataRange x = data_range(spectrum_graph, 0);
  EXPECT_EQ(x.min, first);
  EXPECT_EQ(x.max, last);
  DataRange y = data_range(spectrum_graph, 1);
  double peak = 0;
  for (int i = 0; i < t->point_count; i++) peak = std::max(peak, t->y_values[i]);
  EXPECT_EQ(y.max, peak);
}

// The DC term stands at 0 Hz; a logarithmic frequency axis starts at the first bin instead.
TEST_F(FftGraphTest, SpectraTurnLogarithmicKeepingTheirDcTerm) {
  Signal tone = sampled(1000, 1.0, [](double t) { return 0.5 + sin(kTwoPi * 50 * t); });
  struct Row {
    const char *name;
    FftPlotStatus (*spectrum)(const FftTraceChoice &, Spectrum &);
    double first;   // Hz
  } rows[] = {{"normalised", normalized_fft_spectrum, 0}, {"plain", plain_fft_spectrum, 1000.0 / 512}};
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    Spectrum out;
    // The trace's own 1000 points 1 ms apart: bins 1 Hz apart, 1000/512 Hz when cut to 512.
    ASSERT_EQ(row.spectrum(tone.choice(1000), out), kFftOk);
    destroy_graph(spectrum_graph);
    spectrum_graph = create_fft_graph(nullptr, tone.choice(1000), out, preferences);
    ASSERT_TRUE(spectrum_graph);
    const Trace *t = spectrum_graph->head->next;
    EXPECT_TRUE(t->spectrum);
    EXPECT_DOUBLE_EQ(t->x_values[0], row.first);
    ASSERT_TRUE(set_axis_base(spectrum_graph, 0, 10));
    EXPECT_EQ(spectrum_graph->axes[0].min, 0);   // 1 Hz
    EXPECT_EQ(spectrum_graph->axes[0].max, 3);   // up to 500 Hz
    EXPECT_DOUBLE_EQ(data_range(spectrum_graph, 0).min, row.first);
    EXPECT_DOUBLE_EQ(t->x_values[0], row.first);
  }
}

}  // namespace
