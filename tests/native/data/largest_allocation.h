// A plot allocator that notes the largest single request, to show that a damaged count
// allocates nothing that the file cannot back.
#pragma once

#include <cstdlib>

#include "data/plot_list.h"

inline size_t largest_allocation = 0;

inline void *noting_malloc(size_t size) {
  if (size > largest_allocation) largest_allocation = size;
  return malloc(size);
}

inline void *noting_calloc(size_t count, size_t size) {
  if (count * size > largest_allocation) largest_allocation = count * size;
  return calloc(count, size);
}

inline PlotAllocator noting_allocator() { return PlotAllocator{noting_malloc, noting_calloc}; }
