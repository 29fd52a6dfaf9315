// The function table and the token classes.
//
// The 25 texts of the operators, parentheses and functions are strings 40..64 (position p at
// string 39 + p, code -p); the builder's buttons and the parser both read them from here, so
// a translated string table changes what the text form spells. Read once, on first use.
#include <string>

#include "../base/text.h"
#include "expression.h"

namespace {

std::string table[kFunctionTableSize + 1];   // [p] for code -p; [0] stays empty
bool loaded = false;

}  // namespace

void load_function_table() {
  for (int p = 1; p <= kFunctionTableSize; p++) table[p] = load_text(kFunctionTextFirstId + p - 1);
  loaded = true;
}

const std::string &function_text(int32_t code) {
  if (!loaded) load_function_table();
  if (code >= 0 || code < -kFunctionTableSize) return table[0];
  return table[-code];
}

int token_class(int32_t code) {
  if (code <= kTokenAdd && code >= kTokenDivide) return kClassOperator;
  if (code == kTokenOpen) return kClassOpen;
  if (code == kTokenClose) return kClassClose;
  if (code <= kTokenDb && code >= kTokenIm) return kClassFunction;
  return kClassOperand;   // variables, constants, derivative arguments and unknown codes
}

int token_precedence(int32_t code) {
  return (code == kTokenMultiply || code == kTokenDivide) ? 2 : 1;
}
