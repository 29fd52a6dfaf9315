// The install state as the installer shares it: the worker on a thread of its own, the
// caller polling the status line and the done flag the way the dialog's timer does (run
// under ThreadSanitizer by scripts/dev test as well).
#include "test_support.h"

#include <algorithm>
#include <thread>

#include "payload/extract.h"

namespace {

using WorkerSharing = InstallerTest;

TEST_F(WorkerSharing, PollerSeesEntryLinesInTableOrderThenTheDoneFlagAndEveryFile) {
  auto content = [](size_t i) { return bytes_of(500 + 97 * i, unsigned(i)); };  // stored, then packed
  std::vector<BuiltMember> members;
  for (size_t i = 0; i < 60; ++i)
    members.push_back(member(".\\dir" + std::to_string(i % 4) + "\\file" + std::to_string(i) + ".txt", content(i)));
  std::vector<PayloadEntry> entries = entries_of(members);
  std::vector<std::string> lines;
  for (const BuiltMember& m : members) lines.push_back("Extracting: " + m.path + ".gz\n");

  InstallState state;
  state.install_directory = win_path("install");
  std::thread worker([&] { run_extraction(entries.data(), uint32_t(entries.size()), state); });
  std::vector<std::string> unknown;
  long last = -1;
  unsigned backwards = 0;
  while (state.done.load(std::memory_order_acquire) == 0) {
    std::string shown = state.status.read();
    if (shown.empty()) continue;
    long at = long(std::find(lines.begin(), lines.end(), shown) - lines.begin());
    if (at == long(lines.size()))
      unknown.push_back(shown);
    else if (at < last)
      ++backwards;
    else
      last = at;
    std::this_thread::yield();
  }
  // No join before these checks: the done flag alone must make the worker's work visible.
  EXPECT_EQ(state.status.read(), lines.back());
  for (size_t i = 0; i < members.size(); ++i)
    EXPECT_EQ(read_host_file(host_path(win_path("install" + members[i].path.substr(1)))), content(i)) << i;
  worker.join();
  EXPECT_EQ(unknown, std::vector<std::string>{});
  EXPECT_EQ(backwards, 0u);
  EXPECT_TRUE(fake.messages.empty());
}

}  // namespace
