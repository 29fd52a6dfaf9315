// Payload members built in memory, shared by the native and the Wine tests of the installer.
#pragma once

#include <cstdint>
#include <string>

#include "payload/payload_builder.h"
#include "payload/payload_entry.h"

// A member as the builder makes it: stored up to 1024 bytes, else one gzip member.
inline BuiltMember member(const std::string& path, const std::string& content, uint32_t read_only = 0) {
  BuiltMember m{path, read_only, uint32_t(content.size()), 0, content};
  if (content.size() > kPayloadStoredLimit) {
    m.data = gzip_member(content);
    m.packed_size = uint32_t(m.data.size());
  }
  return m;
}

// Text that deflate can't shrink to nothing: n bytes of a fixed pseudo-random sequence.
inline std::string bytes_of(size_t n, unsigned seed = 1) {
  std::string s(n, '\0');
  unsigned x = seed;
  for (char& c : s) {
    x = x * 1103515245u + 12345u;
    c = char("abcdefgh ijklmnop\r\nqrstuvwxyz0123456789=+.;"[(x >> 16) % 44]);
  }
  return s;
}
