// Loading, saving and merging the record databases.
//
// The merge keeps the user's own parts: every shipped record replaces the user records that
// stand for the same part and is appended; the list is then sorted by its values and of
// records equal in every key field only the later one stays. The merged archive is encoded
// in memory before the old file is deleted, so nothing is deleted that cannot be replaced
// by a complete file.
#include "componentdb/documents.h"

#include <algorithm>

#include "componentdb/backup.h"
#include "files/files.h"

template <class Doc> std::string encode_document(const Doc& doc) {
  ArchiveWriter out;
  out.write_count(uint32_t(doc.records.size()));
  for (const auto& rec : doc.records) {
    out.write_class_tag(Doc::Record::class_name);
    write_fields(out, rec);
  }
  return out.bytes();
}

template <class Doc> ArchiveError decode_document(const std::string& bytes, Doc& doc) {
  doc.records.clear();
  ArchiveReader in(bytes);
  uint32_t count = in.read_count();
  // No reservation by the count: a hostile count ends at the first missing record.
  for (uint32_t i = 0; i < count && in.ok(); ++i) {
    typename Doc::Record rec;
    if (!in.read_class_tag(Doc::Record::class_name)) break;
    read_fields(in, rec);
    if (in.ok()) doc.records.push_back(std::move(rec));
  }
  if (!in.ok()) doc.records.clear();
  return in.error();
}

namespace {

bool read_whole_file(const std::string& path, std::string& bytes) {
  FILE* in = file_ops.open(path.c_str(), "rb");
  if (!in) return false;
  char block[4096];
  size_t got;
  bytes.clear();
  while ((got = fread(block, 1, sizeof block, in)) > 0) bytes.append(block, got);
  bool ok = !ferror(in);
  fclose(in);
  return ok;
}

}  // namespace

template <class Doc> bool load_document(Doc& doc, const std::string& path) {
  doc.records.clear();
  std::string bytes;
  if (!exists_as_file(path) || !read_whole_file(path, bytes)) return false;
  return decode_document(bytes, doc) == ArchiveError::none && !doc.records.empty();
}

template <class Doc> bool save_document(const Doc& doc, const std::string& path) {
  std::string bytes = encode_document(doc);
  FILE* out = file_ops.open(path.c_str(), "wb");
  return out && write_and_close(out, bytes.data(), bytes.size());
}

template <class Doc> void merge_documents(Doc& user, Doc& shipped) {
  auto& u = user.records;
  for (auto& s : shipped.records) {
    u.erase(std::remove_if(u.begin(), u.end(), [&](const typename Doc::Record& r) { return records_match(r, s); }),
            u.end());
    u.push_back(std::move(s));
  }
  shipped.records.clear();
  // Stable, so that "the later one" of two equal records is the later one in the list.
  std::stable_sort(u.begin(), u.end(),
                   [](const typename Doc::Record& a, const typename Doc::Record& b) { return compare_keys(a, b) < 0; });
  for (size_t i = u.size() - (u.empty() ? 0 : 1); i-- > 0;)
    if (compare_keys(u[i], u[i + 1]) == 0) u.erase(u.begin() + i);
}

template <class Doc> int merge_record_database(const char* output_path, const char* shipped_path, const char* user_path) {
  if (!output_path || !*output_path || !shipped_path || !*shipped_path || !user_path || !*user_path) return 0;
  if (!exists_as_file(user_path)) return 0;
  backup_database(user_path);
  Doc user, shipped;
  if (!load_document(user, user_path) || !load_document(shipped, shipped_path)) return 0;
  merge_documents(user, shipped);
  std::string bytes = encode_document(user);
  remove_even_if_read_only(output_path);
  FILE* out = file_ops.open(output_path, "wb");
  return out && write_and_close(out, bytes.data(), bytes.size()) ? 1 : 0;
}

#define INSTANTIATE(Doc)                                                              \
  template std::string encode_document<Doc>(const Doc&);                            \
  template ArchiveError decode_document<Doc>(const std::string&, Doc&);             \
  template bool load_document<Doc>(Doc&, const std::string&);                       \
  template bool save_document<Doc>(const Doc&, const std::string&);                 \
  template void merge_documents<Doc>(Doc&, Doc&);                                   \
  template int merge_record_database<Doc>(const char*, const char*, const char*);

INSTANTIATE(CCapacitorDoc)
INSTANTIATE(CInductorDoc)
INSTANTIATE(CResistorDoc)
