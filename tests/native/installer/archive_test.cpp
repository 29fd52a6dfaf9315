// The record archive: exact bytes of the three record classes, the count and text length
// forms, class tags, and the reader's refusals.
#include <gtest/gtest.h>

#include <cstring>

#include "componentdb/documents.h"

namespace {

std::string hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

std::string unhex(const std::string& text) {
  std::string out;
  for (size_t i = 0; i + 1 < text.size(); i += 2) out += char(std::stoi(text.substr(i, 2), nullptr, 16));
  return out;
}

CCapacitorRec capacitor(const char* maker, const char* part, const char* kind, float v1) {
  CCapacitorRec r;
  r.manufacturer = maker;
  r.part_number = part;
  r.kind = kind;
  r.value[0] = v1;
  return r;
}

TEST(Archive, CapacitorBytes) {
  CCapacitorDoc doc;
  doc.records.push_back(capacitor("AB", "C1", "X7R", 1.0f));
  CCapacitorRec second = capacitor("", "", "", 0.5f);
  second.value[1] = 2.0f;
  second.value[4] = -1.0f;
  doc.records.push_back(second);
  EXPECT_EQ(hex(encode_document(doc)),
            "0200"                                // count
            "FFFF" "0000" "0D00" "43436170616369746F72526563"  // new class, schema 0, "CCapacitorRec"
            "024142" "024331" "03583752"          // texts
            "0000803F" "00000000" "00000000" "00000000"  // values 1..4
            "00000000"                            // reserved word A
            "00000000"                            // value 5
            "00000000"                            // reserved word B
            "0180"                                // tag 8001
            "00" "00" "00"
            "0000003F" "00000040" "00000000" "00000000" "00000000" "000080BF" "00000000");
}

TEST(Archive, InductorAndResistorBytes) {
  CInductorDoc ind;
  CInductorRec l;
  l.manufacturer = "M";
  l.part_number = "P";
  for (int i = 0; i < 5; ++i) l.value[i] = float(i + 1);
  ind.records.push_back(l);
  EXPECT_EQ(hex(encode_document(ind)),
            "0100FFFF00000C00" "43496E647563746F72526563" "014D" "0150"
            "0000803F" "00000040" "00004040" "00008040" "0000A040");
  CResistorDoc res;
  CResistorRec r;
  r.value[0] = 1000.0f;
  res.records.push_back(r);
  res.records.push_back(r);
  EXPECT_EQ(hex(encode_document(res)),
            "0200FFFF00000C00" "435265736973746F72526563" "0000" "00007A44" "00000000" "00000000"
            "0180" "0000" "00007A44" "00000000" "00000000");
}

TEST(Archive, EmptyDocumentIsACountOfZero) {
  EXPECT_EQ(hex(encode_document(CResistorDoc{})), "0000");
  CResistorDoc doc;
  EXPECT_EQ(decode_document(unhex("0000"), doc), ArchiveError::none);
  EXPECT_TRUE(doc.records.empty());
}

TEST(Archive, TextLengthForms) {
  struct Row {
    size_t length;
    const char* prefix;
  } rows[] = {{0, "00"}, {254, "FE"}, {255, "FFFF00"}, {0xFFFD, "FFFDFF"}, {0xFFFE, "FFFFFFFEFF0000"},
              {70000, "FFFFFF70110100"}};
  for (const Row& row : rows) {
    ArchiveWriter w;
    w.write_text(std::string(row.length, 'x'));
    EXPECT_EQ(hex(w.bytes().substr(0, w.bytes().size() - row.length)), row.prefix) << row.length;
    ArchiveReader r(w.bytes());
    EXPECT_EQ(r.read_text().size(), row.length);
    EXPECT_TRUE(r.ok());
  }
  // A 16-bit length of FFFE is read as it stands.
  std::string bytes = unhex("FFFEFF") + std::string(0xFFFE, 'y');
  ArchiveReader r(bytes);
  EXPECT_EQ(r.read_text().size(), 0xFFFEu);
  EXPECT_TRUE(r.ok());
}

TEST(Archive, CountForms) {
  for (auto [count, bytes] : {std::pair<uint32_t, const char*>{0, "0000"}, {65534, "FEFF"}, {65535, "FFFFFFFF0000"},
                              {70000, "FFFF70110100"}}) {
    ArchiveWriter w;
    w.write_count(count);
    EXPECT_EQ(hex(w.bytes()), bytes);
    ArchiveReader r(w.bytes());
    EXPECT_EQ(r.read_count(), count);
  }
}

TEST(Archive, LargeCountRoundTrip) {
  CResistorDoc doc;
  doc.records.resize(70000);
  for (size_t i = 0; i < doc.records.size(); ++i) doc.records[i].value[0] = float(i);
  std::string bytes = encode_document(doc);
  EXPECT_EQ(hex(bytes.substr(0, 6)), "FFFF70110100");
  CResistorDoc back;
  ASSERT_EQ(decode_document(bytes, back), ArchiveError::none);
  ASSERT_EQ(back.records.size(), 70000u);
  EXPECT_EQ(back.records[69999].value[0], 69999.0f);
}

TEST(Archive, ReservedWordsAreDroppedAndWrittenAsZero) {
  CCapacitorDoc doc;
  doc.records.push_back(capacitor("A", "B", "C", 1.0f));
  std::string bytes = encode_document(doc);
  size_t reserved_a = 2 + 2 + 2 + 2 + 13 + 2 + 2 + 2 + 16;
  memcpy(&bytes[reserved_a], "\x11\x22\x33\x44", 4);
  memcpy(&bytes[bytes.size() - 4], "\x00\x00\x80\x3F", 4);  // 1.0f in reserved word B
  CCapacitorDoc back;
  ASSERT_EQ(decode_document(bytes, back), ArchiveError::none);
  EXPECT_EQ(back.records[0].value[4], 0.0f) << "value 5 lies between the reserved words";
  std::string again = encode_document(back);
  EXPECT_EQ(again.substr(reserved_a, 4), std::string(4, '\0'));
  EXPECT_EQ(again.substr(again.size() - 4), std::string(4, '\0'));
}

TEST(Archive, RoundTripKeepsEveryField) {
  CCapacitorDoc doc;
  CCapacitorRec r = capacitor("Maker", std::string(300, 'p').c_str(), "Film", 4.7e-6f);
  r.value[1] = 63;
  r.value[2] = 0.01f;
  r.value[3] = -2;
  r.value[4] = 105;
  doc.records = {r, capacitor("", "", "", 0)};
  CCapacitorDoc back;
  ASSERT_EQ(decode_document(encode_document(doc), back), ArchiveError::none);
  ASSERT_EQ(back.records.size(), 2u);
  EXPECT_EQ(back.records[0].part_number, std::string(300, 'p'));
  EXPECT_EQ(back.records[0].kind, "Film");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(back.records[0].value[i], r.value[i]) << i;
}

TEST(Archive, EveryTruncationIsTold) {
  CInductorDoc doc;
  CInductorRec l;
  l.manufacturer = "Maker";
  l.part_number = "L1";
  doc.records = {l, l};
  std::string bytes = encode_document(doc);
  for (size_t n = 0; n < bytes.size(); ++n) {
    CInductorDoc back;
    EXPECT_EQ(decode_document(bytes.substr(0, n), back), ArchiveError::truncated) << n;
    EXPECT_TRUE(back.records.empty());
  }
}

TEST(Archive, NotOurFormat) {
  CResistorDoc res;
  CResistorRec r;
  res.records = {r, r};
  std::string good = encode_document(res);
  CInductorDoc wrong_class;
  EXPECT_EQ(decode_document(good, wrong_class), ArchiveError::malformed);
  struct Row {
    const char* name;
    std::string bytes;
  } rows[] = {
      {"schema 1", unhex("0100FFFF01000C00") + "CResistorRec" + std::string(14, '\0')},
      {"object back-reference", good.substr(0, good.size() - 16) + unhex("0100")},
      {"unknown class index", good.substr(0, good.size() - 16) + unhex("0280") + std::string(14, '\0')},
      {"class tag before any class", unhex("01000180") + std::string(14, '\0')},
      {"class named twice", good.substr(0, good.size() - 16) + good.substr(2, 18) + std::string(14, '\0')},
      {"long tag of an object", good.substr(0, good.size() - 16) + unhex("FF7F01000000") + std::string(14, '\0')},
  };
  for (const Row& row : rows) {
    CResistorDoc back;
    EXPECT_EQ(decode_document(row.bytes, back), ArchiveError::malformed) << row.name;
  }
  // The long form of a class reference is accepted.
  std::string big = good.substr(0, good.size() - 16) + unhex("FF7F01000080") + std::string(14, '\0');
  CResistorDoc back;
  EXPECT_EQ(decode_document(big, back), ArchiveError::none);
  EXPECT_EQ(back.records.size(), 2u);
}

TEST(InductorRecord, WurthElektronikSpellings) {
  struct Row {
    const char* stored;
    const char* read;
  } rows[] = {
      {"we eisos GmbH & Co. KG", "Wurth Elektronik"},
      {"WURTH ELEKTRONIK", "Wurth Elektronik"},
      {"Maker: Wurth Elektronik eiSos", "Wurth Elektronik"},
      {"Wurth", "Wurth"},
      {"WE-eiSos", "WE-eiSos"},
      {"Generic", "Generic"},
  };
  for (const Row& row : rows) {
    CInductorDoc doc;
    CInductorRec l;
    l.manufacturer = row.stored;
    l.part_number = "744";
    doc.records = {l};
    CInductorDoc back;
    ASSERT_EQ(decode_document(encode_document(doc), back), ArchiveError::none);
    EXPECT_EQ(back.records[0].manufacturer, row.read) << row.stored;
  }
}

}  // namespace
