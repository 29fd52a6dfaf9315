// make_raw_seeds DIR: the raw files ngspice writes for the test netlists, binary and text,
// as the fuzzer's starting points.
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: make_raw_seeds DIR\n");
    return 2;
  }
  std::string dir = argv[1];
  for (const char *netlist : {"rc_tran", "rlc_ac", "op", "pz", "multi"}) {
    std::string command = "cd '" + dir + "' && rm -f multi.raw multi-ascii.raw && ngspice -b '" NETLISTS "/" +
                          std::string(netlist) + ".cir' >/dev/null 2>&1";
    // ngspice's status tells whether the netlist had analysis lines; the files tell the rest.
    if (system(command.c_str()) < 0) return 1;
  }
  FILE *seed = fopen((dir + "/multi-ascii.raw").c_str(), "rb");
  if (!seed) return 1;
  fclose(seed);
  return 0;
}
