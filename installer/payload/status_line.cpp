// The status line as a triple buffer.
//
// Each of the three buffers belongs to exactly one party at a time: the writer's back
// buffer, the reader's front buffer, and the middle one, which belongs to neither and is
// named by the atomic `middle_`. The writer fills its back buffer and then exchanges it for
// the middle, marking it fresh; the reader, when the middle is fresh, exchanges its front
// buffer for it. Both exchanges are acquire-release, so a buffer's bytes are complete before
// the other side can own it, and a side's last reads of a buffer are done before the other
// side writes it again. A torn line can't be shown and nothing ever spins, retries or
// blocks; the reader simply keeps its line until a newer one has been published. (One plain
// array written by one thread while another copies it is a data race: a half-written line.)
#include "payload/status_line.h"

#include <cstring>

void StatusLine::publish(const char* text) {
  char* line = buffers_[back_];
  size_t length = strnlen(text, kSize - 1);
  memcpy(line, text, length);
  line[length] = '\0';
  back_ = middle_.exchange(back_ | kFresh, std::memory_order_acq_rel) & kIndex;
}

std::string StatusLine::read() {
  if (middle_.load(std::memory_order_relaxed) & kFresh)
    front_ = middle_.exchange(front_, std::memory_order_acq_rel) & kIndex;
  return std::string(buffers_[front_]);
}
