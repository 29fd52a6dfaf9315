// The Expression record: construction, the builder's append and delete, copies, release,
// its text form and unit, and rebinding to a reloaded plot.
//
// An Expression owns its token array, every token's name, its accumulator arrays, the nested
// Expression of each derivative-argument token and its display text. The display text grows
// with the tokens (no fixed buffer, nothing is cut), because it is what a graph file stores
// and what the parser must read back. Memory comes from malloc so that every failure is a
// returned status, never an exception.
//
// A constant's text form is the number exactly as typed, without the separators and trailing
// characters that parse_number skips (" 10k" and "10kOhm" are stored as 10k): those never
// change the value, but they would make the text unreadable. A text holding no number is
// the constant 0 and is stored as 0, so that the value and its text agree. An exponent
// without digits adds nothing to the value and is left out too ("2e-k" is stored as 2k):
// followed by a sign it could not be told from a subtraction when read back.
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "../base/ascii.h"
#include "../data/plot_model.h"
#include "../data/units.h"
#include "expression.h"
#include "number.h"

namespace {

const int32_t kTokenGrowth = 100;
const size_t kInitialTextCapacity = 512;

char *copy_string(const char *s, size_t length) {
  char *copy = static_cast<char *>(malloc(length + 1));
  if (!copy) return nullptr;
  memcpy(copy, s, length);
  copy[length] = '\0';
  return copy;
}

// Room for `extra` more characters and the NUL.
bool reserve_text(Expression *e, size_t extra) {
  size_t needed = e->text_length + extra + 1;
  if (needed <= e->text_capacity) return true;
  size_t capacity = e->text_capacity ? e->text_capacity : kInitialTextCapacity;
  while (capacity < needed) capacity *= 2;
  char *grown = static_cast<char *>(realloc(e->display_text, capacity));
  if (!grown) return false;
  e->display_text = grown;
  e->text_capacity = capacity;
  return true;
}

void put_text(Expression *e, const char *s, size_t length) {
  memcpy(e->display_text + e->text_length, s, length);
  e->text_length += length;
  e->display_text[e->text_length] = '\0';
}

void cut_text(Expression *e, size_t length) {
  if (length > e->text_length) return;
  e->text_length = length;
  if (e->display_text) e->display_text[length] = '\0';
}

// The stored text of a constant: the characters parse_number read, an exponent without
// digits taken out.
std::string constant_text(const char *number, size_t length) {
  std::string text(number, length);
  size_t i = 0;
  while (i < length && (text[i] == '+' || text[i] == '-')) i++;
  while (i < length && (is_ascii_digit(text[i]) || text[i] == '.')) i++;
  NumberExponent exponent = read_exponent(text.c_str() + i);
  if (exponent.length && !exponent.has_digits) text.erase(i, exponent.length);
  return text;
}

void release_token(Token &t) {
  free(t.name);
  t.name = nullptr;
  free_expression(t.derivative_argument);
  t.derivative_argument = nullptr;
}

bool copy_token(const Token &from, Token &to) {
  to = from;
  to.name = nullptr;
  to.derivative_argument = nullptr;
  if (from.name && !(to.name = copy_string(from.name, strlen(from.name)))) return false;
  if (from.derivative_argument &&
      !(to.derivative_argument = copy_expression(from.derivative_argument))) {
    free(to.name);
    to.name = nullptr;
    return false;
  }
  return true;
}

double *copy_doubles(const double *from, int32_t count) {
  double *to = static_cast<double *>(malloc(sizeof(double) * static_cast<size_t>(count)));
  if (to) memcpy(to, from, sizeof(double) * static_cast<size_t>(count));
  return to;
}

}  // namespace

Expression *new_expression() {
  Expression *e = static_cast<Expression *>(calloc(1, sizeof(Expression)));
  if (!e) return nullptr;
  e->tokens = static_cast<Token *>(malloc(sizeof(Token) * kTokenGrowth));
  e->display_text = static_cast<char *>(malloc(kInitialTextCapacity));
  if (!e->tokens || !e->display_text) {
    free(e->tokens);
    free(e->display_text);
    free(e);
    return nullptr;
  }
  e->token_capacity = kTokenGrowth;
  e->display_text[0] = '\0';
  e->text_capacity = kInitialTextCapacity;
  return e;
}

