// The extraction worker on Wine's file system with the real Win32 file operations:
// stored and packed members, read-only targets, directory chains, update mode, and (in a
// child process whose message boxes the test reads and answers) a failing merge and a
// corrupt member. Last, the worker on its own thread installs the embedded sample suite.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "componentdb/documents.h"
#include "files/files.h"
#include "payload/extract.h"
#include "payload/payload_builder.h"
#include "payload_members.h"
#include "wait.h"

namespace fs = std::filesystem;

namespace {

const int kChildFinished = 3;  // a child that reached the done flag exits with this

std::string read_file(const std::string& path) {
  std::string bytes;
  FILE* in = fopen(path.c_str(), "rb");
  if (!in) return "<missing>";
  char block[4096];
  size_t got;
  while ((got = fread(block, 1, sizeof block, in)) > 0) bytes.append(block, got);
  fclose(in);
  return bytes;
}

void write_file(const std::string& path, const std::string& bytes) {
  int counter = 0;
  make_directory_path(directory_part(path), counter);
  FILE* out = fopen(path.c_str(), "wb");
  ASSERT_NE(out, nullptr) << path;
  fwrite(bytes.data(), 1, bytes.size(), out);
  fclose(out);
}

bool is_read_only(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY);
}

// A folder never used before: this file system is slow to create files where it just
// deleted some, and every test must start from nothing.
std::string fresh_directory() {
  static int serial = 0;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string dir = std::string(temp) + "corvex-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(GetTickCount()) + "-" + std::to_string(++serial);
  return dir;
}


void extract(const std::vector<BuiltMember>& members, InstallState& state) {
  std::vector<PayloadEntry> entries;
  for (const BuiltMember& m : members)
    entries.push_back(PayloadEntry{m.path.c_str(), m.read_only, m.size, m.packed_size, 0,
                                   reinterpret_cast<const unsigned char*>(m.data.data())});
  run_extraction(entries.data(), uint32_t(entries.size()), state);
}

CCapacitorDoc capacitors(std::initializer_list<const char*> parts) {
  CCapacitorDoc doc;
  float value = 1e-9f;
  for (const char* part : parts) {
    CCapacitorRec r;
    r.manufacturer = "Generic";
    r.part_number = part;
    r.kind = "X7R";
    r.value[0] = value *= 10;
    doc.records.push_back(r);
  }
  return doc;
}

std::vector<BuiltMember> sample_members() {
  return {
      member(".\\big.txt", bytes_of(200000, 1)),
      member(".\\lib\\cmp\\standard.cap", encode_document(capacitors({"C1", "C2"}))),
      member(".\\lib\\sym\\cap.asy", "symbol cap\r\n", 1),
      member(".\\lib\\sym\\res.asy", "symbol res\r\n"),
      member(".\\a\\b\\c\\d\\deep.bin", bytes_of(3000, 2)),
  };
}

TEST(Worker, StoredAndPackedMembersAndDirectoryChains) {
  std::vector<BuiltMember> members = sample_members();
  ASSERT_NE(members[0].packed_size, 0u);
  ASSERT_EQ(members[2].packed_size, 0u);
  InstallState state;
  state.install_directory = fresh_directory() + "\\Corvex IV";  // parents made on demand
  extract(members, state);
  EXPECT_EQ(state.done.load(), 1);
  const std::string& dir = state.install_directory;
  EXPECT_EQ(read_file(dir + "\\big.txt"), bytes_of(200000, 1));
  EXPECT_EQ(read_file(dir + "\\a\\b\\c\\d\\deep.bin"), bytes_of(3000, 2));
  EXPECT_EQ(read_file(dir + "\\lib\\sym\\cap.asy"), "symbol cap\r\n");
  EXPECT_EQ(read_file(dir + "\\lib\\cmp\\standard.cap"), members[1].data);
  EXPECT_TRUE(is_read_only(dir + "\\lib\\sym\\cap.asy"));
  EXPECT_FALSE(is_read_only(dir + "\\lib\\sym\\res.asy"));
  EXPECT_EQ(state.status.read(), "Extracting: .\\a\\b\\c\\d\\deep.bin.gz\n");
}

