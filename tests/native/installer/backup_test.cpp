// backup_database: the copy, the one retry after 5000 ms, and the fatal message.
#include "test_support.h"

#include "componentdb/backup.h"

namespace {

class Backup : public InstallerTest {
 protected:
  std::string path;
  void SetUp() override {
    InstallerTest::SetUp();
    path = win_path("lib\\standard.res");
  }
};

TEST_F(Backup, CopiesByteForByteOverAnOlderBackup) {
  std::string bytes = bytes_of(5000) + std::string("\0\r\n\x1a", 4);
  write_host_file(host_path(path), bytes);
  write_host_file(host_path(path + ".bak"), "older");
  file_ops.set_read_only((path + ".bak").c_str(), true);
  backup_database(path);
  EXPECT_EQ(read_host_file(host_path(path + ".bak")), bytes);
  EXPECT_TRUE(fake.sleeps.empty());
}

TEST_F(Backup, NothingForMissingOrEmptyPath) {
  backup_database(path);
  backup_database("");
  EXPECT_FALSE(host_exists(host_path(path + ".bak")));
  EXPECT_TRUE(fake.messages.empty());
}

TEST_F(Backup, RetriesOnceAfterFiveSeconds) {
  write_host_file(host_path(path), "data");
  int failures = 2;  // both opens of the first copy (the second after clearing read-only)
  fake.fail_open = [&](const std::string& p, const char*) { return p == path + ".bak" && failures-- > 0; };
  backup_database(path);
  EXPECT_EQ(fake.sleeps, std::vector<unsigned>{5000});
  EXPECT_EQ(read_host_file(host_path(path + ".bak")), "data");
}

TEST_F(Backup, SecondFailureEndsTheInstaller) {
  write_host_file(host_path(path), "data");
  fake.fail_open = [&](const std::string& p, const char*) { return p == path + ".bak"; };
  try {
    backup_database(path);
    FAIL() << "went on without a backup";
  } catch (const ProcessEnded& e) {
    EXPECT_EQ(e.exit_code, 0);
  }
  EXPECT_EQ(fake.sleeps, std::vector<unsigned>{5000});
  EXPECT_EQ(fake.messages,
            std::vector<std::string>{"Trouble backing up " + path + "\nas " + path + ".bak\n\nRelease sync aborted."});
}

}  // namespace
