// Experimental data: measured values from a text file, added to a graph as symbol-only traces.
//
// The file holds N (points) and M (traces) on lines of their own, M name lines, then N rows of
// x and M y values separated by any white space. Its lines must end with a carriage return and
// a line feed. A file that cannot be read as a whole adds nothing: the graph, its ranges and
// its window title stay as they were.
#pragma once

#include <string>
#include <vector>

#include "../graph/graph.h"

enum ExperimentalResult {
  kExperimentalDone = 0,        // read, or already reported (a file that does not open)
  kExperimentalNoMemory = 1,
  kExperimentalReadError = 2,
  kExperimentalLineEnds = 3,    // bare carriage returns: not this platform's text file
};

// Longest name kept: what a 255-byte line buffer holds without its line end.
const size_t kExperimentalNameLimit = 253;
// Longest window title.
const size_t kExperimentalTitleLimit = 255;

struct ExperimentalData {
  int point_count;                  // N
  std::vector<std::string> names;   // M, the traces' legend texts
  std::vector<double> values;       // point-major: x, then the M y values, N times
};

// The line-end check on the raw bytes: the first carriage return must be followed by a line
// feed. None at all is a read error.
int check_experimental_line_ends(const std::string &bytes);

// Reads a whole file's bytes: exactly N x (M + 1) values, and whatever follows the last of
// them (a note, more rows, an end-of-file mark) is not read. Besides what the format says, a
// token that is not a finite number and a name line that holds exactly M + 1 numbers (a row
// where a name should be) are read errors: each means the columns would no longer line up,
// as a missing name line shifts every value.
int parse_experimental_data(const std::string &bytes, ExperimentalData &out);

// Adds the data's traces to the graph (kind 1, symbols only, black, plot index -1), widens the
// graph's data ranges to hold them and appends each name and a blank to `title`.
int add_experimental_traces(Graph *graph, const ExperimentalData &data, std::string &title,
                            const GraphPreferences &preferences);

// The whole load from a path; a file that does not open is told here ("Can't open the file").
int read_experimental_data(const char *path, Graph *graph, std::string &title,
                           const GraphPreferences &preferences);

// The message id for a result, 0 for kExperimentalDone.
int experimental_message_id(int result);
