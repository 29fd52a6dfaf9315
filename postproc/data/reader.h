// The simulator's binary result file.
//
// Layout (little-endian; integers 32-bit signed in the wide layout, 16-bit unsigned in the
// narrow one; a string is an integer length and that many bytes, no terminator):
//
//   file  := plot count (>= 1), plots
//   plot  := circuit title, simulation date, plot name     strings
//            statistics                                    6 integers, 8 binary64 (88 / 76 bytes)
//            number type (4 real, 8 complex), analysis code (>= 0), plot kind (>= 0),
//            variable count V (>= 1), point count P (>= 1) integers
//            V x (name string, unit index integer)
//            P x V binary64 real values, point-major
//            P x V binary64 imaginary values               complex plots only
//
// Bytes after the last plot are ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

enum DataLayout { kLayoutWide = 0, kLayoutNarrow = 1 };

enum ReadResult {
  kReadOk = 0,
  kReadNoMemory = 1,      // an allocation failed
  kReadNotDataFile = 2,   // a read came up short or a field failed its rule
  kReadCannotOpen = 3,
};

// Appends the plots of the file to the plot list. On failure the list may hold the plots read
// before it; the caller empties the list.
ReadResult read_data_file(const char *path, DataLayout layout);

// The size of an open file, or UINT64_MAX when it cannot be told (then only short reads stop
// a damaged file). Leaves the file at its start.
uint64_t data_file_size(FILE *file);

// The same over bytes in memory; `path` is what the records store as their file name.
ReadResult read_data_bytes(const unsigned char *bytes, size_t size, const char *path,
                           DataLayout layout);
