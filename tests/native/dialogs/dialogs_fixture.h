// What the format dialog tests share: the graph resources, a graph with the shipped fonts, a
// font list of four faces, and the recording user interface.
#pragma once

#include <gtest/gtest.h>

#include "base/font_list.h"
#include "graph/graph.h"
#include "support/fake_ui.h"

// A description that differs from face to face in every field the dialogs must carry over.
LogicalFont listed_face(const char *name, int32_t height, int32_t escapement, uint8_t char_set);

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A graph titled "Time" in s over "V"; both axes linear unless asked.
  Graph *make_graph(int x_base = 1, int y_base = 1);
  // A trace of four points at 1, 2, 3, 4 over 0.1 ... 0.4.
  Trace *add_test_trace(const char *legend);

  FakeUi ui;
  Graph *graph = nullptr;
  // "Arial", "Times New Roman", "Courier New", "arial", in this order.
  FontList fonts{nullptr, 0, 0};
};

// Preferences as shipped: Times New Roman 20-point titles, Arial 18-point labels, legends in
// Times New Roman 18, one digit, three tic marks.
GraphPreferences shipped_preferences();
