#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "graph/trace_reduction.h"
#include "raster.h"

namespace {

// A fixed linear congruential generator, so every run sees the same noise.
struct Noise {
  uint32_t state = 12345;
  double next() {   // in [-1, 1)
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / 8388608.0 - 1.0;
  }
};

// A 1200 x 800 window over the 7000 x 4666 logical view with margin 1.
const Mapping kWindow{{-1, -1}, {7002, 4668}, {0, 0}, {1200, 800}};

std::vector<LogicalPoint> noisy_sine_sweep(int n) {
  Noise noise;
  std::vector<LogicalPoint> points(n);
  for (int i = 0; i < n; i++) {
    double t = static_cast<double>(i) / n;
    double y = 2333 + 1500 * std::sin(2 * M_PI * 5 * t) + 400 * noise.next();
    points[i] = {static_cast<int>(t * 7000), static_cast<int>(y)};
  }
  return points;
}

// Also with y running upwards on the device, where the lowest logical y is the highest pixel.
const Mapping kUpwards{{0, 4666}, {7000, -4666}, {0, 0}, {1200, 800}};

TEST(TraceReduction, NoisySineSweepDrawsTheSamePixels) {
  std::vector<LogicalPoint> full = noisy_sine_sweep(200000);
  for (const Mapping &mapping : {kWindow, kUpwards}) {
    DeviceTransform device = device_transform(mapping);
    std::vector<LogicalPoint> reduced =
        reduce_to_pixel_columns(full.data(), full.size(), device);
    // At most four points for each of the 1200 columns: the reduction does reduce.
    EXPECT_LE(reduced.size(), 4u * 1201);
    EXPECT_GT(reduced.size(), 2u * 1200);   // the noise spreads every column
    Pixels full_pixels = rasterise(full, device);
    EXPECT_GT(full_pixels.size(), 100000u);
    EXPECT_EQ(differing_pixels(full_pixels, rasterise(reduced, device)), 0u);
  }
}

// x wanders back and forth, so runs are short and columns are visited many times.
TEST(TraceReduction, WanderingPointsDrawTheSamePixels) {
  DeviceTransform device = device_transform(kWindow);
  Noise noise;
  std::vector<LogicalPoint> full;
  int x = 3000, y = 2000;
  for (int i = 0; i < 50000; i++) {
    x += static_cast<int>(noise.next() * 40);
    y += static_cast<int>(noise.next() * 300);
    full.push_back({x, y});
  }
  std::vector<LogicalPoint> reduced = reduce_to_pixel_columns(full.data(), full.size(), device);
  EXPECT_LT(reduced.size(), full.size());
  EXPECT_EQ(differing_pixels(rasterise(full, device), rasterise(reduced, device)), 0u);
}

struct ReductionRow {
  const char *name;
  std::vector<LogicalPoint> points;
  std::vector<LogicalPoint> kept;
};

// One logical unit per pixel.
const Mapping kIdentity{{0, 0}, {100, 100}, {0, 0}, {100, 100}};

const ReductionRow kRows[] = {
    {"first, lowest, highest, last of a column",
     {{5, 10}, {5, 3}, {5, 20}, {5, 7}, {5, 12}, {6, 8}},
     {{5, 10}, {5, 3}, {5, 20}, {5, 12}, {6, 8}}},
    {"highest before lowest keeps that order",
     {{5, 10}, {5, 30}, {5, 11}, {5, 2}, {5, 9}},
     {{5, 10}, {5, 30}, {5, 2}, {5, 9}}},
    {"the first is the lowest", {{5, 1}, {5, 4}, {5, 9}, {5, 6}, {5, 5}}, {{5, 1}, {5, 9}, {5, 5}}},
    {"the last is the highest", {{5, 4}, {5, 2}, {5, 3}, {5, 8}}, {{5, 4}, {5, 2}, {5, 8}}},
    {"equal extremes keep the first", {{5, 4}, {5, 9}, {5, 9}, {5, 4}, {5, 6}},
     {{5, 4}, {5, 9}, {5, 6}}},
    {"one point per column is kept whole", {{1, 1}, {2, 5}, {3, 2}}, {{1, 1}, {2, 5}, {3, 2}}},
    {"a column left and met again is two runs",
     {{5, 0}, {5, 9}, {5, 4}, {6, 4}, {5, 4}, {5, 1}, {5, 8}, {5, 2}},
     {{5, 0}, {5, 9}, {5, 4}, {6, 4}, {5, 4}, {5, 1}, {5, 8}, {5, 2}}},
    {"a single point", {{7, 7}}, {{7, 7}}},
    {"no point", {}, {}},
};

TEST(TraceReduction, KeepsTheDecidingPointsInOrder) {
  DeviceTransform device = device_transform(kIdentity);
  for (const ReductionRow &row : kRows) {
    std::vector<LogicalPoint> kept =
        reduce_to_pixel_columns(row.points.data(), row.points.size(), device);
    ASSERT_EQ(kept.size(), row.kept.size()) << row.name;
    for (size_t i = 0; i < kept.size(); i++) {
      EXPECT_EQ(kept[i].x, row.kept[i].x) << row.name << " point " << i;
      EXPECT_EQ(kept[i].y, row.kept[i].y) << row.name << " point " << i;
    }
  }
}

// Columns are device columns: at a tenth of a pixel per unit, x 45 .. 54 share column 5.
TEST(TraceReduction, ColumnsAreDevicePixels) {
  DeviceTransform device = device_transform({{0, 0}, {1000, 1000}, {0, 0}, {100, 100}});
  std::vector<LogicalPoint> points = {{45, 500}, {47, 100}, {50, 300}, {52, 900}, {54, 400},
                                      {55, 500}};
  std::vector<LogicalPoint> kept = reduce_to_pixel_columns(points.data(), points.size(), device);
  ASSERT_EQ(kept.size(), 5u);
  EXPECT_EQ(kept[1].x, 47);   // lowest
  EXPECT_EQ(kept[2].x, 52);   // highest
  EXPECT_EQ(kept[3].x, 54);   // last of column 5
  EXPECT_EQ(kept[4].x, 55);   // column 6
}

struct PenRow {
  const char *name;
  Pen pen;
  double scale;
  bool reducible;
};

const PenRow kPenRows[] = {
    {"solid, width 0", {kPenSolid, 0, {}}, 0.1, true},
    {"solid, 14 units at 0.1 is one pixel", {kPenSolid, 14, {}}, 0.1, true},
    {"solid, 15 units at 0.1 is two pixels", {kPenSolid, 15, {}}, 0.1, false},
    {"solid, 2 units at 1", {kPenSolid, 2, {}}, 1.0, false},
    {"dashes follow the path", {kPenDash, 0, {}}, 0.1, false},
    {"dots", {kPenDot, 0, {}}, 0.1, false},
    {"dash-dot", {kPenDashDot, 0, {}}, 0.1, false},
    {"dash-dot-dot", {kPenDashDotDot, 0, {}}, 0.1, false},
};

TEST(TraceReduction, OnlyOnePixelSolidPensAreReduced) {
  for (const PenRow &row : kPenRows) {
    DeviceTransform device{row.scale, row.scale, 0, 0};
    EXPECT_EQ(reducible_pen(row.pen, device), row.reducible) << row.name;
  }
}

}  // namespace
