// make_experimental_seeds DIR: small experimental data files, good and damaged.
#include "fuzz_support.h"

int main(int argc, char **argv) {
  return write_text_seeds(argc, argv,
                          {
                              "3\r\n2\r\nfirst\r\nsecond\r\n0 1 2\r\n1 3 4\r\n2 5 6",
                              "1\r\n1\r\n  v(out)\r\n1e-9\t-2.5e+003\r\n",
                              "2\r\n3\r\na\r\nb\r\nc\r\n0 1 2 3\r\n1e300 -1e300 4.5 6\r\n",
                              "3\n2\nfirst\nsecond\n0 1 2\n1 3 4\n2 5 6\n",
                              "3\r2\rfirst\rsecond\r0 1 2\r1 3 4\r2 5 6\r",
                              "3\r\n2\r\na\r\n0 1 2\r\n1 x 4\r\n",
                          },
                          "make_experimental_seeds");
}
