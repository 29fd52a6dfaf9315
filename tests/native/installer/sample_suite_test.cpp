// The sample suite's generated payload table, as compiled into this test: its order and
// members, gzip -t as an outside reader of every packed member, and an extraction that
// reproduces the suite tree byte for byte.
#include "test_support.h"

#include <cstdlib>
#include <filesystem>
#include <map>

#include "files/ascii.h"
#include "payload/extract.h"

namespace fs = std::filesystem;

namespace {

// Payload path -> content of the suite as built: the tree plus the generated databases.
std::map<std::string, std::string> suite_files() {
  std::map<std::string, std::string> files;
  for (auto& e : fs::recursive_directory_iterator(CORVEX_SAMPLE_TREE))
    if (e.is_regular_file())
      files[payload_path(fs::relative(e.path(), CORVEX_SAMPLE_TREE).generic_string())] = read_host_file(e.path());
  for (const char* ext : {"cap", "res", "ind", "bead"})
    files[std::string(".\\lib\\cmp\\standard.") + ext] =
        read_host_file(std::string(CORVEX_SAMPLE_DATABASE_DIR) + "/standard." + ext);
  return files;
}

using SampleSuite = InstallerTest;

TEST_F(SampleSuite, TableHoldsTheTreeInOrder) {
  std::map<std::string, std::string> files = suite_files();
  ASSERT_EQ(payload_entry_count, files.size());
  int packed = 0, read_only = 0;
  for (uint32_t i = 0; i < payload_entry_count; ++i) {
    const PayloadEntry& e = payload_table[i];
    ASSERT_EQ(files.count(e.path), 1u) << e.path;
    EXPECT_EQ(e.size, files[e.path].size()) << e.path;
    EXPECT_EQ(e.packed_size != 0, e.size > 1024) << e.path;
    EXPECT_EQ(e.spare, 0u);
    if (i > 0) {
      EXPECT_LT(ascii_icompare(payload_table[i - 1].path, e.path), 0) << e.path;
    }
    packed += e.packed_size != 0;
    read_only += int(e.read_only);
  }
  EXPECT_EQ(read_only, 6);
  EXPECT_GT(packed, 0);
  EXPECT_LT(packed, int(payload_entry_count));
  for (const char* name : {"cap", "diode", "polcap", "schottky", "varactor", "zener"}) {
    std::string path = std::string(".\\lib\\sym\\") + name + ".asy";
    auto e = std::find_if(payload_table, payload_table + payload_entry_count,
                          [&](const PayloadEntry& p) { return path == p.path; });
    ASSERT_NE(e, payload_table + payload_entry_count) << path;
    EXPECT_EQ(e->read_only, 1u) << path;
  }
}

TEST_F(SampleSuite, EveryPackedMemberPassesGzipTest) {
  int tested = 0;
  for (uint32_t i = 0; i < payload_entry_count; ++i) {
    const PayloadEntry& e = payload_table[i];
    if (!e.packed_size) continue;
    std::string file = fake.scratch + "/member" + std::to_string(i) + ".gz";
    write_host_file(file, std::string(reinterpret_cast<const char*>(e.data), e.packed_size));
    EXPECT_EQ(std::system(("gzip -t " + file).c_str()), 0) << e.path;
    ++tested;
  }
  EXPECT_GT(tested, 0);
  // gzip -t does tell a bad member: the same check on a corrupted copy fails.
  const PayloadEntry* e = std::find_if(payload_table, payload_table + payload_entry_count,
                                       [](const PayloadEntry& p) { return p.packed_size != 0; });
  std::string bad(reinterpret_cast<const char*>(e->data), e->packed_size);
  bad[bad.size() - 6] ^= 0x10;
  write_host_file(fake.scratch + "/bad.gz", bad);
  EXPECT_NE(std::system(("gzip -t " + fake.scratch + "/bad.gz 2>/dev/null").c_str()), 0);
}

TEST_F(SampleSuite, ExtractionReproducesTheTree) {
  InstallState state;
  state.install_directory = win_path("Corvex IV");
  run_extraction(payload_table, payload_entry_count, state);
  EXPECT_EQ(state.done.load(), 1);
  EXPECT_TRUE(fake.messages.empty());
  std::map<std::string, std::string> files = suite_files();
  size_t installed = 0;
  for (auto& e : fs::recursive_directory_iterator(host_path(state.install_directory)))
    if (e.is_regular_file()) {
      std::string path = payload_path(fs::relative(e.path(), host_path(state.install_directory)).generic_string());
      ASSERT_EQ(files.count(path), 1u) << "not in the suite: " << path;
      EXPECT_TRUE(read_host_file(e.path()) == files[path]) << path << " differs";
      ++installed;
    }
  EXPECT_EQ(installed, files.size());
}

}  // namespace
