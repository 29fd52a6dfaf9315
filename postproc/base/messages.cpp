// Messages and fatal endings.
//
// Every termination code names one call site (grouped in hundreds by area), so a user's report
// of "ULMO0X304" points at the place. Nothing is saved or released on the way out: the
// routines run when memory is already gone.
#include "messages.h"

#include <cstdarg>
#include <cstdlib>

#include "../resources/resource_ids.h"
#include "cformat.h"
#include "text.h"

namespace {

const size_t kMessageLimit = 255;

[[noreturn]] void terminate_with(int string_id, int code) {
  std::string text = c_format(load_text(string_id).c_str(), code);
  ui_hooks().message_box(nullptr, text.c_str(), nullptr, kMbIconStop);
  ui_hooks().fatal_exit("Terminating ULMO-GPP");
  abort();  // a fatal_exit that returned is a bug of its own
}

int show_formatted(WindowHandle owner, unsigned flags, int string_id, va_list values) {
  std::string text = c_vformat(load_text(string_id).c_str(), values);
  if (text.size() > kMessageLimit) text.resize(kMessageLimit);
  std::string caption = load_text(IDS_APP_NAME);
  return ui_hooks().message_box(owner, text.c_str(), caption.c_str(), flags);
}

}  // namespace

int show_message(WindowHandle owner, unsigned flags, int string_id, ...) {
  va_list values;
  va_start(values, string_id);
  int pressed = show_formatted(owner, flags, string_id, values);
  va_end(values);
  return pressed;
}

int show_uncaptioned(unsigned flags, int string_id) {
  return ui_hooks().message_box(nullptr, load_text(string_id).c_str(), nullptr, flags);
}

bool ask_yes_no(WindowHandle owner, int string_id, ...) {
  va_list values;
  va_start(values, string_id);
  int pressed = show_formatted(owner, kMbIconQuestion | kMbYesNo, string_id, values);
  va_end(values);
  return pressed == kIdYes;
}

void fatal_memory_error(int code) { terminate_with(IDS_FATAL_MEMORY_ERROR, code); }

void out_of_memory(int code) { terminate_with(IDS_OUT_OF_MEMORY, code); }
