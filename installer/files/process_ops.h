// What the extraction worker and the merges do to the process rather than to files: tell
// the user, pause, end the installer. A table of its own, so native tests record the
// messages and pauses and turn the end of the process into an exception they can catch.
#pragma once

#include <string>

struct ProcessOps {
  void (*show_message)(const char* text);  // a plain message box with an OK button
  void (*end_process)(int exit_code);      // never returns
  void (*sleep_ms)(unsigned milliseconds);
};

extern ProcessOps process_ops;

// Shows the text, then ends the installer with exit code 0. Files already written stay.
[[noreturn]] void fatal_error(const std::string& text);