TEST(Worker, ReadOnlyTargetsAreReplaced) {
  std::string dir = fresh_directory();
  write_file(dir + "\\lib\\sym\\res.asy", "old res");
  SetFileAttributesA((dir + "\\lib\\sym\\res.asy").c_str(), FILE_ATTRIBUTE_READONLY);
  write_file(dir + "\\big.txt", "old big");
  SetFileAttributesA((dir + "\\big.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  std::vector<BuiltMember> members = sample_members();
  for (int pass = 0; pass < 2; ++pass) {  // the second installation meets the read-only symbols
    InstallState state;
    state.install_directory = dir;
    extract(members, state);
    EXPECT_EQ(state.done.load(), 1) << pass;
    EXPECT_EQ(read_file(dir + "\\lib\\sym\\res.asy"), "symbol res\r\n") << pass;
    EXPECT_EQ(read_file(dir + "\\big.txt"), bytes_of(200000, 1)) << pass;
    EXPECT_TRUE(is_read_only(dir + "\\lib\\sym\\cap.asy")) << pass;
  }
}

TEST(Worker, UpdateModeWithAndWithoutDatabases) {
  std::vector<BuiltMember> members = sample_members();
  std::swap(members[1], members[4]);  // the database last, so its status line stays
  std::string without = fresh_directory();
  InstallState state;
  state.install_directory = without;
  state.update_mode = 1;
  extract(members, state);
  EXPECT_EQ(read_file(without + "\\lib\\cmp\\standard.cap"), members[4].data);
  EXPECT_EQ(state.status.read(), "Extracting: .\\lib\\cmp\\standard.cap.gz\n");
  EXPECT_EQ(GetFileAttributesA((without + "\\lib\\cmp\\standard.cap.bak").c_str()), INVALID_FILE_ATTRIBUTES);

  std::string with = fresh_directory();
  std::string user = encode_document(capacitors({"MINE"}));
  write_file(with + "\\lib\\cmp\\standard.cap", user);
  InstallState update;
  update.install_directory = with;
  update.update_mode = 1;
  extract(members, update);
  EXPECT_EQ(update.status.read(), "Merging: .\\lib\\cmp\\standard.cap.gz\n");
  CCapacitorDoc merged;
  ASSERT_TRUE(load_document(merged, with + "\\lib\\cmp\\standard.cap"));
  ASSERT_EQ(merged.records.size(), 3u);
  EXPECT_EQ(merged.records[0].part_number, "C1");
  EXPECT_EQ(merged.records[1].part_number, "MINE");  // 1e-8 ties with C1's value; key then orders by texts
  EXPECT_EQ(read_file(with + "\\lib\\cmp\\standard.cap.bak"), user);
}

struct MessageBoxSearch {
  DWORD pid;
  HWND box;
};

BOOL CALLBACK find_message_box(HWND w, LPARAM p) {
  MessageBoxSearch* s = reinterpret_cast<MessageBoxSearch*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char cls[64] = "";
  GetClassNameA(w, cls, sizeof cls);
  if (pid == s->pid && strcmp(cls, "#32770") == 0 && IsWindowVisible(w)) {
    s->box = w;
    return FALSE;
  }
  return TRUE;
}

// Runs this program as a child with the scenario, reads the message boxes it shows and
// presses their OK buttons. Returns the child's exit code.
DWORD run_child(const std::string& scenario, const std::string& dir, std::vector<std::string>& messages) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = "\"" + std::string(self) + "\" --child " + scenario + " \"" + dir + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return DWORD(-1);
  for (int waited = 0; WaitForSingleObject(pi.hProcess, 50) == WAIT_TIMEOUT; waited += 50) {
    MessageBoxSearch search{pi.dwProcessId, nullptr};
    EnumWindows(find_message_box, reinterpret_cast<LPARAM>(&search));
    if (search.box) {
      // The message is the box's longest static text.
      std::string text;
      for (HWND c = GetWindow(search.box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[64] = "", buf[4096] = "";
        GetClassNameA(c, cls, sizeof cls);
        if (_stricmp(cls, "Static") == 0 && GetWindowTextA(c, buf, sizeof buf) > int(text.size())) text = buf;
      }
      messages.push_back(text);
      PostMessageA(search.box, WM_COMMAND, IDOK, 0);
      // The same box is not read twice.
      wait_until([&] { return !IsWindow(search.box); }, 10000);
    }
    if (waited > 120000) {
      TerminateProcess(pi.hProcess, 99);
      break;
    }
  }
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

// Message boxes show "\n" line breaks as "\r\n" in some versions; compare on "\n".
std::string unified(std::string s) {
  for (size_t at; (at = s.find("\r\n")) != std::string::npos;) s.erase(at, 1);
  return s;
}

TEST(WorkerChild, FailingMergeFallsBackToTheShippedFile) {
  std::string dir = fresh_directory();
  write_file(dir + "\\lib\\cmp\\standard.cap", "not a database");
  std::vector<std::string> messages;
  EXPECT_EQ(run_child("merge-fails", dir, messages), DWORD(kChildFinished));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(unified(messages[0]), "Trouble merging capacitor databases.\n    ...overwriting");
  EXPECT_EQ(read_file(dir + "\\lib\\cmp\\standard.cap"), encode_document(capacitors({"C1", "C2"})));
  EXPECT_EQ(read_file(dir + "\\lib\\cmp\\standard.cap.bak"), "not a database");
}

TEST(WorkerChild, CorruptMemberEndsTheInstallation) {
  std::string dir = fresh_directory();
  std::vector<std::string> messages;
  EXPECT_EQ(run_child("corrupt", dir, messages), 0u) << "fatal errors end with exit code 0";
  ASSERT_EQ(messages.size(), 1u);
  std::string target = dir + "\\zz.bin";
  EXPECT_EQ(unified(messages[0]), "Trouble writing: " + target + "\n" + target + ": incorrect data check");
  EXPECT_EQ(read_file(dir + "\\big.txt"), bytes_of(200000, 1)) << "what was written stays";
}

int child_main(const std::string& scenario, const std::string& dir) {
  std::vector<BuiltMember> members = sample_members();
  InstallState& state = install_state;
  state.install_directory = dir;
  if (scenario == "merge-fails") {
    state.update_mode = 1;
  } else if (scenario == "corrupt") {
    members.push_back(member(".\\zz.bin", bytes_of(5000, 9)));
    members.back().data[members.back().data.size() - 8] ^= 0x40;
  } else {
    return 2;
  }
  extract(members, state);
  return kChildFinished;
}

// The suite as built: the committed tree, the generated databases and the stand-ins.
std::map<std::string, std::string> sample_suite() {
  std::map<std::string, std::string> files;
  for (auto& e : fs::recursive_directory_iterator(CORVEX_SAMPLE_TREE))
    if (e.is_regular_file()) {
      std::string rel = fs::relative(e.path(), CORVEX_SAMPLE_TREE).generic_string();
      for (char& c : rel)
        if (c == '/') c = '\\';
      files[rel] = read_file(e.path().string());
    }
  for (const char* ext : {"cap", "res", "ind", "bead"})
    files[std::string("lib\\cmp\\standard.") + ext] = read_file(std::string(CORVEX_SAMPLE_DATABASE_DIR) + "/standard." + ext);
  for (const char* exe : {"tesl3.exe", "moveexe.exe", "unlink.exe"})
    files[exe] = read_file(std::string(CORVEX_STANDIN_DIR) + "/" + exe);
  return files;
}

TEST(WorkerProbe, InstallsTheSampleSuiteByteForByte) {
  std::string dir = fresh_directory() + "\\HVX\\CorvexIV";
  std::string command = "\"" + std::string(CORVEX_PROGRAM) + "\" \"" + dir + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) << command;
  DWORD waited = WaitForSingleObject(pi.hProcess, 120000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
  DWORD code = 99;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  ASSERT_EQ(waited, WAIT_OBJECT_0) << "worker_probe.exe did not finish (a message box?)";
  EXPECT_EQ(code, 0u);
  std::map<std::string, std::string> suite = sample_suite();
  size_t installed = 0;
  for (auto& e : fs::recursive_directory_iterator(dir))
    if (e.is_regular_file()) {
      std::string rel = fs::relative(e.path(), dir).string();
      ASSERT_EQ(suite.count(rel), 1u) << "not in the suite: " << rel;
      EXPECT_TRUE(read_file(e.path().string()) == suite[rel]) << rel << " differs";
      ++installed;
    }
  EXPECT_EQ(installed, suite.size());
  for (const char* name : {"cap", "diode", "polcap", "schottky", "varactor", "zener"})
    EXPECT_TRUE(is_read_only(dir + "\\lib\\sym\\" + name + ".asy")) << name;
  EXPECT_FALSE(is_read_only(dir + "\\lib\\sym\\res.asy"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--child") return child_main(argv[2], argv[3]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
