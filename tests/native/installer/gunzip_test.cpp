// gunzip_in_place: decompression through the gzip interface, its error texts, the copy back.
#include "test_support.h"

#include "payload/gunzip.h"

namespace {

class Gunzip : public InstallerTest {
 protected:
  std::string path;
  std::string content = bytes_of(50000, 7);
  void SetUp() override {
    InstallerTest::SetUp();
    path = win_path("member.bin");
  }
  void write_member(const std::string& member) { write_host_file(host_path(path), member); }
  // zlib names the file as it was opened, which the fake maps onto the host's separators.
  std::string zlib_name() { return host_path(path); }
  bool temp_files_left() {
    for (const std::string& t : fake.temp_names)
      if (host_exists(host_path(t))) return true;
    return false;
  }
};

TEST_F(Gunzip, ReplacesTheMemberByItsContent) {
  write_member(gzip_member(content));
  EXPECT_EQ(gunzip_in_place(path), "");
  EXPECT_EQ(read_host_file(host_path(path)), content);
  ASSERT_EQ(fake.temp_names.size(), 1u);
  EXPECT_EQ(fake.temp_names[0], win_path("temp\\tmp1")) << "the \"tmp\" prefix in the temporary directory";
  EXPECT_FALSE(temp_files_left());
}

TEST_F(Gunzip, EmptyAndChunkSizedContent) {
  for (size_t n : {size_t(0), size_t(16384), size_t(16385), size_t(3 * 16384)}) {
    std::string c = bytes_of(n, unsigned(n));
    write_member(gzip_member(c));
    EXPECT_EQ(gunzip_in_place(path), "") << n;
    EXPECT_EQ(read_host_file(host_path(path)), c) << n;
  }
}

TEST_F(Gunzip, ReadOnlyTargetIsMadeWritableForTheCopyBack) {
  write_member(gzip_member(content));
  // Writing the path fails until its read-only attribute is cleared.
  fake.read_only.insert(host_path(path));
  EXPECT_EQ(gunzip_in_place(path), "");
  EXPECT_EQ(read_host_file(host_path(path)), content);
}

TEST_F(Gunzip, CrcMismatchGivesZlibsText) {
  std::string member = gzip_member(content);
  member[member.size() - 8] ^= 0x01;  // CRC-32 of the trailer
  write_member(member);
  EXPECT_EQ(gunzip_in_place(path), zlib_name() + ": incorrect data check");
  EXPECT_FALSE(temp_files_left());
}

TEST_F(Gunzip, LengthMismatchGivesZlibsText) {
  std::string member = gzip_member(content);
  member[member.size() - 4] ^= 0x01;  // ISIZE
  write_member(member);
  EXPECT_EQ(gunzip_in_place(path), zlib_name() + ": incorrect length check");
}

TEST_F(Gunzip, TruncatedMember) {
  // zlib's reader stops quietly at the end of the input; closing the stream tells.
  std::string member = gzip_member(content);
  write_member(member.substr(0, member.size() / 2));
  EXPECT_EQ(gunzip_in_place(path), "uncompress(): failed close");
  EXPECT_FALSE(temp_files_left());
}

TEST_F(Gunzip, CorruptDeflateData) {
  std::string member = gzip_member(content);
  for (size_t i = 10; i < 20; ++i) member[i] = char(0xFF);
  write_member(member);
  std::string error = gunzip_in_place(path);
  EXPECT_EQ(error.rfind(zlib_name() + ": ", 0), 0u) << error;
  EXPECT_GT(error.size(), zlib_name().size() + 2);
}

TEST_F(Gunzip, AFileWithoutGzipHeaderIsNoMember) {
  write_member(content);  // zlib would copy it as it is
  EXPECT_EQ(gunzip_in_place(path), path + ": not in gzip format");
  EXPECT_EQ(read_host_file(host_path(path)), content) << "left as it was";
}

TEST_F(Gunzip, MissingInput) {
  EXPECT_EQ(gunzip_in_place(path), "Could not open uncompression input file: \"" + path + "\"");
}

TEST_F(Gunzip, OutputCantBeOpened) {
  write_member(gzip_member(content));
  fake.fail_open = [](const std::string& p, const char*) { return p.find("\\temp\\") != std::string::npos; };
  std::string error = gunzip_in_place(path);
  ASSERT_EQ(fake.temp_names.size(), 1u);
  EXPECT_EQ(error, "Could not open uncompression output file: \"" + fake.temp_names[0] + "\"");
}

TEST_F(Gunzip, CopyBackFailure) {
  write_member(gzip_member(content));
  fake.fail_open = [&](const std::string& p, const char* mode) { return p == path && std::string(mode) == "wb"; };
  EXPECT_EQ(gunzip_in_place(path),
            "Trouble uncompressing file: \"" + path + "\"\n    Disk full?  Permission problem?");
}

TEST_F(Gunzip, NeverDecompressesOntoItself) {
  write_member(gzip_member(content));
  auto saved = file_ops.temp_name;
  file_ops.temp_name = [](const char*) { return win_path("member.bin"); };
  std::string error = gunzip_in_place(path);
  file_ops.temp_name = saved;
  EXPECT_EQ(fake.messages, std::vector<std::string>{"Internal Error: duplicate tmp file names."});
  EXPECT_NE(error, "");
  EXPECT_EQ(read_host_file(host_path(path)), gzip_member(content)) << "untouched";
}

}  // namespace
