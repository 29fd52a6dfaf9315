// The record archive of the component databases: a class-tagged serialisation.
//
// Layout (all integers little-endian):
//   count   u16, or FFFF then u32 when the count is 65535 or more
//   records each: class tag, then the record's fields
//     tag FFFF            new class: u16 schema, u16 name length, name bytes; the class takes
//                         the next index (from 1)
//     tag 8000 + index    a class named earlier in the same archive
//     tag 7FFF, u32       the long form of a class reference (80000000 + index)
//   text    length u8; FF then u16; FF FFFF then u32; then the bytes, no terminator
//   number  32-bit IEEE float
//   word    32 bits
// Every record is a new object and takes an index as well (indices are shared by classes
// and objects); object back-references are not our format and make a read fail.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ArchiveError { none, truncated, malformed };

class ArchiveWriter {
 public:
  void write_count(uint32_t count);
  void write_class_tag(const char* class_name);  // once per record, before its fields
  void write_text(const std::string& text);
  void write_number(float number);
  void write_word(uint32_t word);
  const std::string& bytes() const { return bytes_; }

 private:
  void write_u8(uint8_t v) { bytes_.push_back(char(v)); }
  void write_u16(uint16_t v);
  void write_u32(uint32_t v);

  std::string bytes_;
  std::vector<std::string> class_names_;  // class_indices_[i] belongs to class_names_[i]
  std::vector<uint32_t> class_indices_;
  uint32_t next_index_ = 1;
};

// Reads from a byte range that outlives the reader. The first failure sticks: later reads
// return zeros and error() tells whether the input ended early or was not an archive.
class ArchiveReader {
 public:
  ArchiveReader(const std::string& bytes) : at_(bytes.data()), end_(bytes.data() + bytes.size()) {}
  uint32_t read_count();
  // Reads a record's class tag; anything but a record of this class is malformed.
  bool read_class_tag(const char* class_name);
  std::string read_text();
  float read_number();
  uint32_t read_word();
  ArchiveError error() const { return error_; }
  bool ok() const { return error_ == ArchiveError::none; }

 private:
  bool take(void* out, size_t length);
  uint8_t read_u8();
  uint16_t read_u16();
  uint32_t read_u32();
  void fail(ArchiveError error) {
    if (error_ == ArchiveError::none) error_ = error;
  }

  const char* at_;
  const char* end_;
  ArchiveError error_ = ArchiveError::none;
  uint32_t known_class_index_ = 0;  // 0 until the archive has named our class
  uint32_t next_index_ = 1;
};
