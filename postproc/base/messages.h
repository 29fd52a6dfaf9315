// Message boxes from string-table texts, the yes/no question, and the two ways the program
// ends when memory fails.
#pragma once

#include "ui.h"

// Formats string `string_id` with the values (at most 255 characters) and shows it with the
// caption "Ulmo-Postprocessor"; returns the button pressed. A missing string shows empty.
int show_message(WindowHandle owner, unsigned flags, int string_id, ...);

// String `string_id` in a box without owner and with the platform's default caption.
int show_uncaptioned(unsigned flags, int string_id);

// show_message as a question, with the question icon and the buttons Yes and No; true for Yes.
bool ask_yes_no(WindowHandle owner, int string_id, ...);

// Memory that was allocated could not be used: tells the code and ends the program.
[[noreturn]] void fatal_memory_error(int code);
// An allocation failed where the program cannot go on without it.
[[noreturn]] void out_of_memory(int code);
