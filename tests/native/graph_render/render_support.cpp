#include "render_support.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

bool operator==(Colour a, Colour b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }

Colour pixel(cairo_surface_t *image, int x, int y) {
  cairo_surface_flush(image);
  const unsigned char *row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
  uint32_t v = reinterpret_cast<const uint32_t *>(row)[x];
  return {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
}

int count_in_row(cairo_surface_t *image, int y, int from, int to, Colour colour) {
  int n = 0;
  for (int x = from; x < to; x++) n += pixel(image, x, y) == colour;
  return n;
}

int count_in_column(cairo_surface_t *image, int x, int from, int to, Colour colour) {
  int n = 0;
  for (int y = from; y < to; y++) n += pixel(image, x, y) == colour;
  return n;
}

Scratch::Scratch() {
  char pattern[] = "/tmp/graph-render-XXXXXX";
  const char *made = mkdtemp(pattern);
  dir_ = made ? made : "/tmp";
}

Scratch::~Scratch() {
  std::error_code ignored;
  if (dir_ != "/tmp") std::filesystem::remove_all(dir_, ignored);
}

ToolRun run_tool(const std::string &command) {
  ToolRun run{-1, ""};
  FILE *pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

bool write_file(const std::string &path, const std::string &content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
  return static_cast<bool>(out);
}

namespace {

// cairo and fontconfig keep their font caches for the life of the process; emptied at the
// end, the leak checker of the sanitizer build sees only what the tests themselves leave.
class FontCaches : public ::testing::Environment {
 public:
  void TearDown() override {
    cairo_debug_reset_static_data();
    FcFini();
  }
};

const ::testing::Environment *const kFontCaches = ::testing::AddGlobalTestEnvironment(new FontCaches);

}  // namespace
