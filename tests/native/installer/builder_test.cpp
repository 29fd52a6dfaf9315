// The payload builder: gzip members, order, stored/packed limit, manifest, generated source.
#include "test_support.h"

#include <zlib.h>

#include <cstdlib>
#include <filesystem>

namespace {

uint32_t le32(const std::string& s, size_t at) {
  return uint32_t(uint8_t(s[at])) | uint32_t(uint8_t(s[at + 1])) << 8 | uint32_t(uint8_t(s[at + 2])) << 16 |
         uint32_t(uint8_t(s[at + 3])) << 24;
}

TEST(GzipMember, FixedHeaderRawDeflateAndTrailer) {
  std::string content = bytes_of(5000);
  std::string m = gzip_member(content);
  const unsigned char header[10] = {0x1F, 0x8B, 0x08, 0, 0, 0, 0, 0, 0, 0x0B};
  ASSERT_GT(m.size(), 18u);
  EXPECT_EQ(m.substr(0, 10), std::string(reinterpret_cast<const char*>(header), 10));
  EXPECT_EQ(le32(m, m.size() - 8), uint32_t(crc32(0, reinterpret_cast<const Bytef*>(content.data()), uInt(content.size()))));
  EXPECT_EQ(le32(m, m.size() - 4), 5000u);
  // The body is raw deflate that inflates to the content.
  z_stream z{};
  ASSERT_EQ(inflateInit2(&z, -15), Z_OK);
  std::string out(content.size() + 10, '\0');
  z.next_in = reinterpret_cast<Bytef*>(&m[10]);
  z.avail_in = uInt(m.size() - 18);
  z.next_out = reinterpret_cast<Bytef*>(&out[0]);
  z.avail_out = uInt(out.size());
  EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  inflateEnd(&z);
  EXPECT_EQ(out, content);
}

TEST(PayloadPath, BackslashesAndDotPrefix) {
  EXPECT_EQ(payload_path("lib/cmp/standard.bjt"), ".\\lib\\cmp\\standard.bjt");
  EXPECT_EQ(payload_path("tesl3.exe"), ".\\tesl3.exe");
}

TEST(PayloadPathLess, CaseInsensitiveThenBytes) {
  std::vector<std::string> paths = {".\\lib\\b", ".\\LIB\\a", ".\\Changes.txt", ".\\examples\\x", ".\\lib\\B", ".\\c"};
  std::sort(paths.begin(), paths.end(), payload_path_less);
  EXPECT_EQ(paths, (std::vector<std::string>{".\\c", ".\\Changes.txt", ".\\examples\\x", ".\\LIB\\a", ".\\lib\\B", ".\\lib\\b"}));
}

TEST(Manifest, ReadOnlyLinesCommentsAndErrors) {
  std::vector<std::string> paths;
  std::string error;
  EXPECT_TRUE(parse_manifest("# comment\r\n\nreadonly .\\lib\\sym\\cap.asy\r\nreadonly .\\a\n", paths, error));
  EXPECT_EQ(paths, (std::vector<std::string>{".\\lib\\sym\\cap.asy", ".\\a"}));
  paths.clear();
  EXPECT_FALSE(parse_manifest("readonly lib\\x\n", paths, error));
  EXPECT_NE(error.find("line 1"), std::string::npos);
  EXPECT_FALSE(parse_manifest("\nhidden .\\x\n", paths, error));
  EXPECT_NE(error.find("line 2"), std::string::npos);
}

class BuildPayload : public InstallerTest {
 protected:
  PayloadSource source;
  void SetUp() override {
    InstallerTest::SetUp();
    source.tree = fake.scratch + "/tree";
    write_host_file(source.tree + "/b.txt", std::string(1024, 'b'));
    write_host_file(source.tree + "/A.txt", std::string(1025, 'a'));
    write_host_file(source.tree + "/lib/sym/cap.asy", "symbol");
    write_host_file(source.tree + "/lib/Sub/x.lib", "");
  }
};

TEST_F(BuildPayload, OrderLimitAndReadOnly) {
  write_host_file(fake.scratch + "/built.cap", "db");
  source.extra = {{".\\lib\\cmp\\standard.cap", fake.scratch + "/built.cap"}};
  source.read_only_paths = {".\\lib\\sym\\cap.asy"};
  std::vector<BuiltMember> members;
  std::string error;
  ASSERT_TRUE(build_payload(source, members, error)) << error;
  ASSERT_EQ(members.size(), 5u);
  EXPECT_EQ(members[0].path, ".\\A.txt");
  EXPECT_EQ(members[1].path, ".\\b.txt");
  EXPECT_EQ(members[2].path, ".\\lib\\cmp\\standard.cap");
  EXPECT_EQ(members[3].path, ".\\lib\\Sub\\x.lib");
  EXPECT_EQ(members[4].path, ".\\lib\\sym\\cap.asy");
  EXPECT_EQ(members[0].size, 1025u);
  EXPECT_NE(members[0].packed_size, 0u) << "over 1024 bytes: packed";
  EXPECT_EQ(members[0].packed_size, members[0].data.size());
  EXPECT_EQ(members[1].packed_size, 0u) << "1024 bytes: stored";
  EXPECT_EQ(members[1].data, std::string(1024, 'b'));
  EXPECT_EQ(members[3].size, 0u);
  EXPECT_EQ(members[4].read_only, 1u);
  EXPECT_EQ(members[0].read_only + members[1].read_only + members[2].read_only + members[3].read_only, 0u);
}

TEST_F(BuildPayload, RejectsWhatCantBeInstalled) {
  std::vector<BuiltMember> members;
  std::string error;
  source.read_only_paths = {".\\lib\\sym\\missing.asy"};
  EXPECT_FALSE(build_payload(source, members, error));
  EXPECT_NE(error.find("missing.asy"), std::string::npos);

  source.read_only_paths.clear();
  write_host_file(source.tree + "/B.TXT", "clash");
  EXPECT_FALSE(build_payload(source, members, error));
  EXPECT_NE(error.find("same name"), std::string::npos) << error;

  std::filesystem::remove(source.tree + "/B.TXT");
  source.extra = {{"no-dot-prefix", source.tree + "/b.txt"}};
  EXPECT_FALSE(build_payload(source, members, error));
  source.extra = {{".\\x", fake.scratch + "/absent"}};
  EXPECT_FALSE(build_payload(source, members, error));
  source.extra.clear();
  source.tree = fake.scratch + "/no-tree";
  EXPECT_FALSE(build_payload(source, members, error));
}

std::string failing_compressor(const std::string&) { return std::string(); }

// A member that cannot be packed stops the build: recorded with a packed size of 0, it would
// install the next members' bytes under its name.
TEST_F(BuildPayload, AMemberThatCannotBePackedStopsTheBuild) {
  source.compress = failing_compressor;
  std::vector<BuiltMember> members;
  std::string error;
  EXPECT_FALSE(build_payload(source, members, error));
  EXPECT_EQ(error, "can't compress .\\A.txt");
}

TEST(PayloadTableSource, EntriesPointIntoTheBlob) {
  std::vector<BuiltMember> members = {member(".\\a\\b.txt", "12345"), member(".\\c", bytes_of(2000), 1)};
  std::string source = payload_table_source(members);
  EXPECT_NE(source.find("{\".\\\\a\\\\b.txt\", 0, 5u, 0u, 0, corvex_payload_blob + 0u},"), std::string::npos) << source;
  EXPECT_NE(source.find("{\".\\\\c\", 1, 2000u, " + std::to_string(members[1].packed_size) + "u, 0, corvex_payload_blob + 5u},"),
            std::string::npos);
  EXPECT_NE(payload_blob_assembly("/x/payload.bin").find("corvex_payload_blob:\n  .incbin \"/x/payload.bin\"\n"), std::string::npos);
  EXPECT_NE(source.find("payload_entry_count = 2u;"), std::string::npos);
  EXPECT_EQ(payload_blob(members), members[0].data + members[1].data);
}

}  // namespace
