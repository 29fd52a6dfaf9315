// merge_record_database: matching, sort keys, duplicate removal, the files it reads and
// writes, and its failures.
#include "test_support.h"

#include <limits>

#include "componentdb/documents.h"

namespace {

CCapacitorRec cap(const char* maker, const char* part, float v1, const char* kind = "X7R") {
  CCapacitorRec r;
  r.manufacturer = maker;
  r.part_number = part;
  r.kind = kind;
  r.value[0] = v1;
  return r;
}

CInductorRec ind(const char* maker, const char* part, float v1, float v2 = 0) {
  CInductorRec r;
  r.manufacturer = maker;
  r.part_number = part;
  r.value[0] = v1;
  r.value[1] = v2;
  return r;
}

CResistorRec res(const char* maker, const char* part, float v1, float v2 = 0.25f, float v3 = 1) {
  CResistorRec r;
  r.manufacturer = maker;
  r.part_number = part;
  r.value[0] = v1;
  r.value[1] = v2;
  r.value[2] = v3;
  return r;
}

template <class Doc> std::vector<std::string> parts(const Doc& doc) {
  std::vector<std::string> out;
  for (const auto& r : doc.records) out.push_back(r.manufacturer + "/" + r.part_number);
  return out;
}

TEST(MergeDocuments, CapacitorMatchIgnoresCase) {
  CCapacitorDoc user{{cap("generic", "c-100n", 1e-7f, "old"), cap("Mine", "M1", 2e-7f)}};
  CCapacitorDoc shipped{{cap("Generic", "C-100N", 1e-7f, "X7R")}};
  merge_documents(user, shipped);
  EXPECT_EQ(parts(user), (std::vector<std::string>{"Generic/C-100N", "Mine/M1"}));
  EXPECT_EQ(user.records[0].kind, "X7R") << "the shipped version replaces the user's";
}

TEST(MergeDocuments, EmptyTextsNeverMatchByName) {
  CCapacitorDoc user{{cap("", "P1", 1e-9f), cap("Maker", "", 2e-9f)}};
  CCapacitorDoc shipped{{cap("", "P1", 3e-9f), cap("Maker", "", 4e-9f)}};
  merge_documents(user, shipped);
  EXPECT_EQ(user.records.size(), 4u);
}

TEST(MergeDocuments, UserInductorSurvivesAtItsValuePosition) {
  CInductorDoc user{{ind("Generic", "L-MINE", 3.3e-6f), ind("Generic", "L-1U", 1e-6f)}};
  CInductorDoc shipped{{ind("Generic", "L-1U", 1e-6f, 0.02f), ind("Generic", "L-10U", 1e-5f), ind("Generic", "L-2U2", 2.2e-6f)}};
  merge_documents(user, shipped);
  EXPECT_EQ(parts(user), (std::vector<std::string>{"Generic/L-1U", "Generic/L-2U2", "Generic/L-MINE", "Generic/L-10U"}));
  EXPECT_EQ(user.records[0].value[1], 0.02f);
}

TEST(MergeDocuments, GenericResistorsMatchByTheirValues) {
  CResistorDoc user{{res("", "", 1000), res("", "", 1000, 0.5f), res("", "", 2200, 0.25f, 5)}};
  CResistorDoc shipped{{res("", "", 1000), res("", "", 2200)}};
  merge_documents(user, shipped);
  // 1000/0.25/1 replaced; 1000/0.5/1 and 2200/0.25/5 differ in a value and survive.
  ASSERT_EQ(user.records.size(), 4u);
  EXPECT_EQ(user.records[0].value[0], 1000);
  EXPECT_EQ(user.records[0].value[1], 0.25f);
  EXPECT_EQ(user.records[1].value[1], 0.5f);
  EXPECT_EQ(user.records[2].value[2], 1.0f);
  EXPECT_EQ(user.records[3].value[2], 5.0f);
}

TEST(MergeDocuments, NamedResistorMatchesByNameOnly) {
  CResistorDoc user{{res("Generic", "R1", 10), res("", "", 47)}};
  CResistorDoc shipped{{res("GENERIC", "r1", 12), res("Maker", "R47", 47)}};
  merge_documents(user, shipped);
  // The generic 47 ohm matches the branded one of the same values and is replaced.
  EXPECT_EQ(parts(user), (std::vector<std::string>{"GENERIC/r1", "Maker/R47"}));
}

TEST(MergeDocuments, CapacitorSortKeyOrder) {
  CCapacitorDoc user;
  CCapacitorRec a = cap("B", "1", 1e-6f), b = cap("a", "1", 1e-6f), c = cap("A", "2", 1e-6f, "c0g");
  CCapacitorRec d = cap("Z", "9", 1e-6f);
  d.value[1] = -1;  // value 2 comes before the texts
  CCapacitorRec e = cap("Z", "8", 1e-9f);
  user.records = {a, b, c, d, e};
  CCapacitorDoc shipped;
  merge_documents(user, shipped);
  // value 1, value 2, then kind, manufacturer, part number ignoring case.
  EXPECT_EQ(parts(user), (std::vector<std::string>{"Z/8", "Z/9", "A/2", "a/1", "B/1"}));
}

TEST(MergeDocuments, InductorTextsCompareByBytes) {
  CInductorDoc user{{ind("b", "1", 1), ind("B", "1", 1), ind("a", "2", 1), ind("a", "10", 1)}};
  CInductorDoc shipped;
  merge_documents(user, shipped);
  EXPECT_EQ(parts(user), (std::vector<std::string>{"B/1", "a/10", "a/2", "b/1"}));
}

TEST(MergeDocuments, LaterOfEqualRecordsSurvives) {
  // Equal in every key field; the capacitor key ignores case, the kind is part of it.
  CCapacitorRec first = cap("Maker", "P", 1e-6f);
  CCapacitorRec second = cap("MAKER", "p", 1e-6f);
  second.value[0] = 1e-6f;
  CCapacitorDoc user{{first, second}};
  CCapacitorDoc shipped;
  merge_documents(user, shipped);
  ASSERT_EQ(user.records.size(), 1u);
  EXPECT_EQ(user.records[0].manufacturer, "MAKER");
  // Resistors: case counts, so these two stay.
  CResistorDoc r{{res("m", "p", 1), res("M", "p", 1)}};
  CResistorDoc none;
  merge_documents(r, none);
  EXPECT_EQ(r.records.size(), 2u);
  // Three equal generic resistors collapse to the last.
  CResistorDoc three{{res("", "", 5, 1, 1), res("", "", 5, 1, 1), res("", "", 5, 1, 1)}};
  merge_documents(three, none);
  EXPECT_EQ(three.records.size(), 1u);
}

TEST(MergeDocuments, NanValuesSortLastWithoutBreakingTheOrder) {
  CInductorDoc user{{ind("a", "1", std::numeric_limits<float>::quiet_NaN()), ind("a", "2", 2), ind("a", "3", 1)}};
  CInductorDoc shipped;
  merge_documents(user, shipped);
  EXPECT_EQ(parts(user), (std::vector<std::string>{"a/3", "a/2", "a/1"}));
}

class MergeFile : public InstallerTest {
 protected:
  std::string user, shipped;
  void SetUp() override {
    InstallerTest::SetUp();
    user = win_path("install\\lib\\cmp\\standard.cap");
    shipped = win_path("temp\\shipped");
  }
  void write(const std::string& path, const CCapacitorDoc& doc) { write_host_file(host_path(path), encode_document(doc)); }
};

TEST_F(MergeFile, WritesTheMergedArchiveAndABackup) {
  write(user, CCapacitorDoc{{cap("Mine", "M", 5e-9f)}});
  write(shipped, CCapacitorDoc{{cap("Generic", "G", 1e-9f)}});
  std::string before = read_host_file(host_path(user));
  ASSERT_EQ(merge_record_database<CCapacitorDoc>(user.c_str(), shipped.c_str(), user.c_str()), 1);
  CCapacitorDoc merged;
  ASSERT_TRUE(load_document(merged, user));
  EXPECT_EQ(parts(merged), (std::vector<std::string>{"Generic/G", "Mine/M"}));
  EXPECT_EQ(read_host_file(host_path(user + ".bak")), before);
}

TEST_F(MergeFile, ReadOnlyUserFileIsReplaced) {
  write(user, CCapacitorDoc{{cap("Mine", "M", 5e-9f)}});
  write(shipped, CCapacitorDoc{{cap("Generic", "G", 1e-9f)}});
  ASSERT_TRUE(file_ops.set_read_only(user.c_str(), true));
  EXPECT_EQ(merge_record_database<CCapacitorDoc>(user.c_str(), shipped.c_str(), user.c_str()), 1);
  CCapacitorDoc merged;
  EXPECT_TRUE(load_document(merged, user));
  EXPECT_EQ(merged.records.size(), 2u);
}

TEST_F(MergeFile, EmptyUserDatabaseCountsAsUnreadable) {
  write(user, CCapacitorDoc{});
  write(shipped, CCapacitorDoc{{cap("Generic", "G", 1e-9f)}});
  EXPECT_EQ(merge_record_database<CCapacitorDoc>(user.c_str(), shipped.c_str(), user.c_str()), 0);
  EXPECT_EQ(read_host_file(host_path(user)), encode_document(CCapacitorDoc{})) << "nothing written";
  EXPECT_TRUE(host_exists(host_path(user + ".bak")));
}

TEST_F(MergeFile, Failures) {
  write(shipped, CCapacitorDoc{{cap("Generic", "G", 1e-9f)}});
  EXPECT_EQ(merge_record_database<CCapacitorDoc>(user.c_str(), shipped.c_str(), user.c_str()), 0) << "no user file";
  EXPECT_FALSE(host_exists(host_path(user + ".bak")));
  write(user, CCapacitorDoc{{cap("Mine", "M", 5e-9f)}});
  EXPECT_EQ(merge_record_database<CCapacitorDoc>("", shipped.c_str(), user.c_str()), 0);
  EXPECT_EQ(merge_record_database<CCapacitorDoc>(user.c_str(), "", user.c_str()), 0);
  EXPECT_EQ(merge_record_database<CCapacitorDoc>(user.c_str(), shipped.c_str(), ""), 0);
  EXPECT_EQ(merge_record_database<CInductorDoc>(user.c_str(), shipped.c_str(), user.c_str()), 0) << "wrong class";
  std::string missing = win_path("temp\\none");
  EXPECT_EQ(merge_record_database<CCapacitorDoc>(user.c_str(), missing.c_str(), user.c_str()), 0);
  std::string before = read_host_file(host_path(user));
  fake.fail_open = [&](const std::string& p, const char* mode) { return p == user && std::string(mode) == "wb"; };
  EXPECT_EQ(merge_record_database<CCapacitorDoc>(user.c_str(), shipped.c_str(), user.c_str()), 0) << "save fails";
  EXPECT_EQ(read_host_file(host_path(user + ".bak")), before) << "the backup keeps the user's file";
}

TEST_F(MergeFile, SampleSourceListsBuildLoadableDatabases) {
  CResistorDoc doc;
  ASSERT_TRUE(load_document(doc, std::string(CORVEX_SAMPLE_DATABASE_DIR) + "/standard.res"));
  EXPECT_GT(doc.records.size(), 10u);
  EXPECT_EQ(doc.records[0].manufacturer, "");
  CInductorDoc beads;
  ASSERT_TRUE(load_document(beads, std::string(CORVEX_SAMPLE_DATABASE_DIR) + "/standard.bead"));
  EXPECT_EQ(beads.records.size(), 5u);
}

}  // namespace
