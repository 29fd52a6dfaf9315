// Path joining, directory parts, directory chains, existence tests and output files.
#include "test_support.h"

#include "payload/files.h"

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

}  // namespace
