// Payload table builder (host tool side).
//
// The blob is one file of all members back to back; a generated assembly file places it in
// read-only data with .incbin, the generated table declares it as one array, and every
// entry points into it. The compiler never sees the bytes, which keeps a full-size payload's build short.
#include "payload/payload_builder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include <zlib.h>

#include "files/ascii.h"
#include "payload/payload_entry.h"

namespace fs = std::filesystem;

namespace {

void put_u32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}

bool read_file(const fs::path& file, std::string& bytes) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  if (in.bad()) return false;
  bytes = all.str();
  return true;
}

bool valid_payload_path(const std::string& path) {
  if (path.compare(0, 2, ".\\") != 0 || path.size() < 3) return false;
  for (unsigned char c : path)
    if (c < 0x20 || c >= 0x7F || c == '/' || c == '"' || c == '*' || c == '?' || c == ':' || c == '<' ||
        c == '>' || c == '|')
      return false;
  return path.find("\\\\") == std::string::npos && path.back() != '\\';
}

std::string c_string_literal(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

bool add_member(const std::string& path, const std::string& content, Compressor compress,
                std::vector<BuiltMember>& members, std::string& error) {
  if (!valid_payload_path(path)) {
    error = "not a payload path: " + path;
    return false;
  }
  if (content.size() > std::numeric_limits<uint32_t>::max()) {
    error = "too large for the payload table: " + path;
    return false;
  }
  BuiltMember m{path, 0, uint32_t(content.size()), 0, std::string()};
  if (content.size() <= kPayloadStoredLimit) {
    m.data = content;
  } else {
    m.data = compress(content);
    // Recorded unpacked, the member would install the bytes of the members after it.
    if (m.data.empty()) {
      error = "can't compress " + path;
      return false;
    }
    m.packed_size = uint32_t(m.data.size());
  }
  members.push_back(std::move(m));
  return true;
}

}  // namespace

std::string gzip_member(const std::string& content) {
  static const unsigned char header[10] = {0x1F, 0x8B, 0x08, 0, 0, 0, 0, 0, 0, 0x0B};
  std::string out(reinterpret_cast<const char*>(header), sizeof header);
  z_stream z{};
  int rc = deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);  // -15: raw deflate
  if (rc != Z_OK) return std::string();
  std::string deflated(deflateBound(&z, uLong(content.size())), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
  z.avail_in = uInt(content.size());
  z.next_out = reinterpret_cast<Bytef*>(&deflated[0]);
  z.avail_out = uInt(deflated.size());
  rc = deflate(&z, Z_FINISH);
  deflated.resize(z.total_out);
  deflateEnd(&z);
  if (rc != Z_STREAM_END) return std::string();
  out += deflated;
  put_u32(out, uint32_t(crc32(0L, reinterpret_cast<const Bytef*>(content.data()), uInt(content.size()))));
  put_u32(out, uint32_t(content.size()));
  return out;
}

std::string payload_path(const std::string& relative_generic_path) {
  std::string path = ".\\" + relative_generic_path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

bool payload_path_less(const std::string& a, const std::string& b) {
  int c = ascii_icompare(a, b);
  return c != 0 ? c < 0 : a < b;
}

bool parse_manifest(const std::string& text, std::vector<std::string>& read_only_paths, std::string& error) {
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string keyword = "readonly ";
    if (line.compare(0, keyword.size(), keyword) != 0 || !valid_payload_path(line.substr(keyword.size()))) {
      error = "manifest line " + std::to_string(number) + ": expected \"readonly .\\path\": " + line;
      return false;
    }
    read_only_paths.push_back(line.substr(keyword.size()));
  }
  return true;
}

bool build_payload(const PayloadSource& source, std::vector<BuiltMember>& members, std::string& error) {
  members.clear();
  std::error_code ec;
  fs::recursive_directory_iterator it(source.tree, ec), end;
  if (ec) {
    error = "can't read the suite tree " + source.tree + ": " + ec.message();
    return false;
  }
  for (; it != end; it.increment(ec)) {
    if (ec) break;
    if (!it->is_regular_file()) continue;
    std::string relative = fs::relative(it->path(), source.tree).generic_string();
    if (relative.find('\\') != std::string::npos) {
      error = "a file name holds a backslash: " + relative;
      return false;
    }
    std::string content;
    if (!read_file(it->path(), content)) {
      error = "can't read " + it->path().string();
      return false;
    }
    if (!add_member(payload_path(relative), content, source.compress, members, error)) return false;
  }
  if (ec) {
    error = "can't read the suite tree " + source.tree + ": " + ec.message();
    return false;
  }
  for (const auto& [path, file] : source.extra) {
    std::string content;
    if (!read_file(file, content)) {
      error = "can't read " + file;
      return false;
    }
    if (!add_member(path, content, source.compress, members, error)) return false;
  }
  std::sort(members.begin(), members.end(),
            [](const BuiltMember& a, const BuiltMember& b) { return payload_path_less(a.path, b.path); });
  for (size_t i = 1; i < members.size(); ++i)
    if (ascii_iequal(members[i - 1].path, members[i].path)) {
      // Windows file names ignore case: these two would be one file.
      error = "two files of the same name: " + members[i - 1].path + ", " + members[i].path;
      return false;
    }
  for (const std::string& path : source.read_only_paths) {
    auto m = std::find_if(members.begin(), members.end(), [&](const BuiltMember& b) { return b.path == path; });
    if (m == members.end()) {
      error = "the manifest names a file the tree lacks: " + path;
      return false;
    }
    m->read_only = 1;
  }
  uint64_t total = 0;
  for (const BuiltMember& m : members) total += m.data.size();
  if (total > std::numeric_limits<uint32_t>::max()) {
    error = "the payload exceeds 4 GB";
    return false;
  }
  return true;
}

std::string payload_table_source(const std::vector<BuiltMember>& members) {
  std::ostringstream out;
  out << "// Generated by corvex_payload_gen; do not edit.\n"
         "#include \"payload/payload_entry.h\"\n\n"
         "// The members' bytes, placed in read-only data by payload_blob.S.\n"
         "extern \"C\" const unsigned char corvex_payload_blob[] __asm__(\"corvex_payload_blob\");\n\n"
         "const PayloadEntry payload_table[] = {\n";
  uint64_t offset = 0;
  for (const BuiltMember& m : members) {
    out << "    {" << c_string_literal(m.path) << ", " << m.read_only << ", " << m.size << "u, " << m.packed_size
        << "u, 0, corvex_payload_blob + " << offset << "u},\n";
    offset += m.data.size();
  }
  if (members.empty()) out << "    {nullptr, 0, 0, 0, 0, nullptr},  // no entries: count is 0\n";
  out << "};\n\nconst uint32_t payload_entry_count = " << members.size() << "u;\n";
  return out.str();
}

std::string payload_blob_assembly(const std::string& blob_path) {
  std::string quoted;
  for (char c : blob_path) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return "/* Generated by corvex_payload_gen; do not edit. */\n"
         "#ifdef _WIN32\n"
         "  .section .rdata,\"dr\"\n"
         "#else\n"
         "  .section .rodata\n"
         "#endif\n"
         "  .balign 16\n"
         "  .globl corvex_payload_blob\n"
         "corvex_payload_blob:\n"
         "  .incbin \"" + quoted + "\"\n"
         "  .byte 0\n"
         "#if defined(__ELF__)\n"
         "  .section .note.GNU-stack,\"\",%progbits\n"
         "#endif\n";
}

std::string payload_blob(const std::vector<BuiltMember>& members) {
  std::string blob;
  for (const BuiltMember& m : members) blob += m.data;
  return blob;
}
