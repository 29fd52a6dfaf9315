// parse_expression: the text form back to a finalized Expression.
//
// The text is read token by token into a fresh Expression in written order, exactly as the
// builder would have appended the tokens, then finalized. Anything the builder cannot
// produce is rejected rather than guessed at: an unquoted word that is no function-table
// name (x, e3, ^), a sign in operand position without a number behind it, and anything
// finalize finds malformed (unbalanced parentheses, two operands or two operators in a row,
// an empty argument). A sign in operand position is "-", or also "+" or "+-" as
// parse_number reads them, so that every constant the builder stores reads back.
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "../base/ascii.h"
#include "../data/plot_model.h"
#include "expression.h"
#include "tokenizer.h"

namespace {

// The code of a function-table name (ignoring case; functions without their "("), or 0.
int32_t function_code(const char *word, size_t length) {
  for (int p = 1; p <= kFunctionTableSize; p++) {
    std::string_view name = function_text(-p);
    if (name.size() > 1 && name.back() == '(') name.remove_suffix(1);
    if (!name.empty() && equal_ignoring_case(std::string_view(word, length), name)) return -p;
  }
  return 0;
}

bool is_word(const TextToken &t, char c) {
  return t.kind == kTextWord && t.length == 1 && t.start[0] == c;
}

bool operand_expected(const Expression *e) {
  if (e->token_count == 0) return true;
  int c = token_class(e->tokens[e->token_count - 1].code);
  return c == kClassOperator || c == kClassFunction || c == kClassOpen;
}

// The cursor over the text and, once reading stops, why.
struct Reader {
  const char *text;
  size_t pos;
  int failure;
  bool variable_units;   // variables carry their unit dimension, as the builder gives them
};

bool fail(Reader &r, int why) {
  r.failure = why;
  return false;
}

bool appended(Reader &r, int append_result) {
  return append_result == 0 || fail(r, kParseNoMemory);
}

bool append_one(Reader &r, Expression *e, const TextToken &t) {
  std::string s(t.start, t.length);
  switch (t.kind) {
    case kTextQuoted: {
      bool closed = s.size() > 1 && s.back() == '\'';
      std::string name = s.substr(1, closed ? s.size() - 2 : std::string::npos);
      int index = find_variable(name);
      if (index < 0) return fail(r, kParseUnknownVariable);
      int32_t unit = r.variable_units ? variable_dimension(index) : kUnitDimensionNone;
      return appended(r, append_token(e, index, name.c_str(), unit));
    }
    case kTextNumber:
      return appended(r, append_token(e, kTokenConstant, s.c_str(), kUnitDimensionNone));
    case kTextWord: {
      int32_t code = function_code(t.start, t.length);
      if (code == 0) return fail(r, kParseMalformed);
      return appended(r, append_token(e, code, nullptr, 0));
    }
  }
  return fail(r, kParseMalformed);
}

// "-5", "+5" or "+-5": the sign joins the number token that follows.
bool append_signed_number(Reader &r, Expression *e, const TextToken &sign) {
  std::string joined(sign.start, 1);
  TextToken t;
  if (!next_text_token(r.text, r.pos, t)) return fail(r, kParseMalformed);
  if (sign.start[0] == '+' && is_word(t, '-')) {
    joined += '-';
    if (!next_text_token(r.text, r.pos, t)) return fail(r, kParseMalformed);
  }
  if (t.kind != kTextNumber) return fail(r, kParseMalformed);
  joined.append(t.start, t.length);
  return appended(r, append_token(e, kTokenConstant, joined.c_str(), kUnitDimensionNone));
}

// Appends the tokens of the whole text in written order; false when reading stops.
bool read_tokens(Reader &r, Expression *e) {
  TextToken t;
  bool after_function = false;
  while (next_text_token(r.text, r.pos, t)) {
    bool absorbed = after_function && is_word(t, '(');
    after_function = false;
    if (absorbed) continue;
    if (operand_expected(e) && (is_word(t, '-') || is_word(t, '+'))) {
      if (!append_signed_number(r, e, t)) return false;
      continue;
    }
    if (!append_one(r, e, t)) return false;
    after_function = token_class(e->tokens[e->token_count - 1].code) == kClassFunction;
  }
  return true;
}

}  // namespace

namespace {

Expression *parse(const char *text, int *failure, bool variable_units) {
  int why = kParseNoMemory;
  Expression *e = new_expression();
  if (e) {
    try {
      Reader reader = {text, 0, kParseOk, variable_units};
      if (read_tokens(reader, e)) {
        int r = finalize_expression(e);
        why = r == kFinalizeOk ? kParseOk : r == kFinalizeNoMemory ? kParseNoMemory : kParseMalformed;
      } else {
        why = reader.failure;
      }
    } catch (const std::bad_alloc &) {   // the std::string temporaries
      why = kParseNoMemory;
    }
    if (why != kParseOk) free_expression(e), e = nullptr;
  }
  if (failure) *failure = why;
  return e;
}

}  // namespace

Expression *parse_expression(const char *text, int *failure) { return parse(text, failure, false); }

Expression *parse_expression(const char *text) { return parse(text, nullptr, false); }

Expression *parse_expression_with_units(const char *text, int *failure) {
  return parse(text, failure, true);
}
