// StatusLine: the newest whole line, on one thread and with a writer hammering it from
// another (run under ThreadSanitizer by scripts/dev test as well).
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "payload/status_line.h"

namespace {

TEST(StatusLine, OneThread) {
  StatusLine line;
  EXPECT_EQ(line.read(), "") << "before anything is published";
  line.publish("Extracting: .\\a.txt.gz\n");
  EXPECT_EQ(line.read(), "Extracting: .\\a.txt.gz\n");
  EXPECT_EQ(line.read(), "Extracting: .\\a.txt.gz\n") << "read again: the same line, not an older buffer";
  line.publish("first");
  line.publish("second");
  line.publish("third");
  EXPECT_EQ(line.read(), "third") << "lines published between two reads: only the newest";
  line.publish("");
  EXPECT_EQ(line.read(), "");
  for (int i = 0; i < 10; ++i) {  // every buffer passes every role
    line.publish(std::to_string(i).c_str());
    if (i % 3 != 1) {
      EXPECT_EQ(line.read(), std::to_string(i));
    }
  }
}

TEST(StatusLine, LongTextIsCutToTheLine) {
  StatusLine line;
  std::string text(2000, 'x');
  text[StatusLine::kSize - 2] = 'y';
  line.publish(text.c_str());
  std::string shown = line.read();
  ASSERT_EQ(shown.size(), StatusLine::kSize - 1);
  EXPECT_EQ(shown.back(), 'y');
  line.publish("short");
  EXPECT_EQ(line.read(), "short") << "no tail of the long line is left behind";
}

// Line n: its number, then a run whose letter and length both follow from n, then the
// number again; a line mixed from two writes can't pass whole_line_number.
std::string numbered_line(unsigned n) {
  return std::to_string(n) + ":" + std::string(n * 37 % 1000, char('a' + n % 26)) + ":" + std::to_string(n);
}

long whole_line_number(const std::string& line) {
  size_t colon = line.find(':');
  if (colon == std::string::npos || colon == 0) return -1;
  unsigned long n = std::stoul(line.substr(0, colon));
  return line == numbered_line(unsigned(n)) ? long(n) : -1;
}

TEST(StatusLine, ReaderSeesOnlyWholeLinesInOrderWhileTheWriterHammers) {
  const unsigned kMinLines = 20000, kMinReads = 5000;
  StatusLine line;
  std::atomic<unsigned> reads{0};
  std::atomic<bool> written{false};
  unsigned lines = 0;  // the writer's; read after the join
  std::thread writer([&] {
    // Until the reader has read often enough that the two have surely overlapped.
    while (lines < kMinLines || reads.load(std::memory_order_relaxed) < kMinReads)
      line.publish(numbered_line(++lines).c_str());
    written.store(true, std::memory_order_release);
  });
  long last = 0;
  unsigned torn = 0, backwards = 0;
  for (bool finished = false; !finished;) {
    finished = written.load(std::memory_order_acquire);  // one more read after the last write
    std::string shown = line.read();
    reads.fetch_add(1, std::memory_order_relaxed);
    if (shown.empty()) continue;  // not yet published
    long n = whole_line_number(shown);
    if (n < 0)
      ++torn;
    else if (n < last)
      ++backwards;
    else
      last = n;
  }
  writer.join();
  EXPECT_EQ(torn, 0u);
  EXPECT_EQ(backwards, 0u);
  EXPECT_EQ(last, long(lines)) << "the read after the writer finished shows its last line";
  EXPECT_GE(reads.load(), kMinReads);
}

}  // namespace
