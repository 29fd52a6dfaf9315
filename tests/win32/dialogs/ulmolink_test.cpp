// ulmolink against a window of class "AppFrame" in this process: the message number it sends
// and the clipboard text the window reads while handling it; and its exit codes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "driver.h"

namespace {

struct Received {
  UINT message;
  std::string text;
};
std::vector<Received> received;
std::vector<WPARAM> commands;   // WM_COMMAND ids the frame took

LRESULT CALLBACK frame_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message >= WM_APP + 5 && message <= WM_APP + 7) {
    Received r{message, "<no text>"};
    if (OpenClipboard(hwnd)) {
      if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char *text = static_cast<const char *>(GlobalLock(data))) {
          r.text = text;
          GlobalUnlock(data);
        }
      }
      CloseClipboard();
    } else {
      r.text = "<clipboard busy>";
    }
    received.push_back(r);
    return 0;
  }
  if (message == WM_COMMAND) {
    commands.push_back(wparam);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

struct LinkRun {
  int exit_code;
  std::string error;   // what it wrote on stderr
};

// Runs ulmolink with `arguments`, handling this thread's messages until it ends.
LinkRun run_ulmolink(const std::string &arguments) {
  LinkRun run{-1, ""};
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read_end, write_end;
  if (!CreatePipe(&read_end, &write_end, &inherit, 1 << 16)) return run;
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdError = write_end;
  startup.hStdOutput = write_end;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string exe = windows_path(ULMOLINK_EXE);
  std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &process)) {
    CloseHandle(read_end);
    CloseHandle(write_end);
    return run;
  }
  CloseHandle(write_end);
  for (;;) {
    DWORD woke = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 30000, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) break;
    if (woke != WAIT_OBJECT_0 + 1) {
      TerminateProcess(process.hProcess, 99);
      break;
    }
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  run.exit_code = static_cast<int>(code);
  char buffer[1024];
  DWORD got;
  while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0) run.error.append(buffer, got);
  CloseHandle(read_end);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

class UlmoLink : public ::testing::Test {
 protected:
  void SetUp() override {
    received.clear();
    commands.clear();
    WNDCLASSA wc{};
    wc.lpfnWndProc = frame_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "AppFrame";
    RegisterClassA(&wc);
    frame = CreateWindowA("AppFrame", "Ulmo-Postprocessor", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                          nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(frame, nullptr);
  }
  void TearDown() override {
    if (frame) DestroyWindow(frame);
    UnregisterClassA("AppFrame", GetModuleHandleA(nullptr));
  }
  HWND frame = nullptr;
};

TEST_F(UlmoLink, SendsEachMessageWithTheText) {
  struct Row {
    const char *option;
    UINT message;
  } rows[] = {{"", WM_APP + 5}, {"-5", WM_APP + 5}, {"-6", WM_APP + 6}, {"-7", WM_APP + 7}};
  const std::string text = "C:\\sim\\amp lifier.out;1,2,3;db logx";
  for (const Row &r : rows) {
    received.clear();
    std::string args = std::string(r.option) + (r.option[0] ? " " : "") + "\"" + text + "\"";
    LinkRun run = run_ulmolink(args);
    EXPECT_EQ(run.exit_code, 0) << args << ": " << run.error;
    ASSERT_EQ(received.size(), 1u) << args;
    EXPECT_EQ(received[0].message, r.message) << args;
    EXPECT_EQ(received[0].text, text) << args;
  }
  EXPECT_EQ(WM_APP + 5, 32773u);
  EXPECT_EQ(WM_APP + 7, 32775u);
}

// --command posts a frame command, the one way to reach those no menu carries.
TEST_F(UlmoLink, PostsAFrameCommand) {
  LinkRun run = run_ulmolink("--command 10003");
  EXPECT_EQ(run.exit_code, 0) << run.error;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  EXPECT_EQ(commands, std::vector<WPARAM>{10003});
  EXPECT_TRUE(received.empty());
  for (const char *args : {"--command", "--command x", "--command 0", "--command 70000",
                           "--command 10003 10004"}) {
    commands.clear();
    EXPECT_EQ(run_ulmolink(args).exit_code, 2) << args;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_TRUE(commands.empty()) << args;
  }
}

TEST_F(UlmoLink, LongestTextTheFrameReads) {
  std::string text = "C:\\a.out;" + std::string(1023 - 9, '1');
  LinkRun run = run_ulmolink("\"" + text + "\"");
  EXPECT_EQ(run.exit_code, 0) << run.error;
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].text, text);
}

TEST_F(UlmoLink, NoFrameWindow) {
  DestroyWindow(frame);
  frame = nullptr;
  LinkRun run = run_ulmolink("C:\\a.out;1");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.error.find("AppFrame"), std::string::npos) << run.error;
  EXPECT_TRUE(received.empty());
}

TEST_F(UlmoLink, BadUsageSendsNothing) {
  const char *cases[] = {"", "-5", "-9 C:\\a.out;1", "C:\\a.out;1 extra", "\"\"",
                         "-6 C:\\a.out;1 C:\\b.out;2"};
  for (const char *args : cases) {
    LinkRun run = run_ulmolink(args);
    EXPECT_EQ(run.exit_code, 2) << args;
    EXPECT_NE(run.error.find("usage: ulmolink"), std::string::npos) << args << ": " << run.error;
  }
  // Longer than the frame reads: refused rather than cut.
  LinkRun run = run_ulmolink("\"C:\\a.out;" + std::string(1024 - 9, '2') + "\"");
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_TRUE(received.empty());
}

}  // namespace
