// Experimental data files: the line-end check, the values and names, every way a file can be
// damaged (the graph, its ranges and its title untouched after each), and the traces made.
#include <gtest/gtest.h>

#include <cstdio>

#include "base/text.h"
#include "fixture.h"
#include "graph/axis.h"
#include "graph/scaling.h"
#include "resources/resource_ids.h"
#include "traces/experimental.h"

namespace {

// N = 3, M = 2 with the values 0 1 2 / 1 3 4 / 2 5 6, ending right after the last number.
const char kGood[] = "3\r\n2\r\nfirst\r\nsecond\r\n0 1 2\r\n1 3 4\r\n2 5 6";

class ExperimentalTest : public TracesTest {
 protected:
  void SetUp() override {
    TracesTest::SetUp();
    new_graph();
    ASSERT_TRUE(set_data_range(graph, 0, 0.5, 1.5));
    ASSERT_TRUE(set_data_range(graph, 1, 2.0, 3.0));
  }

  int read(const std::string &bytes) {
    std::string file = path + ".dat";
    FILE *f = fopen(file.c_str(), "wb");
    EXPECT_NE(f, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
    int r = read_experimental_data(file.c_str(), graph, title, preferences);
    remove(file.c_str());
    return r;
  }

  void expect_graph_unchanged(const std::string &what) {
    EXPECT_TRUE(traces().empty()) << what;
    EXPECT_EQ(data_range(graph, 0).min, 0.5) << what;
    EXPECT_EQ(data_range(graph, 0).max, 1.5) << what;
    EXPECT_EQ(data_range(graph, 1).min, 2.0) << what;
    EXPECT_EQ(data_range(graph, 1).max, 3.0) << what;
    EXPECT_EQ(title, "graph ") << what;
  }

  std::string title = "graph ";
};

TEST_F(ExperimentalTest, ThreeRowsOfTwoTracesWithAnyLineBreaks) {
  const std::string good = kGood;
  const std::string files[] = {
      good,
      "3\r\n2\r\nfirst\r\nsecond\r\n0 1 2 1 3 4 2 5 6\r\n",
      "3\r\n2\r\n   first\r\nsecond\r\n0\r\n1\t2\r\n1\r\n\r\n3 4 2\t5\r\n6\r\n\r\n",
      "  3  \r\n2\r\n\r\nfirst\r\nsecond\r\n0 1 2\n1 3 4\r2 5 6",
      // Nothing after the last value is read.
      good + "\r\nmeasured on the bench, 3 May\r\n",
      good + "\r\n3 7 8\r\n4 9 10\r\n",
      good + " 7",
      good + "\r\n\x1a",
      good + "\x1a",
      good + "\x1a" "7 x\r\n\xff\xfe",
  };
  for (const std::string &file : files) {
    SCOPED_TRACE(file);
    new_graph();
    ASSERT_TRUE(set_data_range(graph, 0, 0.5, 1.5));
    ASSERT_TRUE(set_data_range(graph, 1, 2.0, 3.0));
    title = "graph ";
    ASSERT_EQ(read(file), kExperimentalDone);
    std::vector<Trace *> t = traces();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0]->legend.text, "first");
    EXPECT_EQ(t[1]->legend.text, "second");
    EXPECT_EQ(x_values(t[0]), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(x_values(t[1]), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(y_values(t[0]), (std::vector<double>{1, 3, 5}));
    EXPECT_EQ(y_values(t[1]), (std::vector<double>{2, 4, 6}));
    EXPECT_NE(t[0]->x_values, t[1]->x_values);   // each trace owns its copy
    for (Trace *trace : t) {
      EXPECT_EQ(trace->kind, 1);
      EXPECT_EQ(trace->symbol_index, 0);
      EXPECT_EQ(trace->line_style, 5);
      EXPECT_EQ(trace->line_weight, 0);
      EXPECT_EQ(trace->plot_index, -1);
      EXPECT_EQ(trace->colour_index, 11);
      EXPECT_TRUE(trace->display_symbols);
    }
    // Widened from the graph's 0.5 .. 1.5 and 2 .. 3.
    EXPECT_EQ(data_range(graph, 0).min, 0.0);
    EXPECT_EQ(data_range(graph, 0).max, 2.0);
    EXPECT_EQ(data_range(graph, 1).min, 1.0);
    EXPECT_EQ(data_range(graph, 1).max, 6.0);
    EXPECT_EQ(title, "graph first second ");
  }
}

TEST_F(ExperimentalTest, DamagedFilesAddNothing) {
  struct Case {
    const char *what;
    std::string bytes;
    int result;
  };
  const Case cases[] = {
      {"line feeds only", "3\n2\nfirst\nsecond\n0 1 2\n1 3 4\n2 5 6\n", kExperimentalReadError},
      {"bare carriage returns", "3\r2\rfirst\rsecond\r0 1 2\r1 3 4\r2 5 6\r", kExperimentalLineEnds},
      {"carriage return then line feed later", "3\r2\r\nfirst\r\nsecond\r\n0 1 2 1 3 4 2 5 6", kExperimentalLineEnds},
      {"carriage return at the end", "1\r\n1\r\na\r\n0 1\r", kExperimentalDone},
      {"empty file", "", kExperimentalReadError},
      {"N zero", "0\r\n2\r\na\r\nb\r\n", kExperimentalReadError},
      {"M zero", "3\r\n0\r\n0 1 2\r\n", kExperimentalReadError},
      {"N negative", "-3\r\n2\r\na\r\nb\r\n0 1 2\r\n", kExperimentalReadError},
      {"N not a whole number", "3.5\r\n2\r\na\r\nb\r\n0 1 2 1 3 4 2 5 6", kExperimentalReadError},
      {"N beyond what the file holds", "999999999\r\n2000000000\r\na\r\n1 2 3", kExperimentalReadError},
      {"a token that is no number", "3\r\n2\r\na\r\nb\r\n0 1 2\r\n1 x 4\r\n2 5 6", kExperimentalReadError},
      {"a number with a tail", "3\r\n2\r\na\r\nb\r\n0 1 2\r\n1 3V 4\r\n2 5 6", kExperimentalReadError},
      {"not a finite number", "3\r\n2\r\na\r\nb\r\n0 1 2\r\n1 nan 4\r\n2 5 inf", kExperimentalReadError},
      {"an overflowing number", "3\r\n2\r\na\r\nb\r\n0 1 2\r\n1 1e999 4\r\n2 5 6", kExperimentalReadError},
      {"a name line missing", "3\r\n2\r\na\r\n0 1 2\r\n1 3 4\r\n2 5 6\r\n", kExperimentalReadError},
      {"a name line missing, values to spare", "3\r\n2\r\na\r\n0 1 2\r\n1 3 4\r\n2 5 6\r\n3 7 8\r\n",
       kExperimentalReadError},
      {"a value short", "3\r\n2\r\na\r\nb\r\n0 1 2\r\n1 3 4\r\n2 5", kExperimentalReadError},
      {"a value short, then a note", "3\r\n2\r\na\r\nb\r\n0 1 2\r\n1 3 4\r\n2 5\r\nend\r\n", kExperimentalReadError},
      {"the end-of-file mark before the last value", "3\r\n2\r\na\r\nb\r\n0 1 2\r\n1 3 4\r\n2 5\x1a 6",
       kExperimentalReadError},
      {"the end-of-file mark among the names", "1\r\n2\r\na\x1a\r\nb\r\n0 1 2", kExperimentalReadError},
      {"names that are numbers, yet no row", "1\r\n2\r\n25\r\n3 4\r\n0 1 2", kExperimentalDone},
      {"no names at all", "3\r\n2\r\n", kExperimentalReadError},
  };
  for (const Case &c : cases) {
    new_graph();
    ASSERT_TRUE(set_data_range(graph, 0, 0.5, 1.5));
    ASSERT_TRUE(set_data_range(graph, 1, 2.0, 3.0));
    title = "graph ";
    EXPECT_EQ(read(c.bytes), c.result) << c.what;
    if (c.result != kExperimentalDone) expect_graph_unchanged(c.what);
  }
  EXPECT_TRUE(ui.messages.empty());   // the caller tells the result
}

TEST_F(ExperimentalTest, TruncatedAtEveryByte) {
  const std::string good = kGood;
  for (size_t n = 0; n < good.size(); n++) {
    std::string cut = good.substr(0, n);
    int r = read(cut);
    // Up to the first line end the file has no line feed after its carriage return yet.
    EXPECT_EQ(r, n == 2 ? kExperimentalLineEnds : kExperimentalReadError) << n;
    expect_graph_unchanged("cut at " + std::to_string(n));
  }
  EXPECT_EQ(read(good), kExperimentalDone);
}

TEST_F(ExperimentalTest, NamesKeepTheirLineAndNoMore) {
  std::string long_name(300, 'n');
  std::string file = "2\r\n2\r\n\t  lead\r\n" + long_name + "\r\n0 1 2 3 4 5";
  ASSERT_EQ(read(file), kExperimentalDone);
  std::vector<Trace *> t = traces();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0]->legend.text, "lead");
  EXPECT_EQ(t[1]->legend.text, std::string(253, 'n'));   // the rest of the line goes with it
  EXPECT_EQ(y_values(t[1]), (std::vector<double>{2, 5}));
  // The window title holds at most 255 characters.
  EXPECT_EQ(title.size(), 255u);
  EXPECT_EQ(title.substr(0, 12), "graph lead n");
}

TEST_F(ExperimentalTest, AMissingFileIsToldHere) {
  std::string missing = path + ".none";
  EXPECT_EQ(read_experimental_data(missing.c_str(), graph, title, preferences), kExperimentalDone);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Can't open the file '" + missing + "'");
  EXPECT_EQ(ui.messages[0].flags, kMbIconExclamation);
  EXPECT_EQ(ui.messages[0].owner, owner);
  expect_graph_unchanged("missing file");
}

TEST(ExperimentalMessages, OnePerResult) {
  EXPECT_EQ(experimental_message_id(kExperimentalDone), 0);
  EXPECT_EQ(load_text(experimental_message_id(kExperimentalNoMemory)), "Not enough memory to load file.");
  EXPECT_EQ(load_text(experimental_message_id(kExperimentalReadError)), "Error reading experimental data.");
  EXPECT_EQ(load_text(experimental_message_id(kExperimentalLineEnds)),
            "Incorrect ASCII file format (probably Mac or Unix format)");
}

}  // namespace
