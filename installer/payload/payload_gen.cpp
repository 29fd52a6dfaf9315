// corvex_payload_gen: writes the payload table source and its blob from a suite tree.
//
//   corvex_payload_gen --tree DIR [--manifest FILE] [--add PAYLOAD_PATH FILE]...
//                      --table OUT.cpp --blob OUT.bin --asm OUT.S
//
// Files built elsewhere (the stand-in programs, the databases made from their source lists)
// join the tree with --add. Outputs are written only when their content changes, so an
// unchanged suite doesn't recompile the program.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "payload/payload_builder.h"

namespace {

bool write_if_changed(const std::string& path, const std::string& bytes) {
  std::ifstream old(path, std::ios::binary);
  if (old) {
    std::ostringstream all;
    all << old.rdbuf();
    if (all.str() == bytes) return true;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  out.close();
  return bool(out);
}

int usage() {
  fprintf(stderr,
          "usage: corvex_payload_gen --tree DIR [--manifest FILE] [--add PAYLOAD_PATH FILE]... "
          "--table OUT.cpp --blob OUT.bin --asm OUT.S\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  PayloadSource source;
  std::string manifest, table, blob, assembly;
  for (int i = 1; i < argc; ++i) {
    if (!strcmp(argv[i], "--tree") && i + 1 < argc) {
      source.tree = argv[++i];
    } else if (!strcmp(argv[i], "--manifest") && i + 1 < argc) {
      manifest = argv[++i];
    } else if (!strcmp(argv[i], "--add") && i + 2 < argc) {
      source.extra.emplace_back(argv[i + 1], argv[i + 2]);
      i += 2;
    } else if (!strcmp(argv[i], "--table") && i + 1 < argc) {
      table = argv[++i];
    } else if (!strcmp(argv[i], "--blob") && i + 1 < argc) {
      blob = argv[++i];
    } else if (!strcmp(argv[i], "--asm") && i + 1 < argc) {
      assembly = argv[++i];
    } else {
      return usage();
    }
  }
  if (source.tree.empty() || table.empty() || blob.empty() || assembly.empty()) return usage();
  std::string error;
  if (!manifest.empty()) {
    std::ifstream in(manifest, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || !parse_manifest(text.str(), source.read_only_paths, error)) {
      fprintf(stderr, "corvex_payload_gen: %s\n", error.empty() ? ("can't read " + manifest).c_str() : error.c_str());
      return 1;
    }
  }
  std::vector<BuiltMember> members;
  if (!build_payload(source, members, error)) {
    fprintf(stderr, "corvex_payload_gen: %s\n", error.c_str());
    return 1;
  }
  if (!write_if_changed(blob, payload_blob(members)) || !write_if_changed(table, payload_table_source(members)) ||
      !write_if_changed(assembly, payload_blob_assembly(blob))) {
    fprintf(stderr, "corvex_payload_gen: can't write %s, %s or %s\n", table.c_str(), blob.c_str(), assembly.c_str());
    return 1;
  }
  return 0;
}
