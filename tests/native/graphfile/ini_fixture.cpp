// The fixture's saves and loads through the native store.
#include "graphfile/ini/ini_store.h"
#include "graphfile/save.h"
#include "graphfile_fixture.h"

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

