// The fifteen physical units of the result file, by unit index.
#pragma once

#include <string>

const int kUnitCount = 15;
const int kUnitNone = 14;

// A unit's internal dimension code: products of the codes of its factors (power = voltage x
// current = 10 x 11 = 110); 1 is "none" and 0 means no unit is known.
struct Unit {
  const char *name;
  int symbol_id;   // string id of the symbol
  int dimension;
};

// The unit with this index, or null outside 0..14.
const Unit *unit_at(int unit_index);

std::string unit_name(int unit_index);
std::string unit_symbol(int unit_index);
// The symbol of the unit with exactly this (case-sensitive) name; empty when there is none.
std::string unit_symbol_for_name(const std::string &name);
// The dimension of the unit with exactly this name; 0 when there is none.
int dimension_for_unit_name(const std::string &name);
// The dimension of the unit whose symbol equals this one ignoring case; 0 when there is none.
int dimension_for_symbol(const std::string &symbol);
// The unit index with this dimension; any other code gives 14 ("none").
int unit_index_for_dimension(int dimension);
