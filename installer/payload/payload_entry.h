// One member of the installer's payload table.
//
// The table is generated at build time from the suite's file tree (payload_builder.h) and
// compiled into CorvexIV as a constant array; each entry points at its member's bytes in the
// program's read-only data, so installing costs no memory beyond the image. A member is
// either the file's bytes as they are (packed_size 0) or one gzip member that decompresses
// to size bytes. Nothing here is ever freed: the table and the bytes live as long as the
// program.
#pragma once

#include <cstddef>
#include <cstdint>

struct PayloadEntry {
  const char* path;           // ".\lib\cmp\standard.bjt": backslashes, always ".\" first
  uint32_t read_only;         // 1: set the read-only attribute once the file is written
  uint32_t size;              // length of the installed file
  uint32_t packed_size;       // 0: stored as is; else the length of its gzip member
  uint32_t spare;             // never read by the installer; the builder writes 0
  const unsigned char* data;  // the member's bytes
};

// Six 32-bit fields in the i686 program; the host build only differs in its pointer width.
static_assert(sizeof(void*) != 4 || sizeof(PayloadEntry) == 24, "PayloadEntry is six 32-bit fields");

// Files of this length or less are stored raw, larger ones as gzip members.
constexpr uint32_t kPayloadStoredLimit = 1024;

// The embedded table, defined by the generated source of the program that embeds a payload.
extern const PayloadEntry payload_table[];
extern const uint32_t payload_entry_count;
