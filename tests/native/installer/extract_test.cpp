// The extraction worker on the fake file system: plain extraction, read-only files, update
// mode merges and their fallback, fatal errors, status lines.
#include "test_support.h"

#include "componentdb/documents.h"
#include "files/files.h"
#include "payload/extract.h"

namespace {

CCapacitorDoc capacitors(std::initializer_list<std::pair<const char*, float>> parts) {
  CCapacitorDoc doc;
  for (auto& [part, farads] : parts) {
    CCapacitorRec r;
    r.manufacturer = "Generic";
    r.part_number = part;
    r.kind = "X7R";
    r.value[0] = farads;
    doc.records.push_back(r);
  }
  return doc;
}

const char kShippedBjt[] = ".model NPN_GP NPN(Bf=255.9)\r\n.model PNP_GP PNP(Bf=231.7)\r\n";

class Worker : public InstallerTest {
 protected:
  std::vector<BuiltMember> members;
  InstallState state;
  std::vector<std::string> status_at_open;  // the status line whenever a file is opened for writing

  void SetUp() override {
    InstallerTest::SetUp();
    state.install_directory = win_path("install");
    members = {
        member(".\\CHANGES.txt", bytes_of(3000, 1)),
        member(".\\lib\\cmp\\standard.bjt", kShippedBjt),
        member(".\\lib\\cmp\\standard.cap", encode_document(capacitors({{"C-1", 1e-9f}, {"C-2", 1e-6f}}))),
        member(".\\lib\\sym\\cap.asy", "symbol cap\r\n", 1),
        member(".\\lib\\sym\\res.asy", "symbol res\r\n"),
        member(".\\tesl3.exe", bytes_of(70000, 3)),
    };
    fake.on_open = [this](const std::string&, const char* mode) {
      if (std::string(mode) == "wb") status_at_open.push_back(state.status.read());
    };
  }
  void run() {
    std::vector<PayloadEntry> entries = entries_of(members);
    run_extraction(entries.data(), uint32_t(entries.size()), state);
  }
  std::string installed(const std::string& relative) { return read_host_file(host_path(win_path("install\\" + relative))); }
  std::string installed_host(const std::string& relative) { return host_path(win_path("install\\" + relative)); }
};

TEST_F(Worker, ExtractsEveryMemberByteForByte) {
  run();
  EXPECT_EQ(state.done.load(), 1);
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(installed("CHANGES.txt"), bytes_of(3000, 1)) << "packed: its content, not the gzip member";
  EXPECT_EQ(installed("tesl3.exe"), bytes_of(70000, 3));
  EXPECT_EQ(installed("lib\\sym\\cap.asy"), "symbol cap\r\n");
  EXPECT_EQ(installed("lib\\cmp\\standard.bjt"), kShippedBjt);
  EXPECT_EQ(installed("lib\\cmp\\standard.cap"), members[2].data);
  EXPECT_EQ(fake.read_only.count(installed_host("lib\\sym\\cap.asy")), 1u);
  EXPECT_EQ(fake.read_only.count(installed_host("lib\\sym\\res.asy")), 0u);
  EXPECT_EQ(fake.read_only.size(), 1u);
}

TEST_F(Worker, StatusLines) {
  run();
  // The last entry's line stays in the buffer, ".gz" after the path of a stored member too.
  EXPECT_EQ(state.status.read(), "Extracting: .\\tesl3.exe.gz\n");
  ASSERT_GE(status_at_open.size(), members.size());
  EXPECT_EQ(status_at_open[0], "Extracting: .\\CHANGES.txt.gz\n");
  EXPECT_NE(std::find(status_at_open.begin(), status_at_open.end(), "Extracting: .\\lib\\sym\\cap.asy.gz\n"),
            status_at_open.end());
}

TEST_F(Worker, StoredMemberNeverReachesTheDecompressor) {
  // A stored member that happens to look like gzip is still written as it is.
  members = {member(".\\looks-gzipped.bin", gzip_member("tiny"))};
  ASSERT_EQ(members[0].packed_size, 0u);
  run();
  EXPECT_EQ(installed("looks-gzipped.bin"), gzip_member("tiny"));
  EXPECT_TRUE(fake.temp_names.empty());
}

TEST_F(Worker, SecondInstallationOverReadOnlyFiles) {
  run();
  state.done = 0;
  members[3] = member(".\\lib\\sym\\cap.asy", "symbol cap v2\r\n", 1);
  run();
  EXPECT_EQ(state.done.load(), 1);
  EXPECT_EQ(installed("lib\\sym\\cap.asy"), "symbol cap v2\r\n");
  EXPECT_EQ(fake.read_only.count(installed_host("lib\\sym\\cap.asy")), 1u);
}

TEST_F(Worker, UpdateModeWithoutDatabasesExtractsPlainly) {
  state.update_mode = 1;
  run();
  EXPECT_EQ(installed("lib\\cmp\\standard.cap"), members[2].data);
  for (const std::string& s : status_at_open) EXPECT_EQ(s.find("Merging"), std::string::npos) << s;
  EXPECT_FALSE(host_exists(installed_host("lib\\cmp\\standard.cap.bak")));
}

TEST_F(Worker, UpdateModeMergesExistingDatabases) {
  std::string user_cap = encode_document(capacitors({{"c-1", 2e-9f}, {"MINE", 5e-9f}}));
  write_host_file(installed_host("lib\\cmp\\standard.cap"), user_cap);
  write_host_file(installed_host("lib\\cmp\\standard.bjt"), ".model MY_NPN NPN(Bf=50)\r\n.model npn_gp NPN(Bf=1)\r\n");
  state.update_mode = 1;
  run();
  EXPECT_TRUE(fake.messages.empty()) << fake.messages.front();
  CCapacitorDoc merged;
  ASSERT_TRUE(load_document(merged, win_path("install\\lib\\cmp\\standard.cap")));
  ASSERT_EQ(merged.records.size(), 3u);
  EXPECT_EQ(merged.records[0].part_number, "C-1");
  EXPECT_EQ(merged.records[1].part_number, "MINE");
  EXPECT_EQ(merged.records[2].part_number, "C-2");
  EXPECT_EQ(read_host_file(installed_host("lib\\cmp\\standard.cap.bak")), user_cap);
  std::string bjt = installed("lib\\cmp\\standard.bjt");
  EXPECT_NE(bjt.find("\r\n\r\n.model MY_NPN NPN(Bf=50)\r\n.model NPN_GP NPN(Bf=255.9)\r\n.model PNP_GP PNP(Bf=231.7)\r\n"),
            std::string::npos)
      << bjt;
  EXPECT_NE(std::find(status_at_open.begin(), status_at_open.end(), "Merging: .\\lib\\cmp\\standard.cap.gz\n"),
            status_at_open.end());
  for (const std::string& t : fake.temp_names) EXPECT_FALSE(host_exists(host_path(t))) << t;
}

TEST_F(Worker, OverwriteModeIgnoresExistingDatabases) {
  write_host_file(installed_host("lib\\cmp\\standard.cap"), encode_document(capacitors({{"MINE", 5e-9f}})));
  run();
  EXPECT_EQ(installed("lib\\cmp\\standard.cap"), members[2].data);
  EXPECT_FALSE(host_exists(installed_host("lib\\cmp\\standard.cap.bak")));
}

TEST_F(Worker, FailedMergeIsReportedAndTheShippedFileOverwrites) {
  write_host_file(installed_host("lib\\cmp\\standard.cap"), "not an archive");
  state.update_mode = 1;
  run();
  EXPECT_EQ(fake.messages, std::vector<std::string>{"Trouble merging capacitor databases.\n    ...overwriting"});
  EXPECT_EQ(installed("lib\\cmp\\standard.cap"), members[2].data);
  EXPECT_EQ(read_host_file(installed_host("lib\\cmp\\standard.cap.bak")), "not an archive");
  EXPECT_EQ(state.done.load(), 1);
}

TEST_F(Worker, PackedDatabaseIsDecompressedBeforeTheMerge) {
  std::string big_library;
  for (int i = 0; i < 200; ++i) big_library += ".model Q" + std::to_string(i) + " NPN(Bf=" + std::to_string(100 + i) + ")\r\n";
  members[1] = member(".\\lib\\cmp\\standard.bjt", big_library);
  ASSERT_NE(members[1].packed_size, 0u);
  write_host_file(installed_host("lib\\cmp\\standard.bjt"), ".model MINE NPN(Bf=1)\n");
  state.update_mode = 1;
  run();
  std::string merged = installed("lib\\cmp\\standard.bjt");
  EXPECT_NE(merged.find("\r\n\r\n.model MINE NPN(Bf=1)\r\n.model Q0 NPN(Bf=100)\r\n"), std::string::npos);
  EXPECT_NE(merged.find(".model Q199 NPN(Bf=299)\r\n"), std::string::npos);
}

TEST_F(Worker, CorruptMemberIsFatalAndKeepsWhatWasWritten) {
  members[5].data[members[5].data.size() - 8] ^= 0x20;  // tesl3.exe's CRC
  try {
    run();
    FAIL() << "the worker went on";
  } catch (const ProcessEnded& e) {
    EXPECT_EQ(e.exit_code, 0);
  }
  std::string target = win_path("install\\tesl3.exe");
  // The second line is zlib's text, naming the file as the (fake) gzopen was given it.
  EXPECT_EQ(fake.messages,
            std::vector<std::string>{"Trouble writing: " + target + "\n" + host_path(target) + ": incorrect data check"});
  EXPECT_EQ(state.done.load(), 0);
  EXPECT_EQ(installed("CHANGES.txt"), bytes_of(3000, 1)) << "nothing is rolled back";
}

TEST_F(Worker, UnwritableMemberIsFatal) {
  fake.fail_open = [](const std::string& p, const char*) { return p.find("res.asy") != std::string::npos; };
  EXPECT_THROW(run(), ProcessEnded);
  EXPECT_EQ(fake.messages, std::vector<std::string>{"Trouble writing file.\nOut of disk space?  Permission problem?"});
}

TEST_F(Worker, MergeTemporaryFileThatCantBeCreatedIsFatal) {
  write_host_file(installed_host("lib\\cmp\\standard.cap"), encode_document(capacitors({{"MINE", 5e-9f}})));
  state.update_mode = 1;
  fake.fail_open = [this](const std::string& p, const char*) {
    return p.find("\\temp\\") != std::string::npos && state.status.read().rfind("Merging", 0) == 0;
  };
  EXPECT_THROW(run(), ProcessEnded);
  EXPECT_EQ(fake.messages,
            std::vector<std::string>{"Trouble creating temporary file.\nOut of disk space?  Permission problem?"});
}

TEST_F(Worker, CorruptPackedDatabaseInUpdateModeIsFatal) {
  std::string lib;
  for (int i = 0; i < 100; ++i) lib += ".model D" + std::to_string(i) + " D(Is=1e-14)\r\n";
  members[1] = member(".\\lib\\cmp\\standard.bjt", lib);
  members[1].data[members[1].data.size() - 8] ^= 1;
  write_host_file(installed_host("lib\\cmp\\standard.bjt"), ".model MINE NPN\n");
  state.update_mode = 1;
  EXPECT_THROW(run(), ProcessEnded);
  ASSERT_EQ(fake.messages.size(), 1u);
  const std::string& temp = fake.temp_names.at(1);  // the first was CHANGES.txt's
  EXPECT_EQ(fake.messages[0], "Trouble un-gziping tmpfile: " + temp + "\n" + host_path(temp) + ": incorrect data check");
  EXPECT_FALSE(host_exists(host_path(temp))) << "the temporary file is deleted";
  EXPECT_EQ(installed("lib\\cmp\\standard.bjt"), ".model MINE NPN\n") << "the user's file is untouched";
}

TEST(DatabaseMerges, TheEightPathsAndTheirTexts) {
  struct Row {
    const char* path;
    const char* text;
  } rows[] = {
      {".\\lib\\cmp\\standard.bjt", "Trouble merging BJT databases.\n    ...overwriting"},
      {".\\lib\\cmp\\standard.mos", "Trouble merging MOSFET databases.\n    ...overwriting"},
      {".\\lib\\cmp\\standard.jft", "Trouble merging JFET databases.\n    ...overwriting"},
      {".\\lib\\cmp\\standard.dio", "Trouble merging diode databases.\n    ...overwriting"},
      {".\\lib\\cmp\\standard.cap", "Trouble merging capacitor databases.\n    ...overwriting"},
      {".\\lib\\cmp\\standard.res", "Trouble merging resistor databases.\n    ...overwriting"},
      {".\\lib\\cmp\\standard.ind", "Trouble merging inductor databases.\n    ...overwriting"},
      {".\\lib\\cmp\\standard.bead", "Trouble merging ferrite bead databases.\n    ...overwriting"},
  };
  for (const Row& r : rows) {
    const DatabaseMerge* m = find_database_merge(r.path);
    ASSERT_NE(m, nullptr) << r.path;
    EXPECT_EQ(merge_failure_text(*m), r.text);
  }
  EXPECT_NE(find_database_merge(".\\LIB\\CMP\\Standard.Bead"), nullptr);
  EXPECT_EQ(find_database_merge(".\\lib\\cmp\\standard.bak"), nullptr);
  EXPECT_EQ(find_database_merge(".\\lib\\sub\\standard.bjt"), nullptr);
  EXPECT_EQ(find_database_merge(".\\lib\\cmp\\standard.cap.bak"), nullptr);
}

}  // namespace
