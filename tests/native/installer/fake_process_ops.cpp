// The native process table for the installer tests (see fake_file_ops.h): messages and
// pauses go to the same record as the file system's, so a test sees them in one place.
#include "fake_file_ops.h"

namespace {

void show_message(const char* text) { fake.messages.push_back(text); }

void end_process(int exit_code) { throw ProcessEnded{exit_code}; }

void sleep_ms(unsigned ms) { fake.sleeps.push_back(ms); }

}  // namespace

ProcessOps process_ops = {show_message, end_process, sleep_ms};
