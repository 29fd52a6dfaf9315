// make_monitor_seeds DIR: small monitored files, each after its two settings bytes.
#include <cmath>
#include <cstdio>
#include <string>

namespace {

bool write(const std::string &path, unsigned char a, unsigned char b, const std::string &text) {
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return false;
  fputc(a, f);
  fputc(b, f);
  fputs(text.c_str(), f);
  return fclose(f) == 0;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) return 2;
  std::string dir = argv[1], samples = "samples of a converter\n", columns = "f a b\n";
  char line[64];
  for (int i = 0; i < 64; i++) {
    snprintf(line, sizeof line, "%.6f\n", std::sin(i * 0.7) + 0.01 * std::cos(i * 2.1));
    samples += line;
    snprintf(line, sizeof line, "%d, %g; %g\n", i, -60.0 + (i == 3) * 60, -40.0 - i);
    columns += line;
  }
  bool ok = true;
  ok &= write(dir + "/psd.dat", 0x09, 0x03, samples);            // PSD, SNDR, OSR 32
  ok &= write(dir + "/averaged.dat", 0x7f, 0x01, samples);       // averaging by 16, Hann
  ok &= write(dir + "/columns.dat", 0x08, 0x02, columns);        // spectrum file, OSR 3
  ok &= write(dir + "/mixed.dat", 0x09, 0x00,
              "x=(1) y=2\n+5 1\n-.5 2 3\n1e3 x 4\n2 3\r\n\n7 8 9 10\n");
  return ok ? 0 : 1;
}
