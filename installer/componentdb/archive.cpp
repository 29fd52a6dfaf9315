// Record archive writer and reader (layout in archive.h).
//
// The reader never trusts a length before checking that the input still holds it, so a
// truncated or hostile file fails cleanly instead of reading past its end.
#include "componentdb/archive.h"

#include <cstring>

namespace {

const uint16_t kNewClassTag = 0xFFFF;
const uint16_t kClassTag = 0x8000;
const uint16_t kBigTag = 0x7FFF;
const uint32_t kBigClassTag = 0x80000000u;

}  // namespace

void ArchiveWriter::write_u16(uint16_t v) {
  write_u8(uint8_t(v));
  write_u8(uint8_t(v >> 8));
}

void ArchiveWriter::write_u32(uint32_t v) {
  write_u16(uint16_t(v));
  write_u16(uint16_t(v >> 16));
}

void ArchiveWriter::write_count(uint32_t count) {
  if (count < 0xFFFF) {
    write_u16(uint16_t(count));
  } else {
    write_u16(0xFFFF);
    write_u32(count);
  }
}

void ArchiveWriter::write_class_tag(const char* class_name) {
  for (size_t i = 0; i < class_names_.size(); ++i) {
    if (class_names_[i] != class_name) continue;
    uint32_t index = class_indices_[i];
    if (index < kBigTag) {
      write_u16(uint16_t(kClassTag | index));
    } else {
      write_u16(kBigTag);
      write_u32(kBigClassTag | index);
    }
    ++next_index_;  // the record itself
    return;
  }
  size_t length = strlen(class_name);
  write_u16(kNewClassTag);
  write_u16(0);  // schema
  write_u16(uint16_t(length));
  bytes_.append(class_name, length);
  class_names_.push_back(class_name);
  class_indices_.push_back(next_index_++);
  ++next_index_;
}

void ArchiveWriter::write_text(const std::string& text) {
  size_t length = text.size();
  if (length < 0xFF) {
    write_u8(uint8_t(length));
  } else if (length < 0xFFFE) {  // FFFE is left alone: some readers take it as a marker
    write_u8(0xFF);
    write_u16(uint16_t(length));
  } else {
    write_u8(0xFF);
    write_u16(0xFFFF);
    write_u32(uint32_t(length));
  }
  bytes_.append(text);
}

void ArchiveWriter::write_number(float number) {
  uint32_t bits;
  static_assert(sizeof bits == sizeof number, "IEEE single is 32 bits");
  memcpy(&bits, &number, sizeof bits);
  write_u32(bits);
}

void ArchiveWriter::write_word(uint32_t word) { write_u32(word); }

bool ArchiveReader::take(void* out, size_t length) {
  if (!ok()) return false;
  if (size_t(end_ - at_) < length) {
    fail(ArchiveError::truncated);
    return false;
  }
  memcpy(out, at_, length);
  at_ += length;
  return true;
}

uint8_t ArchiveReader::read_u8() {
  unsigned char b[1] = {0};
  take(b, 1);
  return b[0];
}

uint16_t ArchiveReader::read_u16() {
  unsigned char b[2] = {0, 0};
  take(b, 2);
  return uint16_t(b[0] | b[1] << 8);
}

uint32_t ArchiveReader::read_u32() {
  unsigned char b[4] = {0, 0, 0, 0};
  take(b, 4);
  return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

uint32_t ArchiveReader::read_count() {
  uint16_t count = read_u16();
  return count == 0xFFFF ? read_u32() : count;
}

bool ArchiveReader::read_class_tag(const char* class_name) {
  uint16_t tag = read_u16();
  if (!ok()) return false;
  if (tag == kNewClassTag) {
    uint16_t schema = read_u16();
    uint16_t length = read_u16();
    if (!ok()) return false;
    if (size_t(end_ - at_) < length) {
      fail(ArchiveError::truncated);
      return false;
    }
    std::string name(at_, length);
    at_ += length;
    // A second class, or ours named twice, is no database of ours.
    if (schema != 0 || name != class_name || known_class_index_ != 0) {
      fail(ArchiveError::malformed);
      return false;
    }
    known_class_index_ = next_index_++;
  } else {
    uint32_t index;
    if (tag == kBigTag) {
      uint32_t big = read_u32();
      if (!ok()) return false;
      if (!(big & kBigClassTag)) {
        fail(ArchiveError::malformed);  // an object back-reference
        return false;
      }
      index = big & ~kBigClassTag;
    } else if (tag & kClassTag) {
      index = tag & ~kClassTag;
    } else {
      fail(ArchiveError::malformed);  // an object back-reference
      return false;
    }
    if (index == 0 || index != known_class_index_) {
      fail(ArchiveError::malformed);
      return false;
    }
  }
  ++next_index_;  // the record
  return true;
}

std::string ArchiveReader::read_text() {
  uint32_t length = read_u8();
  if (length == 0xFF) {
    length = read_u16();
    if (length == 0xFFFF) length = read_u32();
  }
  if (!ok()) return std::string();
  if (size_t(end_ - at_) < length) {
    fail(ArchiveError::truncated);
    return std::string();
  }
  std::string text(at_, length);
  at_ += length;
  return text;
}

float ArchiveReader::read_number() {
  uint32_t bits = read_u32();
  float number;
  memcpy(&number, &bits, sizeof number);
  return number;
}

uint32_t ArchiveReader::read_word() { return read_u32(); }
