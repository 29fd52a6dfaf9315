// bench_synth_suite: writes a full-size synthetic suite for the extraction benchmark.
//
//   bench_synth_suite OUT_DIR
//
// Layout and counts follow the shipped suite: 4785 files, about 18 MB installed, 3179 of
// them larger than 1024 bytes, the largest (tesl3.exe) about 6 MB, six read-only symbols.
// The content is deterministic text (and, for the programs, half incompressible bytes) so
// that the payload packs about as well as the shipped one. OUT_DIR/tree holds the tree,
// OUT_DIR/manifest.txt its manifest. Never committed: it is made at bench time.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Rng {
  uint64_t state = 0x9E3779B97F4A7C15ull;
  uint32_t next() {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return uint32_t(state >> 33);
  }
  double unit() { return next() / 4294967296.0; }
};

const char* const kWords[] = {".model", "NPN", "PNP", "Is=", "Bf=", "Vaf=", "Cjc=", "Rb=", "WIRE", "SYMBOL", "FLAG",
                              "0", "16", "32", "48", "-64", "vcc", "out", "in", "R1", "C1", "L1", "Q1", "M1", "D1",
                              "1k", "10n", "4.7u", "100meg", ".tran", ".ac", "dec", "LINE", "Normal", "PIN", "TEXT",
                              "Left", "2", "WINDOW", "0", "ATTR", "Value", "Prefix", "SpiceModel", "+", "*", "\r\n"};

std::string text(Rng& rng, size_t n) {
  std::string s;
  s.reserve(n + 16);
  while (s.size() < n) {
    s += kWords[rng.next() % (sizeof kWords / sizeof *kWords)];
    s += rng.next() % 8 == 0 ? "\r\n" : " ";
  }
  s.resize(n);
  return s;
}

std::string program(Rng& rng, size_t n) {
  std::string s = text(rng, n);
  for (size_t i = 0; i < n; i += 2) s[i] = char(rng.next());
  return s;
}

void write(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: bench_synth_suite OUT_DIR\n");
    return 2;
  }
  fs::path out = argv[1];
  fs::path tree = out / "tree";
  fs::remove_all(tree);
  Rng rng;
  write(tree / "tesl3.exe", program(rng, 6000000));
  write(tree / "CorvexHelp.chm", program(rng, 1400000));
  write(tree / "moveexe.exe", program(rng, 61440));
  write(tree / "unlink.exe", program(rng, 49152));
  write(tree / "CHANGES.txt", text(rng, 48213));
  write(tree / "LICENSE.txt", text(rng, 11853));
  const char* const databases[] = {"standard.bjt", "standard.mos", "standard.jft", "standard.dio",
                                   "standard.cap", "standard.res", "standard.ind", "standard.bead"};
  std::vector<std::string> paths;
  for (const char* db : databases) paths.push_back(std::string("lib/cmp/") + db);
  for (int i = 0; i < 91; ++i)
    paths.push_back("examples/Educational/" + std::string(i % 3 ? "" : "Filters/") + "example" + std::to_string(i) + ".asc");
  for (int i = 0; i < 1732; ++i) paths.push_back("examples/jigs/jig" + std::to_string(i) + ".asc");
  for (int i = 0; i < 1108; ++i) paths.push_back("lib/sub/model" + std::to_string(i) + (i % 4 ? ".sub" : ".lib"));
  const char* const read_only[] = {"cap", "diode", "polcap", "schottky", "varactor", "zener"};
  for (const char* name : read_only) paths.push_back(std::string("lib/sym/") + name + ".asy");
  for (int i = 0; i < 1840 - 6; ++i) paths.push_back("lib/sym/sym" + std::to_string(i) + ".asy");
  // 4779 files beside the six above: 1606 of 1024 bytes or less, the rest larger, sized so
  // the whole tree totals 18,126,349 bytes.
  const uint64_t total = 18126349;
  uint64_t left = total - (6000000 + 1400000 + 61440 + 49152 + 48213 + 11853);
  std::vector<size_t> sizes(paths.size());
  std::vector<bool> small(paths.size(), false);
  size_t small_count = 0;
  for (size_t i = 0; small_count < 1606; i = (i + 7) % paths.size())  // 7 is prime to the count: every index comes
    if (!small[i]) {
      small[i] = true;
      ++small_count;
    }
  uint64_t small_total = 0;
  double large_weight = 0;
  std::vector<double> weight(paths.size());
  for (size_t i = 0; i < paths.size(); ++i) {
    if (small[i]) {
      sizes[i] = 120 + rng.next() % 905;
      small_total += sizes[i];
    } else {
      weight[i] = std::exp(rng.unit() * 3.0);
      large_weight += weight[i];
    }
  }
  uint64_t large_left = left - small_total;
  for (size_t i = 0; i < paths.size(); ++i)
    if (!small[i]) sizes[i] = 1025 + size_t((large_left - 1025.0 * (paths.size() - 1606)) * weight[i] / large_weight);
  for (size_t i = 0; i < paths.size(); ++i) write(tree / paths[i], text(rng, sizes[i]));
  std::ofstream manifest(out / "manifest.txt", std::ios::binary | std::ios::trunc);
  manifest << "# Read-only files of the synthetic suite\n";
  for (const char* name : read_only) manifest << "readonly .\\lib\\sym\\" << name << ".asy\n";
  printf("synthetic suite: %zu files in %s\n", paths.size() + 6, tree.string().c_str());
  return 0;
}
