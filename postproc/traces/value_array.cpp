#include "value_array.h"

#include <algorithm>
#include <new>

#include "../base/messages.h"

double *new_value_array(size_t count, int memory_code) {
  double *values = new (std::nothrow) double[std::max<size_t>(count, 1)]();
  if (!values) out_of_memory(memory_code);
  return values;
}
