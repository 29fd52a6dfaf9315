// The progress line that the extraction worker writes and the install dialog's timer shows.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>

// One writer and one reader, each on its own thread, sharing a line of text without locks
// and without ever waiting for each other.
class StatusLine {
 public:
  static constexpr size_t kSize = 1024;  // bytes of a line, its terminating NUL included

  // The writer's side: makes the text (cut to kSize - 1 bytes) the newest line.
  void publish(const char* text);

  // The reader's side: the newest line published, whole; empty before the first.
  std::string read();

 private:
  static constexpr unsigned kIndex = 3;  // the bits of `middle_` that name a buffer
  static constexpr unsigned kFresh = 4;  // set by the writer, cleared by the reader's swap

  char buffers_[3][kSize] = {};
  std::atomic<unsigned> middle_{1};  // the buffer between the two sides, and kFresh
  unsigned back_ = 0;                // the writer's own buffer
  unsigned front_ = 2;               // the reader's own buffer
};
