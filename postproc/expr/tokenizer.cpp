// The text-form tokenizer.
//
// Number tokens read every constant the builder stores (see expression.cpp): besides digits
// with a scale suffix (10k, 2.5MEG, 1mil) they may begin with a point (.5) and carry an
// exponent (1e-3, 2.5E+6k), in the grammar of number.h. An exponent is only taken when it has
// digits ("1e-'x'" stays 1e minus 'x' and is refused) and follows a mantissa with at most one
// point, so "1.2.3" stays the single number token it always was. Before this widening those
// texts were rejected, so no text that read before reads differently now.
#include "tokenizer.h"

#include "../base/ascii.h"
#include "number.h"

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool is_delimiter(char c) {
  switch (c) {
    case ' ': case '\t': case '(': case ')': case '+': case '-': case '*': case '/': case '^':
    case ',':
      return true;
    default:
      return false;
  }
}

size_t quoted_end(const char *text, size_t i) {
  i++;
  while (text[i] && text[i] != '\'') i++;
  return text[i] ? i + 1 : i;
}

size_t number_end(const char *text, size_t i) {
  int points = 0;
  while (is_ascii_digit(text[i]) || text[i] == '.') points += text[i++] == '.';
  NumberExponent exponent = read_exponent(text + i);
  if (points <= 1 && exponent.has_digits) i += exponent.length;
  return i + read_scale_suffix(text + i).length;
}

size_t word_end(const char *text, size_t i) {
  size_t start = i;
  while (text[i] && !is_delimiter(text[i])) i++;
  return i == start ? i + 1 : i;
}

}  // namespace

bool next_text_token(const char *text, size_t &pos, TextToken &token) {
  while (is_blank(text[pos])) pos++;
  if (!text[pos]) return false;
  size_t end;
  char c = text[pos];
  if (c == '\'') {
    token.kind = kTextQuoted;
    end = quoted_end(text, pos);
  } else if (is_ascii_digit(c) || c == '.') {
    token.kind = kTextNumber;
    end = number_end(text, pos);
  } else {
    token.kind = kTextWord;
    end = word_end(text, pos);
  }
  token.start = text + pos;
  token.length = end - pos;
  pos = end;
  while (is_blank(text[pos])) pos++;
  return true;
}