int append_token(Expression *e, int32_t code, const char *text, int32_t unit) {
  assert(code >= kTokenConstant);
  if (e->token_count == e->token_capacity) {
    size_t grown_capacity = static_cast<size_t>(e->token_capacity) + kTokenGrowth;
    Token *grown = static_cast<Token *>(realloc(e->tokens, sizeof(Token) * grown_capacity));
    if (!grown) return 1;
    e->tokens = grown;
    e->token_capacity = static_cast<int32_t>(grown_capacity);
  }
  Token t = {code, static_cast<int32_t>(e->text_length), unit, 0.0, nullptr, nullptr};
  const char *piece;
  size_t piece_length;
  std::string stored;
  bool quoted = false;
  if (code >= 0) {
    if (!text) text = "";
    piece_length = strlen(text);
    if (!(t.name = copy_string(text, piece_length))) return 1;
    piece = text;
    quoted = true;
  } else if (code == kTokenConstant) {
    size_t begin, end;
    NumberResult number = scan_number(text ? text : "", begin, end);
    if (number.status == kNumberNoMemory) return 1;
    t.value = number.value;
    try {
      stored = number.status == kNumberMissing ? std::string("0")
                                               : constant_text(text + begin, end - begin);
    } catch (const std::bad_alloc &) {
      return 1;
    }
    piece = stored.c_str();
    piece_length = stored.size();
  } else {
    const std::string &s = function_text(code);
    piece = s.c_str();
    piece_length = s.size();
  }
  if (!reserve_text(e, piece_length + (quoted ? 2 : 0))) {
    free(t.name);
    return 1;
  }
  if (quoted) put_text(e, "'", 1);
  put_text(e, piece, piece_length);
  if (quoted) put_text(e, "'", 1);
  e->tokens[e->token_count++] = t;
  return 0;
}

DeletedToken delete_last_token(Expression *e) {
  assert(e->token_count > 0);
  if (e->token_count <= 1) {
    if (e->token_count == 1) release_token(e->tokens[0]);
    e->token_count = 0;
    cut_text(e, 0);
    return {kClassOperand, kBuilderEmptied};
  }
  Token &last = e->tokens[e->token_count - 1];
  int removed = token_class(last.code);
  cut_text(e, static_cast<size_t>(last.text_position));
  release_token(last);
  e->token_count--;
  return {removed, token_class(e->tokens[e->token_count - 1].code)};
}

Expression *make_variable_expression(const char *name, int32_t unit) {
  Expression *e = static_cast<Expression *>(calloc(1, sizeof(Expression)));
  if (!e) return nullptr;
  size_t length = strlen(name);
  e->tokens = static_cast<Token *>(malloc(sizeof(Token)));
  e->display_text = copy_string(name, length);
  if (!e->tokens || !e->display_text) {
    free_expression(e);
    return nullptr;
  }
  e->tokens[0] = {0, 0, unit, 0.0, nullptr, nullptr};
  e->token_count = e->token_capacity = 1;
  e->result_unit = unit;
  e->text_length = length;
  e->text_capacity = length + 1;
  return e;
}

Expression *copy_expression(const Expression *from) {
  Expression *e = static_cast<Expression *>(calloc(1, sizeof(Expression)));
  if (!e) return nullptr;
  e->result_unit = from->result_unit;
  e->display_text = copy_string(from->display_text ? from->display_text : "", from->text_length);
  e->text_length = from->text_length;
  e->text_capacity = from->text_length + 1;
  if (!e->display_text) return free_expression(e), nullptr;
  if (from->accumulator_count > 0) {
    e->accumulator_sums = copy_doubles(from->accumulator_sums, from->accumulator_count);
    e->accumulator_previous = copy_doubles(from->accumulator_previous, from->accumulator_count);
    e->accumulator_count = from->accumulator_count;
    if (!e->accumulator_sums || !e->accumulator_previous) return free_expression(e), nullptr;
  }
  if (from->token_count > 0) {
    e->tokens = static_cast<Token *>(malloc(sizeof(Token) * static_cast<size_t>(from->token_count)));
    if (!e->tokens) return free_expression(e), nullptr;
    e->token_capacity = from->token_count;
    for (int32_t i = 0; i < from->token_count; i++) {
      if (!copy_token(from->tokens[i], e->tokens[i])) return free_expression(e), nullptr;
      e->token_count = i + 1;
    }
  }
  return e;
}

void free_expression(Expression *e) {
  if (!e) return;
  for (int32_t i = 0; i < e->token_count; i++) release_token(e->tokens[i]);
  free(e->tokens);
  free(e->accumulator_sums);
  free(e->accumulator_previous);
  free(e->display_text);
  free(e);
}

std::string expression_text(const Expression *e) {
  return e->display_text ? std::string(e->display_text, e->text_length) : std::string();
}

std::string expression_unit_symbol(const Expression *e) {
  return unit_symbol(unit_index_for_dimension(e->result_unit));
}

void set_expression_unit(Expression *e, const std::string &symbol) {
  e->result_unit = dimension_for_symbol(symbol);
}

bool rebind_variables(Expression *e) {
  for (int32_t i = 0; i < e->token_count; i++) {
    Token &t = e->tokens[i];
    if (t.derivative_argument && !rebind_variables(t.derivative_argument)) return false;
    if (t.code < 0 || !t.name) continue;
    std::string name, unit;
    if (t.code < variable_count() && variable_info(t.code, name, unit) &&
        equal_ignoring_case(name, t.name))
      continue;
    int index = find_variable(t.name);
    if (index < 0) return false;
    t.code = index;
  }
  return true;
}
