// The tokenizer of the text form (internal to the expression module).
#pragma once

#include <cstddef>

enum TextTokenKind {
  kTextQuoted,   // 'name', or ' to the end of the text when the closing quote is missing
  kTextNumber,   // digits and points, an optional exponent, an optional scale suffix
  kTextWord,     // anything else up to a delimiter, or the delimiter itself
};

struct TextToken {
  TextTokenKind kind;
  const char *start;
  size_t length;
};

// The token at `pos` (blanks and tabs before it skipped); advances `pos` past it. False at
// the end of the text.
bool next_text_token(const char *text, size_t &pos, TextToken &token);
