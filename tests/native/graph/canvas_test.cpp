#include <gtest/gtest.h>

#include "canvas/canvas.h"

namespace {

struct MappingRow {
  const char *name;
  Mapping mapping;
  LogicalPoint logical;
  LogicalPoint device;
};

// Window view of a 700 x 500 client: logical 7000 x 5000 with margin 1, so the window is
// (-1, -1) + (7002, 5002); the scale is min(700 / 7002, 500 / 5002) = 0.0999714...
const Mapping kWindowView{{-1, -1}, {7002, 5002}, {0, 0}, {700, 500}};
// A client twice as wide as the page's shape: the height decides and the width is shrunk.
const Mapping kWide{{0, 0}, {7000, 5000}, {0, 0}, {1400, 500}};

const MappingRow kRows[] = {
    {"origin of the window", kWindowView, {-1, -1}, {0, 0}},
    {"logical origin", kWindowView, {0, 0}, {0, 0}},            // 0.09997 rounds to 0
    {"far corner", kWindowView, {7000, 5000}, {700, 500}},      // 700.0 and 500.0 (5001 * 0.09997 = 499.96)
    {"middle", kWindowView, {3500, 2500}, {350, 250}},
    {"height decides", kWide, {7000, 5000}, {700, 500}},        // scale 0.1, not 0.2
    {"viewport origin moves", {{0, 0}, {100, 100}, {10, 20}, {100, 100}}, {5, 5}, {15, 25}},
    {"y runs backwards", {{0, 0}, {100, -100}, {0, 0}, {100, 100}}, {10, 10}, {10, -10}},
    {"half rounds away", {{0, 0}, {2, 2}, {0, 0}, {1, 1}}, {1, -1}, {1, -1}},
    {"empty window maps to the origin", {{0, 0}, {0, 0}, {3, 4}, {100, 100}}, {50, 50}, {3, 4}},
};

TEST(DeviceTransform, IsotropicLikeThePlatform) {
  for (const MappingRow &row : kRows) {
    LogicalPoint d = to_device(device_transform(row.mapping), row.logical);
    EXPECT_EQ(d.x, row.device.x) << row.name;
    EXPECT_EQ(d.y, row.device.y) << row.name;
  }
}

}  // namespace
