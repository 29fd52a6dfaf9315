// Runs the built ulmocli as a user runs it, collecting its status and both streams.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun run_command(const std::string &command_line) {
  // Named after the process: the test programs of this folder run at the same time.
  std::string err_path = ::testing::TempDir() + "ulmocli_err_" + std::to_string(getpid()) + ".txt";
  std::string command = command_line + " 2>" + err_path;
  CliRun r{-1, "", ""};
  FILE *p = popen(command.c_str(), "r");
  if (!p) return r;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) r.out.append(buffer, n);
  int raw = pclose(p);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream e(err_path);
  r.err.assign(std::istreambuf_iterator<char>(e), std::istreambuf_iterator<char>());
  return r;
}

inline CliRun run(const std::string &arguments) {
  return run_command(std::string(ULMOCLI) + " " + arguments);
}
