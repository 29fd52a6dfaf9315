// The unit table. Names are matching keys (a variable's dimension comes from its unit name),
// symbols are user-interface texts and live in the string table.
#include "units.h"

#include "../base/ascii.h"
#include "../base/text.h"
#include "../resources/resource_ids.h"

namespace {

const Unit kUnits[kUnitCount] = {
    {"voltage", IDS_UNIT_SYMBOL_FIRST + 0, 10},
    {"current", IDS_UNIT_SYMBOL_FIRST + 1, 11},
    {"time", IDS_UNIT_SYMBOL_FIRST + 2, 12},
    {"frequency", IDS_UNIT_SYMBOL_FIRST + 3, 13},
    {"temperature", IDS_UNIT_SYMBOL_FIRST + 4, 14},
    {"conductance", IDS_UNIT_SYMBOL_FIRST + 5, 17},
    {"capacitance", IDS_UNIT_SYMBOL_FIRST + 6, 18},
    {"power", IDS_UNIT_SYMBOL_FIRST + 7, 110},
    {"voltage squared", IDS_UNIT_SYMBOL_FIRST + 8, 100},
    {"current squared", IDS_UNIT_SYMBOL_FIRST + 9, 121},
    {"voltage squared over freq", IDS_UNIT_SYMBOL_FIRST + 10, 19},
    {"current squared over freq", IDS_UNIT_SYMBOL_FIRST + 11, 20},
    {"angle", IDS_UNIT_SYMBOL_FIRST + 12, 15},
    {"decibel", IDS_UNIT_SYMBOL_FIRST + 13, 16},
    {"none", IDS_UNIT_SYMBOL_FIRST + 14, 1},
};

const Unit *unit_named(const std::string &name) {
  for (const Unit &u : kUnits)
    if (name == u.name) return &u;
  return nullptr;
}

}  // namespace

const Unit *unit_at(int unit_index) {
  if (unit_index < 0 || unit_index >= kUnitCount) return nullptr;
  return &kUnits[unit_index];
}

std::string unit_name(int unit_index) {
  const Unit *u = unit_at(unit_index);
  return u ? u->name : "";
}

std::string unit_symbol(int unit_index) {
  const Unit *u = unit_at(unit_index);
  return u ? load_text(u->symbol_id) : "";
}

std::string unit_symbol_for_name(const std::string &name) {
  const Unit *u = unit_named(name);
  return u ? load_text(u->symbol_id) : "";
}

int dimension_for_unit_name(const std::string &name) {
  const Unit *u = unit_named(name);
  return u ? u->dimension : 0;
}

int dimension_for_symbol(const std::string &symbol) {
  // The symbols' only non-ASCII byte (the degree sign) has no case.
  for (const Unit &u : kUnits)
    if (equal_ignoring_case(symbol, load_text(u.symbol_id))) return u.dimension;
  return 0;
}

int unit_index_for_dimension(int dimension) {
  for (int i = 0; i < kUnitCount; i++)
    if (kUnits[i].dimension == dimension) return i;
  return kUnitNone;
}
