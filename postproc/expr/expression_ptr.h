// An owned Expression, released with free_expression: what builders, batches of new traces
// and callers hold until a trace takes an Expression over.
#pragma once

#include <memory>

#include "expression.h"

struct ExpressionRelease {
  void operator()(Expression *e) const { free_expression(e); }
};
using ExpressionPtr = std::unique_ptr<Expression, ExpressionRelease>;
