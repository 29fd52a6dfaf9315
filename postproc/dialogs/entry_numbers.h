// The whole numbers typed into the format dialogs: how an edit's text is read, what the
// up/down arrows beside it do, and the messages that refuse a value.
#pragma once

#include <string>

#include "../base/ascii.h"
#include "../graph/labels.h"

// Label digits: the arrows step by one and stop at 0 and kMaxLabelDigits.
int step_digits(int digits, bool up);
// Symbol period, symbol size and minor tics: up adds one, down takes one off only from 2,
// so the arrows never bring a count below 1.
int step_count(int count, bool up);

// The message that refuses a number of digits (900 below 0, 901 above 20), or 0.
int digits_message(int digits);
// The message that refuses a symbol period (1200) or, the period being fine, a symbol size
// (1201) below one, or 0.
int symbol_message(int period, int size);
