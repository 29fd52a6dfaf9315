#include "graph/graph.h"
#include "shell/settings.h"
#include "dialogs_fixture.h"

#include <cstring>

#include "graph/resources.h"

LogicalFont listed_face(const char *name, int32_t height, int32_t escapement, uint8_t char_set) {
  LogicalFont font;
  memset(&font, 0, sizeof font);
  font.height = height;
  font.width = height / 2;
  font.escapement = font.orientation = escapement;
  font.weight = 400;
  font.strike_out = 1;
  font.char_set = char_set;
  font.out_precision = 4;
  font.clip_precision = 2;
  font.quality = 1;
  font.pitch_and_family = 0x22;
  strncpy(font.face_name, name, sizeof font.face_name - 1);
  return font;
}

GraphPreferences shipped_preferences() { return default_graph_preferences(); }

void DialogTest::SetUp() {
  create_graph_resources({212, 208, 200}, nullptr);
  font_list_append(fonts, listed_face("Arial", -11, 0, 0));
  font_list_append(fonts, listed_face("Times New Roman", -12, 0, 1));
  font_list_append(fonts, listed_face("Courier New", -13, 450, 238));
  font_list_append(fonts, listed_face("arial", -14, 0, 2));
}

void DialogTest::TearDown() {
  destroy_graph(graph);
  destroy_graph_resources();
  font_list_free(fonts);
}

Graph *DialogTest::make_graph(int x_base, int y_base) {
  graph = create_graph(nullptr, "Time", "s", "V", x_base, y_base, shipped_preferences());
  return graph;
}

Trace *DialogTest::add_test_trace(const char *legend) {
  const int n = 4;
  double *x = new double[n]{0.1, 0.2, 0.3, 0.4};
  double *y = new double[n]{1, 2, 3, 4};
  return add_trace(graph, 0, 3, 1, 2, legend, n, 0, x, y, shipped_preferences());
}
