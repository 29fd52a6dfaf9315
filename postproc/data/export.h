// The export text formats (written through a C stream in text mode, so lines end the way
// the platform's text files do).
#pragma once

#include <cstdio>

// One trace block: the legend text, one "%e\t%e" line of x and y per point, an empty line.
// False when the stream reports a write error.
bool write_trace_export(FILE *out, const char *legend, const double *x, const double *y,
                        int point_count);
