// The x and y arrays a trace takes over (new[], as the graph frees them).
#pragma once

#include <cstddef>

// `count` zeros (room for one at least); when memory runs out the program ends with the
// termination code of the caller's place.
double *new_value_array(size_t count, int memory_code);
