// The status bar as portable code sees it: one of eight fixed messages, optionally followed
// by a text. The bar itself belongs to the platform, which the UI table reaches.
#pragma once

#include <cstddef>

enum StatusCode {
  kStatusDataFile = 0,          // "Data File: " followed by the path
  kStatusNoDataFile = 1,        // "Data File: None"
  kStatusReading = 2,           // "Reading Data File, Please Wait..."
  kStatusNoMemory = 3,          // "Not enough memory to load file."
  kStatusNotDataFile = 4,       // "Not an Ulmo-Dizid Data File."
  kStatusReadingExperimental = 5,
  kStatusExperimentalError = 6,
  kStatusEvaluating = 7,        // "Evaluating Trace Data, Please Wait..."
  kStatusMessageCount = 8
};

const size_t kStatusTextLimit = 255;

// Shows message `code` (strings 31..38) followed by `text` (may be null), at most 255
// characters; returns the previous code, or -1 (changing nothing) when there is no status
// bar or the code is not a message.
int set_status(int code, const char *text = nullptr);
