// Model libraries: physical, cleaned and logical lines, continuations, the ";" rule, blank
// normalisation, the merge by name and the written file.
#include "test_support.h"

#include "componentdb/model_library.h"

namespace {

using Lines = std::vector<std::string>;

TEST(LogicalLines, Table) {
  struct Row {
    const char* name;
    const char* content;
    Lines lines;
  } rows[] = {
      {"empty file", "", {}},
      {"one line without feed", ".model A D", {".model A D"}},
      {"CR LF and LF", "a\r\nb\nc", {"a", "b", "c"}},
      {"three-line statement", ".model Q NPN(Is=1f\n+ Bf=100\n+Vaf=50)\n", {".model Q NPN(Is=1f Bf=100 Vaf=50)"}},
      {"continuation after white space", "a\n \t+  b\n", {"a b"}},
      {"blanks around =", ".model D D( Is = 1n  Rs =2 )", {".model D D( Is=1n Rs=2 )"}},
      {"tabs are blanks", "a\tb\t=\tc", {"a b=c"}},
      {"runs of blanks", "a    b     c", {"a b c"}},
      {"one leading blank goes", "   x", {"x"}},
      {"comment cut when a continuation follows", "a ; one\n+ b ; two\n", {"a b ; two"}},
      {"comment of the last line stays", "a\n+ b ; note\nc\n", {"a b ; note", "c"}},
      {"empty held line is skipped", "a\n\nb\n", {"a", "b"}},
      {"two empty lines give one empty logical line", "a\n\n\nb\n", {"a", "", "b"}},
      {"continuation text starting with white space", "a\n+\tb\n", {"a b"}},
      {"lone continuation first", "+ x\ny", {"+ x", "y"}},
      {"line ends at its first CR", "ab\rcd\nef", {"ab", "ef"}},
  };
  for (const Row& row : rows) EXPECT_EQ(read_logical_lines(row.content), row.lines) << row.name;
}

TEST(LogicalLines, LongLines) {
  std::string long_line = ".model BIG D(" + std::string(100000, 'x') + ")";
  Lines lines = read_logical_lines(long_line + "\n+ Is=1\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], long_line + " Is=1");
}

TEST(ModelEntries, OnlyModelStatementsWithTheirNames) {
  std::vector<ModelEntry> entries = parse_model_library(
      "* comment\n.MODEL Npn1 NPN(Bf=1)\n.subckt X a b\n  .model   Q2 PNP\n.model\n.modelx y z\n.end\n");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].name, "Npn1");
  EXPECT_EQ(entries[0].text, ".MODEL Npn1 NPN(Bf=1)");
  EXPECT_EQ(entries[1].name, "Q2");
  EXPECT_EQ(entries[1].text, ".model Q2 PNP");
  EXPECT_EQ(entries[2].name, "");
  EXPECT_EQ(entries[3].name, "y");
  EXPECT_TRUE(parse_model_library("* only\n* comments\n").empty());
}

TEST(ModelMerge, ByNameAtTheUsersPosition) {
  std::vector<ModelEntry> user = parse_model_library(".model mine1 D\n.model q2n NPN(Bf=1)\n.model mine2 D\n.model Q2N NPN(Bf=2)\n");
  std::vector<ModelEntry> shipped = parse_model_library(".model NEW D\n.model Q2N NPN(Bf=300)\n");
  merge_model_entries(user, shipped);
  std::vector<std::string> texts;
  for (auto& e : user) texts.push_back(e.text);
  EXPECT_EQ(texts, (std::vector<std::string>{".model mine1 D", ".model Q2N NPN(Bf=300)", ".model mine2 D",
                                            ".model Q2N NPN(Bf=2)", ".model NEW D"}));
}

TEST(ModelMerge, NamelessEntriesNeverMatch) {
  std::vector<ModelEntry> user = parse_model_library(".model\n");
  std::vector<ModelEntry> shipped = parse_model_library(".model\n");
  merge_model_entries(user, shipped);
  EXPECT_EQ(user.size(), 2u);
}

