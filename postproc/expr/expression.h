// The trace expression language: tokens, the Expression record and the operations that build
// it, read it from its text form and prepare it for evaluation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Token codes. Codes 0 and above are variables of the current plot by index; -p is position p
// of the function table (strings 40..64); the derivative argument exists only after finalize.
enum TokenCode : int32_t {
  kTokenAdd = -1,
  kTokenSubtract = -2,
  kTokenMultiply = -3,
  kTokenDivide = -4,
  kTokenOpen = -5,
  kTokenClose = -6,
  kTokenDb = -7,
  kTokenAbs = -8,
  kTokenSqrt = -9,
  kTokenSgn = -10,
  kTokenLog = -11,
  kTokenLog10 = -12,
  kTokenExp = -13,
  kTokenSin = -14,
  kTokenCos = -15,
  kTokenTan = -16,
  kTokenAtan = -17,
  kTokenDrv = -18,
  kTokenInt = -19,
  kTokenAvg = -20,
  kTokenRms = -21,
  kTokenMag = -22,
  kTokenPhase = -23,
  kTokenRe = -24,
  kTokenIm = -25,
  kTokenConstant = -26,
  kTokenDerivativeArgument = -27,
};

const int kFunctionTableSize = 25;      // "+" .. "im(", codes -1 .. -25
const int kFunctionTextFirstId = 40;    // string id of position 1

enum TokenClass {
  kClassOperand = 0,
  kClassOperator = 1,
  kClassFunction = 2,
  kClassOpen = 3,
  kClassClose = 4,
};

// Builder state after delete_last_token: the class of the token now last, or emptied.
const int kBuilderEmptied = 5;

// Unit dimensions the language itself produces (the unit table has the rest).
const int32_t kUnitDimensionNone = 1;
const int32_t kUnitDimensionAngle = 15;
const int32_t kUnitDimensionDecibel = 16;

struct Expression;

struct Token {
  int32_t code;
  int32_t text_position;   // length of the display text before this token's text
  int32_t unit;            // unit dimension; operands only
  double value;            // number constants
  char *name;              // owned; variables only, none for the default x expression
  Expression *derivative_argument;  // owned; derivative-argument tokens only
};

struct Expression {
  int32_t token_count;
  int32_t token_capacity;
  int32_t result_unit;
  int32_t accumulator_count;     // "int(", "avg(" and "rms(" tokens
  double *accumulator_sums;      // accumulator_count elements, or none
  double *accumulator_previous;  // accumulator_count elements, or none
  Token *tokens;                 // token_capacity elements
  char *display_text;            // NUL-terminated text form; grows, never truncated
  size_t text_length;
  size_t text_capacity;
};

// The function-table text of code -1 .. -25 ("+", ..., "im("); empty for other codes. The
// table is read from the string table on first use.
const std::string &function_text(int32_t code);
void load_function_table();

int token_class(int32_t code);
int token_precedence(int32_t code);

Expression *new_expression();
// 0 on success, 1 when memory runs out (the Expression is then unchanged). `text` is the
// variable name for codes 0 and above, the number text for constants, ignored otherwise.
int append_token(Expression *expression, int32_t code, const char *text, int32_t unit);

struct DeletedToken {
  int removed_class;
  int builder_state;
};
// Removes the last token; the Expression must hold at least one.
DeletedToken delete_last_token(Expression *expression);

enum FinalizeResult {
  kFinalizeOk = 0,
  kFinalizeNoMemory = 1,
  kFinalizeMalformed = 2,   // not an expression: see finalize.cpp
};
int finalize_expression(Expression *expression);

// The finalized Expression of a text form, or none: unknown variable, malformed text, memory.
Expression *parse_expression(const char *text);

enum ParseFailure {
  kParseOk = 0,
  kParseUnknownVariable = 1,   // a quoted name is no variable of the current plot
  kParseMalformed = 2,         // not an expression of the language
  kParseNoMemory = 3,
};
// The same, telling why there is none.
Expression *parse_expression(const char *text, int *failure);
// As the builder makes it: every variable carries its unit dimension, so the result has a unit.
Expression *parse_expression_with_units(const char *text, int *failure);

Expression *make_variable_expression(const char *name, int32_t unit);
Expression *copy_expression(const Expression *expression);
void free_expression(Expression *expression);

std::string expression_text(const Expression *expression);
std::string expression_unit_symbol(const Expression *expression);
void set_expression_unit(Expression *expression, const std::string &symbol);
// Points every variable token (nested derivative arguments included) at the current plot's
// variable of the same name; false when a name is missing.
bool rebind_variables(Expression *expression);
