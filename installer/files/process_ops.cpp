// The installer's one way to give up: the message, then the end of the process.
#include "files/process_ops.h"

#include <cstdlib>

[[noreturn]] void fatal_error(const std::string& text) {
  process_ops.show_message(text.c_str());
  process_ops.end_process(0);
  std::abort();  // end_process never returns; this keeps a faulty table from going on
}
