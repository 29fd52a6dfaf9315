#include "graphfile_fixture.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <sstream>

#include "base/cformat.h"
#include "data/load.h"
#include "data/plot_model.h"
#include "graph/headless.h"
#include "graph/recording_canvas.h"
#include "graphfile/save.h"

LogicalFont listed_font(const char *face) {
  LogicalFont f{};
  f.height = -16;
  f.width = 7;
  f.weight = 400;
  strncpy(f.face_name, face, kFaceNameSize - 1);
  return f;
}

void GraphFileTest::SetUp() {
  TracesTest::SetUp();
  for (const char *face : {"Arial", "Times New Roman", "Courier New"})
    font_list_append(fonts, listed_font(face));
  graph_path = path + ".upg";
  FILE *f = fopen(graph_path.c_str(), "w");
  if (f) fclose(f);
  hooks.file_readable = [](const std::string &p) {
    FILE *file = fopen(p.c_str(), "rb");
    if (file) fclose(file);
    return file != nullptr;
  };
  hooks.browse_data_file = [this](std::string &p) {
    if (browse_answer) p = browse_path;
    return browse_answer;
  };
  hooks.load_data_file = [this](const std::string &p) {
    loaded_paths.push_back(p);
    return load_data_file(p.c_str());
  };
  hooks.choose_plot = [this] {
    choose_calls++;
    select_plot(chosen_plot, false);
  };
  hooks.fonts = &fonts;
  hooks.owner = nullptr;
}

void GraphFileTest::TearDown() {
  destroy_graph(loaded.graph);
  loaded.graph = nullptr;
  font_list_free(fonts);
  remove(graph_path.c_str());
  TracesTest::TearDown();
}

std::string GraphFileTest::save_text(const Graph &g, const std::string &data_file) {
  IniStore store;
  ProfileFunctions file = store.functions();
  EXPECT_TRUE(save_graph(g, data_file.empty() ? path : data_file, file));
  return store.text();
}

LoadedGraph &GraphFileTest::load_text(const std::string &text, const std::string &at) {
  destroy_graph(loaded.graph);
  IniStore store;
  store.parse(text);
  loaded = load_graph(store.functions(), at.empty() ? graph_path : at, hooks, preferences);
  return loaded;
}

namespace {

std::string describe(const DrawRecord &r) {
  std::ostringstream s;
  s << static_cast<int>(r.op);
  for (const LogicalPoint &p : r.points) s << " (" << p.x << "," << p.y << ")";
  s << " [" << r.rect.left << "," << r.rect.top << "," << r.rect.right << "," << r.rect.bottom << "]";
  s << " '" << r.text << "'";
  s << " pen " << r.pen.style << "/" << r.pen.width << "/" << int(r.pen.colour.red) << "."
    << int(r.pen.colour.green) << "." << int(r.pen.colour.blue);
  s << " brush " << r.brush.hollow << "/" << int(r.brush.colour.red) << "." << int(r.brush.colour.green)
    << "." << int(r.brush.colour.blue);
  s << " font " << r.font.face_name << "/" << r.font.height << "/" << r.font.weight << "/"
    << int(r.font.italic) << "/" << r.font.escapement;
  s << " map " << r.mapping.window_extent.width << "x" << r.mapping.window_extent.height << "@"
    << r.mapping.viewport_extent.width << "x" << r.mapping.viewport_extent.height;
  s << " align " << r.align << " rop " << r.raster_op;
  return s.str();
}

}  // namespace

std::vector<std::string> GraphFileTest::picture(Graph *g) {
  RecordingCanvas canvas;
  draw_window_picture(g, canvas, {{700, 500}, 96, nullptr}, {0, 0, 0}, false);
  std::vector<std::string> lines;
  // What is drawn, each with the state in force; the state changes and measurements that
  // lead there may differ with fonts that draw the same (a listed face's enumerated height).
  for (const DrawRecord &r : canvas.records())
    if (r.op >= DrawOp::kMoveTo && r.op != DrawOp::kTextExtent) lines.push_back(describe(r));
  return lines;
}
