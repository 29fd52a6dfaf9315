// Raw files of the open-source simulator ngspice (`ngspice -b -r FILE.raw`, or its `write`
// command), read into the plot list as if they were result files.
//
// Layout: one or more plots back to back, each a text header and its data:
//
//   Title: <circuit title>
//   Date: <date>
//   Plotname: <analysis>
//   Flags: real | complex             (other words are ignored)
//   No. Variables: V
//   No. Points: P
//   Variables:
//   <tab>0<tab>name<tab>type [param=value ...]       one line per vector, indices 0..V-1
//   Binary:                                          P x V little-endian binary64, point
//                                                    after point; a complex plot stores
//                                                    each value (the scale too) as re, im
//   or Values:                                       P points as text: the point's index,
//                                                    then V numbers, "re,im" when complex
//
// Other header lines before "Variables:" (Command:, Option:, Dimensions:) are skipped.
#pragma once

#include <cstddef>
#include <string>

#include "reader.h"

// Whether the file at `path` begins as a raw file does ("Title:"); false when it cannot be
// read.
bool looks_like_raw_file(const char *path);

// Appends every plot of the raw file to the plot list. A truncated file, a damaged count or
// a value that is no number is kReadNotDataFile; on failure the caller empties the list.
ReadResult read_raw_file(const char *path);
ReadResult read_raw_bytes(const unsigned char *bytes, size_t size, const char *path);