TEST(ModelMerge, OutputFormat) {
  std::vector<ModelEntry> entries = parse_model_library(".model A D\n.model B D\n");
  std::string out = format_model_library(entries);
  EXPECT_EQ(out.rfind("* Copyright", 0), 0u);
  size_t header_end = out.find("\r\n*\r\n\r\n");
  ASSERT_NE(header_end, std::string::npos);
  EXPECT_EQ(out.find("\r\n"), header_end) << "the notice is one line";
  EXPECT_EQ(out.substr(header_end + 7), ".model A D\r\n.model B D\r\n");
}

class ModelLibraryFile : public InstallerTest {
 protected:
  std::string user, shipped;
  void SetUp() override {
    InstallerTest::SetUp();
    user = win_path("install\\lib\\cmp\\standard.dio");
    shipped = win_path("temp\\shipped");
  }
  std::string body() {
    std::string out = read_host_file(host_path(user));
    size_t at = out.find("\r\n*\r\n\r\n");
    return at == std::string::npos ? "<no header>" : out.substr(at + 7);
  }
};

TEST_F(ModelLibraryFile, MergesWritesAndBacksUp) {
  std::string mine = "* my parts\r\n.model MY_D D(Is = 1n\r\n+ Rs=1\r\n+ N=2)\r\n.model diode_gp D(Is=9)\r\n";
  write_host_file(host_path(user), mine);
  write_host_file(host_path(shipped), ".model DIODE_GP D(Is=2.52n)\n.model RECT_GP D(Is=14n)\n");
  ASSERT_EQ(merge_model_library(user.c_str(), shipped.c_str(), user.c_str()), 1);
  EXPECT_EQ(body(), ".model MY_D D(Is=1n Rs=1 N=2)\r\n.model DIODE_GP D(Is=2.52n)\r\n.model RECT_GP D(Is=14n)\r\n");
  EXPECT_EQ(read_host_file(host_path(user + ".bak")), mine);
}

TEST_F(ModelLibraryFile, CommentsOnlyUserFileGetsHeaderAndShippedModels) {
  write_host_file(host_path(user), "* nothing here\n");
  write_host_file(host_path(shipped), ".model A D\n");
  ASSERT_EQ(merge_model_library(user.c_str(), shipped.c_str(), user.c_str()), 1);
  EXPECT_EQ(body(), ".model A D\r\n");
}

TEST_F(ModelLibraryFile, ReadOnlyOutputIsMadeWritable) {
  write_host_file(host_path(user), ".model A D\n");
  write_host_file(host_path(shipped), ".model B D\n");
  file_ops.set_read_only(user.c_str(), true);
  EXPECT_EQ(merge_model_library(user.c_str(), shipped.c_str(), user.c_str()), 1);
  EXPECT_EQ(body(), ".model A D\r\n.model B D\r\n");
}

TEST_F(ModelLibraryFile, Failures) {
  write_host_file(host_path(shipped), ".model B D\n");
  EXPECT_EQ(merge_model_library(user.c_str(), shipped.c_str(), user.c_str()), 0) << "no user file";
  write_host_file(host_path(user), ".model A D\n");
  EXPECT_EQ(merge_model_library(user.c_str(), "", user.c_str()), 0);
  EXPECT_EQ(merge_model_library("", shipped.c_str(), user.c_str()), 0);
  std::string none = win_path("temp\\none");
  EXPECT_EQ(merge_model_library(user.c_str(), none.c_str(), user.c_str()), 0) << "shipped can't be read";
  EXPECT_EQ(read_host_file(host_path(user)), ".model A D\n");
  fake.fail_open = [&](const std::string& p, const char* mode) { return p == user && std::string(mode) == "wb"; };
  EXPECT_EQ(merge_model_library(user.c_str(), shipped.c_str(), user.c_str()), 0) << "output can't be opened";
}

}  // namespace
