// Shared helpers of the installer tests: a fixture with a fresh fake file system, and a
// payload table over members built in memory.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_file_ops.h"
#include "payload_members.h"
#include "payload/payload_builder.h"
#include "payload/payload_entry.h"

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override { fake.reset(); }
};

// Entries pointing into the members' data; the members must outlive the table.
inline std::vector<PayloadEntry> entries_of(const std::vector<BuiltMember>& members) {
  std::vector<PayloadEntry> entries;
  for (const BuiltMember& m : members)
    entries.push_back(PayloadEntry{m.path.c_str(), m.read_only, m.size, m.packed_size, 0,
                                   reinterpret_cast<const unsigned char*>(m.data.data())});
  return entries;
}

