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
  FakeUi();    // installs itself; the status bar gets a stand-in window and its messages
  ~FakeUi();   // puts the defaults back and removes the status window

  std::vector<ShownMessage> messages;
  int status_redraws = 0;
  std::vector<std::string> statuses;   // the status bar's text at every redraw
  int answer = kIdOk;   // what the next message boxes return
};
