// Writes the seed corpus of fuzz_expression: one expression text per file.
#include "fuzz_support.h"

int main(int argc, char **argv) {
  return write_text_seeds(argc, argv, {
      "db('v(out)')", "'v(1)'*'i(vdd)'", "int('i(vdd)')/1k", "phase('v(out)')",
      "drv(drv('v(1)'))*2", "avg('x y')+rms('v(1)')", "sqrt(abs(-2.5MEG))-1mil",
      "log10('v(1)')+log('v(out)')", "(('time'-.5)/1e-3)*-2", "sgn(sin(cos(tan(atan('v(1)')))))",
      "exp(mag(re(im('v(out)'))))", "1/'v(1)'", "'time'+'TIME'-+-1e+-3k", "int(drv('v(out)'))",
  }, "make_expression_seeds");
}
