// The manual range rule, on numbers: what the Format Axis dialog's OK and a graph file's
// stored range are both held to.
#include "graph/axis_range_check.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"

namespace {

TEST(AxisRangeCheck, EachRefusalAndWhatPasses) {
  const struct {
    const char *name;
    bool logarithmic;
    bool automatic[3];
    double values[3];   // min, max, increment
    int message;
  } rows[] = {
      {"a plain range", false, {false, false, false}, {0, 10, 2}, 0},
      {"shorter than 1e-12 of its ends", false, {false, false, true}, {1, 1 + 1e-13, 0}, IDS_AXIS_TOO_SHORT},
      {"short against max when min is 0", false, {false, false, true}, {0, 1e-300, 0}, 0},
      {"max below min", false, {false, false, true}, {5, 4, 0}, IDS_MAX_NOT_ABOVE_MIN},
      {"automatic max above a manual min", false, {false, true, true}, {5, 0, 0}, IDS_MAX_NOT_ABOVE_MIN},
      {"zero increment", false, {false, false, false}, {0, 10, 0}, IDS_INCREMENT_NOT_POSITIVE},
      {"negative increment", false, {false, false, false}, {0, 10, -1}, IDS_INCREMENT_NOT_POSITIVE},
      {"increment beyond the range", false, {false, false, false}, {0, 10, 11}, IDS_INCREMENT_EXCEEDS_RANGE},
      {"automatic increment is never refused", false, {false, false, true}, {0, 10, -5}, 0},
      {"logarithmic: equal ends", true, {false, false, true}, {10, 10, 0}, IDS_MAX_NOT_ABOVE_MIN},
      {"logarithmic: no length rule, no increment rule", true, {false, false, false}, {1, 1 + 1e-13, -1}, 0},
  };
  for (const auto &r : rows) EXPECT_EQ(check_axis_range(r.logarithmic, r.automatic, r.values), r.message) << r.name;
}

}  // namespace
