// What the render tests share: pixels of a cairo image, outside tools run in a scratch folder.
#pragma once

#include <cairo.h>

#include <string>

#include "graph/resources.h"

bool operator==(Colour a, Colour b);
Colour pixel(cairo_surface_t *image, int x, int y);
int count_in_row(cairo_surface_t *image, int y, int from, int to, Colour colour);
int count_in_column(cairo_surface_t *image, int x, int from, int to, Colour colour);

// A fresh folder for one test's files, removed by the destructor.
class Scratch {
 public:
  Scratch();
  ~Scratch();
  std::string path(const std::string &name) const { return dir_ + "/" + name; }

 private:
  std::string dir_;
};

struct ToolRun {
  int status;          // the exit status, -1 when it could not run
  std::string output;  // standard output and error together
};
ToolRun run_tool(const std::string &command);

bool write_file(const std::string &path, const std::string &content);
