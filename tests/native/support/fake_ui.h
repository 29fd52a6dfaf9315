// A recording stand-in for the user interface: message boxes are remembered instead of shown,
// and the status bar behaves as if its window existed.
#pragma once

#include <string>
#include <vector>

#include "base/ui.h"

struct ShownMessage {
  WindowHandle owner;
  std::string text;
  std::string caption;   // "(default)" for the platform's default caption
  unsigned flags;
};

class FakeUi {
 public:
  FakeUi();    // installs itself; the status bar shows "Data File: None" (code 1)
  ~FakeUi();   // puts the defaults back

  std::vector<ShownMessage> messages;
  std::vector<std::string> statuses;   // every text the status bar was given, in order
  int status_code;                     // the code the status bar shows
  int answer = kIdOk;   // what the next message boxes return
};
