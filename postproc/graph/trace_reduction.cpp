// Per-column reduction of a sweep.
//
// Device y only grows or only falls with logical y, so the lowest and highest logical y of a
// run are its device extremes too (which is which does not matter: both are kept, in order),
// and only x needs the device transform.
#include "trace_reduction.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

#include "../canvas/round.h"

bool ColumnReducer::add_at_new_x(size_t index, LogicalPoint point, std::vector<size_t> &kept) {
  int column = to_device(device_, {point.x, 0}).x;
  cached_x_ = point.x;
  if (running_ && column == column_) {
    add_in_column(index, point.y);
    return false;
  }
  finish(kept);
  running_ = true;
  column_ = column;
  first_ = last_ = index;
  lowest_ = highest_ = {index, point.y};
  return true;
}

void ColumnReducer::finish(std::vector<size_t> &kept) {
  if (!running_) return;
  size_t chosen[4] = {first_, lowest_.index, highest_.index, last_};
  if (chosen[2] < chosen[1]) std::swap(chosen[1], chosen[2]);
  for (int i = 0; i < 4; i++)
    if (i == 0 || chosen[i] != chosen[i - 1]) kept.push_back(chosen[i]);
  running_ = false;
}

std::vector<LogicalPoint> reduce_to_pixel_columns(const LogicalPoint *points, size_t count,
                                                  const DeviceTransform &device) {
  std::vector<size_t> kept;
  ColumnReducer reducer(device);
  for (size_t i = 0; i < count; i++) reducer.add(i, points[i], kept);
  reducer.finish(kept);
  std::vector<LogicalPoint> result;
  result.reserve(kept.size());
  for (size_t i : kept) result.push_back(points[i]);
  return result;
}

bool reducible_pen(const Pen &pen, const DeviceTransform &device) {
  if (pen.style != kPenSolid) return false;
  return round_half_away(pen.width * std::fabs(device.scale_x)) <= 1.0;
}

namespace {

// Doubles as integers in the same order, one step per representable value, so that a search
// can halve the distance between two doubles; key(-v) is -key(v).
int64_t order_key(double v) {
  int64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits < 0 ? std::numeric_limits<int64_t>::min() - bits : bits;
}

double from_key(int64_t key) {
  int64_t bits = key < 0 ? std::numeric_limits<int64_t>::min() - key : key;
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

const double kInfinity = std::numeric_limits<double>::infinity();

// Keys span more than an int64 difference holds; distances between them are unsigned.
uint64_t distance(int64_t from, int64_t to) { return static_cast<uint64_t>(to) - static_cast<uint64_t>(from); }
int64_t advance(int64_t from, uint64_t by) { return static_cast<int64_t>(static_cast<uint64_t>(from) + by); }

// The highest key of the run of keys, starting at `inside`, for which `in` holds (`in` is a
// monotone predicate: true up to some key, false above it). The search starts from `guess`
// when it lies above `inside`: gallops away from it, then halves the gap.
template <typename In>
int64_t last_key_in(const In &in, int64_t inside, int64_t guess) {
  const int64_t limit = order_key(kInfinity);
  int64_t low = inside, high;
  int64_t start = guess > inside && guess <= limit ? guess : inside;
  if (in(start)) {
    low = start;
    for (uint64_t step = 1;; step *= 2) {
      if (low == limit) return limit;
      int64_t probe = distance(low, limit) <= step ? limit : advance(low, step);
      if (!in(probe)) {
        high = probe;
        break;
      }
      low = probe;
    }
  } else {
    high = start;
    for (uint64_t step = 1;; step *= 2) {
      int64_t probe = distance(inside, high) <= step ? inside : advance(high, -step);
      if (in(probe)) {
        low = probe;
        break;
      }
      high = probe;
    }
  }
  while (distance(low, high) > 1) {
    int64_t middle = advance(low, distance(low, high) / 2);
    (in(middle) ? low : high) = middle;
  }
  return low;
}

// The logical x range of one device column, walked from a member; at most `kWalk` steps each
// way, since a column may be wide in logical units (none is on the screen or a printer).
struct LogicalColumn {
  int low, high;
};

LogicalColumn logical_column(const DeviceTransform &device, int member) {
  const int kWalk = 64;
  auto column = [&](int x) { return to_device(device, {x, 0}).x; };
  int c = column(member), low = member, high = member;
  for (int i = 0; i < kWalk && high < kCoordinateLimit && column(high + 1) == c; i++) high++;
  for (int i = 0; i < kWalk && low > -kCoordinateLimit && column(low - 1) == c; i++) low--;
  return {low, high};
}

}  // namespace

namespace {

// Every value that `land` (monotone) takes where it takes `value`, searched from the two values
// the inverse mapping gives for the edges, which are within a few steps of them unless the
// axis arithmetic loses digits.
template <typename Land>
ValueRange values_landing_with(const Land &land, double value, double edge_a, double edge_b) {
  auto place = land(value);
  bool guessed = !std::isnan(edge_a) && !std::isnan(edge_b);
  double guess_high = guessed ? std::max(edge_a, edge_b) : value;
  double guess_low = guessed ? std::min(edge_a, edge_b) : value;
  int64_t inside = order_key(value);
  int64_t high = last_key_in([&](int64_t k) { return land(from_key(k)) == place; }, inside, order_key(guess_high));
  // The low edge is the high edge of the mirrored values.
  int64_t low = -last_key_in([&](int64_t k) { return land(from_key(-k)) == place; }, -inside, -order_key(guess_low));
  return {from_key(low), from_key(high)};
}

}  // namespace

ValueRange column_values(const AxisToLogical &axis, const DeviceTransform &device, double value) {
  LogicalColumn logical = logical_column(device, axis(value));
  return values_landing_with([&](double v) { return to_device(device, {axis(v), 0}).x; }, value,
                             axis.value_at(logical.low - 0.5), axis.value_at(logical.high + 0.5));
}

ValueRange coordinate_values(const AxisToLogical &axis, double value) {
  int coordinate = axis(value);
  return values_landing_with(axis, value, axis.value_at(coordinate - 0.5), axis.value_at(coordinate + 0.5));
}
