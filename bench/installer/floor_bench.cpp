// bench_floor: the floor for the extraction benchmark. Reads a suite tree into memory
// (untimed), then writes the same decompressed files once with plain writes below a folder
// never used before, creating directories as it goes, and prints the wall time.
//
//   bench_floor.exe SUITE_TREE OUTPUT_DIRECTORY
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: bench_floor.exe SUITE_TREE OUTPUT_DIRECTORY\n");
    return 2;
  }
  struct File {
    std::string relative;
    std::string bytes;
  };
  std::vector<File> files;
  uint64_t total = 0;
  for (auto& e : fs::recursive_directory_iterator(argv[1]))
    if (e.is_regular_file()) {
      std::ifstream in(e.path(), std::ios::binary);
      std::ostringstream all;
      all << in.rdbuf();
      files.push_back(File{fs::relative(e.path(), argv[1]).string(), all.str()});
      total += files.back().bytes.size();
    }
  std::string root = argv[2];
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  CreateDirectoryA(root.c_str(), nullptr);
  for (const File& f : files) {
    std::string path = root + "\\" + f.relative;
    for (size_t at = root.size() + 1; (at = path.find('\\', at)) != std::string::npos; ++at)
      CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    FILE* out = fopen(path.c_str(), "wb");
    if (!out || fwrite(f.bytes.data(), 1, f.bytes.size(), out) != f.bytes.size() || fclose(out) != 0) {
      fprintf(stderr, "bench_floor: can't write %s\n", path.c_str());
      return 1;
    }
  }
  QueryPerformanceCounter(&end);
  double seconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
  printf("floor: %zu files, %llu bytes, plain writes: %.3f s\n", files.size(), (unsigned long long)total, seconds);
  return 0;
}
