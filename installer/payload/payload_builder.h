// Build-time side of the payload: turns a suite file tree into the payload table.
//
// Host-only (std::filesystem, zlib's deflate). The members are ordered by path compared
// case-insensitively; files of kPayloadStoredLimit bytes or less are stored raw, larger ones
// become one gzip member each with the fixed header 1F 8B 08 00 00 00 00 00 00 0B. Which
// files are read-only comes from a manifest of the tree, so the tree itself needs no
// attributes that a checkout would lose.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct BuiltMember {
  std::string path;      // ".\lib\sym\cap.asy"
  uint32_t read_only;    // from the manifest
  uint32_t size;         // installed length
  uint32_t packed_size;  // 0 when stored raw
  std::string data;      // the member's bytes: the file, or its gzip member
};

// One gzip member of the content, fixed header, raw deflate, CRC-32 and ISIZE; empty when
// deflate fails (a member is never empty: its header alone is 10 bytes).
std::string gzip_member(const std::string& content);
using Compressor = std::string (*)(const std::string& content);

// ".\" + the relative path with backslashes.
std::string payload_path(const std::string& relative_generic_path);

// Order of the table: path ignoring ASCII case, then byte order so that the order is total.
bool payload_path_less(const std::string& a, const std::string& b);

// The manifest: one "readonly <payload path>" per line; "#" starts a comment line.
// Returns false with a message for any other line.
bool parse_manifest(const std::string& text, std::vector<std::string>& read_only_paths, std::string& error);

struct PayloadSource {
  std::string tree;                                        // suite folder
  std::vector<std::string> read_only_paths;                // payload paths, from the manifest
  std::vector<std::pair<std::string, std::string>> extra;  // (payload path, file) built elsewhere
  Compressor compress = gzip_member;                       // packs the members above the limit
};

// Reads the tree and the extra files into sorted members. False with a message when a file
// can't be read or packed, a path occurs twice, a name can't be a payload path, a file is too
// large for the table's 32-bit fields, or a manifest path names no file.
bool build_payload(const PayloadSource& source, std::vector<BuiltMember>& members, std::string& error);

// The generated C++ source: the table over one blob, corvex_payload_blob. Member i's data
// starts at the sum of the earlier members' lengths.
std::string payload_table_source(const std::vector<BuiltMember>& members);

// The generated assembly source that defines corvex_payload_blob from the blob file.
std::string payload_blob_assembly(const std::string& blob_path);

// The members' bytes, concatenated in table order.
std::string payload_blob(const std::vector<BuiltMember>& members);
