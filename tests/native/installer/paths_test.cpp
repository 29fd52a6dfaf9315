// Path joining, directory parts, directory chains, existence tests, output files, removal
// of read-only files and the copy.
#include "test_support.h"

#include "files/files.h"

namespace {

TEST(JoinInstallPath, Table) {
  struct Row {
    const char* directory;
    const char* relative;
    const char* joined;
  } rows[] = {
      {"C:\\Program Files\\HVX\\CorvexIV", ".\\lib\\cmp\\standard.bjt", "C:\\Program Files\\HVX\\CorvexIV\\lib\\cmp\\standard.bjt"},
      {"C:\\Corvex\\", ".\\tesl3.exe", "C:\\Corvex\\tesl3.exe"},
      {"C:\\Corvex", "\\tesl3.exe", "C:\\Corvex\\tesl3.exe"},
      {"C:\\Corvex", "lib\\sym\\cap.asy", "C:\\Corvex\\lib\\sym\\cap.asy"},
      {"C:\\Corvex", "..\\x", "C:\\Corvex\\..\\x"},
      {"C:\\Corvex", ".\\", "C:\\Corvex\\"},
      {"", ".\\lib\\sub\\a.sub", ".\\lib\\sub\\a.sub"},
      {"", "\\a", "\\a"},
      {"D:", ".\\a", "D:\\a"},
  };
  for (const Row& r : rows) EXPECT_EQ(join_install_path(r.directory, r.relative), r.joined) << r.directory << " + " << r.relative;
}

TEST(DirectoryPart, Table) {
  struct Row {
    const char* path;
    const char* part;
  } rows[] = {
      {"C:\\a\\b\\file.txt", "C:\\a\\b\\"}, {"C:\\a\\b\\", "C:\\a\\"}, {"C:\\a\\b\\\\\\", "C:\\a\\"},
      {"C:\\file", "C:\\"},                 {"file.txt", ""},           {"\\\\", ""},
      {"", ""},                             {"\\x", "\\"},
  };
  for (const Row& r : rows) EXPECT_EQ(directory_part(r.path), r.part) << r.path;
}

using MakeDirectoryPath = InstallerTest;

TEST_F(MakeDirectoryPath, CreatesTheWholeChain) {
  std::string dir = win_path("a\\b\\c\\d");
  int counter = 0;
  make_directory_path(dir, counter);
  EXPECT_TRUE(exists_as_directory(dir));
  EXPECT_TRUE(exists_as_directory(win_path("a\\b")));
  // d fails, c fails, b fails, a is made, then b, c, d: seven creations.
  EXPECT_EQ(fake.create_directory_calls, 7);
  EXPECT_LE(counter, 261);
}

TEST_F(MakeDirectoryPath, TrailingBackslashAndExistingDirectory) {
  int counter = 0;
  make_directory_path(win_path("x\\"), counter);
  EXPECT_TRUE(exists_as_directory(win_path("x")));
  int calls = fake.create_directory_calls;
  counter = 0;
  make_directory_path(win_path("x"), counter);
  EXPECT_EQ(fake.create_directory_calls, calls) << "an existing directory is left alone";
  EXPECT_EQ(counter, 1);
}

TEST_F(MakeDirectoryPath, EmptyDirectoryDoesNothing) {
  int counter = 0;
  make_directory_path("", counter);
  EXPECT_EQ(fake.create_directory_calls, 0);
  EXPECT_EQ(counter, 1);
}

TEST_F(MakeDirectoryPath, CounterBoundsAFileSystemThatAlwaysFails) {
  fake.fail_create_directory = [](const std::string&) { return true; };
  int counter = 0;
  make_directory_path(win_path("p\\q\\r\\s"), counter);
  EXPECT_EQ(counter, 261) << "stops once the shared counter exceeds 260";
  EXPECT_LE(fake.create_directory_calls, 261);
  counter = 300;
  int calls = fake.create_directory_calls;
  make_directory_path(win_path("p"), counter);
  EXPECT_EQ(fake.create_directory_calls, calls);
}

using ExistenceTests = InstallerTest;

TEST_F(ExistenceTests, FileAndDirectoryAreTold) {
  write_host_file(fake.scratch + "/f.txt", "x");
  EXPECT_TRUE(exists_as_file(win_path("f.txt")));
  EXPECT_FALSE(exists_as_directory(win_path("f.txt")));
  EXPECT_TRUE(exists_as_directory(win_path("temp")));
  EXPECT_FALSE(exists_as_file(win_path("temp")));
  EXPECT_FALSE(exists_as_file(win_path("missing")));
  EXPECT_FALSE(exists_as_file(""));
}

using OpenOutputFile = InstallerTest;

TEST_F(OpenOutputFile, ReplacesAReadOnlyFile) {
  std::string path = win_path("ro.txt");
  write_host_file(host_path(path), "old");
  ASSERT_TRUE(file_ops.set_read_only(path.c_str(), true));
  FILE* out = open_output_file(path);
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(write_and_close(out, "new", 3));
  EXPECT_EQ(read_host_file(host_path(path)), "new");
  EXPECT_EQ(fake.read_only.count(host_path(path)), 0u);
}

TEST_F(OpenOutputFile, CreatesMissingDirectories) {
  std::string path = win_path("deep\\er\\est\\file.bin");
  FILE* out = open_output_file(path);
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(write_and_close(out, "abc", 3));
  EXPECT_EQ(read_host_file(host_path(path)), "abc");
}

TEST_F(OpenOutputFile, ThreeAttemptsThenNothing) {
  int attempts = 0;
  fake.fail_open = [&](const std::string&, const char*) { return ++attempts > 0; };
  EXPECT_EQ(open_output_file(win_path("x\\y.txt")), nullptr);
  EXPECT_EQ(attempts, 3);
  EXPECT_TRUE(exists_as_directory(win_path("x"))) << "the third attempt comes after the directory chain";
}

using OpenForWriting = InstallerTest;

TEST_F(OpenForWriting, ClearsReadOnlyBetweenItsTwoAttempts) {
  std::string path = win_path("ro.txt");
  write_host_file(host_path(path), "old");
  ASSERT_TRUE(file_ops.set_read_only(path.c_str(), true));
  std::vector<std::string> opened;
  fake.on_open = [&](const std::string& p, const char* mode) {
    opened.push_back(std::string(mode) + (fake.read_only.count(host_path(p)) ? " read-only" : " writable"));
  };
  FILE* out = open_for_writing(path);
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(write_and_close(out, "new", 3));
  EXPECT_EQ(read_host_file(host_path(path)), "new");
  EXPECT_EQ(opened, (std::vector<std::string>{"wb read-only", "wb writable"}));
}

TEST_F(OpenForWriting, MakesNoDirectories) {
  int attempts = 0;
  fake.on_open = [&](const std::string&, const char*) { ++attempts; };
  EXPECT_EQ(open_for_writing(win_path("missing\\file.txt")), nullptr);
  EXPECT_EQ(attempts, 2);
  EXPECT_EQ(fake.create_directory_calls, 0);
}

using RemoveEvenIfReadOnly = InstallerTest;

TEST_F(RemoveEvenIfReadOnly, PlainAndReadOnlyFilesGo) {
  for (bool read_only : {false, true}) {
    std::string path = win_path("f.txt");
    write_host_file(host_path(path), "x");
    if (read_only) {
      ASSERT_TRUE(file_ops.set_read_only(path.c_str(), true));
    }
    EXPECT_TRUE(remove_even_if_read_only(path)) << read_only;
    EXPECT_FALSE(host_exists(host_path(path))) << read_only;
  }
}

TEST_F(RemoveEvenIfReadOnly, TwoAttemptsThenFalse) {
  std::string path = win_path("held.txt");
  write_host_file(host_path(path), "x");
  int attempts = 0;
  fake.fail_remove = [&](const std::string&) { return ++attempts > 0; };
  EXPECT_FALSE(remove_even_if_read_only(path));
  EXPECT_EQ(attempts, 2);
  EXPECT_TRUE(host_exists(host_path(path)));
  EXPECT_FALSE(remove_even_if_read_only(win_path("missing.txt")));
}

using CopyFile = InstallerTest;

TEST_F(CopyFile, ByteForByteAcrossBlockSizes) {
  for (size_t n : {size_t(0), size_t(1), size_t(1023), size_t(1024), size_t(1025), size_t(5000)}) {
    std::string bytes = bytes_of(n, unsigned(n)) + std::string("\0\x1a\r\n", 4);
    write_host_file(host_path(win_path("from.bin")), bytes);
    EXPECT_TRUE(copy_file(win_path("from.bin"), win_path("to.bin"))) << n;
    EXPECT_EQ(read_host_file(host_path(win_path("to.bin"))), bytes) << n;
  }
}

TEST_F(CopyFile, OverAReadOnlyTarget) {
  write_host_file(host_path(win_path("from.bin")), "new content");
  write_host_file(host_path(win_path("to.bin")), "a longer old content");
  ASSERT_TRUE(file_ops.set_read_only(win_path("to.bin").c_str(), true));
  EXPECT_TRUE(copy_file(win_path("from.bin"), win_path("to.bin")));
  EXPECT_EQ(read_host_file(host_path(win_path("to.bin"))), "new content");
}

TEST_F(CopyFile, FailuresLeaveTheTargetAlone) {
  EXPECT_FALSE(copy_file(win_path("missing.bin"), win_path("to.bin")));
  EXPECT_FALSE(host_exists(host_path(win_path("to.bin")))) << "no target without a source";
  write_host_file(host_path(win_path("from.bin")), "content");
  write_host_file(host_path(win_path("to.bin")), "old");
  fake.fail_open = [](const std::string& p, const char* mode) {
    return p.find("to.bin") != std::string::npos && std::string(mode) == "wb";
  };
  EXPECT_FALSE(copy_file(win_path("from.bin"), win_path("to.bin")));
  EXPECT_EQ(read_host_file(host_path(win_path("to.bin"))), "old");
}

}  // namespace
