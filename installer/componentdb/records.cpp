// Archive forms, matching and sort keys of the three record classes.
//
// Numbers compare by the sign of their difference. A NaN has no such sign; it is ordered
// after every number (and equal to another NaN) so that the sort always sees a consistent
// order.
#include "componentdb/records.h"

#include "files/ascii.h"

namespace {

int compare_numbers(float a, float b) {
  bool a_nan = a != a, b_nan = b != b;
  if (a_nan || b_nan) return int(a_nan) - int(b_nan);
  float d = a - b;
  return d < 0 ? -1 : d > 0 ? 1 : 0;
}

int compare_bytes(const std::string& a, const std::string& b) {
  int c = a.compare(b);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

int compare_values(const float* a, const float* b, int count) {
  for (int i = 0; i < count; ++i)
    if (int c = compare_numbers(a[i], b[i])) return c;
  return 0;
}

bool same_named_part(const std::string& user_maker, const std::string& user_part,
                     const std::string& shipped_maker, const std::string& shipped_part) {
  if (user_maker.empty() || user_part.empty() || shipped_maker.empty() || shipped_part.empty())
    return false;
  return ascii_iequal(user_maker, shipped_maker) && ascii_iequal(user_part, shipped_part);
}

}  // namespace

void read_fields(ArchiveReader& in, CCapacitorRec& rec) {
  rec.manufacturer = in.read_text();
  rec.part_number = in.read_text();
  rec.kind = in.read_text();
  for (int i = 0; i < 4; ++i) rec.value[i] = in.read_number();
  in.read_word();  // reserved word A
  rec.value[4] = in.read_number();
  in.read_word();  // reserved word B
}

void write_fields(ArchiveWriter& out, const CCapacitorRec& rec) {
  out.write_text(rec.manufacturer);
  out.write_text(rec.part_number);
  out.write_text(rec.kind);
  for (int i = 0; i < 4; ++i) out.write_number(rec.value[i]);
  out.write_word(0);
  out.write_number(rec.value[4]);
  out.write_word(0);
}

void read_fields(ArchiveReader& in, CInductorRec& rec) {
  rec.manufacturer = in.read_text();
  rec.part_number = in.read_text();
  for (float& v : rec.value) v = in.read_number();
  // The maker has been spelt in several ways over the years; one spelling keeps its parts
  // matching each other.
  if (ascii_icontains(rec.manufacturer, "Wurth Elektronik") || ascii_icontains(rec.manufacturer, "WE eiSos"))
    rec.manufacturer = "Wurth Elektronik";
}

void write_fields(ArchiveWriter& out, const CInductorRec& rec) {
  out.write_text(rec.manufacturer);
  out.write_text(rec.part_number);
  for (float v : rec.value) out.write_number(v);
}

void read_fields(ArchiveReader& in, CResistorRec& rec) {
  rec.manufacturer = in.read_text();
  rec.part_number = in.read_text();
  for (float& v : rec.value) v = in.read_number();
}

void write_fields(ArchiveWriter& out, const CResistorRec& rec) {
  out.write_text(rec.manufacturer);
  out.write_text(rec.part_number);
  for (float v : rec.value) out.write_number(v);
}

bool records_match(const CCapacitorRec& user, const CCapacitorRec& shipped) {
  return same_named_part(user.manufacturer, user.part_number, shipped.manufacturer, shipped.part_number);
}

bool records_match(const CInductorRec& user, const CInductorRec& shipped) {
  return same_named_part(user.manufacturer, user.part_number, shipped.manufacturer, shipped.part_number);
}

bool records_match(const CResistorRec& user, const CResistorRec& shipped) {
  if (same_named_part(user.manufacturer, user.part_number, shipped.manufacturer, shipped.part_number))
    return true;
  // A generic resistor is known by its values alone.
  return user.manufacturer.empty() && user.part_number.empty() && user.value[0] == shipped.value[0] &&
         user.value[1] == shipped.value[1] && user.value[2] == shipped.value[2];
}

int compare_keys(const CCapacitorRec& a, const CCapacitorRec& b) {
  if (int c = compare_values(a.value, b.value, 5)) return c;
  if (int c = ascii_icompare(a.kind, b.kind)) return c;
  if (int c = ascii_icompare(a.manufacturer, b.manufacturer)) return c;
  return ascii_icompare(a.part_number, b.part_number);
}

int compare_keys(const CInductorRec& a, const CInductorRec& b) {
  if (int c = compare_values(a.value, b.value, 5)) return c;
  if (int c = compare_bytes(a.manufacturer, b.manufacturer)) return c;
  return compare_bytes(a.part_number, b.part_number);
}

int compare_keys(const CResistorRec& a, const CResistorRec& b) {
  if (int c = compare_values(a.value, b.value, 3)) return c;
  if (int c = compare_bytes(a.manufacturer, b.manufacturer)) return c;
  return compare_bytes(a.part_number, b.part_number);
}
