// corvex_dbgen: writes a component database archive from its readable source list.
//
//   corvex_dbgen capacitor|inductor|resistor SOURCE.txt OUTPUT
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "componentdb/source_list.h"

namespace {

template <class Doc> int generate(const std::string& text, const char* output) {
  Doc doc;
  std::string error;
  if (!parse_source_list(text, doc, error)) {
    fprintf(stderr, "corvex_dbgen: %s\n", error.c_str());
    return 1;
  }
  std::string bytes = encode_document(doc);
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  out.close();
  if (!out) {
    fprintf(stderr, "corvex_dbgen: can't write %s\n", output);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: corvex_dbgen capacitor|inductor|resistor SOURCE.txt OUTPUT\n");
    return 2;
  }
  std::ifstream in(argv[2], std::ios::binary);
  if (!in) {
    fprintf(stderr, "corvex_dbgen: can't read %s\n", argv[2]);
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (!strcmp(argv[1], "capacitor")) return generate<CCapacitorDoc>(text.str(), argv[3]);
  if (!strcmp(argv[1], "inductor")) return generate<CInductorDoc>(text.str(), argv[3]);
  if (!strcmp(argv[1], "resistor")) return generate<CResistorDoc>(text.str(), argv[3]);
  fprintf(stderr, "corvex_dbgen: unknown database kind %s\n", argv[1]);
  return 2;
}
