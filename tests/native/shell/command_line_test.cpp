#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace {

struct CommandLineCase {
  const char *name;
  const char *command_line;
  const char *path;
};

const CommandLineCase kCases[] = {
    {"empty", "", ""},
    {"null", nullptr, ""},
    {"plain", "C:\\sim\\amp.out", "C:\\sim\\amp.out"},
    {"quoted", "\"C:\\my sims\\amp.out\"", "C:\\my sims\\amp.out"},
    {"switch", "/embedding", ""},
    {"quoted_switch", "\"/x\"", ""},
    {"lone_quote", "\"", ""},
    {"empty_quotes", "\"\"", ""},
};

TEST(CommandLine, DataFilePath) {
  for (const CommandLineCase &c : kCases)
    EXPECT_EQ(command_line_data_path(c.command_line), c.path) << c.name;
}

}  // namespace
